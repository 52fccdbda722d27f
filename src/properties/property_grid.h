// A property grid: a tree of categories and properties with in-place editors (lists, spin
// boxes, check boxes, texts, colours through the colour dialog) and in-place buttons. Shared by
// the console's property panel and, later, the design editor's; it knows nothing of either.
#pragma once

#include <QPointer>
#include <QStyledItemDelegate>
#include <QTreeView>

#include <memory>

#include "properties/property_model.h"

namespace korvane {

// Makes the editor of each kind of value and draws the in-place buttons, which it also
// presses. A spin step and a list entry picked are applied at once, like a typed value;
// a typed text or number when the editor is left (Enter, Tab, a click elsewhere).
class CPropertyDelegate final : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit CPropertyDelegate(QObject *parent = nullptr) : QStyledItemDelegate(parent) {}

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void destroyEditor(QWidget *editor, const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;
    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    // The editor open now, if any.
    QWidget *OpenEditor() const { return m_editor; }

signals:
    void buttonClicked(korvane::CPropertyItem *item);

protected:
    bool editorEvent(QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option,
                     const QModelIndex &index) override;

private:
    // The item whose button lies at the end of this cell, or null.
    static CPropertyItem *ButtonItem(const QModelIndex &index);
    static QRect ButtonRect(const QRect &cell, const CPropertyItem &item);

    mutable QPointer<QWidget> m_editor;
};

class CPropertyGrid final : public QTreeView
{
    Q_OBJECT

public:
    explicit CPropertyGrid(QWidget *parent = nullptr);

    CPropertyModel &Model() { return *m_model; }
    CPropertyItem &Root() const { return m_model->Root(); }
    // Shows a new tree: the categories expanded unless their item says otherwise.
    void SetRoot(std::unique_ptr<CPropertyItem> root);
    // The row reached from the root through these captions, or null.
    CPropertyItem *Find(const QStringList &path) const;
    // Opens the editor of the row's value, as a click on it does; the editor, or null.
    QWidget *EditValue(CPropertyItem *item);
    // Applies what the open editor holds, as leaving it does.
    void CommitOpenEditor();

signals:
    // The user changed the row's value.
    void valueEdited(korvane::CPropertyItem *item);
    // The user pressed the row's in-place button (a colour's opens the colour dialog instead).
    void buttonClicked(korvane::CPropertyItem *item);
    // The user expanded or collapsed a category.
    void expandedChanged(korvane::CPropertyItem *item, bool expanded);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void drawRow(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    void ApplyTreeState(const QModelIndex &parent);
    void OnButton(CPropertyItem *item);
    void OnExpansion(const QModelIndex &index, bool expanded);

    CPropertyModel *m_model;
    CPropertyDelegate *m_delegate;
    // Set while a new tree is laid out: its expansions are not the user's.
    bool m_layingOut = false;
};

} // namespace korvane
