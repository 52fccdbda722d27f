// The console canvas: selecting, placing, dragging and the keys. Its painting is in
// canvas_painting.cpp.
#include "editor/ctrl_console.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>

#include "core/folders.h"
#include "editor/design_picker.h"
#include "model/console_data.h"
#include "model/drag_geometry.h"
#include "model/edit_operations.h"
#include "model/geometry_command.h"
#include "model/korvane_doc.h"

namespace korvane {

using dataConsole::CCtrl__Base;
using dataConsole::kCanvasMargin;
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

// The edges each resize handle moves.
unsigned EdgesOfMode(int mode)
{
    using namespace dataConsole;
    switch (mode) {
    case kModeResizeTopLeft:
        return kEdgeLeft | kEdgeTop;
    case kModeResizeTop:
        return kEdgeTop;
    case kModeResizeTopRight:
        return kEdgeRight | kEdgeTop;
    case kModeResizeRight:
        return kEdgeRight;
    case kModeResizeBottomRight:
        return kEdgeRight | kEdgeBottom;
    case kModeResizeBottom:
        return kEdgeBottom;
    case kModeResizeBottomLeft:
        return kEdgeLeft | kEdgeBottom;
    case kModeResizeLeft:
        return kEdgeLeft;
    default:
        return 0;
    }
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

const QPoint kMargin(kCanvasMargin, kCanvasMargin);

} // namespace

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

CCtrlConsole::CCtrlConsole(CEditState &state, IDesignPicker &picker, QWidget *parent)
    : QWidget(parent), m_state(state), m_picker(picker)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_workspace = WorkspaceColour(palette());
}

CCtrlConsole::~CCtrlConsole() = default;

void CCtrlConsole::SetDocument(CKorvaneDoc *doc)
{
    if (m_doc)
        disconnect(m_doc, nullptr, this, nullptr);
    m_doc = doc;
    m_drag = {};
    m_pressed = false;
    if (m_doc) {
        connect(m_doc, &CKorvaneDoc::changed, this, &CCtrlConsole::OnDocumentChanged);
        connect(m_doc, &CKorvaneDoc::selectionChanged, this, qOverload<>(&QWidget::update));
    }
    updateGeometry();
    emit scrollSizeChanged();
    update();
}

void CCtrlConsole::OnDocumentChanged(const CDocChangeEvent &event)
{
    if (event.kinds & DocChange::kConsoleSettings) {
        updateGeometry();
        emit scrollSizeChanged();
    }
    // A fader swept on a MIDI surface sends hundreds of messages a second: update() gathers
    // them into one repaint per frame.
    update();
}

void CCtrlConsole::SetZoom(float zoom)
{
    m_zoom = zoom;
    updateGeometry();
    emit scrollSizeChanged();
    update();
}

QSize CCtrlConsole::ScrollSize() const
{
    const QSize margins(2 * kCanvasMargin, 2 * kCanvasMargin);
    if (!m_doc)
        return margins;
    const auto &settings = m_doc->Console().settings;
    return dataConsole::Zoomed(QSize(settings.width, settings.height), m_zoom) + margins;
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

dataConsole::CDrawContext CCtrlConsole::DrawContext() const
{
    return {m_zoom, kMargin, dataConsole::VisibleAreaOf(rect()), false};
}

bool CCtrlConsole::IsConsoleLocked() const
{
    return m_doc && m_doc->IsLocked();
}

void CCtrlConsole::SetMode(int mode)
{
    if (m_state.mode == mode)
        return;
    m_state.mode = mode;
    emit editStateChanged();
}

// ---- selection

void CCtrlConsole::SelectAt(QPoint point, Qt::KeyboardModifiers modifiers)
{
    if (!m_doc || (m_state.mode != kModeIdle && m_state.mode != kModeMove))
        return;
    const bool adding = CtrlWithoutAlt(modifiers);
    std::vector<CCtrl__Base *> selection = m_doc->Selection();
    if (m_state.mode == kModeIdle && !adding)
        selection.clear();
    auto isSelected = [&](const CCtrl__Base *c) { return std::find(selection.begin(), selection.end(), c) != selection.end(); };
    auto deselect = [&](const CCtrl__Base *c) { selection.erase(std::remove(selection.begin(), selection.end(), c), selection.end()); };
    auto select = [&](CCtrl__Base *c, bool add) {
        if (!add)
            selection.clear();
        deselect(c);
        selection.push_back(c);
    };

    bool taken = false;
    for (const auto &entry : m_doc->Console().Controls()) {
        CCtrl__Base *control = entry.get();
        if (!control->HitTest(point, m_zoom, true))
            continue;
        if (adding) {
            if (!selection.empty() && control == selection.back())
                continue; // Ctrl on the primary looks further down
            select(control, true);
            taken = true;
            break;
        }
        if (isSelected(control)) {
            deselect(control);
            continue;
        }
        select(control, LeftAlt(modifiers));
        taken = true;
        break;
    }
    if (!taken) {
        for (const auto &entry : m_doc->Console().Pictures()) {
            CCtrl__Base *picture = entry.get();
            if (!picture->HitTest(point, m_zoom, true))
                continue;
            if (adding || !isSelected(picture))
                select(picture, adding);
            break;
        }
    }
    m_doc->SetSelection(selection);
    if (!selection.empty() && m_state.mode == kModeIdle)
        SetMode(kModeMove);
    if (!selection.empty() && selection.back()->IsLocked() && m_state.mode == kModeMove)
        SetMode(kModeIdle);
}

void CCtrlConsole::SelectByBand()
{
    std::vector<CCtrl__Base *> selection;
    // A band that never opened (a Shift+click) encloses nothing.
    if (m_bandStart != m_bandEnd) {
        const QRect band = QRect(m_bandStart, m_bandEnd).normalized();
        const QRect units(Unzoomed(band.topLeft() - kMargin, m_zoom), Unzoomed(band.bottomRight() - kMargin, m_zoom));
        for (const auto &control : m_doc->Console().Controls()) {
            if (control->Rect().intersects(units))
                selection.push_back(control.get());
        }
    }
    m_doc->SetSelection(selection);
}

// ---- placing

void CCtrlConsole::PlaceControl(QPoint at)
{
    const int kind = m_state.pendingKind;
    m_state.pendingKind = dataConsole::kCtrlNone;
    emit editStateChanged();
    // The question comes first: a placement the user cancels adds nothing at all.
    std::unique_ptr<CControlListCommand> command;
    if (kind == dataConsole::kCtrlBitmap) {
        const QString folder = CAppFolders(m_doc->AppFolder()).BackgroundFolder();
        const std::optional<QString> name = m_picker.ChoosePicture(this, folder);
        if (!name || name->isEmpty())
            return;
        command = MakePlacePictureCommand(*m_doc, at, folder, *name);
    } else {
        const bool takesDesign = kind != dataConsole::kCtrlLabel && kind != dataConsole::kCtrlTrichro &&
                                 kind != dataConsole::kCtrlPanTilt;
        std::optional<QString> design = QString();
        if (takesDesign)
            design = m_picker.ChooseDesign(this, kind, m_doc->Console());
        if (!design)
            return;
        command = MakePlaceControlCommand(*m_doc, kind, at, *design);
    }
    if (!command)
        return;
    const std::vector<CCtrl__Base *> placed = command->Controls();
    m_doc->Push(std::move(command));
    m_doc->SetSelection(placed);
}

// ---- the mouse

void CCtrlConsole::mousePressEvent(QMouseEvent *event)
{
    if (!m_doc)
        return;
    const QPoint p = event->position().toPoint();
    if (event->button() == Qt::RightButton) {
        if (m_state.IsPlacing())
            return;
        SelectAt(p - kMargin, event->modifiers());
        // Right click applies each selected control's design again, as after editing it.
        m_doc->Push(MakeReapplyDesignCommand(*m_doc));
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    m_pressPoint = p - kMargin;
    if (m_state.IsPlacing()) {
        PlaceControl(Unzoomed(m_pressPoint, m_zoom));
        return;
    }
    m_pressed = true;
    if (m_state.mode == kModeRubberBand) {
        m_bandStart = m_bandEnd = p;
        m_hasBand = true;
    } else if (PressReselects(m_pressPoint, event->modifiers())) {
        SelectAt(m_pressPoint, event->modifiers());
    }
    BeginDrag();
}

bool CCtrlConsole::PressReselects(QPoint point, Qt::KeyboardModifiers modifiers) const
{
    // A press inside the selection in move mode drags it, unless Ctrl or Alt is held...
    if (m_state.mode != kModeMove || CtrlWithoutAlt(modifiers) || LeftAlt(modifiers))
        return true;
    // ...or a selected picture lies under a control: the press is meant for the control.
    bool selectedPictureUnder = false;
    for (const auto &picture : m_doc->Console().Pictures()) {
        if (m_doc->IsSelected(picture.get()) && picture->HitTest(point, m_zoom, true))
            selectedPictureUnder = true;
    }
    bool controlUnder = false;
    for (const auto &control : m_doc->Console().Controls()) {
        if (control->HitTest(point, m_zoom, true))
            controlUnder = true;
    }
    return selectedPictureUnder && controlUnder;
}

void CCtrlConsole::BeginDrag()
{
    m_drag = {NewGesture(), m_doc->Selection(), {}, QSize(m_doc->Console().settings.width, m_doc->Console().settings.height)};
    for (const CCtrl__Base *control : m_drag.controls)
        m_drag.saved.push_back(control->Geometry());
}

void CCtrlConsole::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_doc)
        return;
    const QPoint p = event->position().toPoint();
    if (!(event->buttons() & Qt::LeftButton) || !m_pressed) {
        if (m_state.IsPlacing())
            return;
        SetMode(event->modifiers().testFlag(Qt::ShiftModifier) ? int(kModeRubberBand) : HoverMode(p));
        return;
    }
    if (m_state.IsPlacing() || IsConsoleLocked())
        return;
    const QPoint offset = Unzoomed(p - kMargin - m_pressPoint, m_zoom);
    if (m_state.mode == kModeRubberBand) {
        m_bandEnd = p;
        SelectByBand();
        update();
    } else if (m_state.mode == kModeMove) {
        DragMove(offset);
    } else if (EdgesOfMode(m_state.mode)) {
        if (m_drag.controls.empty())
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
    if (m_state.mode == kModeRubberBand && m_hasBand && m_doc)
        SelectByBand();
    m_hasBand = false;
    m_drag = {};
    update();
}

void CCtrlConsole::keyPressEvent(QKeyEvent *event)
{
    const std::optional<QPoint> step = ArrowStep(event->key());
    if (step && m_doc)
        m_doc->Push(MakeNudgeCommand(*m_doc, *step));
    else
        QWidget::keyPressEvent(event);
}

int CCtrlConsole::HoverMode(QPoint client) const
{
    const std::vector<CCtrl__Base *> &selection = m_doc->Selection();
    for (const CCtrl__Base *control : selection) {
        if (control->IsLocked())
            continue;
        const int hit = DrawHelper::HitTestFrame(SelectionFrameOf(*control), client);
        if (hit != DrawHelper::CCadreSelect::kHitNone)
            return hit;
    }
    if (selection.empty()) {
        const int hit = DrawHelper::HitTestFrame(ConsoleFrame(), client);
        if (hit != DrawHelper::CCadreSelect::kHitNone && hit != DrawHelper::CCadreSelect::kHitInside)
            return hit;
    }
    return kModeIdle;
}

// ---- dragging: each step one command of the drag's gesture, merged into one undo step

void CCtrlConsole::PushDragStep(const QString &text, const std::vector<dataConsole::CCtrlGeometry> &after,
                                QSize console)
{
    std::vector<CGeometryCommand::Change> changes;
    for (std::size_t i = 0; i < m_drag.controls.size() && i < after.size(); ++i)
        changes.push_back({m_drag.controls[i], m_drag.saved[i], after[i]});
    m_doc->Push(std::make_unique<CGeometryCommand>(*m_doc, text, std::move(changes), console, kMergeDrag,
                                                   m_drag.gesture));
}

void CCtrlConsole::DragMove(QPoint offset)
{
    if (m_drag.controls.empty())
        return;
    PushDragStep(QStringLiteral("Move"), dataConsole::MovedGeometry(m_drag.saved, offset, m_doc->Console().settings),
                 m_drag.consoleSize);
}

void CCtrlConsole::DragResize(QPoint offset, Qt::KeyboardModifiers modifiers)
{
    const auto after = dataConsole::ResizedGeometry(m_drag.controls, m_drag.saved, EdgesOfMode(m_state.mode), offset,
                                                    m_doc->Console().settings, !LeftAlt(modifiers));
    PushDragStep(QStringLiteral("Resize"), after, m_drag.consoleSize);
}

void CCtrlConsole::DragConsoleSize(QPoint offset)
{
    // Only the console frame's own handles: right, bottom-right and bottom.
    const unsigned edges = EdgesOfMode(m_state.mode);
    if (edges & (dataConsole::kEdgeLeft | dataConsole::kEdgeTop))
        return;
    const QSize size =
        dataConsole::ResizedConsole(m_drag.consoleSize, edges, offset, dataConsole::ContentExtent(m_doc->Console()));
    PushDragStep(QStringLiteral("Resize console"), {}, size);
}

} // namespace korvane
