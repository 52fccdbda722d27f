// The live control widgets: one control drawn from a design (or the default look), operated
// with the mouse, reporting its value. The preview pane and the design editor's preview show
// them.
#pragma once

#include <QColor>
#include <QWidget>

#include <functional>

namespace dataConsole {

class CDataCCD;

class CCslCtrlBase : public QWidget
{
    Q_OBJECT

public:
    explicit CCslCtrlBase(QWidget *parent = nullptr);

    // Paints the control into `painter` over the widget's rectangle. Children of the widget
    // are transparent, so whatever the owner drew below shows through transparent parts.
    virtual void Paint(QPainter &painter) = 0;

signals:
    // The values the widget reports, each after its mouse handler has updated the state and
    // returned (like posted window messages).
    void pressed(bool on);         // button: the state after a press
    void released(int value);      // button state, slider position or angle at release
    void sliderMoved(int position);
    void rotaryMoved(int angle);
    // Sent at once (the owner may read the widget in its slot): the selected index, the new
    // value, the wheel's step, the pan/tilt or colour.
    void notify(int value);

protected:
    void paintEvent(QPaintEvent *event) override;
    // Emits after the current event has been handled.
    void Post(std::function<void()> emission);
};

} // namespace dataConsole
