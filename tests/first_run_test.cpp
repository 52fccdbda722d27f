// The first run fills the default application folder from the bundled sample folder.
#include "core/folders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "test_support.h"

using korvane::PrepareUserDataFolder;
using korvane::test::ReadBytes;
using korvane::test::WriteText;

namespace {

// XDG_DATA_HOME pointed at a temporary folder for the test's length.
class FirstRunTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dataHome.isValid() && m_bundle.isValid());
        m_previous = qgetenv("XDG_DATA_HOME");
        m_hadPrevious = qEnvironmentVariableIsSet("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", m_dataHome.path().toLocal8Bit());
        WriteText(Bundle("_Common/console/Band Gig.csl2"), "<CSL2/>");
        WriteText(Bundle("_Common/console/_ccd/fader.ccd"), "<config_control_design/>");
        WriteText(Bundle("_Common/console/_background/ER_bg.bmp"), "BM");
        QFile::setPermissions(Bundle("_Common/console/Band Gig.csl2"), QFile::ReadOwner | QFile::ReadOther);
    }
    void TearDown() override
    {
        if (m_hadPrevious)
            qputenv("XDG_DATA_HOME", m_previous);
        else
            qunsetenv("XDG_DATA_HOME");
    }

    QString Bundle(const char *relative) const { return m_bundle.filePath(QLatin1String(relative)); }
    QString BundleFolder() const { return m_bundle.path(); }
    QString DefaultFolder() const { return korvane::DefaultAppFolder(korvane::CurrentAppFolderSources({})); }

private:
    QTemporaryDir m_dataHome;
    QTemporaryDir m_bundle;
    QByteArray m_previous;
    bool m_hadPrevious = false;
};

} // namespace

TEST_F(FirstRunTest, AnEmptyDefaultFolderInTheUsersDataFolderGetsTheWholeBundleOnce)
{
    const QString folder = DefaultFolder();
    EXPECT_EQ(folder, QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Korvane"));
    EXPECT_TRUE(folder.startsWith(QString::fromLocal8Bit(qgetenv("XDG_DATA_HOME"))));
    EXPECT_EQ(korvane::ResolveAppFolder(korvane::CurrentAppFolderSources({})), folder);

    EXPECT_FALSE(PrepareUserDataFolder(folder, BundleFolder() + "/missing"));
    EXPECT_FALSE(QFileInfo::exists(folder)) << "without a bundle nothing happens";

    ASSERT_TRUE(PrepareUserDataFolder(folder, BundleFolder()));
    EXPECT_EQ(ReadBytes(folder + "/_Common/console/Band Gig.csl2"), "<CSL2/>");
    EXPECT_EQ(ReadBytes(folder + "/_Common/console/_ccd/fader.ccd"), "<config_control_design/>");
    EXPECT_EQ(ReadBytes(folder + "/_Common/console/_background/ER_bg.bmp"), "BM");
    EXPECT_TRUE(QFileInfo(folder + "/_Common/console/Band Gig.csl2").isWritable()) << "the user's copy can be saved";

    // Once it holds consoles, it is the user's: nothing comes back after a deletion.
    ASSERT_TRUE(QFile::remove(folder + "/_Common/console/_ccd/fader.ccd"));
    EXPECT_FALSE(PrepareUserDataFolder(folder, BundleFolder()));
    EXPECT_FALSE(QFileInfo::exists(folder + "/_Common/console/_ccd/fader.ccd"));
}

TEST_F(FirstRunTest, WhatTheUserAlreadyHasIsKeptInWhateverLetterCase)
{
    const QString folder = DefaultFolder();
    WriteText(Bundle("_Common/Styles/quenta/Themes.ini"), "bundled");
    WriteText(folder + "/_COMMON/styles/quenta/Themes.ini", "mine");
    ASSERT_TRUE(PrepareUserDataFolder(folder, BundleFolder()));
    EXPECT_EQ(ReadBytes(folder + "/_COMMON/styles/quenta/Themes.ini"), "mine");
    EXPECT_EQ(ReadBytes(folder + "/_COMMON/console/Band Gig.csl2"), "<CSL2/>") << "copied into the folders as spelled";
    EXPECT_EQ(QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList({QStringLiteral("_COMMON")}));

    // A console folder, in any letter case, is the user's data.
    QTemporaryDir other;
    ASSERT_TRUE(QDir().mkpath(other.filePath("_common/Console")));
    EXPECT_FALSE(PrepareUserDataFolder(other.path(), BundleFolder()));
    EXPECT_TRUE(QDir(other.filePath("_common/Console")).isEmpty());
}
