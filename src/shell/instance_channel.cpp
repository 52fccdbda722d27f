// A local socket between instances: a request names a file, the answer says it was taken.
#include "shell/instance_channel.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QPointer>

#ifdef Q_OS_UNIX
#include <pwd.h>
#include <unistd.h>
#endif

namespace korvane {

namespace {

constexpr char kServerPrefix[] = "korvane-";
constexpr char kLockSuffix[] = ".lock";
constexpr int kHashHexDigits = 32;
// A request: magic, byte count, the path in UTF-8. The answer: the answer magic, whether the
// file was refused, and the reason (a QString, empty when it opened).
constexpr quint32 kRequestMagic = 0x4b564f50; // "KVOP"
constexpr quint32 kAnswerMagic = 0x4b564f41;  // "KVOA"
constexpr quint32 kMaxPathBytes = 64 * 1024;
constexpr QDataStream::Version kStreamVersion = QDataStream::Qt_6_0;
// Enough for the kernel to accept or refuse a local connection.
constexpr int kProbeTimeoutMs = 1000;

bool SomeoneListens(const QString &serverName)
{
    QLocalSocket probe;
    probe.connectToServer(serverName);
    return probe.waitForConnected(kProbeTimeoutMs);
}

} // namespace

CInstanceChannel::CInstanceChannel(const QString &appFolder, QObject *parent)
    : QObject(parent), m_serverName(ServerNameFor(appFolder, CurrentUserName()))
{
}

CInstanceChannel::~CInstanceChannel() = default;

QString CInstanceChannel::ServerNameFor(const QString &appFolder, const QString &userName)
{
    QString folder = QFileInfo(appFolder).canonicalFilePath();
    if (folder.isEmpty())
        folder = QDir::cleanPath(QDir(appFolder).absolutePath());
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(folder.toUtf8());
    hash.addData(QByteArrayView("\0", 1)); // so that "/a"+"bc" and "/ab"+"c" differ
    hash.addData(userName.toUtf8());
    return QLatin1String(kServerPrefix) + QString::fromLatin1(hash.result().toHex().left(kHashHexDigits));
}

QString CInstanceChannel::CurrentUserName()
{
#ifdef Q_OS_UNIX
    if (const passwd *entry = getpwuid(geteuid()); entry != nullptr && entry->pw_name != nullptr)
        return QString::fromLocal8Bit(entry->pw_name);
#endif
    for (const char *variable : {"USER", "LOGNAME", "USERNAME"}) {
        const QString name = qEnvironmentVariable(variable);
        if (!name.isEmpty())
            return name;
    }
    return {};
}

CHandOverAnswer CInstanceChannel::HandToRunningInstance(const QString &file, int timeoutMs) const
{
    const QByteArray path = QFileInfo(file).absoluteFilePath().toUtf8();
    if (path.size() > static_cast<qsizetype>(kMaxPathBytes))
        return {};
    const QDeadlineTimer deadline(timeoutMs);
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(static_cast<int>(deadline.remainingTime())))
        return {};

    QDataStream out(&socket);
    out.setVersion(kStreamVersion);
    out << kRequestMagic << static_cast<quint32>(path.size());
    out.writeRawData(path.constData(), static_cast<int>(path.size()));
    socket.flush();

    QDataStream in(&socket);
    in.setVersion(kStreamVersion);
    for (;;) {
        in.startTransaction();
        quint32 magic = 0;
        bool refused = false;
        QString reason;
        in >> magic >> refused >> reason;
        if (in.commitTransaction()) {
            if (magic != kAnswerMagic)
                return {};
            using Result = CHandOverAnswer::Result;
            return {refused ? Result::kRefused : Result::kOpened, reason};
        }
        if (deadline.hasExpired() || !socket.waitForReadyRead(static_cast<int>(deadline.remainingTime())))
            return {};
    }
}

bool CInstanceChannel::Listen()
{
    if (IsListening())
        return true;
    // Two instances starting together must not both take the socket for a stale one.
    QLockFile lock(QDir(QDir::tempPath()).filePath(m_serverName + QLatin1String(kLockSuffix)));
    lock.tryLock(kDefaultTimeoutMs);
    if (SomeoneListens(m_serverName))
        return false;
    // Nobody answers: whatever is left under the name belongs to an instance that died.
    QLocalServer::removeServer(m_serverName);
    auto *server = new QLocalServer(this);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(m_serverName)) {
        delete server;
        return false;
    }
    connect(server, &QLocalServer::newConnection, this, &CInstanceChannel::AcceptConnections);
    m_server = server;
    return true;
}

bool CInstanceChannel::IsListening() const
{
    return m_server != nullptr && m_server->isListening();
}

void CInstanceChannel::AcceptConnections()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { ReadRequest(socket); });
        if (socket->bytesAvailable() > 0)
            ReadRequest(socket);
    }
}

void CInstanceChannel::ReadRequest(QLocalSocket *socket)
{
    QDataStream in(socket);
    in.setVersion(kStreamVersion);
    in.startTransaction();
    quint32 magic = 0;
    quint32 length = 0;
    in >> magic >> length;
    if (in.status() == QDataStream::Ok && (magic != kRequestMagic || length == 0 || length > kMaxPathBytes)) {
        socket->abort();
        return;
    }
    QByteArray path(static_cast<qsizetype>(length), Qt::Uninitialized);
    if (in.status() == QDataStream::Ok)
        in.readRawData(path.data(), static_cast<int>(length));
    if (!in.commitTransaction())
        return; // the rest of the request is still on its way

    // The handler may run an event loop (an editor shows a message): the client may go, and
    // its socket with it, meanwhile. An answer to a client that has gone is dropped.
    const QPointer<QLocalSocket> client(socket);
    const QString reason = m_handler ? m_handler(QString::fromUtf8(path)) : QString();
    if (!client || client->state() != QLocalSocket::ConnectedState)
        return;
    QDataStream out(client);
    out.setVersion(kStreamVersion);
    out << kAnswerMagic << !reason.isEmpty() << reason;
    client->disconnectFromServer();
}

} // namespace korvane
