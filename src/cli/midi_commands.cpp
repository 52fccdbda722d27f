// korvane-cli's MIDI commands: the input ports there are, and the messages they bring.
#include <QCoreApplication>
#include <QTextStream>
#include <QTimer>

#include <optional>

#include "midi/midi_handler.h"
#include "cli/commands.h"
#include "midi/midi_in_device.h"

namespace korvane::cli {

namespace {

const QString kApiOption = QStringLiteral("api");
const QString kCountOption = QStringLiteral("count");
const QString kSecondsOption = QStringLiteral("seconds");
const char *const kApiVariable = "KORVANE_MIDI_API";

QTextStream &Out()
{
    static QTextStream stream(stdout);
    return stream;
}

int OptionError(const QString &message)
{
    QTextStream(stderr) << "korvane-cli: " << message << Qt::endl;
    return kExitUsage;
}

// The services to try: the one the option or else the variable forces, or every one in the
// usual order. Nothing when the choice names no service we know.
std::optional<std::vector<RtMidi::Api>> ApisToTry(const QCommandLineParser &parser, QString *error)
{
    QString forced = parser.value(kApiOption);
    QString source = QStringLiteral("--api");
    if (!parser.isSet(kApiOption)) {
        forced = qEnvironmentVariable(kApiVariable);
        source = QLatin1String(kApiVariable);
    }
    if (forced.isEmpty())
        return midi::CandidateMidiApis();
    if (const std::optional<RtMidi::Api> api = midi::MidiApiFromName(forced.toStdString()))
        return std::vector<RtMidi::Api>{*api};
    *error = QStringLiteral("%1 must be alsa or jack, not \"%2\"").arg(source, forced);
    return std::nullopt;
}

// A number above 0 (a whole one when `whole`) when the option is given; false when it is given
// and is not.
bool PositiveOption(const QCommandLineParser &parser, const QString &name, std::optional<double> *value,
                    bool whole)
{
    if (!parser.isSet(name))
        return true;
    bool ok = false;
    const double number = whole ? parser.value(name).toInt(&ok) : parser.value(name).toDouble(&ok);
    if (!ok || number <= 0)
        return false;
    *value = number;
    return true;
}

int NoMidiService()
{
    Out() << "no MIDI service" << Qt::endl;
    return kExitOk;
}

// The service a MIDI command talks to. Without one, `*exitCode` is how the command ends: a
// usage error for a choice naming no known service, else the quiet "no MIDI service".
std::optional<RtMidi::Api> ServiceToUse(const QCommandLineParser &parser, int *exitCode)
{
    QString error;
    const std::optional<std::vector<RtMidi::Api>> apis = ApisToTry(parser, &error);
    if (!apis) {
        *exitCode = OptionError(error);
        return std::nullopt;
    }
    const std::optional<RtMidi::Api> api = midi::SelectMidiApi(*apis);
    if (!api)
        *exitCode = NoMidiService();
    return api;
}

} // namespace

void AddMidiOptions(QCommandLineParser &parser)
{
    parser.addOption({{kApiOption, QStringLiteral("midi-api")},
                      QStringLiteral("MIDI service to use, alsa or jack (default: the first that runs; "
                                     "also KORVANE_MIDI_API)."),
                      QStringLiteral("API")});
    parser.addOption({kCountOption, QStringLiteral("midi-monitor: stop after N messages."), QStringLiteral("N")});
    parser.addOption({kSecondsOption, QStringLiteral("midi-monitor: stop after S seconds."), QStringLiteral("S")});
}

int RunMidiPorts(const QCommandLineParser &parser, const QStringList &)
{
    int exitCode = kExitOk;
    const std::optional<RtMidi::Api> api = ServiceToUse(parser, &exitCode);
    if (!api)
        return exitCode;
    std::vector<std::string> names;
    try {
        names = midi::MidiInPortNames(*api);
    } catch (const midi::CMIDIInException &) {
        // The service went away after it answered.
        return NoMidiService();
    }
    for (std::size_t port = 0; port < names.size(); ++port)
        Out() << port << ": " << QString::fromStdString(names[port]) << '\n';
    Out().flush();
    return kExitOk;
}

int RunMidiMonitor(const QCommandLineParser &parser, const QStringList &)
{
    std::optional<double> count;
    std::optional<double> seconds;
    if (!PositiveOption(parser, kCountOption, &count, true))
        return OptionError(QStringLiteral("--count must be a whole number above 0"));
    if (!PositiveOption(parser, kSecondsOption, &seconds, false))
        return OptionError(QStringLiteral("--seconds must be a number above 0"));
    int exitCode = kExitOk;
    const std::optional<RtMidi::Api> api = ServiceToUse(parser, &exitCode);
    if (!api)
        return exitCode;

    int printed = 0;
    CMidiInDispatcher dispatcher([&](const MidiInMessage &message) {
        if (count && printed >= *count)
            return; // already on the way out
        Out() << "command=" << message.command << " channel=" << message.channel << " type=" << message.type
              << " value=" << message.value << Qt::endl;
        if (count && ++printed >= *count)
            QCoreApplication::exit(kExitOk);
    });
    std::vector<std::unique_ptr<midi::CMIDIInDevice>> devices;
    try {
        devices = midi::OpenEveryMidiInPort(*api, &HandleMidiShortMessage);
    } catch (const midi::CMIDIInException &) {
        return NoMidiService();
    }
    if (seconds)
        QTimer::singleShot(static_cast<int>(*seconds * 1000), QCoreApplication::instance(),
                           [] { QCoreApplication::exit(kExitOk); });
    return QCoreApplication::exec();
}

} // namespace korvane::cli
