// Recovery copies of modified consoles.
#include "model/recovery.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include "core/folders.h"
#include "core/save_file.h"
#include "model/console_file.h"
#include "model/korvane_doc.h"

namespace korvane {

namespace {

constexpr char kIndexFile[] = "index.ini";
constexpr char kCopyPattern[] = "console%1.csl2";
constexpr char kOriginalKey[] = "original";
constexpr char kTitleKey[] = "title";

} // namespace

CRecovery::CRecovery(const QString &appFolder, std::function<std::vector<CKorvaneDoc *>()> documents,
                     QObject *parent)
    : QObject(parent), m_appFolder(appFolder), m_folder(CAppFolders(appFolder).RecoveryFolder()),
      m_documents(std::move(documents))
{
    // Copies of this run never take the names of those an earlier run left.
    const QSettings index(QDir(m_folder).filePath(QLatin1String(kIndexFile)), QSettings::IniFormat);
    for (const QString &group : index.childGroups()) {
        m_leftovers.push_back(group.toInt());
        m_nextNumber = std::max(m_nextNumber, group.toInt() + 1);
    }
    connect(&m_timer, &QTimer::timeout, this, &CRecovery::SaveNow);
}

void CRecovery::Start(int intervalMs)
{
    m_timer.start(intervalMs);
}

QString CRecovery::CopyPathOf(int number) const
{
    return QDir(m_folder).filePath(QString::fromLatin1(kCopyPattern).arg(number));
}

void CRecovery::SaveNow()
{
    QDir().mkpath(m_folder);
    QSettings index(QDir(m_folder).filePath(QLatin1String(kIndexFile)), QSettings::IniFormat);
    for (CKorvaneDoc *doc : m_documents()) {
        const auto known = m_numbers.find(doc);
        if (!doc->IsModified()) {
            if (known != m_numbers.end()) {
                QFile::remove(CopyPathOf(known->second));
                index.remove(QString::number(known->second));
            }
            continue;
        }
        const int number = known != m_numbers.end() ? known->second : (m_numbers[doc] = m_nextNumber++);
        // A copy that cannot be written keeps the one before: nothing here may stop the editor.
        if (!SaveFileSafely(CopyPathOf(number), dataConsole::ConsoleFileBytes(doc->Console())))
            continue;
        index.beginGroup(QString::number(number));
        index.setValue(QLatin1String(kOriginalKey), doc->PathName());
        index.setValue(QLatin1String(kTitleKey), doc->Title());
        index.endGroup();
    }
}

std::vector<CRecoveredConsole> CRecovery::Leftovers() const
{
    std::vector<CRecoveredConsole> leftovers;
    QSettings index(QDir(m_folder).filePath(QLatin1String(kIndexFile)), QSettings::IniFormat);
    for (const int number : m_leftovers) {
        const QString copy = CopyPathOf(number);
        if (!QFileInfo(copy).isFile())
            continue;
        index.beginGroup(QString::number(number));
        leftovers.push_back({copy, index.value(QLatin1String(kOriginalKey)).toString(),
                             index.value(QLatin1String(kTitleKey)).toString()});
        index.endGroup();
    }
    return leftovers;
}

std::unique_ptr<CKorvaneDoc> CRecovery::Restore(const CRecoveredConsole &console,
                                               const dataConsole::CDesignList *library) const
{
    auto doc = std::make_unique<CKorvaneDoc>(m_appFolder, library);
    if (!dataConsole::ReadConsoleFileAs(doc->Console(), console.copy, console.originalPath, m_appFolder))
        return nullptr;
    doc->SetTitle(console.title);
    doc->SetModified(true);
    return doc;
}

void CRecovery::DropLeftovers()
{
    QSettings index(QDir(m_folder).filePath(QLatin1String(kIndexFile)), QSettings::IniFormat);
    for (const int number : m_leftovers) {
        QFile::remove(CopyPathOf(number));
        index.remove(QString::number(number));
    }
    m_leftovers.clear();
}

void CRecovery::Clear()
{
    m_timer.stop();
    QDir(m_folder).removeRecursively();
    m_numbers.clear();
    m_leftovers.clear();
}

} // namespace korvane
