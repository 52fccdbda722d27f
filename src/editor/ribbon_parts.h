// The pieces the ribbon is built of: its buttons, its tab bar, the separators of its tab row
// and its groups, all drawn flat in colours taken from the application's palette.
#pragma once

#include <QColor>
#include <QTabBar>
#include <QToolButton>
#include <QWidget>

#include <initializer_list>

class QHBoxLayout;

namespace korvane {

// Sizes of the compact ribbon, in pixels.
namespace ribbonSize {
inline constexpr int kFontPixelSize = 11;
inline constexpr int kTabRowHeight = 24;
inline constexpr int kLargeIcon = 32;
inline constexpr int kSmallIcon = 16;
inline constexpr int kSmallButtonHeight = 20;
inline constexpr int kSmallRows = 3;
inline constexpr int kRowSpacing = 0;
inline constexpr int kBodyHeight = kSmallRows * kSmallButtonHeight + (kSmallRows - 1) * kRowSpacing; // 60
inline constexpr int kGroupCaptionHeight = 15;
inline constexpr int kLargeMinWidth = 44;
inline constexpr int kLargeSingleLineWidth = 58; // wider captions go on two lines
inline constexpr int kIconOnlyWidth = 24;
inline constexpr int kQuickAccessSize = 22;
inline constexpr int kCornerRadius = 3;
} // namespace ribbonSize

// The ribbon's colours, all taken from the palette so that a light palette works as well.
struct RibbonColours
{
    QColor tabRow, body, border, separator, text, dimText, hover, pressed, checkedFill, checkedLine, accent, onAccent;

    explicit RibbonColours(const QPalette &palette);
};

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

    CRibbonButton(Kind kind, QAction *action, QWidget *parent);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *) override;

private:
    void PaintBackground(QPainter &painter, const RibbonColours &colours);
    void PaintIcon(QPainter &painter, const QRect &target);
    void PaintLargeContents(QPainter &painter);
    void PaintPopupContents(QPainter &painter, const QColor &textColour);
    void PaintSystemContents(QPainter &painter, const QColor &textColour);
    static void PaintArrow(QPainter &painter, QPointF centre, const QColor &colour);

    Kind m_kind;
};

// The tabs, drawn so that the current one opens onto the body of the ribbon.
class CRibbonTabBar : public QTabBar
{
public:
    explicit CRibbonTabBar(QWidget *parent);

protected:
    QSize tabSizeHint(int index) const override;
    QSize minimumTabSizeHint(int index) const override { return tabSizeHint(index); }
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *) override;

private:
    void SetHovered(int index);

    int m_hovered = -1;
};

// A thin upright line between parts of the tab row.
class CRibbonSeparator : public QWidget
{
public:
    explicit CRibbonSeparator(QWidget *parent);

protected:
    void paintEvent(QPaintEvent *) override;
};

// A group of a ribbon tab: its buttons side by side, its caption below them and a line at its
// right.
class CRibbonGroup : public QWidget
{
public:
    explicit CRibbonGroup(QWidget *parent);

    void SetCaption(const QString &caption);
    void AddLarge(CRibbonButton *button);
    // Small buttons one under the other, from the top.
    void AddColumn(std::initializer_list<CRibbonButton *> buttons);
    // Buttons in rows of a grid, from the top left.
    void AddGrid(const QList<QList<CRibbonButton *>> &rows);

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QHBoxLayout *m_layout;
    QString m_caption;
};

} // namespace korvane
