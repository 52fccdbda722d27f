// The console canvas.
#include "editor/ctrl_console.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

#include "core/folders.h"
#include "editor/design_picker.h"
#include "model/console_data.h"
#include "model/console_draw.h"
#include "model/ctrl_bitmap.h"
#include "model/ctrl_factory.h"
#include "model/ctrl_bitmap.h"
#include "model/korvane_doc.h"

namespace korvane {

using dataConsole::CCtrl__Base;
using dataConsole::kCanvasMargin;
using dataConsole::Zoomed;
namespace DrawHelper = dataConsole::DrawHelper;

namespace {

// Console units from pixels at a zoom, truncated toward zero.
int Unzoomed(int pixels, float zoom)
{
    return static_cast<int>(float(pixels) / zoom);
}

QPoint Unzoomed(QPoint pixels, float zoom)
{
    return QPoint(Unzoomed(pixels.x(), zoom), Unzoomed(pixels.y(), zoom));
}

// `rect` moved as little as it takes to lie on the console: pushed right or down off the
// left and top edges, then left or up off the right and bottom ones, each control by itself.
QRect KeptOnConsole(QRect rect, QSize console)
{
    if (rect.left() < 0)
        rect.moveLeft(0);
    if (rect.top() < 0)
        rect.moveTop(0);
    if (rect.x() + rect.width() > console.width())
        rect.moveLeft(console.width() - rect.width());
    if (rect.y() + rect.height() > console.height())
        rect.moveTop(console.height() - rect.height());
    return rect;
}

bool HasLeftEdge(int mode)
{
    return mode == kModeResizeBottomLeft || mode == kModeResizeLeft || mode == kModeResizeTopLeft;
}
bool HasRightEdge(int mode)
{
    return mode == kModeResizeTopRight || mode == kModeResizeRight || mode == kModeResizeBottomRight;
}
bool HasTopEdge(int mode)
{
    return mode == kModeResizeTopLeft || mode == kModeResizeTop || mode == kModeResizeTopRight;
}
bool HasBottomEdge(int mode)
{
    return mode == kModeResizeBottomRight || mode == kModeResizeBottom || mode == kModeResizeBottomLeft;
}

// Ctrl alone adds to the selection; with Alt it does not count.
bool CtrlWithoutAlt(Qt::KeyboardModifiers modifiers)
{
    return modifiers.testFlag(Qt::ControlModifier) && !modifiers.testFlag(Qt::AltModifier);
}

// The left Alt key (Alt Gr reports itself otherwise).
bool LeftAlt(Qt::KeyboardModifiers modifiers)
{
    return modifiers.testFlag(Qt::AltModifier);
}

} // namespace

int ControlKindOfPending(int pending)
{
    using namespace dataConsole;
    static constexpr int kKinds[kPendingKindCount] = {
        -1,           kCtrlBitmap, kCtrlLabel,   kCtrlButton,      kCtrlFaderHorz,   kCtrlFaderVert,
        kCtrlFaderRotary, kCtrlWheel, kCtrlTrichro, kCtrlPanTilt, kCtrlGroupButtons, kCtrlGroupIncDec,
    };
    return pending > 0 && pending < kPendingKindCount ? kKinds[pending] : -1;
}

std::optional<QPoint> ArrowStep(int key)
{
    switch (key) {
    case Qt::Key_Up:
        return QPoint(0, -1);
    case Qt::Key_Down:
        return QPoint(0, 1);
    case Qt::Key_Left:
        return QPoint(-1, 0);
    case Qt::Key_Right:
        return QPoint(1, 0);
    default:
        return std::nullopt;
    }
}

QColor WorkspaceColour(const QPalette &palette)
{
    const QColor a = palette.color(QPalette::Button), b = palette.color(QPalette::Base);
    return QColor((a.red() + b.red()) / 2, (a.green() + b.green()) / 2, (a.blue() + b.blue()) / 2);
}

int SnapMoveOffset(int offset, int a1, int a2, int step)
{
    if (step <= 0)
        return offset;
    const int r1 = (a1 + offset) % step;
    const int u1 = step - r1;
    const int r2 = (a2 + offset) % step;
    const int u2 = step - r2;
    // The first smallest wins, in this order.
    const int candidates[] = {r1, u1, r2, u2};
    const int results[] = {offset - r1, offset + u1, offset - r2, offset + u2};
    int best = 0;
    for (int i = 1; i < 4; ++i) {
        if (candidates[i] < candidates[best])
            best = i;
    }
    return results[best];
}

int SnapResizeOffset(int edge, int offset, int step)
{
    if (step <= 0)
        return offset;
    const int r = (edge + offset) % step;
    return step - r >= r ? offset - r : offset + (step - r);
}

CCtrlConsole::CCtrlConsole(CEditState &state, IDesignPicker &picker, QWidget *parent)
    : QWidget(parent), m_state(state), m_picker(picker)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_workspace = WorkspaceColour(palette());
}

CCtrlConsole::~CCtrlConsole()
{
    SetDocument(nullptr);
}

void CCtrlConsole::SetDocument(CKorvaneDoc *doc)
{
    if (m_doc) {
        for (auto &control : m_doc->Console().Controls())
            control->SetHost(nullptr);
        for (auto &picture : m_doc->Console().Pictures())
            picture->SetHost(nullptr);
    }
    disconnect(m_undoConnection);
    m_doc = doc;
    m_selection.clear();
    m_saved.clear();
    m_midiIndex.MarkDirty();
    AttachControls();
    // Every change of the document is a step of its undo stack: the bindings may have moved.
    if (m_doc)
        m_undoConnection = connect(&m_doc->UndoStack(), &QUndoStack::indexChanged, this,
                                   [this] { m_midiIndex.MarkDirty(); });
    updateGeometry();
    update();
}

void CCtrlConsole::AttachControls()
{
    if (!m_doc)
        return;
    for (auto &control : m_doc->Console().Controls()) {
        control->SetHost(this);
        control->SetZoom(m_zoom);
    }
    for (auto &picture : m_doc->Console().Pictures()) {
        picture->SetHost(this);
        picture->SetZoom(m_zoom);
    }
}

void CCtrlConsole::SetZoom(float zoom)
{
    m_zoom = zoom;
    AttachControls();
    updateGeometry();
    update();
}

QSize CCtrlConsole::ScrollSize() const
{
    if (!m_doc)
        return QSize(2 * kCanvasMargin, 2 * kCanvasMargin);
    const auto &settings = m_doc->Console().settings;
    return Zoomed(QSize(settings.width, settings.height), m_zoom) + QSize(2 * kCanvasMargin, 2 * kCanvasMargin);
}

void CCtrlConsole::SetWorkspaceColour(QColor colour)
{
    m_workspace = colour;
    update();
}

void CCtrlConsole::SetBackgroundImage(const QImage *image)
{
    m_background = image;
    update();
}

dataConsole::CConsoleData *CCtrlConsole::Console() const
{
    return m_doc ? &m_doc->Console() : nullptr;
}

bool CCtrlConsole::IsConsoleLocked() const
{
    return m_doc && m_doc->IsLocked();
}

// ---- selection

bool CCtrlConsole::IsSelected(const CCtrl__Base *control) const
{
    return std::find(m_selection.begin(), m_selection.end(), control) != m_selection.end();
}

void CCtrlConsole::Select(CCtrl__Base *control, bool add)
{
    if (!add)
        m_selection.clear();
    Deselect(control);
    m_selection.push_back(control);
}

void CCtrlConsole::Deselect(const CCtrl__Base *control)
{
    m_selection.erase(std::remove(m_selection.begin(), m_selection.end(), control), m_selection.end());
}

void CCtrlConsole::SetSelection(std::vector<CCtrl__Base *> selection)
{
    m_selection = std::move(selection);
    emit selectionChanged();
    update();
}

void CCtrlConsole::ClearSelection()
{
    SetSelection({});
}

void CCtrlConsole::SetMode(int mode)
{
    if (m_state.mode == mode)
        return;
    m_state.mode = mode;
    emit editStateChanged();
}

void CCtrlConsole::SelectAt(QPoint point, Qt::KeyboardModifiers modifiers)
{
    dataConsole::CConsoleData *console = Console();
    if (!console || (m_state.mode != kModeIdle && m_state.mode != kModeMove))
        return;
    const bool adding = CtrlWithoutAlt(modifiers);
    if (m_state.mode == kModeIdle && !adding)
        m_selection.clear();

    bool taken = false;
    for (auto &entry : console->Controls()) {
        CCtrl__Base *control = entry.get();
        if (!control->HitTest(point.x(), point.y(), nullptr, true))
            continue;
        if (adding) {
            if (control == Primary())
                continue; // Ctrl on the primary looks further down
            Select(control, true);
            taken = true;
            break;
        }
        if (IsSelected(control)) {
            Deselect(control);
            continue;
        }
        Select(control, LeftAlt(modifiers));
        taken = true;
        break;
    }
    if (!taken) {
        for (auto &entry : console->Pictures()) {
            CCtrl__Base *picture = entry.get();
            if (!picture->HitTest(point.x(), point.y(), nullptr, true))
                continue;
            if (adding)
                Select(picture, true);
            else if (!IsSelected(picture))
                Select(picture, false);
            break;
        }
    }
    if (!m_selection.empty() && m_state.mode == kModeIdle)
        SetMode(kModeMove);
    if (Primary() && Primary()->IsLocked() && m_state.mode == kModeMove)
        SetMode(kModeIdle);
    emit selectionChanged();
    update();
}

void CCtrlConsole::SaveGeometry()
{
    m_saved.clear();
    for (CCtrl__Base *control : m_selection) {
        const CCtrlGeometry geometry = CCtrlGeometry::Of(*control);
        m_saved.push_back({control, geometry, geometry});
    }
    if (dataConsole::CConsoleData *console = Console())
        m_savedConsoleSize = QSize(console->settings.width, console->settings.height);
}

void CCtrlConsole::RecordDrag()
{
    dataConsole::CConsoleData *console = Console();
    if (!console)
        return;
    std::vector<CGeometryCommand::Change> changes = m_saved;
    for (CGeometryCommand::Change &change : changes)
        change.after = CCtrlGeometry::Of(*change.control);
    const QSize size(console->settings.width, console->settings.height);
    const QString text = m_saved.empty() ? QStringLiteral("Resize console") : QStringLiteral("Move or resize");
    auto command = std::make_unique<CGeometryCommand>(CGeometryCommand::kDrag, text, *console, std::move(changes),
                                                      m_savedConsoleSize, size, [this] { AfterUndoStep(); });
    if (!command->IsEmpty())
        m_doc->UndoStack().push(command.release());
}

void CCtrlConsole::AfterUndoStep()
{
    // Controls an undo took off the console leave the selection.
    const auto gone = [this](CCtrl__Base *control) { return !IsOnConsole(*Console(), control); };
    if (std::any_of(m_selection.begin(), m_selection.end(), gone)) {
        m_selection.erase(std::remove_if(m_selection.begin(), m_selection.end(), gone), m_selection.end());
        m_saved.clear();
        emit selectionChanged();
    }
    // Controls it brought back are drawn here again.
    AttachControls();
    updateGeometry();
    emit geometryChanged();
    update();
}

QSize CCtrlConsole::ContentExtent() const
{
    QSize extent(0, 0);
    if (const dataConsole::CConsoleData *console = Console()) {
        auto grow = [&](const CCtrl__Base &control) {
            extent = extent.expandedTo(QSize(control.Rect().x() + control.Rect().width(),
                                             control.Rect().y() + control.Rect().height()));
        };
        for (const auto &control : console->Controls())
            grow(*control);
        for (const auto &picture : console->Pictures())
            grow(*picture);
    }
    return extent;
}

void CCtrlConsole::MoveSelectionBy(QPoint offset)
{
    dataConsole::CConsoleData *console = Console();
    if (!console || m_selection.empty())
        return;
    const QSize size(console->settings.width, console->settings.height);
    std::vector<CGeometryCommand::Change> changes;
    for (CCtrl__Base *control : m_selection) {
        CGeometryCommand::Change change{control, CCtrlGeometry::Of(*control), {}};
        control->SetRect(KeptOnConsole(control->Rect().translated(offset), size));
        change.after = CCtrlGeometry::Of(*control);
        changes.push_back(change);
    }
    m_doc->UndoStack().push(new CGeometryCommand(CGeometryCommand::kNudge, QStringLiteral("Nudge"), *console,
                                                 std::move(changes), size, size,
                                                 [this] { AfterUndoStep(); }));
    emit geometryChanged();
    update();
}

// ---- commands

void CCtrlConsole::DeleteSelection()
{
    dataConsole::CConsoleData *console = Console();
    if (!console || m_selection.empty())
        return;
    std::vector<CCtrl__Base *> doomed = m_selection;
    // A group's contents live inside it in the file: they go with it (undo brings all back).
    for (CCtrl__Base *selected : m_selection) {
        if (selected->Kind() != dataConsole::kCtrlGroupButtons && selected->Kind() != dataConsole::kCtrlGroupIncDec)
            continue;
        for (auto &control : console->Controls()) {
            if (control->ParentGroup() == selected &&
                std::find(doomed.begin(), doomed.end(), control.get()) == doomed.end())
                doomed.push_back(control.get());
        }
    }
    m_selection.clear();
    m_saved.clear();
    m_doc->UndoStack().push(new CControlListCommand(CControlListCommand::kRemove, *console, doomed,
                                                    QStringLiteral("Delete"), [this] { AfterUndoStep(); }));
    emit selectionChanged();
    update();
}

std::vector<std::unique_ptr<CCtrl__Base>> CCtrlConsole::CopySelection() const
{
    std::vector<std::unique_ptr<CCtrl__Base>> copies;
    for (const CCtrl__Base *control : m_selection) {
        if (std::unique_ptr<CCtrl__Base> copy = dataConsole::CloneControl(*control, nullptr, nullptr))
            copies.push_back(std::move(copy));
    }
    return copies;
}

void CCtrlConsole::Paste(const std::vector<std::unique_ptr<CCtrl__Base>> &clipboard)
{
    dataConsole::CConsoleData *console = Console();
    if (!console || clipboard.empty())
        return;
    std::vector<CCtrl__Base *> pasted;
    for (const auto &entry : clipboard) {
        std::unique_ptr<CCtrl__Base> copy = dataConsole::CloneControl(*entry, console, this);
        if (!copy)
            continue;
        copy->SetZoom(m_zoom);
        // Pictures go where pictures are drawn: under the controls.
        if (copy->Kind() == dataConsole::kCtrlBitmap)
            pasted.push_back(console->AddPicture(std::unique_ptr<dataConsole::CCtrl_Bitmap>(
                static_cast<dataConsole::CCtrl_Bitmap *>(copy.release()))));
        else
            pasted.push_back(console->AddControl(std::move(copy)));
    }
    m_doc->UndoStack().push(new CControlListCommand(CControlListCommand::kAdd, *console, pasted,
                                                    QStringLiteral("Paste"), [this] { AfterUndoStep(); }));
    SetSelection(pasted);
    SaveGeometry();
}

void CCtrlConsole::ArrangeSelection(const QString &text,
                                    const std::function<void(const std::vector<CCtrl__Base *> &)> &arrange)
{
    dataConsole::CConsoleData *console = Console();
    if (!console || m_selection.empty())
        return;
    std::vector<CGeometryCommand::Change> changes;
    for (CCtrl__Base *control : m_selection)
        changes.push_back({control, CCtrlGeometry::Of(*control), {}});
    arrange(m_selection);
    for (CGeometryCommand::Change &change : changes)
        change.after = CCtrlGeometry::Of(*change.control);
    const QSize size(console->settings.width, console->settings.height);
    auto command = std::make_unique<CGeometryCommand>(CGeometryCommand::kDrag, text, *console, std::move(changes), size,
                                                      size, [this] { AfterUndoStep(); });
    if (!command->IsEmpty())
        m_doc->UndoStack().push(command.release());
    SaveGeometry();
    emit geometryChanged();
    update();
}

void CCtrlConsole::ToggleSnap()
{
    dataConsole::CConsoleData *console = Console();
    if (!console)
        return;
    // The same toggle serves both directions.
    struct CToggle final : QUndoCommand
    {
        CToggle(dataConsole::CConsoleData &console, std::function<void()> changed)
            : m_console(console), m_changed(std::move(changed))
        {
            setText(QStringLiteral("Snap moving on grid"));
        }
        void undo() override { redo(); }
        void redo() override
        {
            m_console.settings.snapToGrid = !m_console.settings.snapToGrid;
            m_changed();
        }
        dataConsole::CConsoleData &m_console;
        std::function<void()> m_changed;
    };
    m_doc->UndoStack().push(new CToggle(*console, [this] { update(); }));
}

bool CCtrlConsole::ApplyMidiInput(int command, int channel, int type, int value)
{
    dataConsole::CConsoleData *console = Console();
    if (!console || !dataConsole::ApplyMidi(m_midiIndex, console->Controls(), command, channel, type, value))
        return false;
    // A fader swept by hand sends hundreds of messages a second: update() gathers them into
    // one repaint per frame.
    update();
    return true;
}

// ---- mouse

void CCtrlConsole::mousePressEvent(QMouseEvent *event)
{
    dataConsole::CConsoleData *console = Console();
    if (!console)
        return;
    const QPoint p = event->position().toPoint();
    if (event->button() == Qt::RightButton) {
        if (m_state.pendingKind != kPendingNone)
            return;
        SelectAt(p - QPoint(kCanvasMargin, kCanvasMargin), event->modifiers());
        SaveGeometry();
        // Right click applies each selected control's design again, as after editing it.
        for (CCtrl__Base *control : m_selection)
            control->SetDesign(control->Design());
        update();
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    m_pressPoint = p - QPoint(kCanvasMargin, kCanvasMargin);
    if (m_state.pendingKind != kPendingNone) {
        PlaceControl(Unzoomed(m_pressPoint, m_zoom));
        return;
    }
    m_pressed = true;
    if (m_state.mode == kModeRubberBand) {
        m_bandStart = m_bandEnd = p;
        m_hasBand = true;
    } else {
        const Qt::KeyboardModifiers modifiers = event->modifiers();
        bool reselect = m_state.mode != kModeMove || CtrlWithoutAlt(modifiers) || LeftAlt(modifiers);
        if (!reselect) {
            // A selected picture under a control: the click is meant for the control.
            bool selectedPictureUnder = false;
            for (const auto &picture : console->Pictures()) {
                if (IsSelected(picture.get()) && picture->HitTest(m_pressPoint.x(), m_pressPoint.y(), nullptr, true))
                    selectedPictureUnder = true;
            }
            bool controlUnder = false;
            for (const auto &control : console->Controls()) {
                if (control->HitTest(m_pressPoint.x(), m_pressPoint.y(), nullptr, true))
                    controlUnder = true;
            }
            reselect = selectedPictureUnder && controlUnder;
        }
        if (reselect)
            SelectAt(m_pressPoint, modifiers);
    }
    SaveGeometry();
}

void CCtrlConsole::mouseMoveEvent(QMouseEvent *event)
{
    if (!Console())
        return;
    const QPoint p = event->position().toPoint();
    if (!(event->buttons() & Qt::LeftButton) || !m_pressed) {
        if (m_state.pendingKind != kPendingNone)
            return;
        SetMode(event->modifiers().testFlag(Qt::ShiftModifier) ? int(kModeRubberBand) : HoverMode(p));
        return;
    }
    if (m_state.pendingKind != kPendingNone || IsConsoleLocked())
        return;
    const QPoint moved = p - QPoint(kCanvasMargin, kCanvasMargin) - m_pressPoint;
    const QPoint offset = Unzoomed(moved, m_zoom);
    if (m_state.mode == kModeRubberBand) {
        m_bandEnd = p;
        SelectByBand();
        update();
    } else if (m_state.mode == kModeMove) {
        DragMove(offset);
    } else if (m_state.mode >= kModeResizeTopLeft && m_state.mode <= kModeResizeLeft) {
        if (m_selection.empty())
            DragConsoleSize(offset);
        else
            DragResize(offset, event->modifiers());
    }
}

void CCtrlConsole::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_pressed)
        return;
    m_pressed = false;
    if (m_state.mode == kModeRubberBand && m_hasBand)
        SelectByBand();
    m_hasBand = false;
    RecordDrag();
    SaveGeometry();
    update();
}

void CCtrlConsole::keyPressEvent(QKeyEvent *event)
{
    if (const std::optional<QPoint> step = ArrowStep(event->key()))
        MoveSelectionBy(*step);
    else
        QWidget::keyPressEvent(event);
}

int CCtrlConsole::HoverMode(QPoint client) const
{
    for (CCtrl__Base *control : m_selection) {
        if (control->IsLocked())
            continue;
        const int hit = DrawHelper::HitTestFrame(control->SelectFrame(), client);
        if (hit != DrawHelper::CCadreSelect::kHitNone)
            return hit;
    }
    if (m_selection.empty()) {
        const int hit = DrawHelper::HitTestFrame(m_consoleFrame, client);
        if (hit != DrawHelper::CCadreSelect::kHitNone && hit != DrawHelper::CCadreSelect::kHitInside)
            return hit;
    }
    return kModeIdle;
}

void CCtrlConsole::SelectByBand()
{
    dataConsole::CConsoleData *console = Console();
    const QRect band = QRect(m_bandStart, m_bandEnd).normalized();
    const QPoint margin(kCanvasMargin, kCanvasMargin);
    const QRect units(Unzoomed(band.topLeft() - margin, m_zoom), Unzoomed(band.bottomRight() - margin, m_zoom));
    m_selection.clear();
    for (auto &control : console->Controls()) {
        if (control->Rect().intersects(units))
            m_selection.push_back(control.get());
    }
    emit selectionChanged();
}

void CCtrlConsole::DragMove(QPoint offset)
{
    dataConsole::CConsoleData *console = Console();
    if (m_saved.empty())
        return;
    const auto &settings = console->settings;
    if (settings.snapToGrid) {
        const QRect reference = m_saved.back().before.rect;
        offset.setX(SnapMoveOffset(offset.x(), reference.left(), reference.x() + reference.width(), settings.gridSubStep));
        offset.setY(SnapMoveOffset(offset.y(), reference.top(), reference.y() + reference.height(), settings.gridSubStep));
    }
    for (const CGeometryCommand::Change &saved : m_saved) {
        saved.before.ApplyTo(*saved.control);
        saved.control->SetRect(KeptOnConsole(saved.before.rect.translated(offset), QSize(settings.width, settings.height)));
    }
    emit geometryChanged();
    update();
}

void CCtrlConsole::DragResize(QPoint offset, Qt::KeyboardModifiers modifiers)
{
    dataConsole::CConsoleData *console = Console();
    if (m_saved.empty())
        return;
    const auto &settings = console->settings;
    const int mode = m_state.mode;
    if (settings.snapToGrid) {
        const QRect primary = m_saved.back().before.rect;
        const int step = settings.gridSubStep;
        if (HasLeftEdge(mode))
            offset.setX(SnapResizeOffset(primary.left(), offset.x(), step));
        if (HasRightEdge(mode))
            offset.setX(SnapResizeOffset(primary.x() + primary.width(), offset.x(), step));
        if (HasTopEdge(mode))
            offset.setY(SnapResizeOffset(primary.top(), offset.y(), step));
        if (HasBottomEdge(mode))
            offset.setY(SnapResizeOffset(primary.y() + primary.height(), offset.y(), step));
    }
    const bool adjust = !LeftAlt(modifiers);
    for (const CGeometryCommand::Change &saved : m_saved) {
        CCtrl__Base &control = *saved.control;
        const QRect s = saved.before.rect;
        saved.before.ApplyTo(control);
        // The horizontal edge first, then the vertical one.
        if (HasLeftEdge(mode)) {
            const int right = s.x() + s.width();
            int width = control.SetWidth(s.width() - offset.x(), adjust);
            if (right - width < 0)
                width = control.SetWidth(right, adjust);
            control.SetRect(QRect(right - width, control.Rect().y(), width, control.Rect().height()));
        }
        if (HasRightEdge(mode))
            control.SetWidth(s.width() + std::min(offset.x(), settings.width - (s.x() + s.width())), adjust);
        if (HasTopEdge(mode)) {
            const int bottom = s.y() + s.height();
            int height = control.SetHeight(s.height() - offset.y(), adjust);
            if (bottom - height < 0)
                height = control.SetHeight(bottom, adjust);
            control.SetRect(QRect(control.Rect().x(), bottom - height, control.Rect().width(), height));
        }
        if (HasBottomEdge(mode))
            control.SetHeight(s.height() + std::min(offset.y(), settings.height - (s.y() + s.height())), adjust);
    }
    emit geometryChanged();
    update();
}

void CCtrlConsole::DragConsoleSize(QPoint offset)
{
    const int mode = m_state.mode;
    if (mode != kModeResizeRight && mode != kModeResizeBottomRight && mode != kModeResizeBottom)
        return;
    auto &settings = Console()->settings;
    const QSize extent = ContentExtent();
    // Each handle changes the sides it stands on: the right handle the width alone, the
    // bottom one the height alone.
    if (mode != kModeResizeBottom)
        settings.width = std::max(m_savedConsoleSize.width() + offset.x(), extent.width());
    if (mode != kModeResizeRight)
        settings.height = std::max(m_savedConsoleSize.height() + offset.y(), extent.height());
    updateGeometry();
    emit geometryChanged();
    update();
}

// ---- placing

void CCtrlConsole::PlaceControl(QPoint at)
{
    dataConsole::CConsoleData *console = Console();
    const int kind = ControlKindOfPending(m_state.pendingKind);
    m_state.pendingKind = kPendingNone;
    emit editStateChanged();
    if (kind < 0)
        return;

    if (kind == dataConsole::kCtrlBitmap) {
        const QString folder = CAppFolders(m_doc->AppFolder()).BackgroundFolder();
        auto owned = std::make_unique<dataConsole::CCtrl_Bitmap>(console, this, nullptr, folder);
        owned->SetRect(QRect(at, QSize(20, 20)));
        owned->SetZoom(m_zoom);
        dataConsole::CCtrl_Bitmap *picture = console->AddPicture(std::move(owned));
        SetSelection({picture});
        const std::optional<QString> name = m_picker.ChoosePicture(this, folder);
        if (!name || name->isEmpty()) {
            m_selection.clear();
            console->Pictures().pop_back();
            emit selectionChanged();
            update();
            return;
        }
        picture->SetPicture(folder, *name);
        picture->SetRect(QRect(at, picture->Rect().size()));
        m_doc->UndoStack().push(new CControlListCommand(CControlListCommand::kAdd, *console, {picture},
                                                        QStringLiteral("Place picture"), [this] { AfterUndoStep(); }));
        SaveGeometry();
        emit selectionChanged();
        update();
        return;
    }

    CCtrl__Base *control =
        console->AddControl(dataConsole::CreateControl(kind, console, this, nullptr, nullptr));
    control->SetRect(QRect(at, dataConsole::DefaultImageSize(kind)));
    control->SetZoom(m_zoom);
    SetSelection({control});
    const bool takesDesign = kind != dataConsole::kCtrlLabel && kind != dataConsole::kCtrlTrichro &&
                             kind != dataConsole::kCtrlPanTilt;
    if (takesDesign) {
        std::optional<QString> name = m_picker.ChooseDesign(this, kind, *console);
        if (!name) {
            m_selection.clear();
            console->Controls().pop_back();
            emit selectionChanged();
            update();
            return;
        }
        QString designName = *name;
        control->SetDesign(designName.isEmpty() ? nullptr : console->ResolveDesign(designName));
        control->SetWidth(control->Rect().width(), true);
        control->SetHeight(control->Rect().height(), true);
    }
    m_doc->UndoStack().push(new CControlListCommand(CControlListCommand::kAdd, *console, {control},
                                                    QStringLiteral("Place control"), [this] { AfterUndoStep(); }));
    SaveGeometry();
    emit selectionChanged();
    update();
}

// ---- drawing

void CCtrlConsole::DrawGrid(QPainter &painter, const QRect &surface, const QRect &exposed) const
{
    const auto &settings = Console()->settings;
    const int minor = settings.gridSubStep;
    const int major = settings.gridStep;
    if (minor <= 0 && major <= 0)
        return;
    const QColor colour = dataConsole::QColorOf(settings.gridColor);
    // Dotted lines (every second pixel) are copied from one prepared column and one row
    // rather than stroked with a dash pattern: a console's grid is hundreds of lines.
    const QRect visible = surface.intersected(exposed);
    if (visible.isEmpty())
        return;
    QImage column(1, visible.height(), QImage::Format_ARGB32_Premultiplied);
    QImage row(visible.width(), 1, QImage::Format_ARGB32_Premultiplied);
    column.fill(Qt::transparent);
    row.fill(Qt::transparent);
    for (int y = visible.top() + (visible.top() & 1); y <= visible.bottom(); y += 2)
        column.setPixelColor(0, y - visible.top(), colour);
    for (int x = visible.left() + (visible.left() & 1); x <= visible.right(); x += 2)
        row.setPixelColor(x - visible.left(), 0, colour);
    const int step = minor > 0 ? minor : major;
    auto isMajor = [&](int units) { return major > 0 && units % major == 0; };
    for (int units = step; units < settings.width; units += step) {
        const int x = surface.left() + Zoomed(units, m_zoom);
        if (x < visible.left() || x > visible.right())
            continue;
        if (isMajor(units))
            painter.fillRect(QRect(x, visible.top(), 1, visible.height()), colour);
        else
            painter.drawImage(x, visible.top(), column);
    }
    for (int units = step; units < settings.height; units += step) {
        const int y = surface.top() + Zoomed(units, m_zoom);
        if (y < visible.top() || y > visible.bottom())
            continue;
        if (isMajor(units))
            painter.fillRect(QRect(visible.left(), y, visible.width(), 1), colour);
        else
            painter.drawImage(visible.left(), y, row);
    }
}

void CCtrlConsole::DrawSelection(QPainter &painter)
{
    // All eight handles only for a single selected control that nothing locks.
    const bool single = m_selection.size() == 1;
    for (CCtrl__Base *control : m_selection) {
        const bool locked = control->IsLocked() || IsConsoleLocked();
        const int mask = single && !locked ? DrawHelper::kAllHandles : DrawHelper::kNoHandles;
        control->SelectFrame().Clear();
        DrawHelper::DrawSelectionFrame(painter, control->ScaledRect(control->Rect()), control == Primary(), mask,
                                       &control->SelectFrame());
    }
}

void CCtrlConsole::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_workspace);
    dataConsole::CConsoleData *console = Console();
    if (!console)
        return;
    const QRect surface(QPoint(kCanvasMargin, kCanvasMargin),
                        Zoomed(QSize(console->settings.width, console->settings.height), m_zoom));
    dataConsole::DrawConsoleBackground(painter, *console, m_zoom, m_background);
    dataConsole::DrawConsolePictures(painter, *console);
    DrawGrid(painter, surface, event->rect());
    dataConsole::DrawConsoleControls(painter, *console, false, event->rect());
    DrawSelection(painter);
    m_consoleFrame.Clear();
    if (m_selection.empty()) {
        DrawHelper::DrawSelectionFrame(painter, surface, false,
                                       IsConsoleLocked() ? DrawHelper::kNoHandles : DrawHelper::kConsoleHandles,
                                       &m_consoleFrame);
    }
    if (m_hasBand) {
        QPen pen(palette().color(QPalette::Text), 1, Qt::CustomDashLine);
        pen.setDashPattern({1, 1});
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRect(m_bandStart, m_bandEnd).normalized());
    }
    painter.end();
    emit redrawn();
}

} // namespace korvane
