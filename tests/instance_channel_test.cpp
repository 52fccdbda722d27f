// Handing a file from a second start of the program to the instance that runs.
#include "shell/instance_channel.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <cstring>
#include <future>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include "test_support.h"

using korvane::CHandOverAnswer;
using korvane::CInstanceChannel;
using Result = CHandOverAnswer::Result;

namespace {

// Sends `file` from another thread while this one runs the event loop the listeners need.
CHandOverAnswer Send(const CInstanceChannel &sender, const QString &file)
{
    return korvane::test::WhileRunningEvents([&] { return sender.HandToRunningInstance(file); });
}
// Whether the sender saw the file opened.
bool HandOver(const CInstanceChannel &sender, const QString &file)
{
    return Send(sender, file).result == Result::kOpened;
}

// Records in `paths` what `channel` is asked to open; every file opens.
void Record(CInstanceChannel &channel, QStringList &paths)
{
    channel.SetRequestHandler([&paths](const QString &path) {
        paths << path;
        return QString();
    });
}

// The socket file an instance that crashed leaves behind: bound, never listened on, closed.
bool LeaveStaleSocket(const QString &serverName)
{
    const QByteArray path = QDir(QDir::tempPath()).filePath(serverName).toLocal8Bit();
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= static_cast<qsizetype>(sizeof address.sun_path))
        return false;
    std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    const bool bound = fd >= 0 && bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0;
    if (fd >= 0)
        close(fd);
    return bound && QFile::exists(QString::fromLocal8Bit(path));
}

} // namespace

TEST(InstanceChannelTest, FilesReachTheOneInstanceListeningOnTheirFolderAsAbsolutePaths)
{
    QTemporaryDir folder;
    QTemporaryDir otherFolder;
    ASSERT_TRUE(folder.isValid() && otherFolder.isValid());
    // With no instance, a start is refused at once; a crashed instance's socket refuses as well.
    QElapsedTimer timer;
    timer.start();
    EXPECT_EQ(CInstanceChannel(folder.path()).HandToRunningInstance(QStringLiteral("/a.csl2")).result,
              Result::kNoInstance);
    EXPECT_LT(timer.elapsed(), CInstanceChannel::kDefaultTimeoutMs) << "a refused connection is not waited for";
    QStringList toOther;
    CInstanceChannel other(otherFolder.path());
    ASSERT_TRUE(LeaveStaleSocket(other.ServerName()));
    EXPECT_EQ(CInstanceChannel(otherFolder.path()).HandToRunningInstance(QStringLiteral("/a.csl2")).result,
              Result::kNoInstance);

    // A restarted instance takes the crashed one's socket over; a second start cannot take it away.
    QStringList received;
    CInstanceChannel running(folder.path());
    Record(running, received);
    ASSERT_TRUE(running.Listen());
    EXPECT_FALSE(CInstanceChannel(folder.path()).Listen());
    Record(other, toOther);
    ASSERT_TRUE(other.Listen());

    const CInstanceChannel second(folder.path() + u'/');
    EXPECT_TRUE(HandOver(second, QStringLiteral("shows/Théâtre desk.csl2")));
    EXPECT_TRUE(HandOver(second, QStringLiteral("/abs/other.csl2")));
    EXPECT_TRUE(HandOver(CInstanceChannel(otherFolder.path()), QStringLiteral("/two.csl2")));
    EXPECT_EQ(received,
              QStringList({QDir::current().absoluteFilePath(QStringLiteral("shows/Théâtre desk.csl2")),
                           QStringLiteral("/abs/other.csl2")}));
    EXPECT_EQ(toOther, QStringList({QStringLiteral("/two.csl2")}));
}

TEST(InstanceChannelTest, NamesDependOnTheCanonicalFolderAndTheUser)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString link = folder.filePath(QStringLiteral("link"));
    ASSERT_TRUE(QFile::link(folder.path(), link));
    const QString name = CInstanceChannel::ServerNameFor(folder.path(), QStringLiteral("ann"));
    EXPECT_EQ(CInstanceChannel::ServerNameFor(link + u'/', QStringLiteral("ann")), name);
    EXPECT_NE(CInstanceChannel::ServerNameFor(folder.path(), QStringLiteral("bob")), name);
    EXPECT_NE(CInstanceChannel::ServerNameFor(QDir::tempPath(), QStringLiteral("ann")), name);
    EXPECT_EQ(CInstanceChannel(folder.path()).ServerName(),
              CInstanceChannel::ServerNameFor(folder.path(), CInstanceChannel::CurrentUserName()));
    EXPECT_FALSE(CInstanceChannel::CurrentUserName().isEmpty());
}

TEST(InstanceChannelTest, AnswersSayWhyAFileWasRefusedAndAClientThatWentIsNoHarm)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    CInstanceChannel running(folder.path());
    int handled = 0;
    running.SetRequestHandler([&](const QString &path) {
        ++handled;
        if (path.endsWith(QStringLiteral("slow.csl2"))) {
            // An editor showing a message meanwhile: the client gives up before the answer.
            QEventLoop wait;
            QTimer::singleShot(300, &wait, &QEventLoop::quit);
            wait.exec();
        }
        return path.endsWith(QStringLiteral("bad.csl2")) ? QStringLiteral("bad.csl2 is not a console file.") : QString();
    });
    ASSERT_TRUE(running.Listen());
    const CInstanceChannel client(folder.path());
    const CHandOverAnswer refused = Send(client, QStringLiteral("/x/bad.csl2"));
    EXPECT_EQ(refused.result, Result::kRefused);
    EXPECT_EQ(refused.reason, QStringLiteral("bad.csl2 is not a console file."));

    // The client's wait ends first: the answer to the socket that is gone is dropped.
    EXPECT_EQ(korvane::test::WhileRunningEvents([&] { return client.HandToRunningInstance("/slow.csl2", 100); }).result,
              Result::kNoInstance);
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 500)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);

    // Two clients at once each get their own answer.
    auto first = std::async(std::launch::async, [&] { return client.HandToRunningInstance("/one.csl2"); });
    auto second = std::async(std::launch::async, [&] { return client.HandToRunningInstance("/two.csl2"); });
    while (first.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready ||
           second.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_EQ(first.get().result, Result::kOpened);
    EXPECT_EQ(second.get().result, Result::kOpened);
    EXPECT_EQ(handled, 4);
}
