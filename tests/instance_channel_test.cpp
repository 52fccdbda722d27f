// Handing a file from a second start of the program to the instance that runs.
#include "shell/instance_channel.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstring>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include "test_support.h"

using korvane::CInstanceChannel;

namespace {

// Sends `file` from another thread while this one runs the event loop the listeners need.
// Returns whether the sender saw the file taken.
bool HandOver(const CInstanceChannel &sender, const QString &file)
{
    return korvane::test::WhileRunningEvents([&] { return sender.HandToRunningInstance(file); });
}

// Records what a channel is asked to open.
struct Received
{
    explicit Received(CInstanceChannel &channel)
    {
        QObject::connect(&channel, &CInstanceChannel::openRequested, &channel,
                         [this](const QString &path) { paths.append(path); });
    }
    QStringList paths;
};

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

class InstanceChannelTest : public testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_folder.isValid() && m_other.isValid()); }
    QString Folder() const { return m_folder.path(); }
    QString OtherFolder() const { return m_other.path(); }

private:
    QTemporaryDir m_folder;
    QTemporaryDir m_other;
};

} // namespace

TEST_F(InstanceChannelTest, FilesReachTheOneInstanceListeningOnTheirFolderAsAbsolutePaths)
{
    CInstanceChannel running(Folder());
    Received received(running);
    ASSERT_TRUE(running.Listen());
    // A second start on the folder cannot take the socket away; one on another folder runs beside.
    EXPECT_FALSE(CInstanceChannel(Folder()).Listen());
    EXPECT_TRUE(running.IsListening());
    CInstanceChannel other(OtherFolder());
    Received toOther(other);
    ASSERT_TRUE(other.Listen());

    const CInstanceChannel second(Folder() + u'/');
    EXPECT_TRUE(HandOver(second, QStringLiteral("shows/Théâtre desk.csl2")));
    EXPECT_TRUE(HandOver(second, QStringLiteral("/abs/other.csl2")));
    EXPECT_TRUE(HandOver(CInstanceChannel(OtherFolder()), QStringLiteral("/two.csl2")));
    EXPECT_EQ(received.paths,
              QStringList({QDir::current().absoluteFilePath(QStringLiteral("shows/Théâtre desk.csl2")),
                           QStringLiteral("/abs/other.csl2")}));
    EXPECT_EQ(toOther.paths, QStringList({QStringLiteral("/two.csl2")}));
}

TEST_F(InstanceChannelTest, NoListenerRefusesAtOnceAndACrashedInstancesSocketIsRecovered)
{
    QElapsedTimer timer;
    timer.start();
    EXPECT_FALSE(CInstanceChannel(Folder()).HandToRunningInstance(QStringLiteral("/a.csl2")));
    EXPECT_LT(timer.elapsed(), CInstanceChannel::kDefaultTimeoutMs) << "a refused connection is not waited for";

    CInstanceChannel restarted(Folder());
    ASSERT_TRUE(LeaveStaleSocket(restarted.ServerName()));
    EXPECT_FALSE(CInstanceChannel(Folder()).HandToRunningInstance(QStringLiteral("/a.csl2")));
    Received received(restarted);
    ASSERT_TRUE(restarted.Listen());
    EXPECT_TRUE(HandOver(CInstanceChannel(Folder()), QStringLiteral("/a.csl2")));
    EXPECT_EQ(received.paths, QStringList({QStringLiteral("/a.csl2")}));
}

TEST_F(InstanceChannelTest, NamesDependOnTheCanonicalFolderAndTheUser)
{
    const QString link = QDir(OtherFolder()).filePath(QStringLiteral("link"));
    ASSERT_TRUE(QFile::link(Folder(), link));
    const QString name = CInstanceChannel::ServerNameFor(Folder(), QStringLiteral("ann"));
    EXPECT_TRUE(name.startsWith(QStringLiteral("korvane-")));
    EXPECT_EQ(CInstanceChannel::ServerNameFor(link + u'/', QStringLiteral("ann")), name);
    EXPECT_NE(CInstanceChannel::ServerNameFor(Folder(), QStringLiteral("bob")), name);
    EXPECT_NE(CInstanceChannel::ServerNameFor(OtherFolder(), QStringLiteral("ann")), name);
    EXPECT_EQ(CInstanceChannel(Folder()).ServerName(),
              CInstanceChannel::ServerNameFor(Folder(), CInstanceChannel::CurrentUserName()));
    EXPECT_FALSE(CInstanceChannel::CurrentUserName().isEmpty());
}
