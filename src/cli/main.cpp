// korvane-cli: the editor's file work without a window.
#include <QCommandLineParser>
#include <QGuiApplication>
#include <QTextStream>

#include "cli/commands.h"

using namespace korvane::cli;

namespace {

QString Usage(const QCommandLineParser &parser)
{
    QString text = parser.helpText();
    text += QStringLiteral("\nCommands:\n");
    for (const Command &command : Commands()) {
        text += QStringLiteral("  %1 %2\n      %3\n")
                    .arg(QLatin1String(command.name), QLatin1String(command.arguments), QLatin1String(command.summary));
    }
    text += QStringLiteral("\nExit codes: 0 success, 1 refused input, 2 usage error.\n");
    return text;
}

int UsageError(const QCommandLineParser &parser, const QString &message)
{
    QTextStream err(stderr);
    err << "korvane-cli: " << message << "\n\n" << Usage(parser);
    return kExitUsage;
}

// Scripts read our stderr; the toolkit's own chatter about the desktop session (runtime
// folders, fonts) is noise there. KORVANE_DEBUG=1 lets it through when needed.
void QuietToolkitMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtFatalMsg || type == QtCriticalMsg || qEnvironmentVariableIntValue("KORVANE_DEBUG") != 0)
        QTextStream(stderr) << message << '\n';
}

} // namespace

int main(int argc, char *argv[])
{
    // No window is ever shown, but drawing consoles needs a GUI application.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietToolkitMessages);
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("korvane-cli"));
    QGuiApplication::setApplicationVersion(QStringLiteral(KORVANE_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Korvane console and design files from the command line."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help."));
    parser.addOption(help);
    parser.addVersionOption();
    parser.addOption({QStringLiteral("app-folder"), QStringLiteral("Use DIR as the application folder."),
                      QStringLiteral("DIR")});
    parser.addOption({QStringLiteral("zoom"), QStringLiteral("Render at zoom Z (0.1 to 10)."), QStringLiteral("Z")});
    AddMidiOptions(parser);
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("The command to run (see below)."));

    if (!parser.parse(QGuiApplication::arguments()))
        return UsageError(parser, parser.errorText());
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion();
    if (parser.isSet(help)) {
        QTextStream(stdout) << Usage(parser);
        return kExitOk;
    }

    QStringList positional = parser.positionalArguments();
    if (positional.isEmpty())
        return UsageError(parser, QStringLiteral("no command given"));
    const QString name = positional.takeFirst();
    for (const Command &command : Commands()) {
        if (name != QLatin1String(command.name))
            continue;
        const bool countFits = command.positionalCount == kOneOrMore ? !positional.isEmpty()
                                                                     : positional.size() == command.positionalCount;
        if (!countFits) {
            return UsageError(parser, QStringLiteral("%1 takes the arguments %2")
                                          .arg(name, QLatin1String(command.arguments)));
        }
        return command.run(parser, positional);
    }
    return UsageError(parser, QStringLiteral("unknown command \"%1\"").arg(name));
}
