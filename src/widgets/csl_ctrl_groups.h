// The two group controls: a button group (one button on at a time) and an
// increment/decrement group stepping through the images of its display.
#pragma once

#include <QList>

#include "widgets/csl_ctrl_base.h"

namespace dataConsole {

class CCslCtrlButton;

namespace DrawHelper {
struct CDefaultLookImage;
}

class CCslCtrlGroupButtons : public CCslCtrlBase
{
    Q_OBJECT

public:
    explicit CCslCtrlGroupButtons(QWidget *parent = nullptr);

    // Creates one child button per button of the design's group.
    void SetDesign(const CDataCCD *design, const DrawHelper::CDefaultLookImage *look, QColor colour);
    void SetSelectedIndex(int index);
    int SelectedIndex() const { return m_selected; }
    const QList<CCslCtrlButton *> &Buttons() const { return m_buttons; }

    void Paint(QPainter &painter) override;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void PlaceButtons();

    const CDataCCD *m_design = nullptr;
    const DrawHelper::CDefaultLookImage *m_look = nullptr;
    QColor m_colour{128, 128, 128};
    int m_selected = 0;
    QList<CCslCtrlButton *> m_buttons; // children, owned through the widget tree
};

class CCslCtrlGroupIncDec : public CCslCtrlBase
{
    Q_OBJECT

public:
    explicit CCslCtrlGroupIncDec(QWidget *parent = nullptr);

    void SetDesign(const CDataCCD *design, const DrawHelper::CDefaultLookImage *look);
    // The display index, wrapped into the design's display images.
    void SetValue(int value);
    int Value() const { return m_value; }

    void Paint(QPainter &painter) override;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    const CDataCCD *m_design = nullptr;
    const DrawHelper::CDefaultLookImage *m_look = nullptr;
    int m_value = 0;
    bool m_pressed = false;
};

// `value` brought into 0 .. count - 1; unchanged when there is nothing to wrap into.
int WrapDisplayIndex(int value, int count);

} // namespace dataConsole
