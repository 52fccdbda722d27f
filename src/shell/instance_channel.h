// The channel through which a second start of the program hands a file to the instance that
// already runs on the same application folder for the same user (the shell's "open" request).
#pragma once

#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

namespace korvane {

// One per process. The first instance listens; a later `korvane --open FILE` connects, sends
// the file's absolute path and waits until the running instance has taken it. The channel's
// name comes from the user and the canonical application folder, so two users, or two
// installations of one user, never reach each other.
class CInstanceChannel : public QObject
{
    Q_OBJECT

public:
    static constexpr int kDefaultTimeoutMs = 3000;

    explicit CInstanceChannel(const QString &appFolder, QObject *parent = nullptr);
    ~CInstanceChannel() override;

    // "korvane-" followed by a hash of the folder (canonical when it exists) and the user.
    static QString ServerNameFor(const QString &appFolder, const QString &userName);
    // The name of the user running this process.
    static QString CurrentUserName();

    const QString &ServerName() const { return m_serverName; }

    // Sends the absolute path of `file` to the listening instance; true once it acknowledged
    // the file, false when none listens or it did not answer within `timeoutMs`. Blocks: the
    // listening side must run its event loop in another thread or process.
    bool HandToRunningInstance(const QString &file, int timeoutMs = kDefaultTimeoutMs) const;

    // Starts listening, unless another live instance already does (then false). A socket left
    // behind by an instance that crashed is removed first. Requests are read in the event
    // loop and announced by openRequested(); connect to it before the loop runs.
    bool Listen();
    bool IsListening() const;

signals:
    void openRequested(const QString &path);

private:
    void AcceptConnections();
    void ReadRequest(QLocalSocket *socket);

    QString m_serverName;
    QLocalServer *m_server = nullptr;
};

} // namespace korvane
