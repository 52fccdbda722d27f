// A button, alone or as one button of a button group.
#pragma once

#include "widgets/csl_ctrl_base.h"

namespace dataConsole {

class CCslCtrlButton : public CCslCtrlBase
{
    Q_OBJECT

public:
    explicit CCslCtrlButton(QWidget *parent = nullptr);

    void SetOn(bool on);
    bool IsOn() const { return m_on; }
    // A momentary button is on only while it is held.
    void SetMomentary(bool momentary) { m_momentary = momentary; }
    // Draws button `index` of the design's button group instead of the single button.
    void SetInGroup(bool inGroup, int index);

    void Paint(QPainter &painter) override;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_on = false;
    bool m_momentary = false;
    bool m_pressed = false;
    bool m_inGroup = false;
    int m_index = 0;
};

} // namespace dataConsole
