// The faders: a linear slider (horizontal or vertical) and a rotary dial.
#pragma once

#include <memory>

#include "widgets/mirel_direct_input.h"
#include "widgets/csl_ctrl_base.h"

namespace dataConsole {

class CCslCtrlSliderLinear : public CCslCtrlBase
{
    Q_OBJECT

public:
    explicit CCslCtrlSliderLinear(QWidget *parent = nullptr);

    void SetVertical(bool vertical);
    // Pixels along the travel; 0 at the left, or at the bottom of a vertical slider.
    void SetPosition(int position);
    int Position() const { return m_position; }

    void Paint(QPainter &painter) override;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_vertical = false;
    bool m_dragging = false;
    int m_position = 0;
};

class CCslCtrlSliderRotary : public CCslCtrlBase
{
    Q_OBJECT

public:
    explicit CCslCtrlSliderRotary(QWidget *parent = nullptr);

    // Degrees, 0 to the right, counter-clockwise.
    void SetAngle(double angle);
    double Angle() const { return m_angle; }
    // The design's angles and mode, or the caller's own defaults and angle mode without one.
    void SetAngleRange(int minimum, int maximum, bool angleMode);
    // Replaces the reader of relative mouse movement (tests feed their own).
    void SetRelativeMouse(std::unique_ptr<korvane::CRelativeMouse> reader) { m_drag.SetReader(std::move(reader)); }

    // The angle a drag to `point` gives from the current angle, with the dead zone applied.
    double AngleForDrag(QPoint point, int verticalDelta) const;

    void Paint(QPainter &painter) override;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    double m_angle = 0;
    int m_minimum = 225;
    int m_maximum = 315;
    bool m_angleMode = true;
    CRelativeDrag m_drag;
};

// The angle of `offset` (x right, y up) in [0, 360): 0 right, 90 up, 180 left, 270 down.
double AngleOfOffset(double x, double y);

} // namespace dataConsole
