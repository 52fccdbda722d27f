#include "widgets/csl_ctrl_button.h"

#include <QMouseEvent>

#include "design/draw_design.h"

namespace dataConsole {

CCslCtrlButton::CCslCtrlButton(QWidget *parent) : CCslCtrlBase(parent) {}

void CCslCtrlButton::SetOn(bool on)
{
    m_on = on;
    update();
}

void CCslCtrlButton::SetInGroup(bool inGroup, int index)
{
    m_inGroup = inGroup;
    m_index = index;
    update();
}

void CCslCtrlButton::Paint(QPainter &painter)
{
    DrawButton(painter, rect(), m_design, m_look, m_colour, m_on, m_inGroup, m_index);
}

void CCslCtrlButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_pressed = true;
    m_on = m_momentary ? true : !m_on;
    const bool on = m_on;
    Post([this, on] { emit pressed(on); });
    update();
}

void CCslCtrlButton::mouseDoubleClickEvent(QMouseEvent *event)
{
    // A quick second click is one more press, not a different gesture.
    mousePressEvent(event);
}

void CCslCtrlButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_pressed)
        return;
    m_pressed = false;
    if (m_momentary) {
        m_on = !m_on;
        const bool on = m_on;
        Post([this, on] { emit pressed(on); });
    }
    update();
    const int state = m_on ? 1 : 0;
    Post([this, state] { emit released(state); });
}

} // namespace dataConsole
