// korvane-cli's commands over files.
#include "cli/commands.h"

#include <QFile>
#include <QTextStream>

#include <string>

#include "cli/cli_support.h"
#include "xml/xml_node.h"

namespace korvane::cli {

namespace {

QTextStream &Err()
{
    static QTextStream stream(stderr);
    return stream;
}

int CannotRead(const QString &path, const QString &reason)
{
    Err() << "korvane-cli: cannot read " << path << ": " << reason << Qt::endl;
    return kExitRefusedInput;
}

} // namespace

const QList<Command> &Commands()
{
    static const QList<Command> commands = {
        {"resave", "IN OUT",
         "read a console (.csl2) as the editor opens it, or a design (.ccd) as the design editor does, and "
         "write it to OUT",
         2, &RunResave},
        {"check", "FILE...",
         "for a design (.ccd), list its parts and missing images; for a console (.csl2), read it as the editor "
         "does and warn of skipped elements, designs and pictures not found, controls off the surface, MIDI "
         "bindings used twice on one page, and groups whose controls saving would drop",
         kOneOrMore, &RunCheck},
        {"render", "[--zoom Z] IN.csl2 OUT.png",
         "draw a console as the preview shows it into a PNG of its surface (its size times the zoom, default 1)",
         2, &RunRender},
        {"xml-roundtrip", "IN OUT", "parse IN with the XML library and write the tree to OUT", 2, &RunXmlRoundTrip},
        {"midi-ports", "[--api alsa|jack]", "list the MIDI input ports, one \"N: name\" line each", 0, &RunMidiPorts},
        {"midi-monitor", "[--api alsa|jack] [--count N] [--seconds S]",
         "open every MIDI input port and the virtual port \"Korvane\", and print each message received", 0,
         &RunMidiMonitor},
    };
    return commands;
}

int RunXmlRoundTrip(const QCommandLineParser &, const QStringList &arguments)
{
    const QString &in = arguments.at(0);
    const QString &out = arguments.at(1);
    QFile file(in);
    if (!file.open(QIODevice::ReadOnly))
        return CannotRead(in, file.errorString());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return CannotRead(in, file.errorString());
    if (bytes.isEmpty())
        return CannotRead(in, QStringLiteral("the file is empty"));
    const std::unique_ptr<CXmlNode> root = ParseXml(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    if (!root)
        return CannotRead(in, QStringLiteral("not a well-formed document"));
    std::string written;
    SaveXmlString(written, *root);
    return WriteOutput(out, written);
}

} // namespace korvane::cli
