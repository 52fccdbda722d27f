// korvane-cli's commands over console files.
#include <QFileInfo>
#include <QTextStream>

#include "cli/cli_support.h"
#include "cli/commands.h"
#include "design/design_list.h"
#include "model/console_data.h"
#include "model/console_file.h"

namespace korvane::cli {

int RunResaveConsole(const QCommandLineParser &parser, const QStringList &arguments)
{
    const QString &in = arguments.at(0);
    const QString &out = arguments.at(1);
    // The editor opens a missing file as a new console; here it is a mistake.
    if (!QFileInfo(in).isFile()) {
        QTextStream(stderr) << "korvane-cli: cannot read " << in << ": no such file" << Qt::endl;
        return kExitRefusedInput;
    }
    const QString appFolder = AppFolderOf(parser);
    CPrintingSink sink;
    const CScopedMessageSink installed(&sink);
    dataConsole::CDesignList library;
    dataConsole::FillDesignLibrary(library, appFolder);
    sink.Clear(); // a refused library design is not a refused console

    dataConsole::CConsoleData console(&library);
    if (!dataConsole::ReadConsoleFile(console, in, appFolder, nullptr)) {
        if (!sink.ErrorReported())
            QTextStream(stderr) << "korvane-cli: cannot read " << in << ": not a console file" << Qt::endl;
        return kExitRefusedInput;
    }
    QString error;
    if (!dataConsole::WriteConsoleFile(console, out, &error)) {
        QTextStream(stderr) << "korvane-cli: cannot write " << out << ": " << error << Qt::endl;
        return kExitRefusedInput;
    }
    return kExitOk;
}

} // namespace korvane::cli
