// A wheel: turned by dragging up and down, it steps through the frames of its strip.
#pragma once

#include <QImage>
#include <QList>

#include <memory>

#include "widgets/mirel_direct_input.h"
#include "widgets/csl_ctrl_base.h"

namespace dataConsole {

class CCslCtrlWheel : public CCslCtrlBase
{
    Q_OBJECT

public:
    explicit CCslCtrlWheel(QWidget *parent = nullptr);

    // `defaultImages`: the default wheel's background and 18 frames, in place of the one image
    // of the other controls' default look.
    void SetDesign(const CDataCCD *design, const QList<QImage> *defaultImages, QColor colour);
    void SetIndex(int index);
    int Index() const { return m_index; }
    void SetRelativeMouse(std::unique_ptr<korvane::CRelativeMouse> reader) { m_drag.SetReader(std::move(reader)); }

    void Paint(QPainter &painter) override;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    const QList<QImage> *m_defaultImages = nullptr;
    int m_index = 0;
    CRelativeDrag m_drag;
};

} // namespace dataConsole
