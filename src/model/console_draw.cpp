// Drawing a whole console surface.
#include "model/console_draw.h"

#include <QPainter>

#include "model/console_data.h"

namespace dataConsole {

namespace {

QSize ZoomedSize(const CConsoleSettings &settings, float zoom)
{
    return Zoomed(QSize(settings.width, settings.height), zoom);
}

} // namespace

void DrawConsoleBackground(QPainter &painter, const CConsoleData &console, const CDrawContext &context,
                           const QImage *backgroundImage)
{
    const QRect surface(context.origin, ZoomedSize(console.settings, context.zoom));
    painter.fillRect(surface, QColorOf(console.settings.background));
    if (console.settings.transparentBackground && backgroundImage && !backgroundImage->isNull())
        painter.drawImage(surface, *backgroundImage);
}

void DrawConsolePictures(QPainter &painter, const CConsoleData &console, const CDrawContext &context)
{
    for (const auto &picture : console.Pictures()) {
        const QImage *image = picture->Picture();
        painter.drawImage(context.Scaled(picture->Rect()), image && !image->isNull() ? *image : PicturePlaceholder());
    }
}

void DrawConsoleControls(QPainter &painter, const CConsoleData &console, const CDrawContext &context,
                         const QRect &exposed)
{
    auto draw = [&](const CCtrl__Base &control) {
        if (exposed.isNull() || context.Scaled(control.Rect()).intersects(exposed))
            control.Draw(painter, context);
    };
    for (const auto &control : console.Controls()) {
        if (control->Kind() != kCtrlLabel)
            draw(*control);
    }
    for (const auto &control : console.Controls()) {
        if (control->Kind() == kCtrlLabel)
            draw(*control);
    }
}

const QImage &PicturePlaceholder()
{
    static const QImage placeholder = [] {
        // A framed landscape, the usual sign for a picture that is not there.
        QImage image(23, 21, QImage::Format_ARGB32_Premultiplied);
        image.fill(QColor(236, 236, 236));
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(110, 110, 110), 1));
        painter.drawRect(QRectF(0.5, 0.5, 22, 20));
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(232, 176, 40));
        painter.drawEllipse(QPointF(16, 6), 2.5, 2.5);
        painter.setBrush(QColor(80, 140, 90));
        const QPointF hills[] = {{2, 18}, {8, 9}, {12, 14}, {15, 11}, {21, 18}};
        painter.drawPolygon(hills, 5);
        return image;
    }();
    return placeholder;
}

void DrawConsoleSurface(QPainter &painter, const CConsoleData &console, const CDrawContext &context,
                        const QImage *backgroundImage, const QRect &exposed)
{
    DrawConsoleBackground(painter, console, context, backgroundImage);
    DrawConsolePictures(painter, console, context);
    DrawConsoleControls(painter, console, context, exposed);
}

QImage RenderConsole(const CConsoleData &console, float zoom, const QImage *backgroundImage, bool live,
                     qreal pixelRatio)
{
    const QSize logical = ZoomedSize(console.settings, zoom).expandedTo(QSize(1, 1));
    QImage image((QSizeF(logical) * pixelRatio).toSize().expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(pixelRatio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    // Images stretched to a finer resolution are smoothed; at ratio 1 nothing changes.
    if (pixelRatio != 1.0)
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // The whole image is seen: nothing is left out for a scroll bar.
    const CDrawContext context{zoom, QPoint(0, 0), QRect(), live};
    DrawConsoleSurface(painter, console, context, backgroundImage);
    return image;
}

} // namespace dataConsole
