// How each kind of console control paints itself on the console: where its image area and
// text go, which routine paints the image and in which state.
#include <QPainter>

#include <climits>

#include "design/default_look.h"
#include "design/draw_design.h"
#include "design/draw_helper.h"
#include "model/ctrl_bitmap.h"
#include "model/ctrl_button.h"
#include "model/ctrl_faders.h"
#include "model/ctrl_groups.h"
#include "model/ctrl_label.h"
#include "model/ctrl_pads.h"
#include "model/ctrl_text.h"
#include "model/ctrl_wheel.h"

namespace dataConsole {

namespace {

// The label frame is stretched with corners of this size.
constexpr int kLabelFrameMargin = 10;
// The label text keeps this distance from the label's edges.
constexpr int kLabelTextInset = 5;
constexpr int kLabelFrameState = 1;

const DrawHelper::CDefaultLookImage *LookImage(int resource)
{
    return DrawHelper::DefaultLook().Image(resource);
}

} // namespace

QRect Zoomed(const QRect &units, float zoom)
{
    const int left = Zoomed(units.left(), zoom);
    const int top = Zoomed(units.top(), zoom);
    const int right = Zoomed(units.left() + units.width(), zoom);
    const int bottom = Zoomed(units.top() + units.height(), zoom);
    return QRect(left, top, right - left, bottom - top);
}

QRect VisibleAreaOf(const QRect &client)
{
    return client.translated(kCanvasMargin, kCanvasMargin).adjusted(0, 0, 0, -kScrollBarBand);
}

bool CCtrl__Base::Draw(QPainter &painter, const CDrawContext &context) const
{
    if (!context.IsVisible(context.Scaled(m_rect)))
        return false;
    QRect image = context.Scaled(m_rect.translated(m_imageOffset));
    image.setSize(Zoomed(GetImageSize(), context.zoom));
    DrawImage(painter, image, context.live);

    const QRect textArea = context.Scaled(m_textRect.translated(m_rect.topLeft()));
    if (textArea.isEmpty())
        return true;
    DrawControlText(painter, textArea, CurrentLabel(), m_fontSize, QColorOf(m_textColor), m_drawFrame, m_textOffsetX);
    return true;
}

// ---- the kinds

void CCtrl_Button::DrawImage(QPainter &painter, const QRect &area, bool live) const
{
    const bool on = live && ValueToPosition(ShownValue()) != 0;
    DrawButton(painter, area, Design(), LookImage(DrawHelper::kDefaultButton), QColorOf(Color()), on, false, 0);
}

void CCtrl_FaderLinear::DrawImage(QPainter &painter, const QRect &area, bool live) const
{
    const int position = live ? ValueToPosition(ShownValue()) : 0;
    if (IsVertical())
        DrawSliderVert(painter, area, Design(), LookImage(DrawHelper::kDefaultSliderVert), QColorOf(Color()), position);
    else
        DrawSliderHorz(painter, area, Design(), LookImage(DrawHelper::kDefaultSliderHorz), QColorOf(Color()), position);
}

void CCtrl_FaderRotary::DrawImage(QPainter &painter, const QRect &area, bool live) const
{
    const int angle = live ? ValueToPosition(ShownValue()) : 0;
    DrawRotary(painter, area, Design(), LookImage(DrawHelper::kDefaultRotary), QColorOf(Color()), angle);
}

void CCtrl_Wheel::DrawImage(QPainter &painter, const QRect &area, bool live) const
{
    const int index = live ? ValueToPosition(ShownValue()) : 0;
    DrawWheel(painter, area, Design(), &DrawHelper::DefaultLook().WheelImages(), QColorOf(Color()), index);
}

void CCtrl_GroupButtons::DrawImage(QPainter &painter, const QRect &area, bool live) const
{
    DrawGroupButtons(painter, area, Design(), nullptr, live ? GetValue() : 0, -1);
}

void CCtrl_GroupIncDec::DrawImage(QPainter &painter, const QRect &area, bool live) const
{
    DrawGroupIncDec(painter, area, Design(), nullptr, live ? GetValue() : 0, -1);
}

// The pads show their values on the editing canvas too: a pad at rest says nothing.
void CCtrl_PanTilt::DrawImage(QPainter &painter, const QRect &area, bool) const
{
    DrawPanTilt(painter, area, GetValue(), GetSecondValue(), QPoint(-1, -1), QColorOf(Color()),
                &DrawHelper::DefaultLook());
}

void CCtrl_Trichro::DrawImage(QPainter &painter, const QRect &area, bool) const
{
    DrawTrichro(painter, area, quint32(GetValue()) & 0xFFFFFFu, &DrawHelper::DefaultLook());
}

// The console draws pictures itself, under everything else.
bool CCtrl_Bitmap::Draw(QPainter &, const CDrawContext &) const
{
    return false;
}

bool CCtrl_Label::Draw(QPainter &painter, const CDrawContext &context) const
{
    const QRect scaled = context.Scaled(Rect());
    if (!context.IsVisible(scaled))
        return false;
    if (DrawFrame()) {
        if (const DrawHelper::CDefaultLookImage *frame = LookImage(DrawHelper::kDefaultLabelFrame)) {
            const int margin = qRound(kLabelFrameMargin * frame->bitmap.devicePixelRatio());
            DrawHelper::DrawNineSlice(painter, frame->bitmap, kLabelFrameState, frame->stateCount, scaled,
                                      QMargins(margin, margin, margin, margin));
        }
    }
    const QString text = CurrentLabel();
    if (text.isEmpty())
        return true;
    const QRect box = scaled.adjusted(kLabelTextInset, kLabelTextInset, -kLabelTextInset, -kLabelTextInset);
    DrawLabelText(painter, box, text, FontSize(), QColorOf(TextColor()), TAlignX(), TAlignY());
    return true;
}

} // namespace dataConsole
