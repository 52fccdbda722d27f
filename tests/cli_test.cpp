// korvane-cli as a user runs it: exit codes, messages, and files written or left alone.
#include "test_support.h"

using namespace korvane::test;

namespace {

// Writes `text` as `name` in `dir` and returns the file's path.
QString Written(const QTemporaryDir &dir, const char *name, const QByteArray &text)
{
    const QString path = dir.filePath(QString::fromLatin1(name));
    WriteText(path, text);
    return path;
}

} // namespace

TEST(Cli, XmlRoundTrip)
{
    QTemporaryDir dir;
    const QString in = Written(dir, "in.xml", "<CSL2 version='2'>\n<Ctrl x=\"1\"></Ctrl><b/></CSL2>");
    const QString out = dir.filePath(QStringLiteral("out.xml"));
    const std::string expected = Lines({"<CSL2 version=\"2\">", "  <Ctrl x=\"1\"></Ctrl>", "  <b />", "</CSL2>"});
    CliRun run = RunCli({QStringLiteral("xml-roundtrip"), in, out});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(ReadBytes(out), expected);

    // Refused input, broken, empty or missing: the reason names the file, and the earlier
    // output stays as it was.
    for (const QString &input : {Written(dir, "bad.xml", "<a><b></a>"), Written(dir, "empty.xml", ""),
                                 dir.filePath(QStringLiteral("missing.xml"))}) {
        run = RunCli({QStringLiteral("xml-roundtrip"), input, out});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.err.startsWith(QStringLiteral("korvane-cli: cannot read ") + input + QStringLiteral(": ")))
            << run.err.toStdString();
        EXPECT_EQ(ReadBytes(out), expected);
    }
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
    const QString in = Written(work, "in.ccd", DesignFile("<Button ico=\"off.png\"/>"
                                                          "<RotSlider ico=\"dial.png\" ImageCursor=\"gone.png\"/>"));
    const QString out = work.filePath(QStringLiteral("out.ccd"));
    const QStringList appOption{QStringLiteral("--app-folder"), app.path()};
    CliRun run = RunCli(appOption + QStringList{QStringLiteral("resave"), in, out});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(ReadBytes(out), Lines({"<config_control_design Author=\"orlen\" Version=\"1.0\">",
                                     "  <RotSlider Image=\"dial.png\" ImageCursor=\"gone.png\" angle_min=\"225\""
                                     " angle_max=\"315\" rayon=\"10\" mode_angle=\"1\" />",
                                     "  <Button ImageOff=\"off.png\" ImageOn=\"\" />", "</config_control_design>"}));

    // Check lists the parts and what is missing; a foreign header is a warning, and a refused
    // design gives exit 1 without stopping the rest.
    const QString wrongAuthor = Written(work, "author.ccd", "<config_control_design Version=\"1.0\"/>");
    const QString version = Written(work, "version.ccd", "<config_control_design Author=\"orlen\" Version=\"9\"/>");
    run = RunCli(appOption + QStringList{QStringLiteral("check"), version, in, wrongAuthor});
    EXPECT_EQ(run.exitCode, 1);
    for (const QString &line : {in + QStringLiteral(": RotSlider 32x32\n"), in + QStringLiteral(": Button 24x16\n"),
                                in + QStringLiteral(": missing image: gone.png\n"),
                                wrongAuthor + QStringLiteral(": no parts")})
        EXPECT_TRUE(run.out.contains(line)) << run.out.toStdString();
    for (const QString &line : {wrongAuthor + QStringLiteral(": warning: Wrong file header!"),
                                version + QStringLiteral(": error: Wrong file version!")})
        EXPECT_TRUE(run.err.contains(line)) << run.err.toStdString();

    // Refused designs: exit 1, the reason naming the file, and nothing written.
    const QString untouched = work.filePath(QStringLiteral("untouched.ccd"));
    for (const QString &input : {version, Written(work, "broken.ccd", "<config_control_design"),
                                 work.filePath(QStringLiteral("missing.ccd"))}) {
        run = RunCli(appOption + QStringList{QStringLiteral("resave"), input, untouched});
        EXPECT_EQ(run.exitCode, 1) << input.toStdString();
        EXPECT_TRUE(run.err.contains(input)) << run.err.toStdString();
        EXPECT_FALSE(QFile::exists(untouched));
    }
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
    Written(show, "_ccd/Pages.ccd", DesignFile("<GroupButtons Background=\"pg.png\"/>"));

    // Read as the editor opens it: sizes and names come from the library's design, the
    // console's own design and the picture beside it. (The bytes of every element are the
    // console file tests'.)
    const QString in = Written(show, "in.csl2", ConsoleFile("<Bitmap name=\"stage.png\" x=\"4\"/>"
                                                            "<GroupButtons control_file_draw=\"pages.ccd\"/>"
                                                            "<RotSlider control_file_draw=\"KNOB.CCD\"/>"));
    const QStringList appOption{QStringLiteral("--app-folder"), app.path()};
    const QString out = show.filePath(QStringLiteral("out.csl2"));
    const CliRun run = RunCli(appOption + QStringList{QStringLiteral("resave"), in, out});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const std::string written = ReadBytes(out);
    for (const char *part : {"<Bitmap name=\"stage.png\" Lock=\"1\" x=\"4\" y=\"0\" cx=\"32\" cy=\"16\"",
                             "ImageCx=\"48\" ImageCy=\"48\" control_file_draw=\"Knob.ccd\"",
                             "ImageCx=\"100\" ImageCy=\"50\" control_file_draw=\"Pages.ccd\""})
        EXPECT_NE(written.find(part), std::string::npos) << part << "\n" << written;
    // A refused console leaves the output as it was.
    const QString refused = Written(show, "refused.csl2", "<CSL2 Author=\"orlen\" Version=\"1.0.0\"/>");
    EXPECT_EQ(RunCli(appOption + QStringList{QStringLiteral("resave"), refused, out}).exitCode, 1);
    EXPECT_EQ(ReadBytes(out), written);
}

// render: the surface alone as a PNG, or no output at all.
TEST(Cli, RenderConsole)
{
    QTemporaryDir dir;
    const QStringList render{QStringLiteral("render"), QStringLiteral("--app-folder"), dir.path()};
    const QString out = Written(dir, "stage.png", "earlier");
    // No image to give (an empty surface, a surface no image can hold, a console refused for its
    // version or missing): exit 1 naming the input, and an earlier output left byte for byte.
    for (const QString &input :
         {Written(dir, "empty.csl2", "<CSL2 Author=\"orlen\" Version=\"1.0\" cx=\"0\" cy=\"0\"/>"),
          Written(dir, "huge.csl2", "<CSL2 Author=\"orlen\" Version=\"1.0\" cx=\"2000000000\" cy=\"2000000000\"/>"),
          Written(dir, "refused.csl2", "<CSL2 Author=\"orlen\" Version=\"2.0\"></CSL2>"),
          dir.filePath(QStringLiteral("missing.csl2"))}) {
        const CliRun run = RunCli(render + QStringList{input, out});
        EXPECT_EQ(run.exitCode, 1) << input.toStdString();
        EXPECT_TRUE(run.err.contains(input)) << run.err.toStdString();
        EXPECT_EQ(ReadBytes(out), "earlier");
    }

    // A whole image replaces it: the surface alone, 301 * 0.5 = 150.5 wide, no canvas margin.
    const QString in = Written(dir, "stage.csl2",
                               "<CSL2 Author=\"orlen\" Version=\"1.0\" cx=\"301\" cy=\"101\" color_back=\"#0A141E\" "
                               "TransparentBackground=\"0\"><Button x=\"150\" y=\"40\" cx=\"80\" cy=\"40\" /></CSL2>");
    const CliRun run = RunCli(render + QStringList{QStringLiteral("--zoom"), QStringLiteral("0.5"), in, out});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QImage image(out, "PNG");
    EXPECT_EQ(image.size(), QSize(150, 50));
    EXPECT_EQ(image.pixel(0, 0), qRgb(10, 20, 30));
    EXPECT_NE(image.pixel(95, 30), qRgb(10, 20, 30)); // the button at (75, 20) to (115, 40)

    // A zoom out of range is a usage error.
    EXPECT_EQ(RunCli(render + QStringList{QStringLiteral("--zoom"), QStringLiteral("40"), in, out}).exitCode, 2);
}

// check on consoles: each finding as one line on stdout, none for what reads as its author
// meant, and exit 1 only for refused files.
TEST(Cli, ConsoleCheck)
{
    QTemporaryDir app;
    QTemporaryDir show;
    const QByteArray twoPages =
        DesignFile("<GroupButtons><Button cx=\"50\" cy=\"50\"/><Button x=\"50\" cx=\"50\" cy=\"50\"/></GroupButtons>");
    WriteText(app.filePath(QStringLiteral("_Common/console/_ccd/Pages.ccd")), twoPages);
    Written(show, "_ccd/Steps.ccd", twoPages);
    WriteImage(show.filePath(QStringLiteral("_background/Stage.png")), {20, 10});
    const QByteArray root = "<CSL2 Author=\"orlen\" Version=\"1.0\" cx=\"300\" cy=\"200\">";
    const QStringList check{QStringLiteral("--app-folder"), app.path(), QStringLiteral("check")};

    // No finding for designs from the library and from beside the console, the picture beside
    // it, a group's own binding sets, one message on two pages of one group or on another
    // channel. Top-level controls meet every page; pages of two groups meet whatever their
    // numbers.
    const QString faulty = Written(
        show, "faulty.CSL2",
        root + "<Bitmap name=\"stage.png\"/><Bitmap name=\"gone.png\" x=\"10\" y=\"150\"/><Slider/>"
               "<Button x=\"250\" y=\"10\" cx=\"80\" cy=\"40\" control_file_draw=\"Nope.ccd\">"
               "<Group0><MIDI command=\"7\" channel=\"0\" status=\"11\"/></Group0></Button>"
               "<Button x=\"200\" y=\"100\" cx=\"80\" cy=\"40\"><Group0><MIDI command=\"6\" channel=\"1\"/>"
               "</Group0></Button><GroupButtons control_file_draw=\"pages.ccd\" cx=\"100\" cy=\"50\">"
               "<Group1><MIDI command=\"4\"/></Group1><Knob/>"
               "<LinearSliderVert x=\"10\" y=\"60\" cx=\"30\" cy=\"100\"><Group0><MIDI command=\"8\"/>"
               "</Group0><Group1><MIDI command=\"7\" channel=\"0\" status=\"11\"/></Group1></LinearSliderVert>"
               "<RotSlider x=\"40\" y=\"60\" cx=\"60\" cy=\"60\"><Group0><MIDI command=\"6\"/></Group0>"
               "<Group1><MIDI command=\"6\"/></Group1></RotSlider></GroupButtons>"
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

    // A refused console gives exit 1 and the reason on stderr, and check goes on past it.
    // (The other refusals are resave's, through the same reading.)
    const QString broken = Written(show, "broken.csl2", root);
    CliRun run = RunCli(check + QStringList{broken, faulty});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(broken)) << run.err.toStdString();
    EXPECT_EQ(run.out.toStdString(), expected.toStdString());
}

// Every command writes its output whole or not at all: a folder that cannot take it leaves
// the folder as it was, temporary files included.
TEST(Cli, OutputsAreWholeOrAbsent)
{
    QTemporaryDir dir;
    const QStringList app{QStringLiteral("--app-folder"), dir.path()};
    const QString console = Written(dir, "in.csl2", "<CSL2 Author=\"orlen\" Version=\"1.0\" cx=\"40\" cy=\"30\"/>");
    const QString design = Written(dir, "in.ccd", DesignFile(""));
    const QString xml = Written(dir, "in.xml", "<a x=\"1\"><b/></a>");
    const QString notAFolder = Written(dir, "plain-file", "x");
    const auto listing = [&] { return QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System); };
    const QStringList before = listing();

    for (const QString &folder : {dir.filePath(QStringLiteral("no-such-folder")), notAFolder}) {
        const QString out = folder + QStringLiteral("/out");
        for (const QStringList &command : {app + QStringList{QStringLiteral("render"), console, out},
                                           app + QStringList{QStringLiteral("resave"), console, out},
                                           app + QStringList{QStringLiteral("resave"), design, out},
                                           QStringList{QStringLiteral("xml-roundtrip"), xml, out}}) {
            const CliRun run = RunCli(command);
            EXPECT_EQ(run.exitCode, 1) << command.join(u' ').toStdString();
            EXPECT_TRUE(run.err.startsWith(QStringLiteral("korvane-cli: cannot write ") + out + QStringLiteral(": ")))
                << run.err.toStdString();
        }
    }
    EXPECT_EQ(listing(), before);
}
