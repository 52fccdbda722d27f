// The main window driven as a user drives it: which commands are available, the editing
// commands on the active console, zoom limits, the language switch, saving a new console,
// the window layout, and the question before a modified console closes.
#include <QAbstractButton>
#include <QDockWidget>
#include <QMenu>
#include <QMessageBox>
#include <QSettings>
#include <QPrinter>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include "core/folders.h"
#include "editor/korvane_app.h"
#include "core/words.h"
#include "editor/command_table.h"
#include "editor/console_printing.h"
#include "editor/dock_preview.h"
#include "editor/korvane_view.h"
#include "editor/main_frame.h"
#include "editor/ribbon.h"
#include "editor/save_as_flow.h"
#include "model/ctrl_factory.h"
#include "model/korvane_doc.h"
#include "test_support.h"

using namespace korvane;

namespace {

class CScriptedDialogs final : public IConsoleFileDialogs
{
public:
    std::optional<ConsoleFileChoice> openAnswer;
    std::optional<QString> newName;
    std::optional<ConsoleFileChoice> RunOpenDialog(COpenCSL2Dialog::Mode, const QString &) override { return openAnswer; }
    std::optional<QString> RunNewFileDialog(const QString &, const QString &, const QString &) override
    {
        return newName;
    }
};

// Presses `button` on the message box the next modal loop shows.
void AnswerNextQuestion(QMessageBox::StandardButton button)
{
    QTimer::singleShot(0, [button] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (box)
            box->button(button)->click();
    });
}

class MainFrameTest : public korvane::test::AppFolderTest
{
protected:
    void SetUp() override
    {
        AppFolderTest::SetUp();
        QDir().mkpath(m_dir.filePath(QStringLiteral("_Common/console")));
        frame = std::make_unique<CMainFrame>(App(), nullptr, &dialogs);
        frame->resize(1200, 800);
        frame->show();
    }
    void TearDown() override { frame.reset(); }

    bool Enabled(int id) { return frame->Ribbon().Action(id)->isEnabled(); }
    dataConsole::CCtrl__Base *Add(CChildFrame *console, QRect rect)
    {
        auto &data = console->Document().Console();
        auto *control = data.AddControl(
            dataConsole::CreateControl(dataConsole::kCtrlLabel, &data, &console->View().Canvas(), nullptr, nullptr));
        control->SetRect(rect);
        return control;
    }

    CScriptedDialogs dialogs;
    std::unique_ptr<CMainFrame> frame;
};

} // namespace

TEST_F(MainFrameTest, CommandsFollowTheActiveConsoleAndItsSelection)
{
    EXPECT_FALSE(Enabled(kIdCreateButton));
    EXPECT_FALSE(Enabled(kIdZoomIn));
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Console Editor"));

    CChildFrame *console = frame->NewConsole();
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Console Editor - Console1"));
    EXPECT_TRUE(Enabled(kIdCreateButton));
    EXPECT_FALSE(Enabled(kIdCopy));
    EXPECT_FALSE(Enabled(kIdPaste));
    auto *a = Add(console, QRect(10, 10, 50, 20));
    auto *b = Add(console, QRect(100, 50, 50, 20));
    auto *c = Add(console, QRect(200, 90, 50, 20));
    console->View().Canvas().SetSelection({a, b});
    EXPECT_TRUE(Enabled(kIdCopy));
    EXPECT_TRUE(Enabled(kIdAlignLeft));
    EXPECT_FALSE(Enabled(kIdSpreadVertically));
    console->View().Canvas().SetSelection({a, b, c});
    EXPECT_TRUE(Enabled(kIdSpreadVertically));

    // A create command waits for a click; Select cancels it.
    frame->RunCommand(kIdCreateWheel);
    EXPECT_EQ(frame->EditState().pendingKind, kPendingWheel);
    EXPECT_TRUE(frame->Ribbon().Action(kIdCreateWheel)->isChecked());
    EXPECT_FALSE(Enabled(kIdCopy));
    frame->RunCommand(kIdSelect);
    EXPECT_EQ(frame->EditState().pendingKind, kPendingNone);

    // Align through the ribbon marks the console modified, in the title too.
    frame->RunCommand(kIdAlignLeft);
    EXPECT_EQ(a->Rect().x(), 200);
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Console Editor - Console1*"));
    frame->RunCommand(kIdUndo);
    EXPECT_EQ(a->Rect().x(), 10);
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Console Editor - Console1"));

    // Copy, delete, paste: copies at the same places.
    frame->RunCommand(kIdCopy);
    frame->RunCommand(kIdDelete);
    EXPECT_TRUE(console->Document().Console().Controls().empty());
    EXPECT_TRUE(Enabled(kIdPaste));
    frame->RunCommand(kIdPaste);
    ASSERT_EQ(console->Document().Console().Controls().size(), 3u);
    EXPECT_EQ(console->Document().Console().Controls()[2]->Rect(), QRect(200, 90, 50, 20));
    console->View().Canvas().ClearSelection();
    frame->RunCommand(kIdSelectAll);
    EXPECT_EQ(console->View().Canvas().Selection().size(), 3u);

    // Zoom out stops being offered once below 0.2.
    int steps = 0;
    while (Enabled(kIdZoomOut) && steps < 20) {
        frame->RunCommand(kIdZoomOut);
        ++steps;
    }
    // Eight float steps of 0.1 from 1 land just under 0.2: the limit is reached there.
    EXPECT_EQ(steps, 8);
    EXPECT_LT(console->View().Zoom(), 0.2f);
    EXPECT_GT(console->View().Zoom(), 0.19f);
    console->Document().SetModified(false);
}

TEST_F(MainFrameTest, SavingANewConsoleAsksForANameAndAddsTheExtension)
{
    CChildFrame *console = frame->NewConsole();
    Add(console, QRect(10, 10, 50, 20));
    console->Document().SetModified(true);
    dialogs.openAnswer = ConsoleFileChoice{}; // "New"
    dialogs.newName = QStringLiteral("Stage");
    ASSERT_TRUE(frame->SaveConsole(console));
    EXPECT_TRUE(QFile::exists(m_dir.filePath(QStringLiteral("_Common/console/Stage.csl2"))));
    EXPECT_EQ(console->Document().Title(), QStringLiteral("Stage.csl2"));
    EXPECT_FALSE(console->Document().IsModified());
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Console Editor - Stage.csl2"));

    CChildFrame *second = frame->NewConsole();
    dialogs.newName = QStringLiteral("Stage.csl2");
    ASSERT_TRUE(frame->SaveConsole(second));
    EXPECT_TRUE(QFile::exists(m_dir.filePath(QStringLiteral("_Common/console/Stage.csl2.csl2"))));

    // Opening the saved file again shows its tab rather than a second copy.
    EXPECT_EQ(frame->OpenConsole(m_dir.filePath(QStringLiteral("_Common/console/Stage.csl2"))), console);
    // Saved files are offered again at the end of the system menu, the newest first.
    QSettings settings(m_dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    CRecentFileList recent(settings);
    frame->SetRecentFiles(&recent);
    ASSERT_TRUE(frame->SaveConsole(second));
    ASSERT_FALSE(recent.Files().isEmpty());
    EXPECT_TRUE(recent.Files().front().endsWith(QStringLiteral("Stage.csl2.csl2")));
    emit frame->Ribbon().SystemMenu()->aboutToShow();
    EXPECT_EQ(frame->Ribbon().SystemMenu()->actions().back()->text(), QStringLiteral("&1 Stage.csl2.csl2"));
    // A cancelled name leaves the console unsaved.
    CChildFrame *third = frame->NewConsole();
    dialogs.newName.reset();
    EXPECT_FALSE(frame->SaveConsole(third));
}

TEST_F(MainFrameTest, ClosingAModifiedConsoleAsksAndNothingIsLostSilently)
{
    CChildFrame *console = frame->NewConsole();
    Add(console, QRect(10, 10, 50, 20));
    console->Document().SetModified(true);
    AnswerNextQuestion(QMessageBox::Cancel);
    EXPECT_FALSE(frame->CloseConsole(console));
    EXPECT_EQ(frame->Tabs().count(), 1);

    // Yes, but the save is cancelled: still open and modified.
    dialogs.openAnswer.reset();
    AnswerNextQuestion(QMessageBox::Yes);
    EXPECT_FALSE(frame->CloseConsole(console));
    EXPECT_TRUE(console->Document().IsModified());

    // A save that fails says why and keeps the console: here a folder stands where the file
    // would go, which no user, root included, can write over.
    QDir().mkpath(m_dir.filePath(QStringLiteral("_Common/console/Busy.csl2")));
    dialogs.openAnswer = ConsoleFileChoice{};
    dialogs.newName = QStringLiteral("Busy");
    AnswerNextQuestion(QMessageBox::Yes);
    QTimer::singleShot(50, [] { // the message that says why
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
            box->accept();
    });
    EXPECT_FALSE(frame->CloseConsole(console));
    EXPECT_EQ(frame->Tabs().count(), 1);
    EXPECT_TRUE(console->Document().IsModified());

    AnswerNextQuestion(QMessageBox::No);
    EXPECT_TRUE(frame->CloseConsole(console));
    EXPECT_EQ(frame->Tabs().count(), 0);
}

TEST_F(MainFrameTest, TheLayoutFileBringsBackThePanesAndTheWindow)
{
    const QString path = m_dir.filePath(QStringLiteral("Korvane.lay"));
    frame->addDockWidget(Qt::LeftDockWidgetArea, &frame->PropertiesPane());
    frame->setGeometry(40, 50, 900, 700);
    ASSERT_TRUE(frame->SaveLayout(path));
    EXPECT_TRUE(korvane::test::ReadBytes(path).find("<DockingPaneLayouts>") != std::string::npos);

    CMainFrame other(App(), nullptr, &dialogs);
    EXPECT_EQ(other.dockWidgetArea(&other.PropertiesPane()), Qt::LeftDockWidgetArea); // read at creation
    EXPECT_EQ(other.geometry().size(), QSize(900, 700));
    // A damaged file leaves the default placement.
    korvane::test::WriteText(path, "<DockingPaneLayouts><Korvane State=\"garbage\"/>");
    CMainFrame third(App(), nullptr, &dialogs);
    EXPECT_EQ(third.dockWidgetArea(&third.PropertiesPane()), Qt::RightDockWidgetArea);
}

TEST_F(MainFrameTest, ChoosingALanguageRefreshesTheCaptions)
{
    ASSERT_EQ(Localisation().Load(QStringLiteral(VOKWORD_RIBBON_DIR)), 7);
    frame->RefreshTexts();
    EXPECT_EQ(frame->Ribbon().Action(kIdCopy)->text(), QStringLiteral("Copy"));
    emit frame->Ribbon().languageChosen(1);
    EXPECT_EQ(frame->Ribbon().Action(kIdCopy)->text(), QStringLiteral("Copier"));
    emit frame->Ribbon().languageChosen(0);
    EXPECT_EQ(frame->Ribbon().Action(kIdCopy)->text(), QStringLiteral("Copy"));
    Localisation().Unload();
}

TEST_F(MainFrameTest, PrintingDrawsTheConsoleOnThePage)
{
    CChildFrame *console = frame->NewConsole();
    Add(console, QRect(10, 10, 50, 20));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString pdf = m_dir.filePath(QStringLiteral("console.pdf"));
    printer.setOutputFileName(pdf);
    ASSERT_TRUE(PrintConsole(printer, console->Document().Console(), nullptr));
    const std::string bytes = korvane::test::ReadBytes(pdf);
    EXPECT_EQ(bytes.substr(0, 5), "%PDF-");
    EXPECT_NE(bytes.find("/Image"), std::string::npos); // the console went onto the page
}

TEST_F(MainFrameTest, ThePreviewShowsTheActiveConsoleAsItPlays)
{
    CChildFrame *console = frame->NewConsole();
    auto &data = console->Document().Console();
    auto *button = data.AddControl(
        dataConsole::CreateControl(dataConsole::kCtrlButton, &data, &console->View().Canvas(), nullptr, nullptr));
    button->SetRect(QRect(20, 20, 80, 40));
    button->Bindings()[0].midi = {.command = 60, .channel = -1, .status = dataConsole::kStatusNoteOnOff};
    EXPECT_EQ(frame->Preview().Canvas(), &console->View().Canvas());
    console->View().Canvas().repaint();
    const QImage before = frame->Preview().widget()->grab().toImage();
    // The editing canvas keeps the button at rest; the preview shows it pressed.
    ASSERT_TRUE(console->View().Canvas().ApplyMidiInput(60, 0, dataConsole::kStatusNoteOn, 100));
    console->View().Canvas().repaint();
    const QImage after = frame->Preview().widget()->grab().toImage();
    EXPECT_NE(before, after);
    EXPECT_EQ(before.size(), after.size());
    // The arrow keys move the selection from the preview too.
    console->View().Canvas().SetSelection({button});
    QTest::keyClick(&frame->Preview(), Qt::Key_Left);
    EXPECT_EQ(button->Rect().topLeft(), QPoint(19, 20));
    frame->Tabs().clear();
    EXPECT_EQ(frame->Preview().Canvas(), nullptr);
}

TEST(ThemeDescription, EntriesNeedBothTheirSchemeAndTheirSize)
{
    const QString text = QStringLiteral("[Documentation]\nColorSchemes=Ignored\nSizes=Ignored\n"
                                        "[File.Normal]\ncolorschemes=  Black\r\nSIZES= NormalSize\n"
                                        "[file.Big]\nColorSchemes=Blue\n[Other]\nSizes=Large\n"
                                        "[FILE.Small]\nSizes=Small\nColorSchemes=Silver\n");
    const std::vector<ThemeEntry> entries = ReadThemeDescription(text);
    ASSERT_EQ(entries.size(), 2u); // Big lost its size to the section that ended it
    EXPECT_EQ(entries[0], (ThemeEntry{QStringLiteral("Normal.ini"), QStringLiteral("Black"), QStringLiteral("NormalSize")}));
    EXPECT_EQ(entries[1], (ThemeEntry{QStringLiteral("Small.ini"), QStringLiteral("Silver"), QStringLiteral("Small")}));
}
