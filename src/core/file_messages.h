// Messages of the file readers: a wrong header or version, a file that cannot be read. The
// editor shows them in a message box, korvane-cli prints them, tests record them.
#pragma once

#include <QString>

namespace korvane {

enum class MessageSeverity { Warning, Error };

// Receives the messages of the file readers. One sink is installed for the whole process.
class CFileMessageSink
{
public:
    virtual ~CFileMessageSink() = default;
    // `file` is the file the message is about, `caption` the title a message box would carry.
    virtual void FileMessage(MessageSeverity severity, const QString &file, const QString &caption,
                             const QString &text) = 0;
};

// Hands the message to the installed sink; without one it goes to stderr as
// "FILE: warning: TEXT" or "FILE: error: TEXT".
void ReportFileMessage(MessageSeverity severity, const QString &file, const QString &caption, const QString &text);

// Installs a sink for its lifetime and puts the previous one back afterwards. Main thread only.
class CScopedMessageSink
{
public:
    explicit CScopedMessageSink(CFileMessageSink *sink);
    ~CScopedMessageSink();
    CScopedMessageSink(const CScopedMessageSink &) = delete;
    CScopedMessageSink &operator=(const CScopedMessageSink &) = delete;

private:
    CFileMessageSink *m_previous;
};

} // namespace korvane
