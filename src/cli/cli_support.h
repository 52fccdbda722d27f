// What the commands of korvane-cli share: the application folder of the command line and
// the printing of the file readers' messages.
#pragma once

#include <QCommandLineParser>
#include <QTextStream>

#include "core/file_messages.h"
#include "core/folders.h"

namespace korvane::cli {

inline QString AppFolderOf(const QCommandLineParser &parser)
{
    return ResolveAppFolder(CurrentAppFolderSources(parser.value(QStringLiteral("app-folder"))));
}

// Prints the readers' messages as "FILE: warning: ..." and remembers whether one refused
// the file, so that the caller adds no second reason.
class CPrintingSink : public CFileMessageSink
{
public:
    void FileMessage(MessageSeverity severity, const QString &file, const QString &,
                     const QString &text) override
    {
        QTextStream(stderr) << file << (severity == MessageSeverity::Warning ? ": warning: " : ": error: ") << text
                            << Qt::endl;
        if (severity == MessageSeverity::Error)
            m_errorReported = true;
    }
    bool ErrorReported() const { return m_errorReported; }
    void Clear() { m_errorReported = false; }

private:
    bool m_errorReported = false;
};

} // namespace korvane::cli
