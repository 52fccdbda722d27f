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

// XDG_DATA_HOME pointed at a temporary folder for the test's length, and a bundle to copy.
class FirstRunTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dataHome.isValid() && m_bundle.isValid());
        m_hadPrevious = qEnvironmentVariableIsSet("XDG_DATA_HOME");
        m_previous = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", m_dataHome.path().toLocal8Bit());
        WriteText(Bundle("_Common/console/Band Gig.csl2"), "<CSL2/>");
        WriteText(Bundle("_Common/console/_ccd/fader.ccd"), "<config_control_design/>");
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
    QString DefaultFolder() const { return korvane::DefaultAppFolder(korvane::CurrentAppFolderSources({})); }

    QTemporaryDir m_dataHome;
    QTemporaryDir m_bundle;
    QByteArray m_previous;
    bool m_hadPrevious = false;
};

} // namespace

TEST_F(FirstRunTest, TheDefaultFolderGetsTheBundleOnceKeepingWhatTheUserHas)
{
    const QString folder = DefaultFolder();
    EXPECT_EQ(folder, QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Korvane"));
    EXPECT_EQ(korvane::ResolveAppFolder(korvane::CurrentAppFolderSources({})), folder);
    EXPECT_FALSE(PrepareUserDataFolder(folder, m_bundle.path() + "/missing"));
    EXPECT_FALSE(QFileInfo::exists(folder)) << "without a bundle nothing happens";

    // The bundle goes into the folders as the user spelled them, and overwrites nothing.
    WriteText(Bundle("_Common/Styles/quenta/Themes.ini"), "bundled");
    WriteText(folder + "/_COMMON/styles/quenta/Themes.ini", "mine");
    ASSERT_TRUE(PrepareUserDataFolder(folder, m_bundle.path()));
    EXPECT_EQ(ReadBytes(folder + "/_COMMON/styles/quenta/Themes.ini"), "mine");
    EXPECT_EQ(ReadBytes(folder + "/_COMMON/console/_ccd/fader.ccd"), "<config_control_design/>");
    EXPECT_TRUE(QFileInfo(folder + "/_COMMON/console/Band Gig.csl2").isWritable()) << "the user's copy can be saved";
    EXPECT_EQ(QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList({QStringLiteral("_COMMON")}));

    // Once it holds consoles, in whatever letter case, it is the user's: nothing comes back.
    ASSERT_TRUE(QFile::remove(folder + "/_COMMON/console/_ccd/fader.ccd"));
    EXPECT_FALSE(PrepareUserDataFolder(folder, m_bundle.path()));
    EXPECT_FALSE(QFileInfo::exists(folder + "/_COMMON/console/_ccd/fader.ccd"));
    QTemporaryDir other;
    ASSERT_TRUE(QDir().mkpath(other.filePath("_common/Console")));
    EXPECT_FALSE(PrepareUserDataFolder(other.path(), m_bundle.path()));
}
