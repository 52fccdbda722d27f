#include "widgets/csl_ctrl_wheel.h"

#include <QMouseEvent>

#include "design/draw_design.h"

namespace dataConsole {

CCslCtrlWheel::CCslCtrlWheel(QWidget *parent) : CCslCtrlBase(parent) {}

void CCslCtrlWheel::SetDesign(const CDataCCD *design, const QList<QImage> *defaultImages, QColor colour)
{
    m_defaultImages = defaultImages;
    CCslCtrlBase::SetDesign(design, nullptr, colour);
}

void CCslCtrlWheel::SetIndex(int index)
{
    m_index = index;
    update();
}

void CCslCtrlWheel::Paint(QPainter &painter)
{
    DrawWheel(painter, rect(), m_design, m_defaultImages, m_colour, m_index);
}

void CCslCtrlWheel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_drag.Begin(this, event->globalPosition().toPoint());
}

void CCslCtrlWheel::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_drag.IsActive() || !(event->buttons() & Qt::LeftButton))
        return;
    const int delta = m_drag.ReadDeltaY(event->globalPosition().toPoint());
    if (delta == 0)
        return;
    // Dragging up turns the wheel forward.
    m_index -= delta;
    update();
    emit notify(-delta);
}

void CCslCtrlWheel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && m_drag.IsActive())
        m_drag.End();
}

} // namespace dataConsole
