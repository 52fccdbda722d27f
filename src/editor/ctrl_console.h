// The console canvas: draws one console document with its grid and selection, and edits it
// with the mouse and the keyboard (selecting, placing, moving, resizing, resizing the console)
// through commands on the document. It repaints when the document announces a change.
#pragma once

#include <QImage>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QWidget>

#include <optional>
#include <vector>

#include "design/draw_helper.h"
#include "editor/edit_state.h"
#include "model/ctrl_base.h"

namespace korvane {

class CKorvaneDoc;
class IDesignPicker;
struct CDocChangeEvent;

// The move of the selection an arrow key asks for: one console unit; nothing for other keys.
std::optional<QPoint> ArrowStep(int key);

// The colour around a console: between the palette's button faces and its windows, as
// desktop editors show the area around a page.
QColor WorkspaceColour(const QPalette &palette);

class CCtrlConsole : public QWidget
{
    Q_OBJECT

public:
    // `state` is shared by every canvas; `picker` answers the placement of new controls.
    CCtrlConsole(CEditState &state, IDesignPicker &picker, QWidget *parent = nullptr);
    ~CCtrlConsole() override;

    // Shows and edits `doc` (or none).
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
    // How this canvas draws the console: at its zoom, at rest, within its window.
    dataConsole::CDrawContext DrawContext() const;

    // Selects at `point` (pixels from the console's corner at the zoom) as a click does.
    void SelectAt(QPoint point, Qt::KeyboardModifiers modifiers);

    QSize sizeHint() const override { return ScrollSize(); }

signals:
    // The edit mode or the pending kind changed: the cursor follows.
    void editStateChanged();
    // The console's size at the zoom changed: the view lays the canvas out again.
    void scrollSizeChanged();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // What a drag of the mouse started from: the selection's geometry and the console's size
    // at the press. Each step of the drag pushes a command of its gesture, which merge.
    struct CDrag
    {
        int gesture = 0;
        std::vector<dataConsole::CCtrl__Base *> controls;
        std::vector<dataConsole::CCtrlGeometry> saved;
        QSize consoleSize;
    };

    void OnDocumentChanged(const CDocChangeEvent &event);
    bool IsConsoleLocked() const;
    void SetMode(int mode);
    void BeginDrag();
    bool PressReselects(QPoint point, Qt::KeyboardModifiers modifiers) const;
    void PlaceControl(QPoint at);
    void DragMove(QPoint offset);
    void DragResize(QPoint offset, Qt::KeyboardModifiers modifiers);
    void DragConsoleSize(QPoint offset);
    void PushDragStep(const QString &text, const std::vector<dataConsole::CCtrlGeometry> &after, QSize console);
    void SelectByBand();
    int HoverMode(QPoint client) const;
    // The handles a selected control (or the console, with nothing selected) is drawn with.
    int HandleMask(const dataConsole::CCtrl__Base &control) const;
    int ConsoleHandleMask() const;
    // The frame and handles as the pointer meets them.
    dataConsole::DrawHelper::CCadreSelect SelectionFrameOf(const dataConsole::CCtrl__Base &control) const;
    dataConsole::DrawHelper::CCadreSelect ConsoleFrame() const;
    QRect Surface() const;
    void DrawGrid(QPainter &painter, const QRect &exposed) const;
    void DrawSelection(QPainter &painter) const;

    CEditState &m_state;
    IDesignPicker &m_picker;
    QPointer<CKorvaneDoc> m_doc;
    float m_zoom = 1.0f;
    QColor m_workspace;
    const QImage *m_background = nullptr;

    CDrag m_drag;
    QPoint m_pressPoint;
    bool m_pressed = false;
    QPoint m_bandStart;
    QPoint m_bandEnd;
    bool m_hasBand = false;
};

} // namespace korvane
