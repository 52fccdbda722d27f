// The drawing kit of the sample artwork.
#include "sample_art.h"

#include <QDir>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <stdexcept>

namespace samples {

QImage NewImage(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void PreparePainter(QPainter &painter)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
}

std::string SavePng(const QImage &image, const QString &folder, const QString &fileName)
{
    const QString path = QDir(folder).filePath(fileName);
    // Straight alpha, as image files carry it.
    if (!image.convertToFormat(QImage::Format_ARGB32).save(path, "PNG"))
        throw std::runtime_error("cannot write " + path.toStdString());
    return fileName.toStdString();
}

QImage Strip(const QList<QImage> &frames)
{
    if (frames.isEmpty())
        return {};
    const QSize frame = frames.first().size();
    QImage strip = NewImage(frame.width() * int(frames.size()), frame.height());
    QPainter painter(&strip);
    for (int i = 0; i < frames.size(); ++i)
        painter.drawImage(i * frame.width(), 0, frames[i]);
    return strip;
}

QImage Blurred(const QImage &image, int factor)
{
    const QImage small = image.scaled(image.size() / factor, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return small.scaled(image.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QFont ArtFont(qreal pixelSize, int weight)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(qRound(pixelSize));
    font.setWeight(QFont::Weight(weight));
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QColor Mix(const QColor &a, const QColor &b, qreal t)
{
    const auto blend = [t](qreal x, qreal y) { return x + (y - x) * t; };
    return QColor::fromRgbF(float(blend(a.redF(), b.redF())), float(blend(a.greenF(), b.greenF())),
                            float(blend(a.blueF(), b.blueF())), float(blend(a.alphaF(), b.alphaF())));
}

namespace {

QColor WithAlpha(QColor colour, int alpha)
{
    colour.setAlpha(alpha);
    return colour;
}

} // namespace

void DrawPlate(QPainter &painter, const QRectF &rect, qreal radius)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 150));
    painter.drawRoundedRect(rect, radius, radius);
    QLinearGradient face(rect.topLeft(), rect.bottomLeft());
    face.setColorAt(0, Mix(palette::kPanel, Qt::white, 0.05));
    face.setColorAt(1, Mix(palette::kPanel, Qt::black, 0.15));
    painter.setBrush(face);
    painter.drawRoundedRect(rect.adjusted(1, 1, -1, -1), radius - 1, radius - 1);
    QLinearGradient rim(rect.topLeft(), rect.bottomLeft());
    rim.setColorAt(0, WithAlpha(palette::kPanelEdge.lighter(130), 255));
    rim.setColorAt(0.15, WithAlpha(palette::kPanelEdge, 90));
    rim.setColorAt(1, WithAlpha(palette::kPanelEdge, 30));
    painter.setPen(QPen(QBrush(rim), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(rect.adjusted(1.5, 1.5, -1.5, -1.5), radius - 1.5, radius - 1.5);
    painter.restore();
}

void DrawWell(QPainter &painter, const QRectF &rect, qreal radius)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    QLinearGradient face(rect.topLeft(), rect.bottomLeft());
    face.setColorAt(0, palette::kRecess);
    face.setColorAt(0.3, Mix(palette::kRecess, palette::kPanel, 0.35));
    face.setColorAt(1, Mix(palette::kRecess, palette::kPanel, 0.55));
    painter.setBrush(face);
    painter.drawRoundedRect(rect, radius, radius);
    // Light catches the lower lip of a recess, never the upper one.
    QLinearGradient lip(rect.topLeft(), rect.bottomLeft());
    lip.setColorAt(0, QColor(0, 0, 0, 160));
    lip.setColorAt(0.5, QColor(255, 255, 255, 0));
    lip.setColorAt(1, QColor(255, 255, 255, 55));
    painter.setPen(QPen(QBrush(lip), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    painter.restore();
}

void DrawKey(QPainter &painter, const QRectF &rect, qreal radius, bool lit, const QColor &glow, const QColor &face)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    // The shadow the key casts on the plate; a pressed key sits lower and casts less.
    painter.setBrush(QColor(0, 0, 0, lit ? 110 : 170));
    painter.drawRoundedRect(rect.adjusted(0, lit ? 1 : 2, 0, 0), radius, radius);

    const QRectF cap = rect.adjusted(1, lit ? 1.5 : 0.5, -1, lit ? -1 : -2);
    const QColor top = face.isValid() ? face.lighter(125) : palette::kKeyTop;
    const QColor bottom = face.isValid() ? face.darker(140) : palette::kKeyBottom;
    QLinearGradient body(cap.topLeft(), cap.bottomLeft());
    if (lit) {
        body.setColorAt(0, Mix(top, glow, 0.62));
        body.setColorAt(0.6, Mix(top, glow, 0.42));
        body.setColorAt(1, Mix(bottom, glow, 0.3));
    } else {
        body.setColorAt(0, top);
        body.setColorAt(1, bottom);
    }
    painter.setBrush(body);
    painter.drawRoundedRect(cap, radius - 1, radius - 1);

    // A sheen on the upper half and a bright rim along the top edge.
    QLinearGradient sheen(cap.topLeft(), cap.bottomLeft());
    sheen.setColorAt(0, QColor(255, 255, 255, lit ? 60 : 45));
    sheen.setColorAt(0.5, QColor(255, 255, 255, 8));
    sheen.setColorAt(0.51, QColor(255, 255, 255, 0));
    painter.setBrush(sheen);
    painter.drawRoundedRect(cap.adjusted(1, 1, -1, -1), radius - 2, radius - 2);
    QLinearGradient rim(cap.topLeft(), cap.bottomLeft());
    rim.setColorAt(0, QColor(255, 255, 255, lit ? 150 : 90));
    rim.setColorAt(0.2, QColor(255, 255, 255, 15));
    rim.setColorAt(1, QColor(0, 0, 0, 90));
    painter.setPen(QPen(QBrush(rim), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(cap.adjusted(0.5, 0.5, -0.5, -0.5), radius - 1, radius - 1);
    painter.restore();
}

void DrawGlow(QPainter &painter, const QRectF &rect, qreal radius, const QColor &colour, qreal spread)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    const int steps = 6;
    for (int i = steps; i >= 1; --i) {
        const qreal grow = spread * i / steps;
        painter.setBrush(WithAlpha(colour, int(34.0 * (steps + 1 - i) / steps)));
        painter.drawRoundedRect(rect.adjusted(-grow, -grow, grow, grow), radius + grow, radius + grow);
    }
    painter.restore();
}

void DrawLed(QPainter &painter, const QPointF &centre, qreal radius, const QColor &colour, bool lit)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    if (lit) {
        QRadialGradient halo(centre, radius * 3);
        halo.setColorAt(0, WithAlpha(colour, 150));
        halo.setColorAt(1, WithAlpha(colour, 0));
        painter.setBrush(halo);
        painter.drawEllipse(centre, radius * 3, radius * 3);
    }
    painter.setBrush(QColor(0, 0, 0, 200));
    painter.drawEllipse(centre, radius + 1, radius + 1);
    QRadialGradient glass(centre - QPointF(radius * 0.3, radius * 0.35), radius * 1.3);
    if (lit) {
        glass.setColorAt(0, Mix(colour, Qt::white, 0.85));
        glass.setColorAt(0.45, colour.lighter(115));
        glass.setColorAt(1, colour.darker(120));
    } else {
        glass.setColorAt(0, Mix(colour.darker(260), Qt::white, 0.18));
        glass.setColorAt(1, colour.darker(420));
    }
    painter.setBrush(glass);
    painter.drawEllipse(centre, radius, radius);
    painter.restore();
}

void DrawLedBar(QPainter &painter, const QRectF &rect, const QColor &colour, bool lit)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    const qreal radius = rect.height() / 2;
    if (lit)
        DrawGlow(painter, rect, radius, colour, rect.height() * 1.2);
    painter.setBrush(QColor(0, 0, 0, 200));
    painter.drawRoundedRect(rect.adjusted(-1, -1, 1, 1), radius + 1, radius + 1);
    QLinearGradient glass(rect.topLeft(), rect.bottomLeft());
    if (lit) {
        glass.setColorAt(0, Mix(colour, Qt::white, 0.75));
        glass.setColorAt(0.5, colour.lighter(110));
        glass.setColorAt(1, colour.darker(115));
    } else {
        glass.setColorAt(0, Mix(colour.darker(300), Qt::white, 0.12));
        glass.setColorAt(1, colour.darker(450));
    }
    painter.setBrush(glass);
    painter.drawRoundedRect(rect, radius, radius);
    painter.restore();
}

void DrawEngraved(QPainter &painter, const QRectF &rect, const QString &text, const QFont &font,
                  const QColor &colour, int flags)
{
    painter.save();
    painter.setFont(font);
    painter.setPen(QColor(0, 0, 0, 170));
    painter.drawText(rect.translated(0, 1), flags, text);
    painter.setPen(colour);
    painter.drawText(rect, flags, text);
    painter.restore();
}

void DrawGroove(QPainter &painter, const QRectF &rect)
{
    painter.save();
    const bool vertical = rect.height() > rect.width();
    const qreal radius = (vertical ? rect.width() : rect.height()) / 2;
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 28));
    painter.drawRoundedRect(rect.adjusted(-1, -1, 1, 1.5), radius + 1, radius + 1);
    QLinearGradient inside(rect.topLeft(), vertical ? rect.topRight() : rect.bottomLeft());
    inside.setColorAt(0, QColor(0, 0, 0));
    inside.setColorAt(0.5, palette::kRecess);
    inside.setColorAt(1, Mix(palette::kRecess, palette::kPanel, 0.6));
    painter.setBrush(inside);
    painter.drawRoundedRect(rect, radius, radius);
    painter.restore();
}

void DrawFaderCap(QPainter &painter, const QRectF &rect, bool vertical, const QColor &index)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 140));
    painter.drawRoundedRect(rect.adjusted(1, 2, 1, 2), 4, 4);

    const QRectF cap = rect.adjusted(0, 0, -1, -1);
    // Ribs run across the travel, so the grip reads the same way as the index line.
    QLinearGradient body(cap.topLeft(), vertical ? cap.bottomLeft() : cap.topRight());
    body.setColorAt(0, QColor(0x8c, 0x92, 0x9c));
    body.setColorAt(0.08, QColor(0x5e, 0x63, 0x6c));
    body.setColorAt(0.45, QColor(0x2c, 0x2f, 0x35));
    body.setColorAt(0.55, QColor(0x2c, 0x2f, 0x35));
    body.setColorAt(0.92, QColor(0x1c, 0x1e, 0x22));
    body.setColorAt(1, QColor(0x10, 0x11, 0x13));
    painter.setBrush(body);
    painter.drawRoundedRect(cap, 4, 4);

    const qreal length = vertical ? cap.height() : cap.width();
    const qreal middle = length / 2;
    for (qreal at = 4; at < length - 3; at += 3) {
        if (qAbs(at - middle) < 3)
            continue;
        const bool upper = at < middle;
        painter.setPen(QPen(QColor(255, 255, 255, upper ? 55 : 25), 1));
        const qreal line = (vertical ? cap.top() : cap.left()) + at + 0.5;
        if (vertical)
            painter.drawLine(QPointF(cap.left() + 3, line), QPointF(cap.right() - 3, line));
        else
            painter.drawLine(QPointF(line, cap.top() + 3), QPointF(line, cap.bottom() - 3));
        painter.setPen(QPen(QColor(0, 0, 0, 90), 1));
        if (vertical)
            painter.drawLine(QPointF(cap.left() + 3, line + 1), QPointF(cap.right() - 3, line + 1));
        else
            painter.drawLine(QPointF(line + 1, cap.top() + 3), QPointF(line + 1, cap.bottom() - 3));
    }
    // The index line, lit so that the level reads from a distance.
    const QRectF line = vertical ? QRectF(cap.left() + 1, cap.center().y() - 1.5, cap.width() - 2, 3)
                                 : QRectF(cap.center().x() - 1.5, cap.top() + 1, 3, cap.height() - 2);
    DrawGlow(painter, line, 1.5, index, 2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Mix(index, Qt::white, 0.3));
    painter.drawRoundedRect(line, 1.5, 1.5);

    painter.setPen(QPen(QColor(255, 255, 255, 70), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(cap.adjusted(0.5, 0.5, -0.5, -0.5), 3.5, 3.5);
    painter.restore();
}

void DrawScrew(QPainter &painter, const QPointF &centre, qreal radius)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 160));
    painter.drawEllipse(centre + QPointF(0, 0.7), radius + 0.8, radius + 0.8);
    QRadialGradient head(centre - QPointF(radius * 0.4, radius * 0.5), radius * 1.6);
    head.setColorAt(0, QColor(0xa8, 0xad, 0xb6));
    head.setColorAt(1, QColor(0x3a, 0x3d, 0x44));
    painter.setBrush(head);
    painter.drawEllipse(centre, radius, radius);
    painter.setPen(QPen(QColor(0x1a, 0x1b, 0x1e), qMax(1.0, radius / 3)));
    painter.drawLine(centre + QPointF(-radius * 0.6, radius * 0.3), centre + QPointF(radius * 0.6, -radius * 0.3));
    painter.restore();
}

} // namespace samples
