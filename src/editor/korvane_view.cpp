// Console views and child frames.
#include "editor/korvane_view.h"

#include <QEvent>
#include <QScrollBar>
#include <QVBoxLayout>

#include "editor/edit_cursors.h"
#include "model/korvane_doc.h"

namespace korvane {

CKorvaneView::CKorvaneView(CEditState &state, IDesignPicker &picker, QWidget *parent)
    : QScrollArea(parent), m_state(state), m_canvas(new CCtrlConsole(state, picker))
{
    setWidget(m_canvas);
    setWidgetResizable(false);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_canvas->installEventFilter(this);
    connect(m_canvas, &CCtrlConsole::editStateChanged, this, &CKorvaneView::UpdateCursor);
    connect(m_canvas, &CCtrlConsole::scrollSizeChanged, this, &CKorvaneView::LayOutCanvas);
}

void CKorvaneView::SetDocument(CKorvaneDoc *doc)
{
    if (CKorvaneDoc *previous = m_canvas->Document())
        disconnect(previous, nullptr, this, nullptr);
    m_canvas->SetDocument(doc);
    // The lock of the console changes what the pointer may do.
    if (doc) {
        connect(doc, &CKorvaneDoc::changed, this, [this](const CDocChangeEvent &event) {
            if (event.kinds & DocChange::kConsoleSettings)
                UpdateCursor();
        });
    }
    LayOutCanvas();
}

void CKorvaneView::SetZoom(float zoom)
{
    m_canvas->SetZoom(zoom);
    LayOutCanvas();
}

void CKorvaneView::LayOutCanvas()
{
    // The canvas covers the whole visible area even when the console is smaller, so the
    // workspace colour fills what lies around it.
    const QSize scroll = m_canvas->ScrollSize();
    const QSize visible = viewport()->size();
    const QSize size = scroll.expandedTo(visible);
    if (m_canvas->size() != size)
        m_canvas->resize(size);
}

void CKorvaneView::UpdateCursor()
{
    const bool locked = m_canvas->Document() && m_canvas->Document()->IsLocked();
    if (const std::optional<QCursor> cursor = CursorForState(m_state, locked))
        m_canvas->setCursor(*cursor);
    else
        m_canvas->unsetCursor();
}

void CKorvaneView::resizeEvent(QResizeEvent *event)
{
    QScrollArea::resizeEvent(event);
    LayOutCanvas();
}

bool CKorvaneView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_canvas && (event->type() == QEvent::FocusIn || event->type() == QEvent::MouseButtonPress))
        emit activated(this);
    return QScrollArea::eventFilter(watched, event);
}

CChildFrame::CChildFrame(std::unique_ptr<CKorvaneDoc> doc, CEditState &state, IDesignPicker &picker, QWidget *parent)
    : QWidget(parent), m_doc(std::move(doc)), m_view(new CKorvaneView(state, picker, this))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
    m_view->SetDocument(m_doc.get());
}

CChildFrame::~CChildFrame()
{
    // The document goes first; nobody may hear from it on its way out.
    m_doc->disconnect();
    m_view->SetDocument(nullptr);
}

} // namespace korvane
