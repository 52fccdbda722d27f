// The property panel: following the document, and the kinds of rows it is made of.
#include "properties/dock_properties.h"

#include <QTimer>
#include <QVBoxLayout>

#include "model/binding_clashes.h"
#include "model/ctrl_groups.h"
#include "model/console_data.h"

namespace korvane {

using dataConsole::CCtrl__Base;

CDockProperties::CDockProperties(IDesignPicker &picker, QWidget *parent)
    : QWidget(parent), m_picker(picker), m_learn(LearnMidiBinding), m_grid(new CPropertyGrid(this))
{
    setObjectName(QStringLiteral("PropertyPanel"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_grid);
    connect(m_grid, &CPropertyGrid::valueEdited, this, &CDockProperties::OnEdited);
    connect(m_grid, &CPropertyGrid::buttonClicked, this, &CDockProperties::OnButton);
    connect(m_grid, &CPropertyGrid::expandedChanged, this, &CDockProperties::OnExpanded);
}

CDockProperties::~CDockProperties() = default;

void CDockProperties::SetDocument(CKorvaneDoc *doc)
{
    if (m_doc)
        m_doc->disconnect(this);
    m_doc = doc;
    if (doc) {
        connect(doc, &CKorvaneDoc::changed, this, &CDockProperties::OnChanged);
        connect(doc, &CKorvaneDoc::selectionChanged, this, &CDockProperties::Rebuild);
        // A document closed under the panel leaves it empty, not holding its controls.
        connect(doc, &QObject::destroyed, this, [this] { SetDocument(nullptr); });
    }
    Rebuild();
}

void CDockProperties::Rebuild()
{
    // An edit still open belongs to the controls it was begun on.
    if (m_built)
        m_grid->CommitOpenEditor();
    m_rebuildPending = false;
    m_bindings.clear();
    m_midiCategories.clear();
    m_topCategories.clear();
    // Lists are made again in the language now selected.
    m_lists = CPropertyLists();
    m_shown = m_doc ? m_doc->Selection() : std::vector<CCtrl__Base *>();
    m_primary = m_doc ? m_doc->Primary() : nullptr;
    auto root = std::make_unique<CPropertyItem>(Kind::kCategory, QString());
    if (m_primary)
        BuildControl(*root);
    else if (m_doc)
        BuildConsole(*root);
    m_built = m_doc != nullptr;
    m_shape = ShapeNow();
    // Filled before the grid shows it: nothing to repaint yet.
    Refresh();
    m_grid->SetRoot(std::move(root));
}

void CDockProperties::ScheduleRebuild()
{
    m_built = false;
    if (m_rebuildPending)
        return;
    m_rebuildPending = true;
    // Not now: the change may come from an editor of this tree, which must outlive its signal.
    QTimer::singleShot(0, this, [this] {
        if (m_rebuildPending)
            Rebuild();
    });
}

CDockProperties::CShape CDockProperties::ShapeNow() const
{
    if (!m_primary)
        return {};
    CShape shape{m_primary, m_primary->ParentGroup(), 0, m_primary->PageCount(), m_primary->Bindings().Count(), false};
    if (shape.parent)
        shape.parentPages = shape.parent->PageCount();
    if (m_primary->Kind() == dataConsole::kCtrlGroupIncDec)
        shape.modeIncDec = static_cast<const dataConsole::CCtrl_GroupIncDec *>(m_primary)->ModeIncDec();
    return shape;
}

void CDockProperties::OnChanged(const CDocChangeEvent &event)
{
    // Values played by MIDI or the preview are no property.
    if (!m_built || event.kinds == DocChanges(DocChange::kValues))
        return;
    // New or removed controls change the groups a control can join; other changes may give
    // the primary other pages or rows.
    if ((event.kinds & (DocChange::kControlsAdded | DocChange::kControlsRemoved | DocChange::kDesignsReloaded)) ||
        !(ShapeNow() == m_shape)) {
        ScheduleRebuild();
        return;
    }
    // A drag on the canvas changes geometry at every step: the clashes stay as they were.
    Refresh(event.kinds.testAnyFlags(DocChange::kBindings | DocChange::kProperties));
}

void CDockProperties::Refresh(bool clashes)
{
    if (!m_built)
        return;
    for (auto &[item, binding] : m_bindings) {
        auto *row = const_cast<CPropertyItem *>(item);
        if (binding.update)
            binding.update(*row);
        if (binding.read)
            row->SetValue(binding.read());
    }
    if (clashes)
        FlagClashes();
}

void CDockProperties::FlagClashes()
{
    if (!m_primary || m_midiCategories.empty())
        return;
    const std::vector<dataConsole::CBindingClash> clashes = dataConsole::ClashesOf(Console(), *m_primary);
    for (const CMidiCategory &category : m_midiCategories) {
        QStringList others;
        for (const dataConsole::CBindingClash &clash : clashes) {
            for (const auto &[own, other] : {std::pair(clash.first, clash.second), std::pair(clash.second, clash.first)}) {
                if (own.control == m_primary && own.set == category.page && own.decrement == category.decrement)
                    others << other.Text();
            }
        }
        category.item->SetWarning(others.isEmpty() ? QString()
                                                   : QStringLiteral("Also bound to %1").arg(others.join(QStringLiteral("; "))));
    }
}

void CDockProperties::OnEdited(CPropertyItem *item)
{
    const auto found = m_bindings.find(item);
    if (!m_built || !m_doc || found == m_bindings.end() || !found->second.apply)
        return;
    // Copied: the edit may rebuild the tree, and this binding with it.
    const Applier apply = found->second.apply;
    apply(item->Value());
    // What the document took may differ from what was typed (a limit): show it.
    Refresh();
}

void CDockProperties::OnButton(CPropertyItem *item)
{
    const auto found = m_bindings.find(item);
    if (m_built && m_doc && found != m_bindings.end() && found->second.press) {
        const std::function<void()> press = found->second.press;
        press();
    }
}

void CDockProperties::OnExpanded(CPropertyItem *item, bool expanded)
{
    const auto found = m_topCategories.find(item);
    if (found != m_topCategories.end())
        m_collapsed[std::size_t(found->second)] = !expanded;
}

// ---- rows

CPropertyItem *CDockProperties::AddItem(CPropertyItem &parent, Kind kind, const QString &caption, Reader read,
                                        Applier apply)
{
    CPropertyItem *item = parent.Add(kind, caption);
    m_bindings[item] = {std::move(read), std::move(apply), {}, {}};
    return item;
}

CPropertyItem *CDockProperties::AddTop(CPropertyItem &root, const QString &caption, TopCategory id)
{
    CPropertyItem *category = root.Add(Kind::kCategory, caption);
    category->SetStartsExpanded(!m_collapsed[std::size_t(id)]);
    m_topCategories[category] = id;
    return category;
}

CPropertyItem *CDockProperties::AddControlInt(CPropertyItem &parent, Kind kind, const QString &caption, IntGetter get,
                                              IntSetter set, DocChanges kinds)
{
    return AddItem(
        parent, kind, caption, [this, get] { return get(*m_primary); },
        [this, caption, get, set, kinds](const QVariant &value) { SetOnShown<int>(caption, get, set, value.toInt(), kinds); });
}

CPropertyItem *CDockProperties::AddControlFlag(CPropertyItem &parent, const QString &caption,
                                               std::function<bool(const Control &)> get,
                                               std::function<void(Control &, bool)> set)
{
    return AddItem(
        parent, Kind::kBool, caption, [this, get] { return get(*m_primary); },
        [this, caption, get, set](const QVariant &value) {
            SetOnShown<bool>(
                caption, get, [set](Control &control, const bool &flag) { set(control, flag); }, value.toBool(),
                DocChange::kProperties);
        });
}

CPropertyItem *CDockProperties::AddControlColour(CPropertyItem &parent, const QString &caption,
                                                 std::function<ColorRef(const Control &)> get,
                                                 std::function<void(Control &, ColorRef)> set)
{
    return AddItem(
        parent, Kind::kColour, caption, [this, get] { return dataConsole::QColorOf(get(*m_primary)); },
        [this, caption, get, set](const QVariant &value) {
            const QColor colour = value.value<QColor>();
            SetOnShown<ColorRef>(
                caption, get, [set](Control &control, const ColorRef &chosen) { set(control, chosen); },
                MakeColorRef(std::uint8_t(colour.red()), std::uint8_t(colour.green()), std::uint8_t(colour.blue())),
                DocChange::kProperties);
        });
}

CPropertyItem *CDockProperties::AddBindingField(CPropertyItem &parent, Kind kind, const QString &caption, int page,
                                                FieldGetter get, FieldSetter set)
{
    const bool flag = kind == Kind::kBool;
    return AddItem(
        parent, kind, caption,
        [this, page, get, flag]() -> QVariant {
            // Undoing a change of group can take sets away before the tree follows.
            const int value = page < m_primary->Bindings().Count() ? get(m_primary->Bindings()[page]) : 0;
            return flag ? QVariant(value != 0) : QVariant(value);
        },
        [this, caption, page, set](const QVariant &value) {
            EditBindings(caption, page, [set, chosen = value.toInt()](dataConsole::CBindingSet &sets) { set(sets, chosen); });
        });
}

} // namespace korvane
