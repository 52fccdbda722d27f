// The preview pane: the active console as it plays, at its natural size, with the values
// its controls hold (those a MIDI surface sets, for instance), without grid or selection.
#pragma once

#include <QPointer>
#include <QScrollArea>

namespace korvane {

class CCtrlConsole;

class CDockPreview : public QScrollArea
{
    Q_OBJECT

public:
    explicit CDockPreview(QWidget *parent = nullptr);

    // Follows `canvas` (or none): the preview is drawn again after each of its repaints.
    void SetCanvas(CCtrlConsole *canvas);
    CCtrlConsole *Canvas() const { return m_canvas; }
    // Lays the content out for the console's size and draws it again.
    void Refresh();

protected:
    // The arrow keys move the selection of the console shown, as on its canvas.
    void keyPressEvent(QKeyEvent *event) override;

private:
    class CContent;
    CContent *m_content;
    QPointer<CCtrlConsole> m_canvas;
    QMetaObject::Connection m_redrawn;
};

} // namespace korvane
