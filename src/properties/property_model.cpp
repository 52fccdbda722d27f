// The rows of a property grid and their model.
#include "properties/property_model.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QStyle>

namespace korvane {

namespace {

// The swatch drawn before a colour's name.
constexpr int kSwatchSize = 12;

QIcon Swatch(const QColor &colour)
{
    QPixmap pixmap(kSwatchSize, kSwatchSize);
    pixmap.fill(colour);
    // Framed, so that a colour like the grid's own still shows.
    QPainter painter(&pixmap);
    painter.setPen(QApplication::palette().color(QPalette::Text));
    painter.drawRect(0, 0, kSwatchSize - 1, kSwatchSize - 1);
    return QIcon(pixmap);
}

} // namespace

// ---- items

CPropertyItem::CPropertyItem(Kind kind, QString caption) : m_kind(kind), m_caption(std::move(caption))
{
    switch (kind) {
    case Kind::kText:
        m_value = QString();
        break;
    case Kind::kBool:
        m_value = false;
        break;
    case Kind::kColour:
        // Its button opens the colour dialog.
        m_value = QColor(Qt::black);
        m_button = QStringLiteral("...");
        break;
    case Kind::kInteger:
    case Kind::kList:
        m_value = 0;
        break;
    case Kind::kCategory:
        break;
    }
}

CPropertyItem::~CPropertyItem() = default;

CPropertyItem *CPropertyItem::Add(Kind kind, QString caption)
{
    auto child = std::make_unique<CPropertyItem>(kind, std::move(caption));
    child->m_parent = this;
    child->m_row = ChildCount();
    m_children.push_back(std::move(child));
    return m_children.back().get();
}

CPropertyItem *CPropertyItem::Find(const QString &caption) const
{
    for (const auto &child : m_children) {
        if (child->m_caption == caption)
            return child.get();
    }
    return nullptr;
}

CPropertyModel *CPropertyItem::Model() const
{
    const CPropertyItem *root = this;
    while (root->m_parent)
        root = root->m_parent;
    return root->m_model;
}

void CPropertyItem::Repaint(bool wholeRow)
{
    if (CPropertyModel *model = Model()) {
        const QModelIndex value = model->IndexOf(this, CPropertyModel::kValueColumn);
        // One cell at a time, so that an editor open on it takes the new value.
        if (wholeRow)
            emit model->dataChanged(model->IndexOf(this), model->IndexOf(this));
        emit model->dataChanged(value, value);
    }
}

void CPropertyItem::SetValue(const QVariant &value)
{
    if (value == m_value)
        return;
    m_value = value;
    Repaint(false);
}

QString CPropertyItem::DisplayText() const
{
    switch (m_kind) {
    case Kind::kList: {
        // A value below the list shows its first entry; one beyond it shows nothing.
        const int index = std::max(0, IntValue());
        return index < m_entries.size() ? m_entries.at(index) : QString();
    }
    case Kind::kColour:
        return m_value.value<QColor>().name().toUpper();
    case Kind::kBool:
    case Kind::kCategory:
        return QString();
    default:
        return m_value.toString();
    }
}

void CPropertyItem::SetEntries(const QStringList &entries)
{
    if (m_entries.isSharedWith(entries) || m_entries == entries)
        return;
    m_entries = entries;
    Repaint(false);
}

void CPropertyItem::SetRange(int minimum, int maximum)
{
    m_minimum = minimum;
    m_maximum = maximum;
}

void CPropertyItem::SetReadOnly(bool readOnly)
{
    if (readOnly == m_readOnly)
        return;
    m_readOnly = readOnly;
    Repaint(true);
}

void CPropertyItem::SetWarning(const QString &warning)
{
    if (warning == m_warning)
        return;
    m_warning = warning;
    Repaint(true);
}

// ---- model

CPropertyModel::CPropertyModel(QObject *parent)
    : QAbstractItemModel(parent), m_root(std::make_unique<CPropertyItem>(CPropertyItem::Kind::kCategory, QString()))
{
    m_root->m_model = this;
}

CPropertyModel::~CPropertyModel() = default;

void CPropertyModel::SetRoot(std::unique_ptr<CPropertyItem> root)
{
    beginResetModel();
    m_root->m_model = nullptr;
    m_root = root ? std::move(root) : std::make_unique<CPropertyItem>(CPropertyItem::Kind::kCategory, QString());
    m_root->m_model = this;
    endResetModel();
}

CPropertyItem *CPropertyModel::ItemAt(const QModelIndex &index) const
{
    return index.isValid() ? static_cast<CPropertyItem *>(index.internalPointer()) : nullptr;
}

QModelIndex CPropertyModel::IndexOf(const CPropertyItem *item, int column) const
{
    if (!item || item == m_root.get())
        return {};
    return createIndex(item->Row(), column, const_cast<CPropertyItem *>(item));
}

QModelIndex CPropertyModel::index(int row, int column, const QModelIndex &parent) const
{
    const CPropertyItem *owner = parent.isValid() ? ItemAt(parent) : m_root.get();
    if (row < 0 || row >= owner->ChildCount() || column < 0 || column >= kColumnCount)
        return {};
    return createIndex(row, column, owner->Child(row));
}

QModelIndex CPropertyModel::parent(const QModelIndex &child) const
{
    const CPropertyItem *item = ItemAt(child);
    return item ? IndexOf(item->Parent()) : QModelIndex();
}

int CPropertyModel::rowCount(const QModelIndex &parent) const
{
    if (parent.column() > 0)
        return 0;
    const CPropertyItem *owner = parent.isValid() ? ItemAt(parent) : m_root.get();
    return owner->ChildCount();
}

int CPropertyModel::columnCount(const QModelIndex &) const
{
    return kColumnCount;
}

QVariant CPropertyModel::data(const QModelIndex &index, int role) const
{
    const CPropertyItem *item = ItemAt(index);
    if (!item)
        return {};
    // A read-only row is greyed, caption and value alike.
    if (role == Qt::ForegroundRole && item->IsReadOnly())
        return QApplication::palette().brush(QPalette::Disabled, QPalette::Text);
    return index.column() == kCaptionColumn ? CaptionData(*item, role) : ValueData(*item, role);
}

QVariant CPropertyModel::CaptionData(const CPropertyItem &item, int role) const
{
    switch (role) {
    case Qt::DisplayRole:
        return item.Caption();
    case Qt::ToolTipRole:
        return item.Warning().isEmpty() ? item.Caption() : item.Warning();
    case Qt::DecorationRole:
        if (!item.Warning().isEmpty())
            return QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
        return {};
    case Qt::FontRole:
        if (item.IsCategory()) {
            QFont font = QApplication::font();
            font.setBold(true);
            return font;
        }
        return {};
    default:
        return {};
    }
}

QVariant CPropertyModel::ValueData(const CPropertyItem &item, int role) const
{
    using Kind = CPropertyItem::Kind;
    switch (role) {
    case Qt::DisplayRole:
        return item.DisplayText();
    case Qt::EditRole:
        return item.Value();
    case Qt::ToolTipRole:
        return item.DisplayText();
    case Qt::CheckStateRole:
        if (item.GetKind() == Kind::kBool)
            return item.Value().toBool() ? Qt::Checked : Qt::Unchecked;
        return {};
    case Qt::DecorationRole:
        if (item.GetKind() == Kind::kColour)
            return Swatch(item.Value().value<QColor>());
        return {};
    default:
        return {};
    }
}

bool CPropertyModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    CPropertyItem *item = ItemAt(index);
    if (!item || index.column() != kValueColumn || item->IsReadOnly() || item->IsCategory())
        return false;
    QVariant stored = value;
    if (item->GetKind() == CPropertyItem::Kind::kBool) {
        if (role != Qt::CheckStateRole)
            return false;
        stored = value.toInt() == Qt::Checked;
    } else if (role != Qt::EditRole) {
        return false;
    }
    if (stored == item->Value())
        return true;
    item->SetValue(stored);
    emit edited(item);
    return true;
}

Qt::ItemFlags CPropertyModel::flags(const QModelIndex &index) const
{
    using Kind = CPropertyItem::Kind;
    const CPropertyItem *item = ItemAt(index);
    if (!item)
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() != kValueColumn || item->IsReadOnly())
        return flags;
    switch (item->GetKind()) {
    case Kind::kBool:
        return flags | Qt::ItemIsUserCheckable;
    case Kind::kText:
    case Kind::kInteger:
    case Kind::kList:
        return flags | Qt::ItemIsEditable;
    default:
        return flags;
    }
}

} // namespace korvane
