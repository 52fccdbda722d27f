// What the commands of korvane-cli share: the application folder of the command line, the
// printing of the file readers' messages and the writing of an output file.
#pragma once

#include <QCommandLineParser>
#include <QTextStream>

#include <string_view>

#include "cli/commands.h"
#include "core/file_messages.h"
#include "core/folders.h"
#include "core/save_file.h"

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

// Every command reports an output it could not write alike, naming the file and the reason.
inline int CannotWrite(const QString &path, const QString &reason)
{
    QTextStream(stderr) << "korvane-cli: cannot write " << path << ": " << reason << Qt::endl;
    return kExitRefusedInput;
}

// Writes an output made whole in memory first: `path` is replaced only once every byte has
// reached the disk, so a failure leaves neither a partial file nor a temporary one, and an
// earlier output stays as it was.
inline int WriteOutput(const QString &path, std::string_view bytes)
{
    QString error;
    if (!SaveFileSafely(path, bytes, &error))
        return CannotWrite(path, error);
    return kExitOk;
}

} // namespace korvane::cli
