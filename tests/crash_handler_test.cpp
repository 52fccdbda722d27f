// Crash reports written by a process that dies of a fatal signal.
#include "shell/crash_handler.h"

#include <QDir>
#include <QTemporaryDir>

#include <csignal>
#include <string>

#include <spawn.h>
#include <sys/wait.h>

#include "test_support.h"

extern char **environ;

namespace {

// Runs the helper in a process of its own and returns the signal it died of, or 0 if none.
int RunHelper(const QString &appFolder, const char *how, int number)
{
    const std::string folder = appFolder.toStdString();
    const std::string numberText = std::to_string(number);
    char *const argv[] = {const_cast<char *>(CRASH_HELPER), const_cast<char *>(folder.c_str()),
                          const_cast<char *>(how), const_cast<char *>(numberText.c_str()), nullptr};
    pid_t pid = 0;
    int status = 0;
    if (posix_spawn(&pid, CRASH_HELPER, nullptr, nullptr, argv, environ) != 0 || waitpid(pid, &status, 0) != pid)
        return 0;
    return WIFSIGNALED(status) ? WTERMSIG(status) : 0;
}

QFileInfoList Reports(const QString &appFolder)
{
    return QDir(appFolder + QStringLiteral("/crashes/Lumbrel")).entryInfoList(QDir::Files);
}

} // namespace

TEST(CrashHandlerTest, AFatalSignalLeavesAReportAndStillKills)
{
    struct Case
    {
        const char *how;
        int signal;
        const char *name;
        const char *frame; // a function the backtrace must show
    };
    const char *die = "KorvaneCrashHelperDie";
    const Case cases[] = {
        {"raise", SIGSEGV, "SIGSEGV", die}, {"raise", SIGABRT, "SIGABRT", die}, {"raise", SIGFPE, "SIGFPE", die},
        {"raise", SIGILL, "SIGILL", die},   {"raise", SIGBUS, "SIGBUS", die},   {"fault", SIGSEGV, "SIGSEGV", die},
        {"overflow", SIGSEGV, "SIGSEGV", "KorvaneCrashHelperRecurse"}, // from the alternate stack
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.how) + " " + c.name);
        QTemporaryDir folder;
        ASSERT_TRUE(folder.isValid());
        EXPECT_EQ(RunHelper(folder.path(), c.how, c.signal), c.signal);

        const QFileInfoList reports = Reports(folder.path());
        ASSERT_EQ(reports.size(), 1);
        const QString name = reports.first().fileName();
        EXPECT_TRUE(name.startsWith(QStringLiteral("korvane-crash-"))) << name.toStdString();
        const QString report = QString::fromStdString(korvane::test::ReadBytes(reports.first().filePath()));
        for (const QString &line : {QStringLiteral("product: Korvane\n"), QStringLiteral("version: Oct 26 2022\n"),
                                    QStringLiteral("build: 22.1026.9634.1069\n"),
                                    QStringLiteral("signal: %1 (%2)\n").arg(c.signal).arg(QLatin1String(c.name))})
            EXPECT_TRUE(report.contains(line)) << line.toStdString() << "in\n" << report.toStdString();
        EXPECT_EQ(report.contains(QStringLiteral("address: 0x")), std::string(c.how) != "raise");
        EXPECT_EQ(report.contains(QStringLiteral("address: 0x10\n")), std::string(c.how) == "fault");
        EXPECT_TRUE(report.section("backtrace:\n", 1).contains(QLatin1String(c.frame))) << report.toStdString();
    }
}

TEST(CrashHandlerTest, TheReportGoesIntoTheCrashFolderAsItIsSpelled)
{
    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    const QString missing = temp.filePath(QStringLiteral("new/app"));
    EXPECT_EQ(RunHelper(missing, "raise", SIGSEGV), SIGSEGV);
    EXPECT_EQ(Reports(missing).size(), 1) << "the folders are made when missing";

    const QString copied = temp.filePath(QStringLiteral("copied"));
    ASSERT_TRUE(QDir().mkpath(copied + QStringLiteral("/CRASHES/lumbrel")));
    EXPECT_EQ(RunHelper(copied, "raise", SIGABRT), SIGABRT);
    EXPECT_EQ(QDir(copied + QStringLiteral("/CRASHES/lumbrel")).entryList(QDir::Files).size(), 1);
    EXPECT_EQ(QDir(copied).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList({QStringLiteral("CRASHES")}));
}
