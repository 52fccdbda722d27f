#include "widgets/csl_ctrl_wheel.h"

#include <QCursor>
#include <QMouseEvent>

#include "design/draw_design.h"

namespace dataConsole {

CCslCtrlWheel::CCslCtrlWheel(QWidget *parent)
    : CCslCtrlBase(parent), m_reader(std::make_unique<korvane::CMirelDirectInput>())
{
}

void CCslCtrlWheel::SetDesign(const CDataCCD *design, const QList<QImage> *defaultImages, QColor colour)
{
    m_design = design;
    m_defaultImages = defaultImages;
    m_colour = colour;
    update();
}

void CCslCtrlWheel::SetIndex(int index)
{
    m_index = index;
    update();
}

void CCslCtrlWheel::SetRelativeMouse(std::unique_ptr<korvane::CRelativeMouse> reader)
{
    m_reader = std::move(reader);
}

void CCslCtrlWheel::Paint(QPainter &painter)
{
    DrawWheel(painter, rect(), m_design, m_defaultImages, m_colour, m_index);
}

void CCslCtrlWheel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_dragging = true;
    m_reader->Create(this);
    m_savedPointer = event->globalPosition().toPoint();
}

void CCslCtrlWheel::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_dragging || !(event->buttons() & Qt::LeftButton))
        return;
    m_reader->Poll(event->globalPosition().toPoint());
    const int delta = m_reader->DeltaY();
    if (delta == 0)
        return;
    // Dragging up turns the wheel forward.
    m_index -= delta;
    update();
    emit notify(-delta);
}

void CCslCtrlWheel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_dragging)
        return;
    m_dragging = false;
    m_reader->Release();
    QCursor::setPos(m_savedPointer);
}

} // namespace dataConsole
