// The window a console control is drawn in, as the control sees it.
#pragma once

#include <QRect>

namespace dataConsole {

// What a control needs from the canvas (or preview) that shows it, without depending on any
// widget: the canvas implements it, tests and the command-line tool may pass none.
class CCtrlHost
{
public:
    virtual ~CCtrlHost() = default;
    // The client rectangle of the window, in its own pixels; controls outside it are not drawn.
    virtual QRect ClientRect() const = 0;
};

} // namespace dataConsole
