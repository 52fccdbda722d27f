// korvane-cli as a user runs it: exit codes, messages, and files written or left alone.
#include "test_support.h"

using namespace korvane::test;
using namespace Qt::StringLiterals;

namespace {

// Writes `text` as `name` in `dir` and returns the file's path.
QString Written(const QTemporaryDir &dir, const char *name, const QByteArray &text)
{
    const QString path = dir.filePath(QString::fromLatin1(name));
    WriteText(path, text);
    return path;
}

} // namespace

// An output written, then refused input for every command (broken, empty, missing, refused for its version, a
// console with no image to give): exit 1, the reason naming the file, and the earlier output as it was.
TEST(Cli, XmlRoundTripAndRefusedInputs)
{
    QTemporaryDir dir;
    const QString in = Written(dir, "in.xml", "<CSL2 version='2'>\n<Ctrl x=\"1\"></Ctrl><b/></CSL2>");
    const QString out = dir.filePath(u"out.xml"_s);
    const std::string expected = Lines({"<CSL2 version=\"2\">", "  <Ctrl x=\"1\"></Ctrl>", "  <b />", "</CSL2>"});
    CliRun run = RunCli({u"xml-roundtrip"_s, in, out});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(ReadBytes(out), expected);

    const QList<QStringList> refused{
        {u"xml-roundtrip"_s, Written(dir, "bad.xml", "<a><b></a>")},
        {u"xml-roundtrip"_s, Written(dir, "empty.xml", "")},
        {u"xml-roundtrip"_s, dir.filePath(u"missing.xml"_s)},
        {u"resave"_s, Written(dir, "version.ccd", "<config_control_design Author=\"orlen\" Version=\"9\"/>")},
        {u"resave"_s, Written(dir, "broken.ccd", "<config_control_design")},
        {u"resave"_s, dir.filePath(u"missing.ccd"_s)},
        {u"resave"_s, Written(dir, "refused.csl2", "<CSL2 Author=\"orlen\" Version=\"1.0.0\"/>")},
        {u"render"_s, Written(dir, "empty.csl2", "<CSL2 Author=\"orlen\" Version=\"1.0\" cx=\"0\" cy=\"0\"/>")},
        {u"render"_s,
         Written(dir, "huge.csl2", "<CSL2 Author=\"orlen\" Version=\"1.0\" cx=\"2000000000\" cy=\"2000000000\"/>")},
        {u"render"_s, dir.filePath(u"missing.csl2"_s)},
    };
    for (const QStringList &command : refused) {
        run = RunCli(QStringList{u"--app-folder"_s, dir.path()} + command + QStringList{out});
        EXPECT_EQ(run.exitCode, 1) << command.join(u' ').toStdString();
        EXPECT_TRUE(run.err.contains(command.last() + u": "_s)) << run.err.toStdString();
        EXPECT_EQ(ReadBytes(out), expected);
    }
}

TEST(Cli, UsageErrors)
{
    const CliRun help = RunCli({u"--help"_s});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains(u"xml-roundtrip IN OUT"_s));

    const QList<QStringList> usages{
        {}, {u"no-such-command"_s}, {u"xml-roundtrip"_s, u"only-in"_s}, {u"check"_s}, {u"--no-such-option"_s}};
    for (const QStringList &arguments : usages) {
        const CliRun run = RunCli(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(u' ').toStdString();
        EXPECT_TRUE(run.err.contains(u"Usage:"_s)) << run.err.toStdString();
    }
}

TEST(Cli, DesignResaveAndCheck)
{
    QTemporaryDir app;
    QTemporaryDir work;
    WriteImage(work.filePath(u"off.png"_s), {24, 16});
    WriteImage(app.filePath(u"_Common/console/_ccd/Dial.png"_s), {32, 32}); // found by the fallback

    // Older keys in, current keys out; names are kept, images come from both folders.
    const QString in = Written(work, "in.ccd", DesignFile("<Button ico=\"off.png\"/>"
                                                          "<RotSlider ico=\"dial.png\" ImageCursor=\"gone.png\"/>"));
    const QString out = work.filePath(u"out.ccd"_s);
    const QStringList appOption{u"--app-folder"_s, app.path()};
    CliRun run = RunCli(appOption + QStringList{u"resave"_s, in, out});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(ReadBytes(out), Lines({"<config_control_design Author=\"orlen\" Version=\"1.0\">",
                                     "  <RotSlider Image=\"dial.png\" ImageCursor=\"gone.png\" angle_min=\"225\""
                                     " angle_max=\"315\" rayon=\"10\" mode_angle=\"0\" />",
                                     "  <Button ImageOff=\"off.png\" ImageOn=\"\" />", "</config_control_design>"}));

    // Check lists the parts and what is missing; a foreign header is a warning, and a refused
    // design gives exit 1 without stopping the rest.
    const QString wrongAuthor = Written(work, "author.ccd", "<config_control_design Version=\"1.0\"/>");
    const QString version = Written(work, "version.ccd", "<config_control_design Author=\"orlen\" Version=\"9\"/>");
    run = RunCli(appOption + QStringList{u"check"_s, version, in, wrongAuthor});
    EXPECT_EQ(run.exitCode, 1);
    for (const QString &line : {in + u": RotSlider 32x32\n"_s, in + u": Button 24x16\n"_s,
                                in + u": missing image: gone.png\n"_s, wrongAuthor + u": no parts"_s})
        EXPECT_TRUE(run.out.contains(line)) << run.out.toStdString();
    for (const QString &line :
         {wrongAuthor + u": warning: Wrong file header!"_s, version + u": error: Wrong file version!"_s})
        EXPECT_TRUE(run.err.contains(line)) << run.err.toStdString();
}

// Consoles read as the editor opens them, with designs from the library and from beside the console and the
// picture beside it: resave writes them back, and check tells each finding as one line on stdout, none for what
// reads as its author meant. Both give exit 1 only for refused files.
TEST(Cli, ConsoleResaveAndCheck)
{
    QTemporaryDir app;
    QTemporaryDir show;
    const QString library = app.filePath(u"_Common/console/_ccd/"_s);
    const QByteArray pages = "<Button cx=\"50\" cy=\"50\"/><Button x=\"50\" cx=\"50\" cy=\"50\"/></GroupButtons>";
    WriteImage(library + u"dial.png"_s, {48, 48});
    WriteText(library + u"Knob.ccd"_s, DesignFile("<RotSlider Image=\"dial.png\"/>"));
    WriteText(library + u"Pages.ccd"_s, DesignFile("<GroupButtons>" + pages));
    WriteText(library + u"Empty.ccd"_s, DesignFile("<GroupIncDec/>"));
    WriteImage(show.filePath(u"_ccd/pg.png"_s), {100, 50});
    Written(show, "_ccd/Steps.ccd", DesignFile("<GroupButtons Background=\"pg.png\">" + pages));
    WriteImage(show.filePath(u"_background/Stage.png"_s), {32, 16});
    const QStringList appOption{u"--app-folder"_s, app.path()};

    // Sizes and names come from the designs and the picture. (The bytes of every element are
    // the console file tests'.)
    const QString in = Written(show, "in.csl2", ConsoleFile("<Bitmap name=\"stage.png\" x=\"4\"/>"
                                                            "<GroupButtons control_file_draw=\"steps.ccd\"/>"
                                                            "<RotSlider control_file_draw=\"KNOB.CCD\"/>"));
    const QString out = show.filePath(u"out.csl2"_s);
    CliRun run = RunCli(appOption + QStringList{u"resave"_s, in, out});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const std::string written = ReadBytes(out);
    for (const char *part : {"<Bitmap name=\"stage.png\" Lock=\"1\" x=\"4\" y=\"0\" cx=\"32\" cy=\"16\"",
                             "ImageCx=\"48\" ImageCy=\"48\" control_file_draw=\"Knob.ccd\"",
                             "ImageCx=\"100\" ImageCy=\"50\" control_file_draw=\"Steps.ccd\""})
        EXPECT_NE(written.find(part), std::string::npos) << part << "\n" << written;

    // No finding for the designs and the picture, a group's own binding sets, one message on
    // two pages of one group or on another channel. Top-level controls meet every page; pages
    // of two groups meet whatever their numbers.
    const QByteArray root = "<CSL2 Author=\"orlen\" Version=\"1.0\" cx=\"300\" cy=\"200\">";
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
               "</GroupButtons><GroupButtons x=\"200\" y=\"150\"><Button/></GroupButtons>"
               "<GroupIncDec control_file_draw=\"empty.ccd\" y=\"100\"><Button y=\"100\"/></GroupIncDec></CSL2>");
    const QStringList findings{
        "element \"Slider\" skipped: not a control kind",
        "element \"Knob\" in GroupButtons at (0,0) skipped: not a control kind",
        "Button at (250,10): design \"Nope.ccd\" not found",
        "GroupButtons at (150,120): design \"Lost.ccd\" not found; the 2 elements inside it are not read and will "
        "be dropped when the console is saved",
        "GroupButtons at (200,150): no design; the element inside it is not read and will be dropped when the "
        "console is saved",
        "GroupIncDec at (0,100): its design \"Empty.ccd\" gives it no pages; the control inside it shows on none",
        "Bitmap at (10,150): picture \"gone.png\" not found",
        "Button at (250,10): its 80x40 rectangle is not inside the 300x200 console surface",
        "command 7, channel 0, status 11 bound twice: Group0 of Button at (250,10) and Group1 of LinearSliderVert "
        "at (10,60) in GroupButtons at (0,0)",
        "command 8, channel -1, status -1 bound twice: Group0 of LinearSliderVert at (10,60) in GroupButtons at "
        "(0,0) and Group1 of RotSlider at (150,60) in GroupButtons at (150,0)",
    };
    QString expected;
    for (const QString &finding : findings)
        expected += faulty + u": warning: "_s + finding + u'\n';
    // Check goes on past a refused console, whose reason goes to stderr.
    const QString broken = Written(show, "broken.csl2", root);
    run = RunCli(appOption + QStringList{u"check"_s, broken, faulty});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(broken)) << run.err.toStdString();
    EXPECT_EQ(run.out.toStdString(), expected.toStdString());
}

// render: the surface alone as a PNG.
TEST(Cli, RenderConsole)
{
    QTemporaryDir dir;
    const QStringList render{u"render"_s, u"--app-folder"_s, dir.path()};
    const QString out = dir.filePath(u"stage.png"_s);
    // 301 * 0.5 = 150.5 wide, and no canvas margin.
    const QString in = Written(dir, "stage.csl2",
                               "<CSL2 Author=\"orlen\" Version=\"1.0\" cx=\"301\" cy=\"101\" color_back=\"#0A141E\" "
                               "TransparentBackground=\"0\"><Button x=\"150\" y=\"40\" cx=\"80\" cy=\"40\" /></CSL2>");
    const CliRun run = RunCli(render + QStringList{u"--zoom"_s, u"0.5"_s, in, out});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QImage image(out, "PNG");
    EXPECT_EQ(image.size(), QSize(150, 50));
    EXPECT_EQ(image.pixel(0, 0), qRgb(10, 20, 30));
    EXPECT_NE(image.pixel(95, 30), qRgb(10, 20, 30)); // the button at (75, 20) to (115, 40)

    // A zoom out of range is a usage error.
    EXPECT_EQ(RunCli(render + QStringList{u"--zoom"_s, u"40"_s, in, out}).exitCode, 2);
}

// Every command writes its output whole or not at all: a folder that cannot take it leaves
// the folder as it was, temporary files included.
TEST(Cli, OutputsAreWholeOrAbsent)
{
    QTemporaryDir dir;
    const QStringList app{u"--app-folder"_s, dir.path()};
    const QString console = Written(dir, "in.csl2", "<CSL2 Author=\"orlen\" Version=\"1.0\" cx=\"40\" cy=\"30\"/>");
    const QString design = Written(dir, "in.ccd", DesignFile(""));
    const QString xml = Written(dir, "in.xml", "<a x=\"1\"><b/></a>");
    const QString notAFolder = Written(dir, "plain-file", "x");
    const auto listing = [&] { return QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System); };
    const QStringList before = listing();
    const QList<QStringList> commands{
        {u"render"_s, console}, {u"resave"_s, console}, {u"resave"_s, design}, {u"xml-roundtrip"_s, xml}};

    for (const QString &folder : {dir.filePath(u"no-such-folder"_s), notAFolder}) {
        const QString out = folder + u"/out"_s;
        for (const QStringList &command : commands) {
            const CliRun run = RunCli(app + command + QStringList{out});
            EXPECT_EQ(run.exitCode, 1) << command.join(u' ').toStdString();
            EXPECT_TRUE(run.err.startsWith(u"korvane-cli: cannot write "_s + out + u": "_s)) << run.err.toStdString();
        }
    }
    EXPECT_EQ(listing(), before);
}
