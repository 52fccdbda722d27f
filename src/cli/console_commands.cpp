// korvane-cli's commands over console files.
#include <QFileInfo>
#include <QTextStream>

#include "cli/cli_support.h"
#include "cli/commands.h"
#include "design/design_list.h"
#include "app/folders.h"
#include "model/console_data.h"
#include "model/console_draw.h"
#include "model/console_file.h"

namespace korvane::cli {

namespace {

// A console read as the editor opens it, with the design library it was resolved against.
struct CLoadedConsole
{
    dataConsole::CDesignList library;
    dataConsole::CConsoleData console{&library};
};

// Reads `in` with the application folder's designs; false (with the reason on stderr) when
// the file is refused.
bool ReadConsoleAsEditor(const QCommandLineParser &parser, const QString &in, CLoadedConsole &loaded)
{
    // The editor opens a missing file as a new console; here it is a mistake.
    if (!QFileInfo(in).isFile()) {
        QTextStream(stderr) << "korvane-cli: cannot read " << in << ": no such file" << Qt::endl;
        return false;
    }
    const QString appFolder = AppFolderOf(parser);
    CPrintingSink sink;
    const CScopedMessageSink installed(&sink);
    dataConsole::FillDesignLibrary(loaded.library, appFolder);
    sink.Clear(); // a refused library design is not a refused console

    if (!dataConsole::ReadConsoleFile(loaded.console, in, appFolder, nullptr)) {
        if (!sink.ErrorReported())
            QTextStream(stderr) << "korvane-cli: cannot read " << in << ": not a console file" << Qt::endl;
        return false;
    }
    return true;
}

} // namespace

int RunResaveConsole(const QCommandLineParser &parser, const QStringList &arguments)
{
    const QString &in = arguments.at(0);
    const QString &out = arguments.at(1);
    CLoadedConsole loaded;
    if (!ReadConsoleAsEditor(parser, in, loaded))
        return kExitRefusedInput;
    QString error;
    if (!dataConsole::WriteConsoleFile(loaded.console, out, &error)) {
        QTextStream(stderr) << "korvane-cli: cannot write " << out << ": " << error << Qt::endl;
        return kExitRefusedInput;
    }
    return kExitOk;
}

int RunRender(const QCommandLineParser &parser, const QStringList &arguments)
{
    const QString &in = arguments.at(0);
    const QString &out = arguments.at(1);
    float zoom = 1.0f;
    if (parser.isSet(QStringLiteral("zoom"))) {
        bool ok = false;
        zoom = parser.value(QStringLiteral("zoom")).toFloat(&ok);
        // The editor's own zoom range; beyond it a console of a few thousand pixels would
        // ask for an image of gigabytes.
        if (!ok || !(zoom >= kMinZoom && zoom <= kMaxZoom)) {
            QTextStream(stderr) << "korvane-cli: the zoom must be a number from " << kMinZoom << " to " << kMaxZoom
                                << Qt::endl;
            return kExitUsage;
        }
    }
    CLoadedConsole loaded;
    if (!ReadConsoleAsEditor(parser, in, loaded))
        return kExitRefusedInput;

    // The default background, as the editor loads it at start-up.
    const QImage background(
        ResolvePathNoCase(AppFolderOf(parser), QStringLiteral("_Common/console/_background/ER_bg.bmp")));
    const QImage image = dataConsole::RenderConsole(loaded.console, zoom, &background);
    if (!image.save(out, "PNG")) {
        QTextStream(stderr) << "korvane-cli: cannot write " << out << Qt::endl;
        return kExitRefusedInput;
    }
    return kExitOk;
}

} // namespace korvane::cli
