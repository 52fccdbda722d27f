#include "widgets/csl_ctrl_base.h"

#include <QCursor>
#include <QMetaObject>
#include <QPainter>

#include "widgets/mirel_direct_input.h"

namespace dataConsole {

CCslCtrlBase::CCslCtrlBase(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void CCslCtrlBase::SetDesign(const CDataCCD *design, const DrawHelper::CDefaultLookImage *look, QColor colour)
{
    m_design = design;
    m_look = look;
    m_colour = colour;
    DesignChanged();
    update();
}

void CCslCtrlBase::SetLook(const DrawHelper::CDefaultLook *look, QColor colour)
{
    m_defaultLook = look;
    m_colour = colour;
    update();
}

void CCslCtrlBase::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    Paint(painter);
}

void CCslCtrlBase::Post(std::function<void()> emission)
{
    QMetaObject::invokeMethod(this, std::move(emission), Qt::QueuedConnection);
}

CRelativeDrag::CRelativeDrag() : m_reader(std::make_unique<korvane::CMirelDirectInput>()) {}

CRelativeDrag::~CRelativeDrag() = default;

void CRelativeDrag::SetReader(std::unique_ptr<korvane::CRelativeMouse> reader)
{
    m_reader = std::move(reader);
}

void CRelativeDrag::Begin(QObject *owner, QPoint globalPointer)
{
    m_active = true;
    m_reader->Create(owner);
    m_savedPointer = globalPointer;
}

int CRelativeDrag::ReadDeltaY(QPoint eventGlobal)
{
    m_reader->Poll(eventGlobal);
    return m_reader->DeltaY();
}

void CRelativeDrag::End()
{
    m_active = false;
    m_reader->Release();
    QCursor::setPos(m_savedPointer);
}

} // namespace dataConsole
