// The rows of a property grid and the item model over them: categories that hold rows, and
// properties that show a value of one kind (text, integer, flag, colour, entry of a list).
// It knows nothing of consoles; whoever fills it says what each row stands for.
#pragma once

#include <QAbstractItemModel>
#include <QColor>
#include <QStringList>
#include <QVariant>

#include <memory>
#include <vector>

namespace korvane {

class CPropertyModel;

// One row of a property grid. Rows are made and filled before the tree is handed to the
// model; after that SetValue, SetEntries, SetReadOnly and SetWarning repaint the row.
class CPropertyItem
{
public:
    enum class Kind { kCategory, kText, kInteger, kBool, kColour, kList };

    CPropertyItem(Kind kind, QString caption);
    ~CPropertyItem();
    CPropertyItem(const CPropertyItem &) = delete;
    CPropertyItem &operator=(const CPropertyItem &) = delete;

    Kind GetKind() const { return m_kind; }
    bool IsCategory() const { return m_kind == Kind::kCategory; }
    const QString &Caption() const { return m_caption; }

    // ---- the tree
    CPropertyItem *Add(Kind kind, QString caption);
    CPropertyItem *Parent() const { return m_parent; }
    int Row() const { return m_row; }
    int ChildCount() const { return int(m_children.size()); }
    CPropertyItem *Child(int row) const { return m_children.at(std::size_t(row)).get(); }
    // The first child with that caption, or null.
    CPropertyItem *Find(const QString &caption) const;

    // ---- the value: a text, an integer, a bool, a QColor, or for a list the entry's index
    const QVariant &Value() const { return m_value; }
    int IntValue() const { return m_value.toInt(); }
    // Shows `value` (no edit: nobody is told); the row repaints when it differs.
    void SetValue(const QVariant &value);
    // What the value column shows: the list's entry (none for an index outside the list), the
    // number, the text, the colour's name; nothing for a flag.
    QString DisplayText() const;

    // A list's entries; shared lists (the same QStringList given to many rows) cost nothing.
    const QStringList &Entries() const { return m_entries; }
    void SetEntries(const QStringList &entries);
    // An integer's range in its spin box.
    int Minimum() const { return m_minimum; }
    int Maximum() const { return m_maximum; }
    void SetRange(int minimum, int maximum);

    // A read-only row shows its value greyed and opens no editor; its button does nothing.
    bool IsReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool readOnly);
    // A button at the end of the row, shown always; empty: none.
    const QString &ButtonText() const { return m_button; }
    bool HasButton() const { return !m_button.isEmpty(); }
    void SetButton(const QString &text) { m_button = text; }
    // A warning shown on the row with its text as the tooltip; empty: none.
    const QString &Warning() const { return m_warning; }
    void SetWarning(const QString &warning);
    // Whether a category shows its rows when the tree is shown.
    bool StartsExpanded() const { return m_expanded; }
    void SetStartsExpanded(bool expanded) { m_expanded = expanded; }

private:
    friend class CPropertyModel;
    void Repaint(bool wholeRow);
    CPropertyModel *Model() const;

    Kind m_kind;
    QString m_caption;
    CPropertyItem *m_parent = nullptr;
    int m_row = 0;
    std::vector<std::unique_ptr<CPropertyItem>> m_children;
    // Set on the root only, while the model shows the tree.
    CPropertyModel *m_model = nullptr;

    QVariant m_value;
    QStringList m_entries;
    int m_minimum = -1000000;
    int m_maximum = 1000000;
    bool m_readOnly = false;
    QString m_button;
    QString m_warning;
    bool m_expanded = true;
};

// Two columns: the caption and the value. Editing the value column (setData) changes the row
// and tells edited(); SetValue from the owner does not.
class CPropertyModel final : public QAbstractItemModel
{
    Q_OBJECT

public:
    enum Column { kCaptionColumn = 0, kValueColumn = 1, kColumnCount = 2 };

    explicit CPropertyModel(QObject *parent = nullptr);
    ~CPropertyModel() override;

    // Shows a new tree (the old one goes); never null: an empty root stands for none.
    void SetRoot(std::unique_ptr<CPropertyItem> root);
    CPropertyItem &Root() const { return *m_root; }
    CPropertyItem *ItemAt(const QModelIndex &index) const;
    QModelIndex IndexOf(const CPropertyItem *item, int column = kCaptionColumn) const;

    QModelIndex index(int row, int column, const QModelIndex &parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

signals:
    // The user gave `item` a new value.
    void edited(korvane::CPropertyItem *item);

private:
    friend class CPropertyItem;
    QVariant CaptionData(const CPropertyItem &item, int role) const;
    QVariant ValueData(const CPropertyItem &item, int role) const;

    std::unique_ptr<CPropertyItem> m_root;
};

} // namespace korvane
