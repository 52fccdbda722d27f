// The new-file name dialog and its live check of the name.
#include "editor/new_file_dlg.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "core/folders.h"
#include "core/word_ids.h"
#include "core/words.h"

namespace korvane {

namespace {

// Shown beside the name when it would put the file somewhere else than the folder asked for.
constexpr char kSeparatorRefusal[] = "A name cannot contain '/' or '\\'.";
constexpr char kAbsoluteRefusal[] = "A name cannot be a full path.";
constexpr int kMinimumEditWidth = 220;

// A full path on any system the consoles travel to: from the root, or with a drive letter
// (which names another folder on Windows even without a separator).
bool IsFullPath(const QString &name)
{
    if (name.startsWith(u'/') || name.startsWith(u'\\'))
        return true;
    return name.size() >= 2 && name.at(1) == u':' && name.at(0).isLetter();
}

} // namespace

CNewFileDlg::CNewFileDlg(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(Word(word::kSaveAs));

    auto *label = new QLabel(Word(word::kFile), this);
    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QStringLiteral("nameEdit"));
    m_edit->setMinimumWidth(kMinimumEditWidth);
    label->setBuddy(m_edit);
    m_reason = new QLabel(this);
    m_reason->setObjectName(QStringLiteral("refusalLabel"));
    m_reason->setStyleSheet(QStringLiteral("color: #d04040;"));

    // Until the name has been changed, a proposed name is not taken as checked.
    m_okButton = new QPushButton(Word(word::kFileAlreadyExists), this);
    m_okButton->setObjectName(QStringLiteral("okButton"));
    m_okButton->setDefault(true);
    m_okButton->setEnabled(false);
    auto *cancelButton = new QPushButton(Word(word::kCancel), this);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    cancelButton->setAutoDefault(false);

    auto *fields = new QGridLayout;
    fields->addWidget(label, 0, 0);
    fields->addWidget(m_edit, 0, 1);
    fields->addWidget(m_reason, 1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_okButton);
    buttons->addWidget(cancelButton);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addStretch();
    layout->addLayout(buttons);

    connect(m_edit, &QLineEdit::textChanged, this, &CNewFileDlg::OnTextChanged);
    connect(m_okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void CNewFileDlg::SetName(const QString &name)
{
    m_name = name;
    // Showing the proposal is not a change by the user: OK stays as the dialog opened it.
    const QSignalBlocker blocker(m_edit);
    m_edit->setText(name);
}

QString CNewFileDlg::RefusalOf(const QString &name)
{
    if (IsFullPath(name))
        return QLatin1String(kAbsoluteRefusal);
    if (name.contains(u'/') || name.contains(u'\\'))
        return QLatin1String(kSeparatorRefusal);
    return {};
}

void CNewFileDlg::OnTextChanged(const QString &text)
{
    m_name = text;
    const QString refusal = RefusalOf(text);
    m_reason->setText(refusal);
    if (!refusal.isEmpty()) {
        m_okButton->setText(Word(word::kOk));
        m_okButton->setEnabled(false);
        return;
    }
    const bool exists = FileExists();
    m_okButton->setText(Word(exists ? word::kFileAlreadyExists : word::kOk));
    m_okButton->setEnabled(!exists);
}

// Names are compared without regard to letter case: a console folder copied from Windows
// must not end up holding "Stage.csl2" and "stage.csl2".
bool CNewFileDlg::FileExists() const
{
    const QString fileName = m_name + m_extension;
    // An empty name and extension is the folder itself.
    if (fileName.isEmpty())
        return QFileInfo::exists(m_folder);
    return !FindEntryNoCase(m_folder, fileName).isEmpty();
}

} // namespace korvane
