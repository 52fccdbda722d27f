// The property panel's edits: each applied value becomes one command on the document's undo
// stack, written into every shown control the edit concerns.
#include <QGuiApplication>

#include "editor/design_picker.h"
#include "model/change_values.h"
#include "model/console_data.h"
#include "model/ctrl_bitmap.h"
#include "model/drag_geometry.h"
#include "model/property_commands.h"
#include "properties/dock_properties.h"

namespace korvane {

using namespace dataConsole;

template <typename T>
void CDockProperties::SetOnShown(const QString &text, std::function<T(const Control &)> get,
                                 std::function<void(Control &, const T &)> set, const T &value, DocChanges kinds,
                                 const ControlFilter &only)
{
    std::vector<Control *> controls;
    for (Control *control : m_shown) {
        if (!only || only(*control))
            controls.push_back(control);
    }
    if (!controls.empty())
        m_doc->Push(std::make_unique<CChangeValues<T>>(*m_doc, text, controls, std::move(get), std::move(set), value, kinds));
}

template void CDockProperties::SetOnShown<int>(const QString &, std::function<int(const Control &)>,
                                               std::function<void(Control &, const int &)>, const int &, DocChanges,
                                               const ControlFilter &);
template void CDockProperties::SetOnShown<bool>(const QString &, std::function<bool(const Control &)>,
                                                std::function<void(Control &, const bool &)>, const bool &, DocChanges,
                                                const ControlFilter &);
template void CDockProperties::SetOnShown<CCtrl__Base *>(const QString &, std::function<Control *(const Control &)>,
                                                         std::function<void(Control &, Control *const &)>,
                                                         Control *const &, DocChanges, const ControlFilter &);
template void CDockProperties::SetOnShown<ColorRef>(const QString &, std::function<ColorRef(const Control &)>,
                                                    std::function<void(Control &, const ColorRef &)>, const ColorRef &,
                                                    DocChanges, const ControlFilter &);

void CDockProperties::EditBindings(const QString &text, int page, std::function<void(CBindingSet &)> edit)
{
    // Shift held while the value is applied writes it into every group index.
    const bool everyPage = QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ShiftModifier);
    m_doc->Push(std::make_unique<CBindingCommand>(*m_doc, text, m_shown,
                                                  everyPage ? std::nullopt : std::optional<int>(page), std::move(edit)));
}

void CDockProperties::MoveShown(const QString &text, bool horizontal, int edge)
{
    // Each control keeps its size; one that would pass the console's far edge stops there,
    // and then all go to the smallest edge so found, to stay aligned.
    const int limit = horizontal ? Console().settings.width : Console().settings.height;
    const int wanted = std::max(0, edge);
    int smallest = wanted;
    bool movedBack = false;
    for (const Control *control : m_shown) {
        const int length = horizontal ? control->Rect().width() : control->Rect().height();
        if (wanted + length > limit) {
            movedBack = true;
            smallest = std::min(smallest, std::max(0, limit - length));
        }
    }
    SetOnShown<int>(
        text, [horizontal](const Control &c) { return horizontal ? c.Rect().x() : c.Rect().y(); },
        [horizontal](Control &c, const int &to) {
            QRect rect = c.Rect();
            horizontal ? rect.moveLeft(to) : rect.moveTop(to);
            c.SetRect(rect);
        },
        movedBack ? smallest : wanted, DocChange::kGeometry);
}

void CDockProperties::ResizeShown(const QString &text, bool horizontal, int length)
{
    // No control reaches past the console: the primary's room first, then each one's own.
    const int limit = horizontal ? Console().settings.width : Console().settings.height;
    auto start = [horizontal](const Control &c) { return horizontal ? c.Rect().x() : c.Rect().y(); };
    SetOnShown<int>(
        text, [horizontal](const Control &c) { return horizontal ? c.Rect().width() : c.Rect().height(); },
        [horizontal, limit, start](Control &c, const int &to) {
            const int room = std::min(to, limit - start(c));
            horizontal ? c.SetWidth(room, true) : c.SetHeight(room, true);
        },
        std::min(length, limit - start(*m_primary)), DocChange::kGeometry);
}

void CDockProperties::SetConsoleSize(const QString &text, bool horizontal, int length)
{
    // The console never cuts its content: below the extent, the extent is taken.
    const QSize content = ContentExtent(Console());
    const int least = std::max(1, horizontal ? content.width() : content.height());
    EditConsole(text, [horizontal, size = std::max(length, least)](CConsoleSettings &settings) {
        (horizontal ? settings.width : settings.height) = size;
    });
}

void CDockProperties::EditConsole(const QString &text, const std::function<void(CConsoleSettings &)> &edit)
{
    CConsoleSettings settings = Console().settings;
    edit(settings);
    m_doc->Push(std::make_unique<CConsoleSettingsCommand>(*m_doc, text, settings));
}

void CDockProperties::AttachShown(int groupId)
{
    CCtrl__Base *group = nullptr;
    for (const auto &control : Console().Controls()) {
        const int kind = control->Kind();
        if ((kind == kCtrlGroupButtons || kind == kCtrlGroupIncDec) && control->Id() == groupId)
            group = control.get();
    }
    // An increment/decrement group joins no group, and no group joins itself or a group it holds.
    auto joins = [group](const Control &control) {
        if (control.Kind() == kCtrlGroupIncDec)
            return false;
        for (const Control *holder = group; holder; holder = holder->ParentGroup()) {
            if (holder == &control)
                return false;
        }
        return true;
    };
    SetOnShown<Control *>(
        QStringLiteral("Group"), [](const Control &c) { return c.ParentGroup(); },
        [](Control &c, Control *const &holder) { c.SetParentGroup(holder); }, group,
        DocChange::kProperties | DocChange::kBindings, joins);
}

void CDockProperties::SetDrawing(const QString &name)
{
    const int kind = m_primary->Kind();
    std::vector<Control *> sameKind;
    std::copy_if(m_shown.begin(), m_shown.end(), std::back_inserter(sameKind),
                 [kind](const Control *c) { return c->Kind() == kind; });
    if (kind != kCtrlBitmap) {
        // A design draws one kind of control: the others of the selection keep theirs.
        m_doc->Push(std::make_unique<CDesignCommand>(*m_doc, QStringLiteral("Draw"), sameKind, name, true));
        return;
    }
    m_doc->Push(std::make_unique<CChangeValues<QString>>(
        *m_doc, QStringLiteral("Draw"), sameKind, [](const Control &c) { return static_cast<const CCtrl_Bitmap &>(c).PictureName(); },
        [](Control &c, const QString &picture) {
            auto &bitmap = static_cast<CCtrl_Bitmap &>(c);
            bitmap.SetPicture(bitmap.PictureFolder(), picture);
        },
        name, DocChange::kProperties | DocChange::kGeometry));
}

void CDockProperties::ChooseDrawing()
{
    const Control *primary = m_primary;
    std::optional<QString> chosen;
    if (primary->Kind() == kCtrlBitmap)
        chosen = m_picker.ChoosePicture(this, static_cast<const CCtrl_Bitmap *>(primary)->PictureFolder());
    else
        chosen = m_picker.ChooseDesign(this, primary->Kind(), Console());
    // A picture needs a file; a design may be none (the default look).
    if (!chosen || (primary->Kind() == kCtrlBitmap && chosen->isEmpty()) || !m_built || m_primary != primary)
        return;
    SetDrawing(*chosen);
}

void CDockProperties::Learn(const QString &text, int page, bool decrement)
{
    Control *primary = m_primary;
    const std::optional<CLearntMidi> learnt = m_learn(this);
    // The message is the primary control's, as the panel showed it when the learning began.
    if (!learnt || !m_built || m_primary != primary)
        return;
    m_doc->Push(std::make_unique<CBindingCommand>(*m_doc, text, std::vector<Control *>{primary}, page,
                                                  [learnt = *learnt, decrement](CBindingSet &set) {
                                                      CMidiData &midi = decrement ? set.midiDecrement : set.midi;
                                                      midi.command = std::int16_t(learnt.command);
                                                      midi.channel = std::int16_t(learnt.channel);
                                                      midi.status = std::int16_t(learnt.status);
                                                  }));
}

} // namespace korvane
