// The preview pane: the active console as it plays, at its natural size, with the values
// its controls hold (those a MIDI surface sets, for instance), without grid or selection. It
// draws again when the document announces a change, and only then.
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
    void resizeEvent(QResizeEvent *event) override;

private:
    class CContent;
    CContent *m_content;
    QPointer<CKorvaneDoc> m_doc;
    const QImage *m_background = nullptr;
};

} // namespace korvane
