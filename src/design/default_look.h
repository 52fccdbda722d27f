// The default look: the shared images that draw a control which has no design of its own,
// rendered once from the SVG artwork of the program's resources.
#pragma once

#include <QImage>
#include <QList>
#include <QRect>
#include <QSize>
#include <QString>

#include <map>

namespace dataConsole::DrawHelper {

// Resource numbers of the default-look images. The drawing routines and the console controls
// ask for their image by these numbers.
inline constexpr int kDefaultButton = 20002;          // 2 states: off, on
inline constexpr int kDefaultSliderVert = 20003;      // 4 states: cap, track, hovered cap, pressed cap
inline constexpr int kDefaultSliderHorz = 20004;      // the same, for horizontal travel
inline constexpr int kDefaultRotary = 20005;          // the dial, without a pointer
inline constexpr int kDefaultInsetPanel = 20006;      // behind the pan/tilt pad and the colour mixer
inline constexpr int kDefaultWheelBackground = 20007; // the wheel housing
inline constexpr int kDefaultWheelFrames = 20008;     // horizontal strip of the turning wheel
inline constexpr int kDefaultPanTiltPuck = 20009;
inline constexpr int kDefaultPanArrows = 20010;
inline constexpr int kDefaultTiltArrows = 20011;
inline constexpr int kDefaultCentreMark = 20012;
inline constexpr int kDefaultColourSelector = 20013;
inline constexpr int kDefaultValueThumb = 20014;
inline constexpr int kDefaultLabelFrame = 20015;      // 2 states: plain, raised (drawn around labels)
inline constexpr int kHandleMarker = 20100;           // beside the handles of a secondary selection
inline constexpr int kHandleMarkerPrimary = 20101;    // beside the handles of the primary selection

// States of the fader images, in their order from the top.
inline constexpr int kSliderCapState = 0;
inline constexpr int kSliderTrackState = 1;
inline constexpr int kSliderCapHoveredState = 2;
inline constexpr int kSliderCapPressedState = 3;

// Frames of the wheel strip; stepping through them turns the ribs by one pitch.
inline constexpr int kDefaultWheelFrameCount = 18;

// One image of the set: a bitmap holding `stateCount` states stacked vertically in cells of
// equal height. The bitmap carries the scale it was rendered at as its device pixel ratio;
// the rectangles below are in its pixels, so nine-slice margins (given in pixels of the
// natural size) are multiplied by bitmap.devicePixelRatio() before use.
struct CDefaultLookImage
{
    QImage bitmap;
    int stateCount = 1;

    QSize StateSize() const;
    // The source rectangle of state k (empty when the bitmap is null or k is out of range).
    QRect StateRect(int state) const;
};

// Every image of the default look, rendered from the SVGs of `folder` at their natural size
// times `scale`, premultiplied ARGB. A file that is missing or unreadable leaves its image
// with a null bitmap, which the drawing routines treat as "draw nothing".
class CDefaultLook
{
public:
    static QString ResourceFolder() { return QStringLiteral(":/default_look"); }

    explicit CDefaultLook(qreal scale = 1.0, const QString &folder = ResourceFolder());

    qreal Scale() const { return m_scale; }
    // Null for numbers that are not part of the set.
    const CDefaultLookImage *Image(int resource) const;
    // The wheel's image list: index 0 the housing, 1 to 18 the frames of the strip.
    const QList<QImage> &WheelImages() const { return m_wheelImages; }
    QImage HandleMarker(bool primary) const;
    // Whether every file of the set was rendered.
    bool IsComplete() const { return m_complete; }

private:
    QImage Render(const QString &fileName);

    qreal m_scale;
    QString m_folder;
    bool m_complete = true;
    std::map<int, CDefaultLookImage> m_images;
    QList<QImage> m_wheelImages;
};

// The process-wide default look, created on first use from the program's resources, at the
// device pixel ratio of the primary screen (rounded up) when a GUI application runs, else 1.
const CDefaultLook &DefaultLook();

} // namespace dataConsole::DrawHelper
