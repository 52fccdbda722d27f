// korvane-cli as a user runs it: exit codes, messages, and files written or left alone.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
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
                                         QStringList{QStringLiteral("check")},
                                         QStringList{QStringLiteral("--no-such-option")}}) {
        const CliRun run = RunCli(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(u' ').toStdString();
        EXPECT_TRUE(run.err.contains(QStringLiteral("Usage:"))) << run.err.toStdString();
    }
}

TEST(Cli, DesignResaveAndCheck)
{
    QTemporaryDir app;
    const QString library = app.filePath(QStringLiteral("_Common/console/_ccd"));
    ASSERT_TRUE(QDir().mkpath(library));
    QTemporaryDir work;
    QImage image(24, 16, QImage::Format_ARGB32);
    image.fill(Qt::darkCyan);
    ASSERT_TRUE(image.save(work.filePath(QStringLiteral("off.png"))));
    ASSERT_TRUE(image.scaled(32, 32).save(library + QStringLiteral("/Dial.png"))); // found by the fallback

    // Older keys in, current keys out; names are kept, images come from both folders.
    const QString in = work.filePath(QStringLiteral("in.ccd"));
    WriteFile(in, "<config_control_design Author=\"orlen\" Version=\"1.0\">"
                  "<Button ico=\"off.png\"/><RotSlider ico=\"dial.png\" ImageCursor=\"gone.png\"/>"
                  "</config_control_design>");
    const QString out = work.filePath(QStringLiteral("out.ccd"));
    const QStringList appOption{QStringLiteral("--app-folder"), app.path()};
    CliRun run = RunCli(appOption + QStringList{QStringLiteral("resave"), in, out});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QByteArray expected = "<config_control_design Author=\"orlen\" Version=\"1.0\">\r\n"
                                "  <RotSlider Image=\"dial.png\" ImageCursor=\"gone.png\" angle_min=\"225\""
                                " angle_max=\"315\" rayon=\"10\" mode_angle=\"1\" />\r\n"
                                "  <Button ImageOff=\"off.png\" ImageOn=\"\" />\r\n"
                                "</config_control_design>\r\n";
    EXPECT_EQ(ReadFile(out), expected);

    // Check lists the parts and what is missing.
    const QString wrongAuthor = work.filePath(QStringLiteral("author.ccd"));
    WriteFile(wrongAuthor, "<config_control_design Version=\"1.0\"/>");
    run = RunCli(appOption + QStringList{QStringLiteral("check"), in, wrongAuthor});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains(in + QStringLiteral(": RotSlider 32x32\n"))) << run.out.toStdString();
    EXPECT_TRUE(run.out.contains(in + QStringLiteral(": Button 24x16\n"))) << run.out.toStdString();
    EXPECT_TRUE(run.out.contains(in + QStringLiteral(": missing image: gone.png\n"))) << run.out.toStdString();
    EXPECT_TRUE(run.out.contains(wrongAuthor + QStringLiteral(": no parts"))) << run.out.toStdString();
    EXPECT_TRUE(run.err.contains(wrongAuthor + QStringLiteral(": warning: Wrong file header!"))) << run.err.toStdString();

    // Refused designs: the reason on stderr, nothing written, and check goes on past them.
    const QString version = work.filePath(QStringLiteral("version.ccd"));
    WriteFile(version, "<config_control_design Author=\"orlen\" Version=\"9\"/>");
    const QString broken = work.filePath(QStringLiteral("broken.ccd"));
    WriteFile(broken, "<config_control_design");
    const QString untouched = work.filePath(QStringLiteral("untouched.ccd"));
    for (const QString &refused : {version, broken, work.filePath(QStringLiteral("missing.ccd"))}) {
        run = RunCli(appOption + QStringList{QStringLiteral("resave"), refused, untouched});
        EXPECT_EQ(run.exitCode, 1) << refused.toStdString();
        EXPECT_TRUE(run.err.contains(refused)) << run.err.toStdString();
        EXPECT_FALSE(QFile::exists(untouched));
    }
    EXPECT_TRUE(RunCli(appOption + QStringList{QStringLiteral("resave"), version, untouched})
                    .err.contains(QStringLiteral("error: Wrong file version!")));
    run = RunCli(appOption + QStringList{QStringLiteral("check"), version, in});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.contains(in + QStringLiteral(": Button"))) << run.out.toStdString();

    // An output that cannot be written is an error, not a silent success.
    run = RunCli(appOption + QStringList{QStringLiteral("resave"), in, work.filePath(QStringLiteral("no/dir/x.ccd"))});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("cannot write"))) << run.err.toStdString();
}

TEST(Cli, ConsoleResave)
{
    QTemporaryDir app;
    QTemporaryDir show;
    const QString library = app.filePath(QStringLiteral("_Common/console/_ccd/"));
    ASSERT_TRUE(QDir().mkpath(library));
    ASSERT_TRUE(QDir().mkpath(show.filePath(QStringLiteral("_ccd"))));
    ASSERT_TRUE(QDir().mkpath(show.filePath(QStringLiteral("_background"))));
    QImage image(48, 48, QImage::Format_ARGB32);
    image.fill(Qt::darkRed);
    ASSERT_TRUE(image.save(library + QStringLiteral("dial.png")));
    ASSERT_TRUE(image.scaled(100, 50).save(show.filePath(QStringLiteral("_ccd/pg.png"))));
    ASSERT_TRUE(image.scaled(32, 16).save(show.filePath(QStringLiteral("_background/Stage.png"))));
    WriteFile(library + QStringLiteral("Knob.ccd"), "<config_control_design Author=\"orlen\" Version=\"1.0\">"
                                                    "<RotSlider Image=\"dial.png\"/></config_control_design>");
    WriteFile(show.filePath(QStringLiteral("_ccd/Pages.ccd")),
              "<config_control_design Author=\"orlen\" Version=\"1.0\"><GroupButtons Background=\"pg.png\">"
              "<Button cx=\"50\" cy=\"50\"/><Button x=\"50\" cx=\"50\" cy=\"50\"/></GroupButtons>"
              "</config_control_design>");

    // The designs of the library and of the console's own folder, and the picture beside it:
    // every size and name is taken from them, every missing attribute from the file's defaults.
    const QString in = show.filePath(QStringLiteral("in.csl2"));
    WriteFile(in, "<CSL2 Author=\"orlen\" Version=\"1.0\" cx=\"320\" cy=\"200\">"
                  "<Bitmap name=\"stage.png\" x=\"4\"/><RotSlider control_file_draw=\"KNOB.CCD\" x=\"10\" y=\"20\"/>"
                  "<GroupButtons control_file_draw=\"pages.ccd\"><Label><Group1 label=\"B\"/></Label></GroupButtons>"
                  "</CSL2>");
    const QByteArray tail = "TextAlign=\"0\" TAlignX=\"2\" TAlignY=\"2\" info_x=\"0\" info_cx=\"0\" info_y=\"0\" "
                            "info_cy=\"0\" colorTxt=\"#323232\" sFontTxt=\"16\" bDrawCadre=\"1\" color=\"#808080\"";
    const QByteArray expected =
        "<CSL2 Author=\"orlen\" Version=\"1.0\" cx=\"320\" cy=\"200\" color_back=\"#505050\" "
        "TransparentBackground=\"0\" SnapMag=\"1\" GridColor=\"#757575\" GridStep=\"100\" GridSubStep=\"20\">\r\n"
        "  <Bitmap name=\"stage.png\" Lock=\"1\" x=\"4\" y=\"0\" cx=\"32\" cy=\"16\" ctrl_x=\"0\" ctrl_y=\"0\" "
        "ImageCx=\"32\" ImageCy=\"16\" control_file_draw=\"\" " + tail + " />\r\n"
        "  <RotSlider Lock=\"0\" x=\"10\" y=\"20\" cx=\"0\" cy=\"0\" ctrl_x=\"0\" ctrl_y=\"0\" ImageCx=\"48\" "
        "ImageCy=\"48\" control_file_draw=\"Knob.ccd\" " + tail + " />\r\n"
        "  <GroupButtons Lock=\"0\" x=\"0\" y=\"0\" cx=\"0\" cy=\"0\" ctrl_x=\"0\" ctrl_y=\"0\" ImageCx=\"100\" "
        "ImageCy=\"50\" control_file_draw=\"Pages.ccd\" " + tail + ">\r\n"
        "    <Label Lock=\"0\" x=\"0\" y=\"0\" cx=\"0\" cy=\"0\" ctrl_x=\"0\" ctrl_y=\"0\" ImageCx=\"80\" ImageCy=\"40\" "
        "control_file_draw=\"\" " + tail + ">\r\n"
        "      <Group1 label=\"B\" />\r\n"
        "    </Label>\r\n"
        "  </GroupButtons>\r\n"
        "</CSL2>\r\n";
    const QStringList appOption{QStringLiteral("--app-folder"), app.path()};
    const QString out = show.filePath(QStringLiteral("out.csl2"));
    CliRun run = RunCli(appOption + QStringList{QStringLiteral("resave"), in, out});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(ReadFile(out).toStdString(), expected.toStdString());
    const QString again = show.filePath(QStringLiteral("again.CSL2"));
    EXPECT_EQ(RunCli(appOption + QStringList{QStringLiteral("resave"), out, again}).exitCode, 0);
    EXPECT_EQ(ReadFile(again), expected);

    // A foreign header is a warning; the console is still written.
    WriteFile(in, "<CSL2 Author=\"someone\" Version=\"1.0\"/>");
    run = RunCli(appOption + QStringList{QStringLiteral("resave"), in, out});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.err.contains(in + QStringLiteral(": warning: Wrong file header!"))) << run.err.toStdString();
    EXPECT_TRUE(ReadFile(out).startsWith("<CSL2 Author=\"orlen\" Version=\"1.0\" cx=\"0\" cy=\"0\""));

    // Refused consoles: the reason on stderr, and the output left as it was.
    const QString untouched = show.filePath(QStringLiteral("untouched.csl2"));
    WriteFile(untouched, "old");
    const QString version = show.filePath(QStringLiteral("version.csl2"));
    WriteFile(version, "<CSL2 Author=\"orlen\" Version=\"1.0.0\"><Button/></CSL2>");
    const QString broken = show.filePath(QStringLiteral("broken.csl2"));
    WriteFile(broken, "<CSL2 Author=\"orlen\" Version=\"1.0\"><Button>");
    for (const QString &refused : {version, broken, show.filePath(QStringLiteral("missing.csl2"))}) {
        run = RunCli(appOption + QStringList{QStringLiteral("resave"), refused, untouched});
        EXPECT_EQ(run.exitCode, 1) << refused.toStdString();
        EXPECT_TRUE(run.err.contains(refused)) << run.err.toStdString();
        EXPECT_EQ(ReadFile(untouched), QByteArray("old"));
    }
    EXPECT_TRUE(RunCli(appOption + QStringList{QStringLiteral("resave"), version, untouched})
                    .err.contains(QStringLiteral("error: Wrong file version!")));

    run = RunCli(appOption + QStringList{QStringLiteral("resave"), out, show.filePath(QStringLiteral("no/dir/x.csl2"))});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("cannot write"))) << run.err.toStdString();
}

TEST(Cli, RenderConsole)
{
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("stage.csl2"));
    const QString out = dir.filePath(QStringLiteral("stage.png"));
    WriteFile(in, "<CSL2 Author=\"orlen\" Version=\"1.0\" cx=\"301\" cy=\"101\" color_back=\"#0A141E\" "
                  "TransparentBackground=\"0\"><Button x=\"150\" y=\"40\" cx=\"80\" cy=\"40\" /></CSL2>");

    CliRun run = RunCli({QStringLiteral("render"), QStringLiteral("--app-folder"), dir.path(), QStringLiteral("--zoom"),
                         QStringLiteral("0.5"), in, out});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QImage image(out);
    // The surface alone, 301 * 0.5 = 150.5 wide: no canvas margin around it.
    EXPECT_EQ(image.size(), QSize(150, 50));
    EXPECT_EQ(image.pixel(0, 0), qRgb(10, 20, 30));
    EXPECT_NE(image.pixel(95, 30), qRgb(10, 20, 30)); // the button at (75, 20) to (115, 40)

    // A zoom out of range is a usage error; a file that is not a console writes nothing.
    EXPECT_EQ(RunCli({QStringLiteral("render"), QStringLiteral("--zoom"), QStringLiteral("40"), in, out}).exitCode, 2);
    const QString bad = dir.filePath(QStringLiteral("bad.csl2"));
    const QString none = dir.filePath(QStringLiteral("none.png"));
    WriteFile(bad, "<CSL2 Author=\"orlen\" Version=\"2.0\"></CSL2>");
    run = RunCli({QStringLiteral("render"), bad, none});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_FALSE(QFile::exists(none));
}
