// The two group kinds: a group of buttons and an increment/decrement group. Both hold other
// controls, which show on one page of the group at a time.
#pragma once

#include <memory>
#include <vector>

#include "model/ctrl_base.h"
#include "model/ctrl_button.h"

namespace dataConsole {

// A group of buttons: one button per button of its design, one of them selected. The
// selected button is the page its contained controls show and send on; the group has one
// binding set per button.
class CCtrl_GroupButtons final : public CCtrl__Base
{
public:
    CCtrl_GroupButtons(CConsoleData *console, const CXmlNode *element);

    void SaveXml(CXmlNode &parent, const CCtrlList &controls) const override;
    void LoadXml(const CXmlNode &element) override;
    // Selects a button; a value outside the buttons selects the first. Nothing happens
    // without a design or buttons.
    int SetValue(int value) override;
    int GetValue() const override { return m_selected; }
    int GetCurrentGroupIndex() const override { return m_selected; }
    // Also rebuilds the buttons and grows the binding sets to the design's buttons.
    void SetDesign(CDataCCD *design) override;
    int PageCount() const override;

    // The buttons made from the design, in its order, placed in the group's pixels.
    const std::vector<std::unique_ptr<CCtrl_Button>> &Buttons() const { return m_buttons; }

protected:
    void DrawImage(QPainter &painter, const QRect &area, bool live) const override;
    QSize DesignImageSize(const CDataCCD &design) const override;
    int BindingReadCount() const override { return PageCount(); }

private:
    void RebuildButtons();

    std::vector<std::unique_ptr<CCtrl_Button>> m_buttons;
    int m_selected = 0;
};

// An increment/decrement group: two buttons step through the images of its display, and
// the image shown is the page of its contained controls. One binding set per image.
class CCtrl_GroupIncDec final : public CCtrl__Base
{
public:
    CCtrl_GroupIncDec(CConsoleData *console, const CXmlNode *element);

    void SaveXml(CXmlNode &parent, const CCtrlList &controls) const override;
    void LoadXml(const CXmlNode &element) override;
    // Shows display image `value`, wrapped into the images either way. Nothing happens
    // without a design or images.
    int SetValue(int value) override;
    int GetValue() const override { return m_current; }
    int GetCurrentGroupIndex() const override { return m_current; }
    // Also grows the binding sets to the design's display images.
    void SetDesign(CDataCCD *design) override;
    int PageCount() const override;

    bool ModeIncDec() const { return m_modeIncDec; }
    void SetModeIncDec(bool mode) { m_modeIncDec = mode; }
    bool SendChildFeedback() const { return m_sendChildFeedback; }
    void SetSendChildFeedback(bool send) { m_sendChildFeedback = send; }

protected:
    void DrawImage(QPainter &painter, const QRect &area, bool live) const override;
    void ReadOwnAttributes(const CXmlNode &element) override;
    QSize DesignImageSize(const CDataCCD &design) const override;
    int BindingReadCount() const override { return PageCount(); }

private:
    bool m_modeIncDec = false;
    bool m_sendChildFeedback = false;
    int m_current = 0;
};

} // namespace dataConsole
