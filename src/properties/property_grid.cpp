// The property grid: its editors, its in-place buttons and the tree view.
#include "properties/property_grid.h"

#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QSpinBox>

namespace korvane {

namespace {

constexpr int kMinimumRowHeight = 22;
// The caption column's share of the width.
constexpr double kCaptionShare = 0.58;

using Kind = CPropertyItem::Kind;

CPropertyItem *ItemOf(const QModelIndex &index)
{
    return index.isValid() ? static_cast<CPropertyItem *>(index.internalPointer()) : nullptr;
}

// A category's row is one cell across the grid.
bool IsCategoryRow(const QModelIndex &index)
{
    const CPropertyItem *item = ItemOf(index);
    return item && item->IsCategory();
}

} // namespace

// ---- delegate

QWidget *CPropertyDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                         const QModelIndex &index) const
{
    const CPropertyItem *item = ItemOf(index);
    if (!item || item->IsReadOnly())
        return nullptr;
    auto *self = const_cast<CPropertyDelegate *>(this);
    QWidget *editor = nullptr;
    switch (item->GetKind()) {
    case Kind::kList: {
        auto *combo = new QComboBox(parent);
        combo->addItems(item->Entries());
        combo->setMaxVisibleItems(20);
        // Picking an entry is the edit: applied at once.
        connect(combo, &QComboBox::currentIndexChanged, self, [self, combo] { emit self->commitData(combo); });
        editor = combo;
        break;
    }
    case Kind::kInteger: {
        auto *spin = new QSpinBox(parent);
        spin->setRange(item->Minimum(), item->Maximum());
        // Typing changes nothing until the editor is left; a step of the arrows is applied
        // at once, like the typed value it makes.
        spin->setKeyboardTracking(false);
        connect(spin, &QSpinBox::valueChanged, self, [self, spin] { emit self->commitData(spin); });
        editor = spin;
        break;
    }
    case Kind::kText:
        editor = QStyledItemDelegate::createEditor(parent, option, index);
        break;
    default:
        return nullptr;
    }
    editor->setAutoFillBackground(true);
    m_editor = editor;
    return editor;
}

void CPropertyDelegate::destroyEditor(QWidget *editor, const QModelIndex &index) const
{
    if (m_editor == editor)
        m_editor = nullptr;
    QStyledItemDelegate::destroyEditor(editor, index);
}

void CPropertyDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    const CPropertyItem *item = ItemOf(index);
    if (!item)
        return;
    // The value shown back after an edit is no edit of its own.
    const QSignalBlocker blocker(editor);
    if (auto *combo = qobject_cast<QComboBox *>(editor)) {
        if (combo->count() != item->Entries().size()) {
            combo->clear();
            combo->addItems(item->Entries());
        }
        combo->setCurrentIndex(std::max(0, item->IntValue()) < combo->count() ? std::max(0, item->IntValue()) : -1);
    } else if (auto *spin = qobject_cast<QSpinBox *>(editor)) {
        spin->setValue(item->IntValue());
    } else {
        QStyledItemDelegate::setEditorData(editor, index);
    }
}

void CPropertyDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    if (auto *combo = qobject_cast<QComboBox *>(editor)) {
        if (combo->currentIndex() >= 0)
            model->setData(index, combo->currentIndex());
    } else if (auto *spin = qobject_cast<QSpinBox *>(editor)) {
        spin->interpretText();
        model->setData(index, spin->value());
    } else {
        QStyledItemDelegate::setModelData(editor, model, index);
    }
}

void CPropertyDelegate::updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                                             const QModelIndex &index) const
{
    QRect rect = option.rect;
    if (const CPropertyItem *button = ButtonItem(index))
        rect.setRight(ButtonRect(option.rect, *button).left() - 1);
    editor->setGeometry(rect);
}

CPropertyItem *CPropertyDelegate::ButtonItem(const QModelIndex &index)
{
    CPropertyItem *item = ItemOf(index);
    if (!item || !item->HasButton())
        return nullptr;
    // A category's button ends its one cell; a property's ends its value.
    const int column = item->IsCategory() ? CPropertyModel::kCaptionColumn : CPropertyModel::kValueColumn;
    return index.column() == column ? item : nullptr;
}

QRect CPropertyDelegate::ButtonRect(const QRect &cell, const CPropertyItem &item)
{
    constexpr int kTextMargin = 12;
    const int width =
        std::max(cell.height(), QFontMetrics(QApplication::font()).horizontalAdvance(item.ButtonText()) + kTextMargin);
    return QRect(cell.right() - width + 1, cell.top() + 1, width, cell.height() - 2);
}

void CPropertyDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    CPropertyItem *button = ButtonItem(index);
    QStyleOptionViewItem cell = option;
    if (button)
        cell.rect.setRight(ButtonRect(option.rect, *button).left() - 1);
    QStyledItemDelegate::paint(painter, cell, index);
    if (!button)
        return;
    QStyleOptionButton push;
    push.rect = ButtonRect(option.rect, *button);
    push.text = button->ButtonText();
    push.state = QStyle::State_Raised;
    if (!button->IsReadOnly())
        push.state |= QStyle::State_Enabled;
    push.palette = option.palette;
    const QWidget *widget = option.widget;
    QStyle *style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_PushButton, &push, painter, widget);
}

QSize CPropertyDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(std::max(size.height(), kMinimumRowHeight));
    return size;
}

bool CPropertyDelegate::editorEvent(QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option,
                                    const QModelIndex &index)
{
    CPropertyItem *button = ButtonItem(index);
    const bool mouse = event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease ||
                       event->type() == QEvent::MouseButtonDblClick;
    if (button && mouse && ButtonRect(option.rect, *button).contains(static_cast<QMouseEvent *>(event)->position().toPoint())) {
        // The press is the button's alone: it neither selects nor opens an editor.
        if (event->type() == QEvent::MouseButtonRelease && !button->IsReadOnly())
            emit buttonClicked(button);
        return true;
    }
    return QStyledItemDelegate::editorEvent(event, model, option, index);
}

// ---- grid

CPropertyGrid::CPropertyGrid(QWidget *parent)
    : QTreeView(parent), m_model(new CPropertyModel(this)), m_delegate(new CPropertyDelegate(this))
{
    setModel(m_model);
    setItemDelegate(m_delegate);
    header()->hide();
    header()->setStretchLastSection(true);
    setUniformRowHeights(true);
    setIndentation(14);
    setAlternatingRowColors(false);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    // A click on a value opens its editor at once, as property grids do.
    connect(this, &QTreeView::clicked, this, [this](const QModelIndex &index) {
        if (index.column() == CPropertyModel::kValueColumn && (index.flags() & Qt::ItemIsEditable) &&
            !indexWidget(index))
            edit(index);
    });
    connect(m_model, &CPropertyModel::edited, this, &CPropertyGrid::valueEdited);
    connect(m_delegate, &CPropertyDelegate::buttonClicked, this, &CPropertyGrid::OnButton);
    connect(this, &QTreeView::expanded, this, [this](const QModelIndex &index) { OnExpansion(index, true); });
    connect(this, &QTreeView::collapsed, this, [this](const QModelIndex &index) { OnExpansion(index, false); });
}

void CPropertyGrid::SetRoot(std::unique_ptr<CPropertyItem> root)
{
    m_layingOut = true;
    m_model->SetRoot(std::move(root));
    ApplyTreeState(QModelIndex());
    m_layingOut = false;
}

void CPropertyGrid::ApplyTreeState(const QModelIndex &parent)
{
    const int rows = m_model->rowCount(parent);
    for (int row = 0; row < rows; ++row) {
        const QModelIndex index = m_model->index(row, 0, parent);
        const CPropertyItem *item = m_model->ItemAt(index);
        if (!item->IsCategory())
            continue;
        setFirstColumnSpanned(row, parent, true);
        setExpanded(index, item->StartsExpanded());
        ApplyTreeState(index);
    }
}

CPropertyItem *CPropertyGrid::Find(const QStringList &path) const
{
    const CPropertyItem *item = &Root();
    for (const QString &caption : path) {
        item = item->Find(caption);
        if (!item)
            return nullptr;
    }
    return const_cast<CPropertyItem *>(item);
}

QWidget *CPropertyGrid::EditValue(CPropertyItem *item)
{
    const QModelIndex index = m_model->IndexOf(item, CPropertyModel::kValueColumn);
    if (!index.isValid())
        return nullptr;
    scrollTo(index);
    setCurrentIndex(index);
    // An editor already open on it stays: opening another would fail.
    if (!indexWidget(index))
        edit(index);
    return indexWidget(index);
}

void CPropertyGrid::CommitOpenEditor()
{
    if (QWidget *editor = m_delegate->OpenEditor())
        emit m_delegate->commitData(editor);
}

void CPropertyGrid::OnButton(CPropertyItem *item)
{
    if (item->GetKind() != Kind::kColour) {
        emit buttonClicked(item);
        return;
    }
    const QColor chosen = QColorDialog::getColor(item->Value().value<QColor>(), this, item->Caption());
    if (chosen.isValid())
        m_model->setData(m_model->IndexOf(item, CPropertyModel::kValueColumn), chosen);
}

void CPropertyGrid::OnExpansion(const QModelIndex &index, bool expanded)
{
    if (!m_layingOut)
        emit expandedChanged(m_model->ItemAt(index), expanded);
}

void CPropertyGrid::resizeEvent(QResizeEvent *event)
{
    QTreeView::resizeEvent(event);
    setColumnWidth(CPropertyModel::kCaptionColumn, int(viewport()->width() * kCaptionShare));
}

void CPropertyGrid::drawRow(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    // A category is a band across the whole row, the branch included.
    if (IsCategoryRow(index))
        painter->fillRect(option.rect, palette().brush(QPalette::Button));
    QTreeView::drawRow(painter, option, index);
}

} // namespace korvane
