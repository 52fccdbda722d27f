// The preview's drawing surface and how the mouse plays the console on it.
#include "editor/preview_content.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <optional>

#include "design/data_ccd.h"
#include "design/default_look.h"
#include "editor/ctrl_console.h"
#include "model/console_draw.h"
#include "model/ctrl_pads.h"
#include "model/korvane_doc.h"
#include "model/property_commands.h"
#include "properties/midi_learn_dialog.h"
#include "widgets/csl_ctrl_button.h"
#include "widgets/csl_ctrl_groups.h"
#include "widgets/csl_ctrl_pads.h"
#include "widgets/csl_ctrl_slider.h"
#include "widgets/csl_ctrl_wheel.h"

namespace korvane {

using dataConsole::CCslCtrlBase;
using dataConsole::CCtrl__Base;

namespace {

constexpr QPoint kMargin(dataConsole::kCanvasMargin, dataConsole::kCanvasMargin);
// The angles of a rotary fader drawn without a design, as the preview has always turned them
// (slightly inside those the control itself is drawn with).
constexpr int kRotaryAngleMin = 242;
constexpr int kRotaryAngleMax = 297;
// The groups and the pads are pressed this much further into the control than the mouse is,
// as consoles have always been played.
constexpr QPoint kGroupPressShift(10, 10);
constexpr int kButtonOn = 1;
constexpr int kButtonOff = 0;
constexpr quint32 kColourMask = 0xFFFFFF;

QPoint PressShift(int kind)
{
    switch (kind) {
    case dataConsole::kCtrlGroupButtons:
    case dataConsole::kCtrlGroupIncDec:
    case dataConsole::kCtrlTrichro:
    case dataConsole::kCtrlPanTilt:
        return kGroupPressShift;
    default:
        return {};
    }
}

bool IsLearnable(int kind)
{
    return kind == dataConsole::kCtrlButton || kind == dataConsole::kCtrlFaderHorz ||
           kind == dataConsole::kCtrlFaderVert || kind == dataConsole::kCtrlFaderRotary;
}

// A pointer angle in 0..359: the controls give angles below 0 for values past 0 degrees.
double DialAngle(int angle)
{
    return ((angle % 360) + 360) % 360;
}

} // namespace

CDockPreview::CContent::CContent(CDockPreview &pane) : m_pane(pane)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    CreateWidgets();
    ConnectAnswers();
}

void CDockPreview::CContent::CreateWidgets()
{
    m_button = new dataConsole::CCslCtrlButton(this);
    m_rotary = new dataConsole::CCslCtrlSliderRotary(this);
    m_sliderHorz = new dataConsole::CCslCtrlSliderLinear(this);
    m_sliderVert = new dataConsole::CCslCtrlSliderLinear(this);
    m_sliderVert->SetVertical(true);
    m_wheel = new dataConsole::CCslCtrlWheel(this);
    m_groupIncDec = new dataConsole::CCslCtrlGroupIncDec(this);
    m_groupButtons = new dataConsole::CCslCtrlGroupButtons(this);
    m_trichro = new dataConsole::CCslCtrlTrichro(this);
    m_panTilt = new dataConsole::CCslCtrlPanTilt(this);
    for (CCslCtrlBase *widget : findChildren<CCslCtrlBase *>(Qt::FindDirectChildrenOnly)) {
        // They only turn the mouse into values; the console drawing shows them. What they
        // leave unhandled must not come back here as if the user had done it again.
        widget->hide();
        widget->setAttribute(Qt::WA_NoMousePropagation);
    }
}

void CDockPreview::CContent::ConnectAnswers()
{
    connect(m_button, &CCslCtrlBase::pressed, this, [this](bool on) {
        Answer(m_button, [on](CCtrl__Base &control) { control.SetValue(on ? kButtonOn : kButtonOff); });
    });
    for (CCslCtrlBase *slider : {static_cast<CCslCtrlBase *>(m_sliderHorz), static_cast<CCslCtrlBase *>(m_sliderVert)}) {
        connect(slider, &CCslCtrlBase::sliderMoved, this, [this, slider](int position) {
            Answer(slider, [position](CCtrl__Base &control) { control.SetValue(control.PositionToValue(position)); });
        });
    }
    connect(m_rotary, &CCslCtrlBase::rotaryMoved, this, [this](int angle) {
        Answer(m_rotary, [angle](CCtrl__Base &control) { control.SetValue(control.PositionToValue(angle)); });
    });
    connect(m_wheel, &CCslCtrlBase::notify, this, [this](int step) {
        Answer(m_wheel, [step](CCtrl__Base &control) { control.SetValue(control.GetValue() + step); });
    });
    for (CCslCtrlBase *group : {static_cast<CCslCtrlBase *>(m_groupButtons), static_cast<CCslCtrlBase *>(m_groupIncDec)}) {
        connect(group, &CCslCtrlBase::notify, this, [this, group](int index) {
            if (index >= 0)
                Answer(group, [index](CCtrl__Base &control) { control.SetValue(index); });
        });
    }
    connect(m_trichro, &CCslCtrlBase::notify, this, [this](int colour) {
        Answer(m_trichro, [colour](CCtrl__Base &control) { control.SetValue(colour); });
    });
    connect(m_panTilt, &dataConsole::CCslCtrlPanTilt::panTiltChanged, this, [this](int pan, int tilt) {
        Answer(m_panTilt, [pan, tilt](CCtrl__Base &control) {
            control.SetValue(pan);
            control.SetSecondValue(tilt);
        });
    });
}

void CDockPreview::CContent::ForgetCurrent()
{
    m_current = nullptr;
    m_played = nullptr;
}

CCtrl__Base *CDockPreview::CContent::Current() const
{
    const CKorvaneDoc *doc = m_pane.Document();
    if (!doc || !m_current)
        return nullptr;
    const auto &controls = doc->Console().Controls();
    const bool present = std::any_of(controls.begin(), controls.end(),
                                     [this](const auto &control) { return control.get() == m_current; });
    return present ? m_current : nullptr;
}

void CDockPreview::CContent::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), WorkspaceColour(palette()));
    const CKorvaneDoc *doc = m_pane.Document();
    if (!doc)
        return;
    // The console at zoom 1 with its controls' values, as the operator will see it; only
    // the part uncovered or changed.
    const dataConsole::CDrawContext context{1.0f, kMargin, dataConsole::VisibleAreaOf(rect()), true};
    dataConsole::DrawConsoleSurface(painter, doc->Console(), context, m_pane.BackgroundImage(), event->rect());
}

std::vector<CDockPreview::CContent::CHit> CDockPreview::CContent::HitsAt(QPoint contentPoint) const
{
    std::vector<CHit> hits;
    const CKorvaneDoc *doc = m_pane.Document();
    if (!doc)
        return hits;
    // A control inside a group shows on every page of the group, with the value of that page:
    // it is played whatever page the group shows.
    const QPoint point = contentPoint - kMargin;
    for (const auto &control : doc->Console().Controls()) {
        QRect area;
        if (control->HitTest(point, 1.0f, false, &area))
            hits.push_back({control.get(), area});
    }
    return hits;
}

CCslCtrlBase *CDockPreview::CContent::PreparedWidget(const CCtrl__Base &control)
{
    using namespace dataConsole;
    const CDataCCD *design = control.Design();
    const QColor colour = QColorOf(control.Color());
    const DrawHelper::CDefaultLook &look = DrawHelper::DefaultLook();
    switch (control.Kind()) {
    case kCtrlButton:
        m_button->SetDesign(design, look.Image(DrawHelper::kDefaultButton), colour);
        m_button->SetOn(control.GetValue() > 0);
        return m_button;
    case kCtrlFaderHorz:
    case kCtrlFaderVert: {
        const bool vertical = control.Kind() == kCtrlFaderVert;
        CCslCtrlSliderLinear *slider = vertical ? m_sliderVert : m_sliderHorz;
        slider->SetDesign(design, look.Image(vertical ? DrawHelper::kDefaultSliderVert : DrawHelper::kDefaultSliderHorz),
                          colour);
        slider->SetPosition(control.ValueToPosition(control.GetValue()));
        return slider;
    }
    case kCtrlFaderRotary:
        m_rotary->SetDesign(design, look.Image(DrawHelper::kDefaultRotary), colour);
        if (design)
            m_rotary->SetAngleRange(design->rotary.angleMin, design->rotary.angleMax, design->rotary.angleMode);
        else
            m_rotary->SetAngleRange(kRotaryAngleMin, kRotaryAngleMax, true);
        m_rotary->SetAngle(DialAngle(control.ValueToPosition(control.GetValue())));
        return m_rotary;
    case kCtrlWheel:
        m_wheel->SetDesign(design, &look.WheelImages(), colour);
        m_wheel->SetIndex(control.GetValue());
        return m_wheel;
    case kCtrlGroupButtons:
        m_groupButtons->SetDesign(design, nullptr, colour);
        m_groupButtons->SetSelectedIndex(control.GetValue());
        return m_groupButtons;
    case kCtrlGroupIncDec:
        m_groupIncDec->SetDesign(design, nullptr, colour);
        m_groupIncDec->SetValue(control.GetValue());
        return m_groupIncDec;
    case kCtrlTrichro:
        m_trichro->SetLook(&look, colour);
        m_trichro->SetColour(quint32(control.GetValue()) & kColourMask);
        return m_trichro;
    case kCtrlPanTilt:
        m_panTilt->SetLook(&look, colour);
        m_panTilt->SetPan(control.GetValue());
        m_panTilt->SetTilt(static_cast<const CCtrl_PanTilt &>(control).GetSecondValue());
        return m_panTilt;
    default:
        return nullptr;
    }
}

void CDockPreview::CContent::Operate(const QMouseEvent &event)
{
    for (const CHit &hit : HitsAt(event.position().toPoint())) {
        CCslCtrlBase *widget = PreparedWidget(*hit.control);
        if (!widget)
            continue;
        widget->setGeometry(hit.area.translated(kMargin));
        // Current before the press: the groups, the wheel and the pads answer during it.
        m_current = hit.control;
        m_played = widget;
        m_playedOrigin = hit.area.topLeft() + kMargin - PressShift(hit.control->Kind());
        QMouseEvent press(QEvent::MouseButtonPress, event.position() - m_playedOrigin, event.globalPosition(),
                          Qt::LeftButton, Qt::LeftButton, event.modifiers());
        QCoreApplication::sendEvent(widget, &press);
    }
}

void CDockPreview::CContent::Forward(const QMouseEvent &event)
{
    if (!m_played)
        return;
    QMouseEvent forwarded(event.type(), event.position() - m_playedOrigin, event.globalPosition(), event.button(),
                          event.buttons(), event.modifiers());
    QCoreApplication::sendEvent(m_played, &forwarded);
}

void CDockPreview::CContent::Answer(const CCslCtrlBase *source, const Play &play)
{
    CKorvaneDoc *doc = m_pane.Document();
    CCtrl__Base *current = Current();
    if (doc && current && source == m_played)
        doc->PlayControl(*current, play);
}

void CDockPreview::CContent::Learn(QPoint contentPoint)
{
    for (const CHit &hit : HitsAt(contentPoint)) {
        if (!IsLearnable(hit.control->Kind()))
            continue;
        m_current = hit.control;
        m_played = nullptr;
        const std::optional<CLearntMidi> learnt = LearnMidiBinding(this);
        CKorvaneDoc *doc = m_pane.Document();
        CCtrl__Base *control = Current();
        if (!learnt || !doc || !control)
            continue;
        // Inside a group, the binding of the page the group shows.
        doc->Push(std::make_unique<CBindingCommand>(
            *doc, QStringLiteral("Learn MIDI binding"), std::vector<CCtrl__Base *>{control}, control->CurrentIndex(),
            [binding = *learnt](dataConsole::CBindingSet &set) {
                set.midi.command = std::int16_t(binding.command);
                set.midi.channel = std::int16_t(binding.channel);
                set.midi.status = std::int16_t(binding.status);
            }));
    }
}

void CDockPreview::CContent::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        Operate(*event);
    else if (event->button() == Qt::RightButton)
        Learn(event->position().toPoint());
}

void CDockPreview::CContent::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        Operate(*event);
}

void CDockPreview::CContent::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() & Qt::LeftButton)
        Forward(*event);
}

void CDockPreview::CContent::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        Forward(*event);
}

} // namespace korvane
