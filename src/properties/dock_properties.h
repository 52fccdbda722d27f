// The property panel: the properties of the console (nothing selected) or of the primary
// control of the selection in a property grid, every edit written into the selected controls
// as one command on the document's undo stack. It rebuilds its tree when the selection
// changes and shows the document's values again after every change.
#pragma once

#include <QPointer>
#include <QWidget>

#include <array>
#include <functional>
#include <optional>
#include <unordered_map>
#include <vector>

#include "model/korvane_doc.h"
#include "properties/midi_learn_dialog.h"
#include "properties/property_grid.h"
#include "properties/property_lists.h"

namespace korvane {

class IDesignPicker;

class CDockProperties final : public QWidget
{
    Q_OBJECT

public:
    // The top categories whose collapsed state a rebuild keeps.
    enum TopCategory { kZoneView, kControlPos, kZoneDraw, kTextProperties, kButtonCategory, kTopCategoryCount };
    // What the MIDI categories' learn button asks; the learn dialog unless tests give another.
    using Learner = std::function<std::optional<CLearntMidi>(QWidget *parent)>;

    explicit CDockProperties(IDesignPicker &picker, QWidget *parent = nullptr);
    ~CDockProperties() override;

    // Shows the properties of `doc` (or nothing).
    void SetDocument(CKorvaneDoc *doc);
    CKorvaneDoc *Document() const { return m_doc; }
    CPropertyGrid &Grid() { return *m_grid; }
    // Builds the tree again for the document's selection, as a change of selection does.
    void Rebuild();
    void SetLearner(Learner learner) { m_learn = std::move(learner); }

private:
    using Kind = CPropertyItem::Kind;
    using Reader = std::function<QVariant()>;
    using Applier = std::function<void(const QVariant &)>;
    using Control = dataConsole::CCtrl__Base;
    using ControlFilter = std::function<bool(const Control &)>;
    using IntGetter = std::function<int(const Control &)>;
    using IntSetter = std::function<void(Control &, const int &)>;
    using FieldGetter = std::function<int(const dataConsole::CBindingSet &)>;
    using FieldSetter = std::function<void(dataConsole::CBindingSet &, int)>;

    // What a row stands for: how it reads the document, and what an edit of it does.
    struct CItemBinding
    {
        Reader read;
        Applier apply;
        // The list and the read-only rule that follow other values, before the value is read.
        std::function<void(CPropertyItem &)> update;
        // The in-place button.
        std::function<void()> press;
    };
    // A MIDI category: where learnt messages go, and which binding its clash flag is about.
    struct CMidiCategory
    {
        CPropertyItem *item;
        int page;
        bool decrement;
    };
    // What the tree's rows depend on besides values: a change of any rebuilds it.
    struct CShape
    {
        const Control *primary = nullptr;
        const Control *parent = nullptr;
        int parentPages = 0;
        int pages = 0;
        int sets = 0;
        bool modeIncDec = false;
        bool operator==(const CShape &) const = default;
    };

    // ---- following the document (dock_properties.cpp)
    void OnChanged(const CDocChangeEvent &event);
    void OnEdited(CPropertyItem *item);
    void OnButton(CPropertyItem *item);
    void OnExpanded(CPropertyItem *item, bool expanded);
    void ScheduleRebuild();
    // Shows the document's values again, and with `clashes` the bindings used twice.
    void Refresh(bool clashes = true);
    void FlagClashes();
    CShape ShapeNow() const;
    const dataConsole::CConsoleData &Console() const { return m_doc->Console(); }

    // ---- rows (dock_properties.cpp)
    CPropertyItem *AddItem(CPropertyItem &parent, Kind kind, const QString &caption, Reader read, Applier apply);
    CPropertyItem *AddTop(CPropertyItem &root, const QString &caption, TopCategory id);
    // A value of the shown controls through a getter and a setter.
    CPropertyItem *AddControlInt(CPropertyItem &parent, Kind kind, const QString &caption, IntGetter get,
                                 IntSetter set, DocChanges kinds = DocChange::kProperties);
    CPropertyItem *AddControlFlag(CPropertyItem &parent, const QString &caption, std::function<bool(const Control &)> get,
                                  std::function<void(Control &, bool)> set);
    CPropertyItem *AddControlColour(CPropertyItem &parent, const QString &caption, std::function<ColorRef(const Control &)> get,
                                    std::function<void(Control &, ColorRef)> set);
    // A field of the binding set at `page` (a list entry, or a flag as 0/1).
    CPropertyItem *AddBindingField(CPropertyItem &parent, Kind kind, const QString &caption, int page,
                                   FieldGetter get, FieldSetter set);

    // ---- the tree, one builder per part (dock_properties_tree.cpp)
    void BuildConsole(CPropertyItem &root);
    void BuildControl(CPropertyItem &root);
    void AddPositionCategory(CPropertyItem &root);
    void AddDrawCategory(CPropertyItem &root);
    void AddDrawItem(CPropertyItem &category);
    void AddTextCategory(CPropertyItem &root);
    void AddTextRectangle(CPropertyItem &category);
    void AddTexts(CPropertyItem &category);
    void AddButtonCategory(CPropertyItem &root);
    void AddDataOutsideGroup(CPropertyItem &root);
    void AddDataInsideGroup(CPropertyItem &root);
    void AddGroupData(CPropertyItem &root);
    CPropertyItem *AddMidiCategory(CPropertyItem &parent, const QString &caption, int page, bool decrement);
    void AddFeedbackItems(CPropertyItem &category, int page);
    void AddSentItems(CPropertyItem &category, int page, const QString &suffix, bool offToo);
    void AddMidiItems(CPropertyItem &category, int page, bool decrement);
    void AddDmxItems(CPropertyItem &category, int page, bool decrement);

    // ---- edits, each one command (dock_properties_edits.cpp)
    template <typename T>
    void SetOnShown(const QString &text, std::function<T(const Control &)> get,
                    std::function<void(Control &, const T &)> set, const T &value, DocChanges kinds,
                    const ControlFilter &only = {});
    // The binding sets at `page` of the shown controls, or every set while Shift is held.
    void EditBindings(const QString &text, int page, std::function<void(dataConsole::CBindingSet &)> edit);
    void MoveShown(const QString &text, bool horizontal, int edge);
    void ResizeShown(const QString &text, bool horizontal, int length);
    void SetConsoleSize(const QString &text, bool horizontal, int length);
    void EditConsole(const QString &text, const std::function<void(dataConsole::CConsoleSettings &)> &edit);
    void AttachShown(int groupId);
    void SetDrawing(const QString &name);
    void ChooseDrawing();
    void Learn(const QString &text, int page, bool decrement);

    IDesignPicker &m_picker;
    Learner m_learn;
    CPropertyGrid *m_grid;
    QPointer<CKorvaneDoc> m_doc;
    // The selection the tree was built for, the primary last.
    std::vector<Control *> m_shown;
    Control *m_primary = nullptr;
    CShape m_shape;
    // Whether the tree shows the document as it is; edits that arrive while it does not are
    // dropped.
    bool m_built = false;
    bool m_rebuildPending = false;
    CPropertyLists m_lists;
    std::unordered_map<const CPropertyItem *, CItemBinding> m_bindings;
    std::vector<CMidiCategory> m_midiCategories;
    std::unordered_map<const CPropertyItem *, TopCategory> m_topCategories;
    std::array<bool, kTopCategoryCount> m_collapsed{};
};

} // namespace korvane
