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

namespace {

bool IsDir(const QString &path)
{
    return QFileInfo(path).isDir();
}

QString Canonical(const QString &path)
{
    return QFileInfo(path).canonicalFilePath();
}

} // namespace

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
}

TEST(FoldersTest, BlanksBeforeSeparatorsAreDropped)
{
    const std::pair<const char *, const char *> cases[] = {
        {"/a  /b /c", "/a/b/c"},
        {"/a   /b", "/a/b"},
        {"/my folder/bin", "/my folder/bin"},
        {"/a/b ", "/a/b "},
    };
    for (const auto &[given, expected] : cases)
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

    EXPECT_EQ(Canonical(folder), Canonical(temp.path()));
    EXPECT_FALSE(folder.endsWith(u'/'));
    EXPECT_EQ(Canonical(current), Canonical(temp.path()));
    for (const char *path : {"crashes", "crashes/Lumbrel", "_Common/console/_ccd", "_Common/console/_background"})
        EXPECT_TRUE(IsDir(temp.filePath(QLatin1String(path)))) << path;
    EXPECT_EQ(QDir(temp.filePath(QStringLiteral("_Common"))).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
              QStringList({QStringLiteral("console")}));

    // Folders copied from Windows keep their spelling; nothing is made beside them.
    EXPECT_TRUE(IsDir(copied.filePath(QStringLiteral("_COMMON/Console/_ccd"))));
    QStringList topLevel = QDir(copied.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    topLevel.sort();
    EXPECT_EQ(topLevel, QStringList({QStringLiteral("_COMMON"), QStringLiteral("crashes")}));
}

TEST(FoldersTest, PathsAreFoundWithoutRegardToCase)
{
    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    const QString root = temp.path();
    QDir dir(root);
    ASSERT_TRUE(dir.mkpath(QStringLiteral("_COMMON/Console/_CCD")));
    ASSERT_TRUE(dir.mkpath(QStringLiteral("_vellum/MyShow/#commonfile#/Files")));
    ASSERT_TRUE(dir.mkpath(QStringLiteral("data")));
    ASSERT_TRUE(dir.mkpath(QStringLiteral("Data")));

    EXPECT_EQ(korvane::FindEntryNoCase(root, QStringLiteral("_common")), root + "/_COMMON");
    EXPECT_EQ(korvane::FindEntryNoCase(root, QStringLiteral("Data")), root + "/Data"); // exact match first
    EXPECT_EQ(korvane::FindEntryNoCase(root, QStringLiteral("data")), root + "/data");
    EXPECT_EQ(korvane::FindEntryNoCase(root, QStringLiteral("missing")), QString());

    EXPECT_EQ(korvane::ResolvePathNoCase(root + "/", QStringLiteral("_common/CONSOLE/new.csl2")),
              root + "/_COMMON/Console/new.csl2");
    EXPECT_EQ(korvane::ResolvePathNoCase(root, QStringLiteral("_Common/missing/_ccd")),
              root + "/_COMMON/missing/_ccd");
    // Names written by Windows tools carry backslashes.
    EXPECT_EQ(korvane::ResolvePathNoCase(root, QStringLiteral("_common\\console\\_ccd")),
              root + "/_COMMON/Console/_CCD");

    const CAppFolders folders(root);
    EXPECT_EQ(folders.ConsoleFolder(), root + "/_COMMON/Console");
    EXPECT_EQ(folders.DesignFolder(), root + "/_COMMON/Console/_CCD");
    EXPECT_EQ(folders.DefaultBackgroundImage(), root + "/_COMMON/Console/_background/ER_bg.bmp");
    EXPECT_EQ(folders.ShowConsoleFolder(QStringLiteral("myshow")), root + "/_vellum/MyShow/#commonfile#/Files");
}

TEST(FoldersTest, LanguageOfTheCommandLine)
{
    const std::pair<const char *, std::optional<int>> cases[] = {
        {"korvane", std::nullopt},
        {"korvane -lang", 0},
        {"korvane -lang=0", 0},
        {"korvane -lang=fr", 0},
        {"korvane -lang=12", 12},
        {"korvane -lang=18", 18},
        {"korvane -lang=19", 1},
        {"korvane -lang=15", 15},
        {"korvane -lang=3 -lang=12", 12},
        {"korvane -lang=3 file.csl2", 3},
        {"korvane /x-lang=7y", 7},
        {"korvane --language", 0},
    };
    for (const auto &[commandLine, language] : cases)
        EXPECT_EQ(korvane::LanguageFromCommandLine(QLatin1String(commandLine)), language) << commandLine;
}

TEST(FoldersTest, RecentFilesKeepTheNewestFour)
{
    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    const QString file = temp.filePath(QStringLiteral("recent.ini"));
    {
        QSettings settings(file, QSettings::IniFormat);
        CRecentFileList recent(settings);
        EXPECT_TRUE(recent.Files().isEmpty());
        for (const char *path : {"/a.csl2", "/b.csl2", "/c.csl2", "/d.csl2", "/e.csl2"})
            recent.Add(QLatin1String(path));
        EXPECT_EQ(recent.Files(), QStringList({"/e.csl2", "/d.csl2", "/c.csl2", "/b.csl2"}));
        recent.Add(QStringLiteral("/c.csl2"));
        EXPECT_EQ(recent.Files(), QStringList({"/c.csl2", "/e.csl2", "/d.csl2", "/b.csl2"}));
        recent.Remove(QStringLiteral("/d.csl2"));
    }
    QSettings reopened(file, QSettings::IniFormat);
    const CRecentFileList recent(reopened);
    EXPECT_EQ(recent.Files(), QStringList({"/c.csl2", "/e.csl2", "/b.csl2"}));
}

TEST(FoldersTest, EachAppFolderHasItsOwnSettings)
{
    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, temp.path());

    const auto one = korvane::CreateAppSettings(QStringLiteral("/inst/one"));
    EXPECT_TRUE(one->fileName().startsWith(temp.path())) << one->fileName().toStdString();
    CRecentFileList(*one).Add(QStringLiteral("/x.csl2"));

    const auto sameFolder = korvane::CreateAppSettings(QStringLiteral("/inst/one/"));
    EXPECT_EQ(CRecentFileList(*sameFolder).Files(), QStringList({"/x.csl2"}));
    const auto other = korvane::CreateAppSettings(QStringLiteral("/inst/two"));
    EXPECT_TRUE(CRecentFileList(*other).Files().isEmpty());
}
