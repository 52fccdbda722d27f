// The ribbon: its actions, its tab row, its pages of groups, and the drawing of its parts in
// the colours of the application's palette.
#include "editor/ribbon.h"

#include <QAction>
#include <QActionGroup>
#include <QBoxLayout>
#include <QEvent>
#include <QGridLayout>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStackedWidget>
#include <QTabBar>
#include <QToolButton>

#include <initializer_list>
#include <iterator>

#include "core/word_ids.h"
#include "core/words.h"
#include "editor/icon_set.h"

namespace korvane {

namespace {

// Sizes of the compact ribbon, in pixels.
constexpr int kFontPixelSize = 11;
constexpr int kTabRowHeight = 24;
constexpr int kLargeIcon = 32;
constexpr int kSmallIcon = 16;
constexpr int kSmallButtonHeight = 20;
constexpr int kSmallRows = 3;
constexpr int kRowSpacing = 0;
constexpr int kBodyHeight = kSmallRows * kSmallButtonHeight + (kSmallRows - 1) * kRowSpacing; // 60
constexpr int kGroupCaptionHeight = 15;
constexpr int kLargeMinWidth = 44;
constexpr int kLargeSingleLineWidth = 58; // wider captions go on two lines
constexpr int kIconOnlyWidth = 24;
constexpr int kQuickAccessSize = 22;
constexpr int kCornerRadius = 3;

// The ribbon's colours, all taken from the palette so that a light palette works as well.
struct RibbonColours
{
    QColor tabRow, body, border, separator, text, dimText, hover, pressed, checkedFill, checkedLine, accent, onAccent;

    explicit RibbonColours(const QPalette &palette)
    {
        const QColor window = palette.color(QPalette::Active, QPalette::Window);
        const bool dark = window.lightness() < 128;
        text = palette.color(QPalette::Active, QPalette::WindowText);
        tabRow = dark ? window.darker(125) : window.darker(106);
        body = dark ? window.lighter(112) : window.lighter(104);
        border = dark ? window.darker(160) : window.darker(125);
        separator = text;
        separator.setAlphaF(dark ? 0.16 : 0.18);
        dimText = text;
        dimText.setAlphaF(0.62);
        hover = text;
        hover.setAlphaF(dark ? 0.10 : 0.08);
        pressed = text;
        pressed.setAlphaF(dark ? 0.20 : 0.16);
        const QColor highlight = palette.color(QPalette::Active, QPalette::Highlight);
        checkedFill = highlight;
        checkedFill.setAlphaF(dark ? 0.30 : 0.20);
        checkedLine = highlight;
        checkedLine.setAlphaF(0.85);
        accent = QColor::fromRgb(kIconAccent);
        onAccent = QColor(0x1E, 0x1E, 0x1E);
    }
};

// Splits a large button's caption over at most two lines, as evenly as its spaces allow.
QStringList LargeCaptionLines(const QString &text, const QFontMetrics &metrics)
{
    if (metrics.horizontalAdvance(text) <= kLargeSingleLineWidth || !text.contains(QLatin1Char(' ')))
        return {text};
    int bestSplit = -1;
    int bestWidth = 0;
    for (int i = text.indexOf(QLatin1Char(' ')); i >= 0; i = text.indexOf(QLatin1Char(' '), i + 1)) {
        const int width = qMax(metrics.horizontalAdvance(text.left(i)), metrics.horizontalAdvance(text.mid(i + 1)));
        if (bestSplit < 0 || width < bestWidth) {
            bestSplit = i;
            bestWidth = width;
        }
    }
    return {text.left(bestSplit), text.mid(bestSplit + 1)};
}

} // namespace

// A button of the ribbon, bound to its command's action, drawn flat in the ribbon's colours.
class CRibbonButton : public QToolButton
{
public:
    enum class Kind {
        Large,       // 32 px icon, caption below on up to two lines
        Small,       // 16 px icon, caption to the right
        IconOnly,    // 16 px icon, caption in the tooltip
        QuickAccess, // 16 px icon in the tab row
        Popup,       // icon and caption in the tab row, opens a menu
        System,      // the system button: caption on the accent colour, opens a menu
    };

    CRibbonButton(Kind kind, QAction *action, QWidget *parent) : QToolButton(parent), m_kind(kind)
    {
        setDefaultAction(action);
        setFocusPolicy(Qt::NoFocus);
        setAutoRaise(true);
        setToolButtonStyle(kind == Kind::Large ? Qt::ToolButtonTextUnderIcon
                           : kind == Kind::IconOnly || kind == Kind::QuickAccess ? Qt::ToolButtonIconOnly
                                                                                  : Qt::ToolButtonTextBesideIcon);
        setIconSize(kind == Kind::Large ? QSize(kLargeIcon, kLargeIcon) : QSize(kSmallIcon, kSmallIcon));
        setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    }

    QSize sizeHint() const override
    {
        const QFontMetrics metrics = fontMetrics();
        switch (m_kind) {
        case Kind::Large: {
            int width = 0;
            for (const QString &line : LargeCaptionLines(text(), metrics))
                width = qMax(width, metrics.horizontalAdvance(line));
            return {qMax(kLargeMinWidth, width + 12), kBodyHeight};
        }
        case Kind::Small:
            return {4 + kSmallIcon + 5 + metrics.horizontalAdvance(text()) + 7, kSmallButtonHeight};
        case Kind::IconOnly:
            return {kIconOnlyWidth, kSmallButtonHeight};
        case Kind::QuickAccess:
            return {kQuickAccessSize, kQuickAccessSize};
        case Kind::Popup:
            return {6 + (icon().isNull() ? 0 : kSmallIcon + 5) + metrics.horizontalAdvance(text()) + 16, kQuickAccessSize};
        case Kind::System:
            return {metrics.horizontalAdvance(text()) + 30, kTabRowHeight - 4};
        }
        return QToolButton::sizeHint();
    }

    QSize minimumSizeHint() const override
    {
        return sizeHint();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const RibbonColours colours(palette());
        PaintBackground(painter, colours);

        const QColor textColour = m_kind == Kind::System ? colours.onAccent
                                  : isEnabled()          ? colours.text
                                                         : palette().color(QPalette::Disabled, QPalette::WindowText);
        painter.setPen(textColour);
        const QRect area = rect();
        switch (m_kind) {
        case Kind::Large: {
            PaintIcon(painter, QRect((area.width() - kLargeIcon) / 2, 1, kLargeIcon, kLargeIcon));
            const QFontMetrics metrics = fontMetrics();
            int top = 1 + kLargeIcon + 1;
            for (const QString &line : LargeCaptionLines(text(), metrics)) {
                painter.drawText(QRect(0, top, area.width(), metrics.height()), Qt::AlignHCenter | Qt::AlignTop, line);
                top += metrics.height();
            }
            break;
        }
        case Kind::Small:
            PaintIcon(painter, QRect(4, (area.height() - kSmallIcon) / 2, kSmallIcon, kSmallIcon));
            painter.drawText(area.adjusted(4 + kSmallIcon + 5, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, text());
            break;
        case Kind::IconOnly:
        case Kind::QuickAccess:
            PaintIcon(painter, QRect((area.width() - kSmallIcon) / 2, (area.height() - kSmallIcon) / 2, kSmallIcon, kSmallIcon));
            break;
        case Kind::Popup: {
            int left = 6;
            if (!icon().isNull()) {
                PaintIcon(painter, QRect(left, (area.height() - kSmallIcon) / 2, kSmallIcon, kSmallIcon));
                left += kSmallIcon + 5;
            }
            painter.drawText(area.adjusted(left, 0, -14, 0), Qt::AlignLeft | Qt::AlignVCenter, text());
            PaintArrow(painter, QPointF(area.right() - 8.5, area.center().y() + 1.0), textColour);
            break;
        }
        case Kind::System: {
            QFont bold = font();
            bold.setBold(true);
            painter.setFont(bold);
            painter.drawText(area.adjusted(0, 0, -10, 0), Qt::AlignCenter, text());
            PaintArrow(painter, QPointF(area.right() - 10.5, area.center().y() + 1.0), textColour);
            break;
        }
        }
    }

private:
    void PaintBackground(QPainter &painter, const RibbonColours &colours)
    {
        const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
        const bool hover = isEnabled() && underMouse();
        if (m_kind == Kind::System) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(isDown() ? colours.accent.darker(115) : hover ? colours.accent.lighter(110) : colours.accent);
            painter.drawRoundedRect(box, kCornerRadius, kCornerRadius);
            return;
        }
        if (isChecked()) {
            painter.setPen(QPen(colours.checkedLine, 1.0));
            painter.setBrush(colours.checkedFill);
            painter.drawRoundedRect(box, kCornerRadius, kCornerRadius);
        }
        if (isDown() || hover) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(isDown() ? colours.pressed : colours.hover);
            painter.drawRoundedRect(box, kCornerRadius, kCornerRadius);
        }
    }

    void PaintIcon(QPainter &painter, const QRect &target)
    {
        const QIcon::Mode mode = isEnabled() ? QIcon::Normal : QIcon::Disabled;
        const QPixmap pixmap = icon().pixmap(target.size(), devicePixelRatioF(), mode, isChecked() ? QIcon::On : QIcon::Off);
        painter.drawPixmap(target, pixmap);
    }

    static void PaintArrow(QPainter &painter, QPointF centre, const QColor &colour)
    {
        QPen pen(colour, 1.5);
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        const QPointF points[] = {centre + QPointF(-3, -1.5), centre + QPointF(0, 1.5), centre + QPointF(3, -1.5)};
        painter.drawPolyline(points, 3);
    }

    Kind m_kind;
};

namespace {

// The tabs, drawn so that the current one opens onto the body of the ribbon.
class CRibbonTabBar : public QTabBar
{
public:
    explicit CRibbonTabBar(QWidget *parent) : QTabBar(parent)
    {
        setDrawBase(false);
        setExpanding(false);
        setUsesScrollButtons(false);
        setFocusPolicy(Qt::NoFocus);
        setMouseTracking(true);
    }

protected:
    QSize tabSizeHint(int index) const override
    {
        return {fontMetrics().horizontalAdvance(tabText(index)) + 28, kTabRowHeight};
    }

    QSize minimumTabSizeHint(int index) const override
    {
        return tabSizeHint(index);
    }

    void mouseMoveEvent(QMouseEvent *event) override
    {
        SetHovered(tabAt(event->position().toPoint()));
        QTabBar::mouseMoveEvent(event);
    }

    void leaveEvent(QEvent *event) override
    {
        SetHovered(-1);
        QTabBar::leaveEvent(event);
    }

    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const RibbonColours colours(palette());
        for (int i = 0; i < count(); ++i) {
            const QRectF tab = QRectF(tabRect(i)).adjusted(1, 3, -1, 0);
            const bool current = i == currentIndex();
            if (current || i == m_hovered) {
                QPainterPath shape;
                shape.addRoundedRect(tab.adjusted(0, 0, 0, kCornerRadius), kCornerRadius, kCornerRadius);
                painter.setPen(Qt::NoPen);
                painter.setBrush(current ? colours.body : colours.hover);
                painter.drawPath(shape);
            }
            if (current) {
                painter.setBrush(colours.accent);
                painter.drawRect(QRectF(tab.left() + kCornerRadius, tab.top(), tab.width() - 2 * kCornerRadius, 2));
            }
            painter.setPen(current ? colours.text : colours.dimText);
            painter.drawText(tab.adjusted(0, 1, 0, 0), Qt::AlignCenter, tabText(i));
        }
    }

private:
    void SetHovered(int index)
    {
        if (index != m_hovered) {
            m_hovered = index;
            update();
        }
    }

    int m_hovered = -1;
};

// A thin upright line between parts of the tab row.
class CRibbonSeparator : public QWidget
{
public:
    explicit CRibbonSeparator(QWidget *parent) : QWidget(parent)
    {
        setFixedSize(9, kQuickAccessSize);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(QRect(width() / 2, 4, 1, height() - 8), RibbonColours(palette()).separator);
    }
};

} // namespace

// A group of a ribbon tab: its buttons side by side, its caption below them and a line at its
// right.
class CRibbonGroup : public QWidget
{
public:
    explicit CRibbonGroup(QWidget *parent) : QWidget(parent), m_layout(new QHBoxLayout(this))
    {
        m_layout->setContentsMargins(4, 2, 6, kGroupCaptionHeight);
        m_layout->setSpacing(2);
        setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    }

    void SetCaption(const QString &caption)
    {
        m_caption = caption;
        update();
    }

    void AddLarge(CRibbonButton *button)
    {
        m_layout->addWidget(button, 0, Qt::AlignTop);
    }

    // Small buttons one under the other, from the top.
    void AddColumn(std::initializer_list<CRibbonButton *> buttons)
    {
        auto *column = new QVBoxLayout;
        column->setSpacing(kRowSpacing);
        for (CRibbonButton *button : buttons)
            column->addWidget(button);
        column->addStretch();
        m_layout->addLayout(column);
    }

    // Buttons in rows of a grid, from the top left.
    void AddGrid(const QList<QList<CRibbonButton *>> &rows)
    {
        auto *grid = new QGridLayout;
        grid->setSpacing(kRowSpacing);
        for (int row = 0; row < rows.size(); ++row)
            for (int column = 0; column < rows[row].size(); ++column)
                grid->addWidget(rows[row][column], row, column);
        grid->setRowStretch(kSmallRows, 1);
        m_layout->addLayout(grid);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        const RibbonColours colours(palette());
        painter.fillRect(QRect(width() - 1, 4, 1, height() - 8), colours.separator);
        painter.setPen(colours.dimText);
        painter.drawText(QRect(0, height() - kGroupCaptionHeight, width() - 1, kGroupCaptionHeight - 1),
                         Qt::AlignHCenter | Qt::AlignBottom, m_caption);
    }

private:
    QHBoxLayout *m_layout;
    QString m_caption;
};

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
