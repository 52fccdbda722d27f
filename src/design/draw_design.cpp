// Painting controls from their designs, and the default look where a design falls short.
#include "design/draw_design.h"

#include <QCache>
#include <QConicalGradient>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <optional>

#include "core/word_ids.h"
#include "core/words.h"
#include "design/data_ccd.h"
#include "design/default_look.h"
#include "design/draw_geometry.h"
#include "design/draw_helper.h"

namespace dataConsole {

using namespace ccdImage;
using DrawHelper::CDefaultLook;
using DrawHelper::DrawNineSlice;
using DrawHelper::DrawNineSliceTinted;

namespace {

constexpr int kButtonMargin = 10;
constexpr int kTrackMargin = 6;
constexpr int kCapMargin = 8;
constexpr int kDefaultWheelFrames = DrawHelper::kDefaultWheelFrameCount;
constexpr int kPanTiltCaptionBand = 20;
constexpr int kTrichroBarShare = 7; // the value bar takes a seventh of the width
constexpr int kTrichroInset = 4;

int Trunc(float value)
{
    return static_cast<int>(value);
}

QMargins Even(int margin)
{
    return {margin, margin, margin, margin};
}

void DrawStretched(QPainter &painter, const QRect &rect, const QImage *image)
{
    if (image && rect.width() > 0 && rect.height() > 0)
        painter.drawImage(rect, *image);
}

// A part's background over the whole rectangle; the design coordinates of the part are scaled
// by how much it was stretched.
CScale DrawBackground(QPainter &painter, const QRect &rect, const QImage &background)
{
    DrawStretched(painter, rect, &background);
    return ScaleOf(rect, background.size());
}

// Draws a group's background and gives the scale of its parts. A group without its
// background image gives nothing: it is then drawn as the default panel alone.
std::optional<CScale> DrawGroupBackground(QPainter &painter, const QRect &rect, const QImage *background,
                                          const CDefaultLookImage *look)
{
    if (background)
        return DrawBackground(painter, rect, *background);
    if (look)
        DrawNineSlice(painter, look->bitmap, 0, look->stateCount, rect, Even(kButtonMargin));
    return std::nullopt;
}

void FramePart(QPainter &painter, const QRect &part)
{
    DrawHelper::DrawSelectionFrame(painter, part, false, DrawHelper::kNoHandles, nullptr,
                                   QColor::fromRgb(kFramedPartColour));
}

// The size an image of the set takes on screen: its state in pixels of the natural size.
QSize LogicalStateSize(const CDefaultLookImage &image)
{
    return image.StateSize() / image.bitmap.devicePixelRatio();
}

int StateOf(const CDefaultLookImage &look, int state)
{
    return std::clamp(state, 0, std::max(0, look.stateCount - 1));
}

// The default fader: the track over the whole rectangle, the cap moved along it. The
// position runs over the rectangle's length, as faders without a design have always done.
void DrawDefaultSlider(QPainter &painter, const QRect &rect, const CDefaultLookImage *look, QColor colour,
                       int position, bool vertical)
{
    if (!look)
        return;
    DrawNineSliceTinted(painter, *look, StateOf(*look, DrawHelper::kSliderTrackState), rect, Even(kTrackMargin), colour);
    const int length = vertical ? rect.height() : rect.width();
    const int thickness = vertical ? rect.width() : rect.height();
    const int cap = std::clamp(std::min(length / 4, thickness * 2 / 3), std::min(12, length), std::max(length, 1));
    const int travel = std::max(1, length);
    const int clamped = std::clamp(position, 0, length);
    const int offset = int(qint64(clamped) * (length - cap) / travel);
    const QRect capRect = vertical ? QRect(rect.left(), rect.top() + (length - cap) - offset, thickness, cap)
                                   : QRect(rect.left() + offset, rect.top(), cap, thickness);
    DrawNineSliceTinted(painter, *look, StateOf(*look, DrawHelper::kSliderCapState), capRect, Even(kCapMargin), colour);
}

// What placing a design slider's cursor needs, all scaled like its background.
struct CDesignSlider
{
    const QImage *cursor;
    float offsetX;
    float offsetY;
    float cursorWidth;
    float cursorHeight;
};

// Draws a design slider's background and gives what its cursor needs. A design without the
// background or the cursor gives nothing: the whole slider is then drawn in the default look.
std::optional<CDesignSlider> DrawSliderBackground(QPainter &painter, const QRect &rect, const CDataCCD *design,
                                                  const CDefaultLookImage *look, QColor colour, int position,
                                                  bool vertical)
{
    const CDataCCD::CSlider *slider = design ? &(vertical ? design->sliderVert : design->sliderHorz) : nullptr;
    const QImage *background = slider ? slider->BackgroundImage(vertical) : nullptr;
    const QImage *cursor = slider ? slider->CursorImage(vertical) : nullptr;
    if (!background || !cursor) {
        DrawDefaultSlider(painter, rect, look, colour, position, vertical);
        return std::nullopt;
    }
    const CScale scale = DrawBackground(painter, rect, *background);
    return CDesignSlider{cursor, float(slider->offsetX) * scale.sx, float(slider->offsetY) * scale.sy,
                         float(cursor->width()) * scale.sx, float(cursor->height()) * scale.sy};
}

void DrawDefaultRotary(QPainter &painter, const QRect &rect, const CDefaultLookImage *look, QColor colour,
                       double angle)
{
    if (!look)
        return;
    const int side = std::min(rect.width(), rect.height());
    if (side <= 0)
        return;
    const QRect dial(rect.left() + (rect.width() - side) / 2, rect.top() + (rect.height() - side) / 2, side, side);
    DrawNineSliceTinted(painter, *look, 0, dial, QMargins(), colour);
    const QPointF centre = QRectF(dial).center();
    const CPolarOffset tip = PolarPoint(angle, side * 0.36);
    const CPolarOffset base = PolarPoint(angle, side * 0.12);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor::fromRgb(kRotaryPointerColour), std::max(2.0, side / 22.0), Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre + QPointF(base.x, base.y), centre + QPointF(tip.x, tip.y));
    painter.restore();
}

} // namespace

void DrawButton(QPainter &painter, const QRect &rect, const CDataCCD *design, const CDefaultLookImage *look,
                QColor colour, bool on, bool inGroup, int index)
{
    if (design) {
        auto imageOf = [&](bool state) {
            return inGroup ? design->groupButtons.ButtonImage(index, state) : design->button.Image(state);
        };
        if (const QImage *wanted = imageOf(on)) {
            DrawStretched(painter, rect, wanted);
            return;
        }
        // A design that has only the other state's image shows nothing in this state.
        if (imageOf(!on))
            return;
    }
    if (look)
        DrawNineSliceTinted(painter, *look, StateOf(*look, on ? 1 : 0), rect, Even(kButtonMargin), colour);
}

void DrawSliderHorz(QPainter &painter, const QRect &rect, const CDataCCD *design, const CDefaultLookImage *look,
                    QColor colour, int position)
{
    const std::optional<CDesignSlider> slider =
        DrawSliderBackground(painter, rect, design, look, colour, position, false);
    if (!slider)
        return;
    const float ox = slider->offsetX;
    float x = position < 0 ? ox : float(position) + ox;
    const float last = float(rect.width()) - ox - slider->cursorWidth;
    if (x > last)
        x = last;
    DrawStretched(painter,
                  QRect(Trunc(float(rect.left()) + x), rect.top() + Trunc(slider->offsetY),
                        Trunc(slider->cursorWidth), Trunc(slider->cursorHeight)),
                  slider->cursor);
}

void DrawSliderVert(QPainter &painter, const QRect &rect, const CDataCCD *design, const CDefaultLookImage *look,
                    QColor colour, int position)
{
    const std::optional<CDesignSlider> slider =
        DrawSliderBackground(painter, rect, design, look, colour, position, true);
    if (!slider)
        return;
    const float oy = slider->offsetY;
    const float cursorHeight = slider->cursorHeight;
    const float travel = float(rect.height()) - cursorHeight - 2.0f * oy;
    // Position 0 stands at the bottom of the travel.
    float y = oy + std::fabs(float(position) - travel);
    const float last = float(rect.height()) - oy - cursorHeight;
    if (y < oy)
        y = oy;
    if (y > last)
        y = last;
    DrawStretched(painter,
                  QRect(Trunc(float(rect.left()) + slider->offsetX), Trunc(float(rect.top()) + y),
                        Trunc(slider->cursorWidth), Trunc(cursorHeight)),
                  slider->cursor);
}

void DrawRotary(QPainter &painter, const QRect &rect, const CDataCCD *design, const CDefaultLookImage *look,
                QColor colour, double angle)
{
    const QImage *dial = design ? design->rotary.DialImage() : nullptr;
    if (!dial) {
        DrawDefaultRotary(painter, rect, look, colour, angle);
        return;
    }
    const CScale scale = DrawBackground(painter, rect, *dial);
    const float centreX = float(dial->width()) * 0.5f;
    const float centreY = float(dial->height()) * 0.5f;
    const CPolarOffset polar = PolarPoint(angle, design->rotary.radius);
    const float pointX = (polar.x + centreX) * scale.sx;
    const float pointY = (polar.y + centreY) * scale.sy;
    if (const QImage *cursor = design->rotary.CursorImage()) {
        const float width = float(cursor->width()) * scale.sx;
        const float height = float(cursor->height()) * scale.sy;
        DrawStretched(painter,
                      QRect(Trunc(float(rect.left()) + pointX - width * 0.5f),
                            Trunc(float(rect.top()) + pointY - height * 0.5f), Trunc(width), Trunc(height)),
                      cursor);
        return;
    }
    const int width = Trunc(std::max(2.0f, 3.0f * std::min(scale.sx, scale.sy)));
    painter.save();
    painter.setPen(QPen(QColor::fromRgb(kRotaryPointerColour), width));
    painter.drawLine(QPoint(rect.left() + Trunc(centreX * scale.sx), rect.top() + Trunc(centreY * scale.sy)),
                     QPoint(rect.left() + Trunc(pointX), rect.top() + Trunc(pointY)));
    painter.restore();
}

void DrawWheel(QPainter &painter, const QRect &rect, const CDataCCD *design, const QList<QImage> *defaultImages,
               QColor, int index)
{
    if (design && design->wheel.imageCount > 0) {
        const int count = design->wheel.imageCount;
        // A wheel turned below 0 still shows a frame of its strip.
        const QImage *frame = design->wheel.StripImage(((index % count) + count) % count);
        if (frame) {
            DrawStretched(painter, rect, design->wheel.BackgroundImage());
            DrawStretched(painter, rect, frame);
            return;
        }
    }
    if (!defaultImages || defaultImages->size() <= kDefaultWheelFrames)
        return;
    const int frame = ((index % kDefaultWheelFrames) + kDefaultWheelFrames) % kDefaultWheelFrames + 1;
    DrawStretched(painter, rect, &defaultImages->at(0));
    DrawStretched(painter, rect, &defaultImages->at(frame));
}

void DrawGroupButtons(QPainter &painter, const QRect &rect, const CDataCCD *design, const CDefaultLookImage *look,
                      int pressed, int framed)
{
    const std::optional<CScale> scale =
        DrawGroupBackground(painter, rect, design ? design->groupButtons.BackgroundImage() : nullptr, look);
    if (!scale)
        return;
    const CDataCCD::CGroupButtons &group = design->groupButtons;
    for (int i = 0; i < group.ButtonCount(); ++i) {
        const CDataCCD::CGroupButtons::CBut &button = *group.Button(i);
        if (const QImage *image = group.ButtonImage(i, i == pressed))
            DrawStretched(painter, ScaledPart(rect, *scale, button.image), image);
        if (i == framed)
            FramePart(painter, ScaledPart(rect, *scale, button.button));
    }
}

void DrawGroupIncDec(QPainter &painter, const QRect &rect, const CDataCCD *design, const CDefaultLookImage *look,
                     int displayIndex, int framed)
{
    const std::optional<CScale> scale =
        DrawGroupBackground(painter, rect, design ? design->groupIncDec.BackgroundImage() : nullptr, look);
    if (!scale)
        return;
    const CDataCCD::CGroupIncDec &group = design->groupIncDec;
    auto part = [&](int x, int y, const QImage *image, int partIndex) {
        if (!image)
            return;
        const QRect place = ScaledPart(rect, *scale, QRect(QPoint(x, y), image->size()));
        DrawStretched(painter, place, image);
        if (partIndex == framed)
            FramePart(painter, place);
    };
    // The pressed images belong to the design but the group is drawn at rest.
    part(group.incX, group.incY, group.IncImage(false), 0);
    part(group.decX, group.decY, group.DecImage(false), 1);
    part(group.displayX, group.displayY, group.DisplayImage(displayIndex), 2);
}

QRect PanTiltPad(const QRect &rect)
{
    const int band = std::min(kPanTiltCaptionBand, rect.height() / 4);
    return rect.adjusted(0, 0, 0, -band);
}

namespace {

// A grid in quarters over the pad.
void DrawPanTiltGrid(QPainter &painter, const QRect &pad)
{
    painter.setPen(QPen(QColor(255, 255, 255, 28), 1));
    for (int i = 1; i < 4; ++i) {
        painter.drawLine(QPointF(pad.left() + pad.width() * i / 4.0, pad.top()),
                         QPointF(pad.left() + pad.width() * i / 4.0, pad.bottom()));
        painter.drawLine(QPointF(pad.left(), pad.top() + pad.height() * i / 4.0),
                         QPointF(pad.right(), pad.top() + pad.height() * i / 4.0));
    }
}

// The cross through the puck, then the puck: the look's image, else a drawn disc.
void DrawPanTiltPuck(QPainter &painter, const QRect &pad, QPoint puck, const CDefaultLook *look)
{
    painter.setPen(QPen(QColor(255, 180, 60, 150), 1));
    painter.drawLine(QPointF(pad.left(), puck.y() + 0.5), QPointF(pad.right() + 1, puck.y() + 0.5));
    painter.drawLine(QPointF(puck.x() + 0.5, pad.top()), QPointF(puck.x() + 0.5, pad.bottom() + 1));
    const CDefaultLookImage *puckImage = look ? look->Image(DrawHelper::kDefaultPanTiltPuck) : nullptr;
    if (puckImage && !puckImage->bitmap.isNull()) {
        const QSize size = LogicalStateSize(*puckImage);
        painter.drawImage(QPoint(puck.x() - size.width() / 2, puck.y() - size.height() / 2), puckImage->bitmap,
                          puckImage->StateRect(0));
    } else {
        painter.setBrush(QColor(255, 180, 60));
        painter.drawEllipse(QPointF(puck) + QPointF(0.5, 0.5), 6, 6);
    }
}

// "Pan : n" at the left of the band below the pad, "Tilt : n" at its right.
void DrawPanTiltCaptions(QPainter &painter, const QRect &captions, int pan, int tilt)
{
    if (captions.height() <= 4)
        return;
    QFont font = painter.font();
    font.setPixelSize(std::max(8, captions.height() * 11 / 20));
    painter.setFont(font);
    painter.setPen(QColor(0xd0, 0xd4, 0xdc));
    const QString panText = QStringLiteral("%1 : %2").arg(korvane::Word(korvane::word::kPan)).arg(pan);
    const QString tiltText = QStringLiteral("%1 : %2").arg(korvane::Word(korvane::word::kTilt)).arg(tilt);
    painter.drawText(captions.adjusted(4, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, panText);
    painter.drawText(captions.adjusted(0, 0, -4, 0), Qt::AlignRight | Qt::AlignVCenter, tiltText);
}

} // namespace

void DrawPanTilt(QPainter &painter, const QRect &rect, int pan, int tilt, QPoint position, QColor colour,
                 const CDefaultLook *look)
{
    const QRect pad = PanTiltPad(rect);
    if (pad.width() <= 2 || pad.height() <= 2)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath region;
    const qreal corner = std::min(pad.width(), pad.height()) * 0.08;
    region.addRoundedRect(QRectF(pad).adjusted(0.5, 0.5, -0.5, -0.5), corner, corner);
    painter.setClipPath(region);
    if (const CDefaultLookImage *panel = look ? look->Image(DrawHelper::kDefaultInsetPanel) : nullptr)
        DrawNineSliceTinted(painter, *panel, 0, pad, Even(kButtonMargin), colour);
    else
        painter.fillRect(pad, QColor(0x23, 0x26, 0x2c));

    DrawPanTiltGrid(painter, pad);
    QPoint puck = position;
    if (puck.x() < 0 || puck.y() < 0) {
        puck = QPoint(ScaleValue(0, pad.width() - 1, pan, 0, kPanTiltMaximum),
                      ScaleValue(pad.height() - 1, 0, tilt, 0, kPanTiltMaximum));
    }
    DrawPanTiltPuck(painter, pad, puck + pad.topLeft(), look);
    painter.setClipping(false);
    painter.setPen(QPen(QColor(255, 255, 255, 60), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(region);

    DrawPanTiltCaptions(painter, QRect(rect.left(), pad.bottom() + 1, rect.width(), rect.bottom() - pad.bottom()), pan,
                        tilt);
    painter.restore();
}

quint32 TrichroColour(int hue, int saturation, int value)
{
    hue = ((hue % 360) + 360) % 360;
    const float v = float(value);
    const float s = float(saturation);
    const float fraction = float(hue % 60) / 60.0f;
    const int p = Trunc(v - s * v / 255.0f);
    const int q = Trunc(v - s * v * fraction / 255.0f);
    const int t = Trunc(v - s * v * (1.0f - fraction) / 255.0f);
    int r = value, g = value, b = value;
    switch (hue / 60) {
    case 0: r = value, g = t, b = p; break;
    case 1: r = q, g = value, b = p; break;
    case 2: r = p, g = value, b = t; break;
    case 3: r = p, g = q, b = value; break;
    case 4: r = t, g = p, b = value; break;
    default: r = value, g = p, b = q; break;
    }
    return quint32(r & 0xFF) | quint32(g & 0xFF) << 8 | quint32(b & 0xFF) << 16;
}

CTrichroLayout TrichroLayout(const QRect &rect)
{
    const int barWidth = rect.width() / kTrichroBarShare;
    const int discWidth = rect.width() - barWidth;
    CTrichroLayout layout;
    layout.radius = std::max(1, std::min(discWidth, rect.height()) / 2 - kTrichroInset);
    layout.centre = QPoint(rect.left() + discWidth / 2, rect.top() + rect.height() / 2);
    layout.bar = QRect(rect.left() + discWidth, rect.top() + kTrichroInset, barWidth - kTrichroInset,
                       rect.height() - 2 * kTrichroInset);
    return layout;
}

namespace {

// The hue/saturation disc at full value; drawn once per size.
QImage TrichroDisc(int radius)
{
    static QCache<int, QImage> discs(4);
    if (QImage *cached = discs.object(radius))
        return *cached;
    const int side = 2 * radius + 1;
    QImage disc(side, side, QImage::Format_ARGB32_Premultiplied);
    disc.fill(Qt::transparent);
    for (int y = 0; y < side; ++y) {
        auto *line = reinterpret_cast<QRgb *>(disc.scanLine(y));
        for (int x = 0; x < side; ++x) {
            const float dx = float(x - radius), dy = float(radius - y);
            const float distance = std::sqrt(dx * dx + dy * dy);
            if (distance > float(radius) + 0.5f)
                continue;
            const int hue = (Trunc(std::atan2(dy, dx) * float(kDegreesPerRadianOut)) + 360) % 360;
            const int saturation = std::min(255, Trunc(distance * 255.0f / float(radius)));
            const quint32 c = TrichroColour(hue, saturation, 255);
            const int alpha = distance > float(radius) - 0.5f ? Trunc((float(radius) + 0.5f - distance) * 255.0f) : 255;
            line[x] = qPremultiply(qRgba(int(c & 0xFF), int(c >> 8 & 0xFF), int(c >> 16 & 0xFF), alpha));
        }
    }
    discs.insert(radius, new QImage(disc));
    return disc;
}

// The value bar: the current hue and saturation from full value at the top to black, and
// the thumb at the value.
void DrawTrichroValueBar(QPainter &painter, const QRect &bar, int hue, int saturation, int value,
                         const CDefaultLook *look)
{
    if (bar.width() <= 0 || bar.height() <= 0)
        return;
    const quint32 full = TrichroColour(hue, saturation, 255);
    QLinearGradient gradient(bar.topLeft(), bar.bottomLeft());
    gradient.setColorAt(0, QColor(int(full & 0xFF), int(full >> 8 & 0xFF), int(full >> 16 & 0xFF)));
    gradient.setColorAt(1, Qt::black);
    painter.setPen(QPen(QColor(255, 255, 255, 50), 1));
    painter.setBrush(gradient);
    painter.drawRoundedRect(QRectF(bar).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    const int thumbY = bar.top() + ScaleValue(bar.height() - 1, 0, value, 0, 255);
    const CDefaultLookImage *thumb = look ? look->Image(DrawHelper::kDefaultValueThumb) : nullptr;
    if (thumb && !thumb->bitmap.isNull()) {
        const int thumbHeight = LogicalStateSize(*thumb).height();
        const QRect target(bar.left(), thumbY - thumbHeight / 2, bar.width(), thumbHeight);
        painter.drawImage(target, thumb->bitmap, thumb->StateRect(0));
    } else {
        painter.fillRect(QRect(bar.left() - 2, thumbY - 1, bar.width() + 4, 3), Qt::white);
    }
}

// The selector on the disc, at the hue's angle and the saturation's distance from the centre.
void DrawTrichroSelector(QPainter &painter, const CTrichroLayout &layout, int hue, int saturation,
                         const CDefaultLook *look)
{
    const CPolarOffset at = PolarPoint(hue, double(saturation) * layout.radius / 255.0);
    const QPoint selector = layout.centre + QPoint(Trunc(at.x), Trunc(at.y));
    const CDefaultLookImage *ring = look ? look->Image(DrawHelper::kDefaultColourSelector) : nullptr;
    if (ring && !ring->bitmap.isNull()) {
        const QSize size = LogicalStateSize(*ring);
        painter.drawImage(selector - QPoint(size.width() / 2, size.height() / 2), ring->bitmap, ring->StateRect(0));
    } else {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(Qt::white, 2));
        painter.drawEllipse(QPointF(selector), 5, 5);
    }
}

} // namespace

void DrawTrichro(QPainter &painter, const QRect &rect, quint32 colour, const CDefaultLook *look)
{
    if (rect.width() < 8 || rect.height() < 8)
        return;
    const CTrichroLayout layout = TrichroLayout(rect);
    const QColor current(int(colour & 0xFF), int(colour >> 8 & 0xFF), int(colour >> 16 & 0xFF));
    int hue, saturation, value;
    current.getHsv(&hue, &saturation, &value);
    hue = std::max(hue, 0); // grey has no hue

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (const CDefaultLookImage *panel = look ? look->Image(DrawHelper::kDefaultInsetPanel) : nullptr)
        DrawNineSlice(painter, panel->bitmap, 0, panel->stateCount, rect, Even(kButtonMargin));
    painter.drawImage(layout.centre - QPoint(layout.radius, layout.radius), TrichroDisc(layout.radius));
    if (value < 255) // the disc darkens with the value, as the colour does
        painter.setBrush(QColor(0, 0, 0, 255 - value));
    else
        painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 255, 255, 50), 1));
    painter.drawEllipse(QPointF(layout.centre) + QPointF(0.5, 0.5), layout.radius + 0.5, layout.radius + 0.5);
    DrawTrichroValueBar(painter, layout.bar, hue, saturation, value, look);
    DrawTrichroSelector(painter, layout, hue, saturation, look);
    painter.restore();
}

} // namespace dataConsole
