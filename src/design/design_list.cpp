#include "design/design_list.h"

#include <QDir>
#include <QFileInfo>

#include "core/folders.h"

namespace dataConsole {

namespace {

constexpr char kConsoleDesignFolder[] = "_ccd/";

// Every "*.ccd" in `folder`, any letter case: files made on Windows keep their own spelling.
QStringList DesignFilesIn(const QString &folder)
{
    QDir dir(folder);
    dir.setNameFilters({QStringLiteral("*.ccd")});
    dir.setFilter(QDir::Files | QDir::Readable); // no QDir::CaseSensitive: the filter ignores case
    dir.setSorting(QDir::Name);
    return dir.entryList();
}

void FillList(CDesignList &list, const QString &folder, const QString &appFolder, const QString &designFolder)
{
    for (const QString &file : DesignFilesIn(folder)) {
        auto design = std::make_unique<CDataCCD>();
        if (design->Load(appFolder, file, designFolder))
            list.push_back(std::move(design));
    }
}

} // namespace

void FillDesignLibrary(CDesignList &library, const QString &appFolder)
{
    FillList(library, korvane::CAppFolders(appFolder).DesignFolder(), appFolder, QString());
}

void FillConsoleDesignList(CDesignList &list, const QString &consolePath)
{
    const QString consoleFolder = QFileInfo(consolePath).absolutePath();
    FillList(list, korvane::ResolvePathNoCase(consoleFolder, QLatin1String(kConsoleDesignFolder)), consoleFolder,
             QLatin1String(kConsoleDesignFolder));
}

CDataCCD *FindDesign(const CDesignList &consoleList, const CDesignList &library, const QString &fileName)
{
    for (const CDesignList *list : {&consoleList, &library}) {
        for (const std::unique_ptr<CDataCCD> &design : *list) {
            if (design->MatchesName(fileName))
                return design.get();
        }
    }
    return nullptr;
}

CDataCCD *ResolveDesign(const CDesignList &consoleList, const CDesignList &library, QString &storedName)
{
    CDataCCD *design = FindDesign(consoleList, library, storedName);
    if (design)
        storedName = design->Name();
    return design;
}

} // namespace dataConsole
