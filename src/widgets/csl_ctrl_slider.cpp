#include "widgets/csl_ctrl_slider.h"

#include <QMouseEvent>

#include <algorithm>
#include <cmath>

#include "design/draw_design.h"
#include "design/draw_geometry.h"

namespace dataConsole {

// ---- linear ----

CCslCtrlSliderLinear::CCslCtrlSliderLinear(QWidget *parent) : CCslCtrlBase(parent) {}

void CCslCtrlSliderLinear::SetVertical(bool vertical)
{
    m_vertical = vertical;
    update();
}

void CCslCtrlSliderLinear::SetPosition(int position)
{
    m_position = position;
    update();
}

void CCslCtrlSliderLinear::Paint(QPainter &painter)
{
    if (m_vertical)
        DrawSliderVert(painter, rect(), m_design, m_look, m_colour, m_position);
    else
        DrawSliderHorz(painter, rect(), m_design, m_look, m_colour, m_position);
}

void CCslCtrlSliderLinear::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_dragging = true;
}

void CCslCtrlSliderLinear::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_dragging)
        return;
    const QPoint point = event->position().toPoint();
    m_position = m_vertical ? SliderPosFromPointVert(rect(), m_design, point.y())
                            : SliderPosFromPointHorz(rect(), m_design, point.x());
    update();
    const int position = m_position;
    Post([this, position] { emit sliderMoved(position); });
}

void CCslCtrlSliderLinear::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_dragging)
        return;
    m_dragging = false;
    update();
    const int position = m_position;
    Post([this, position] { emit released(position); });
}

// ---- rotary ----

double AngleOfOffset(double x, double y)
{
    if (x == 0)
        return y >= 0 ? 90.0 : 270.0;
    const double angle = std::atan(y / x) * kDegreesPerRadianOut;
    if (x < 0)
        return angle + 180.0;
    return y < 0 ? angle + 360.0 : angle;
}

CCslCtrlSliderRotary::CCslCtrlSliderRotary(QWidget *parent) : CCslCtrlBase(parent) {}

void CCslCtrlSliderRotary::SetAngle(double angle)
{
    m_angle = angle;
    update();
}

void CCslCtrlSliderRotary::SetAngleRange(int minimum, int maximum, bool angleMode)
{
    m_minimum = minimum;
    m_maximum = maximum;
    m_angleMode = angleMode;
    update();
}

double CCslCtrlSliderRotary::AngleForDrag(QPoint point, int verticalDelta) const
{
    const int m = m_minimum, M = m_maximum;
    const double c = m_angle;
    double a;
    if (m_angleMode) {
        const QPoint centre(width() / 2, height() / 2);
        a = AngleOfOffset(point.x() - centre.x(), centre.y() - point.y());
    } else {
        // The room left towards each end of the dial's range.
        const int up = int(m >= c ? m - c : m + 360 - c);
        const int down = int(m >= c ? 360 - M + c : c - M);
        int d = verticalDelta <= 0 ? std::max(verticalDelta, -down) : std::min(verticalDelta, up);
        if (d < 0)
            d += 360;
        a = int(c + d) % 360;
    }
    // The dead zone between the ends snaps to the nearer end.
    const int half = (M - m) / 2;
    if (a > m && a <= m + half)
        a = m;
    else if (M > a && a > m + half)
        a = M;
    return a;
}

void CCslCtrlSliderRotary::Paint(QPainter &painter)
{
    DrawRotary(painter, rect(), m_design, m_look, m_colour, m_angle);
}

void CCslCtrlSliderRotary::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_drag.Begin(this, event->globalPosition().toPoint());
}

void CCslCtrlSliderRotary::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_drag.IsActive())
        return;
    const int delta = m_angleMode ? 0 : m_drag.ReadDeltaY(event->globalPosition().toPoint());
    m_angle = AngleForDrag(event->position().toPoint(), delta);
    update();
    const int angle = int(m_angle);
    Post([this, angle] { emit rotaryMoved(angle); });
}

void CCslCtrlSliderRotary::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_drag.IsActive())
        return;
    m_drag.End();
    update();
    const int angle = int(m_angle);
    Post([this, angle] { emit released(angle); });
}

} // namespace dataConsole
