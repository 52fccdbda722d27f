// The channel through which a second start of the program hands a file to the instance that
// already runs on the same application folder for the same user (the shell's "open" request).
#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QLocalServer;
class QLocalSocket;

namespace korvane {

// What became of a file handed to the running instance.
struct CHandOverAnswer
{
    enum class Result { kNoInstance, kOpened, kRefused };
    Result result = Result::kNoInstance;
    QString reason; // why the running instance refused the file
};

// One per process. The first instance listens; a later `korvane --open FILE` connects, sends
// the file's absolute path and waits for the answer: opened, or refused with the reason. The
// running instance answers before it shows the user anything, so a client never waits on a
// message box. The channel's name comes from the user and the canonical application folder, so
// two users, or two installations of one user, never reach each other.
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

    // Sends the absolute path of `file` to the listening instance and returns its answer; no
    // instance when none listens or it did not answer within `timeoutMs`. Blocks: the listening
    // side must run its event loop in another thread or process.
    CHandOverAnswer HandToRunningInstance(const QString &file, int timeoutMs = kDefaultTimeoutMs) const;

    // The running side's work for each request: open the file, and return why it was refused
    // (empty when it opened). It must not wait for the user, as the client waits for it.
    using RequestHandler = std::function<QString(const QString &path)>;
    void SetRequestHandler(RequestHandler handler) { m_handler = std::move(handler); }

    // Starts listening, unless another live instance already does (then false). A socket left
    // behind by an instance that crashed is removed first. Requests are read in the event
    // loop and given to the request handler; set it before the loop runs.
    bool Listen();
    bool IsListening() const;

private:
    void AcceptConnections();
    void ReadRequest(QLocalSocket *socket);

    QString m_serverName;
    QLocalServer *m_server = nullptr;
    RequestHandler m_handler;
};

} // namespace korvane
