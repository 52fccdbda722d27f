// The console file dialogs driven as a user drives them, over application folders made for
// each test, and the save-as flow that chains them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDateTime>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
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

using namespace korvane;
using namespace korvane::test;
using Mode = COpenCSL2Dialog::Mode;
using namespace Qt::StringLiterals;

namespace {

// An application folder of the test's own, and month and day names as the C locale spells them.
class ConsoleDialogsTest : public testing::Test
{
protected:
    void SetUp() override { std::setlocale(LC_TIME, "C"); }
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

// The row that Rows() shows as `row`.
QTreeWidgetItem *Row(QTreeWidget *list, const QString &row)
{
    QTreeWidgetItemIterator it(list);
    for (const QString &shown : Rows(list)) {
        if (shown == row)
            return *it;
        ++it;
    }
    ADD_FAILURE() << "no row " << row.toStdString();
    return nullptr;
}

// Opens the rows above it, as the user would with their arrows, and clicks the row.
void ClickRow(QTreeWidget *list, const QString &row)
{
    QTreeWidgetItem *item = Row(list, row);
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
    // The group row heads the list even with no show under it.
    Write(u"_common/Console/notes.txt"_s);
    Write(u"_vellum/Bare/#COMMONFILE#/files/readme.txt"_s);
    COpenCSL2Dialog empty(Mode::Open, App());
    Show(empty);
    EXPECT_EQ(Rows(List(empty)), QStringList{u"Inside show file"_s});
    EXPECT_FALSE(Button(empty, "newButton")->isVisible());

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

    ClickRow(list, u"    one.csl2"_s);
    EXPECT_EQ(dialog.FileName(), u"one.csl2"_s);
    EXPECT_EQ(dialog.ShowName(), u"Gala"_s);

    // A show is not a file: OK waits, and the names stay as they were.
    ClickRow(list, u"  Gala"_s);
    EXPECT_FALSE(Button(dialog, "okButton")->isEnabled());
    EXPECT_EQ(dialog.ShowName(), u"Gala"_s);

    // The same name in the console folder belongs to no show; a double click chooses it.
    ClickRow(list, u"one.csl2"_s);
    EXPECT_TRUE(Button(dialog, "okButton")->isEnabled());
    EXPECT_EQ(dialog.ShowName(), QString());
    const QPoint b = list->visualItemRect(Row(list, u"b.csl2"_s)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, b); // a double click's first press, as a mouse sends it
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, b);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.FileName(), u"b.csl2"_s);

    // Saving lists no shows, and selects the name it is given in any letter case.
    COpenCSL2Dialog save(Mode::Save, App());
    save.SetFileName(u"B.CSL2"_s);
    Show(save);
    EXPECT_EQ(Rows(List(save)), (QStringList{u"A.CSL2"_s, u"b.csl2"_s, u"one.csl2"_s}));
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

    // A free proposal still opens with OK refused, until the name is changed.
    EXPECT_FALSE(ok->isEnabled());
    EXPECT_EQ(ok->text(), u"File already exist !"_s);

    // Each typed into the cleared field: free, taken (in any letter case, or by a folder), or refused with a reason.
    const std::pair<const char *, const char *> steps[] = {
        {"sTaGe", "taken"},   {"Rig", "taken"},    {"", "free"},         {"a/b", "refused"},
        {"a\\b", "refused"}, {"C:Show", "refused"}, {"New show", "free"},
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
    // In the list "New", "cancel" or a row, in the name dialog "cancel" or keys, to the question
    // whether to replace another console "yes" or "no"; then the title saved to, if any.
    const std::pair<QStringList, QString> cases[] = {
        {{u"New"_s, u"Stage"_s}, u"Stage.csl2"_s}, {{u"Old.csl2"_s, u"yes"_s}, u"Old.csl2"_s},
        {{u"Old.csl2"_s, u"no"_s}, {}},           {{u"cancel"_s}, {}},
        {{u"New"_s, u"cancel"_s}, {}},
    };
    for (const auto &[given, title] : cases) {
        SCOPED_TRACE(given.join(u',').toStdString());
        // Answers each modal dialog as it comes up; once the answers run out, whatever comes up is
        // cancelled, so that a fault fails the test instead of hanging it.
        QStringList answers = given;
        QStringList seen;
        QTimer answerer;
        QObject::connect(&answerer, &QTimer::timeout, [&] {
            auto *modal = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!modal || !modal->isVisible())
                return;
            auto *list = qobject_cast<COpenCSL2Dialog *>(modal);
            auto *edit = modal->findChild<QLineEdit *>(u"nameEdit"_s);
            auto *question = qobject_cast<QMessageBox *>(modal);
            seen << (list       ? list->windowTitle() + u' ' + Rows(List(*list)).join(u',')
                     : edit     ? edit->text()
                     : question ? u"replace?"_s
                                : u"?"_s);
            const QString answer = answers.isEmpty() ? u"cancel"_s : answers.takeFirst();
            if (question) {
                question->button(answer == u"yes"_s ? QMessageBox::Yes : QMessageBox::No)->click();
            } else if (answer == u"cancel"_s || (!list && !edit)) {
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

        // The name dialog proposes the title without its extension; another console's file is
        // replaced only after a question.
        QStringList expected{u"Save as... Old.csl2"_s};
        if (given.first() == u"New"_s)
            expected << u"Old"_s;
        if (given.first() == u"Old.csl2"_s)
            expected << u"replace?"_s;
        EXPECT_EQ(seen, expected);
        EXPECT_EQ(target ? target->title + u' ' + target->path : QString(),
                  title.isEmpty() ? QString() : title + u' ' + App() + u"/_Common/console/"_s + title);
    }
}
