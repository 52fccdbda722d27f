// One MIDI input port through RtMidi, and the choice of the MIDI service.
#include "midi/midi_in_device.h"

#include <algorithm>
#include <cctype>

#if defined(__LINUX_ALSA__)
#include <alsa/asoundlib.h>
#endif
#if defined(__UNIX_JACK__)
#include <jack/jack.h>
#endif

namespace midi {

namespace {

// Every client we make is called this; the service makes the names unique.
constexpr const char *kClientName = "Korvane";
// The name of our end of a connection to another program's port.
constexpr const char *kLocalPortName = "in";

constexpr unsigned kFirstChannelType = 0x8;  // note off
constexpr unsigned kLastChannelType = 0xE;   // pitch wheel

// The service libraries print their own complaints when they find no server; a machine
// without one is normal for us and is reported in our own words, so the probes keep them quiet.
#if defined(__LINUX_ALSA__)
void IgnoreAlsaMessage(const char *, int, const char *, int, const char *, ...) {}

bool AlsaSequencerAnswers()
{
    snd_lib_error_set_handler(IgnoreAlsaMessage);
    snd_seq_t *sequencer = nullptr;
    const bool answers = snd_seq_open(&sequencer, "default", SND_SEQ_OPEN_DUPLEX, SND_SEQ_NONBLOCK) == 0;
    if (answers)
        snd_seq_close(sequencer);
    snd_lib_error_set_handler(nullptr);
    return answers;
}
#endif

#if defined(__UNIX_JACK__)
void IgnoreJackMessage(const char *) {}

bool JackServerAnswers()
{
    void (*const previousError)(const char *) = jack_error_callback;
    void (*const previousInfo)(const char *) = jack_info_callback;
    jack_set_error_function(IgnoreJackMessage);
    jack_set_info_function(IgnoreJackMessage);
    jack_status_t status{};
    // Never start a server: the user chooses and starts theirs.
    jack_client_t *client = jack_client_open("korvane-probe", JackNoStartServer, &status);
    if (client != nullptr)
        jack_client_close(client);
    jack_set_error_function(previousError);
    jack_set_info_function(previousInfo);
    return client != nullptr;
}
#endif

bool ServiceAnswers(RtMidi::Api api)
{
    switch (api) {
#if defined(__LINUX_ALSA__)
    case RtMidi::LINUX_ALSA:
        return AlsaSequencerAnswers();
#endif
#if defined(__UNIX_JACK__)
    case RtMidi::UNIX_JACK:
        return JackServerAnswers();
#endif
    default:
        try {
            RtMidiIn probe(api, kClientName);
            return true;
        } catch (const RtMidiError &) {
            return false;
        }
    }
}

// Collects what RtMidi reports during one call instead of letting it print or throw.
struct ErrorReport
{
    bool failed = false;
    std::string text;

    static void Record(RtMidiError::Type, const std::string &text, void *report)
    {
        auto *self = static_cast<ErrorReport *>(report);
        self->failed = true;
        self->text = text;
    }
};

std::unique_ptr<RtMidiIn> CreateClient(RtMidi::Api api)
{
    try {
        return std::make_unique<RtMidiIn>(api, kClientName);
    } catch (const RtMidiError &error) {
        throw CMIDIInException(error.getMessage());
    }
}

} // namespace

std::vector<RtMidi::Api> CandidateMidiApis()
{
    std::vector<RtMidi::Api> apis;
    RtMidi::getCompiledApi(apis);
    std::erase(apis, RtMidi::RTMIDI_DUMMY);
    const auto rank = [](RtMidi::Api api) { return api == RtMidi::LINUX_ALSA ? 0 : api == RtMidi::UNIX_JACK ? 1 : 2; };
    std::stable_sort(apis.begin(), apis.end(), [&](RtMidi::Api a, RtMidi::Api b) { return rank(a) < rank(b); });
    return apis;
}

std::optional<RtMidi::Api> MidiApiFromName(const std::string &name)
{
    std::string lower = name;
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
    if (lower == "alsa")
        return RtMidi::LINUX_ALSA;
    if (lower == "jack")
        return RtMidi::UNIX_JACK;
    return std::nullopt;
}

std::optional<RtMidi::Api> SelectMidiApi(const std::vector<RtMidi::Api> &candidates)
{
    std::vector<RtMidi::Api> compiled;
    RtMidi::getCompiledApi(compiled);
    for (RtMidi::Api api : candidates) {
        if (std::find(compiled.begin(), compiled.end(), api) != compiled.end() && ServiceAnswers(api))
            return api;
    }
    return std::nullopt;
}

std::vector<std::string> MidiInPortNames(RtMidi::Api api)
{
    const std::unique_ptr<RtMidiIn> client = CreateClient(api);
    ErrorReport report;
    client->setErrorCallback(&ErrorReport::Record, &report);
    std::vector<std::string> names;
    const unsigned count = client->getPortCount();
    if (report.failed)
        throw CMIDIInException(report.text);
    for (unsigned port = 0; port < count; ++port)
        names.push_back(client->getPortName(port));
    // A port that vanished while we listed it reads as an empty name; it is still a number.
    return names;
}

CMIDIInDevice::CMIDIInDevice(RtMidi::Api api)
    : m_in(CreateClient(api))
{
    m_in->setErrorCallback(&CMIDIInDevice::OnError, this);
    // A client made while the server was going away is unusable; asking it anything
    // reconnects, and reports the failure.
    m_in->getPortCount();
    if (m_failed)
        throw CMIDIInException(m_errorText);
    // The device never takes system messages; the service can drop them before they cost a call.
    m_in->ignoreTypes(true, true, true);
    m_in->setCallback(&CMIDIInDevice::OnMessage, this);
}

CMIDIInDevice::CMIDIInDevice(RtMidi::Api api, unsigned port)
    : CMIDIInDevice(api)
{
    Open(port);
}

CMIDIInDevice::~CMIDIInDevice()
{
    Close();
    // Destroying the client ends the service's thread, so no message is delivered into a
    // half-destroyed device.
    m_in.reset();
}

void CMIDIInDevice::Open(unsigned port)
{
    Close();
    m_name.clear();
    m_failed = false;
    const std::string name = m_in->getPortName(port);
    if (m_failed)
        return;
    OpenWith(name, false, port);
}

void CMIDIInDevice::OpenVirtual(const std::string &portName)
{
    Close();
    m_name.clear();
    m_failed = false;
    OpenWith(portName, true, 0);
}

void CMIDIInDevice::OpenWith(const std::string &name, bool isVirtual, unsigned port)
{
    if (isVirtual)
        m_in->openVirtualPort(name);
    else
        m_in->openPort(port, kLocalPortName);
    // RtMidi counts only connections to other programs' ports as open, never a virtual port.
    if (m_failed || (!isVirtual && !m_in->isPortOpen())) {
        m_in->closePort();
        return;
    }
    m_name = name;
    m_state.store(kRecording);
}

void CMIDIInDevice::Close()
{
    if (m_state.exchange(kClosed) != kRecording)
        return;
    m_in->closePort();
}

void CMIDIInDevice::OnError(RtMidiError::Type type, const std::string &text, void *device)
{
    // Reports come from calls made on the owner's thread, never from the service's thread.
    auto *self = static_cast<CMIDIInDevice *>(device);
    if (type == RtMidiError::DEBUG_WARNING)
        return;
    self->m_failed = true;
    self->m_errorText = text;
}

void CMIDIInDevice::OnMessage(double, std::vector<unsigned char> *message, void *device)
{
    auto *self = static_cast<CMIDIInDevice *>(device);
    if (message->empty() || self->m_state.load() != kRecording)
        return;
    const unsigned status = message->at(0);
    const unsigned type = status >> 4;
    if (type < kFirstChannelType || type > kLastChannelType)
        return;
    const ShortMessageHandler handler = self->m_handler.load();
    if (handler == nullptr)
        return;
    const unsigned data1 = message->size() > 1 ? message->at(1) : 0;
    const unsigned data2 = message->size() > 2 ? message->at(2) : 0;
    handler(data1, status & 0x0F, type, data2, self);
}

std::vector<std::unique_ptr<CMIDIInDevice>> OpenEveryMidiInPort(RtMidi::Api api, ShortMessageHandler handler)
{
    const std::unique_ptr<RtMidiIn> lister = CreateClient(api);
    ErrorReport report;
    lister->setErrorCallback(&ErrorReport::Record, &report);
    std::vector<std::unique_ptr<CMIDIInDevice>> devices;
    // Asked again after each device, as opening one may add or remove ports.
    for (unsigned port = 0; port < lister->getPortCount(); ++port) {
        auto device = std::make_unique<CMIDIInDevice>(api);
        device->SetShortMessageHandler(handler);
        device->Open(port);
        devices.push_back(std::move(device));
    }
    auto own = std::make_unique<CMIDIInDevice>(api);
    own->SetShortMessageHandler(handler);
    own->OpenVirtual(kVirtualPortName);
    devices.push_back(std::move(own));
    return devices;
}

} // namespace midi
