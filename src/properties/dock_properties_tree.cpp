// The property panel's tree: the console's rows, and the rows of a control, one builder per
// part: position, drawing, text, button, and the MIDI and DMX bindings by where the control
// stands (outside a group, inside one, or a group itself).
#include <algorithm>

#include "core/text_codec.h"
#include "core/word_ids.h"
#include "core/words.h"
#include "model/console_data.h"
#include "model/ctrl_bitmap.h"
#include "model/ctrl_groups.h"
#include "properties/dock_properties.h"

namespace korvane {

using namespace dataConsole;

namespace {

// The largest coordinate or length a spin box offers.
constexpr int kMaxPixels = 100000;
constexpr int kMaxFontSize = 500;
// A MIDI category's in-place button.
const QString kLearnButton = QStringLiteral("Learn");
const QString kPickerButton = QStringLiteral("...");

bool IsGroupKind(int kind)
{
    return kind == kCtrlGroupButtons || kind == kCtrlGroupIncDec;
}

// The kinds that carry MIDI and DMX bindings of their own.
bool PlaysBindings(int kind)
{
    return kind == kCtrlButton || kind == kCtrlFaderHorz || kind == kCtrlFaderVert || kind == kCtrlFaderRotary ||
           kind == kCtrlWheel;
}

// The kinds drawn by a design, whose "Draw" names it.
bool IsDrawnByDesign(int kind)
{
    return kind >= kCtrlButton && kind <= kCtrlWheel;
}

// The pages a control shows rows for: its group's (or, for a group, its own), never more
// than the sets it holds and never none.
int PagesOf(const CCtrl__Base &control, const CCtrl__Base *owner)
{
    return std::clamp(owner ? owner->PageCount() : 1, 1, control.Bindings().Count());
}

QString Numbered(const QString &caption, int index)
{
    return caption.arg(index + 1);
}

// "Flash mode group index 2" when there are several indexes, "Flash mode" alone otherwise.
QString IndexSuffix(int index, int count)
{
    return count > 1 ? QStringLiteral(" group index %1").arg(index + 1) : QString();
}

// The MIDI record of a set that a row edits: the binding, or a wheel's turn down.
auto MidiOf(bool decrement)
{
    return [decrement](auto &set) -> auto & { return decrement ? set.midiDecrement : set.midi; };
}

auto DmxOf(bool decrement)
{
    return [decrement](auto &set) -> auto & { return decrement ? set.dmxDecrement : set.dmx; };
}

} // namespace

// ---- the console

void CDockProperties::BuildConsole(CPropertyItem &root)
{
    using Settings = CConsoleSettings;
    auto number = [this](CPropertyItem &parent, const QString &caption, int Settings::*field, Applier apply) {
        AddItem(parent, Kind::kInteger, caption, [this, field] { return Console().settings.*field; }, std::move(apply))
            ->SetRange(1, kMaxPixels);
    };
    auto step = [this](const QString &caption, int Settings::*field) {
        return [this, caption, field](const QVariant &value) {
            EditConsole(caption, [field, step = value.toInt()](Settings &settings) { settings.*field = step; });
        };
    };
    auto colour = [this](CPropertyItem &parent, ColorRef Settings::*field) {
        AddItem(
            parent, Kind::kColour, QStringLiteral("Color"), [this, field] { return QColorOf(Console().settings.*field); },
            [this, field](const QVariant &value) {
                const QColor chosen = value.value<QColor>();
                EditConsole(QStringLiteral("Color"), [field, chosen](Settings &settings) {
                    settings.*field = MakeColorRef(std::uint8_t(chosen.red()), std::uint8_t(chosen.green()),
                                                   std::uint8_t(chosen.blue()));
                });
            });
    };

    CPropertyItem *view = AddTop(root, QStringLiteral("Zone view"), kZoneView);
    number(*view, QStringLiteral("CX"), &Settings::width,
           [this](const QVariant &value) { SetConsoleSize(QStringLiteral("CX"), true, value.toInt()); });
    number(*view, QStringLiteral("CY"), &Settings::height,
           [this](const QVariant &value) { SetConsoleSize(QStringLiteral("CY"), false, value.toInt()); });
    AddItem(
        *view, Kind::kBool, QStringLiteral("Transparent background"),
        [this] { return Console().settings.transparentBackground; },
        [this](const QVariant &value) {
            EditConsole(QStringLiteral("Transparent background"),
                        [on = value.toBool()](Settings &settings) { settings.transparentBackground = on; });
        });
    colour(*view, &Settings::background);

    // The main grid step and the minor one the canvas snaps to.
    CPropertyItem *grid = root.Add(Kind::kCategory, QStringLiteral("Grid"));
    number(*grid, QStringLiteral("CX"), &Settings::gridStep, step(QStringLiteral("CX"), &Settings::gridStep));
    number(*grid, QStringLiteral("CY"), &Settings::gridSubStep, step(QStringLiteral("CY"), &Settings::gridSubStep));
    colour(*grid, &Settings::gridColor);
}

// ---- a control

void CDockProperties::BuildControl(CPropertyItem &root)
{
    const int kind = m_primary->Kind();
    AddPositionCategory(root);
    if (kind != kCtrlLabel)
        AddDrawCategory(root);
    AddTextCategory(root);
    if (kind == kCtrlButton)
        AddButtonCategory(root);
    if (IsGroupKind(kind))
        AddGroupData(root);
    else if (PlaysBindings(kind) && m_primary->ParentGroup())
        AddDataInsideGroup(root);
    else if (PlaysBindings(kind))
        AddDataOutsideGroup(root);
}

void CDockProperties::AddPositionCategory(CPropertyItem &root)
{
    CPropertyItem *category = AddTop(root, QStringLiteral("Control pos"), kControlPos);
    AddControlFlag(*category, QStringLiteral("Lock"), &CCtrl__Base::IsLocked, &CCtrl__Base::SetLocked);
    const struct
    {
        const char *caption;
        bool horizontal;
        bool edge;
    } kRectangle[] = {{"Location X", true, true}, {"Location Y", false, true}, {"Width", true, false}, {"Height", false, false}};
    for (const auto &part : kRectangle) {
        const QString caption = QString::fromLatin1(part.caption);
        const bool horizontal = part.horizontal;
        const bool edge = part.edge;
        AddItem(
            *category, Kind::kInteger, caption,
            [this, horizontal, edge] {
                const QRect &rect = m_primary->Rect();
                return edge ? (horizontal ? rect.x() : rect.y()) : (horizontal ? rect.width() : rect.height());
            },
            [this, caption, horizontal, edge](const QVariant &value) {
                edge ? MoveShown(caption, horizontal, value.toInt()) : ResizeShown(caption, horizontal, value.toInt());
            })
            ->SetRange(edge ? 0 : 1, kMaxPixels);
    }
    if (m_primary->Kind() == kCtrlGroupIncDec)
        return;
    // "Undefined", then every group of the console by its identifier, in console order.
    QStringList entries{Word(word::kUndefined)};
    std::vector<int> ids{-1};
    for (const auto &control : Console().Controls()) {
        if (IsGroupKind(control->Kind())) {
            entries << QString::number(control->Id());
            ids.push_back(control->Id());
        }
    }
    AddItem(
        *category, Kind::kList, QStringLiteral("Group"),
        [this, ids] {
            const CCtrl__Base *group = m_primary->ParentGroup();
            const auto found = std::find(ids.begin(), ids.end(), group ? group->Id() : -1);
            return found == ids.end() ? 0 : int(found - ids.begin());
        },
        [this, ids](const QVariant &value) {
            const int entry = value.toInt();
            if (entry >= 0 && entry < int(ids.size()))
                AttachShown(ids[std::size_t(entry)]);
        })
        ->SetEntries(entries);
}

void CDockProperties::AddDrawCategory(CPropertyItem &root)
{
    const int kind = m_primary->Kind();
    CPropertyItem *category = AddTop(root, QStringLiteral("Zone draw"), kZoneDraw);
    if (kind == kCtrlBitmap || IsDrawnByDesign(kind))
        AddDrawItem(*category);
    if (kind == kCtrlBitmap)
        return;
    if (kind != kCtrlTrichro)
        AddControlColour(*category, QStringLiteral("Color"), &CCtrl__Base::Color, &CCtrl__Base::SetColor);
    // A new image size or offset places the image (and the text on it) again.
    const DocChanges look = DocChange::kProperties | DocChange::kGeometry;
    AddControlInt(
        *category, Kind::kInteger, QStringLiteral("Width"), [](const CCtrl__Base &c) { return c.StoredImageSize().width(); },
        [](CCtrl__Base &c, const int &width) {
            c.SetImageSize(QSize(width, c.StoredImageSize().height()));
            c.SetTAlignX(c.TAlignX());
        },
        look)
        ->SetRange(0, kMaxPixels);
    AddControlInt(
        *category, Kind::kInteger, QStringLiteral("Height"), [](const CCtrl__Base &c) { return c.StoredImageSize().height(); },
        [](CCtrl__Base &c, const int &height) {
            c.SetImageSize(QSize(c.StoredImageSize().width(), height));
            c.SetTAlignY(c.TAlignY());
        },
        look)
        ->SetRange(0, kMaxPixels);
    CPropertyItem *x = AddControlInt(
        *category, Kind::kInteger, QStringLiteral("Location X"), [](const CCtrl__Base &c) { return c.ImageOffset().x(); },
        [](CCtrl__Base &c, const int &left) {
            c.SetImageOffset(QPoint(left, c.ImageOffset().y()));
            c.SetTextAlign(c.TextAlign());
        },
        DocChange::kGeometry);
    CPropertyItem *y = AddControlInt(
        *category, Kind::kInteger, QStringLiteral("Location Y"), [](const CCtrl__Base &c) { return c.ImageOffset().y(); },
        [](CCtrl__Base &c, const int &top) {
            c.SetImageOffset(QPoint(c.ImageOffset().x(), top));
            c.SetTextAlign(c.TextAlign());
        },
        DocChange::kGeometry);
    // The offset is the user's only while the alignment leaves the image free.
    m_bindings[x].update = [this](CPropertyItem &item) { item.SetReadOnly(m_primary->TAlignX() != kAlignFree); };
    m_bindings[y].update = [this](CPropertyItem &item) { item.SetReadOnly(m_primary->TAlignY() != kAlignFree); };
    AddControlInt(*category, Kind::kList, QStringLiteral("Horizontal position"), &CCtrl__Base::TAlignX,
                  &CCtrl__Base::SetTAlignX, look)
        ->SetEntries(m_lists.AlignX(true));
    AddControlInt(*category, Kind::kList, QStringLiteral("Vertical position"), &CCtrl__Base::TAlignY,
                  &CCtrl__Base::SetTAlignY, look)
        ->SetEntries(m_lists.AlignY(true));
}

void CDockProperties::AddDrawItem(CPropertyItem &category)
{
    CPropertyItem *draw = AddItem(
        category, Kind::kText, QStringLiteral("Draw"),
        [this] {
            if (m_primary->Kind() == kCtrlBitmap)
                return static_cast<const CCtrl_Bitmap *>(m_primary)->PictureName();
            return m_primary->DesignName();
        },
        [this](const QVariant &value) { SetDrawing(value.toString()); });
    draw->SetButton(kPickerButton);
    m_bindings[draw].press = [this] { ChooseDrawing(); };
}

void CDockProperties::AddTextCategory(CPropertyItem &root)
{
    const int kind = m_primary->Kind();
    CPropertyItem *category = AddTop(root, Word(word::kTextProperties), kTextProperties);
    if (kind == kCtrlBitmap)
        return;
    const DocChanges look = DocChange::kProperties | DocChange::kGeometry;
    if (kind != kCtrlLabel) {
        AddControlInt(*category, Kind::kList, QStringLiteral("Text position"), &CCtrl__Base::TextAlign,
                      &CCtrl__Base::SetTextAlign, look)
            ->SetEntries(m_lists.TextPosition());
        AddTextRectangle(*category);
    }
    AddControlColour(*category, QStringLiteral("Color"), &CCtrl__Base::TextColor, &CCtrl__Base::SetTextColor);
    AddControlInt(*category, Kind::kInteger, QStringLiteral("Font size"), &CCtrl__Base::FontSize,
                  &CCtrl__Base::SetFontSize)
        ->SetRange(1, kMaxFontSize);
    AddControlFlag(*category, QStringLiteral("Draw frame"), &CCtrl__Base::DrawFrame, &CCtrl__Base::SetDrawFrame);
    if (kind == kCtrlLabel) {
        // A label's alignments place its text, which cannot be free.
        AddControlInt(*category, Kind::kList, QStringLiteral("Horizontal position"), &CCtrl__Base::TAlignX,
                      &CCtrl__Base::SetTAlignX)
            ->SetEntries(m_lists.AlignX(false));
        AddControlInt(*category, Kind::kList, QStringLiteral("Vertical position"), &CCtrl__Base::TAlignY,
                      &CCtrl__Base::SetTAlignY)
            ->SetEntries(m_lists.AlignY(false));
    }
    AddTexts(*category);
}

void CDockProperties::AddTextRectangle(CPropertyItem &category)
{
    using Get = int (*)(const QRect &);
    using Set = void (*)(QRect &, int);
    const struct
    {
        const char *caption;
        Get get;
        Set set;
    } kParts[] = {
        {"Location X", [](const QRect &r) { return r.x(); }, [](QRect &r, int v) { r.moveLeft(v); }},
        {"Location Y", [](const QRect &r) { return r.y(); }, [](QRect &r, int v) { r.moveTop(v); }},
        {"Width", [](const QRect &r) { return r.width(); }, [](QRect &r, int v) { r.setWidth(v); }},
        {"Height", [](const QRect &r) { return r.height(); }, [](QRect &r, int v) { r.setHeight(v); }},
    };
    for (const auto &part : kParts) {
        CPropertyItem *item = AddControlInt(
            category, Kind::kInteger, QString::fromLatin1(part.caption),
            [get = part.get](const CCtrl__Base &c) { return get(c.TextRect()); },
            [set = part.set](CCtrl__Base &c, const int &value) {
                QRect rect = c.TextRect();
                set(rect, value);
                c.SetTextRect(rect);
            },
            DocChange::kGeometry);
        // The text goes where these say only while its position is free.
        m_bindings[item].update = [this](CPropertyItem &row) { row.SetReadOnly(m_primary->TextAlign() != kTextFree); };
    }
}

void CDockProperties::AddTexts(CPropertyItem &category)
{
    const int count = PagesOf(*m_primary, m_primary->ParentGroup());
    for (int i = 0; i < count; ++i) {
        const QString caption = Word(word::kText) + IndexSuffix(i, count);
        AddItem(
            category, Kind::kText, caption, [this, i] { return m_primary->Label(i); },
            [this, caption, i](const QVariant &value) {
                EditBindings(caption, i, [text = ToFileText(value.toString())](CBindingSet &set) { set.label = text; });
            });
    }
}

void CDockProperties::AddButtonCategory(CPropertyItem &root)
{
    CPropertyItem *category = AddTop(root, Word(word::kButton), kButtonCategory);
    const int count = m_primary->ParentGroup() ? m_primary->Bindings().Count() : 1;
    for (int i = 0; i < count; ++i) {
        const QString suffix = IndexSuffix(i, count);
        AddBindingField(
            *category, Kind::kBool, Word(word::kFlashMode) + suffix, i,
            [](const CBindingSet &set) { return int(set.pushButton); }, [](CBindingSet &set, int on) { set.pushButton = on; });
        AddBindingField(
            *category, Kind::kBool, Word(word::kIgnoreMidiVelocityZero) + suffix, i,
            [](const CBindingSet &set) { return int(set.ignoreZero); }, [](CBindingSet &set, int on) { set.ignoreZero = on; });
        AddSentItems(*category, i, suffix, true);
    }
}

// ---- MIDI and DMX

void CDockProperties::AddDataOutsideGroup(CPropertyItem &root)
{
    const bool wheel = m_primary->Kind() == kCtrlWheel;
    CPropertyItem *data = root.Add(Kind::kCategory, QStringLiteral("Data"));
    AddFeedbackItems(*data, 0);
    AddMidiItems(*AddMidiCategory(*data, QStringLiteral("Midi data"), 0, false), 0, false);
    if (wheel)
        AddMidiItems(*AddMidiCategory(*data, QStringLiteral("Midi decrement data"), 0, true), 0, true);
    AddDmxItems(*data->Add(Kind::kCategory, QStringLiteral("DMX data")), 0, false);
    if (wheel)
        AddDmxItems(*data->Add(Kind::kCategory, QStringLiteral("Dmx decrement data")), 0, true);
}

void CDockProperties::AddDataInsideGroup(CPropertyItem &root)
{
    const bool wheel = m_primary->Kind() == kCtrlWheel;
    CPropertyItem *data = root.Add(Kind::kCategory, QStringLiteral("Midi & DMX data"));
    const int count = PagesOf(*m_primary, m_primary->ParentGroup());
    for (int i = 0; i < count; ++i) {
        CPropertyItem *midi = AddMidiCategory(*data, Numbered(QStringLiteral("Midi data control group index %1"), i), i, false);
        AddFeedbackItems(*midi, i);
        AddMidiItems(*midi, i, false);
        if (wheel) {
            AddMidiItems(*AddMidiCategory(*data, Numbered(QStringLiteral("Midi decrement data control group index %1"), i),
                                          i, true),
                         i, true);
        }
        AddDmxItems(*data->Add(Kind::kCategory, Numbered(QStringLiteral("DMX data control group index %1"), i)), i, false);
        if (wheel) {
            AddDmxItems(*data->Add(Kind::kCategory, Numbered(QStringLiteral("Dmx decrement data control group index %1"), i)),
                        i, true);
        }
    }
}

void CDockProperties::AddGroupData(CPropertyItem &root)
{
    CPropertyItem *data = root.Add(Kind::kCategory, QStringLiteral("Midi & DMX data"));
    const auto *incDec = m_primary->Kind() == kCtrlGroupIncDec ? static_cast<const CCtrl_GroupIncDec *>(m_primary) : nullptr;
    if (incDec) {
        using Flag = bool (CCtrl_GroupIncDec::*)() const;
        using SetFlag = void (CCtrl_GroupIncDec::*)(bool);
        auto flag = [this, data](const QString &caption, Flag get, SetFlag set) {
            auto getter = [get](const CCtrl__Base &c) { return (static_cast<const CCtrl_GroupIncDec &>(c).*get)(); };
            AddItem(
                *data, Kind::kBool, caption, [this, getter] { return getter(*m_primary); },
                [this, caption, getter, set](const QVariant &value) {
                    SetOnShown<bool>(
                        caption, getter,
                        [set](CCtrl__Base &c, const bool &on) { (static_cast<CCtrl_GroupIncDec &>(c).*set)(on); },
                        value.toBool(), DocChange::kProperties,
                        [](const CCtrl__Base &c) { return c.Kind() == kCtrlGroupIncDec; });
                });
        };
        flag(Word(word::kFeedbackAllChildControls), &CCtrl_GroupIncDec::SendChildFeedback,
             &CCtrl_GroupIncDec::SetSendChildFeedback);
        flag(Word(word::kModeIncDec), &CCtrl_GroupIncDec::ModeIncDec, &CCtrl_GroupIncDec::SetModeIncDec);
    }
    // In increment/decrement mode the group sends one binding to step up and one down.
    const bool twoWays = incDec && incDec->ModeIncDec();
    const int count = twoWays ? std::min(2, m_primary->Bindings().Count()) : PagesOf(*m_primary, m_primary);
    for (int i = 0; i < count; ++i) {
        const QString way = Word(i == 0 ? word::kIncrement : word::kDecrement);
        const QString midiCaption = twoWays ? Word(word::kMidiDataForGroupIndex) + QLatin1Char(' ') + way
                                            : Numbered(QStringLiteral("Midi data control group index %1"), i);
        const QString dmxCaption = twoWays ? QStringLiteral("DMX data control group index ") + way
                                           : Numbered(QStringLiteral("DMX data control group index %1"), i);
        CPropertyItem *midi = AddMidiCategory(*data, midiCaption, i, false);
        if (incDec)
            AddSentItems(*midi, i, QString(), false);
        AddFeedbackItems(*midi, i);
        AddMidiItems(*midi, i, false);
        AddDmxItems(*data->Add(Kind::kCategory, dmxCaption), i, false);
    }
}

CPropertyItem *CDockProperties::AddMidiCategory(CPropertyItem &parent, const QString &caption, int page, bool decrement)
{
    CPropertyItem *category = parent.Add(Kind::kCategory, caption);
    category->SetButton(kLearnButton);
    m_bindings[category].press = [this, caption, page, decrement] { Learn(caption, page, decrement); };
    m_midiCategories.push_back({category, page, decrement});
    return category;
}

void CDockProperties::AddFeedbackItems(CPropertyItem &category, int page)
{
    AddBindingField(
        category, Kind::kBool, Word(word::kSendMidiFeedback), page,
        [](const CBindingSet &set) { return int(set.midi.feedBack); }, [](CBindingSet &set, int on) { set.midi.feedBack = on; });
    AddBindingField(
        category, Kind::kBool, QStringLiteral("Send Feedback when recieved"), page,
        [](const CBindingSet &set) { return int(set.midi.feedBackReceived); },
        [](CBindingSet &set, int on) { set.midi.feedBackReceived = on; });
}

void CDockProperties::AddSentItems(CPropertyItem &category, int page, const QString &suffix, bool offToo)
{
    using Field = std::int16_t CMidiData::*;
    auto add = [&](int captionWord, Field field, const QStringList &entries) {
        AddBindingField(
            category, Kind::kList, Word(captionWord) + suffix, page,
            [field](const CBindingSet &set) { return EntryOfNumber(set.midi.*field); },
            [field](CBindingSet &set, int entry) { set.midi.*field = std::int16_t(NumberOfEntry(entry)); })
            ->SetEntries(entries);
    };
    add(word::kVelocitySentOn, &CMidiData::onValue, m_lists.Velocity());
    add(word::kChannelSentOn, &CMidiData::onChannel, m_lists.ChannelSent());
    if (!offToo)
        return;
    add(word::kVelocitySentOff, &CMidiData::offValue, m_lists.Velocity());
    add(word::kChannelSentOff, &CMidiData::offChannel, m_lists.ChannelSent());
}

void CDockProperties::AddMidiItems(CPropertyItem &category, int page, bool decrement)
{
    const auto midi = MidiOf(decrement);
    AddBindingField(
        category, Kind::kList, QStringLiteral("Status"), page,
        [midi](const CBindingSet &set) { return EntryOfStatus(midi(set).status); },
        [midi](CBindingSet &set, int entry) {
            CMidiData &binding = midi(set);
            binding.status = std::int16_t(StatusOfEntry(entry));
            if (StatusHasNoCommand(binding.status))
                binding.command = 0;
        })
        ->SetEntries(m_lists.Status());
    CPropertyItem *command = AddBindingField(
        category, Kind::kList, QStringLiteral("Command"), page,
        [midi](const CBindingSet &set) { return EntryOfNumber(midi(set).command); },
        [midi](CBindingSet &set, int entry) { midi(set).command = std::int16_t(NumberOfEntry(entry)); });
    // The commands offered follow the status.
    m_bindings[command].update = [this, midi, page](CPropertyItem &item) {
        const int status = page < m_primary->Bindings().Count() ? int(midi(m_primary->Bindings()[page]).status) : int(kStatusAny);
        item.SetEntries(m_lists.Command(status));
        item.SetReadOnly(StatusHasNoCommand(status));
    };
    AddBindingField(
        category, Kind::kList, QStringLiteral("Channel"), page,
        [midi](const CBindingSet &set) { return EntryOfNumber(midi(set).channel); },
        [midi](CBindingSet &set, int entry) { midi(set).channel = std::int16_t(NumberOfEntry(entry)); })
        ->SetEntries(m_lists.Channel());
}

void CDockProperties::AddDmxItems(CPropertyItem &category, int page, bool decrement)
{
    const auto dmx = DmxOf(decrement);
    AddBindingField(
        category, Kind::kList, QStringLiteral("Channel"), page,
        [dmx](const CBindingSet &set) { return EntryOfNumber(dmx(set).channel); },
        [dmx](CBindingSet &set, int entry) { dmx(set).channel = std::int16_t(NumberOfEntry(entry)); })
        ->SetEntries(m_lists.DmxChannel());
    AddBindingField(
        category, Kind::kList, QStringLiteral("Univers"), page,
        [dmx](const CBindingSet &set) { return EntryOfNumber(dmx(set).univers); },
        [dmx](CBindingSet &set, int entry) { dmx(set).univers = std::int16_t(NumberOfEntry(entry)); })
        ->SetEntries(m_lists.DmxUniverse());
}

} // namespace korvane
