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
struct KeepProcessState
{
    KeepProcessState()
    {
        for (std::size_t i = 0; i < kSignals.size(); ++i)
            sigaction(kSignals[i], nullptr, &actions[i]);
    }
    ~KeepProcessState()
    {
        QDir::setCurrent(folder);
        for (std::size_t i = 0; i < kSignals.size(); ++i)
            sigaction(kSignals[i], &actions[i], nullptr);
    }

    static constexpr std::array<int, 5> kSignals{SIGSEGV, SIGABRT, SIGFPE, SIGILL, SIGBUS};
    const QString folder = QDir::currentPath();
    std::array<struct sigaction, kSignals.size()> actions{};
};

} // namespace

TEST(GuiCommandLineTest, OptionsFilesAndLanguage)
{
    struct Case
    {
        QStringList arguments;
        QString appFolder;
        QString file;
        std::optional<int> language;
    };
    const Case cases[] = {
        {{"korvane", "--open", "a.csl2"}, {}, "/start/a.csl2", std::nullopt},
        {{"korvane", "--open=../x/b.csl2"}, {}, "/x/b.csl2", std::nullopt},
        {{"korvane", "--open", "/abs/c.csl2", "--app-folder", "/k"}, "/k", "/abs/c.csl2", std::nullopt},
        {{"korvane", "-lang=12", "--app-folder=/k"}, "/k", {}, 12},
        {{"korvane", "named.csl2"}, {}, {}, std::nullopt},
        {{"korvane", "-lang", "/x/-style", "--", "--open", "y.csl2"}, {}, {}, 0},
        {{"korvane", "-lang=4", "--open"}, {}, {}, 4}, // "--open %f" from a menu, no file
        {{"korvane", "--open="}, {}, {}, std::nullopt},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.arguments.join(u' ').toStdString());
        const GuiCommandLine line = korvane::ParseGuiCommandLine(c.arguments, QStringLiteral("/start"));
        EXPECT_EQ(line.appFolderOption, c.appFolder);
        EXPECT_EQ(line.fileToOpen, c.file);
        EXPECT_EQ(line.language, c.language);
        EXPECT_TRUE(line.error.isEmpty()) << line.error.toStdString();
    }
    for (const char *wrong : {"--app-folder", "--app-folder=", "--opener"})
        EXPECT_FALSE(korvane::ParseGuiCommandLine({"korvane", wrong}, QStringLiteral("/start")).error.isEmpty())
            << wrong;
}

TEST(GuiCommandLineTest, OpenHandsTheFileToTheInstanceOnTheFolderElseTheFolderIsPrepared)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const KeepProcessState keep;
    const QString file = QDir::current().absoluteFilePath(QStringLiteral("desk.csl2"));
    const QStringList arguments{"korvane", "--app-folder", folder.path(), "--open", "desk.csl2"};
    // The hand-over goes to a channel that answers on this thread.
    const auto start = [&] { return korvane::test::WhileRunningEvents([&] { return korvane::StartGui(arguments); }); };
    {
        QStringList received;
        CInstanceChannel running(folder.path());
        QString refusal;
        running.SetRequestHandler([&](const QString &path) {
            received << path;
            return refusal;
        });
        ASSERT_TRUE(running.Listen());
        EXPECT_EQ(start().exitCode, 0);
        EXPECT_EQ(received, QStringList({file}));
        // A file the running editor refuses: the second start says so and fails.
        refusal = QStringLiteral("desk.csl2: Wrong file version!");
        EXPECT_EQ(start().exitCode, 1);
        EXPECT_FALSE(QFileInfo::exists(folder.filePath(QStringLiteral("crashes")))) << "a hand-over prepares nothing";
    }

    const korvane::GuiStart prepared = start();
    EXPECT_FALSE(prepared.exitCode.has_value());
    EXPECT_TRUE(QFileInfo(folder.filePath(QStringLiteral("crashes/Lumbrel"))).isDir());
    ASSERT_NE(prepared.instanceChannel, nullptr);
    EXPECT_EQ(prepared.instanceChannel->ServerName(), CInstanceChannel(folder.path()).ServerName());
    EXPECT_FALSE(prepared.instanceChannel->IsListening()) << "main listens once it can open files";

    EXPECT_EQ(korvane::StartGui({"korvane", "--help"}).exitCode, 0);
    EXPECT_EQ(korvane::StartGui({"korvane", "--bogus"}).exitCode, 2);
}
