// How each kind of console control paints itself on the console: where its image area and
// text go, which routine paints the image and in which state.
#include <QPainter>

#include <climits>

#include "design/default_look.h"
#include "design/draw_design.h"
#include "model/ctrl_bitmap.h"
#include "model/ctrl_button.h"
#include "model/ctrl_faders.h"
#include "model/ctrl_groups.h"
#include "model/ctrl_host.h"
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

QRect CCtrl__Base::ScaledRect(const QRect &rect) const
{
    const int left = Zoomed(rect.left(), m_zoom);
    const int top = Zoomed(rect.top(), m_zoom);
    const int right = Zoomed(rect.left() + rect.width(), m_zoom);
    const int bottom = Zoomed(rect.top() + rect.height(), m_zoom);
    return QRect(left + kCanvasMargin, top + kCanvasMargin, right - left, bottom - top);
}

QRect CCtrl__Base::VisibleArea() const
{
    if (!m_host)
        return QRect(QPoint(INT_MIN / 2, INT_MIN / 2), QPoint(INT_MAX / 2, INT_MAX / 2));
    return m_host->ClientRect().translated(kCanvasMargin, kCanvasMargin).adjusted(0, 0, 0, -kScrollBarBand);
}

bool CCtrl__Base::Draw(QPainter &painter, int, bool live)
{
    if (!ScaledRect(m_rect).intersects(VisibleArea()))
        return false;
    QRect image = ScaledRect(m_rect.translated(m_imageOffset));
    const QSize size = GetImageSize();
    image.setSize(Zoomed(size, m_zoom));
    DrawImage(painter, image, live);

    const QRect textArea = ScaledRect(m_textRect.translated(m_rect.topLeft()));
    if (textArea.isEmpty())
        return true;
    m_textWidth = DrawControlText(painter, textArea, CurrentLabel(), m_fontSize, QColorOf(m_textColor), m_drawFrame,
                                  m_textOffsetX);
    return true;
}

// ---- the kinds

void CCtrl_Button::DrawImage(QPainter &painter, const QRect &area, bool live)
{
    const bool on = live && ValueToPosition(ShownValue()) != 0;
    DrawButton(painter, area, Design(), LookImage(DrawHelper::kDefaultButton), QColorOf(Color()), on, false, 0);
}

void CCtrl_FaderLinear::DrawImage(QPainter &painter, const QRect &area, bool live)
{
    const int position = live ? ValueToPosition(ShownValue()) : 0;
    if (IsVertical())
        DrawSliderVert(painter, area, Design(), LookImage(DrawHelper::kDefaultSliderVert), QColorOf(Color()), position);
    else
        DrawSliderHorz(painter, area, Design(), LookImage(DrawHelper::kDefaultSliderHorz), QColorOf(Color()), position);
}

void CCtrl_FaderRotary::DrawImage(QPainter &painter, const QRect &area, bool live)
{
    const int angle = live ? ValueToPosition(ShownValue()) : 0;
    DrawRotary(painter, area, Design(), LookImage(DrawHelper::kDefaultRotary), QColorOf(Color()), angle);
}

void CCtrl_Wheel::DrawImage(QPainter &painter, const QRect &area, bool live)
{
    const int index = live ? ValueToPosition(ShownValue()) : 0;
    DrawWheel(painter, area, Design(), &DrawHelper::DefaultLook().WheelImages(), QColorOf(Color()), index);
}

void CCtrl_GroupButtons::DrawImage(QPainter &painter, const QRect &area, bool live)
{
    DrawGroupButtons(painter, area, Design(), nullptr, live ? GetValue() : 0, -1);
}

bool CCtrl_GroupIncDec::Draw(QPainter &painter, int value, bool live)
{
    if (value >= 0)
        SetValue(value);
    return CCtrl__Base::Draw(painter, value, live);
}

void CCtrl_GroupIncDec::DrawImage(QPainter &painter, const QRect &area, bool live)
{
    DrawGroupIncDec(painter, area, Design(), nullptr, live ? GetValue() : 0, -1);
}

// The pads show their values on the editing canvas too: a pad at rest says nothing.
void CCtrl_PanTilt::DrawImage(QPainter &painter, const QRect &area, bool)
{
    DrawPanTilt(painter, area, GetValue(), GetSecondValue(), QPoint(-1, -1), QColorOf(Color()),
                &DrawHelper::DefaultLook());
}

void CCtrl_Trichro::DrawImage(QPainter &painter, const QRect &area, bool)
{
    DrawTrichro(painter, area, quint32(GetValue()) & 0xFFFFFFu, &DrawHelper::DefaultLook());
}

// The console draws pictures itself, under everything else.
bool CCtrl_Bitmap::Draw(QPainter &, int, bool)
{
    return false;
}

bool CCtrl_Label::Draw(QPainter &painter, int, bool)
{
    const QRect scaled = ScaledRect(Rect());
    if (!scaled.intersects(VisibleArea()))
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
