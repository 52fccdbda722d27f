// The arithmetic shared by everything that draws or operates a control from a design. All
// of it in 32-bit floats truncated toward zero, as console files and the lighting program
// expect pixel for pixel.
#pragma once

#include <QRect>

namespace dataConsole {

class CDataCCD;

// The travel of the cursor of a horizontal (vertical) slider drawn in `rect`: its width
// (height) less the scaled cursor and the scaled cursor offset on both sides, the scale being
// that of the slider's background. Without a design nothing is taken off.
int SliderTravelHorz(const QRect &rect, const CDataCCD *design);
int SliderTravelVert(const QRect &rect, const CDataCCD *design);
// The linear image of `value` from [inMin, inMax] onto [outMin, outMax], clamped to its
// ends; an empty input range gives outMin.
int ScaleValue(int outMin, int outMax, int value, int inMin, int inMax);

} // namespace dataConsole
