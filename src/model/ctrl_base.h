// The console control every kind derives from: its geometry, look, text, binding sets,
// design, group membership and run-time values, and the shared part of its XML form.
#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <memory>
#include <vector>

#include "model/bindings.h"
#include "xml/xml_node.h"

class QPainter;

namespace dataConsole {

class CCtrl__Base;
class CConsoleData;
class CDataCCD;

using korvane::ColorRef;
using korvane::CXmlNode;

// Every control of a console but its pictures, in file order; contained controls follow
// their group.
using CCtrlList = std::vector<std::unique_ptr<CCtrl__Base>>;

// Kind codes, as the canvas, the property panel and the create commands know them. The one
// numbering of control kinds: the editor's pending placement holds one of these too.
enum CtrlKind : int {
    kCtrlNone = -1,
    kCtrlBitmap = 0,
    kCtrlButton = 1,
    kCtrlFaderHorz = 2,
    kCtrlFaderVert = 3,
    kCtrlFaderRotary = 4,
    kCtrlGroupButtons = 5,
    kCtrlGroupIncDec = 6,
    kCtrlWheel = 7,
    kCtrlLabel = 8,
    kCtrlTrichro = 9,
    kCtrlPanTilt = 10,
};
inline constexpr int kCtrlKindCount = 11;

// Where a control's text goes ("TextAlign").
enum TextPosition : int {
    kTextFree = 0,
    kTextCentre = 1,
    kTextTop = 2,
    kTextBottom = 3,
    kTextAbove = 4,
    kTextBelow = 5,
};

// "TAlignX" and "TAlignY": for a label the alignment of its text, for the other kinds the
// place of the image area inside the control's rectangle.
enum Alignment : int {
    kAlignStart = 0, // left or top
    kAlignEnd = 1,   // right or bottom
    kAlignCentre = 2,
    kAlignFree = 3, // the image offset is set by hand
};

// The height of the text band above, below, at the top or at the bottom of the image.
inline constexpr int kTextBandHeight = 21;

// A colour as files store it (red in the low byte) for drawing.
inline QColor QColorOf(ColorRef color)
{
    return QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}

// Where the console's top-left corner lies in the window it is drawn in.
inline constexpr int kCanvasMargin = 10;
// The band at the bottom of a window that its horizontal scroll bar may cover: controls
// lying only there are not drawn.
inline constexpr int kScrollBarBand = 22;

// Console units to pixels at a zoom, truncated toward zero as every drawing and hit test
// does (in single precision, as consoles have always been drawn).
inline int Zoomed(int units, float zoom)
{
    return static_cast<int>(float(units) * zoom);
}
inline QSize Zoomed(QSize units, float zoom)
{
    return QSize(Zoomed(units.width(), zoom), Zoomed(units.height(), zoom));
}
// A console rectangle at a zoom: each of its four edges zoomed and truncated.
QRect Zoomed(const QRect &units, float zoom);

// How a console is being drawn: the zoom, where the console's top-left corner lies in the
// window, which part of the window is seen, and whether the controls play (the preview) or
// rest (the editing canvas). The view owns all of it; controls keep none.
struct CDrawContext
{
    float zoom = 1.0f;
    QPoint origin{kCanvasMargin, kCanvasMargin};
    // The window pixels a control must touch to be drawn; null: the whole window.
    QRect visible;
    bool live = false;

    // A console rectangle in window pixels.
    QRect Scaled(const QRect &units) const { return Zoomed(units, zoom).translated(origin); }
    bool IsVisible(const QRect &pixels) const { return visible.isNull() || pixels.intersects(visible); }
};

// The part of a window of `clientSize` that its controls must touch to be drawn: the client
// moved by the margin, without the band a scroll bar may cover.
QRect VisibleAreaOf(const QRect &client);

// Everything a move or resize changes on a control.
struct CCtrlGeometry
{
    QRect rect;
    QPoint imageOffset;
    QRect textRect;

    bool operator==(const CCtrlGeometry &) const = default;
};

// What undoing an edit of a control's look must put back besides the value edited: the
// setters of text positions, alignments, designs and groups move these as a side effect.
struct CCtrlSnapshot
{
    CCtrlGeometry geometry;
    QSize imageSize;
    int textAlign = 0;
    int tAlignX = 0;
    int tAlignY = 0;
    CBindingSets bindings;

    bool operator==(const CCtrlSnapshot &) const = default;
};

// The element name of each kind in a console file.
const char *CtrlTag(int kind);
// The image size a control of that kind gets when neither the file nor a design gives one.
QSize DefaultImageSize(int kind);

// A control on a console. The console owns it; it owns its binding sets and refers to its
// parent group and its design, both owned elsewhere. Concrete kinds are final and read their
// element at the end of their constructor, so every hook below reaches the kind itself.
// Drawing belongs to the kinds too and hooks in beside these operations.
class CCtrl__Base
{
public:
    virtual ~CCtrl__Base();
    CCtrl__Base(const CCtrl__Base &) = delete;
    CCtrl__Base &operator=(const CCtrl__Base &) = delete;

    // ---- operations of every kind
    virtual void CopyFrom(const CCtrl__Base &other);
    // Adds the control's element (and a group's contained controls) to `parent`.
    virtual void SaveXml(CXmlNode &parent, const CCtrlList &controls) const = 0;
    // Places the text rectangle for a text position, growing or shrinking the rectangle
    // when the text moves out of or into it.
    void SetTextAlign(int mode);
    // The size the control is drawn and hit at.
    virtual QSize GetImageSize() const { return m_imageSize; }
    virtual void SetTAlignX(int value);
    virtual void SetTAlignY(int value);
    // The control when `point` (pixels from the console's corner at `zoom`) lies in its image
    // area at that zoom, else null. A contained control answers only on the page it shows on:
    // its parent's value when `pageFlag` is set, page 0 otherwise. `tested` receives the area
    // tested.
    virtual CCtrl__Base *HitTest(QPoint point, float zoom, bool pageFlag, QRect *tested = nullptr);
    // Reads the binding sets of the group indexes the control has.
    virtual void LoadXml(const CXmlNode &element);
    virtual int ValueToPosition(int value) const { return value; }
    virtual int PositionToValue(int position) const { return position; }
    // Stores the value for the current group index; returns what the kind reports back.
    virtual int SetValue(int value);
    virtual void SetSecondValue(int) {}
    virtual int GetValue() const;
    // The page a group shows, which its contained controls read and write; 0 for others.
    virtual int GetCurrentGroupIndex() const { return 0; }
    // Gives the control its design (or none) and the design's name.
    virtual void SetDesign(CDataCCD *design);
    // The number of pages a group offers its contained controls.
    virtual int PageCount() const { return 1; }
    // Paints the control as `context` says: its image area, then its text. In live mode (the
    // preview) the current value shows, otherwise the rest state. False when the control lies
    // outside the visible part of the window.
    virtual bool Draw(QPainter &painter, const CDrawContext &context) const;

    // ---- identity and ownership
    int Kind() const { return m_kind; }
    const char *Tag() const { return CtrlTag(m_kind); }
    int Id() const { return m_id; }
    // Controls made together before any is on the console (a paste) take their identifiers
    // from CConsoleData::FreeIds.
    void SetId(int id) { m_id = id; }
    CConsoleData *Console() const { return m_console; }
    CCtrl__Base *ParentGroup() const { return m_parent; }
    // Puts the control in a group (or none); its binding sets grow to the group's pages.
    void SetParentGroup(CCtrl__Base *group);
    int IndexInParent() const { return m_indexInParent; }
    void SetIndexInParent(int index) { m_indexInParent = index; }

    // ---- geometry, in console pixels
    bool IsLocked() const { return m_locked; }
    void SetLocked(bool locked) { m_locked = locked; }
    const QRect &Rect() const { return m_rect; }
    void SetRect(const QRect &rect) { m_rect = rect; }
    CCtrlGeometry Geometry() const { return {m_rect, m_imageOffset, m_textRect}; }
    void SetGeometry(const CCtrlGeometry &geometry);
    QPoint ImageOffset() const { return m_imageOffset; }
    void SetImageOffset(QPoint offset) { m_imageOffset = offset; }
    // "ImageCx", "ImageCy" as stored; GetImageSize says what is drawn.
    QSize StoredImageSize() const { return m_imageSize; }
    void SetImageSize(QSize size) { m_imageSize = size; }
    // The least size the canvas lets a control take: 10 units, and room for its image area
    // and its text band.
    QSize MinimumSize() const;
    // Set the width or height, never below the minimum; with `adjustText` the image area and
    // the text rectangle are placed again for the new size. Return the length taken.
    int SetWidth(int width, bool adjustText);
    int SetHeight(int height, bool adjustText);
    // What SetWidth and SetHeight would make of `from`, leaving the control as it is: the
    // canvas and the arranging commands work out a change before a command makes it.
    CCtrlGeometry WithWidth(CCtrlGeometry from, int width, bool adjustText) const;
    CCtrlGeometry WithHeight(CCtrlGeometry from, int height, bool adjustText) const;
    // The fields an edit of the look may move besides its own, and their restoration.
    CCtrlSnapshot Snapshot() const;
    void Restore(const CCtrlSnapshot &snapshot);

    // ---- look and text
    const QString &DesignName() const { return m_designName; }
    // Names a design without looking it up: a copy on the clipboard, or a design restored
    // by an undo that could not be found when the console was read.
    void SetDesignName(const QString &name) { m_designName = name; }
    CDataCCD *Design() const { return m_design; }
    int TextAlign() const { return m_textAlign; }
    int TAlignX() const { return m_tAlignX; }
    int TAlignY() const { return m_tAlignY; }
    // Relative to the control's top-left corner.
    const QRect &TextRect() const { return m_textRect; }
    void SetTextRect(const QRect &rect) { m_textRect = rect; }
    ColorRef TextColor() const { return m_textColor; }
    void SetTextColor(ColorRef color) { m_textColor = color; }
    int FontSize() const { return m_fontSize; }
    void SetFontSize(int size) { m_fontSize = size; }
    bool DrawFrame() const { return m_drawFrame; }
    void SetDrawFrame(bool drawFrame) { m_drawFrame = drawFrame; }
    ColorRef Color() const { return m_color; }
    void SetColor(ColorRef color) { m_color = color; }

    // ---- binding sets and texts, one per group index
    CBindingSets &Bindings() { return m_bindings; }
    const CBindingSets &Bindings() const { return m_bindings; }
    QString Label(int index) const;
    void SetLabel(int index, const QString &text);
    // The group index the control reads and writes now: its parent's page, or 0.
    int CurrentIndex() const;
    QString CurrentLabel() const { return Label(CurrentIndex()); }

    // ---- run-time values, one per group index (never stored)
    int ValueAt(int index) const;
    void SetValueAt(int index, int value);

    // ---- text drawing
    // Subtracted from the text's left edge when it is written.
    int TextOffsetX() const { return m_textOffsetX; }
    void SetTextOffsetX(int offset) { m_textOffsetX = offset; }

protected:
    CCtrl__Base(int kind, CConsoleData *console, CCtrl__Base *parent);

    // Reads `element` (or takes the defaults of a new control when null): the shared fields,
    // the kind's own fields, the design, the image size rule, then the binding sets.
    void Construct(const CXmlNode *element);
    // The kind's attributes besides the shared ones.
    virtual void ReadOwnAttributes(const CXmlNode &) {}
    // The size a design gives this kind; empty when the design has no part for it.
    virtual QSize DesignImageSize(const CDataCCD &) const { return {}; }
    // How many "Group"+n elements the control reads.
    virtual int BindingReadCount() const;

    // ---- pieces of SaveXml
    CXmlNode &AddElement(CXmlNode &parent) const { return *parent.AddChild(Tag()); }
    void SaveSharedAttributes(CXmlNode &element) const;
    // The element with the shared attributes and the binding sets, as most kinds write it.
    CXmlNode &SaveElementWithBindings(CXmlNode &parent, BindingStyle style) const;
    // Both group kinds: the controls of this group's page 0, in list order.
    void SaveContained(CXmlNode &element, const CCtrlList &controls) const;
    // Moves the image area to where the alignments put it.
    void PlaceImage();
    // Grows the binding sets (and the values beside them) to `count` indexes.
    void GrowGroupIndexes(int count);

    // Paints the image area (already scaled and placed) with the kind's routine.
    virtual void DrawImage(QPainter &, const QRect &, bool) const {}
    // The value the image shows: the one of the current group index.
    int ShownValue() const { return ValueAt(CurrentIndex()); }

    // The image size of a control of this kind without a design.
    virtual QSize DefaultSize() const { return DefaultImageSize(m_kind); }

    CBindingSets m_bindings;
    int m_tAlignX = kAlignCentre;
    int m_tAlignY = kAlignCentre;

private:
    void ReadSharedAttributes(const CXmlNode &element);
    void ApplyImageSizeRule();
    // Places the image area and the text rectangle of `geometry` again after a change of
    // size; labels and pictures have nothing to place.
    CCtrlGeometry Fitted(CCtrlGeometry geometry) const;
    // The image offset the alignments give in `geometry` with text position `textAlign`.
    void PlaceImageIn(CCtrlGeometry &geometry, int textAlign) const;
    // The text rectangle (and the band it needs) for text position `mode`, coming from
    // `previous`.
    void PlaceTextIn(CCtrlGeometry &geometry, int previous, int mode) const;

    const int m_kind;
    int m_id = 0;
    CConsoleData *m_console;
    CCtrl__Base *m_parent;
    int m_indexInParent = 0;

    bool m_locked = false;
    QRect m_rect{0, 0, 0, 0};
    QPoint m_imageOffset;
    QSize m_imageSize{0, 0};

    QString m_designName;
    CDataCCD *m_design = nullptr;
    int m_textAlign = kTextCentre;
    QRect m_textRect{0, 0, 0, 0};
    ColorRef m_textColor = korvane::MakeColorRef(50, 50, 50);
    int m_fontSize = 16;
    bool m_drawFrame = false;
    ColorRef m_color = korvane::MakeColorRef(128, 128, 128);

    std::vector<int> m_values = std::vector<int>(1, 0);
    int m_textOffsetX = 0;
};

} // namespace dataConsole
