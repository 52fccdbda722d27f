// The ribbon: its actions, its tab row, its pages of groups, and the drawing of its body in
// the colours of the application's palette.
#include "editor/ribbon.h"

#include <QAction>
#include <QActionGroup>
#include <QBoxLayout>
#include <QEvent>
#include <QMenu>
#include <QPainter>
#include <QStackedWidget>
#include <QTabBar>
#include <QToolButton>

#include <iterator>

#include "core/word_ids.h"
#include "core/words.h"
#include "editor/icon_set.h"
#include "editor/ribbon_parts.h"

namespace korvane {

using namespace ribbonSize;

namespace {

struct TabCaption
{
    int word;
    const char *text;
};

constexpr TabCaption kTabCaptions[] = {
    {word::kTools, nullptr},
    {kNoWord, "Control design"},
};

QString CaptionText(int number, const char *text, const WordLookup &word)
{
    return number == kNoWord ? QString::fromUtf8(text) : word(number);
}

} // namespace

CRibbon::CRibbon(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("KorvaneRibbon"));
    QFont ribbonFont = font();
    ribbonFont.setPixelSize(kFontPixelSize);
    setFont(ribbonFont);

    CreateActions();
    BuildMenus();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 1);
    layout->setSpacing(0);
    layout->addWidget(BuildTabRow());
    m_pages = new QStackedWidget(this);
    m_pages->addWidget(BuildToolsPage());
    m_pages->addWidget(BuildDesignPage());
    layout->addWidget(m_pages);
    connect(m_tabBar, &QTabBar::currentChanged, m_pages, &QStackedWidget::setCurrentIndex);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);

    SetLanguages(DefaultLanguageEntries(), 0);
    RefreshTexts(WordLookup(Word));
    RefreshIcons();
}

CRibbon::~CRibbon() = default;

void CRibbon::CreateActions()
{
    m_pendingKindGroup = new QActionGroup(this);
    m_pendingKindGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    for (const CommandInfo &command : CommandTable()) {
        if (command.id >= kIdLanguageFirst && command.id <= kIdLanguageLast)
            continue; // made by SetLanguages from the main frame's list
        auto *action = new QAction(this);
        action->setData(command.id);
        action->setCheckable(command.checkable);
        action->setShortcuts(CommandShortcuts(command));
        if (command.id >= kIdSelect && command.id <= kIdCreatePlusMinusGroup)
            m_pendingKindGroup->addAction(action);
        m_actions.insert(command.id, action);
        addAction(action);
    }
    m_actions.value(kIdSelect)->setChecked(true);
}

void CRibbon::BuildMenus()
{
    m_systemMenu = new QMenu(this);
    m_systemMenu->addActions({Action(kIdFileNew), Action(kIdFileOpen), Action(kIdFileSave), Action(kIdFileSaveAs)});
    m_systemMenu->addSeparator();
    m_systemMenu->addAction(Action(kIdFilePrint));
    m_systemMenu->addSeparator();
    m_systemMenu->addAction(Action(kIdExit));

    m_helpMenu = new QMenu(this);
    m_helpMenu->addActions({Action(kIdAbout), Action(kIdHelp)});

    m_languageMenu = new QMenu(this);
    m_languageGroup = new QActionGroup(this);
    m_languageGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
}

QWidget *CRibbon::BuildTabRow()
{
    m_tabRow = new QWidget(this);
    m_tabRow->setFixedHeight(kTabRowHeight);
    auto *row = new QHBoxLayout(m_tabRow);
    row->setContentsMargins(4, 0, 4, 0);
    row->setSpacing(1);

    const auto addButton = [this, row](CRibbonButton::Kind kind, int id, QMenu *menu = nullptr) {
        auto *button = new CRibbonButton(kind, Action(id), m_tabRow);
        if (menu) {
            button->setMenu(menu);
            button->setPopupMode(QToolButton::InstantPopup);
        }
        row->addWidget(button, 0, Qt::AlignVCenter);
        return button;
    };

    addButton(CRibbonButton::Kind::System, kIdSystemButton, m_systemMenu);
    row->addSpacing(4);
    for (int id : {kIdFileNew, kIdFileOpen, kIdFileSave, kIdFileSaveAs})
        m_buttons.insert(id, addButton(CRibbonButton::Kind::QuickAccess, id));
    row->addWidget(new CRibbonSeparator(m_tabRow), 0, Qt::AlignVCenter);
    for (int id : {kIdUndo, kIdRedo})
        addButton(CRibbonButton::Kind::QuickAccess, id);
    row->addWidget(new CRibbonSeparator(m_tabRow), 0, Qt::AlignVCenter);
    row->addSpacing(4);

    m_tabBar = new CRibbonTabBar(m_tabRow);
    for (std::size_t i = 0; i < std::size(kTabCaptions); ++i)
        m_tabBar->addTab(QString());
    row->addWidget(m_tabBar, 0, Qt::AlignBottom);
    row->addStretch();
    addButton(CRibbonButton::Kind::Popup, kIdHelpPopup, m_helpMenu);
    addButton(CRibbonButton::Kind::Popup, kIdLanguagePopup, m_languageMenu);
    return m_tabRow;
}

CRibbonGroup *CRibbon::AddGroup(QWidget *page, int word, const char *text)
{
    auto *group = new CRibbonGroup(page);
    static_cast<QBoxLayout *>(page->layout())->addWidget(group);
    m_groups.append({group, word, text});
    return group;
}

namespace {

QWidget *NewPage(QWidget *parent)
{
    auto *page = new QWidget(parent);
    auto *layout = new QHBoxLayout(page);
    layout->setContentsMargins(2, 1, 2, 0);
    layout->setSpacing(0);
    return page;
}

} // namespace

QWidget *CRibbon::BuildToolsPage()
{
    QWidget *page = NewPage(this);
    const auto button = [this, page](CRibbonButton::Kind kind, int id) {
        auto *made = new CRibbonButton(kind, Action(id), page);
        m_buttons.insert(id, made);
        return made;
    };
    using Kind = CRibbonButton::Kind;

    CRibbonGroup *tools = AddGroup(page, word::kTools, nullptr);
    tools->AddColumn({button(Kind::Small, kIdUndo), button(Kind::Small, kIdRedo), button(Kind::Small, kIdSelectAll)});
    tools->AddLarge(button(Kind::Large, kIdSelect));
    // The create commands in id order, column by column.
    QList<QList<CRibbonButton *>> creates(kSmallRows);
    for (int id = kIdCreateImage; id <= kIdCreatePlusMinusGroup; ++id)
        creates[(id - kIdCreateImage) % kSmallRows].append(button(Kind::Small, id));
    tools->AddGrid(creates);
    tools->AddLarge(button(Kind::Large, kIdPaste));
    tools->AddColumn({button(Kind::Small, kIdCopy), button(Kind::Small, kIdDelete)});

    CRibbonGroup *zoom = AddGroup(page, word::kZoom, nullptr);
    zoom->AddLarge(button(Kind::Large, kIdZoomIn));
    zoom->AddLarge(button(Kind::Large, kIdZoomOut));

    CRibbonGroup *positioning = AddGroup(page, word::kPositioning, nullptr);
    // By axis: left and right edges with widths, tops and bottoms with heights, then spreading.
    positioning->AddGrid({
        {button(Kind::IconOnly, kIdAlignLeft), button(Kind::IconOnly, kIdAlignTop), button(Kind::IconOnly, kIdSpreadHorizontally)},
        {button(Kind::IconOnly, kIdAlignRight), button(Kind::IconOnly, kIdAlignBottom), button(Kind::IconOnly, kIdSpreadVertically)},
        {button(Kind::IconOnly, kIdSameWidth), button(Kind::IconOnly, kIdSameHeight), button(Kind::IconOnly, kIdSameSize)},
    });
    positioning->AddLarge(button(Kind::Large, kIdSnapToGrid));
    positioning->AddLarge(button(Kind::Large, kIdLock));

    static_cast<QBoxLayout *>(page->layout())->addStretch();
    return page;
}

QWidget *CRibbon::BuildDesignPage()
{
    QWidget *page = NewPage(this);
    CRibbonGroup *design = AddGroup(page, kNoWord, "Control design");
    for (int id : {kIdNewDesign, kIdEditDesign}) {
        auto *made = new CRibbonButton(CRibbonButton::Kind::Large, Action(id), page);
        m_buttons.insert(id, made);
        design->AddLarge(made);
    }
    static_cast<QBoxLayout *>(page->layout())->addStretch();
    return page;
}

QAction *CRibbon::Action(int id) const
{
    return m_actions.value(id, nullptr);
}

QList<QAction *> CRibbon::Actions() const
{
    return m_actions.values();
}

QToolButton *CRibbon::Button(int id) const
{
    return m_buttons.value(id, nullptr);
}

void CRibbon::RefreshTexts(const CLocalisation &words)
{
    RefreshTexts([&words](int number) { return words.GetWord(number); });
}

void CRibbon::RefreshTexts(const WordLookup &word)
{
    for (const CommandInfo &command : CommandTable()) {
        QAction *action = Action(command.id);
        if (!action || (command.id >= kIdLanguageFirst && command.id <= kIdLanguageLast))
            continue; // language entries keep the names the main frame gave
        action->setText(CommandCaption(command, word));
        if (command.shortText)
            action->setIconText(QString::fromUtf8(command.shortText));
        action->setStatusTip(action->text());
        RefreshTooltip(action);
    }
    for (int i = 0; i < m_tabBar->count(); ++i)
        m_tabBar->setTabText(i, CaptionText(kTabCaptions[i].word, kTabCaptions[i].text, word));
    for (const GroupCaption &caption : m_groups)
        caption.group->SetCaption(CaptionText(caption.word, caption.text, word));
    m_tabBar->updateGeometry();
}

void CRibbon::RefreshTooltip(QAction *action) const
{
    QString tip = action->text();
    tip.remove(QLatin1Char('&'));
    const QList<QKeySequence> shortcuts = action->shortcuts();
    if (!shortcuts.isEmpty())
        tip += QStringLiteral(" (%1)").arg(shortcuts.first().toString(QKeySequence::NativeText));
    action->setToolTip(tip);
}

void CRibbon::RefreshIcons()
{
    for (const CommandInfo &command : CommandTable())
        if (QAction *action = Action(command.id); action && command.icon)
            action->setIcon(CommandIcon(QString::fromLatin1(command.icon), palette()));
}

void CRibbon::SetLanguages(const QList<QPair<int, QString>> &languages, int current)
{
    for (QAction *action : std::as_const(m_languageActions)) {
        m_actions.remove(action->data().toInt());
        delete action;
    }
    m_languageActions.clear();
    for (const auto &[language, name] : languages) {
        if (language < 0 || language >= kLanguageCommandCount)
            continue;
        auto *action = new QAction(name, this);
        const int id = LanguageCommandId(language);
        action->setData(id);
        action->setCheckable(true);
        action->setChecked(language == current);
        m_languageGroup->addAction(action);
        connect(action, &QAction::triggered, this, [this, language] { emit languageChosen(language); });
        m_languageMenu->addAction(action);
        m_languageActions.append(action);
        m_actions.insert(id, action);
    }
}

void CRibbon::SetCurrentLanguage(int language)
{
    for (QAction *action : std::as_const(m_languageActions))
        action->setChecked(action->data().toInt() == LanguageCommandId(language));
}

int CRibbon::CurrentTab() const
{
    return m_tabBar->currentIndex();
}

void CRibbon::SetCurrentTab(int tab)
{
    m_tabBar->setCurrentIndex(tab);
}

void CRibbon::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const RibbonColours colours(palette());
    const int tabRowBottom = m_tabRow->geometry().bottom() + 1;
    painter.fillRect(QRect(0, 0, width(), tabRowBottom), colours.tabRow);
    painter.fillRect(QRect(0, tabRowBottom, width(), height() - tabRowBottom), colours.body);
    painter.fillRect(QRect(0, height() - 1, width(), 1), colours.border);
}

void CRibbon::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange)
        RefreshIcons();
    QWidget::changeEvent(event);
}

} // namespace korvane
