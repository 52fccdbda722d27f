#include "widgets/mirel_direct_input.h"

#include <QCoreApplication>
#include <QCursor>
#include <QEvent>
#include <QGuiApplication>

namespace korvane {

namespace {

bool g_buttonDown = false;

// Platforms on which a program may not, or cannot, place the pointer.
bool PlatformCanWarpPointer()
{
    const QString platform = QGuiApplication::platformName();
    return !platform.isEmpty() && platform != QLatin1String("offscreen") && platform != QLatin1String("minimal")
           && !platform.startsWith(QLatin1String("wayland"));
}

} // namespace

bool RelativeMouseButtonDown()
{
    return g_buttonDown;
}

void CMirelDirectInput::Create(QObject *owner)
{
    Release();
    m_owner = owner;
    m_canWarp = PlatformCanWarpPointer();
    m_anchor = QCursor::pos();
    m_lastEvent = m_anchor;
    m_deltaX = m_deltaY = m_deltaWheel = 0;
    m_created = true;
}

void CMirelDirectInput::Poll(QPoint eventGlobal)
{
    if (!m_created)
        return;
    QPoint delta;
    if (m_canWarp) {
        const QPoint now = QCursor::pos();
        delta = now - m_anchor;
        if (!delta.isNull())
            QCursor::setPos(m_anchor);
        // The event that the warp itself causes reports the anchor again.
        m_lastEvent = m_anchor;
    } else {
        delta = eventGlobal - m_lastEvent;
        m_lastEvent = eventGlobal;
    }
    m_deltaX = delta.x();
    m_deltaY = delta.y();
    m_deltaWheel = 0;
    const Qt::MouseButtons buttons = QGuiApplication::mouseButtons();
    m_button0 = buttons.testFlag(Qt::LeftButton);
    m_button1 = buttons.testFlag(Qt::RightButton);
    g_buttonDown = m_button0 || m_button1;
    if (m_owner)
        QCoreApplication::postEvent(m_owner, new QEvent(kRelativeMouseReadEvent));
}

void CMirelDirectInput::Release()
{
    if (!m_created)
        return;
    m_created = false;
    m_owner = nullptr;
}

} // namespace korvane
