// The main window's empty state.
#include "editor/welcome_pane.h"

#include <QCommandLinkButton>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QVBoxLayout>

namespace korvane {

namespace {

QCommandLinkButton *Link(const QString &text, const QString &description, const QString &name)
{
    auto *link = new QCommandLinkButton(text, description);
    link->setObjectName(name);
    return link;
}

} // namespace

CWelcomePane::CWelcomePane(QWidget *parent) : QWidget(parent), m_recent(new QVBoxLayout)
{
    setObjectName(QStringLiteral("welcomePane"));
    auto *title = new QLabel(QStringLiteral("No console is open"));
    QFont font = title->font();
    font.setPointSizeF(font.pointSizeF() * 1.6);
    font.setBold(true);
    title->setFont(font);

    QCommandLinkButton *create =
        Link(QStringLiteral("New console"), QStringLiteral("An empty surface to place controls on (Ctrl+N)"),
             QStringLiteral("newConsole"));
    QCommandLinkButton *open = Link(QStringLiteral("Open a console…"),
                                    QStringLiteral("From the console folder or a show (Ctrl+O)"),
                                    QStringLiteral("openConsole"));
    connect(create, &QCommandLinkButton::clicked, this, &CWelcomePane::newRequested);
    connect(open, &QCommandLinkButton::clicked, this, &CWelcomePane::openRequested);

    // A column of readable width in the middle of the window, however large it is.
    auto *column = new QVBoxLayout;
    column->addWidget(title);
    column->addSpacing(12);
    column->addWidget(create);
    column->addWidget(open);
    column->addSpacing(12);
    column->addLayout(m_recent);
    auto *centre = new QWidget;
    centre->setLayout(column);
    centre->setMinimumWidth(440);
    centre->setMaximumWidth(560);
    auto *layout = new QVBoxLayout(this);
    layout->addStretch(1);
    layout->addWidget(centre, 0, Qt::AlignHCenter);
    layout->addStretch(2);
}

void CWelcomePane::SetRecentFiles(const QStringList &paths)
{
    while (QLayoutItem *item = m_recent->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    if (paths.isEmpty())
        return;
    m_recent->addWidget(new QLabel(QStringLiteral("Recent consoles")));
    for (const QString &path : paths) {
        QCommandLinkButton *link =
            Link(QFileInfo(path).fileName(), QDir::toNativeSeparators(path), QStringLiteral("recentConsole"));
        connect(link, &QCommandLinkButton::clicked, this, [this, path] { emit recentRequested(path); });
        m_recent->addWidget(link);
    }
}

} // namespace korvane
