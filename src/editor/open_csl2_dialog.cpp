// The console file dialog: its list of consoles and shows, and the choice it returns.
#include "editor/open_csl2_dialog.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/folders.h"
#include "core/word_ids.h"
#include "core/words.h"

namespace korvane {

namespace {

// Texts of the dialog itself rather than words of the table.
constexpr char kInsideShowFileText[] = "Inside show file";
constexpr char kNewButtonText[] = "New";

constexpr char kConsolePattern[] = "*.csl2";
// Shorter names can only be stray matches of the pattern.
constexpr int kMinimumFileNameLength = 5;
constexpr char kDateFormat[] = "%A, %B %d, %Y";

constexpr int kFileColumn = 0;
constexpr int kDateColumn = 1;
constexpr int kFileColumnWidth = 150;
constexpr int kDateColumnWidth = 100;
constexpr QSize kInitialSize{420, 320};

// The console files of `folder` in listing order; none when the folder does not exist.
// The pattern matches the extension in any letter case, as files copied from Windows may
// carry it in capitals.
QFileInfoList ConsoleFilesOf(const QString &folder)
{
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return {};
    const QFileInfoList entries = QDir(folder).entryInfoList({QLatin1String(kConsolePattern)},
                                                             QDir::Files | QDir::Hidden,
                                                             QDir::Name | QDir::IgnoreCase);
    QFileInfoList files;
    for (const QFileInfo &entry : entries) {
        if (entry.fileName().size() >= kMinimumFileNameLength)
            files.append(entry);
    }
    return files;
}

QString FileDate(const QFileInfo &file)
{
    const QDateTime changed = file.lastModified();
    if (!changed.isValid())
        return {};
    return COpenCSL2Dialog::FormatFileDate(static_cast<std::time_t>(changed.toSecsSinceEpoch()));
}

} // namespace

COpenCSL2Dialog::CRecordFile::CRecordFile(const QString &fileName, const QString &date, const QString &showName)
    : QTreeWidgetItem(QStringList{fileName, date}, kType), m_fileName(fileName), m_showName(showName)
{
}

COpenCSL2Dialog::COpenCSL2Dialog(Mode mode, const QString &appFolder, QWidget *parent)
    : QDialog(parent), m_mode(mode), m_appFolder(appFolder)
{
    setWindowTitle(Word(mode == Mode::Save ? word::kSaveAs : word::kOpen));

    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("fileList"));
    m_list->setColumnCount(2);
    m_list->setHeaderLabels({Word(word::kFile), Word(word::kDate)});
    m_list->setColumnWidth(kFileColumn, kFileColumnWidth);
    m_list->setColumnWidth(kDateColumn, kDateColumnWidth);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    // Only the shows make a tree; a flat list of files needs no room for branches.
    m_list->setRootIsDecorated(mode == Mode::Open);

    m_newButton = new QPushButton(QLatin1String(kNewButtonText), this);
    m_newButton->setObjectName(QStringLiteral("newButton"));
    m_newButton->setAutoDefault(false);
    m_newButton->setVisible(mode == Mode::Save);
    m_okButton = new QPushButton(Word(word::kOk), this);
    m_okButton->setObjectName(QStringLiteral("okButton"));
    m_okButton->setDefault(true);
    auto *cancelButton = new QPushButton(Word(word::kCancel), this);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    cancelButton->setAutoDefault(false);

    // The list grows with the dialog; the buttons stay in its bottom-right corner.
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_newButton);
    buttons->addWidget(m_okButton);
    buttons->addWidget(cancelButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);
    resize(kInitialSize);

    connect(m_list, &QTreeWidget::itemSelectionChanged, this, &COpenCSL2Dialog::OnSelectionChanged);
    connect(m_newButton, &QPushButton::clicked, this, &COpenCSL2Dialog::OnNew);
    connect(m_okButton, &QPushButton::clicked, this, &QDialog::accept);
    // A double click on a console chooses it, as OK does; on a show it opens or closes the show.
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem *item) {
        if (item->type() == CRecordFile::kType)
            accept();
    });
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

QString COpenCSL2Dialog::FormatFileDate(std::time_t time)
{
    std::tm local{};
#ifdef _WIN32
    if (localtime_s(&local, &time) != 0)
        return {};
#else
    if (!localtime_r(&time, &local))
        return {};
#endif
    char text[256];
    const std::size_t length = std::strftime(text, sizeof text, kDateFormat, &local);
    return length == 0 ? QString() : QString::fromLocal8Bit(text, static_cast<qsizetype>(length));
}

void COpenCSL2Dialog::showEvent(QShowEvent *event)
{
    if (!m_populated) {
        m_populated = true;
        Populate();
    }
    QDialog::showEvent(event);
}

void COpenCSL2Dialog::Populate()
{
    if (m_mode == Mode::Open)
        AddShowRows();
    AddConsoleRows();
    SelectPreselectedRow();
}

// The group row heads the list even with no show under it, so that the user sees where
// consoles inside shows would be.
void COpenCSL2Dialog::AddShowRows()
{
    auto *group = new QTreeWidgetItem(m_list, QStringList{QLatin1String(kInsideShowFileText), QString()});
    const CAppFolders folders(m_appFolder);
    const QString showsFolder = folders.ShowsFolder();
    if (!QFileInfo(showsFolder).isDir())
        return;
    const QStringList shows = QDir(showsFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                                                          QDir::Name | QDir::IgnoreCase);
    for (const QString &show : shows) {
        const QFileInfoList files = ConsoleFilesOf(folders.ShowConsoleFolder(show));
        if (files.isEmpty())
            continue;
        auto *showRow = new QTreeWidgetItem(group, QStringList{show, QString()});
        for (const QFileInfo &file : files)
            showRow->addChild(new CRecordFile(file.fileName(), FileDate(file), show));
    }
    group->setExpanded(true);
}

void COpenCSL2Dialog::AddConsoleRows()
{
    const QFileInfoList files = ConsoleFilesOf(CAppFolders(m_appFolder).ConsoleFolder());
    for (const QFileInfo &file : files)
        m_list->addTopLevelItem(new CRecordFile(file.fileName(), FileDate(file), QString()));
    if (m_fileName.isEmpty() && !files.isEmpty())
        m_fileName = files.first().fileName();
}

// Only the consoles of the console folder are candidates: those inside shows sit in
// collapsed rows and are picked by hand.
void COpenCSL2Dialog::SelectPreselectedRow()
{
    if (m_fileName.isEmpty())
        return;
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        QTreeWidgetItem *row = m_list->topLevelItem(i);
        if (row->type() == CRecordFile::kType && row->text(kFileColumn).compare(m_fileName, Qt::CaseInsensitive) == 0) {
            m_list->setCurrentItem(row);
            m_list->scrollToItem(row);
            m_list->setFocus();
            return;
        }
    }
}

// A show or the group row cannot be opened: OK waits for a file, and the names of the last
// file chosen stay as they were.
void COpenCSL2Dialog::OnSelectionChanged()
{
    const QList<QTreeWidgetItem *> selected = m_list->selectedItems();
    const bool fileChosen = selected.size() == 1 && selected.first()->type() == CRecordFile::kType;
    if (fileChosen) {
        const auto *file = static_cast<const CRecordFile *>(selected.first());
        m_fileName = file->FileName();
        m_showName = file->ShowName();
    }
    m_okButton->setEnabled(fileChosen);
}

void COpenCSL2Dialog::OnNew()
{
    m_fileName.clear();
    accept();
}

} // namespace korvane
