// Display names of MIDI controllers, notes and channel messages (English, never translated).
#pragma once

#include <QString>
#include <QStringList>

namespace midi {

// One of three fixed name tables, chosen when the object is made; the other two stay empty.
class CMidiName
{
public:
    enum TableKind { kControllers = 0, kNotes = 1, kMessages = 2 };

    static constexpr int kControllerCount = 153; // 0..127 controllers, then 25 extra entries
    static constexpr int kNoteCount = 109;       // notes 0..108
    static constexpr int kMessageCount = 15;     // status high nibbles 0..14

    explicit CMidiName(int tableKind);

    // The entry at `index` of its table, or an empty text outside the table or when that table
    // was not filled.
    QString ControllerName(int index) const { return Entry(m_controllers, index); }
    QString NoteName(int index) const { return Entry(m_notes, index); }
    QString MessageName(int index) const { return Entry(m_messages, index); }

private:
    static QString Entry(const QStringList &table, int index);

    QStringList m_controllers;
    QStringList m_notes;
    QStringList m_messages;
};

} // namespace midi
