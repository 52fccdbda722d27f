// The console view, which scrolls the canvas over the console at its zoom, and the child
// frame that holds one console document and its view in the main window's tabs.
#pragma once

#include <QScrollArea>

#include <memory>

#include "editor/ctrl_console.h"

namespace korvane {

class CKorvaneDoc;

class CKorvaneView : public QScrollArea
{
    Q_OBJECT

public:
    CKorvaneView(CEditState &state, IDesignPicker &picker, QWidget *parent = nullptr);

    CCtrlConsole &Canvas() { return *m_canvas; }
    void SetDocument(CKorvaneDoc *doc);
    float Zoom() const { return m_canvas->Zoom(); }
    void SetZoom(float zoom);
    // The cursor follows the shared edit state (a create command sets a pending kind).
    void UpdateCursor();
    // Sizes the canvas to the console at the zoom, and to no less than the visible area.
    void LayOutCanvas();

signals:
    // The view was clicked or focused: the main window makes it the active one.
    void activated(CKorvaneView *view);

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    CEditState &m_state;
    CCtrlConsole *m_canvas;
};

// One open console: it owns the document and shows it in its view.
class CChildFrame : public QWidget
{
    Q_OBJECT

public:
    CChildFrame(std::unique_ptr<CKorvaneDoc> doc, CEditState &state, IDesignPicker &picker, QWidget *parent = nullptr);
    ~CChildFrame() override;

    CKorvaneDoc &Document() { return *m_doc; }
    CKorvaneView &View() { return *m_view; }

private:
    std::unique_ptr<CKorvaneDoc> m_doc;
    CKorvaneView *m_view;
};

} // namespace korvane
