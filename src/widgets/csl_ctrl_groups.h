// The two group controls: a button group (one button on at a time) and an
// increment/decrement group stepping through the images of its display.
#pragma once

#include <QList>

#include "widgets/csl_ctrl_base.h"

namespace dataConsole {

class CCslCtrlButton;

class CCslCtrlGroupButtons : public CCslCtrlBase
{
    Q_OBJECT

public:
    explicit CCslCtrlGroupButtons(QWidget *parent = nullptr);

    void SetSelectedIndex(int index);
    int SelectedIndex() const { return m_selected; }
    const QList<CCslCtrlButton *> &Buttons() const { return m_buttons; }

    void Paint(QPainter &painter) override;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    // Creates one child button per button of the design's group.
    void DesignChanged() override;

private:
    void PlaceButtons();

    int m_selected = 0;
    QList<CCslCtrlButton *> m_buttons; // children, owned through the widget tree
};

class CCslCtrlGroupIncDec : public CCslCtrlBase
{
    Q_OBJECT

public:
    explicit CCslCtrlGroupIncDec(QWidget *parent = nullptr);

    // The display index, wrapped into the design's display images.
    void SetValue(int value);
    int Value() const { return m_value; }

    void Paint(QPainter &painter) override;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    int m_value = 0;
    bool m_pressed = false;
};

// `value` brought into 0 .. count - 1; unchanged when there is nothing to wrap into.
int WrapDisplayIndex(int value, int count);

} // namespace dataConsole
