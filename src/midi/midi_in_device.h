// One MIDI input port, read through RtMidi, and the choice of the MIDI service it runs on.
#pragma once

#include <RtMidi.h>

#include <atomic>
#include <exception>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace midi {

// A failed call into the MIDI service; what() is the service's own text.
class CMIDIInException : public std::exception
{
public:
    explicit CMIDIInException(std::string text) : m_text(std::move(text)) {}
    const char *what() const noexcept override { return m_text.c_str(); }

private:
    std::string m_text;
};

class CMIDIInDevice;

// Called on the MIDI service's thread for every channel message: (data byte 1, channel 0..15,
// message type 8..14, data byte 2, the device).
using ShortMessageHandler = void (*)(unsigned data1, unsigned channel, unsigned type, unsigned data2,
                                     CMIDIInDevice *device);

// The MIDI services tried when none is forced, in this order: the ALSA sequencer, then JACK.
// Only the services RtMidi was built with are listed.
std::vector<RtMidi::Api> CandidateMidiApis();

// "alsa" or "jack" (any letter case) as a service; nothing for any other text.
std::optional<RtMidi::Api> MidiApiFromName(const std::string &name);

// The first of `candidates` whose service answers, or nothing when none does. A missing service
// is an ordinary state of a machine, so it is neither printed nor thrown.
std::optional<RtMidi::Api> SelectMidiApi(const std::vector<RtMidi::Api> &candidates);

// The input ports `api` offers now, by port number. Throws CMIDIInException when the service
// cannot be reached.
std::vector<std::string> MidiInPortNames(RtMidi::Api api);

// One MIDI input port of one service. It records from a successful Open until Close, handing
// every channel message to the short-message handler on the service's thread; system messages
// (clock, time code, active sensing, system exclusive, ...) are never handed on.
class CMIDIInDevice
{
public:
    enum State { kClosed = 0, kRecording = 1 };

    // A client of `api` with no port open yet. Throws CMIDIInException when the service
    // refuses the client.
    explicit CMIDIInDevice(RtMidi::Api api);
    // A client of `api` that opens input port `port` at once.
    CMIDIInDevice(RtMidi::Api api, unsigned port);
    ~CMIDIInDevice();

    CMIDIInDevice(const CMIDIInDevice &) = delete;
    CMIDIInDevice &operator=(const CMIDIInDevice &) = delete;

    // Closes first when open. A port that cannot be opened (gone, or held by another program)
    // leaves the device closed with an empty name, without an error.
    void Open(unsigned port);
    // A port of our own, named `portName`, that other programs play into.
    void OpenVirtual(const std::string &portName);
    // Harmless on a closed device.
    void Close();

    bool IsOpen() const { return m_state.load() == kRecording; }
    // Empty until a port has been opened, then the name the service gives it.
    const std::string &DeviceName() const { return m_name; }

    // Messages that arrive while no handler is set are dropped.
    void SetShortMessageHandler(ShortMessageHandler handler) { m_handler.store(handler); }

private:
    static void OnMessage(double timeStamp, std::vector<unsigned char> *message, void *device);
    static void OnError(RtMidiError::Type type, const std::string &text, void *device);
    void OpenWith(const std::string &name, bool isVirtual, unsigned port);

    // Read by the service's thread, which starts while m_in is made: they come first.
    std::atomic<int> m_state{kClosed};
    std::atomic<ShortMessageHandler> m_handler{nullptr};
    std::string m_name;
    std::unique_ptr<RtMidiIn> m_in;
    // What the service reported during the last call made on the owner's thread.
    bool m_failed = false;
    std::string m_errorText;
};

// The name of the input port the editor offers to other programs.
inline constexpr const char *kVirtualPortName = "Korvane";

// A device for every input port `api` offers now, indexed by port number (a port that fails to
// open keeps its place, closed), then one for the virtual port kVirtualPortName, last. Each has
// `handler` before it opens. Throws CMIDIInException when the service cannot be reached.
std::vector<std::unique_ptr<CMIDIInDevice>> OpenEveryMidiInPort(RtMidi::Api api, ShortMessageHandler handler);

} // namespace midi
