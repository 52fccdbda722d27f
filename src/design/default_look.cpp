// The default-look images, rendered from the SVG artwork of the program's resources.
#include "design/default_look.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>

#include <algorithm>
#include <cmath>
#include <iterator>

// The resources live in this static library; naming their initialiser here makes the linker
// keep them in every program that uses the default look. Q_INIT_RESOURCE must be used from
// the global namespace.
static void InitDefaultLookResources()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(default_look);
        return true;
    }();
    Q_UNUSED(registered);
}

namespace dataConsole::DrawHelper {

namespace {

// Images that are one file each, with their states stacked vertically.
struct StackedFile
{
    int resource;
    const char *fileName;
    int stateCount;
};

constexpr StackedFile kStackedFiles[] = {
    {kDefaultButton, "button.svg", 2},
    {kDefaultSliderVert, "fader_vertical.svg", 4},
    {kDefaultSliderHorz, "fader_horizontal.svg", 4},
    {kDefaultRotary, "rotary.svg", 1},
    {kDefaultInsetPanel, "inset_panel.svg", 1},
    {kDefaultWheelBackground, "wheel_background.svg", 1},
    {kDefaultWheelFrames, "wheel_frames.svg", 1},
    {kDefaultPanTiltPuck, "pan_tilt_puck.svg", 1},
    {kDefaultColourSelector, "colour_selector.svg", 1},
    {kDefaultValueThumb, "value_thumb.svg", 1},
    {kDefaultLabelFrame, "label_frame.svg", 2},
    {kHandleMarker, "handle_marker.svg", 1},
    {kHandleMarkerPrimary, "handle_marker_primary.svg", 1},
};

// The pan/tilt icons are drawn side by side in one file and used one by one.
constexpr const char *kPanTiltIconsFile = "pan_tilt_icons.svg";
constexpr int kPanTiltIcons[] = {kDefaultPanArrows, kDefaultTiltArrows, kDefaultCentreMark};

// Cuts `strip` into `count` images of equal width, left to right; none when it is null or
// narrower than the count.
QList<QImage> CutStrip(const QImage &strip, int count)
{
    QList<QImage> cells;
    if (strip.isNull() || strip.width() < count)
        return cells;
    const int width = strip.width() / count;
    for (int i = 0; i < count; ++i) {
        QImage cell = strip.copy(i * width, 0, width, strip.height());
        cell.setDevicePixelRatio(strip.devicePixelRatio());
        cells.append(cell);
    }
    return cells;
}

qreal PrimaryScreenScale()
{
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return 1.0;
    const QScreen *screen = QGuiApplication::primaryScreen();
    // A whole-number scale keeps one-pixel lines of the artwork on pixel boundaries.
    return screen ? std::max(1.0, std::ceil(screen->devicePixelRatio())) : 1.0;
}

} // namespace

QSize CDefaultLookImage::StateSize() const
{
    if (bitmap.isNull() || stateCount < 1)
        return {};
    return {bitmap.width(), bitmap.height() / stateCount};
}

QRect CDefaultLookImage::StateRect(int state) const
{
    if (state < 0 || state >= stateCount)
        return {};
    const QSize size = StateSize();
    return size.isEmpty() ? QRect() : QRect(QPoint(0, state * size.height()), size);
}

CDefaultLook::CDefaultLook(qreal scale, const QString &folder)
    : m_scale(scale > 0 ? scale : 1.0), m_folder(folder)
{
    InitDefaultLookResources();
    for (const StackedFile &file : kStackedFiles)
        m_images[file.resource] = {Render(QString::fromLatin1(file.fileName)), file.stateCount};

    const QList<QImage> icons = CutStrip(Render(QString::fromLatin1(kPanTiltIconsFile)),
                                         int(std::size(kPanTiltIcons)));
    for (qsizetype i = 0; i < qsizetype(std::size(kPanTiltIcons)); ++i)
        m_images[kPanTiltIcons[i]] = {icons.value(i), 1};

    const QList<QImage> frames = CutStrip(m_images[kDefaultWheelFrames].bitmap, kDefaultWheelFrameCount);
    m_wheelImages.append(m_images[kDefaultWheelBackground].bitmap);
    for (int i = 0; i < kDefaultWheelFrameCount; ++i)
        m_wheelImages.append(frames.value(i));
}

QImage CDefaultLook::Render(const QString &fileName)
{
    const QString path = QDir(m_folder).filePath(fileName);
    // Checked first so that a missing file is not also reported by the renderer.
    QSvgRenderer renderer;
    if (!QFileInfo::exists(path) || !renderer.load(path) || renderer.defaultSize().isEmpty()) {
        m_complete = false;
        return {};
    }
    const QSize size = (QSizeF(renderer.defaultSize()) * m_scale).toSize();
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    image.setDevicePixelRatio(m_scale);
    return image;
}

const CDefaultLookImage *CDefaultLook::Image(int resource) const
{
    const auto found = m_images.find(resource);
    return found == m_images.end() ? nullptr : &found->second;
}

QImage CDefaultLook::HandleMarker(bool primary) const
{
    return Image(primary ? kHandleMarkerPrimary : kHandleMarker)->bitmap;
}

const CDefaultLook &DefaultLook()
{
    static const CDefaultLook look(PrimaryScreenScale());
    return look;
}

} // namespace dataConsole::DrawHelper
