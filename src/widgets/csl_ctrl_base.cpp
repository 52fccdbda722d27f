#include "widgets/csl_ctrl_base.h"

#include <QMetaObject>
#include <QPainter>

namespace dataConsole {

CCslCtrlBase::CCslCtrlBase(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent, false);
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

} // namespace dataConsole
