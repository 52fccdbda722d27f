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
#include <utility>

#include "editor/new_file_dlg.h"
#include "editor/open_csl2_dialog.h"
#include "editor/save_as_flow.h"
#include "test_support.h"

using korvane::CNewFileDlg;
using korvane::COpenCSL2Dialog;
using korvane::RunSaveAsFlow;
using korvane::test::ConsoleFile;
using korvane::test::WriteText;
using Mode = COpenCSL2Dialog::Mode;
using namespace Qt::StringLiterals;

namespace {

// An application folder of the test's own, and month and day names as the C locale spells them.
class ConsoleDialogsTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        std::setlocale(LC_TIME, "C");
    }
    void TearDown() override { std::setlocale(LC_TIME, m_savedTimeLocale.c_str()); }

    QString App() const { return m_dir.path(); }
    void Write(const QString &relative) { WriteText(App() + u'/' + relative, ConsoleFile({})); }

    QTemporaryDir m_dir;
    const std::string m_savedTimeLocale = std::setlocale(LC_TIME, nullptr);
};

QTreeWidget *List(QDialog &dialog) { return dialog.findChild<QTreeWidget *>(u"fileList"_s); }
QPushButton *Button(QDialog &dialog, const char *name) { return dialog.findChild<QPushButton *>(QLatin1String(name)); }

// Every row's text, indented by depth, in the order shown.
QStringList Rows(QTreeWidget *list)
{
    QStringList rows;
    for (QTreeWidgetItemIterator it(list); *it; ++it) {
        int depth = 0;
        for (QTreeWidgetItem *parent = (*it)->parent(); parent; parent = parent->parent())
            ++depth;
        rows << QString(depth * 2, u' ') + (*it)->text(0);
    }
    return rows;
}

// The row whose texts from the top, joined by '/', are `path`.
QTreeWidgetItem *Row(QTreeWidget *list, const QString &path)
{
    for (QTreeWidgetItemIterator it(list); *it; ++it) {
        QString itemPath = (*it)->text(0);
        for (QTreeWidgetItem *parent = (*it)->parent(); parent; parent = parent->parent())
            itemPath = parent->text(0) + u'/' + itemPath;
        if (itemPath == path)
            return *it;
    }
    ADD_FAILURE() << "no row " << path.toStdString();
    return nullptr;
}

// Opens the rows above it, as the user would with their arrows, and clicks the row.
void ClickRow(QTreeWidget *list, const QString &path)
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

TEST_F(ConsoleDialogsTest, OpenListsConsolesAndTheShowsHoldingThemAndSaveListsNoShows)
{
    // Folders spelled in other letter cases than the program names them, as copied from Windows.
    // With nothing to list but the group row, OK is enabled all the same and gives no name.
    Write(u"_common/Console/notes.txt"_s);
    Write(u"_vellum/Bare/#COMMONFILE#/files/readme.txt"_s);
    COpenCSL2Dialog empty(Mode::Open, App());
    Show(empty);
    EXPECT_EQ(Rows(List(empty)), QStringList{u"Inside show file"_s});
    EXPECT_FALSE(Button(empty, "newButton")->isVisible());
    QTest::mouseClick(Button(empty, "okButton"), Qt::LeftButton);
    EXPECT_EQ(empty.result(), QDialog::Accepted);
    EXPECT_EQ(empty.FileName(), QString());

    for (const QString &file : {u"_common/Console/b.csl2"_s, u"_common/Console/A.CSL2"_s, u"_common/Console/one.csl2"_s,
                                u"_vellum/Gala/#commonfile#/Files/two.csl2"_s,
                                u"_vellum/Gala/#commonfile#/Files/one.csl2"_s, u"_vellum/loose.csl2"_s})
        Write(file);
    ASSERT_TRUE(QDir().mkpath(App() + u"/_common/Console/folder.csl2"_s));
    // Dated at local noon, so that no time zone moves the day.
    QFile dated(App() + u"/_common/Console/b.csl2"_s);
    ASSERT_TRUE(dated.open(QIODevice::ReadWrite));
    ASSERT_TRUE(dated.setFileTime(QDateTime(QDate(2024, 3, 1), QTime(12, 0)), QFileDevice::FileModificationTime));

    COpenCSL2Dialog dialog(Mode::Open, App());
    Show(dialog);
    QTreeWidget *list = List(dialog);
    EXPECT_EQ(Rows(list), (QStringList{u"Inside show file"_s, u"  Gala"_s, u"    one.csl2"_s, u"    two.csl2"_s,
                                       u"A.CSL2"_s, u"b.csl2"_s, u"one.csl2"_s}));
    EXPECT_EQ(Row(list, u"b.csl2"_s)->text(1), u"Friday, March 01, 2024"_s);

    // With no name given, the first console of the folder is chosen.
    EXPECT_EQ(list->selectedItems(), QList<QTreeWidgetItem *>{Row(list, u"A.CSL2"_s)});
    EXPECT_EQ(dialog.FileName(), u"A.CSL2"_s);

    QPushButton *ok = Button(dialog, "okButton");
    ClickRow(list, u"Inside show file/Gala/one.csl2"_s);
    EXPECT_TRUE(ok->isEnabled());
    EXPECT_EQ(dialog.FileName(), u"one.csl2"_s);
    EXPECT_EQ(dialog.ShowName(), u"Gala"_s);

    // A show or the group is not a file: OK waits, and the names stay as they were.
    ClickRow(list, u"Inside show file/Gala"_s);
    EXPECT_FALSE(ok->isEnabled());
    ClickRow(list, u"Inside show file"_s);
    EXPECT_FALSE(ok->isEnabled());
    EXPECT_EQ(dialog.ShowName(), u"Gala"_s);

    // The same name in the console folder belongs to no show.
    ClickRow(list, u"one.csl2"_s);
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_EQ(dialog.FileName(), u"one.csl2"_s);
    EXPECT_EQ(dialog.ShowName(), QString());

    // Saving lists no shows, and selects the name it is given in any letter case.
    COpenCSL2Dialog save(Mode::Save, App());
    save.SetFileName(u"B.CSL2"_s);
    Show(save);
    EXPECT_EQ(Rows(List(save)), (QStringList{u"A.CSL2"_s, u"b.csl2"_s, u"one.csl2"_s}));
    EXPECT_EQ(List(save)->selectedItems(), QList<QTreeWidgetItem *>{List(save)->currentItem()});
    EXPECT_EQ(save.FileName(), u"b.csl2"_s);
}

TEST_F(ConsoleDialogsTest, NewFileNameIsCheckedAsItIsTyped)
{
    Write(u"console/Stage.csl2"_s);
    ASSERT_TRUE(QDir().mkpath(App() + u"/console/Rig.csl2"_s));

    CNewFileDlg dialog;
    dialog.SetExtension(u".csl2"_s);
    dialog.SetFolder(App() + u"/console/"_s);
    dialog.SetName(u"Stag"_s);
    Show(dialog);
    QLineEdit *edit = dialog.findChild<QLineEdit *>(u"nameEdit"_s);
    QLabel *reason = dialog.findChild<QLabel *>(u"refusalLabel"_s);
    QPushButton *ok = Button(dialog, "okButton");
    ASSERT_TRUE(edit && reason && ok);

    // A free proposal still opens with OK refused, until the name is changed.
    EXPECT_FALSE(ok->isEnabled());
    EXPECT_EQ(ok->text(), u"File already exist !"_s);

    // Each typed after clearing the field: a free name, one taken, or one refused with a reason.
    const std::pair<const char *, const char *> steps[] = {
        {"sTaGe", "taken"}, // names are compared in any case
        {"Rig", "taken"},   // a folder takes the name too
        {"", "free"},       {"a/b", "refused"}, {"a\\b", "refused"}, {"C:Show", "refused"}, {"New show", "free"},
    };
    for (const auto &[keys, state] : steps) {
        SCOPED_TRACE(keys);
        edit->clear();
        QTest::keyClicks(edit, QLatin1String(keys));
        EXPECT_EQ(ok->isEnabled(), QLatin1String(state) == "free");
        EXPECT_EQ(ok->text(), QLatin1String(QLatin1String(state) == "taken" ? "File already exist !" : "OK"));
        EXPECT_EQ(!reason->text().isEmpty(), QLatin1String(state) == "refused");
    }

    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Name(), u"New show"_s);
}

TEST_F(ConsoleDialogsTest, SaveAsFlowRunsTheDialogsAndGivesTheFileToWrite)
{
    Write(u"_Common/console/Old.csl2"_s);
    struct Case
    {
        QStringList answers;       // in the list, "New", "cancel" or a row; in the name dialog, "cancel" or keys
        const char *expectedTitle; // empty: the save is cancelled
    };
    const Case cases[] = {
        {{u"New"_s, u"Stage"_s}, "Stage.csl2"},
        {{u"New"_s, u"Stage.csl2"_s}, "Stage.csl2.csl2"}, // the extension is added whatever was typed
        {{u"Old.csl2"_s}, "Old.csl2"},
        {{u"cancel"_s}, ""},
        {{u"New"_s, u"cancel"_s}, ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.answers.join(u',').toStdString());
        // Answers each modal dialog as it comes up; once the answers run out, whatever comes up is
        // cancelled, so that a fault fails the test instead of hanging it.
        QStringList answers = c.answers;
        QStringList seen;
        QTimer answerer;
        QObject::connect(&answerer, &QTimer::timeout, [&] {
            auto *modal = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!modal || !modal->isVisible())
                return;
            // The list shows its title and rows, the name dialog its proposal.
            auto *list = qobject_cast<COpenCSL2Dialog *>(modal);
            auto *edit = modal->findChild<QLineEdit *>(u"nameEdit"_s);
            seen << (list ? list->windowTitle() + u' ' + Rows(List(*list)).join(u',') : edit ? edit->text() : u"?"_s);
            const QString answer = answers.isEmpty() ? u"cancel"_s : answers.takeFirst();
            if (answer == u"cancel"_s || (!list && !edit)) {
                modal->reject();
            } else if (list) {
                if (answer != u"New"_s)
                    ClickRow(List(*list), answer);
                QTest::mouseClick(Button(*list, answer == u"New"_s ? "newButton" : "okButton"), Qt::LeftButton);
            } else {
                edit->clear();
                QTest::keyClicks(edit, answer);
                QTest::mouseClick(Button(*modal, "okButton"), Qt::LeftButton);
            }
        });
        answerer.start(10);
        const auto target = RunSaveAsFlow(nullptr, App(), u"Old.csl2"_s);
        answerer.stop();

        // The name dialog proposes the title without its extension.
        QStringList expectedSeen{u"Save as... Old.csl2"_s};
        if (c.answers.first() == u"New"_s)
            expectedSeen << u"Old"_s;
        EXPECT_EQ(seen, expectedSeen);
        const QString title = QLatin1String(c.expectedTitle);
        EXPECT_EQ(target ? target->title : QString(), title);
        EXPECT_EQ(target ? target->path : QString(),
                  title.isEmpty() ? QString() : App() + u"/_Common/console/"_s + title);
    }
}
