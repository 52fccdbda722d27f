// Relative mouse movement while a rotary or a wheel is dragged: how far the mouse travelled
// since the last read, whatever the pointer's position and the screen edges.
#pragma once

#include <QEvent>
#include <QPoint>
#include <QPointer>
#include <QObject>

namespace korvane {

// A source of relative mouse counts, read once per mouse move during a drag. Widgets hold one
// through this interface so that tests can feed them deltas.
class CRelativeMouse
{
public:
    virtual ~CRelativeMouse() = default;
    // Starts reading for `owner` (releasing a reader already started).
    virtual void Create(QObject *owner) = 0;
    // Reads the movement since the previous read. `eventGlobal` is the pointer position the
    // current mouse event reports, used where the pointer itself cannot be read back.
    virtual void Poll(QPoint eventGlobal) = 0;
    virtual void Release() = 0;

    bool IsCreated() const { return m_created; }
    int DeltaX() const { return m_deltaX; }
    int DeltaY() const { return m_deltaY; }
    int DeltaWheel() const { return m_deltaWheel; }
    bool Button0Down() const { return m_button0; }
    bool Button1Down() const { return m_button1; }

protected:
    bool m_created = false;
    int m_deltaX = 0;
    int m_deltaY = 0;
    int m_deltaWheel = 0;
    bool m_button0 = false;
    bool m_button1 = false;
};

// Whether a mouse button was down at the last read of any reader.
bool RelativeMouseButtonDown();

// The event type a reader posts to its owner after every read.
inline constexpr QEvent::Type kRelativeMouseReadEvent = QEvent::Type(QEvent::User + 0xF8);

// Reads the pointer through QCursor: each read takes the pointer's travel from the point where
// the drag began and puts it back there, so the pointer never meets a screen edge. Where the
// platform cannot move the pointer (offscreen, Wayland), the positions of the mouse events
// give the deltas instead.
class CMirelDirectInput : public CRelativeMouse
{
public:
    void Create(QObject *owner) override;
    void Poll(QPoint eventGlobal) override;
    void Release() override;

private:
    QPointer<QObject> m_owner;
    QPoint m_anchor;
    QPoint m_lastEvent;
    bool m_canWarp = false;
};

} // namespace korvane
