// korvane-cli as a user runs it: exit codes, messages, and files written or left alone.
#include "test_support.h"

using namespace korvane::test;

namespace {

// Every refused input of resave exits 1 naming the file, and leaves the output as it was.
void ExpectRefusedByResave(const QStringList &appOption, const QStringList &refused, const QString &output)
{
    const std::string before = ReadBytes(output);
    for (const QString &input : refused) {
        const CliRun run = RunCli(appOption + QStringList{QStringLiteral("resave"), input, output});
        EXPECT_EQ(run.exitCode, 1) << input.toStdString();
        EXPECT_TRUE(run.err.contains(input)) << run.err.toStdString();
        EXPECT_EQ(QFile::exists(output), !before.empty());
        EXPECT_EQ(ReadBytes(output), before);
    }
    // The first is refused for its version.
    EXPECT_TRUE(RunCli(appOption + QStringList{QStringLiteral("resave"), refused[0], output})
                    .err.contains(QStringLiteral("error: Wrong file version!")));
}

} // namespace

TEST(Cli, XmlRoundTrip)
{
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("in.xml"));
    const QString out = dir.filePath(QStringLiteral("out.xml"));
    WriteText(in, "<CSL2 version='2'>\n<Ctrl x=\"1\"></Ctrl><b/></CSL2>");

    CliRun run = RunCli({QStringLiteral("xml-roundtrip"), in, out});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(ReadBytes(out), Lines({"<CSL2 version=\"2\">", "  <Ctrl x=\"1\"></Ctrl>", "  <b />", "</CSL2>"}));

    // Refused input: the reason names the file, and nothing is written.
    const QString bad = dir.filePath(QStringLiteral("bad.xml"));
    const QString untouched = dir.filePath(QStringLiteral("untouched.xml"));
    WriteText(bad, "<a><b></a>");
    run = RunCli({QStringLiteral("xml-roundtrip"), bad, untouched});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.startsWith(QStringLiteral("korvane-cli: cannot read ") + bad + QStringLiteral(": ")))
        << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(untouched));

    run = RunCli({QStringLiteral("xml-roundtrip"), dir.filePath(QStringLiteral("missing.xml")), untouched});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("missing.xml"))) << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(untouched));

    WriteText(bad, "");
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
    QTemporaryDir work;
    WriteImage(work.filePath(QStringLiteral("off.png")), {24, 16});
    WriteImage(app.filePath(QStringLiteral("_Common/console/_ccd/Dial.png")), {32, 32}); // found by the fallback

    // Older keys in, current keys out; names are kept, images come from both folders.
    const QString in = work.filePath(QStringLiteral("in.ccd"));
    WriteText(in, DesignFile("<Button ico=\"off.png\"/><RotSlider ico=\"dial.png\" ImageCursor=\"gone.png\"/>"));
    const QString out = work.filePath(QStringLiteral("out.ccd"));
    const QStringList appOption{QStringLiteral("--app-folder"), app.path()};
    CliRun run = RunCli(appOption + QStringList{QStringLiteral("resave"), in, out});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(ReadBytes(out), Lines({"<config_control_design Author=\"orlen\" Version=\"1.0\">",
                                     "  <RotSlider Image=\"dial.png\" ImageCursor=\"gone.png\" angle_min=\"225\""
                                     " angle_max=\"315\" rayon=\"10\" mode_angle=\"1\" />",
                                     "  <Button ImageOff=\"off.png\" ImageOn=\"\" />", "</config_control_design>"}));

    // Check lists the parts and what is missing.
    const QString wrongAuthor = work.filePath(QStringLiteral("author.ccd"));
    WriteText(wrongAuthor, "<config_control_design Version=\"1.0\"/>");
    run = RunCli(appOption + QStringList{QStringLiteral("check"), in, wrongAuthor});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    for (const QString &line : {in + QStringLiteral(": RotSlider 32x32\n"), in + QStringLiteral(": Button 24x16\n"),
                                in + QStringLiteral(": missing image: gone.png\n"), wrongAuthor + QStringLiteral(": no parts")})
        EXPECT_TRUE(run.out.contains(line)) << run.out.toStdString();
    EXPECT_TRUE(run.err.contains(wrongAuthor + QStringLiteral(": warning: Wrong file header!"))) << run.err.toStdString();

    // Refused designs: the reason on stderr, nothing written, and check goes on past them.
    const QString version = work.filePath(QStringLiteral("version.ccd"));
    WriteText(version, "<config_control_design Author=\"orlen\" Version=\"9\"/>");
    const QString broken = work.filePath(QStringLiteral("broken.ccd"));
    WriteText(broken, "<config_control_design");
    ExpectRefusedByResave(appOption, {version, broken, work.filePath(QStringLiteral("missing.ccd"))},
                          work.filePath(QStringLiteral("untouched.ccd")));
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
    WriteImage(library + QStringLiteral("dial.png"), {48, 48});
    WriteImage(show.filePath(QStringLiteral("_ccd/pg.png")), {100, 50});
    WriteImage(show.filePath(QStringLiteral("_background/Stage.png")), {32, 16});
    WriteText(library + QStringLiteral("Knob.ccd"), DesignFile("<RotSlider Image=\"dial.png\"/>"));
    WriteText(show.filePath(QStringLiteral("_ccd/Pages.ccd")),
              DesignFile("<GroupButtons Background=\"pg.png\"><Button cx=\"50\" cy=\"50\"/>"
                         "<Button x=\"50\" cx=\"50\" cy=\"50\"/></GroupButtons>"));

    // The designs of the library and of the console's own folder, and the picture beside it:
    // every size and name is taken from them, every missing attribute from the file's defaults.
    const QString in = show.filePath(QStringLiteral("in.csl2"));
    WriteText(in, "<CSL2 Author=\"orlen\" Version=\"1.0\" cx=\"320\" cy=\"200\">"
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
    EXPECT_EQ(ReadBytes(out), expected.toStdString());
    const QString again = show.filePath(QStringLiteral("again.CSL2"));
    EXPECT_EQ(RunCli(appOption + QStringList{QStringLiteral("resave"), out, again}).exitCode, 0);
    EXPECT_EQ(ReadBytes(again), expected.toStdString());

    // A foreign header is a warning; the console is still written.
    WriteText(in, "<CSL2 Author=\"someone\" Version=\"1.0\"/>");
    run = RunCli(appOption + QStringList{QStringLiteral("resave"), in, out});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.err.contains(in + QStringLiteral(": warning: Wrong file header!"))) << run.err.toStdString();
    EXPECT_TRUE(ReadBytes(out).starts_with("<CSL2 Author=\"orlen\" Version=\"1.0\" cx=\"0\" cy=\"0\""));

    // Refused consoles: the reason on stderr, and the output left as it was.
    const QString untouched = show.filePath(QStringLiteral("untouched.csl2"));
    WriteText(untouched, "old");
    const QString version = show.filePath(QStringLiteral("version.csl2"));
    WriteText(version, "<CSL2 Author=\"orlen\" Version=\"1.0.0\"><Button/></CSL2>");
    const QString broken = show.filePath(QStringLiteral("broken.csl2"));
    WriteText(broken, "<CSL2 Author=\"orlen\" Version=\"1.0\"><Button>");
    ExpectRefusedByResave(appOption, {version, broken, show.filePath(QStringLiteral("missing.csl2"))}, untouched);

    run = RunCli(appOption + QStringList{QStringLiteral("resave"), out, show.filePath(QStringLiteral("no/dir/x.csl2"))});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("cannot write"))) << run.err.toStdString();
}

TEST(Cli, RenderConsole)
{
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("stage.csl2"));
    const QString out = dir.filePath(QStringLiteral("stage.png"));
    WriteText(in, "<CSL2 Author=\"orlen\" Version=\"1.0\" cx=\"301\" cy=\"101\" color_back=\"#0A141E\" "
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
    WriteText(bad, "<CSL2 Author=\"orlen\" Version=\"2.0\"></CSL2>");
    run = RunCli({QStringLiteral("render"), bad, none});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_FALSE(QFile::exists(none));
}

// check on consoles: each finding as one line on stdout, none for a console that reads as
// its author meant, and exit 1 only for refused files.
TEST(Cli, ConsoleCheck)
{
    QTemporaryDir app;
    QTemporaryDir show;
    ASSERT_TRUE(QDir().mkpath(app.filePath(QStringLiteral("_Common/console/_ccd"))));
    ASSERT_TRUE(QDir().mkpath(show.filePath(QStringLiteral("_ccd"))));
    ASSERT_TRUE(QDir().mkpath(show.filePath(QStringLiteral("_background"))));
    const QByteArray twoPages = "<config_control_design Author=\"orlen\" Version=\"1.0\"><GroupButtons>"
                                "<Button cx=\"50\" cy=\"50\"/><Button x=\"50\" cx=\"50\" cy=\"50\"/>"
                                "</GroupButtons></config_control_design>";
    WriteText(app.filePath(QStringLiteral("_Common/console/_ccd/Pages.ccd")), twoPages);
    WriteText(show.filePath(QStringLiteral("_ccd/Steps.ccd")), twoPages);
    QImage image(20, 10, QImage::Format_ARGB32);
    image.fill(Qt::gray);
    ASSERT_TRUE(image.save(show.filePath(QStringLiteral("_background/Stage.png"))));
    const QByteArray root = "<CSL2 Author=\"orlen\" Version=\"1.0\" cx=\"300\" cy=\"200\">";
    const QStringList check{QStringLiteral("--app-folder"), app.path(), QStringLiteral("check")};

    // Designs from the library and from beside the console, the picture beside it, a group's
    // own binding sets, one message on two pages of the same group or on another channel.
    const QString clean = show.filePath(QStringLiteral("clean.CSL2"));
    WriteText(clean, root + "<Bitmap name=\"stage.png\"/>"
                            "<GroupButtons control_file_draw=\"PAGES.ccd\" cx=\"100\" cy=\"50\">"
                            "<Group1><MIDI command=\"4\"/></Group1>"
                            "<LinearSliderVert y=\"60\" cx=\"30\" cy=\"100\"><Group0><MIDI command=\"5\"/></Group0>"
                            "<Group1><MIDI command=\"6\"/></Group1></LinearSliderVert>"
                            "<RotSlider x=\"40\" y=\"60\" cx=\"60\" cy=\"60\"><Group0><MIDI command=\"6\"/></Group0>"
                            "<Group1><MIDI command=\"5\"/></Group1></RotSlider></GroupButtons>"
                            "<GroupButtons control_file_draw=\"steps.ccd\" x=\"150\" cx=\"100\" cy=\"50\"/>"
                            "<Button x=\"200\" y=\"100\" cx=\"80\" cy=\"40\"><Group0><MIDI command=\"5\" channel=\"1\"/>"
                            "</Group0></Button></CSL2>");
    CliRun run = RunCli(check + QStringList{clean});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out.toStdString(), "");

    // Top-level controls meet every page; pages of two groups meet whatever their numbers.
    const QString faulty = show.filePath(QStringLiteral("faulty.csl2"));
    WriteText(faulty, root + "<Bitmap name=\"gone.png\" x=\"10\" y=\"150\"/><Slider/>"
                             "<Button x=\"250\" y=\"10\" cx=\"80\" cy=\"40\" control_file_draw=\"Nope.ccd\">"
                             "<Group0><MIDI command=\"7\" channel=\"0\" status=\"11\"/></Group0></Button>"
                             "<GroupButtons control_file_draw=\"pages.ccd\" cx=\"100\" cy=\"50\"><Knob/>"
                             "<LinearSliderVert x=\"10\" y=\"60\" cx=\"30\" cy=\"100\"><Group0><MIDI command=\"8\"/>"
                             "</Group0><Group1><MIDI command=\"7\" channel=\"0\" status=\"11\"/></Group1>"
                             "</LinearSliderVert></GroupButtons>"
                             "<GroupButtons control_file_draw=\"steps.ccd\" x=\"150\" cx=\"100\" cy=\"50\">"
                             "<RotSlider x=\"150\" y=\"60\" cx=\"60\" cy=\"60\"><Group1><MIDI command=\"8\"/></Group1>"
                             "</RotSlider></GroupButtons>"
                             "<GroupButtons control_file_draw=\"Lost.ccd\" x=\"150\" y=\"120\"><Group0/><Button/><Label/>"
                             "</GroupButtons><GroupButtons x=\"200\" y=\"150\"><Button/></GroupButtons></CSL2>");
    const QStringList findings{
        "element \"Slider\" skipped: not a control kind",
        "element \"Knob\" in GroupButtons at (0,0) skipped: not a control kind",
        "Button at (250,10): design \"Nope.ccd\" not found",
        "GroupButtons at (150,120): design \"Lost.ccd\" not found; the 2 elements inside it are not read and will "
        "be dropped when the console is saved",
        "GroupButtons at (200,150): no design; the element inside it is not read and will be dropped when the "
        "console is saved",
        "Bitmap at (10,150): picture \"gone.png\" not found",
        "Button at (250,10): its 80x40 rectangle is not inside the 300x200 console surface",
        "command 7, channel 0, status 11 bound twice: Group0 of Button at (250,10) and Group1 of LinearSliderVert "
        "at (10,60) in GroupButtons at (0,0)",
        "command 8, channel -1, status -1 bound twice: Group0 of LinearSliderVert at (10,60) in GroupButtons at "
        "(0,0) and Group1 of RotSlider at (150,60) in GroupButtons at (150,0)",
    };
    QString expected;
    for (const QString &finding : findings)
        expected += faulty + QStringLiteral(": warning: ") + finding + u'\n';
    run = RunCli(check + QStringList{faulty, clean});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out.toStdString(), expected.toStdString());

    // Refused consoles give exit 1 and the reason on stderr; check goes on past them.
    const QString version = show.filePath(QStringLiteral("version.csl2"));
    WriteText(version, "<CSL2 Author=\"orlen\" Version=\"1.0.0\"><Slider/></CSL2>");
    const QString broken = show.filePath(QStringLiteral("broken.csl2"));
    WriteText(broken, root);
    for (const QString &refused : {version, broken, show.filePath(QStringLiteral("missing.csl2"))}) {
        run = RunCli(check + QStringList{refused, faulty});
        EXPECT_EQ(run.exitCode, 1) << refused.toStdString();
        EXPECT_TRUE(run.err.contains(refused)) << run.err.toStdString();
        EXPECT_EQ(run.out, expected);
    }
}

// render and xml-roundtrip write their output whole or not at all: a folder that cannot take
// it, or an input that gives no output, leaves the folder as it was, temporary files included.
TEST(Cli, OutputsAreWholeOrAbsent)
{
    QTemporaryDir dir;
    const QStringList app{QStringLiteral("--app-folder"), dir.path()};
    const auto consoleOfSize = [&](const char *name, const QByteArray &size) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        WriteText(path, "<CSL2 Author=\"orlen\" Version=\"1.0\" " + size + "/>");
        return path;
    };
    const QString console = consoleOfSize("in.csl2", "cx=\"40\" cy=\"30\"");
    const QString xml = dir.filePath(QStringLiteral("in.xml"));
    WriteText(xml, "<a x=\"1\"><b/></a>");
    const QStringList render = app + QStringList{QStringLiteral("render")};
    const QStringList roundTrip{QStringLiteral("xml-roundtrip")};
    const QString notAFolder = dir.filePath(QStringLiteral("plain-file"));
    WriteText(notAFolder, "x");
    const auto listing = [&] { return QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System); };
    const QStringList before = listing();

    for (const QString &folder : {dir.filePath(QStringLiteral("no-such-folder")), notAFolder}) {
        const QString out = folder + QStringLiteral("/out");
        for (const QStringList &command : {render + QStringList{console, out}, roundTrip + QStringList{xml, out}}) {
            const CliRun run = RunCli(command);
            EXPECT_EQ(run.exitCode, 1) << command.join(u' ').toStdString();
            EXPECT_TRUE(run.err.startsWith(QStringLiteral("korvane-cli: cannot write ") + out + QStringLiteral(": ")))
                << run.err.toStdString();
        }
    }
    EXPECT_EQ(listing(), before);

    // A render with no image to give (an empty surface, a surface no image can hold) and a
    // refused document leave an earlier output byte for byte.
    const QString out = dir.filePath(QStringLiteral("earlier.out"));
    WriteText(out, "earlier");
    const QString empty = consoleOfSize("empty.csl2", "cx=\"0\" cy=\"0\"");
    const QString huge = consoleOfSize("huge.csl2", "cx=\"2000000000\" cy=\"2000000000\"");
    const QString bad = dir.filePath(QStringLiteral("bad.xml"));
    WriteText(bad, "<a><b></a>");
    for (const QStringList &command : {render + QStringList{empty, out}, render + QStringList{huge, out},
                                       roundTrip + QStringList{bad, out}}) {
        const CliRun run = RunCli(command);
        EXPECT_EQ(run.exitCode, 1) << command.join(u' ').toStdString();
        EXPECT_TRUE(run.err.contains(command.at(command.size() - 2))) << run.err.toStdString();
        EXPECT_EQ(ReadBytes(out), "earlier");
    }
    // The same output is replaced once there is a whole one.
    EXPECT_EQ(RunCli(render + QStringList{console, out}).exitCode, 0);
    EXPECT_EQ(QImage(out, "PNG").size(), QSize(40, 30));
}
