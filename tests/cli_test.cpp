// korvane-cli as a user runs it: exit codes, messages, and files written or left alone.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {

struct CliRun
{
    int exitCode;
    QString out;
    QString err;
};

CliRun RunCli(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(KORVANE_CLI), arguments);
    process.waitForFinished(60000);
    return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

void WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray ReadFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST(Cli, XmlRoundTrip)
{
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("in.xml"));
    const QString out = dir.filePath(QStringLiteral("out.xml"));
    WriteFile(in, "<CSL2 version='2'>\n<Ctrl x=\"1\"></Ctrl><b/></CSL2>");

    CliRun run = RunCli({QStringLiteral("xml-roundtrip"), in, out});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(ReadFile(out), QByteArray("<CSL2 version=\"2\">\r\n  <Ctrl x=\"1\"></Ctrl>\r\n  <b />\r\n</CSL2>\r\n"));

    // Refused input: the reason names the file, and nothing is written.
    const QString bad = dir.filePath(QStringLiteral("bad.xml"));
    const QString untouched = dir.filePath(QStringLiteral("untouched.xml"));
    WriteFile(bad, "<a><b></a>");
    run = RunCli({QStringLiteral("xml-roundtrip"), bad, untouched});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.startsWith(QStringLiteral("korvane-cli: cannot read ") + bad + QStringLiteral(": ")))
        << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(untouched));

    run = RunCli({QStringLiteral("xml-roundtrip"), dir.filePath(QStringLiteral("missing.xml")), untouched});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("missing.xml"))) << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(untouched));

    WriteFile(bad, "");
    EXPECT_EQ(RunCli({QStringLiteral("xml-roundtrip"), bad, untouched}).exitCode, 1);
    EXPECT_FALSE(QFile::exists(untouched));
}

TEST(Cli, UsageErrors)
{
    const CliRun help = RunCli({QStringLiteral("--help")});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains(QStringLiteral("xml-roundtrip IN OUT")));

    for (const QStringList &arguments : {QStringList{}, QStringList{QStringLiteral("no-such-command")},
                                         QStringList{QStringLiteral("xml-roundtrip"), QStringLiteral("only-in")},
                                         QStringList{QStringLiteral("--no-such-option")}}) {
        const CliRun run = RunCli(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(u' ').toStdString();
        EXPECT_TRUE(run.err.contains(QStringLiteral("Usage:"))) << run.err.toStdString();
    }
}
