// The editor's command line, and the start-up steps that come before its window.
#include "shell/gui_command_line.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <array>
#include <csignal>

#include "test_support.h"

using korvane::CInstanceChannel;
using korvane::GuiCommandLine;

namespace {

// StartGui moves into the application folder and installs the crash handler: both are put back.
class KeepProcessState
{
public:
    KeepProcessState() : m_folder(QDir::currentPath())
    {
        for (std::size_t i = 0; i < kSignals.size(); ++i)
            sigaction(kSignals[i], nullptr, &m_actions[i]);
    }
    ~KeepProcessState()
    {
        QDir::setCurrent(m_folder);
        for (std::size_t i = 0; i < kSignals.size(); ++i)
            sigaction(kSignals[i], &m_actions[i], nullptr);
    }

private:
    static constexpr std::array<int, 5> kSignals{SIGSEGV, SIGABRT, SIGFPE, SIGILL, SIGBUS};
    QString m_folder;
    std::array<struct sigaction, kSignals.size()> m_actions{};
};

// StartGui may hand the file over to a channel that answers on this thread.
korvane::GuiStart StartWhileRunningEvents(const QStringList &arguments)
{
    return korvane::test::WhileRunningEvents([&] { return korvane::StartGui(arguments); });
}

} // namespace

TEST(GuiCommandLineTest, OptionsFilesAndLanguage)
{
    struct Case
    {
        QStringList arguments;
        QString appFolder;
        QString file;
        std::optional<int> language;
        bool help;
        bool error;
    };
    const QString k = QStringLiteral("korvane");
    const Case cases[] = {
        {{k}, {}, {}, std::nullopt, false, false},
        {{k, "--open", "a.csl2"}, {}, "/start/a.csl2", std::nullopt, false, false},
        {{k, "--open=../x/b.csl2"}, {}, "/x/b.csl2", std::nullopt, false, false},
        {{k, "--open", "/abs/c.csl2", "--app-folder", "/k"}, "/k", "/abs/c.csl2", std::nullopt, false, false},
        {{k, "-lang=12", "--app-folder=/k"}, "/k", {}, 12, false, false},
        {{k, "named.csl2"}, {}, {}, std::nullopt, false, false},
        {{k, "-lang", "/x/-style", "--", "--open", "y.csl2"}, {}, {}, 0, false, false},
        {{k, "--help"}, {}, {}, std::nullopt, true, false},
        {{k, "-lang=4", "--open"}, {}, {}, 4, false, false}, // "--open %f" from a menu, no file
        {{k, "--open="}, {}, {}, std::nullopt, false, false},
        {{k, "--app-folder"}, {}, {}, std::nullopt, false, true},
        {{k, "--app-folder="}, {}, {}, std::nullopt, false, true},
        {{k, "--opener", "z.csl2"}, {}, {}, std::nullopt, false, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.arguments.join(u' ').toStdString());
        const GuiCommandLine line = korvane::ParseGuiCommandLine(c.arguments, QStringLiteral("/start"));
        EXPECT_EQ(line.appFolderOption, c.appFolder);
        EXPECT_EQ(line.fileToOpen, c.file);
        EXPECT_EQ(line.language, c.language);
        EXPECT_EQ(line.helpRequested, c.help);
        EXPECT_EQ(!line.error.isEmpty(), c.error) << line.error.toStdString();
    }
}

TEST(GuiCommandLineTest, OpenHandsTheFileToTheInstanceRunningOnTheFolder)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    CInstanceChannel running(folder.path());
    QStringList received;
    QObject::connect(&running, &CInstanceChannel::openRequested, [&](const QString &path) { received << path; });
    ASSERT_TRUE(running.Listen());

    const KeepProcessState keep;
    const korvane::GuiStart start = StartWhileRunningEvents(
        {QStringLiteral("korvane"), QStringLiteral("--app-folder"), folder.path(), QStringLiteral("--open"),
         QStringLiteral("desk.csl2")});
    EXPECT_EQ(start.exitCode, 0);
    EXPECT_EQ(received, QStringList({QDir::current().absoluteFilePath(QStringLiteral("desk.csl2"))}));
    EXPECT_FALSE(QFileInfo::exists(folder.filePath(QStringLiteral("crashes")))) << "a hand-over prepares nothing";
}

TEST(GuiCommandLineTest, WithoutARunningInstanceTheFolderIsPreparedAndTheFileKept)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString started = QDir::currentPath();
    const KeepProcessState keep;
    const korvane::GuiStart start = StartWhileRunningEvents(
        {QStringLiteral("korvane"), QStringLiteral("--app-folder"), folder.path(), QStringLiteral("--open"),
         QStringLiteral("desk.csl2"), QStringLiteral("-lang=3")});

    EXPECT_FALSE(start.exitCode.has_value());
    EXPECT_EQ(QFileInfo(start.appFolder).canonicalFilePath(), QFileInfo(folder.path()).canonicalFilePath());
    EXPECT_EQ(QFileInfo(QDir::currentPath()).canonicalFilePath(), QFileInfo(folder.path()).canonicalFilePath());
    EXPECT_TRUE(QFileInfo(folder.filePath(QStringLiteral("crashes/Lumbrel"))).isDir());
    EXPECT_EQ(start.commandLine.fileToOpen, started + QStringLiteral("/desk.csl2"));
    EXPECT_EQ(start.commandLine.language, 3);
    ASSERT_NE(start.instanceChannel, nullptr);
    EXPECT_EQ(start.instanceChannel->ServerName(), CInstanceChannel(folder.path()).ServerName());
    EXPECT_FALSE(start.instanceChannel->IsListening()) << "main listens once it can open files";
}

TEST(GuiCommandLineTest, HelpAndUsageErrorsEndAtOnce)
{
    const KeepProcessState keep;
    EXPECT_EQ(korvane::StartGui({QStringLiteral("korvane"), QStringLiteral("--help")}).exitCode, 0);
    const korvane::GuiStart wrong = korvane::StartGui({QStringLiteral("korvane"), QStringLiteral("--bogus")});
    EXPECT_EQ(wrong.exitCode, 2);
    EXPECT_EQ(wrong.instanceChannel, nullptr);
}
