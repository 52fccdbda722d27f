#include "design/draw_helper.h"

#include <QCache>
#include <QDataStream>
#include <QIODevice>
#include <QPainter>

#include "design/default_look.h"

namespace dataConsole::DrawHelper {

namespace {

constexpr QRgb kPrimaryFrameColour = qRgb(255, 30, 30);
constexpr QRgb kSecondaryFrameColour = qRgb(200, 200, 200);
// The tint that leaves the default look as drawn.
constexpr QRgb kNeutralTint = qRgb(128, 128, 128);
// Rendered, tinted default looks, in KiB: a console repaints the same few looks at the same
// sizes over and over.
constexpr int kTintCacheKiB = 64 * 1024;
constexpr int kHandleReach = 5; // a handle stands 5 pixels outside the frame
constexpr int kHandleHalf = 3;
constexpr int kHitHalf = 5;

void DrawPart(QPainter &painter, const QImage &image, const QRect &source, const QRect &target)
{
    if (source.width() > 0 && source.height() > 0 && target.width() > 0 && target.height() > 0)
        painter.drawImage(target, image, source);
}

QImage RenderTinted(const CDefaultLookImage &image, int state, QSize size, QMargins margins, QColor tint)
{
    QImage layer(size, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter painter(&layer);
        DrawNineSlice(painter, image.bitmap, state, image.stateCount, QRect(QPoint(0, 0), size), margins);
    }
    if (tint.rgb() == kNeutralTint)
        return layer;
    QImage tinted = layer;
    QPainter painter(&tinted);
    painter.setCompositionMode(QPainter::CompositionMode_Overlay);
    painter.fillRect(tinted.rect(), tint);
    painter.setCompositionMode(QPainter::CompositionMode_DestinationIn);
    painter.drawImage(0, 0, layer);
    return tinted;
}

QRect Square(int left, int top, int right, int bottom)
{
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

// Where the small marker of an outlined handle goes: outside the frame, away from the
// handle, so that it never covers the handle itself.
QPoint MarkerPosition(const QRect &handle, int index, QSize marker)
{
    static constexpr int dx[] = {-1, 0, 1, 1, 1, 0, -1, -1};
    static constexpr int dy[] = {-1, -1, -1, 0, 1, 1, 1, 0};
    const QPoint centre = handle.center();
    const int x = dx[index] < 0   ? handle.left() - marker.width() - 1
                  : dx[index] > 0 ? handle.right() + 2
                                  : centre.x() - marker.width() / 2;
    const int y = dy[index] < 0   ? handle.top() - marker.height() - 1
                  : dy[index] > 0 ? handle.bottom() + 2
                                  : centre.y() - marker.height() / 2;
    return {x, y};
}

} // namespace

void DrawNineSlice(QPainter &painter, const QImage &image, int state, int stateCount, const QRect &dest,
                   QMargins margins)
{
    if (image.isNull() || stateCount <= 0)
        return;
    // Margins are in pixels of the image's natural size; a hi-dpi rendering holds more.
    const qreal ratio = image.devicePixelRatio();
    const int height = image.height() / stateCount;
    const QRect source(0, height * state, image.width(), height);
    const QSize natural = (QSizeF(source.size()) / ratio).toSize();
    if (margins.top() + margins.bottom() > natural.height())
        return;
    int l = margins.left(), t = margins.top(), r = margins.right(), b = margins.bottom();
    if (dest.width() == natural.width())
        l = r = 0;
    if (dest.height() == natural.height())
        t = b = 0;
    const int sl = qRound(l * ratio), st = qRound(t * ratio), sr = qRound(r * ratio), sb = qRound(b * ratio);

    const int sx[] = {source.left(), source.left() + sl, source.left() + source.width() - sr};
    const int sw[] = {sl, source.width() - sl - sr, sr};
    const int sy[] = {source.top(), source.top() + st, source.top() + source.height() - sb};
    const int sh[] = {st, source.height() - st - sb, sb};
    const int dx[] = {dest.left(), dest.left() + l, dest.left() + dest.width() - r};
    const int dw[] = {l, dest.width() - l - r, r};
    const int dy[] = {dest.top(), dest.top() + t, dest.top() + dest.height() - b};
    const int dh[] = {t, dest.height() - t - b, b};

    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column)
            DrawPart(painter, image, QRect(sx[column], sy[row], sw[column], sh[row]),
                     QRect(dx[column], dy[row], dw[column], dh[row]));
    }
    painter.restore();
}

void DrawNineSliceTinted(QPainter &painter, const CDefaultLookImage &image, int state, const QRect &dest,
                         QMargins margins, QColor tint)
{
    if (image.bitmap.isNull() || dest.width() <= 0 || dest.height() <= 0)
        return;
    static QCache<QByteArray, QImage> cache(kTintCacheKiB);
    QByteArray key;
    QDataStream(&key, QIODevice::WriteOnly) << image.bitmap.cacheKey() << state << dest.size() << margins.left()
                                            << margins.top() << margins.right() << margins.bottom() << tint.rgb();
    QImage *rendered = cache.object(key);
    if (!rendered) {
        rendered = new QImage(RenderTinted(image, state, dest.size(), margins, tint));
        const int cost = std::max<int>(1, int(rendered->sizeInBytes() / 1024));
        if (!cache.insert(key, rendered, cost)) {
            painter.drawImage(dest.topLeft(), RenderTinted(image, state, dest.size(), margins, tint));
            return;
        }
    }
    painter.drawImage(dest.topLeft(), *rendered);
}

std::array<QRect, CCadreSelect::kHandleCount> SelectionHandles(const QRect &rect)
{
    const int l = rect.left(), t = rect.top();
    const int r = rect.left() + rect.width(), b = rect.top() + rect.height();
    const int x = l + rect.width() / 2, y = t + rect.height() / 2;
    const int reach = kHandleReach, half = kHandleHalf;
    return {
        Square(l - reach, t - reach, l + 1, t + 1),       Square(x - half, t - reach, x + half, t + 1),
        Square(r - 1, t - reach, r + reach, t + 1),       Square(r - 1, y - half, r + reach, y + half),
        Square(r - 1, b - 1, r + reach, b + reach),       Square(x - half, b - 1, x + half, b + reach),
        Square(l - reach, b - 1, l + 1, b + reach),       Square(l - reach, y - half, l + 1, y + half),
    };
}

CCadreSelect RecordedSelectionFrame(const QRect &rect, int handleMask)
{
    CCadreSelect frame;
    const auto handles = SelectionHandles(rect);
    for (int i = 0; i < CCadreSelect::kHandleCount; ++i) {
        if (handleMask & (1 << i))
            frame.SetHandle(i + 1, handles[size_t(i)]);
    }
    frame.SetFrame(rect);
    return frame;
}

void DrawSelectionFrame(QPainter &painter, const QRect &rect, bool primary, int handleMask, CCadreSelect *record,
                        QColor frameColour)
{
    const QColor colour = QColor::fromRgb(primary ? kPrimaryFrameColour : kSecondaryFrameColour);
    const QImage marker = DefaultLook().HandleMarker(primary);
    const auto handles = SelectionHandles(rect);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    for (int i = 0; i < CCadreSelect::kHandleCount; ++i) {
        const QRect &square = handles[size_t(i)];
        if (handleMask & (1 << i)) {
            painter.fillRect(square, colour);
            if (record)
                record->SetHandle(i + 1, square);
        } else {
            painter.setPen(QPen(colour, 0));
            painter.drawRect(square.adjusted(0, 0, -1, -1));
            if (!marker.isNull())
                painter.drawImage(MarkerPosition(square, i, marker.size()), marker);
        }
    }
    if (record)
        record->SetFrame(rect);
    painter.setPen(QPen(frameColour.isValid() ? frameColour : colour, 0));
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    painter.restore();
}

int HitTestFrame(const CCadreSelect &frame, QPoint point)
{
    if (frame.Frame().isEmpty())
        return CCadreSelect::kHitNone;
    for (int handle = 1; handle <= CCadreSelect::kHandleCount; ++handle) {
        if (frame.Handle(handle).contains(point))
            return CCadreSelect::kHitFirstHandle + handle - 1;
    }
    return frame.Frame().contains(point) ? CCadreSelect::kHitInside : CCadreSelect::kHitNone;
}

bool HitHandlePoint(QPoint centre, QPoint point)
{
    return Square(centre.x() - kHitHalf, centre.y() - kHitHalf, centre.x() + kHitHalf, centre.y() + kHitHalf)
        .contains(point);
}

} // namespace dataConsole::DrawHelper
