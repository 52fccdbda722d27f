#include "widgets/csl_ctrl_pads.h"

#include <QColor>
#include <QMouseEvent>

#include <algorithm>
#include <cmath>

#include "design/draw_design.h"
#include "design/draw_geometry.h"
#include "widgets/csl_ctrl_slider.h"

namespace dataConsole {

// ---- pan/tilt ----

CCslCtrlPanTilt::CCslCtrlPanTilt(QWidget *parent) : CCslCtrlBase(parent) {}

void CCslCtrlPanTilt::SetPan(int pan)
{
    m_pan = pan;
    m_position = {-1, -1};
    update();
}

void CCslCtrlPanTilt::SetTilt(int tilt)
{
    m_tilt = tilt;
    m_position = {-1, -1};
    update();
}

void CCslCtrlPanTilt::SetPosition(QPoint position)
{
    const QRect pad = PanTiltPad(rect());
    m_position = QPoint(std::clamp(position.x(), 0, std::max(0, pad.width() - 1)),
                        std::clamp(position.y(), 0, std::max(0, pad.height() - 1)));
    m_pan = ScaleValue(0, kPanTiltMaximum, m_position.x(), 0, pad.width() - 1);
    m_tilt = ScaleValue(0, kPanTiltMaximum, pad.height() - 1 - m_position.y(), 0, pad.height() - 1);
    update();
}

void CCslCtrlPanTilt::Paint(QPainter &painter)
{
    DrawPanTilt(painter, rect(), m_pan, m_tilt, m_position, m_colour, m_defaultLook);
}

void CCslCtrlPanTilt::MoveTo(QPoint point)
{
    SetPosition(point - PanTiltPad(rect()).topLeft());
    emit panTiltChanged(m_pan, m_tilt);
    // One integer for the owner: pan in the low half, tilt in the high half.
    emit notify(m_pan | (m_tilt << 16));
}

void CCslCtrlPanTilt::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_dragging = true;
    MoveTo(event->position().toPoint());
}

void CCslCtrlPanTilt::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragging)
        MoveTo(event->position().toPoint());
}

void CCslCtrlPanTilt::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_dragging = false;
    update();
}

// ---- colour mixer ----

CCslCtrlTrichro::CCslCtrlTrichro(QWidget *parent) : CCslCtrlBase(parent) {}

void CCslCtrlTrichro::SetColour(quint32 colour)
{
    const QColor rgb(int(colour & 0xFF), int(colour >> 8 & 0xFF), int(colour >> 16 & 0xFF));
    rgb.getHsv(&m_hue, &m_saturation, &m_value);
    m_hue = std::max(m_hue, 0);
    update();
}

quint32 CCslCtrlTrichro::Colour() const
{
    return TrichroColour(m_hue, m_saturation, m_value);
}

CCslCtrlTrichro::Zone CCslCtrlTrichro::ZoneAt(QPoint point) const
{
    const CTrichroLayout layout = TrichroLayout(rect());
    const QPoint offset = point - layout.centre;
    if (int(std::hypot(double(offset.x()), double(offset.y()))) < layout.radius + 1)
        return kDisc;
    // The bar's strip: the seventh of the width at the right.
    if (point.x() >= width() - width() / 7 && point.x() < width() && point.y() >= 0 && point.y() < height())
        return kBar;
    return kNone;
}

void CCslCtrlTrichro::Paint(QPainter &painter)
{
    DrawTrichro(painter, rect(), Colour(), m_defaultLook);
}

void CCslCtrlTrichro::DragTo(QPoint point)
{
    const CTrichroLayout layout = TrichroLayout(rect());
    if (m_dragged == kDisc) {
        const double x = point.x() - layout.centre.x(), y = layout.centre.y() - point.y();
        m_hue = int(AngleOfOffset(x, y)) % 360;
        m_saturation = std::min(255, int(std::hypot(x, y) * 255.0 / layout.radius));
    } else if (m_dragged == kBar) {
        m_value = ScaleValue(255, 0, point.y() - layout.bar.top(), 0, layout.bar.height() - 1);
    } else {
        return;
    }
    update();
    emit notify(int(Colour()));
}

void CCslCtrlTrichro::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_dragged = ZoneAt(event->position().toPoint());
    DragTo(event->position().toPoint());
}

void CCslCtrlTrichro::mouseMoveEvent(QMouseEvent *event)
{
    DragTo(event->position().toPoint());
}

void CCslCtrlTrichro::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_dragged = kNone;
    update();
}

} // namespace dataConsole
