#include "core/file_messages.h"

#include <QTextStream>

namespace korvane {

namespace {

CFileMessageSink *g_sink = nullptr;

} // namespace

void ReportFileMessage(MessageSeverity severity, const QString &file, const QString &caption, const QString &text)
{
    if (g_sink) {
        g_sink->FileMessage(severity, file, caption, text);
        return;
    }
    QTextStream(stderr) << file << (severity == MessageSeverity::Warning ? ": warning: " : ": error: ") << text
                        << Qt::endl;
}

CScopedMessageSink::CScopedMessageSink(CFileMessageSink *sink) : m_previous(g_sink)
{
    g_sink = sink;
}

CScopedMessageSink::~CScopedMessageSink()
{
    g_sink = m_previous;
}

} // namespace korvane
