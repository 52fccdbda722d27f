// The console file dialogs driven as a user drives them, over application folders made for
// each test.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDateTime>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <clocale>
#include <string>
#include <vector>

#include "editor/new_file_dlg.h"
#include "editor/open_csl2_dialog.h"
#include "test_support.h"

using korvane::CNewFileDlg;
using korvane::COpenCSL2Dialog;
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

TEST_F(ConsoleDialogsTest, OpenWithNothingToListShowsTheGroupRowAndReturnsNoName)
{
    // The folders exist but hold no console; a show without consoles is not listed.
    MakeFolder(u"_Common/console"_s);
    Write(u"_Common/console/notes.txt"_s);
    Write(u"_Vellum/Gala/#COMMONFILE#/files/readme.txt"_s);

    COpenCSL2Dialog dialog(Mode::Open, App());
    Show(dialog);
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    EXPECT_EQ(Rows(List(dialog)), QStringList{u"Inside show file"_s});
    EXPECT_EQ(dialog.windowTitle(), u"Open"_s);
    EXPECT_FALSE(Button(dialog, "newButton")->isVisible());

    // Nothing is selected, and OK is enabled all the same.
    EXPECT_TRUE(List(dialog)->selectedItems().isEmpty());
    ASSERT_TRUE(Button(dialog, "okButton")->isEnabled());
    QTest::mouseClick(Button(dialog, "okButton"), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.FileName(), QString());
    EXPECT_EQ(dialog.ShowName(), QString());
}

TEST_F(ConsoleDialogsTest, OpenListsConsolesAndTheShowsHoldingThem)
{
    // Folders spelled in other letter cases than the program names them, as copied from Windows.
    Write(u"_common/Console/b.csl2"_s);
    Write(u"_common/Console/A.CSL2"_s);
    Write(u"_common/Console/one.csl2"_s);
    Write(u"_common/Console/notes.txt"_s);
    MakeFolder(u"_common/Console/folder.csl2"_s);
    Write(u"_vellum/Gala/#commonfile#/Files/two.csl2"_s);
    Write(u"_vellum/Gala/#commonfile#/Files/one.csl2"_s);
    Write(u"_vellum/Bare/#COMMONFILE#/files/readme.txt"_s);
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

    // Deleting one character of a taken name frees it.
    edit->clear();
    QTest::keyClicks(edit, u"Stagex"_s);
    ASSERT_TRUE(ok->isEnabled());
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_FALSE(ok->isEnabled());
    EXPECT_EQ(ok->text(), u"File already exist !"_s);
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_TRUE(ok->isEnabled());
    EXPECT_EQ(ok->text(), u"OK"_s);

    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Name(), u"Stag"_s);
}
