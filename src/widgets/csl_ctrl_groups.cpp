#include "widgets/csl_ctrl_groups.h"

#include <QMouseEvent>
#include <QPainter>

#include "design/data_ccd.h"
#include "design/draw_design.h"
#include "design/draw_geometry.h"
#include "widgets/csl_ctrl_button.h"

namespace dataConsole {

namespace {

constexpr QRgb kLabelFill = qRgb(240, 240, 240);

} // namespace

int WrapDisplayIndex(int value, int count)
{
    if (count <= 0)
        return value;
    while (value < 0)
        value += count;
    return value % count;
}

// ---- button group ----

CCslCtrlGroupButtons::CCslCtrlGroupButtons(QWidget *parent) : CCslCtrlBase(parent) {}

void CCslCtrlGroupButtons::DesignChanged()
{
    qDeleteAll(m_buttons);
    m_buttons.clear();
    const int count = m_design ? m_design->groupButtons.ButtonCount() : 0;
    for (int i = 0; i < count; ++i) {
        auto *button = new CCslCtrlButton(this);
        button->SetDesign(m_design, m_look, m_colour);
        button->SetInGroup(true, i);
        button->SetOn(i == m_selected);
        // The group decides which button is on; its buttons only show it.
        button->setAttribute(Qt::WA_TransparentForMouseEvents);
        button->show();
        m_buttons.append(button);
    }
    PlaceButtons();
}

void CCslCtrlGroupButtons::SetSelectedIndex(int index)
{
    m_selected = index < 0 || index >= m_buttons.size() ? 0 : index;
    for (int i = 0; i < m_buttons.size(); ++i)
        m_buttons[i]->SetOn(i == m_selected);
    update();
}

void CCslCtrlGroupButtons::PlaceButtons()
{
    if (!m_design)
        return;
    const CScale scale = ScaleOf(rect(), m_design->groupButtons.Size());
    for (int i = 0; i < m_buttons.size(); ++i)
        m_buttons[i]->setGeometry(ScaledPart(rect(), scale, m_design->groupButtons.Button(i)->image));
}

void CCslCtrlGroupButtons::resizeEvent(QResizeEvent *)
{
    PlaceButtons();
}

void CCslCtrlGroupButtons::Paint(QPainter &painter)
{
    DrawGroupButtons(painter, rect(), m_design, m_look, -1, -1);
    if (!m_design)
        return;
    const CScale scale = ScaleOf(rect(), m_design->groupButtons.Size());
    painter.save();
    painter.setPen(Qt::black);
    for (int i = 0; i < m_design->groupButtons.ButtonCount(); ++i) {
        const QRect label = ScaledPart(rect(), scale, m_design->groupButtons.Button(i)->label);
        if (label.width() <= 0 || label.height() <= 0)
            continue;
        painter.fillRect(label, QColor::fromRgb(kLabelFill));
        painter.drawRect(label.adjusted(0, 0, -1, -1));
    }
    painter.restore();
}

void CCslCtrlGroupButtons::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const int hit = HitGroupButton(rect(), m_design, event->position().toPoint());
    if (hit < 0)
        return;
    SetSelectedIndex(hit);
    emit notify(m_selected);
}

// ---- increment/decrement group ----

CCslCtrlGroupIncDec::CCslCtrlGroupIncDec(QWidget *parent) : CCslCtrlBase(parent) {}

void CCslCtrlGroupIncDec::SetValue(int value)
{
    // Without display images there is nothing to step through: the value stays.
    const int count = m_design ? m_design->groupIncDec.displayImageCount : 0;
    if (count <= 0)
        return;
    m_value = WrapDisplayIndex(value, count);
    update();
}

void CCslCtrlGroupIncDec::Paint(QPainter &painter)
{
    DrawGroupIncDec(painter, rect(), m_design, m_look, m_value, -1);
}

void CCslCtrlGroupIncDec::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_pressed = true;
    const int hit = HitGroupIncDec(rect(), m_design, event->position().toPoint());
    if (hit < 0)
        return;
    SetValue(m_value + (hit == 0 ? 1 : -1));
    emit notify(m_value);
}

void CCslCtrlGroupIncDec::mouseReleaseEvent(QMouseEvent *)
{
    m_pressed = false;
}

} // namespace dataConsole
