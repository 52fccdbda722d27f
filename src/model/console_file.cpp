// Reading and writing console files.
#include "model/console_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string_view>

#include "core/file_messages.h"
#include "core/save_file.h"
#include "core/folders.h"
#include "core/word_ids.h"
#include "core/words.h"
#include "model/console_data.h"
#include "model/ctrl_factory.h"
#include "xml/xml_node.h"

namespace dataConsole {

namespace {

using korvane::MessageSeverity;

constexpr char kRootElement[] = "CSL2";
constexpr char kAuthorKey[] = "Author";
constexpr char kVersionKey[] = "Version";
constexpr char kAuthor[] = "orlen";
constexpr char kVersion[] = "1.0";
constexpr char kWidth[] = "cx";
constexpr char kHeight[] = "cy";
constexpr char kBackground[] = "color_back";
constexpr char kTransparentBackground[] = "TransparentBackground";
constexpr char kSnapToGrid[] = "SnapMag";
constexpr char kGridColor[] = "GridColor";
constexpr char kGridStep[] = "GridStep";
constexpr char kGridSubStep[] = "GridSubStep";
constexpr char kPictureFolder[] = "_background";

using SkipReason = CConsoleReadReport::SkipReason;

// What the readers of one file share.
struct CReadContext
{
    CConsoleData &console;
    QString pictureFolder;
    CConsoleReadReport *report;

    void Skipped(SkipReason reason, const CXmlNode &element, const CCtrl__Base *group) const
    {
        if (report)
            report->skipped.push_back({reason, element.Name() ? element.Name() : "", group});
    }
};

// A group's own binding sets ("Group0", "Group1", ...) lie among its contained controls;
// the group reads them itself.
bool IsBindingSetTag(const char *tag)
{
    constexpr std::string_view prefix = "Group";
    const std::string_view name(tag ? tag : "");
    return name.size() > prefix.size() && name.starts_with(prefix) &&
           std::all_of(name.begin() + prefix.size(), name.end(), [](char c) { return c >= '0' && c <= '9'; });
}

void ReportError(const QString &path, const QString &text)
{
    korvane::ReportFileMessage(MessageSeverity::Error, path, korvane::Word(korvane::word::kErrorCaption), text);
}

// The file's tree, or null (with the reason reported) when it cannot be read or parsed.
std::unique_ptr<CXmlNode> ParseConsoleFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ReportError(path, QStringLiteral("The file cannot be read: %1.").arg(file.errorString()));
        return nullptr;
    }
    const QByteArray bytes = file.readAll();
    std::unique_ptr<CXmlNode> root = korvane::ParseXml(bytes.constData(), std::size_t(bytes.size()));
    if (!root)
        ReportError(path, QStringLiteral("The file is not a well-formed console file."));
    return root;
}

// Warns about a foreign header; false when the version is not ours.
bool CheckRoot(const CXmlNode &root, const QString &path)
{
    const char *author = root.GetAttribute(kAuthorKey);
    if (!author || std::strcmp(author, kAuthor) != 0) {
        korvane::ReportFileMessage(MessageSeverity::Warning, path, korvane::Word(korvane::word::kErrorCaption),
                                   korvane::Word(korvane::word::kWrongFileHeader));
    }
    const char *version = root.GetAttribute(kVersionKey);
    if (!version || std::strcmp(version, kVersion) != 0) {
        ReportError(path, korvane::Word(korvane::word::kWrongFileVersion));
        return false;
    }
    return true;
}

bool IsStandardConsoleFolder(const QString &folder, const QString &appFolder)
{
    const QString standard = QFileInfo(korvane::CAppFolders(appFolder).ConsoleFolder()).absoluteFilePath();
    return QDir::cleanPath(folder).compare(QDir::cleanPath(standard), Qt::CaseInsensitive) == 0;
}

void ReadSettings(const CXmlNode &root, CConsoleSettings &settings)
{
    settings.width = root.GetAttributeInt(kWidth, 0);
    settings.height = root.GetAttributeInt(kHeight, 0);
    root.GetAttributeColor(kBackground, &settings.background);
    settings.transparentBackground = root.GetAttributeBool(kTransparentBackground, false);
    settings.snapToGrid = root.GetAttributeInt(kSnapToGrid, 1) == 1;
    root.GetAttributeColor(kGridColor, &settings.gridColor);
    settings.gridStep = root.GetAttributeInt(kGridStep, 100);
    settings.gridSubStep = root.GetAttributeInt(kGridSubStep, 20);
}

void ReadElement(CReadContext &context, const CXmlNode &element, CCtrl__Base *parent);

// Null, and reported, when the factory could not make the control.
CCtrl__Base *AddControl(CReadContext &context, std::unique_ptr<CCtrl__Base> control, const CXmlNode &element,
                        const CCtrl__Base *parent)
{
    if (!control) {
        context.Skipped(SkipReason::kNotBuilt, element, parent);
        return nullptr;
    }
    return context.console.AddControl(std::move(control));
}

// A group joins the list before the controls it holds. Without its design it has no pages,
// so the controls inside it are not read.
void ReadGroup(CReadContext &context, const CXmlNode &element, int kind)
{
    CCtrl__Base *group =
        AddControl(context, CreateControl(kind, &context.console, &element, nullptr), element, nullptr);
    if (!group)
        return;
    for (const CXmlNode *child = element.FirstChild(); child; child = child->NextSibling()) {
        if (group->Design())
            ReadElement(context, *child, group);
        else if (!IsBindingSetTag(child->Name()))
            context.Skipped(SkipReason::kInGroupWithoutDesign, *child, group);
    }
}

// One child of the root or of a group; elements of any other name are skipped with all
// they hold.
void ReadElement(CReadContext &context, const CXmlNode &element, CCtrl__Base *parent)
{
    const int kind = KindOfTag(element.Name());
    if (kind < 0) {
        if (!parent || !IsBindingSetTag(element.Name()))
            context.Skipped(SkipReason::kUnknownTag, element, parent);
        return;
    }
    if (kind == kCtrlBitmap) {
        context.console.AddPicture(
            std::make_unique<CCtrl_Bitmap>(&context.console, &element, context.pictureFolder));
    } else if (kind == kCtrlGroupButtons || kind == kCtrlGroupIncDec) {
        ReadGroup(context, element, kind);
    } else {
        AddControl(context, CreateControl(kind, &context.console, &element, parent), element, parent);
    }
}

} // namespace

namespace {

// Reads the bytes of `bytesPath` as the console file `path`: its designs and pictures are
// those beside `path`.
bool ReadConsoleBytesAs(CConsoleData &console, const QString &bytesPath, const QString &path,
                        const QString &appFolder, CConsoleReadReport *report)
{
    std::unique_ptr<CXmlNode> root;
    if (QFileInfo::exists(bytesPath)) {
        root = ParseConsoleFile(bytesPath);
        if (!root || !CheckRoot(*root, bytesPath))
            return false;
    }
    console.SetFilePath(path);
    // A console never saved lies, for its designs and pictures, in the console folder.
    const QString folder = path.isEmpty() ? korvane::CAppFolders(appFolder).ConsoleFolder()
                                          : QFileInfo(path).absolutePath();
    // Consoles of the application's own folder use the design library only.
    if (!IsStandardConsoleFolder(folder, appFolder))
        FillConsoleDesignList(console.Designs(), path);
    if (!root)
        return true;

    ReadSettings(*root, console.settings);
    CReadContext context{console, korvane::ResolvePathNoCase(folder, QLatin1String(kPictureFolder)), report};
    for (const CXmlNode *child = root->FirstChild(); child; child = child->NextSibling())
        ReadElement(context, *child, nullptr);
    return true;
}

} // namespace

bool ReadConsoleFile(CConsoleData &console, const QString &path, const QString &appFolder,
                     CConsoleReadReport *report)
{
    return ReadConsoleBytesAs(console, path, path, appFolder, report);
}

bool ReadConsoleFileAs(CConsoleData &console, const QString &bytesPath, const QString &path, const QString &appFolder)
{
    return ReadConsoleBytesAs(console, bytesPath, path, appFolder, nullptr);
}

std::string ConsoleFileBytes(const CConsoleData &console)
{
    const CConsoleSettings &settings = console.settings;
    CXmlNode root(kRootElement);
    root.AddAttribute(kAuthorKey, kAuthor);
    root.AddAttribute(kVersionKey, kVersion);
    root.AddAttributeInt(kWidth, settings.width);
    root.AddAttributeInt(kHeight, settings.height);
    root.AddAttributeColor(kBackground, settings.background);
    root.AddAttributeBool(kTransparentBackground, settings.transparentBackground);
    root.AddAttributeBool(kSnapToGrid, settings.snapToGrid);
    root.AddAttributeColor(kGridColor, settings.gridColor);
    root.AddAttributeInt(kGridStep, settings.gridStep);
    root.AddAttributeInt(kGridSubStep, settings.gridSubStep);
    for (const std::unique_ptr<CCtrl_Bitmap> &picture : console.Pictures())
        picture->SaveXml(root, console.Controls());
    // Contained controls are written inside their group's element.
    for (const std::unique_ptr<CCtrl__Base> &control : console.Controls()) {
        if (!control->ParentGroup())
            control->SaveXml(root, console.Controls());
    }
    std::string bytes;
    korvane::SaveXmlString(bytes, root);
    return bytes;
}

bool WriteConsoleFile(const CConsoleData &console, const QString &path, QString *error)
{
    const std::string bytes = ConsoleFileBytes(console);
    return korvane::SaveFileSafely(path, bytes, error);
}

} // namespace dataConsole
