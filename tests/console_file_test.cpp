// Console files: the settings and lists read from them, the bytes written back, the files
// refused, the designs and pictures found beside a console, and saving that never loses
// the previous file.
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

#include "design/design_list.h"
#include "model/console_data.h"
#include "model/console_file.h"
#include "model/ctrl_button.h"
#include "model/ctrl_faders.h"
#include "model/ctrl_groups.h"
#include "model/ctrl_label.h"
#include "model/ctrl_pads.h"
#include "model/ctrl_wheel.h"
#include "model/korvane_doc.h"
#include "test_support.h"

using namespace dataConsole;
using namespace korvane::test;
using korvane::MakeColorRef;

namespace {

// An application folder with a design library, and a show folder outside it holding a
// console's own designs and pictures.
class ConsoleFileTest : public AppFolderTest
{
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(AppFolderTest::SetUp());
        WriteImage(Library() + "fader_bg.png", {200, 30});
        WriteImage(Library() + "fader_cur.png", {20, 30});
        WriteText(Library() + "Fader.ccd", DesignFile("<LinearSliderHori><Background Image=\"fader_bg.png\"/>"
                                                      "<Cursor ImageCursor=\"fader_cur.png\" offset_x=\"5\"/>"
                                                      "</LinearSliderHori>"));
        WriteImage(Show() + "_ccd/pages_bg.png", {150, 50});
        WriteImage(Show() + "_ccd/steps_bg.png", {90, 30});
        WriteImage(Show() + "_ccd/digits.png", {40, 10});
        WriteText(Show() + "_ccd/Pages.ccd",
                  DesignFile("<GroupButtons Background=\"pages_bg.png\"><Button x=\"0\" cx=\"50\" cy=\"50\"/>"
                             "<Button x=\"50\" cx=\"50\" cy=\"50\"/><Button x=\"100\" cx=\"50\" cy=\"50\"/>"
                             "</GroupButtons><GroupIncDec Background=\"steps_bg.png\">"
                             "<Display Images=\"digits.png\" nbImages=\"4\"/></GroupIncDec>"));
        WriteImage(Show() + "_background/Stage.png", {64, 48});
        FillDesignLibrary(m_library, App());
        ASSERT_EQ(m_library.size(), 1u);
    }

    QString Standard() const { return m_dir.path() + "/_Common/console/"; }
    QString Show() const { return m_dir.path() + "/shows/Gala/"; }

    // Reads `text` as the console file `name` of `folder` into `console`.
    bool Read(CConsoleData &console, const QString &folder, const QByteArray &text, const QString &name = "c.csl2")
    {
        WriteText(folder + name, text);
        return ReadConsoleFile(console, folder + name, App());
    }

    CDesignList m_library;
};

// Limits the size of files this process may write, as a full disk would, for its lifetime.
class CFileSizeLimit
{
public:
    explicit CFileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~CFileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_previousHandler);
    }

private:
    rlimit m_saved{};
    void (*m_previousHandler)(int);
};

} // namespace

TEST_F(ConsoleFileTest, SettingsComeFirstWithTheFileDefaultsThenPicturesThenTopLevelControls)
{
    const auto empty = [](const std::string &settings) {
        return "<CSL2 Author=\"orlen\" Version=\"1.0\" " + settings + " />\r\n";
    };
    CConsoleData fresh(&m_library);
    EXPECT_EQ(ConsoleFileBytes(fresh), empty("cx=\"400\" cy=\"300\" color_back=\"#505050\" TransparentBackground=\"1\" "
                                             "SnapMag=\"1\" GridColor=\"#757575\" GridStep=\"100\" GridSubStep=\"20\""));
    // What a file leaves out is not what a new console starts with.
    CConsoleData bare(&m_library);
    ASSERT_TRUE(Read(bare, Show(), ConsoleFile("")));
    EXPECT_EQ(ConsoleFileBytes(bare), empty("cx=\"0\" cy=\"0\" color_back=\"#505050\" TransparentBackground=\"0\" "
                                            "SnapMag=\"1\" GridColor=\"#757575\" GridStep=\"100\" GridSubStep=\"20\""));
    EXPECT_TRUE(m_sink.messages.empty());

    CConsoleData console(&m_library);
    console.settings = {.width = 800, .height = 600, .background = MakeColorRef(1, 2, 3),
                        .transparentBackground = false, .snapToGrid = false,
                        .gridColor = MakeColorRef(0xAB, 0xCD, 0xEF), .gridStep = 40, .gridSubStep = 8};
    console.AddControl(std::make_unique<CCtrl_GroupIncDec>(&console, nullptr))->SetRect({10, 10, 90, 30});
    console.AddPicture(std::make_unique<CCtrl_Bitmap>(&console, nullptr, Show() + "_background"))
        ->SetPicture(Show() + "_background", "STAGE.png");
    const std::string bytes = ConsoleFileBytes(console);
    const std::string root = "<CSL2 Author=\"orlen\" Version=\"1.0\" cx=\"800\" cy=\"600\" color_back=\"#010203\" "
                             "TransparentBackground=\"0\" SnapMag=\"0\" GridColor=\"#ABCDEF\" GridStep=\"40\" "
                             "GridSubStep=\"8\">\r\n";
    EXPECT_EQ(bytes.substr(0, root.size()), root);
    const auto picture = bytes.find("\r\n  <Bitmap name=\"STAGE.png\" Lock=\"0\" x=\"0\" y=\"0\" cx=\"64\" cy=\"48\"");
    EXPECT_NE(picture, std::string::npos) << bytes;
    EXPECT_LT(picture, bytes.find("\r\n  <GroupIncDec Lock=\"0\" x=\"10\"")) << bytes;
    EXPECT_TRUE(bytes.ends_with("/>\r\n</CSL2>\r\n")) << bytes;
}

TEST_F(ConsoleFileTest, AConsoleOfEveryKindReadsBackAndWritesTheSameBytes)
{
    CConsoleData original(&m_library);
    ASSERT_TRUE(ReadConsoleFile(original, Show() + "new.csl2", App())); // no file yet: its designs
    ASSERT_EQ(original.Designs().size(), 1u);
    auto add = [&](std::unique_ptr<CCtrl__Base> control) { return original.AddControl(std::move(control)); };
    auto *pages = add(std::make_unique<CCtrl_GroupButtons>(&original, nullptr));
    QString name = "PAGES.CCD";
    pages->SetDesign(original.ResolveDesign(name));
    auto *fader = add(std::make_unique<CCtrl_FaderHorz>(&original, nullptr, pages));
    name = "fader.ccd";
    fader->SetDesign(original.ResolveDesign(name));
    fader->Bindings()[2].midi = {.command = 7, .channel = 3, .status = 11};
    auto *button = add(std::make_unique<CCtrl_Button>(&original, nullptr, pages));
    button->Bindings()[1].pushButton = true;
    button->SetLabel(0, QStringLiteral("\u00c9clair"));
    add(std::make_unique<CCtrl_Label>(&original, nullptr, nullptr))->SetLabel(0, "Front");
    auto *steps = add(std::make_unique<CCtrl_GroupIncDec>(&original, nullptr));
    name = "pages.ccd";
    steps->SetDesign(original.ResolveDesign(name));
    static_cast<CCtrl_GroupIncDec *>(steps)->SetSendChildFeedback(true);
    add(std::make_unique<CCtrl_Wheel>(&original, nullptr, steps))->Bindings()[3].dmxDecrement = {1, 0};
    add(std::make_unique<CCtrl_PanTilt>(&original, nullptr, steps))->SetRect({5, 5, 242, 242});
    add(std::make_unique<CCtrl_FaderVert>(&original, nullptr, nullptr))->SetLocked(true);
    add(std::make_unique<CCtrl_FaderRotary>(&original, nullptr, nullptr));
    add(std::make_unique<CCtrl_Trichro>(&original, nullptr, nullptr))->SetColor(MakeColorRef(1, 1, 1));
    original.AddPicture(std::make_unique<CCtrl_Bitmap>(&original, nullptr, Show() + "_background"))
        ->SetPicture(Show() + "_background", "stage.png");

    const QString first = Show() + "first.csl2";
    ASSERT_TRUE(WriteConsoleFile(original, first));
    CConsoleData read(&m_library);
    ASSERT_TRUE(ReadConsoleFile(read, first, App()));
    const QString second = Show() + "second.csl2";
    ASSERT_TRUE(WriteConsoleFile(read, second));
    EXPECT_EQ(ReadBytes(second), ReadBytes(first));
    EXPECT_EQ(ConsoleFileBytes(original), ReadBytes(first));
    EXPECT_TRUE(m_sink.messages.empty());

    // The same bytes twice say the lists and their order; the nesting and pages are read back.
    ASSERT_EQ(read.Controls().size(), original.Controls().size());
    for (std::size_t i = 0; i < read.Controls().size(); ++i)
        EXPECT_EQ(read.Controls()[i]->Id(), int(i));
    EXPECT_EQ(read.Controls()[1]->ParentGroup(), read.Controls()[0].get());
    EXPECT_EQ(read.Controls()[5]->ParentGroup(), read.Controls()[4].get());
    EXPECT_EQ(read.Controls()[1]->Bindings()[2].midi.command, 7);
    EXPECT_EQ(read.Controls()[2]->Label(0), QStringLiteral("\u00c9clair"));
    EXPECT_EQ(read.Controls()[5]->Bindings().Count(), 4);
}

TEST_F(ConsoleFileTest, RefusedFilesLeaveTheConsoleAsItWas)
{
    const QByteArray refused[] = {
        "<CSL2 Author=\"orlen\" Version=\"1.00\"><Button/></CSL2>",
        "<CSL2 Author=\"orlen\"><Button/></CSL2>",
        "<CSL2 Author=\"orlen\" Version=\"1.0\"><Button></CSL2>",
        "",
    };
    for (const QByteArray &text : refused) {
        m_sink.messages.clear();
        CConsoleData console(&m_library);
        EXPECT_FALSE(Read(console, Show(), text)) << text.constData();
        EXPECT_TRUE(console.Controls().empty() && console.Designs().empty() && console.FilePath().isEmpty());
        EXPECT_EQ(console.settings, CConsoleSettings());
        ASSERT_FALSE(m_sink.messages.empty());
        EXPECT_EQ(m_sink.messages.back().severity, korvane::MessageSeverity::Error);
    }
    m_sink.messages.clear();
    CConsoleData console(&m_library);
    EXPECT_FALSE(Read(console, Show(), refused[0]));
    EXPECT_EQ(m_sink.messages.back().caption, QStringLiteral("Error !"));
    EXPECT_EQ(m_sink.messages.back().text, QStringLiteral("Wrong file version!"));

    // A foreign header is only a warning; unknown elements are skipped with all they hold.
    m_sink.messages.clear();
    EXPECT_TRUE(Read(console, Show(),
                     "<CSL2 Author=\"Orlen\" Version=\"1.0\"><Slider><Button/></Slider><button/><Button/></CSL2>"));
    ASSERT_EQ(m_sink.messages.size(), 1u);
    EXPECT_EQ(m_sink.messages[0].severity, korvane::MessageSeverity::Warning);
    EXPECT_EQ(m_sink.messages[0].text, QStringLiteral("Wrong file header!"));
    ASSERT_EQ(console.Controls().size(), 1u);
    EXPECT_EQ(console.Controls()[0]->Kind(), kCtrlButton);

    // A file that is not there yet is a new console of that name.
    CConsoleData fresh(&m_library);
    EXPECT_TRUE(ReadConsoleFile(fresh, Show() + "later.csl2", App()));
    EXPECT_EQ(fresh.FilePath(), Show() + "later.csl2");
    EXPECT_EQ(fresh.settings, CConsoleSettings());
}

TEST_F(ConsoleFileTest, OnlyConsolesOutsideTheStandardFolderReadTheDesignsBesideThem)
{
    // The show's own "Fader.ccd" is preferred to the library's; its "Pages.ccd" is its own.
    WriteImage(Show() + "_ccd/other_bg.png", {300, 40});
    WriteText(Show() + "_ccd/fader.CCD",
              DesignFile("<LinearSliderHori><Background Image=\"other_bg.png\"/></LinearSliderHori>"));
    const QByteArray text = ConsoleFile("<LinearSliderHori control_file_draw=\"FADER.ccd\"/>"
                                        "<GroupButtons control_file_draw=\"pages.ccd\"/>");
    CConsoleData show(&m_library);
    ASSERT_TRUE(Read(show, Show(), text));
    EXPECT_EQ(show.Designs().size(), 2u);
    EXPECT_EQ(show.Controls()[0]->DesignName(), QStringLiteral("fader.CCD"));
    EXPECT_EQ(show.Controls()[0]->StoredImageSize(), QSize(300, 40));
    EXPECT_EQ(show.Controls()[1]->DesignName(), QStringLiteral("Pages.ccd"));

    // In the standard folder only the library counts, even with a "_ccd" beside the file
    // (which is the library's own folder there).
    CConsoleData standard(&m_library);
    ASSERT_TRUE(Read(standard, Standard(), text));
    EXPECT_TRUE(standard.Designs().empty());
    EXPECT_EQ(standard.Controls()[0]->DesignName(), QStringLiteral("Fader.ccd"));
    EXPECT_EQ(standard.Controls()[0]->StoredImageSize(), QSize(200, 30));
    EXPECT_EQ(standard.Controls()[1]->Design(), nullptr);
    EXPECT_EQ(standard.Controls()[1]->DesignName(), QStringLiteral("pages.ccd"));
}

TEST_F(ConsoleFileTest, PicturesComeFromTheBackgroundFolderBesideTheFile)
{
    CConsoleData console(&m_library);
    ASSERT_TRUE(Read(console, Show(),
                     ConsoleFile("<Bitmap name=\"stage.PNG\" x=\"5\" y=\"6\" cx=\"1\" cy=\"1\"/>"
                                 "<Bitmap name=\"gone.png\" x=\"7\" cx=\"30\" cy=\"20\" Lock=\"0\"/>"
                                 "<GroupButtons control_file_draw=\"Pages.ccd\"><Bitmap name=\"Stage.png\"/>"
                                 "</GroupButtons>")));
    ASSERT_EQ(console.Pictures().size(), 3u);
    const CCtrl_Bitmap &stage = *console.Pictures()[0];
    EXPECT_EQ(stage.Rect(), QRect(5, 6, 64, 48));
    EXPECT_TRUE(stage.IsLocked());
    EXPECT_NE(stage.Picture(), nullptr);
    // A picture that cannot be read keeps the place and size the file gave it.
    EXPECT_EQ(console.Pictures()[1]->Rect(), QRect(7, 0, 30, 20));
    EXPECT_FALSE(console.Pictures()[1]->IsLocked());
    EXPECT_EQ(console.Pictures()[2]->Rect(), QRect(0, 0, 64, 48));
    EXPECT_EQ(console.Controls().size(), 1u);
}

TEST_F(ConsoleFileTest, GroupsReadTheirControlsOnlyWithTheirDesign)
{
    CConsoleData console(&m_library);
    ASSERT_TRUE(Read(console, Show(),
                     ConsoleFile("<GroupButtons control_file_draw=\"Pages.ccd\">"
                                 "<Group1 label=\"b\"><DMX channel=\"2\"/></Group1>"
                                 "<LinearSliderVert><Group2 label=\"c\"/></LinearSliderVert><Label/>"
                                 "<GroupIncDec control_file_draw=\"Pages.ccd\"><Wheel/></GroupIncDec>"
                                 "</GroupButtons>"
                                 "<GroupButtons control_file_draw=\"Unknown.ccd\"><Group0><DMX channel=\"2\"/></Group0>"
                                 "<Button/></GroupButtons><Button/>")));
    const CCtrlList &controls = console.Controls();
    ASSERT_EQ(controls.size(), 7u);
    const int kinds[] = {kCtrlGroupButtons, kCtrlFaderVert, kCtrlLabel, kCtrlGroupIncDec,
                         kCtrlWheel,        kCtrlGroupButtons, kCtrlButton};
    for (std::size_t i = 0; i < controls.size(); ++i) {
        EXPECT_EQ(controls[i]->Kind(), kinds[i]) << i;
        EXPECT_EQ(controls[i]->Id(), int(i));
    }
    EXPECT_EQ(controls[0]->Bindings()[1].dmx.channel, 2);
    EXPECT_EQ(controls[0]->Label(1), QString()); // groups write their labels but do not read them
    EXPECT_EQ(controls[1]->ParentGroup(), controls[0].get());
    EXPECT_EQ(controls[1]->Bindings().Count(), 3);
    EXPECT_EQ(controls[1]->Label(2), QStringLiteral("c"));
    EXPECT_EQ(controls[2]->ParentGroup(), controls[0].get());
    // A group inside a group's element starts outside any group, with its own controls.
    EXPECT_EQ(controls[3]->ParentGroup(), nullptr);
    EXPECT_EQ(controls[4]->ParentGroup(), controls[3].get());
    EXPECT_EQ(controls[4]->Bindings().Count(), 4);
    // Without its design a group has no pages: its sets and its controls are not read.
    EXPECT_EQ(controls[5]->Bindings()[0].dmx.channel, -1);
    EXPECT_EQ(controls[6]->ParentGroup(), nullptr);

    // A design that gives a group no pages still leaves the controls inside it their first set.
    WriteText(Show() + "_ccd/Empty.ccd", DesignFile("<GroupIncDec Background=\"steps_bg.png\"/>"));
    const QByteArray zeroPages = "<CSL2 Author=\"orlen\" Version=\"1.0\"><GroupIncDec control_file_draw=\"Empty.ccd\">"
                                 "<Button><Group0 label=\"Go\"><DMX channel=\"3\"/></Group0></Button></GroupIncDec></CSL2>";
    CConsoleData kept(&m_library);
    ASSERT_TRUE(Read(kept, Show(), zeroPages, "zero.csl2"));
    ASSERT_EQ(kept.Controls().size(), 2u);
    EXPECT_EQ(kept.Controls()[1]->Label(0), QStringLiteral("Go"));
    EXPECT_NE(ConsoleFileBytes(kept).find("<DMX channel=\"3\""), std::string::npos);
}

TEST_F(ConsoleFileTest, SavingNeverLosesThePreviousFile)
{
    korvane::CKorvaneDoc doc(App(), &m_library);
    EXPECT_TRUE(doc.NeedsSaveAs());
    doc.Console().AddControl(std::make_unique<CCtrl_Button>(&doc.Console(), nullptr, nullptr));
    doc.SetModified(true);
    const QString path = Show() + "saved.csl2";
    QString error;
    ASSERT_TRUE(doc.Save(path, &error)) << error.toStdString();
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.PathName(), path);
    EXPECT_FALSE(doc.NeedsSaveAs());
    const std::string saved = ReadBytes(path);

    // A write that fails half-way, as on a full disk, leaves the old file whole.
    for (int i = 0; i < 5; ++i)
        doc.Console().AddControl(std::make_unique<CCtrl_Label>(&doc.Console(), nullptr, nullptr));
    doc.SetModified(true);
    {
        const CFileSizeLimit limit(256);
        EXPECT_FALSE(doc.Save(path, &error));
    }
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(ReadBytes(path), saved);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(QDir(Show()).entryList({"saved.csl2*"}, QDir::Files | QDir::Hidden), QStringList{"saved.csl2"});

    // So does a folder that cannot be written to (the owner's rights do not bind root).
    if (geteuid() != 0) {
        ASSERT_TRUE(QFile::setPermissions(Show(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        EXPECT_FALSE(doc.Save(path, &error));
        QFile::setPermissions(Show(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        EXPECT_EQ(ReadBytes(path), saved);
    }

    // A read-only file is saved under another name first.
    ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::ReadOwner));
    EXPECT_TRUE(doc.NeedsSaveAs());
    QFile::remove(path);
    EXPECT_TRUE(doc.NeedsSaveAs());
}
