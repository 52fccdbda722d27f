// Drawing pieces shared by the design-driven routines, the console and the design editor:
// nine-slice stretching of the default-look images, and the selection frame with its handles.
#pragma once

#include <QColor>
#include <QImage>
#include <QMargins>
#include <QRect>
#include <array>

class QPainter;

namespace dataConsole::DrawHelper {

struct CDefaultLookImage;

// Draws state `state` of `stateCount` stacked states of `image` into `dest`: corners at their
// size, edges stretched along their length, the centre in both directions. Nothing is drawn
// when the image is empty or the top and bottom margins pass the state's height; a margin
// pair counts as 0 on an axis where the destination is exactly as long as the source.
void DrawNineSlice(QPainter &painter, const QImage &image, int state, int stateCount, const QRect &dest,
                   QMargins margins);
// The same, with the control's own colour laid over the image: a mid grey leaves the image
// as drawn, other colours shade it while its highlights and shadows stay.
void DrawNineSliceTinted(QPainter &painter, const CDefaultLookImage &image, int state, const QRect &dest,
                         QMargins margins, QColor tint);

// The frame and eight handles with which a control (or the console) was last drawn selected.
// Index 0 is the frame; 1 to 8 the handles: top-left, top, top-right, right, bottom-right,
// bottom, bottom-left, left. Rectangles are right/bottom exclusive, empty at first.
class CCadreSelect
{
public:
    static constexpr int kHandleCount = 8;
    enum HitResult { kHitNone = 0, kHitInside = 2, kHitFirstHandle = 3 };

    const QRect &Frame() const { return m_rects[0]; }
    const QRect &Handle(int handle) const { return m_rects[size_t(handle)]; }
    void SetFrame(const QRect &rect) { m_rects[0] = rect; }
    void SetHandle(int handle, const QRect &rect) { m_rects[size_t(handle)] = rect; }
    void Clear() { m_rects = {}; }

private:
    std::array<QRect, kHandleCount + 1> m_rects{};
};

// Handle masks: every handle, none, and the console's right, bottom-right and bottom.
inline constexpr int kAllHandles = 255;
inline constexpr int kNoHandles = 0;
inline constexpr int kConsoleHandles = 56;

// The handle squares of a frame around `rect`, in the order of CCadreSelect.
std::array<QRect, CCadreSelect::kHandleCount> SelectionHandles(const QRect &rect);
// What drawing the selection frame of `rect` with `handleMask` records: the frame, and the
// squares of the handles in the mask (the others stay empty, as they cannot be grabbed).
CCadreSelect RecordedSelectionFrame(const QRect &rect, int handleMask);
// Draws the selection frame of `rect`: handles in the mask filled (and recorded into `record`
// when given), the others outlined with a small marker beside them; the outline in
// `frameColour`, or the primary/secondary colour when it is invalid.
void DrawSelectionFrame(QPainter &painter, const QRect &rect, bool primary, int handleMask, CCadreSelect *record,
                        QColor frameColour = QColor());
// 0 outside, 2 inside the frame, 3 to 10 on handles 1 to 8 (handles win over the frame).
int HitTestFrame(const CCadreSelect &frame, QPoint point);
// Whether `point` lies in the 10 by 10 square centred on `centre`.
bool HitHandlePoint(QPoint centre, QPoint point);

} // namespace dataConsole::DrawHelper
