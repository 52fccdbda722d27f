// The preview pane.
#include "editor/dock_preview.h"

#include <QKeyEvent>
#include <QScrollBar>
#include <QWheelEvent>

#include "editor/ctrl_console.h"
#include "editor/preview_content.h"
#include "model/console_data.h"
#include "model/edit_operations.h"
#include "model/korvane_doc.h"

namespace korvane {

namespace {

// How far a notch of the wheel scrolls: as far as on a canvas (three lines of 20 pixels).
constexpr int kWheelPixelsPerNotch = 60;

} // namespace

CDockPreview::CDockPreview(QWidget *parent) : QScrollArea(parent), m_content(new CContent(*this))
{
    // The content takes the whole pane, and never less than the console with its margins:
    // a scroll bar shows only where the pane is smaller than that.
    setWidget(m_content);
    setWidgetResizable(true);
    setFocusPolicy(Qt::StrongFocus);
    // A line of the scroll bars is one pixel.
    horizontalScrollBar()->setSingleStep(1);
    verticalScrollBar()->setSingleStep(1);
}

void CDockPreview::SetDocument(CKorvaneDoc *doc)
{
    if (m_doc)
        disconnect(m_doc, nullptr, this, nullptr);
    m_doc = doc;
    m_content->ForgetCurrent();
    if (doc)
        connect(doc, &CKorvaneDoc::changed, this, &CDockPreview::Refresh);
    Refresh();
}

void CDockPreview::SetBackgroundImage(const QImage *image)
{
    m_background = image;
    m_content->update();
}

void CDockPreview::keyPressEvent(QKeyEvent *event)
{
    const std::optional<QPoint> step = ArrowStep(event->key());
    if (step && m_doc)
        m_doc->Push(MakeNudgeCommand(*m_doc, *step));
    else
        QScrollArea::keyPressEvent(event);
}

void CDockPreview::wheelEvent(QWheelEvent *event)
{
    QPoint pixels = event->angleDelta() * kWheelPixelsPerNotch / QWheelEvent::DefaultDeltasPerStep;
    // Without a vertical scroll bar the wheel scrolls across, as scroll areas do.
    if (!verticalScrollBar()->isVisible())
        pixels = QPoint(pixels.x() + pixels.y(), 0);
    horizontalScrollBar()->setValue(horizontalScrollBar()->value() - pixels.x());
    verticalScrollBar()->setValue(verticalScrollBar()->value() - pixels.y());
}

void CDockPreview::Refresh()
{
    QSize size(0, 0);
    if (m_doc) {
        const auto &settings = m_doc->Console().settings;
        size = QSize(settings.width, settings.height) +
               QSize(2 * dataConsole::kCanvasMargin, 2 * dataConsole::kCanvasMargin);
    }
    // The scroll area lays the content out again: a scroll bar no longer needed hides, back at 0.
    m_content->setMinimumSize(size);
    m_content->update();
}

} // namespace korvane
