// The two controls with a fixed look: the pan/tilt pad and the colour mixer.
#pragma once

#include "widgets/csl_ctrl_base.h"

namespace dataConsole {

class CCslCtrlPanTilt : public CCslCtrlBase
{
    Q_OBJECT

public:
    explicit CCslCtrlPanTilt(QWidget *parent = nullptr);

    void SetPan(int pan);
    void SetTilt(int tilt);
    // The puck in pixels of the pad; pan and tilt follow it.
    void SetPosition(QPoint position);
    int Pan() const { return m_pan; }
    int Tilt() const { return m_tilt; }

    void Paint(QPainter &painter) override;

signals:
    void panTiltChanged(int pan, int tilt);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void MoveTo(QPoint point);

    int m_pan = 0;
    int m_tilt = 0;
    QPoint m_position{-1, -1}; // placed from the values until the user moves it
    bool m_dragging = false;
};

class CCslCtrlTrichro : public CCslCtrlBase
{
    Q_OBJECT

public:
    enum Zone { kNone, kDisc, kBar };

    explicit CCslCtrlTrichro(QWidget *parent = nullptr);

    // A 24-bit colour, red in the low byte.
    void SetColour(quint32 colour);
    quint32 Colour() const;
    int Hue() const { return m_hue; }
    int Saturation() const { return m_saturation; }
    int Value() const { return m_value; }
    // Which part of the mixer `point` lies on.
    Zone ZoneAt(QPoint point) const;

    void Paint(QPainter &painter) override;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void DragTo(QPoint point);

    int m_hue = 0;
    int m_saturation = 0;
    int m_value = 255;
    Zone m_dragged = kNone;
};

} // namespace dataConsole
