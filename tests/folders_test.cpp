// The application folder, its data folders, the command-line language and the recent files.
#include "core/folders.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <optional>
#include <utility>

#include "test_support.h"

using korvane::AppFolderSources;
using korvane::CAppFolders;
using korvane::CRecentFileList;
using korvane::FindEntryNoCase;
using korvane::ResolvePathNoCase;

TEST(FoldersTest, AppFolderComesFromTheFirstSourceThatApplies)
{
    QTemporaryDir withCommon;
    QTemporaryDir withoutCommon;
    ASSERT_TRUE(withCommon.isValid() && withoutCommon.isValid());
    ASSERT_TRUE(QDir(withCommon.path()).mkdir(QStringLiteral("_common")));
    const QString installed = withCommon.path();
    const QString bare = withoutCommon.path();

    struct Case
    {
        const char *what;
        AppFolderSources sources;
        QString expected;
    };
    const Case cases[] = {
        {"option first", {"/opt/k/", "/env", installed, "/xdg", "/home/u"}, "/opt/k"},
        {"then the variable", {"", "/env/dir/", installed, "/xdg", "/home/u"}, "/env/dir"},
        {"then an executable folder holding _Common", {"", "", installed + "/", "/xdg", "/home/u"}, installed},
        {"then the data home", {"", "", bare, "/xdg/", "/home/u"}, "/xdg/Korvane"},
        {"without one, under home", {"", "", bare, "", "/home/u"}, "/home/u/.local/share/Korvane"},
        {"no executable folder", {"", "", "", "", "/home/u/"}, "/home/u/.local/share/Korvane"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(korvane::ResolveAppFolder(c.sources), c.expected) << c.what;

    // The executable's folder loses the blanks before its separators.
    const std::pair<const char *, const char *> executableFolders[] = {
        {"/a  /b /c", "/a/b/c"}, {"/a   /b", "/a/b"}, {"/my folder/bin", "/my folder/bin"}, {"/a/b ", "/a/b "},
    };
    for (const auto &[given, expected] : executableFolders)
        EXPECT_EQ(korvane::CleanExecutableFolder(QLatin1String(given)), QLatin1String(expected)) << given;
}

TEST(FoldersTest, PrepareMakesTheFoldersAsAlreadySpelledAndEntersTheAppFolder)
{
    QTemporaryDir temp;
    QTemporaryDir copied;
    ASSERT_TRUE(temp.isValid() && copied.isValid());
    ASSERT_TRUE(QDir(copied.path()).mkpath(QStringLiteral("_COMMON/Console")));
    const QString previous = QDir::currentPath();
    const QString folder = korvane::PrepareAppFolder(temp.path());
    const QString current = QDir::currentPath();
    korvane::PrepareAppFolder(copied.path());
    QDir::setCurrent(previous);

    const QString canonical = QFileInfo(temp.path()).canonicalFilePath();
    EXPECT_EQ(QFileInfo(folder).canonicalFilePath(), canonical);
    EXPECT_EQ(QFileInfo(current).canonicalFilePath(), canonical);
    for (const char *path : {"crashes/Lumbrel", "_Common/console/_ccd", "_Common/console/_background"})
        EXPECT_TRUE(QFileInfo(temp.filePath(QLatin1String(path))).isDir()) << path;
    EXPECT_EQ(QDir(temp.filePath(QStringLiteral("_Common"))).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
              QStringList({QStringLiteral("console")}));

    // Folders copied from Windows keep their spelling; nothing is made beside them.
    EXPECT_TRUE(QFileInfo(copied.filePath(QStringLiteral("_COMMON/Console/_ccd"))).isDir());
    EXPECT_EQ(QDir(copied.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name),
              QStringList({QStringLiteral("_COMMON"), QStringLiteral("crashes")}));
}

TEST(FoldersTest, PathsAreFoundWithoutRegardToCase)
{
    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    const QString root = temp.path();
    for (const char *path : {"_COMMON/Console/_CCD", "_vellum/MyShow/#commonfile#/Files", "data", "Data"})
        ASSERT_TRUE(QDir(root).mkpath(QLatin1String(path))) << path;

    EXPECT_EQ(FindEntryNoCase(root, "_common"), root + "/_COMMON");
    EXPECT_EQ(FindEntryNoCase(root, "Data"), root + "/Data"); // exact match first
    EXPECT_EQ(FindEntryNoCase(root, "data"), root + "/data");
    EXPECT_EQ(FindEntryNoCase(root, "missing"), QString());

    EXPECT_EQ(ResolvePathNoCase(root + "/", "_common/CONSOLE/new.csl2"), root + "/_COMMON/Console/new.csl2");
    EXPECT_EQ(ResolvePathNoCase(root, "_Common/missing/_ccd"), root + "/_COMMON/missing/_ccd");
    // Names written by Windows tools carry backslashes.
    EXPECT_EQ(ResolvePathNoCase(root, "_common\\console\\_ccd"), root + "/_COMMON/Console/_CCD");

    const CAppFolders folders(root);
    EXPECT_EQ(folders.ConsoleFolder(), root + "/_COMMON/Console");
    EXPECT_EQ(folders.DesignFolder(), root + "/_COMMON/Console/_CCD");
    EXPECT_EQ(folders.DefaultBackgroundImage(), root + "/_COMMON/Console/_background/ER_bg.bmp");
    EXPECT_EQ(folders.ShowConsoleFolder(QStringLiteral("myshow")), root + "/_vellum/MyShow/#commonfile#/Files");
}

TEST(FoldersTest, LanguageOfTheCommandLine)
{
    // The switch is found anywhere as a plain substring, the highest number first.
    const std::pair<const char *, std::optional<int>> cases[] = {
        {"korvane", std::nullopt},         {"korvane -lang", 0},          {"korvane -lang=fr", 0},
        {"korvane --language", 0},         {"korvane -lang=18", 18},      {"korvane -lang=19", 1},
        {"korvane -lang=15", 15},          {"korvane -lang=3 -lang=12", 12}, {"korvane -lang=3 file.csl2", 3},
        {"korvane /x-lang=7y", 7},
    };
    for (const auto &[commandLine, language] : cases)
        EXPECT_EQ(korvane::LanguageFromCommandLine(QLatin1String(commandLine)), language) << commandLine;
}

TEST(FoldersTest, RecentFilesKeepTheNewestFourInTheSettingsOfTheirAppFolder)
{
    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, temp.path());
    {
        const auto settings = korvane::CreateAppSettings(QStringLiteral("/inst/one"));
        EXPECT_TRUE(settings->fileName().startsWith(temp.path())) << settings->fileName().toStdString();
        CRecentFileList recent(*settings);
        EXPECT_TRUE(recent.Files().isEmpty());
        for (const char *path : {"/a.csl2", "/b.csl2", "/c.csl2", "/d.csl2", "/e.csl2"})
            recent.Add(QLatin1String(path));
        EXPECT_EQ(recent.Files(), QStringList({"/e.csl2", "/d.csl2", "/c.csl2", "/b.csl2"}));
        recent.Add(QStringLiteral("/c.csl2"));
        EXPECT_EQ(recent.Files(), QStringList({"/c.csl2", "/e.csl2", "/d.csl2", "/b.csl2"}));
        recent.Remove(QStringLiteral("/d.csl2"));
    }
    // Read again through the same folder spelled otherwise; another folder has a list of its own.
    const auto sameFolder = korvane::CreateAppSettings(QStringLiteral("/inst/one/"));
    EXPECT_EQ(CRecentFileList(*sameFolder).Files(), QStringList({"/c.csl2", "/e.csl2", "/b.csl2"}));
    const auto other = korvane::CreateAppSettings(QStringLiteral("/inst/two"));
    EXPECT_TRUE(CRecentFileList(*other).Files().isEmpty());
}
