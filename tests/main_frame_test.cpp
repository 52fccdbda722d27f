// The main window driven as a user drives it: which commands are available, the editing
// commands on the active console, zoom limits, the language switch, saving a new console,
// the window layout, the question before a modified console closes, views that follow the
// document, MIDI to the active console, and pasting after the copied console closed.
#include <QAbstractButton>
#include <QDockWidget>
#include <QMenu>
#include <QMessageBox>
#include <QGuiApplication>
#include <QScreen>
#include <QPainter>
#include <QSettings>
#include <QStandardPaths>
#include <QStyle>
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
#include "editor/welcome_pane.h"
#include "midi/midi_handler.h"
#include "model/change_values.h"
#include "model/console_draw.h"
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
    bool replace = true;
    bool ConfirmReplace(const QString &) override { return replace; }
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
            dataConsole::CreateControl(dataConsole::kCtrlLabel, &data, nullptr, nullptr));
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
    CKorvaneDoc &doc = console->Document();
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Console Editor - Console1"));
    EXPECT_TRUE(Enabled(kIdCreateButton));
    EXPECT_FALSE(Enabled(kIdCopy));
    EXPECT_FALSE(Enabled(kIdPaste));
    auto *a = Add(console, QRect(10, 10, 50, 20));
    auto *b = Add(console, QRect(100, 50, 50, 20));
    auto *c = Add(console, QRect(200, 90, 50, 20));
    doc.SetSelection({a, b});
    EXPECT_TRUE(Enabled(kIdCopy));
    EXPECT_TRUE(Enabled(kIdAlignLeft));
    EXPECT_FALSE(Enabled(kIdSpreadVertically));
    doc.SetSelection({a, b, c});
    EXPECT_TRUE(Enabled(kIdSpreadVertically));

    // A create command waits for a click; Select cancels it.
    frame->RunCommand(kIdCreateWheel);
    EXPECT_EQ(frame->EditState().pendingKind, dataConsole::kCtrlWheel);
    EXPECT_TRUE(frame->Ribbon().Action(kIdCreateWheel)->isChecked());
    EXPECT_FALSE(Enabled(kIdCopy));
    frame->RunCommand(kIdSelect);
    EXPECT_FALSE(frame->EditState().IsPlacing());

    // Align through the ribbon marks the console modified, in the title too.
    frame->RunCommand(kIdAlignLeft);
    EXPECT_EQ(a->Rect().x(), 200);
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Console Editor - Console1*"));
    frame->RunCommand(kIdUndo);
    EXPECT_EQ(a->Rect().x(), 10);
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Console Editor - Console1"));

    // Delete and Select all act on the active document.
    frame->RunCommand(kIdDelete);
    EXPECT_TRUE(doc.Console().Controls().empty());
    frame->RunCommand(kIdUndo);
    frame->RunCommand(kIdSelectAll);
    EXPECT_EQ(doc.Selection().size(), 3u);

    // The snap flag and the lock carry their check marks from the document.
    frame->RunCommand(kIdSnapToGrid);
    EXPECT_FALSE(frame->Ribbon().Action(kIdSnapToGrid)->isChecked());
    frame->RunCommand(kIdUndo);
    EXPECT_TRUE(frame->Ribbon().Action(kIdSnapToGrid)->isChecked());
    frame->RunCommand(kIdLock);
    EXPECT_TRUE(frame->Ribbon().Action(kIdLock)->isChecked());

    // Zoom out stops being offered once below 0.2: eight float steps of 0.1 from 1 land just
    // under it.
    int steps = 0;
    for (; Enabled(kIdZoomOut) && steps < 20; ++steps)
        frame->RunCommand(kIdZoomOut);
    EXPECT_EQ(steps, 8);
    doc.SetModified(false);
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
    emit frame->Ribbon().SystemMenu()->aboutToShow();
    EXPECT_EQ(frame->Ribbon().SystemMenu()->actions().back()->text(), QStringLiteral("&1 Stage.csl2.csl2"));
    frame->SetRecentFiles(nullptr);
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

TEST_F(MainFrameTest, StartingWithALanguageChecksItInThePopupAndCaptionsFollow)
{
    // The plug-in in the application folder, as an installation carries it; start-up restyles
    // the whole application, which the other tests do not expect.
    ASSERT_TRUE(QFile::copy(QStringLiteral(VOKWORD_RIBBON_DIR "/libVokword.so"), m_dir.filePath(QStringLiteral("libVokword.so"))));
    const QPalette palette = qApp->palette();
    const QString style = qApp->style()->name();
    QStandardPaths::setTestModeEnabled(true);
    {
        CKorvaneApp korvane;
        ASSERT_TRUE(korvane.InitInstance(*qApp, App(), 1));
        CRibbon &ribbon = korvane.MainFrame()->Ribbon();
        EXPECT_TRUE(ribbon.Action(LanguageCommandId(1))->isChecked());
        EXPECT_FALSE(ribbon.Action(LanguageCommandId(0))->isChecked());
        EXPECT_EQ(ribbon.Action(kIdCopy)->text(), QStringLiteral("Copier"));
        emit ribbon.languageChosen(0);
        EXPECT_EQ(ribbon.Action(kIdCopy)->text(), QStringLiteral("Copy"));
    }
    QStandardPaths::setTestModeEnabled(false);
    Localisation().Unload();
    qApp->setStyle(style);
    qApp->setPalette(palette);
}

TEST_F(MainFrameTest, CanvasPreviewAndCommandsFollowTheDocumentAlone)
{
    CChildFrame *console = frame->NewConsole();
    CKorvaneDoc &doc = console->Document();
    auto *label = Add(console, QRect(20, 20, 120, 40));
    label->SetLabel(0, QStringLiteral("WWWW"));
    label->SetFontSize(24);
    QApplication::processEvents();
    const QImage canvasBefore = console->View().Canvas().grab().toImage();
    const QImage previewBefore = frame->Preview().widget()->grab().toImage();
    ASSERT_FALSE(Enabled(kIdUndo));

    // A command pushed on the document, no widget involved: every view follows its signal.
    doc.Push(std::make_unique<CChangeValues<dataConsole::ColorRef>>(
        doc, QStringLiteral("Text colour"), std::vector<dataConsole::CCtrl__Base *>{label},
        [](const dataConsole::CCtrl__Base &c) { return c.TextColor(); },
        [](dataConsole::CCtrl__Base &c, const dataConsole::ColorRef &v) { c.SetTextColor(v); },
        MakeColorRef(255, 0, 0)));
    QApplication::processEvents();
    EXPECT_NE(console->View().Canvas().grab().toImage(), canvasBefore);
    EXPECT_NE(frame->Preview().widget()->grab().toImage(), previewBefore);
    EXPECT_TRUE(Enabled(kIdUndo));
    EXPECT_EQ(frame->Tabs().tabText(0), QStringLiteral("Console1*"));
    doc.UndoStack().undo();
    QApplication::processEvents();
    EXPECT_EQ(console->View().Canvas().grab().toImage(), canvasBefore);
    EXPECT_EQ(frame->Tabs().tabText(0), QStringLiteral("Console1"));

    // The arrow keys move the selection from the preview too.
    doc.SetSelection({label});
    QTest::keyClick(&frame->Preview(), Qt::Key_Left);
    EXPECT_EQ(label->Rect().topLeft(), QPoint(19, 20));
    frame->Tabs().clear();
    EXPECT_EQ(frame->Preview().Document(), nullptr);
}

TEST_F(MainFrameTest, MidiReachesTheActiveConsoleOnly)
{
    // The path start-up installs: a message posted to the application, as the MIDI thread
    // does, plays onto the console whose tab is current.
    const std::unique_ptr<CMidiInDispatcher> route = RouteMidiToActiveConsole(*frame);
    CChildFrame *first = frame->NewConsole();
    CChildFrame *second = frame->NewConsole();
    std::vector<dataConsole::CCtrl__Base *> buttons;
    for (CChildFrame *console : {first, second}) {
        auto &data = console->Document().Console();
        auto *button = data.AddControl(dataConsole::CreateControl(dataConsole::kCtrlButton, &data, nullptr, nullptr));
        button->SetRect(QRect(20, 20, 80, 40));
        button->Bindings()[0].midi = {.command = 60, .channel = -1, .status = dataConsole::kStatusNoteOnOff};
        buttons.push_back(button);
    }
    frame->Tabs().setCurrentWidget(first);
    QApplication::processEvents();
    const QImage before = frame->Preview().widget()->grab().toImage();
    QCoreApplication::postEvent(qApp, new CMidiInEvent(MidiInMessage{60, 0, dataConsole::kStatusNoteOn, 100}));
    QApplication::processEvents();
    EXPECT_EQ(buttons[0]->ValueAt(0), 127);
    EXPECT_EQ(buttons[1]->ValueAt(0), 0);
    // The preview shows it pressed; the editing canvas keeps it at rest; nothing is modified.
    EXPECT_NE(frame->Preview().widget()->grab().toImage(), before);
    EXPECT_FALSE(first->Document().IsModified());
}

TEST_F(MainFrameTest, PastingAfterTheCopiedConsoleClosedTakesTheDesignByName)
{
    // A console outside the console folder brings its own designs: copy from it, close it.
    const QString show = m_dir.filePath(QStringLiteral("elsewhere"));
    korvane::test::WriteImage(show + QStringLiteral("/_ccd/amber.png"), QSize(64, 32), Qt::yellow);
    korvane::test::WriteText(show + QStringLiteral("/_ccd/Amber.ccd"),
                             korvane::test::DesignFile("<Button ImageOff=\"amber.png\" ImageOn=\"amber.png\"/>"));
    korvane::test::WriteText(show + QStringLiteral("/Show.csl2"),
                             korvane::test::ConsoleFile("<Button x=\"10\" y=\"10\" cx=\"64\" cy=\"32\" "
                                                        "control_file_draw=\"Amber.ccd\"/>"));
    CChildFrame *source = frame->OpenConsole(show + QStringLiteral("/Show.csl2"));
    ASSERT_TRUE(source);
    ASSERT_TRUE(source->Document().Console().Controls()[0]->Design());
    frame->RunCommand(kIdSelectAll);
    frame->RunCommand(kIdCopy);
    ASSERT_TRUE(frame->CloseConsole(source));

    // Pasted elsewhere, the copy keeps the name; that console has no such design.
    CChildFrame *target = frame->NewConsole();
    frame->RunCommand(kIdPaste);
    ASSERT_EQ(target->Document().Console().Controls().size(), 1u);
    const dataConsole::CCtrl__Base &pasted = *target->Document().Console().Controls()[0];
    EXPECT_EQ(pasted.DesignName(), QStringLiteral("Amber.ccd"));
    EXPECT_EQ(pasted.Design(), nullptr);
    target->View().Canvas().grab(); // drawn in the default look, with nothing freed behind it
    // Pasted again over the first copy, the second lands a grid step away, where it shows.
    frame->RunCommand(kIdPaste);
    ASSERT_EQ(target->Document().Console().Controls().size(), 2u);
    EXPECT_EQ(target->Document().Console().Controls()[1]->Rect(), QRect(30, 30, 64, 32));
    target->Document().SetModified(false);
}

TEST_F(MainFrameTest, AFirstWindowTakesMostOfTheScreenAndSaysWhatToDoWithNoConsole)
{
    CMainFrame fresh(App(), nullptr, &dialogs);
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(fresh.geometry().center(), available.center());
    EXPECT_GE(fresh.width(), available.width() * 4 / 5);

    // With nothing open: a new console, the Open dialog, the recent consoles.
    QSettings settings(m_dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    CRecentFileList recent(settings);
    const QString stage = m_dir.filePath(QStringLiteral("_Common/console/Stage.csl2"));
    korvane::test::WriteText(stage, korvane::test::ConsoleFile(""));
    recent.Add(stage);
    frame->SetRecentFiles(&recent);
    EXPECT_TRUE(frame->Welcome().isVisible());
    auto *open = frame->Welcome().findChild<QAbstractButton *>(QStringLiteral("recentConsole"));
    ASSERT_TRUE(open);
    QTest::mouseClick(open, Qt::LeftButton);
    ASSERT_EQ(frame->Tabs().count(), 1);
    EXPECT_FALSE(frame->Welcome().isVisible());
    ASSERT_TRUE(frame->CloseConsole(frame->ActiveFrame()));
    EXPECT_TRUE(frame->Welcome().isVisible());
    QTest::mouseClick(frame->Welcome().findChild<QAbstractButton *>(QStringLiteral("newConsole")), Qt::LeftButton);
    EXPECT_EQ(frame->Tabs().count(), 1);
    frame->SetRecentFiles(nullptr);
}

TEST(ConsolePrinting, APrintedPageLooksLikeTheRenderTextsIncluded)
{
    dataConsole::CConsoleData console;
    console.settings.width = 200;
    console.settings.height = 100;
    console.settings.transparentBackground = false;
    auto *label = console.AddControl(dataConsole::CreateControl(dataConsole::kCtrlLabel, &console, nullptr, nullptr));
    label->SetRect(QRect(10, 10, 180, 60));
    label->SetFontSize(24);
    label->SetTextColor(MakeColorRef(255, 0, 255));
    label->SetLabel(0, QStringLiteral("WWWW"));
    // The share of the width the text's ink spans.
    auto inkShare = [](const QImage &image) {
        int first = image.width(), last = -1;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                if (c.red() > 200 && c.blue() > 200 && c.green() < 80)
                    first = std::min(first, x), last = std::max(last, x);
            }
        }
        return double(last - first + 1) / image.width();
    };
    const double rendered = inkShare(dataConsole::RenderConsole(console, 1.0f, nullptr));
    ASSERT_GT(rendered, 0.2);
    // A page ten times the console's size, as a printer's resolution gives.
    QImage page(2000, 1000, QImage::Format_ARGB32_Premultiplied);
    page.fill(Qt::white);
    QPainter painter(&page);
    PaintConsoleOnPage(painter, QRectF(0, 0, 2000, 1000), console, nullptr);
    painter.end();
    EXPECT_NEAR(inkShare(page), rendered, 0.03);
}

TEST_F(MainFrameTest, AConsoleHandedOverIsAnsweredBeforeAnythingIsShown)
{
    const QString bad = m_dir.filePath(QStringLiteral("bad.csl2"));
    korvane::test::WriteText(bad, "<CSL2 Author=\"orlen\" Version=\"2.0\"/>");
    QString refusal;
    // Returns without waiting for the user, who sees the reason in a box that does not block.
    EXPECT_EQ(frame->OpenConsole(bad, false, &refusal), nullptr);
    EXPECT_TRUE(refusal.contains(QStringLiteral("Wrong file version!"))) << refusal.toStdString();
    auto *box = frame->findChild<QMessageBox *>();
    ASSERT_TRUE(box);
    EXPECT_TRUE(box->isVisible());
    box->close();
}

TEST_F(MainFrameTest, QuittingAsksAboutEveryConsoleBeforeClosingAny)
{
    CChildFrame *first = frame->NewConsole();
    CChildFrame *second = frame->NewConsole();
    frame->NewConsole(); // unmodified
    for (CChildFrame *console : {first, second}) {
        Add(console, QRect(10, 10, 50, 20));
        console->Document().SetModified(true);
    }
    // No to the first, Cancel to the second: nothing is closed, nothing discarded.
    QTimer::singleShot(0, [] {
        qobject_cast<QMessageBox *>(QApplication::activeModalWidget())->button(QMessageBox::No)->click();
        AnswerNextQuestion(QMessageBox::Cancel);
    });
    EXPECT_FALSE(frame->close());
    EXPECT_EQ(frame->Tabs().count(), 3);
    EXPECT_TRUE(first->Document().IsModified());
    // No to both: everything closes.
    QTimer::singleShot(0, [] {
        qobject_cast<QMessageBox *>(QApplication::activeModalWidget())->button(QMessageBox::No)->click();
        AnswerNextQuestion(QMessageBox::No);
    });
    EXPECT_TRUE(frame->close());
    EXPECT_EQ(frame->Tabs().count(), 0);
}
