// The MIDI learn dialog.
#include "properties/midi_learn_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/word_ids.h"
#include "core/words.h"

namespace korvane {

namespace {

constexpr int kNoteOff = 8;
constexpr int kNoteOn = 9;
constexpr int kFirstOtherType = 10;
constexpr int kLastType = 14;
constexpr int kStatusNoteOnOff = -2;
constexpr int kStatusAny = -1;

} // namespace

int LearntStatus(int type)
{
    if (type == kNoteOff || type == kNoteOn)
        return kStatusNoteOnOff;
    if (type >= kFirstOtherType && type <= kLastType)
        return type;
    return kStatusAny;
}

CMidiWaitDataDlg::CMidiWaitDataDlg(QWidget *parent) : QDialog(parent), m_text(new QLabel)
{
    setWindowTitle(Word(word::kMidiCommandSettings));
    m_text->setText(Word(word::kWaitingForMidiCommand));
    m_text->setAlignment(Qt::AlignCenter);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Cancel)->setText(Word(word::kCancel));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addWidget(buttons);
}

void CMidiWaitDataDlg::Receive(int command, int channel, int type, int value)
{
    // Only the first message counts; later ones arriving before the learn ends are dropped.
    if (m_received.load())
        return;
    m_learnt = {command, channel, LearntStatus(type), value};
    m_received.store(true);
    QMetaObject::invokeMethod(this, &QDialog::accept, Qt::QueuedConnection);
}

std::optional<CLearntMidi> CMidiWaitDataDlg::Learn()
{
    m_received.store(false);
    BeginMidiLearn(this);
    exec();
    // From here no message reaches the dialog, and what it stored is visible.
    EndMidiLearn();
    if (!m_received.load() || m_learnt.command < 0 || m_learnt.channel < 0 || m_learnt.value < 0)
        return std::nullopt;
    return m_learnt;
}

std::optional<CLearntMidi> LearnMidiBinding(QWidget *parent)
{
    CMidiWaitDataDlg dialog(parent);
    return dialog.Learn();
}

} // namespace korvane
