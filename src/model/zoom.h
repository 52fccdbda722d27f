// The zoom factors of every view of a console, in one place.
#pragma once

#include <algorithm>

namespace dataConsole {

// Every view and rendering of a console (the canvas, printing, korvane-cli render) takes a
// zoom in [kZoomMin, kZoomMax].
inline constexpr float kZoomMin = 0.1f;
inline constexpr float kZoomMax = 10.0f;
// The editor's zoom commands step by kZoomStep and stop at kZoomMaxEditing: a canvas larger
// than four times the console leaves too little of it on the screen to edit.
inline constexpr float kZoomStep = 0.1f;
inline constexpr float kZoomMaxEditing = 4.0f;

inline float ClampZoom(float zoom)
{
    return std::clamp(zoom, kZoomMin, kZoomMax);
}
// Whether the editor's Zoom Out and Zoom In commands can take another step from `zoom`.
inline bool CanZoomOut(float zoom)
{
    return zoom >= kZoomMin + kZoomStep;
}
inline bool CanZoomIn(float zoom)
{
    return zoom <= kZoomMaxEditing - kZoomStep;
}

} // namespace dataConsole
