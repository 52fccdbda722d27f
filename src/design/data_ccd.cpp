// Reading and writing control design files: the file's header, the order of its parts, and
// what every part shares.
#include "design/data_ccd.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstring>

#include "core/file_messages.h"
#include "core/folders.h"
#include "core/save_file.h"
#include "core/text_codec.h"
#include "core/word_ids.h"
#include "core/words.h"
#include "design/ccd_file_format.h"
#include "xml/xml_node.h"

namespace dataConsole {

using namespace ccdFile;
using korvane::LoadXmlFile;
using korvane::SaveXmlString;

namespace {

constexpr char kRootElement[] = "config_control_design";
constexpr char kAuthorKey[] = "Author";
constexpr char kVersionKey[] = "Version";
constexpr char kAuthor[] = "orlen";
constexpr char kVersion[] = "1.0";

void CreateName(ImageName &name)
{
    if (!name)
        name.emplace();
}

QString FolderWithSlash(const QString &folder)
{
    return folder.endsWith(u'/') ? folder : folder + u'/';
}

// A foreign author is only a warning; another version refuses the file.
bool AcceptHeader(const CXmlNode &root, const QString &path)
{
    const char *author = root.GetAttribute(kAuthorKey);
    if (!author || std::strcmp(author, kAuthor) != 0) {
        korvane::ReportFileMessage(korvane::MessageSeverity::Warning, path,
                                   korvane::Word(korvane::word::kErrorCaption),
                                   korvane::Word(korvane::word::kWrongFileHeader));
    }
    const char *version = root.GetAttribute(kVersionKey);
    if (!version || std::strcmp(version, kVersion) != 0) {
        korvane::ReportFileMessage(korvane::MessageSeverity::Error, path, korvane::Word(korvane::word::kErrorCaption),
                                   korvane::Word(korvane::word::kWrongFileVersion));
        return false;
    }
    return true;
}

// Each part from its element, when the file has one.
void LoadParts(CDataCCD &design, const CXmlNode &root, const CImageFolders &folders)
{
    if (const CXmlNode *element = root.FindChild(kRotaryElement))
        design.rotary.Load(element, folders);
    if (const CXmlNode *element = root.FindChild(kSliderVertElement))
        design.sliderVert.Load(element, true, folders);
    if (const CXmlNode *element = root.FindChild(kSliderHorzElement))
        design.sliderHorz.Load(element, false, folders);
    if (const CXmlNode *element = root.FindChild(kButtonElement))
        design.button.Load(element, folders);
    if (const CXmlNode *element = root.FindChild(kWheelElement))
        design.wheel.Load(element, folders);
    if (const CXmlNode *element = root.FindChild(kIncDecElement))
        design.groupIncDec.Load(element, folders);
    if (const CXmlNode *element = root.FindChild(kGroupButtonsElement))
        design.groupButtons.Load(element, folders);
}

} // namespace

CImageFolders ccdFile::FoldersOf(const QString &appFolder, const QString &designFolder)
{
    const QString library = FolderWithSlash(korvane::CAppFolders(appFolder).DesignFolder());
    if (designFolder.isEmpty())
        return {library, QString()};
    return {FolderWithSlash(korvane::ResolvePathNoCase(appFolder, designFolder)), library};
}

// ---- the parts' common work ----

bool CDataCCD::CCtrlBase::Save(CXmlNode *) const
{
    return true;
}

void CDataCCD::CCtrlBase::Load(const CXmlNode *element, const CImageFolders &)
{
    if (element)
        m_present = true;
}

void CDataCCD::CCtrlBase::LoadImageKey(const CXmlNode &element, const char *key, unsigned id, int count,
                                       ImageName &name, const CImageFolders &folders)
{
    const char *file = element.GetAttribute(key);
    if (!file)
        return;
    if (name)
        *name = file;
    m_owner->LoadImage(id, count, file, folders);
}

void CDataCCD::CCtrlBase::SetImageFile(unsigned id, int count, ImageName &name, const QString &folder,
                                       const std::string &file)
{
    if (name)
        *name = file;
    m_owner->m_images.LoadImageFile(korvane::ResolvePathNoCase(folder, korvane::FromFileText(file)), id, count);
}

// ---- the design ----

CDataCCD::CDataCCD() = default;

void CDataCCD::AllocateNames()
{
    CreateName(button.onName);
    CreateName(button.offName);
    CreateName(rotary.dialName);
    CreateName(rotary.cursorName);
    for (CSlider *slider : {&sliderHorz, &sliderVert}) {
        CreateName(slider->backgroundName);
        CreateName(slider->cursorName);
    }
    CreateName(wheel.backgroundName);
    CreateName(wheel.stripName);
    CreateName(groupIncDec.backgroundName);
    CreateName(groupIncDec.displayName);
    CreateName(groupIncDec.decOffName);
    CreateName(groupIncDec.decOnName);
    CreateName(groupIncDec.incOffName);
    CreateName(groupIncDec.incOnName);
    CreateName(groupButtons.backgroundName);
}

bool CDataCCD::LoadImage(unsigned id, int count, const std::string &file, const CImageFolders &folders)
{
    const QString name = korvane::FromFileText(file);
    if (m_images.LoadImageFile(korvane::ResolvePathNoCase(folders.primary, name), id, count))
        return true;
    if (!folders.fallback.isEmpty()
        && m_images.LoadImageFile(korvane::ResolvePathNoCase(folders.fallback, name), id, count))
        return true;
    if (!name.isEmpty() && !m_missingImages.contains(name))
        m_missingImages.append(name);
    return false;
}

bool CDataCCD::Load(const QString &appFolder, const QString &fileName, const QString &designFolder)
{
    const CImageFolders folders = FoldersOf(appFolder, designFolder);
    return LoadFile(korvane::ResolvePathNoCase(folders.primary, fileName), folders);
}

bool CDataCCD::LoadFile(const QString &path, const CImageFolders &folders)
{
    const QFileInfo info(path);
    if (!info.exists())
        return false;
    m_name = info.fileName();
    m_missingImages.clear();

    const std::unique_ptr<CXmlNode> root = LoadXmlFile(QFile::encodeName(path).toStdString());
    if (!root) {
        korvane::ReportFileMessage(korvane::MessageSeverity::Error, path, korvane::Word(korvane::word::kErrorCaption),
                                   QStringLiteral("The file is not a well-formed design file."));
        return false;
    }
    if (!AcceptHeader(*root, path))
        return false;
    LoadParts(*this, *root, folders);
    return true;
}

std::string CDataCCD::SaveToString() const
{
    CXmlNode root(kRootElement);
    root.AddAttribute(kAuthorKey, kAuthor);
    root.AddAttribute(kVersionKey, kVersion);
    rotary.Save(&root);
    sliderVert.Save(&root, true);
    sliderHorz.Save(&root, false);
    button.Save(&root);
    wheel.Save(&root);
    groupIncDec.Save(&root);
    groupButtons.Save(&root);
    std::string bytes;
    SaveXmlString(bytes, root);
    return bytes;
}

bool CDataCCD::WriteFile(const QString &path, QString *error) const
{
    return korvane::SaveFileSafely(path, SaveToString(), error);
}

bool CDataCCD::Save(const QString &folder, const QString &fileName) const
{
    // Written by path: the process's current folder is never changed.
    WriteFile(QDir(folder).filePath(fileName));
    return true;
}

void CDataCCD::ResetToDefault()
{
    m_name = QString::fromLatin1(kDefaultDesignName);
    button.Reset();
    groupButtons.Reset();
    groupIncDec.Reset();
    sliderHorz.Reset();
    sliderVert.Reset();
    rotary.Reset();
    wheel.Reset();
}

bool CDataCCD::MatchesName(const QString &fileName) const
{
    return m_name.toUpper() == fileName.toUpper();
}

QSize CDataCCD::MaxImageSize(std::initializer_list<unsigned> ids) const
{
    QSize size(0, 0);
    for (unsigned id : ids)
        size = MaxSize(size, m_images.ImageSize(id));
    return size;
}

} // namespace dataConsole
