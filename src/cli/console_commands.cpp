// korvane-cli's commands over console files: resave, render, and check's findings on a console.
#include <QBuffer>
#include <QFileInfo>
#include <QImageWriter>
#include <QTextStream>

#include <algorithm>
#include <string_view>
#include <vector>

#include "cli/cli_support.h"
#include "cli/commands.h"
#include "design/design_list.h"
#include "core/folders.h"
#include "core/text_codec.h"
#include "model/binding_clashes.h"
#include "model/console_data.h"
#include "model/console_draw.h"
#include "model/console_file.h"
#include "model/zoom.h"
#include "model/ctrl_base.h"

namespace korvane::cli {

namespace {

using dataConsole::CConsoleData;
using dataConsole::CConsoleReadReport;
using dataConsole::CCtrl__Base;
using dataConsole::DescribeControl;
using SkipReason = CConsoleReadReport::SkipReason;

// Reads `in` as the editor opens it, its designs resolved against `library`; false (with
// the reason on stderr) when the file is refused.
bool ReadConsoleAsEditor(const QString &appFolder, const QString &in, dataConsole::CConsoleData &console,
                         CConsoleReadReport *report = nullptr)
{
    // The editor opens a missing file as a new console; here it is a mistake.
    if (!QFileInfo(in).isFile()) {
        QTextStream(stderr) << "korvane-cli: cannot read " << in << ": no such file" << Qt::endl;
        return false;
    }
    CPrintingSink sink;
    const CScopedMessageSink installed(&sink);
    if (!dataConsole::ReadConsoleFile(console, in, appFolder, report)) {
        if (!sink.ErrorReported())
            QTextStream(stderr) << "korvane-cli: cannot read " << in << ": not a console file" << Qt::endl;
        return false;
    }
    return true;
}

// Pictures first, then the other controls, as the file lists them.
std::vector<const CCtrl__Base *> AllControls(const CConsoleData &console)
{
    std::vector<const CCtrl__Base *> all;
    for (const auto &picture : console.Pictures())
        all.push_back(picture.get());
    for (const auto &control : console.Controls())
        all.push_back(control.get());
    return all;
}

void FindSkippedElements(const CConsoleReadReport &report, QStringList &findings)
{
    for (const CConsoleReadReport::CSkippedElement &skipped : report.skipped) {
        if (skipped.reason == SkipReason::kInGroupWithoutDesign)
            continue; // told with the group
        QString text = QStringLiteral("element \"%1\"").arg(FromFileText(skipped.tag));
        if (skipped.group)
            text += QStringLiteral(" in ") + DescribeControl(*skipped.group);
        text += skipped.reason == SkipReason::kUnknownTag ? QStringLiteral(" skipped: not a control kind")
                                                         : QStringLiteral(" skipped: no control could be made of it");
        findings << text;
    }
}

// A group without its design reads none of the controls inside it, so saving the console
// drops them.
void FindMissingDesigns(const CConsoleData &console, const CConsoleReadReport &report, QStringList &findings)
{
    for (const CCtrl__Base *control : AllControls(console)) {
        const bool missing = !control->DesignName().isEmpty() && !control->Design();
        const auto dropped = std::count_if(report.skipped.begin(), report.skipped.end(), [&](const auto &skipped) {
            return skipped.reason == SkipReason::kInGroupWithoutDesign && skipped.group == control;
        });
        if (!missing && dropped == 0)
            continue;
        QString text = DescribeControl(*control) + (missing ? QStringLiteral(": design \"%1\" not found").arg(control->DesignName())
                                                     : QStringLiteral(": no design"));
        if (dropped > 0) {
            text += (dropped == 1 ? QStringLiteral("; the element inside it is")
                                  : QStringLiteral("; the %1 elements inside it are").arg(dropped)) +
                    QStringLiteral(" not read and will be dropped when the console is saved");
        }
        findings << text;
    }
}

// A group whose design gives it no pages shows the controls inside it on no page: the
// lighting program never plays them, though the file keeps them.
void FindGroupsWithoutPages(const CConsoleData &console, QStringList &findings)
{
    for (const auto &group : console.Controls()) {
        if (!group->Design() || group->PageCount() > 0)
            continue;
        const auto held = std::count_if(console.Controls().begin(), console.Controls().end(),
                                        [&](const auto &control) { return control->ParentGroup() == group.get(); });
        if (held > 0)
            findings << QStringLiteral("%1: its design \"%2\" gives it no pages; %3 on none")
                            .arg(DescribeControl(*group), group->DesignName(),
                                 held == 1 ? QStringLiteral("the control inside it shows")
                                           : QStringLiteral("the %1 controls inside it show").arg(held));
    }
}

void FindMissingPictures(const CConsoleData &console, QStringList &findings)
{
    for (const auto &picture : console.Pictures()) {
        if (picture->Picture())
            continue;
        findings << DescribeControl(*picture) + (picture->PictureName().isEmpty()
                                              ? QStringLiteral(": names no picture file")
                                              : QStringLiteral(": picture \"%1\" not found").arg(picture->PictureName()));
    }
}

// A control without a size still has its place, which must lie on the surface too.
void FindControlsOutside(const CConsoleData &console, QStringList &findings)
{
    const int width = console.settings.width;
    const int height = console.settings.height;
    for (const CCtrl__Base *control : AllControls(console)) {
        const QRect &rect = control->Rect();
        const int left = std::min(rect.x(), rect.x() + rect.width());
        const int right = std::max(rect.x(), rect.x() + rect.width());
        const int top = std::min(rect.y(), rect.y() + rect.height());
        const int bottom = std::max(rect.y(), rect.y() + rect.height());
        if (left >= 0 && top >= 0 && right <= width && bottom <= height)
            continue;
        findings << QStringLiteral("%1: its %2x%3 rectangle is not inside the %4x%5 console surface")
                        .arg(DescribeControl(*control))
                        .arg(rect.width())
                        .arg(rect.height())
                        .arg(width)
                        .arg(height);
    }
}

void FindBindingsUsedTwice(const CConsoleData &console, QStringList &findings)
{
    for (const dataConsole::CBindingClash &clash : dataConsole::FindBindingsUsedTwice(console)) {
        findings << QStringLiteral("command %1, channel %2, status %3 bound twice: %4 and %5")
                        .arg(clash.command)
                        .arg(clash.channel)
                        .arg(clash.status)
                        .arg(clash.first.Text(), clash.second.Text());
    }
}

bool CannotRender(const QString &in, const QString &reason)
{
    QTextStream(stderr) << "korvane-cli: cannot render " << in << ": " << reason << Qt::endl;
    return false;
}

// The console's surface at `zoom` as the bytes of a PNG file; false, with the reason on
// stderr, when there is no image to write. An empty surface is refused rather than drawn as
// the single pixel the renderer would give it: the PNG is to be exactly the surface.
bool RenderToPng(const QString &appFolder, const QString &in, CConsoleData &console, float zoom, QByteArray &png)
{
    const QSize surface = dataConsole::Zoomed(QSize(console.settings.width, console.settings.height), zoom);
    if (surface.isEmpty()) {
        return CannotRender(in, QStringLiteral("its surface is empty at this zoom (%1x%2 pixels)")
                                    .arg(surface.width())
                                    .arg(surface.height()));
    }
    // The default background, as the editor loads it at start-up.
    const QImage background(CAppFolders(appFolder).DefaultBackgroundImage());
    const QImage image = dataConsole::RenderConsole(console, zoom, &background);
    if (image.isNull() || image.size() != surface) {
        return CannotRender(in, QStringLiteral("no image of %1x%2 pixels could be made")
                                    .arg(surface.width())
                                    .arg(surface.height()));
    }
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(image))
        return CannotRender(in, writer.errorString());
    return true;
}

} // namespace

int RunResaveConsole(const QCommandLineParser &parser, const QStringList &arguments)
{
    const QString &in = arguments.at(0);
    const QString &out = arguments.at(1);
    const QString appFolder = AppFolderOf(parser);
    const dataConsole::CDesignList library = LoadDesignLibrary(appFolder);
    dataConsole::CConsoleData console(&library);
    if (!ReadConsoleAsEditor(appFolder, in, console))
        return kExitRefusedInput;
    QString error;
    if (!dataConsole::WriteConsoleFile(console, out, &error))
        return CannotWrite(out, error);
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
        if (!ok || !(zoom >= dataConsole::kZoomMin && zoom <= dataConsole::kZoomMax)) {
            QTextStream(stderr) << "korvane-cli: the zoom must be a number from " << dataConsole::kZoomMin << " to " << dataConsole::kZoomMax
                                << Qt::endl;
            return kExitUsage;
        }
    }
    const QString appFolder = AppFolderOf(parser);
    const dataConsole::CDesignList library = LoadDesignLibrary(appFolder);
    dataConsole::CConsoleData console(&library);
    if (!ReadConsoleAsEditor(appFolder, in, console))
        return kExitRefusedInput;

    QByteArray png;
    if (!RenderToPng(appFolder, in, console, zoom, png))
        return kExitRefusedInput;
    return WriteOutput(out, std::string_view(png.constData(), std::size_t(png.size())));
}

dataConsole::CDesignList LoadDesignLibrary(const QString &appFolder)
{
    // A design the library leaves out is reported, but refuses no console.
    CPrintingSink sink;
    const CScopedMessageSink installed(&sink);
    dataConsole::CDesignList library;
    dataConsole::FillDesignLibrary(library, appFolder);
    return library;
}

bool CheckConsole(QTextStream &out, const QString &appFolder, const dataConsole::CDesignList &library,
                  const QString &path)
{
    dataConsole::CConsoleData console(&library);
    CConsoleReadReport report;
    if (!ReadConsoleAsEditor(appFolder, path, console, &report))
        return false;
    QStringList findings;
    FindSkippedElements(report, findings);
    FindMissingDesigns(console, report, findings);
    FindGroupsWithoutPages(console, findings);
    FindMissingPictures(console, findings);
    FindControlsOutside(console, findings);
    FindBindingsUsedTwice(console, findings);
    for (const QString &finding : findings)
        out << path << ": warning: " << finding << '\n';
    out.flush();
    return true;
}

} // namespace korvane::cli
