// korvane-cli's commands over control design files.
#include <QFileInfo>
#include <QTextStream>

#include <optional>

#include "core/file_messages.h"
#include "core/folders.h"
#include "cli/cli_support.h"
#include "cli/commands.h"
#include "design/data_ccd.h"

namespace korvane::cli {

namespace {

using dataConsole::CDataCCD;

// Reads a design as the design editor does: with its image names, the images looked for in
// the file's own folder first, then in the application's design folder.
bool LoadEditableDesign(CDataCCD &design, const QString &path, const QString &appFolder, CPrintingSink &sink)
{
    sink.Clear();
    design.AllocateNames();
    const QFileInfo info(path);
    const dataConsole::CImageFolders folders{info.absolutePath() + u'/', CAppFolders(appFolder).DesignFolder() + u'/'};
    if (!info.isFile()) {
        QTextStream(stderr) << "korvane-cli: cannot read " << path << ": no such file" << Qt::endl;
        return false;
    }
    if (design.LoadFile(path, folders))
        return true;
    if (!sink.ErrorReported())
        QTextStream(stderr) << "korvane-cli: cannot read " << path << ": not a design file" << Qt::endl;
    return false;
}

bool IsDesignFile(const QString &path)
{
    return path.endsWith(QLatin1String(".ccd"), Qt::CaseInsensitive);
}

bool IsConsoleFile(const QString &path)
{
    return path.endsWith(QLatin1String(".csl2"), Qt::CaseInsensitive);
}

QString SizeText(QSize size)
{
    return QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
}

void PrintParts(QTextStream &out, const QString &path, const CDataCCD &design)
{
    struct Part
    {
        const char *name;
        bool present;
        QSize size;
    };
    const Part parts[] = {
        {"RotSlider", design.rotary.IsPresent(), design.rotary.DialSize()},
        {"LinearSliderVert", design.sliderVert.IsPresent(), design.sliderVert.BackgroundSize(true)},
        {"LinearSliderHori", design.sliderHorz.IsPresent(), design.sliderHorz.BackgroundSize(false)},
        {"Button", design.button.IsPresent(), design.button.Size()},
        {"Wheel", design.wheel.IsPresent(), design.wheel.Size()},
        {"GroupIncDec", design.groupIncDec.IsPresent(), design.groupIncDec.Size()},
        {"GroupButtons", design.groupButtons.IsPresent(), design.groupButtons.Size()},
    };
    bool any = false;
    for (const Part &part : parts) {
        if (!part.present)
            continue;
        any = true;
        out << path << ": " << part.name << ' ' << SizeText(part.size);
        if (part.size.isEmpty())
            out << " (not drawn: its main image is missing)";
        if (&part == &parts[6])
            out << ", " << design.groupButtons.ButtonCount() << " buttons";
        out << '\n';
    }
    if (!any)
        out << path << ": no parts\n";
    for (const QString &image : design.MissingImages())
        out << path << ": missing image: " << image << '\n';
    out.flush();
}

} // namespace

int RunResave(const QCommandLineParser &parser, const QStringList &arguments)
{
    const QString &in = arguments.at(0);
    const QString &out = arguments.at(1);
    if (IsConsoleFile(in))
        return RunResaveConsole(parser, arguments);
    if (!IsDesignFile(in)) {
        QTextStream(stderr) << "korvane-cli: resave reads console files (.csl2) and design files (.ccd): " << in
                            << Qt::endl;
        return kExitUsage;
    }
    CPrintingSink sink;
    const CScopedMessageSink installed(&sink);
    CDataCCD design;
    if (!LoadEditableDesign(design, in, AppFolderOf(parser), sink))
        return kExitRefusedInput;
    QString error;
    if (!design.WriteFile(out, &error))
        return CannotWrite(out, error);
    return kExitOk;
}

int RunCheck(const QCommandLineParser &parser, const QStringList &arguments)
{
    const QString appFolder = AppFolderOf(parser);
    CPrintingSink sink;
    const CScopedMessageSink installed(&sink);
    QTextStream out(stdout);
    int status = kExitOk;
    // Read at the first console, then shared by all of them.
    std::optional<dataConsole::CDesignList> library;
    for (const QString &path : arguments) {
        if (IsConsoleFile(path)) {
            if (!library)
                library = LoadDesignLibrary(appFolder);
            if (!CheckConsole(out, appFolder, *library, path))
                status = kExitRefusedInput;
            continue;
        }
        CDataCCD design;
        if (!LoadEditableDesign(design, path, appFolder, sink)) {
            status = kExitRefusedInput;
            continue;
        }
        PrintParts(out, path, design);
    }
    return status;
}

} // namespace korvane::cli
