// The console canvas: draws one console with its grid and selection, and edits it with the
// mouse and the keyboard (selecting, placing, moving, resizing, resizing the console), and
// plays incoming MIDI onto its controls.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "design/draw_helper.h"
#include "editor/console_edit_commands.h"
#include "editor/edit_state.h"
#include "model/ctrl_host.h"
#include "model/midi_dispatch.h"

namespace korvane {

class CKorvaneDoc;
class IDesignPicker;

// The offset of a move snapped so that one edge of the reference extent [a1, a2) lands on the
// grid of step g: the nearest of the four candidates, ties to the first edge moved back.
int SnapMoveOffset(int offset, int a1, int a2, int step);
// The offset of a resize snapped so that the edge at `edge` lands on the grid (ties back).
int SnapResizeOffset(int edge, int offset, int step);

// The move of the selection an arrow key asks for: one console unit; nothing for other keys.
std::optional<QPoint> ArrowStep(int key);

// The colour around a console: between the palette's button faces and its windows, as
// desktop editors show the area around a page.
QColor WorkspaceColour(const QPalette &palette);

class CCtrlConsole : public QWidget, public dataConsole::CCtrlHost
{
    Q_OBJECT

public:
    // `state` is shared by every canvas; `picker` answers the placement of new controls.
    CCtrlConsole(CEditState &state, IDesignPicker &picker, QWidget *parent = nullptr);
    ~CCtrlConsole() override;

    // Shows `doc` (or none): every control is drawn in this window at the canvas zoom.
    void SetDocument(CKorvaneDoc *doc);
    CKorvaneDoc *Document() const { return m_doc; }
    float Zoom() const { return m_zoom; }
    void SetZoom(float zoom);
    // The console size at the zoom with the margin on both sides: what the view scrolls.
    QSize ScrollSize() const;
    void SetWorkspaceColour(QColor colour);
    // The default background image (null: none).
    void SetBackgroundImage(const QImage *image);
    const QImage *BackgroundImage() const { return m_background; }

    // ---- selection; the last control is the primary one
    const std::vector<dataConsole::CCtrl__Base *> &Selection() const { return m_selection; }
    dataConsole::CCtrl__Base *Primary() const { return m_selection.empty() ? nullptr : m_selection.back(); }
    void SetSelection(std::vector<dataConsole::CCtrl__Base *> selection);
    void ClearSelection();
    // Selects at `point` (console pixels at the zoom, the margin taken off) as a click does.
    void SelectAt(QPoint point, Qt::KeyboardModifiers modifiers);
    // Moves the selection by whole console units, kept on the console, as one undo step that
    // later nudges of the same controls join. Locked controls move too.
    void MoveSelectionBy(QPoint offset);
    // The largest right and bottom edge of the console's controls and pictures.
    QSize ContentExtent() const;

    // ---- editing commands on the selection, each one undo step
    // Deletes the selected controls; a group takes the controls it contains with it.
    void DeleteSelection();
    // Copies of the selected controls for the clipboard (no console, no bindings).
    std::vector<std::unique_ptr<dataConsole::CCtrl__Base>> CopySelection() const;
    // Adds copies of `clipboard` at the places they were copied from and selects them.
    void Paste(const std::vector<std::unique_ptr<dataConsole::CCtrl__Base>> &clipboard);
    // Runs `arrange` on the selection (primary last) and records the geometry it changed.
    void ArrangeSelection(const QString &text,
                          const std::function<void(const std::vector<dataConsole::CCtrl__Base *> &)> &arrange);
    // Turns moving on the grid on or off (stored with the console, so undoable).
    void ToggleSnap();

    // Applies an incoming MIDI message to the controls bound to it; true when one matched.
    bool ApplyMidiInput(int command, int channel, int type, int value);

    // ---- host window of the controls
    QRect ClientRect() const override { return rect(); }
    QSize sizeHint() const override { return ScrollSize(); }

signals:
    void selectionChanged();
    // A control's or the console's geometry changed (during a drag, on each step).
    void geometryChanged();
    // The edit mode or the pending kind changed: the cursor follows.
    void editStateChanged();
    // The canvas was repainted; the preview draws the console again.
    void redrawn();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    dataConsole::CConsoleData *Console() const;
    // Draws every control of the document in this window at the canvas zoom.
    void AttachControls();
    bool IsConsoleLocked() const;
    bool IsSelected(const dataConsole::CCtrl__Base *control) const;
    void Select(dataConsole::CCtrl__Base *control, bool add);
    void Deselect(const dataConsole::CCtrl__Base *control);
    void SetMode(int mode);
    void SaveGeometry();
    // Records what the drag since the press changed as one undo step.
    void RecordDrag();
    void PlaceControl(QPoint at);
    void DragMove(QPoint offset);
    void DragResize(QPoint offset, Qt::KeyboardModifiers modifiers);
    void DragConsoleSize(QPoint offset);
    void SelectByBand();
    int HoverMode(QPoint client) const;
    void DrawGrid(QPainter &painter, const QRect &surface, const QRect &exposed) const;
    void DrawSelection(QPainter &painter);
public:
    // Called after every undo and redo step: forgets controls taken off the console, and
    // repaints.
    void AfterUndoStep();

private:

    CEditState &m_state;
    IDesignPicker &m_picker;
    CKorvaneDoc *m_doc = nullptr;
    float m_zoom = 1.0f;
    QColor m_workspace;
    const QImage *m_background = nullptr;

    std::vector<dataConsole::CCtrl__Base *> m_selection;
    // Taken at each press and release: the geometry the drag starts from.
    std::vector<CGeometryCommand::Change> m_saved;
    QSize m_savedConsoleSize;
    QPoint m_pressPoint;
    bool m_pressed = false;
    QPoint m_bandStart;
    QPoint m_bandEnd;
    bool m_hasBand = false;
    dataConsole::DrawHelper::CCadreSelect m_consoleFrame;
    // Rebuilt after every change of the document, so a message visits only its bindings.
    dataConsole::CMidiIndex m_midiIndex;
    QMetaObject::Connection m_undoConnection;
};

} // namespace korvane
