// The ribbon's buttons, tab bar, separators and groups, and the colours they are drawn in.
#include "editor/ribbon_parts.h"

#include <QBoxLayout>
#include <QEvent>
#include <QGridLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include "editor/icon_set.h"

namespace korvane {

using namespace ribbonSize;

RibbonColours::RibbonColours(const QPalette &palette)
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

namespace {

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

// ---- buttons ----

CRibbonButton::CRibbonButton(Kind kind, QAction *action, QWidget *parent) : QToolButton(parent), m_kind(kind)
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

QSize CRibbonButton::sizeHint() const
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

void CRibbonButton::paintEvent(QPaintEvent *)
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
    case Kind::Large:
        PaintLargeContents(painter);
        break;
    case Kind::Small:
        PaintIcon(painter, QRect(4, (area.height() - kSmallIcon) / 2, kSmallIcon, kSmallIcon));
        painter.drawText(area.adjusted(4 + kSmallIcon + 5, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, text());
        break;
    case Kind::IconOnly:
    case Kind::QuickAccess:
        PaintIcon(painter, QRect((area.width() - kSmallIcon) / 2, (area.height() - kSmallIcon) / 2, kSmallIcon, kSmallIcon));
        break;
    case Kind::Popup:
        PaintPopupContents(painter, textColour);
        break;
    case Kind::System:
        PaintSystemContents(painter, textColour);
        break;
    }
}

void CRibbonButton::PaintBackground(QPainter &painter, const RibbonColours &colours)
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

void CRibbonButton::PaintIcon(QPainter &painter, const QRect &target)
{
    const QIcon::Mode mode = isEnabled() ? QIcon::Normal : QIcon::Disabled;
    const QPixmap pixmap = icon().pixmap(target.size(), devicePixelRatioF(), mode, isChecked() ? QIcon::On : QIcon::Off);
    painter.drawPixmap(target, pixmap);
}

// The icon centred at the top, the caption's lines below it.
void CRibbonButton::PaintLargeContents(QPainter &painter)
{
    const QRect area = rect();
    PaintIcon(painter, QRect((area.width() - kLargeIcon) / 2, 1, kLargeIcon, kLargeIcon));
    const QFontMetrics metrics = fontMetrics();
    int top = 1 + kLargeIcon + 1;
    for (const QString &line : LargeCaptionLines(text(), metrics)) {
        painter.drawText(QRect(0, top, area.width(), metrics.height()), Qt::AlignHCenter | Qt::AlignTop, line);
        top += metrics.height();
    }
}

// The icon when there is one, the caption, and the arrow that tells a menu opens.
void CRibbonButton::PaintPopupContents(QPainter &painter, const QColor &textColour)
{
    const QRect area = rect();
    int left = 6;
    if (!icon().isNull()) {
        PaintIcon(painter, QRect(left, (area.height() - kSmallIcon) / 2, kSmallIcon, kSmallIcon));
        left += kSmallIcon + 5;
    }
    painter.drawText(area.adjusted(left, 0, -14, 0), Qt::AlignLeft | Qt::AlignVCenter, text());
    PaintArrow(painter, QPointF(area.right() - 8.5, area.center().y() + 1.0), textColour);
}

void CRibbonButton::PaintSystemContents(QPainter &painter, const QColor &textColour)
{
    const QRect area = rect();
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.drawText(area.adjusted(0, 0, -10, 0), Qt::AlignCenter, text());
    PaintArrow(painter, QPointF(area.right() - 10.5, area.center().y() + 1.0), textColour);
}

void CRibbonButton::PaintArrow(QPainter &painter, QPointF centre, const QColor &colour)
{
    QPen pen(colour, 1.5);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const QPointF points[] = {centre + QPointF(-3, -1.5), centre + QPointF(0, 1.5), centre + QPointF(3, -1.5)};
    painter.drawPolyline(points, 3);
}

// ---- the tab bar and the tab row's separators ----

CRibbonTabBar::CRibbonTabBar(QWidget *parent) : QTabBar(parent)
{
    setDrawBase(false);
    setExpanding(false);
    setUsesScrollButtons(false);
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
}

QSize CRibbonTabBar::tabSizeHint(int index) const
{
    return {fontMetrics().horizontalAdvance(tabText(index)) + 28, kTabRowHeight};
}

void CRibbonTabBar::mouseMoveEvent(QMouseEvent *event)
{
    SetHovered(tabAt(event->position().toPoint()));
    QTabBar::mouseMoveEvent(event);
}

void CRibbonTabBar::leaveEvent(QEvent *event)
{
    SetHovered(-1);
    QTabBar::leaveEvent(event);
}

void CRibbonTabBar::paintEvent(QPaintEvent *)
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

void CRibbonTabBar::SetHovered(int index)
{
    if (index != m_hovered) {
        m_hovered = index;
        update();
    }
}

CRibbonSeparator::CRibbonSeparator(QWidget *parent) : QWidget(parent)
{
    setFixedSize(9, kQuickAccessSize);
}

void CRibbonSeparator::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(QRect(width() / 2, 4, 1, height() - 8), RibbonColours(palette()).separator);
}

// ---- groups ----

CRibbonGroup::CRibbonGroup(QWidget *parent) : QWidget(parent), m_layout(new QHBoxLayout(this))
{
    m_layout->setContentsMargins(4, 2, 6, kGroupCaptionHeight);
    m_layout->setSpacing(2);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
}

void CRibbonGroup::SetCaption(const QString &caption)
{
    m_caption = caption;
    update();
}

void CRibbonGroup::AddLarge(CRibbonButton *button)
{
    m_layout->addWidget(button, 0, Qt::AlignTop);
}

void CRibbonGroup::AddColumn(std::initializer_list<CRibbonButton *> buttons)
{
    auto *column = new QVBoxLayout;
    column->setSpacing(kRowSpacing);
    for (CRibbonButton *button : buttons)
        column->addWidget(button);
    column->addStretch();
    m_layout->addLayout(column);
}

void CRibbonGroup::AddGrid(const QList<QList<CRibbonButton *>> &rows)
{
    auto *grid = new QGridLayout;
    grid->setSpacing(kRowSpacing);
    for (int row = 0; row < rows.size(); ++row)
        for (int column = 0; column < rows[row].size(); ++column)
            grid->addWidget(rows[row][column], row, column);
    grid->setRowStretch(kSmallRows, 1);
    m_layout->addLayout(grid);
}

void CRibbonGroup::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const RibbonColours colours(palette());
    painter.fillRect(QRect(width() - 1, 4, 1, height() - 8), colours.separator);
    painter.setPen(colours.dimText);
    painter.drawText(QRect(0, height() - kGroupCaptionHeight, width() - 1, kGroupCaptionHeight - 1),
                     Qt::AlignHCenter | Qt::AlignBottom, m_caption);
}

} // namespace korvane
