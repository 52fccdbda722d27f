// The dialog that chooses the console file to open or to save to: the consoles of the console
// folder and, when opening, those stored inside the shows of the lighting program.
#pragma once

#include <QDialog>
#include <QString>
#include <QTreeWidgetItem>

#include <ctime>

class QPushButton;
class QTreeWidget;

namespace korvane {

// Lists the console files with their dates as a two-column tree ("File", "Date") and returns
// the chosen file's name with its show. It neither opens nor writes a file: the caller does.
// The list is built once, when the dialog is first shown; files created while it is open do
// not appear.
class COpenCSL2Dialog : public QDialog
{
    Q_OBJECT

public:
    enum class Mode { Open, Save };

    // A console file of the list: its name with the extension, and the show folder that holds
    // it (empty for the console folder).
    class CRecordFile : public QTreeWidgetItem
    {
    public:
        static constexpr int kType = QTreeWidgetItem::UserType + 1;
        CRecordFile(const QString &fileName, const QString &date, const QString &showName);
        const QString &FileName() const { return m_fileName; }
        const QString &ShowName() const { return m_showName; }

    private:
        QString m_fileName;
        QString m_showName;
    };

    COpenCSL2Dialog(Mode mode, const QString &appFolder, QWidget *parent = nullptr);

    Mode DialogMode() const { return m_mode; }
    // In: the name to preselect (set before the dialog is shown). Out: the chosen file's name
    // with its extension, or empty when "New" was pressed.
    const QString &FileName() const { return m_fileName; }
    void SetFileName(const QString &fileName) { m_fileName = fileName; }
    // The show folder holding the chosen file; empty for a file of the console folder.
    const QString &ShowName() const { return m_showName; }

    // The date shown for a file changed at `time`: the local time in the C library's current
    // locale, "Friday, March 01, 2024" in English. Empty when the time has no calendar date.
    static QString FormatFileDate(std::time_t time);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void Populate();
    void AddShowRows();
    void AddConsoleRows();
    void SelectPreselectedRow();
    void OnSelectionChanged();
    void OnNew();

    Mode m_mode;
    QString m_appFolder;
    QString m_fileName;
    QString m_showName;
    bool m_populated = false;
    QTreeWidget *m_list = nullptr;
    QPushButton *m_newButton = nullptr;
    QPushButton *m_okButton = nullptr;
};

} // namespace korvane
