// Helpers the test suites share: files, images and XML to write and read, the readers' messages,
// work on another thread, korvane-cli runs. QtCore and QtGui only: the core tests link no widgets.
#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <chrono>
#include <future>
#include <initializer_list>
#include <memory>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "core/file_messages.h"
#include "xml/xml_node.h"

// Readable failures: gtest would otherwise print a QString as raw bytes.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace korvane::test {

inline QImage Solid(int width, int height, QColor colour)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(colour);
    return image;
}

// The writers make the folders on the way.
inline void WriteText(const QString &path, const QByteArray &bytes)
{
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
}

inline void WriteImage(const QString &path, QSize size, QColor colour = Qt::gray)
{
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
    ASSERT_TRUE(Solid(size.width(), size.height(), colour).save(path, "PNG")) << path.toStdString();
}

// As a standard string, so that a failure shows the lines that differ.
inline std::string ReadBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

// Runs `work` on another thread while this one runs the event loop that `work` waits on
// (a local socket's other end, say), and returns what it returns.
template <typename Work>
auto WhileRunningEvents(Work work)
{
    auto result = std::async(std::launch::async, std::move(work));
    while (result.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return result.get();
}

#if defined(KORVANE_CLI)
struct CliRun
{
    int exitCode;
    QString out;
    QString err;
};

// korvane-cli run to its end with `arguments`.
inline CliRun RunCli(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(KORVANE_CLI), arguments);
    process.waitForFinished(60000);
    return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}
#endif

inline QByteArray DesignFile(const QByteArray &body)
{
    return "<config_control_design Author=\"orlen\" Version=\"1.0\">" + body + "</config_control_design>";
}

inline QByteArray ConsoleFile(const QByteArray &body)
{
    return "<CSL2 Author=\"orlen\" Version=\"1.0\">" + body + "</CSL2>";
}

// Written lines, each ended as the XML writer ends it.
inline std::string Lines(std::initializer_list<std::string> lines)
{
    std::string text;
    for (const std::string &line : lines)
        text += line + "\r\n";
    return text;
}

inline std::unique_ptr<CXmlNode> Parsed(const std::string &text)
{
    auto root = ParseXml(text.data(), text.size());
    EXPECT_TRUE(root) << text;
    return root;
}

struct RecordedMessage
{
    MessageSeverity severity;
    QString file;
    QString caption;
    QString text;
};

// Records what the file readers report while it exists, instead of printing it.
struct CRecordingSink : CFileMessageSink
{
    void FileMessage(MessageSeverity severity, const QString &file, const QString &caption,
                     const QString &text) override
    {
        messages.push_back({severity, file, caption, text});
    }
    std::vector<RecordedMessage> messages;
    CScopedMessageSink installed{this};
};

// An application folder of the test's own with its design library; the readers' messages recorded.
class AppFolderTest : public testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid() && QDir().mkpath(Library())); }

    QString App() const { return m_dir.path(); }
    QString Library() const { return m_dir.path() + QStringLiteral("/_Common/console/_ccd/"); }

    CRecordingSink m_sink;
    QTemporaryDir m_dir;
};

} // namespace korvane::test
