// The preview's drawing surface. Besides drawing the console as it plays, it lets the user
// play it: a click or a drag on a control goes to a hidden live widget of the control's kind,
// given the control's look and value, and what that widget reports becomes the control's
// value, as on the lighting program's console. A right click on a button or a fader learns its
// MIDI binding from the next message of a connected device.
#pragma once

#include <QWidget>

#include <functional>
#include <vector>

#include "editor/dock_preview.h"

namespace dataConsole {
class CCtrl__Base;
class CCslCtrlBase;
class CCslCtrlButton;
class CCslCtrlGroupButtons;
class CCslCtrlGroupIncDec;
class CCslCtrlPanTilt;
class CCslCtrlSliderLinear;
class CCslCtrlSliderRotary;
class CCslCtrlTrichro;
class CCslCtrlWheel;
} // namespace dataConsole

namespace korvane {

class CDockPreview::CContent final : public QWidget
{
public:
    explicit CContent(CDockPreview &pane);

    // Another console is shown: the control last played is no longer one of it.
    void ForgetCurrent();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    // A control under the mouse and the area it was hit in, in console pixels.
    struct CHit
    {
        dataConsole::CCtrl__Base *control;
        QRect area;
    };
    using Play = std::function<void(dataConsole::CCtrl__Base &)>;

    void CreateWidgets();
    void ConnectAnswers();
    std::vector<CHit> HitsAt(QPoint contentPoint) const;
    // Presses every control under the mouse, in list order; the last stays current.
    void Operate(const QMouseEvent &event);
    void Learn(QPoint contentPoint);
    // The widget of `control`'s kind, showing the control's look and value; none for the kinds
    // that are not played (labels, pictures).
    dataConsole::CCslCtrlBase *PreparedWidget(const dataConsole::CCtrl__Base &control);
    // Sends the widget last pressed what the mouse does until it is released.
    void Forward(const QMouseEvent &event);
    // A widget's report: `play` changes the current control, when `source` was pressed for it.
    void Answer(const dataConsole::CCslCtrlBase *source, const Play &play);
    // The current control while it is still on the console shown.
    dataConsole::CCtrl__Base *Current() const;

    CDockPreview &m_pane;
    dataConsole::CCslCtrlButton *m_button = nullptr;
    dataConsole::CCslCtrlSliderRotary *m_rotary = nullptr;
    dataConsole::CCslCtrlSliderLinear *m_sliderHorz = nullptr;
    dataConsole::CCslCtrlSliderLinear *m_sliderVert = nullptr;
    dataConsole::CCslCtrlWheel *m_wheel = nullptr;
    dataConsole::CCslCtrlGroupIncDec *m_groupIncDec = nullptr;
    dataConsole::CCslCtrlGroupButtons *m_groupButtons = nullptr;
    dataConsole::CCslCtrlTrichro *m_trichro = nullptr;
    dataConsole::CCslCtrlPanTilt *m_panTilt = nullptr;

    // The console control last operated; not owned.
    dataConsole::CCtrl__Base *m_current = nullptr;
    // The widget pressed for it, and where that widget's origin lies in this window's pixels.
    dataConsole::CCslCtrlBase *m_played = nullptr;
    QPoint m_playedOrigin;
};

} // namespace korvane
