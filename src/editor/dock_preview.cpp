// The preview pane.
#include "editor/dock_preview.h"

#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>

#include "editor/ctrl_console.h"
#include "model/console_data.h"
#include "model/console_draw.h"
#include "model/edit_operations.h"
#include "model/korvane_doc.h"

namespace korvane {

class CDockPreview::CContent : public QWidget
{
public:
    explicit CContent(CDockPreview &pane) : m_pane(pane) { setAttribute(Qt::WA_OpaquePaintEvent); }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QPainter painter(this);
        painter.fillRect(event->rect(), WorkspaceColour(palette()));
        const CKorvaneDoc *doc = m_pane.Document();
        if (!doc)
            return;
        // The console at zoom 1 with its controls' values, as the operator will see it; only
        // the part uncovered or changed.
        const dataConsole::CDrawContext context{1.0f, QPoint(dataConsole::kCanvasMargin, dataConsole::kCanvasMargin),
                                                dataConsole::VisibleAreaOf(rect()), true};
        dataConsole::DrawConsoleSurface(painter, doc->Console(), context, m_pane.BackgroundImage(), event->rect());
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

void CDockPreview::SetDocument(CKorvaneDoc *doc)
{
    if (m_doc)
        disconnect(m_doc, nullptr, this, nullptr);
    m_doc = doc;
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

void CDockPreview::resizeEvent(QResizeEvent *event)
{
    QScrollArea::resizeEvent(event);
    Refresh();
}

void CDockPreview::Refresh()
{
    QSize size(0, 0);
    if (m_doc) {
        const auto &settings = m_doc->Console().settings;
        size = QSize(settings.width, settings.height) +
               QSize(2 * dataConsole::kCanvasMargin, 2 * dataConsole::kCanvasMargin);
    }
    // At least the visible area, so the pane's colour fills what lies around the console.
    m_content->resize(size.expandedTo(viewport()->size()));
    m_content->update();
}

} // namespace korvane
