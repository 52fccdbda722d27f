// The main frame's ribbon: a row with the system button, the quick-access bar, the
// tabs and the "?" and Language popups, above the groups of the current tab.
#pragma once

#include <QHash>
#include <QList>
#include <QPair>
#include <QString>
#include <QWidget>

#include "editor/command_table.h"

class QAction;
class QActionGroup;
class QMenu;
class QStackedWidget;
class QTabBar;
class QToolButton;

namespace korvane {

class CLocalisation;
class CRibbonGroup;

// Owns one QAction per command of the command table; the main frame connects their
// `triggered` signals and sets their enabled and checked states. Every action is added to the
// ribbon itself, so its shortcut works in the whole window whichever tab shows. Select and the
// create commands (821..832) form one exclusive group, checked as the pending kind: Select at
// start, and checking one unchecks the others.
class CRibbon : public QWidget
{
    Q_OBJECT

public:
    enum Tab { kToolsTab, kDesignTab };

    explicit CRibbon(QWidget *parent = nullptr);
    ~CRibbon() override;

    // The action of command `id`, nullptr for a number the ribbon does not know.
    QAction *Action(int id) const;
    // Every command's action, the language entries included.
    QList<QAction *> Actions() const;
    // The ribbon button of command `id` on its tab or in the quick-access bar, nullptr when the
    // command has none (menu entries).
    QToolButton *Button(int id) const;

    // Re-reads every caption and tooltip: commands, tabs, groups and popups.
    void RefreshTexts(const CLocalisation &words);
    void RefreshTexts(const WordLookup &word);

    // The Language popup's entries (language number, name), with `current` checked. Numbers
    // outside the Language menu's commands (788 + 0..18) are left out.
    void SetLanguages(const QList<QPair<int, QString>> &languages, int current);
    void SetCurrentLanguage(int language);

    int CurrentTab() const;
    void SetCurrentTab(int tab);

    QMenu *SystemMenu() const { return m_systemMenu; }
    QMenu *HelpMenu() const { return m_helpMenu; }
    QMenu *LanguageMenu() const { return m_languageMenu; }

signals:
    // A language entry of the Language popup was chosen.
    void languageChosen(int language);

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    struct GroupCaption
    {
        CRibbonGroup *group;
        int word;
        const char *text;
    };

    void CreateActions();
    QWidget *BuildTabRow();
    QWidget *BuildToolsPage();
    QWidget *BuildDesignPage();
    void BuildMenus();
    CRibbonGroup *AddGroup(QWidget *page, int word, const char *text);
    void RefreshIcons();
    void RefreshTooltip(QAction *action) const;

    QHash<int, QAction *> m_actions;
    QHash<int, QToolButton *> m_buttons;
    QList<GroupCaption> m_groups;
    QActionGroup *m_pendingKindGroup = nullptr;
    QActionGroup *m_languageGroup = nullptr;
    QList<QAction *> m_languageActions;
    QTabBar *m_tabBar = nullptr;
    QStackedWidget *m_pages = nullptr;
    QWidget *m_tabRow = nullptr;
    QMenu *m_systemMenu = nullptr;
    QMenu *m_helpMenu = nullptr;
    QMenu *m_languageMenu = nullptr;
};

} // namespace korvane
