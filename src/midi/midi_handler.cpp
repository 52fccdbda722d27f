// The application's short-message handler and the hand-over of MIDI messages to the main thread.
#include "midi/midi_handler.h"

#include <QCoreApplication>
#include <QThread>

#include <atomic>
#include <thread>

namespace korvane {

namespace {

constexpr unsigned kTypeProgramChange = 0xC;
constexpr unsigned kTypeChannelPressure = 0xD;
constexpr unsigned kTypePitchWheel = 0xE;

// Written only by the main thread, read by the MIDI threads.
std::atomic<bool> g_learning{false};
std::atomic<CMidiLearnReceiver *> g_learnReceiver{nullptr};
// Handler calls between their look at the learn receiver and the end of their call into it;
// EndMidiLearn waits for them so that the receiver can go away once it returns.
std::atomic<int> g_learnCallsInFlight{0};
// Counts the events made on MIDI threads. Qt's queue hands each to the main thread under locks
// that a race checker cannot see unless Qt itself was built for it; this count, raised after an
// event is made and read before one is looked at, states the hand-over where the checker sees it.
std::atomic<quint64> g_eventsPosted{0};

bool OnMainThread()
{
    const QCoreApplication *app = QCoreApplication::instance();
    return app == nullptr || QThread::currentThread() == app->thread();
}

constexpr quint32 Pack(int high, int low)
{
    return (static_cast<quint32>(high) & 0xFFFF) << 16 | (static_cast<quint32>(low) & 0xFFFF);
}

} // namespace

MidiInMessage ConvertShortMessage(unsigned data1, unsigned channel, unsigned type, unsigned data2)
{
    const int channelNumber = static_cast<int>(channel);
    const int typeNumber = static_cast<int>(type);
    switch (type) {
    case kTypePitchWheel:
        // Only the most significant 7 bits; bindings have no finer resolution.
        return {0, channelNumber, typeNumber, static_cast<int>(data2)};
    case kTypeProgramChange:
    case kTypeChannelPressure:
        return {0, channelNumber, typeNumber, static_cast<int>(data1)};
    default:
        // Note off, note on, polyphonic pressure and control change: the note or controller
        // and its velocity, pressure or value. A note on with velocity 0 stays a note on.
        return {static_cast<int>(data1), channelNumber, typeNumber, static_cast<int>(data2)};
    }
}

void BeginMidiLearn(CMidiLearnReceiver *receiver)
{
    Q_ASSERT(OnMainThread());
    g_learnReceiver.store(receiver);
    g_learning.store(true);
}

void EndMidiLearn()
{
    Q_ASSERT(OnMainThread());
    g_learning.store(false);
    g_learnReceiver.store(nullptr);
    while (g_learnCallsInFlight.load() != 0)
        std::this_thread::yield();
}

void HandleMidiShortMessage(unsigned data1, unsigned channel, unsigned type, unsigned data2, midi::CMIDIInDevice *)
{
    const MidiInMessage message = ConvertShortMessage(data1, channel, type, data2);

    g_learnCallsInFlight.fetch_add(1);
    CMidiLearnReceiver *receiver = g_learning.load() ? g_learnReceiver.load() : nullptr;
    if (receiver != nullptr)
        receiver->Receive(message.command, message.channel, message.type, message.value);
    g_learnCallsInFlight.fetch_sub(1);
    if (receiver != nullptr)
        return;

    if (QCoreApplication *app = QCoreApplication::instance()) {
        auto *event = new CMidiInEvent(message);
        g_eventsPosted.fetch_add(1, std::memory_order_release);
        QCoreApplication::postEvent(app, event);
    }
}

CMidiInEvent::CMidiInEvent(const MidiInMessage &message)
    : QEvent(kType), m_wParam(Pack(message.channel, message.command)), m_lParam(Pack(message.value, message.type))
{
}

MidiInMessage CMidiInEvent::Message() const
{
    const quint32 wParam = WParam();
    const quint32 lParam = LParam();
    return {static_cast<int>(wParam & 0xFFFF), static_cast<int>(wParam >> 16), static_cast<int>(lParam & 0xFFFF),
            static_cast<int>(lParam >> 16)};
}

CMidiInDispatcher::CMidiInDispatcher(Receiver receiver, QObject *parent)
    : QObject(parent), m_receiver(std::move(receiver))
{
    QCoreApplication::instance()->installEventFilter(this);
}

CMidiInDispatcher::~CMidiInDispatcher()
{
    if (QCoreApplication *app = QCoreApplication::instance())
        app->removeEventFilter(this);
}

bool CMidiInDispatcher::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != QCoreApplication::instance())
        return false;
    g_eventsPosted.load(std::memory_order_acquire);
    if (event->type() == CMidiInEvent::kType && m_receiver)
        m_receiver(static_cast<CMidiInEvent *>(event)->Message());
    return false;
}

} // namespace korvane
