// The editor's command line and the steps of start-up that come before the main window.
#include "shell/gui_command_line.h"

#include <QDir>
#include <QTextStream>

#include "shell/crash_handler.h"
#include "core/folders.h"

namespace korvane {

namespace {

constexpr char kAppFolderOption[] = "--app-folder";
constexpr char kOpenOption[] = "--open";
constexpr char kEndOfOptions[] = "--";
constexpr int kExitOk = 0;
constexpr int kExitRefused = 1;
constexpr int kExitUsage = 2;

// The value of `option` at `arguments[index]`, given as "--option=VALUE" or "--option VALUE"
// (then `index` moves past it); empty when the line ends after the option. None when this
// argument is not the option.
std::optional<QString> OptionValue(const QStringList &arguments, qsizetype &index, const char *option)
{
    const QString &argument = arguments.at(index);
    const QString name = QLatin1String(option);
    if (argument.startsWith(name + u'='))
        return argument.mid(name.size() + 1);
    if (argument != name)
        return std::nullopt;
    return index + 1 < arguments.size() ? arguments.at(++index) : QString();
}

} // namespace

GuiCommandLine ParseGuiCommandLine(const QStringList &arguments, const QString &currentFolder)
{
    GuiCommandLine line;
    for (qsizetype i = 1; i < arguments.size() && line.error.isEmpty(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == QLatin1String(kEndOfOptions))
            break;
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            line.helpRequested = true;
        } else if (const auto folder = OptionValue(arguments, i, kAppFolderOption)) {
            line.appFolderOption = *folder;
            if (folder->isEmpty())
                line.error = QStringLiteral("%1 needs a folder").arg(QLatin1String(kAppFolderOption));
        } else if (const auto file = OptionValue(arguments, i, kOpenOption)) {
            // The desktop entry's "--open %f" started from a menu names no file: nothing to open.
            if (!file->isEmpty())
                line.fileToOpen = QDir::cleanPath(QDir(currentFolder).absoluteFilePath(*file));
        } else if (argument.startsWith(QLatin1String(kEndOfOptions))) {
            line.error = QStringLiteral("unknown option %1").arg(argument);
        }
    }
    line.language = LanguageFromCommandLine(arguments.mid(1).join(u' '));
    return line;
}

QString GuiUsage()
{
    return QStringLiteral("Usage: korvane [--app-folder DIR] [--open FILE] [-lang=N]\n"
                          "  --app-folder DIR  use DIR as the application folder\n"
                          "  --open FILE       open the console FILE, in the instance already running\n"
                          "                    on the same application folder when there is one\n"
                          "  -lang=N           interface language N (0 to 18)\n"
                          "  -h, --help        show this help\n");
}

GuiStart StartGui(const QStringList &arguments)
{
    GuiStart start;
    start.commandLine = ParseGuiCommandLine(arguments, QDir::currentPath());
    const GuiCommandLine &line = start.commandLine;
    if (!line.error.isEmpty()) {
        QTextStream(stderr) << "korvane: " << line.error << "\n\n" << GuiUsage();
        start.exitCode = kExitUsage;
        return start;
    }
    if (line.helpRequested) {
        QTextStream(stdout) << GuiUsage();
        start.exitCode = kExitOk;
        return start;
    }

    const AppFolderSources sources = CurrentAppFolderSources(line.appFolderOption);
    const QString folder = ResolveAppFolder(sources);
    if (!line.fileToOpen.isEmpty()) {
        const CHandOverAnswer answer = CInstanceChannel(folder).HandToRunningInstance(line.fileToOpen);
        if (answer.result == CHandOverAnswer::Result::kOpened) {
            start.exitCode = kExitOk;
            return start;
        }
        if (answer.result == CHandOverAnswer::Result::kRefused) {
            QTextStream(stderr) << "korvane: " << answer.reason << '\n';
            start.exitCode = kExitRefused;
            return start;
        }
    }
    if (folder == DefaultAppFolder(sources))
        PrepareUserDataFolder(folder, BundledDataFolder());
    start.appFolder = PrepareAppFolder(folder);
    InstallCrashHandler(start.appFolder);
    start.instanceChannel = std::make_unique<CInstanceChannel>(start.appFolder);
    return start;
}

} // namespace korvane
