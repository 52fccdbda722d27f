// The MIDI learn dialog: waits for the next channel message from any open MIDI input port and
// hands back the binding it stands for.
#pragma once

#include <QDialog>

#include <atomic>
#include <optional>

#include "midi/midi_handler.h"

class QLabel;

namespace korvane {

// What a learnt message gives a binding: its command and channel as they came, and its status
// from the message type (either note type gives "note on or off").
struct CLearntMidi
{
    int command = -1;
    int channel = -1;
    int status = -1;
    int value = -1;

    friend bool operator==(const CLearntMidi &, const CLearntMidi &) = default;
};

// The binding status a message type stands for: note off or on give note on/off (-2), the other
// channel messages themselves, anything else any status (-1).
int LearntStatus(int type);

// A modal dialog that closes on the first channel message, or on Cancel. While it waits every
// message goes to it, and none to the consoles.
class CMidiWaitDataDlg final : public QDialog, private CMidiLearnReceiver
{
    Q_OBJECT

public:
    explicit CMidiWaitDataDlg(QWidget *parent = nullptr);

    // Runs the dialog. The learnt binding, or nothing when the user cancelled.
    std::optional<CLearntMidi> Learn();

private:
    // On the MIDI service's thread: keeps the first message and asks the dialog to close.
    void Receive(int command, int channel, int type, int value) override;

    QLabel *m_text;
    std::atomic<bool> m_received{false};
    // Written on the MIDI thread before m_received; read on the main thread after EndMidiLearn.
    CLearntMidi m_learnt;
};

// Opens the learn dialog over `parent`; the learnt binding, or nothing when cancelled.
std::optional<CLearntMidi> LearnMidiBinding(QWidget *parent);

} // namespace korvane
