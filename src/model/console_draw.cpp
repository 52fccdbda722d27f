// Drawing a whole console surface.
#include "model/console_draw.h"

#include <QPainter>

#include <vector>

#include "model/console_data.h"
#include "model/ctrl_host.h"

namespace dataConsole {

namespace {

QSize ZoomedSize(const CConsoleSettings &settings, float zoom)
{
    return Zoomed(QSize(settings.width, settings.height), zoom);
}

// A window exactly the size of the drawn surface: what lies on the surface is visible.
class CSurfaceHost final : public CCtrlHost
{
public:
    explicit CSurfaceHost(QSize size) : m_size(size) {}
    QRect ClientRect() const override
    {
        // Taller by the band the controls leave out for a scroll bar, which has none here.
        return QRect(0, 0, m_size.width(), m_size.height() + kScrollBarBand);
    }

private:
    QSize m_size;
};

// Gives every control and picture the zoom and window of the rendering, and their own back
// at the end, so rendering a console open in the editor leaves its canvas as it was.
class CRenderScope
{
public:
    CRenderScope(CConsoleData &console, float zoom, CCtrlHost *host)
    {
        auto take = [&](CCtrl__Base &control) {
            m_saved.push_back({&control, control.Zoom(), control.Host()});
            control.SetZoom(zoom);
            control.SetHost(host);
        };
        for (auto &control : console.Controls())
            take(*control);
        for (auto &picture : console.Pictures())
            take(*picture);
    }
    ~CRenderScope()
    {
        for (const Saved &saved : m_saved) {
            saved.control->SetZoom(saved.zoom);
            saved.control->SetHost(saved.host);
        }
    }
    CRenderScope(const CRenderScope &) = delete;
    CRenderScope &operator=(const CRenderScope &) = delete;

private:
    struct Saved
    {
        CCtrl__Base *control;
        float zoom;
        CCtrlHost *host;
    };
    std::vector<Saved> m_saved;
};

} // namespace

void DrawConsoleBackground(QPainter &painter, const CConsoleData &console, float zoom, const QImage *backgroundImage)
{
    const QRect surface(QPoint(kCanvasMargin, kCanvasMargin), ZoomedSize(console.settings, zoom));
    painter.fillRect(surface, QColorOf(console.settings.background));
    if (console.settings.transparentBackground && backgroundImage && !backgroundImage->isNull())
        painter.drawImage(surface, *backgroundImage);
}

void DrawConsolePictures(QPainter &painter, const CConsoleData &console)
{
    for (const auto &picture : console.Pictures()) {
        const QImage *image = picture->Picture();
        const QRect rect = picture->ScaledRect(picture->Rect());
        painter.drawImage(rect, image && !image->isNull() ? *image : PicturePlaceholder());
    }
}

void DrawConsoleControls(QPainter &painter, CConsoleData &console, bool live, const QRect &exposed)
{
    auto draw = [&](CCtrl__Base &control) {
        if (exposed.isNull() || control.ScaledRect(control.Rect()).intersects(exposed))
            control.Draw(painter, -1, live);
    };
    for (auto &control : console.Controls()) {
        if (control->Kind() != kCtrlLabel)
            draw(*control);
    }
    for (auto &control : console.Controls()) {
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

void DrawConsoleSurface(QPainter &painter, CConsoleData &console, float zoom, const QImage *backgroundImage, bool live,
                        const QRect &exposed)
{
    CSurfaceHost host(ZoomedSize(console.settings, zoom));
    const CRenderScope scope(console, zoom, &host);
    DrawConsoleBackground(painter, console, zoom, backgroundImage);
    DrawConsolePictures(painter, console);
    DrawConsoleControls(painter, console, live, exposed);
}

QImage RenderConsole(CConsoleData &console, float zoom, const QImage *backgroundImage, bool live)
{
    QImage image(ZoomedSize(console.settings, zoom).expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.translate(-kCanvasMargin, -kCanvasMargin);
    DrawConsoleSurface(painter, console, zoom, backgroundImage, live);
    return image;
}

} // namespace dataConsole
