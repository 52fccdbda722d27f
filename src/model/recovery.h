// Copies of modified consoles kept while the editor runs, so that a crash loses at most a few
// minutes of work; the next start offers them back.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "design/design_list.h"

namespace korvane {

class CKorvaneDoc;

// A console copy left behind by an editor that did not close cleanly.
struct CRecoveredConsole
{
    QString copy;         // the copy in the recovery folder
    QString originalPath; // the console's own file; empty for one never saved
    QString title;
};

// Writes every modified document to the recovery folder of the application folder at a fixed
// interval, through the safe writer, and removes the copy of a document no longer modified. A
// clean exit empties the folder; what a crash leaves there is offered at the next start.
class CRecovery : public QObject
{
    Q_OBJECT

public:
    static constexpr int kIntervalMs = 2 * 60 * 1000;

    // `documents` lists the open documents each time copies are written.
    CRecovery(const QString &appFolder, std::function<std::vector<CKorvaneDoc *>()> documents,
              QObject *parent = nullptr);

    // Starts writing copies every `intervalMs`.
    void Start(int intervalMs = kIntervalMs);
    // Writes the copies now.
    void SaveNow();
    // The copies an earlier run left behind, before this run wrote any.
    std::vector<CRecoveredConsole> Leftovers() const;
    // A document made from a copy: its bytes, named and placed as the original (never written
    // over it), modified so that the user decides where it goes. Null when it cannot be read.
    std::unique_ptr<CKorvaneDoc> Restore(const CRecoveredConsole &console,
                                         const dataConsole::CDesignList *library) const;
    // Removes the leftovers, once the user restored or declined them.
    void DropLeftovers();
    // Removes every copy and stops: the editor closed cleanly.
    void Clear();

private:
    QString CopyPathOf(int number) const;

    QString m_appFolder;
    QString m_folder;
    std::function<std::vector<CKorvaneDoc *>()> m_documents;
    // Each document keeps one copy for the whole run; numbers start after the leftovers'.
    std::map<const CKorvaneDoc *, int> m_numbers;
    int m_nextNumber = 0;
    // What an earlier run left, found when this one began.
    std::vector<int> m_leftovers;
    QTimer m_timer;
};

} // namespace korvane
