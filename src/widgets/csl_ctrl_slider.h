// The faders: a linear slider (horizontal or vertical) and a rotary dial.
#pragma once

#include <memory>

#include "devices/mirel_direct_input.h"
#include "widgets/csl_ctrl_base.h"

namespace dataConsole {

namespace DrawHelper {
struct CDefaultLookImage;
}

class CCslCtrlSliderLinear : public CCslCtrlBase
{
    Q_OBJECT

public:
    explicit CCslCtrlSliderLinear(QWidget *parent = nullptr);

    void SetDesign(const CDataCCD *design, const DrawHelper::CDefaultLookImage *look, QColor colour);
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
    const CDataCCD *m_design = nullptr;
    const DrawHelper::CDefaultLookImage *m_look = nullptr;
    QColor m_colour{128, 128, 128};
    bool m_vertical = false;
    bool m_dragging = false;
    int m_position = 0;
};

class CCslCtrlSliderRotary : public CCslCtrlBase
{
    Q_OBJECT

public:
    explicit CCslCtrlSliderRotary(QWidget *parent = nullptr);

    void SetDesign(const CDataCCD *design, const DrawHelper::CDefaultLookImage *look, QColor colour);
    // Degrees, 0 to the right, counter-clockwise.
    void SetAngle(double angle);
    double Angle() const { return m_angle; }
    // The design's angles and mode, or the caller's own defaults and angle mode without one.
    void SetAngleRange(int minimum, int maximum, bool angleMode);
    // Replaces the reader of relative mouse movement (tests feed their own).
    void SetRelativeMouse(std::unique_ptr<korvane::CRelativeMouse> reader);

    // The angle a drag to `point` gives from the current angle, with the dead zone applied.
    double AngleForDrag(QPoint point, int verticalDelta) const;

    void Paint(QPainter &painter) override;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    const CDataCCD *m_design = nullptr;
    const DrawHelper::CDefaultLookImage *m_look = nullptr;
    QColor m_colour{128, 128, 128};
    double m_angle = 0;
    int m_minimum = 225;
    int m_maximum = 315;
    bool m_angleMode = true;
    bool m_dragging = false;
    std::unique_ptr<korvane::CRelativeMouse> m_reader;
    QPoint m_savedPointer;
};

// The angle of `offset` (x right, y up) in [0, 360): 0 right, 90 up, 180 left, 270 down.
double AngleOfOffset(double x, double y);

} // namespace dataConsole
