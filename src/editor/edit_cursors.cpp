// Canvas cursors.
#include "editor/edit_cursors.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <map>

namespace korvane {

namespace {

constexpr int kCursorSize = 32;
constexpr int kHotSpot = 7;

// The box at the cursor's lower right that holds the small picture of a kind.
const QRectF kGlyphBox(14, 14, 16, 16);

void DrawGlyphText(QPainter &p, const QString &text, int pixelSize)
{
    QFont font;
    font.setPixelSize(pixelSize);
    font.setBold(true);
    p.setFont(font);
    p.drawText(kGlyphBox, Qt::AlignCenter, text);
}

void DrawPictureGlyph(QPainter &p)
{
    p.drawRect(kGlyphBox.adjusted(0, 2, 0, -2));
    p.setBrush(Qt::black);
    const QPointF hills[] = {{15, 27}, {20, 20}, {24, 24}, {26, 22}, {29, 27}};
    p.drawPolygon(hills, 5);
}

void DrawColourMixerGlyph(QPainter &p)
{
    QConicalGradient hues(kGlyphBox.center(), 0);
    for (int i = 0; i <= 6; ++i)
        hues.setColorAt(i / 6.0, QColor::fromHsv((i * 60) % 360, 255, 255));
    p.setBrush(hues);
    p.drawEllipse(kGlyphBox.adjusted(1, 1, -1, -1));
}

void DrawPanTiltGlyph(QPainter &p)
{
    p.drawRect(kGlyphBox.adjusted(1, 1, -1, -1));
    p.drawLine(QPointF(22, 16), QPointF(22, 28));
    p.drawLine(QPointF(16, 22), QPointF(28, 22));
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(25, 19), 2, 2);
}

// A small picture of each kind in the glyph box.
void DrawKindGlyph(QPainter &p, int kind)
{
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(Qt::white);
    switch (kind) {
    case dataConsole::kCtrlBitmap:
        DrawPictureGlyph(p);
        break;
    case dataConsole::kCtrlLabel:
        DrawGlyphText(p, QStringLiteral("T"), 16);
        break;
    case dataConsole::kCtrlButton:
        p.drawRoundedRect(kGlyphBox.adjusted(0, 3, 0, -3), 3, 3);
        break;
    case dataConsole::kCtrlFaderHorz:
        p.drawLine(QPointF(14, 22), QPointF(30, 22));
        p.drawRect(QRectF(19, 17, 5, 10));
        break;
    case dataConsole::kCtrlFaderVert:
        p.drawLine(QPointF(22, 14), QPointF(22, 30));
        p.drawRect(QRectF(17, 19, 10, 5));
        break;
    case dataConsole::kCtrlFaderRotary:
        p.drawEllipse(kGlyphBox.adjusted(1, 1, -1, -1));
        p.drawLine(QPointF(22, 22), QPointF(17, 27));
        break;
    case dataConsole::kCtrlWheel:
        p.drawRoundedRect(QRectF(17, 14, 10, 16), 3, 3);
        for (int y = 17; y <= 27; y += 3)
            p.drawLine(QPointF(18, y), QPointF(26, y));
        break;
    case dataConsole::kCtrlTrichro:
        DrawColourMixerGlyph(p);
        break;
    case dataConsole::kCtrlPanTilt:
        DrawPanTiltGlyph(p);
        break;
    case dataConsole::kCtrlGroupButtons:
        for (int i = 0; i < 4; ++i)
            p.drawRect(QRectF(15 + (i % 2) * 8, 15 + (i / 2) * 8, 6, 6));
        break;
    case dataConsole::kCtrlGroupIncDec:
        p.drawRect(kGlyphBox.adjusted(0, 3, 0, -3));
        DrawGlyphText(p, QStringLiteral("±"), 11);
        break;
    default:
        break;
    }
}

QPixmap PlacementPixmap(int kind)
{
    QPixmap pixmap(kCursorSize, kCursorSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    // The cross, outlined in white so it shows on any console.
    for (const auto &[colour, width] : {std::pair{QColor(Qt::white), 3.0}, std::pair{QColor(Qt::black), 1.0}}) {
        p.setPen(QPen(colour, width));
        p.drawLine(QPointF(kHotSpot + 0.5, 0.5), QPointF(kHotSpot + 0.5, 2 * kHotSpot + 0.5));
        p.drawLine(QPointF(0.5, kHotSpot + 0.5), QPointF(2 * kHotSpot + 0.5, kHotSpot + 0.5));
    }
    DrawKindGlyph(p, kind);
    return pixmap;
}

} // namespace

QCursor PlacementCursor(int kind)
{
    static std::map<int, QCursor> cursors;
    const auto found = cursors.find(kind);
    if (found != cursors.end())
        return found->second;
    return cursors.emplace(kind, QCursor(PlacementPixmap(kind), kHotSpot, kHotSpot)).first->second;
}

std::optional<QCursor> CursorForState(const CEditState &state, bool consoleLocked)
{
    if (state.pendingKind >= 0 && state.pendingKind < dataConsole::kCtrlKindCount)
        return PlacementCursor(state.pendingKind);
    if (consoleLocked)
        return std::nullopt;
    switch (state.mode) {
    case kModeMove:
        return QCursor(Qt::SizeAllCursor);
    case kModeResizeTopLeft:
    case kModeResizeBottomRight:
        return QCursor(Qt::SizeFDiagCursor);
    case kModeResizeTop:
    case kModeResizeBottom:
        return QCursor(Qt::SizeVerCursor);
    case kModeResizeTopRight:
    case kModeResizeBottomLeft:
        return QCursor(Qt::SizeBDiagCursor);
    case kModeResizeRight:
    case kModeResizeLeft:
        return QCursor(Qt::SizeHorCursor);
    default:
        return std::nullopt;
    }
}

} // namespace korvane
