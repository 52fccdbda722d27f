// The preview pane: the active console as it plays, at its natural size, with the values
// its controls hold (those a MIDI surface sets, for instance), without grid or selection. It
// draws again when the document announces a change, and only then. It is a test surface too:
// the mouse plays its controls and learns their MIDI bindings (its content, preview_content.h).
#pragma once

#include <QPointer>
#include <QScrollArea>

class QImage;

namespace korvane {

class CKorvaneDoc;

class CDockPreview : public QScrollArea
{
    Q_OBJECT

public:
    explicit CDockPreview(QWidget *parent = nullptr);

    // Shows `doc` (or none).
    void SetDocument(CKorvaneDoc *doc);
    CKorvaneDoc *Document() const { return m_doc; }
    // The default background image (null: none), shared with the canvases.
    void SetBackgroundImage(const QImage *image);
    const QImage *BackgroundImage() const { return m_background; }
    // Lays the content out for the console's size and draws it again.
    void Refresh();

protected:
    // The arrow keys move the selection of the console shown, as on its canvas.
    void keyPressEvent(QKeyEvent *event) override;
    // A line of the scroll bars is one pixel, too little for a notch of the wheel.
    void wheelEvent(QWheelEvent *event) override;

private:
    class CContent;
    CContent *m_content;
    QPointer<CKorvaneDoc> m_doc;
    const QImage *m_background = nullptr;
};

} // namespace korvane
