// The console file dialogs driven as a user drives them, over application folders made for
// each test, and the save-as flow that chains them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDateTime>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <clocale>
#include <string>
#include <vector>

#include "editor/new_file_dlg.h"
#include "editor/open_csl2_dialog.h"
#include "editor/save_as_flow.h"
#include "test_support.h"

using korvane::CNewFileDlg;
using korvane::COpenCSL2Dialog;
using korvane::ConsoleFileChoice;
using korvane::IConsoleFileDialogs;
using korvane::RunSaveAsFlow;
using korvane::test::ConsoleFile;
using korvane::test::WriteText;
using Mode = COpenCSL2Dialog::Mode;
using namespace Qt::StringLiterals;

namespace {

// Month and day names as the C locale spells them, for as long as it exists.
class CTimeLocaleC
{
public:
    CTimeLocaleC() : m_saved(std::setlocale(LC_TIME, nullptr)) { std::setlocale(LC_TIME, "C"); }
    ~CTimeLocaleC() { std::setlocale(LC_TIME, m_saved.c_str()); }

private:
    std::string m_saved;
};

class ConsoleDialogsTest : public testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }

    QString App() const { return m_dir.path(); }
    // A console file, or any file, at `relative` under the application folder.
    void Write(const QString &relative) { WriteText(App() + u'/' + relative, ConsoleFile({})); }
    void MakeFolder(const QString &relative) { ASSERT_TRUE(QDir().mkpath(App() + u'/' + relative)); }

    QTemporaryDir m_dir;
};

QTreeWidget *List(QDialog &dialog) { return dialog.findChild<QTreeWidget *>(u"fileList"_s); }
QPushButton *Button(QDialog &dialog, const char *name) { return dialog.findChild<QPushButton *>(QLatin1String(name)); }

// Every row with its texts, indented by depth, in the order shown.
QStringList Rows(QTreeWidget *list, int column = 0)
{
    QStringList rows;
    for (QTreeWidgetItemIterator it(list); *it; ++it) {
        int depth = 0;
        for (QTreeWidgetItem *parent = (*it)->parent(); parent; parent = parent->parent())
            ++depth;
        rows << QString(depth * 2, u' ') + (*it)->text(column);
    }
    return rows;
}

QTreeWidgetItem *Row(QTreeWidget *list, const QStringList &path)
{
    QTreeWidgetItem *item = nullptr;
    for (const QString &text : path) {
        const int count = item ? item->childCount() : list->topLevelItemCount();
        QTreeWidgetItem *found = nullptr;
        for (int i = 0; i < count && !found; ++i) {
            QTreeWidgetItem *candidate = item ? item->child(i) : list->topLevelItem(i);
            if (candidate->text(0) == text)
                found = candidate;
        }
        EXPECT_TRUE(found) << text.toStdString();
        if (!found)
            return nullptr;
        item = found;
    }
    return item;
}

// Opens the rows above it, as the user would with their arrows, and clicks the row.
void ClickRow(QTreeWidget *list, const QStringList &path)
{
    QTreeWidgetItem *item = Row(list, path);
    ASSERT_TRUE(item);
    for (QTreeWidgetItem *parent = item->parent(); parent; parent = parent->parent())
        parent->setExpanded(true);
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
    ASSERT_EQ(list->selectedItems(), QList<QTreeWidgetItem *>{item});
}

void Show(QDialog &dialog)
{
    dialog.open();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
}

} // namespace

TEST_F(ConsoleDialogsTest, OpenListsConsolesAndTheShowsHoldingThem)
{
    // Folders spelled in other letter cases than the program names them, as copied from Windows.
    // With nothing to list but the group row, OK is enabled all the same and gives no name.
    Write(u"_common/Console/notes.txt"_s);
    Write(u"_vellum/Bare/#COMMONFILE#/files/readme.txt"_s);
    {
        COpenCSL2Dialog empty(Mode::Open, App());
        Show(empty);
        EXPECT_EQ(Rows(List(empty)), QStringList{u"Inside show file"_s});
        EXPECT_EQ(empty.windowTitle(), u"Open"_s);
        EXPECT_FALSE(Button(empty, "newButton")->isVisible());
        EXPECT_TRUE(List(empty)->selectedItems().isEmpty());
        QTest::mouseClick(Button(empty, "okButton"), Qt::LeftButton);
        EXPECT_EQ(empty.result(), QDialog::Accepted);
        EXPECT_EQ(empty.FileName(), QString());
        EXPECT_EQ(empty.ShowName(), QString());
    }

    Write(u"_common/Console/b.csl2"_s);
    Write(u"_common/Console/A.CSL2"_s);
    Write(u"_common/Console/one.csl2"_s);
    MakeFolder(u"_common/Console/folder.csl2"_s);
    Write(u"_vellum/Gala/#commonfile#/Files/two.csl2"_s);
    Write(u"_vellum/Gala/#commonfile#/Files/one.csl2"_s);
    Write(u"_vellum/loose.csl2"_s);

    // Dated at local noon, so that no time zone moves the day.
    {
        QFile file(App() + u"/_common/Console/b.csl2"_s);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(QDateTime(QDate(2024, 3, 1), QTime(12, 0)), QFileDevice::FileModificationTime));
    }
    const CTimeLocaleC englishDates;

    COpenCSL2Dialog dialog(Mode::Open, App());
    Show(dialog);
    QTreeWidget *list = List(dialog);
    const QStringList galaOne{u"Inside show file"_s, u"Gala"_s, u"one.csl2"_s};
    EXPECT_EQ(Rows(list), (QStringList{u"Inside show file"_s, u"  Gala"_s, u"    one.csl2"_s, u"    two.csl2"_s,
                                       u"A.CSL2"_s, u"b.csl2"_s, u"one.csl2"_s}));
    EXPECT_EQ(Row(list, {u"b.csl2"_s})->text(1), u"Friday, March 01, 2024"_s);
    EXPECT_FALSE(Row(list, galaOne)->text(1).isEmpty());

    // With no name given, the first console of the folder is chosen.
    EXPECT_EQ(list->selectedItems(), QList<QTreeWidgetItem *>{Row(list, {u"A.CSL2"_s})});
    EXPECT_EQ(dialog.FileName(), u"A.CSL2"_s);

    QPushButton *ok = Button(dialog, "okButton");
    ClickRow(list, galaOne);
    EXPECT_TRUE(ok->isEnabled());
    EXPECT_EQ(dialog.FileName(), u"one.csl2"_s);
    EXPECT_EQ(dialog.ShowName(), u"Gala"_s);

    // A show or the group is not a file: OK waits, and the names stay as they were.
    ClickRow(list, {u"Inside show file"_s, u"Gala"_s});
    EXPECT_FALSE(ok->isEnabled());
    ClickRow(list, {u"Inside show file"_s});
    EXPECT_FALSE(ok->isEnabled());
    EXPECT_EQ(dialog.ShowName(), u"Gala"_s);

    // The same name in the console folder belongs to no show.
    ClickRow(list, {u"one.csl2"_s});
    ASSERT_TRUE(ok->isEnabled());
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.FileName(), u"one.csl2"_s);
    EXPECT_EQ(dialog.ShowName(), QString());
}

TEST_F(ConsoleDialogsTest, SaveSelectsTheNameInAnyCaseAndNewReturnsNoName)
{
    Write(u"_Common/console/Alpha.csl2"_s);
    Write(u"_Common/console/Stage.csl2"_s);
    Write(u"_Vellum/Gala/#COMMONFILE#/files/Gig.csl2"_s);

    COpenCSL2Dialog dialog(Mode::Save, App());
    dialog.SetFileName(u"STAGE.CSL2"_s);
    Show(dialog);
    QTreeWidget *list = List(dialog);
    // Saving lists no shows.
    EXPECT_EQ(Rows(list), (QStringList{u"Alpha.csl2"_s, u"Stage.csl2"_s}));
    EXPECT_EQ(dialog.windowTitle(), u"Save as..."_s);
    EXPECT_EQ(list->selectedItems(), QList<QTreeWidgetItem *>{Row(list, {u"Stage.csl2"_s})});
    EXPECT_EQ(list->currentItem(), Row(list, {u"Stage.csl2"_s}));
    EXPECT_EQ(dialog.FileName(), u"Stage.csl2"_s);

    QPushButton *newButton = Button(dialog, "newButton");
    ASSERT_TRUE(newButton->isVisible());
    QTest::mouseClick(newButton, Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.FileName(), QString());
}

TEST_F(ConsoleDialogsTest, NewFileNameIsCheckedAsItIsTyped)
{
    Write(u"console/Stage.csl2"_s);
    MakeFolder(u"console/Rig.csl2"_s);

    CNewFileDlg dialog;
    dialog.SetExtension(u".csl2"_s);
    dialog.SetFolder(App() + u"/console/"_s);
    dialog.SetName(u"Stag"_s);
    Show(dialog);
    QLineEdit *edit = dialog.findChild<QLineEdit *>(u"nameEdit"_s);
    QLabel *reason = dialog.findChild<QLabel *>(u"refusalLabel"_s);
    QPushButton *ok = Button(dialog, "okButton");
    ASSERT_TRUE(edit && reason && ok);
    EXPECT_EQ(dialog.windowTitle(), u"Save as..."_s);
    EXPECT_EQ(edit->text(), u"Stag"_s);

    // A free proposal still opens with OK refused, until the name is changed.
    EXPECT_FALSE(ok->isEnabled());
    EXPECT_EQ(ok->text(), u"File already exist !"_s);

    struct Step
    {
        const char *keys; // typed after clearing the field; empty leaves it empty
        bool accepted;
        const char *okText;
        bool refused;
    };
    const std::vector<Step> steps{
        {"sTaGe", false, "File already exist !", false}, // names are compared in any case
        {"Rig", false, "File already exist !", false},   // a folder takes the name too
        {"", true, "OK", false},
        {"a/b", false, "OK", true},
        {"a\\b", false, "OK", true},
        {"/tmp/Show", false, "OK", true},
        {"C:Show", false, "OK", true},
        {"New show", true, "OK", false},
    };
    for (const Step &step : steps) {
        SCOPED_TRACE(step.keys);
        edit->clear();
        QTest::keyClicks(edit, QLatin1String(step.keys));
        EXPECT_EQ(ok->isEnabled(), step.accepted);
        EXPECT_EQ(ok->text(), QLatin1String(step.okText));
        EXPECT_EQ(!reason->text().isEmpty(), step.refused);
    }

    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Name(), u"New show"_s);
}

namespace {

// Answers the two dialogs as a script says, and records what it was asked.
class CScriptedDialogs : public IConsoleFileDialogs
{
public:
    std::optional<ConsoleFileChoice> openAnswer;
    std::optional<QString> newFileAnswer;

    std::optional<ConsoleFileChoice> RunOpenDialog(Mode mode, const QString &preselect) override
    {
        openCalls << u"%1 %2"_s.arg(mode == Mode::Save ? "save" : "open", preselect);
        return openAnswer;
    }
    std::optional<QString> RunNewFileDialog(const QString &proposed, const QString &extension,
                                            const QString &folder) override
    {
        newFileCalls << u"%1|%2|%3"_s.arg(proposed, extension, folder);
        return newFileAnswer;
    }

    QStringList openCalls;
    QStringList newFileCalls;
};

} // namespace

TEST_F(ConsoleDialogsTest, SaveAsFlowGivesTheFileToWrite)
{
    MakeFolder(u"_common/CONSOLE"_s);
    const QString folder = App() + u"/_common/CONSOLE/"_s;

    struct Case
    {
        const char *name;
        std::optional<ConsoleFileChoice> chosen;
        std::optional<QString> typed;
        const char *expectedTitle; // null: the save is cancelled
        bool asksNewName;
    };
    const std::vector<Case> cases{
        {"new name", ConsoleFileChoice{}, u"Stage"_s, "Stage.csl2", true},
        {"new name with extension", ConsoleFileChoice{}, u"Stage.csl2"_s, "Stage.csl2.csl2", true},
        {"chosen in a show", ConsoleFileChoice{u"Gig.csl2"_s, u"Gala"_s}, {}, "Gig.csl2", false},
        {"title kept", ConsoleFileChoice{u"Console1"_s, {}}, {}, "Console1", false},
        {"list cancelled", std::nullopt, u"Stage"_s, nullptr, false},
        {"new name cancelled", ConsoleFileChoice{}, std::nullopt, nullptr, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        CScriptedDialogs dialogs;
        dialogs.openAnswer = c.chosen;
        dialogs.newFileAnswer = c.typed;
        const auto target = RunSaveAsFlow(App(), u"Console1.csl2"_s, dialogs);
        EXPECT_EQ(dialogs.openCalls, QStringList{u"save Console1.csl2"_s});
        const QStringList newFileCalls{u"Console1|.csl2|"_s + folder};
        EXPECT_EQ(dialogs.newFileCalls, c.asksNewName ? newFileCalls : QStringList{});
        if (!c.expectedTitle) {
            EXPECT_FALSE(target);
            continue;
        }
        ASSERT_TRUE(target);
        EXPECT_EQ(target->title, QLatin1String(c.expectedTitle));
        EXPECT_EQ(target->path, folder + QLatin1String(c.expectedTitle));
    }
}

TEST_F(ConsoleDialogsTest, SaveAsFlowRunsTheRealDialogs)
{
    Write(u"_Common/console/Old.csl2"_s);

    // Answers each modal dialog as it comes up: "New" in the list, then a name. A dialog
    // that will not close is cancelled after a while, so that a fault fails the test instead
    // of hanging it.
    QStringList seen;
    QTimer answerer;
    int ticks = 0;
    constexpr int kGiveUpTicks = 300;
    QObject::connect(&answerer, &QTimer::timeout, [&] {
        auto *modal = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (modal && ++ticks > kGiveUpTicks) {
            seen << u"gave up"_s;
            modal->reject();
        } else if (auto *list = qobject_cast<COpenCSL2Dialog *>(modal); list && list->isVisible()) {
            seen << list->windowTitle() + u' ' + Rows(List(*list)).join(u',');
            QTest::mouseClick(Button(*list, "newButton"), Qt::LeftButton);
        } else if (auto *name = qobject_cast<CNewFileDlg *>(modal); name && name->isVisible()) {
            auto *edit = name->findChild<QLineEdit *>(u"nameEdit"_s);
            seen << edit->text();
            edit->clear();
            QTest::keyClicks(edit, u"Stage"_s);
            QTest::mouseClick(Button(*name, "okButton"), Qt::LeftButton);
        }
    });
    answerer.start(10);
    const auto target = RunSaveAsFlow(nullptr, App(), u"Old.csl2"_s);
    answerer.stop();

    EXPECT_EQ(seen, (QStringList{u"Save as... Old.csl2"_s, u"Old"_s}));
    ASSERT_TRUE(target);
    EXPECT_EQ(target->path, App() + u"/_Common/console/Stage.csl2"_s);
    EXPECT_EQ(target->title, u"Stage.csl2"_s);
}
