// What the main window shows while no console is open: what the user can do next.
#pragma once

#include <QStringList>
#include <QWidget>

class QVBoxLayout;

namespace korvane {

// A new console, the Open dialog, or one of the recent consoles, each one click away.
class CWelcomePane : public QWidget
{
    Q_OBJECT

public:
    explicit CWelcomePane(QWidget *parent = nullptr);

    // The recent consoles offered, the newest first; none hides their heading.
    void SetRecentFiles(const QStringList &paths);

signals:
    void newRequested();
    void openRequested();
    void recentRequested(const QString &path);

private:
    QVBoxLayout *m_recent;
};

} // namespace korvane
