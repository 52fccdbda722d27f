// The preview pane.
#include "editor/dock_preview.h"

#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>

#include "editor/ctrl_console.h"
#include "model/console_data.h"
#include "model/console_draw.h"
#include "model/korvane_doc.h"

namespace korvane {

class CDockPreview::CContent : public QWidget
{
public:
    explicit CContent(CDockPreview &pane) : m_pane(pane) {}

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), WorkspaceColour(palette()));
        CCtrlConsole *canvas = m_pane.Canvas();
        if (!canvas || !canvas->Document())
            return;
        // The console at zoom 1 with its controls' values, as the operator will see it; only
        // the part uncovered or changed, as this follows every repaint of the canvas.
        dataConsole::DrawConsoleSurface(painter, canvas->Document()->Console(), 1.0f, canvas->BackgroundImage(), true,
                                        event->rect());
    }

private:
    CDockPreview &m_pane;
};

CDockPreview::CDockPreview(QWidget *parent) : QScrollArea(parent), m_content(new CContent(*this))
{
    setWidget(m_content);
    setWidgetResizable(false);
    setFocusPolicy(Qt::StrongFocus);
}

void CDockPreview::SetCanvas(CCtrlConsole *canvas)
{
    disconnect(m_redrawn);
    m_canvas = canvas;
    if (canvas)
        m_redrawn = connect(canvas, &CCtrlConsole::redrawn, this, &CDockPreview::Refresh);
    Refresh();
}

void CDockPreview::keyPressEvent(QKeyEvent *event)
{
    const std::optional<QPoint> step = ArrowStep(event->key());
    if (step && m_canvas)
        m_canvas->MoveSelectionBy(*step);
    else
        QScrollArea::keyPressEvent(event);
}

void CDockPreview::Refresh()
{
    QSize size(0, 0);
    if (m_canvas && m_canvas->Document()) {
        const auto &settings = m_canvas->Document()->Console().settings;
        size = QSize(settings.width, settings.height) + QSize(2 * dataConsole::kCanvasMargin, 2 * dataConsole::kCanvasMargin);
    }
    // At least the visible area, so the pane's colour fills what lies around the console.
    m_content->resize(size.expandedTo(viewport()->size()));
    m_content->update();
}

} // namespace korvane
