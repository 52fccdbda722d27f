// The live control widgets: one control drawn from a design (or the default look), operated
// with the mouse, reporting its value. The preview pane and the design editor's preview show
// them.
#pragma once

#include <QColor>
#include <QPoint>
#include <QWidget>

#include <functional>
#include <memory>

#include "design/draw_design.h"

namespace korvane {
class CRelativeMouse;
}

namespace dataConsole {

class CCslCtrlBase : public QWidget
{
    Q_OBJECT

public:
    // A mid grey: the default look's images drawn as they are.
    static constexpr QColor kNeutralColour{128, 128, 128};

    explicit CCslCtrlBase(QWidget *parent = nullptr);

    // What the control is drawn from: its design (none: the default look), its image of the
    // default look and the colour that tints that image. None of them is owned; they may be
    // replaced at any time and the next paint uses them.
    void SetDesign(const CDataCCD *design, const DrawHelper::CDefaultLookImage *look,
                   QColor colour = kNeutralColour);
    // For the controls with a fixed look (pan/tilt, colour mixer), which draw several images
    // of the default look and have no design.
    void SetLook(const DrawHelper::CDefaultLook *look, QColor colour = kNeutralColour);

    // Paints the control into `painter` over the widget's rectangle. Children of the widget
    // are transparent, so whatever the owner drew below shows through transparent parts.
    virtual void Paint(QPainter &painter) = 0;

signals:
    // The values the widget reports, each after its mouse handler has updated the state and
    // returned (like posted window messages).
    void pressed(bool on);         // button: the state after a press
    void released(int value);      // button state, slider position or angle at release
    void sliderMoved(int position);
    void rotaryMoved(int angle);
    // Sent at once (the owner may read the widget in its slot): the selected index, the new
    // value, the wheel's step, the pan/tilt or colour.
    void notify(int value);

protected:
    void paintEvent(QPaintEvent *event) override;
    // Emits after the current event has been handled.
    void Post(std::function<void()> emission);
    // For controls built from their design: called with the new design in place, before the
    // repaint.
    virtual void DesignChanged() {}

    const CDataCCD *m_design = nullptr;
    const DrawHelper::CDefaultLookImage *m_look = nullptr;
    const DrawHelper::CDefaultLook *m_defaultLook = nullptr;
    QColor m_colour = kNeutralColour;
};

// A drag read as relative mouse movement (the rotary and the wheel turn by how far the mouse
// travels, not by where the pointer is): the pointer goes back where the drag began.
class CRelativeDrag
{
public:
    CRelativeDrag();
    ~CRelativeDrag();

    // Replaces the reader of relative movement (tests feed their own).
    void SetReader(std::unique_ptr<korvane::CRelativeMouse> reader);
    bool IsActive() const { return m_active; }
    void Begin(QObject *owner, QPoint globalPointer);
    // The vertical movement since the previous read; `eventGlobal` is the current event's
    // pointer position.
    int ReadDeltaY(QPoint eventGlobal);
    void End();

private:
    std::unique_ptr<korvane::CRelativeMouse> m_reader;
    QPoint m_savedPointer;
    bool m_active = false;
};

} // namespace dataConsole
