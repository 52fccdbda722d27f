// The application's side of MIDI input: the short-message handler every device calls on the
// MIDI service's thread, the diversion to a waiting learn receiver, and the event that carries
// each message to the main thread.
#pragma once

#include <QEvent>
#include <QObject>

#include <functional>

namespace midi {
class CMIDIInDevice;
}

namespace korvane {

// One channel message in a binding's terms: command (note or controller number, else 0),
// channel 0..15, message type 8..14, value.
struct MidiInMessage
{
    int command = 0;
    int channel = 0;
    int type = 0;
    int value = 0;

    friend bool operator==(const MidiInMessage &, const MidiInMessage &) = default;
};

// The decoded bytes of a channel message, turned into a binding's terms.
MidiInMessage ConvertShortMessage(unsigned data1, unsigned channel, unsigned type, unsigned data2);

// Whoever waits for the next MIDI message to learn a binding (the MIDI learn dialog).
class CMidiLearnReceiver
{
public:
    // Called on the MIDI service's thread. It must not wait for the main thread, which may be
    // waiting in EndMidiLearn for this call to return.
    virtual void Receive(int command, int channel, int type, int value) = 0;

protected:
    ~CMidiLearnReceiver() = default;
};

// From now on every channel message goes to `receiver` only, and none reaches the main thread.
// Main thread only.
void BeginMidiLearn(CMidiLearnReceiver *receiver);
// Messages reach the main thread again. When this returns, no call into the receiver is running
// or will start, and whatever the receiver stored is visible here. Main thread only.
void EndMidiLearn();

// The short-message handler of every device: to the learn receiver while one waits, else to
// the main thread as a CMidiInEvent posted to the application object.
void HandleMidiShortMessage(unsigned data1, unsigned channel, unsigned type, unsigned data2,
                            midi::CMIDIInDevice *device);

// A MIDI message on its way to the main thread, in two 32-bit words: wParam is
// (channel << 16) | command, lParam is (value << 16) | type.
class CMidiInEvent : public QEvent
{
public:
    static constexpr QEvent::Type kType = static_cast<QEvent::Type>(QEvent::User + 0x160);

    explicit CMidiInEvent(const MidiInMessage &message);

    quint32 WParam() const { return m_wParam; }
    quint32 LParam() const { return m_lParam; }
    MidiInMessage Message() const;

private:
    quint32 m_wParam;
    quint32 m_lParam;
};

// The main thread's end: watches the application object for MIDI events, unpacks each and hands
// the four numbers to the receiver (the active canvas). The event then goes on as usual.
class CMidiInDispatcher : public QObject
{
    Q_OBJECT

public:
    using Receiver = std::function<void(const MidiInMessage &)>;

    // Needs the application object to exist.
    explicit CMidiInDispatcher(Receiver receiver, QObject *parent = nullptr);
    ~CMidiInDispatcher() override;

    void SetReceiver(Receiver receiver) { m_receiver = std::move(receiver); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Receiver m_receiver;
};

} // namespace korvane
