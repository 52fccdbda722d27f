// The three sample consoles, each laid out for a small show:
// - "Club Night": eight channel faders with flash keys, a master, effects and a crossfader;
// - "Theatre Desk": submasters, a cue stack, and a moving light with its colour mixer,
//   pan/tilt pad, colour presets and beam knobs;
// - "Band Gig": scenes on four pages (one per song), gobo and colour wheels, effect banks
//   stepped through with +/-, and a master.
// Between them they use every control kind and every way of binding a control to MIDI.
#include <QDir>

#include <stdexcept>

#include "core/folders.h"
#include "design/design_list.h"
#include "model/console_data.h"
#include "model/console_file.h"
#include "model/ctrl_bitmap.h"
#include "model/ctrl_factory.h"
#include "model/ctrl_groups.h"
#include "model/ctrl_label.h"
#include "sample_data.h"

namespace samples {

namespace {

using namespace dataConsole;
using korvane::ColorRef;
using korvane::MakeColorRef;

// ---- bindings, with channels and DMX addresses counted from 1 as a lighting desk shows them

constexpr int kAllChannels = 0;

CMidiData Message(MidiStatus status, int channel, int command)
{
    CMidiData midi;
    midi.status = status;
    midi.channel = std::int16_t(channel - 1);
    midi.command = std::int16_t(command);
    return midi;
}

CMidiData NoteOn(int channel, int note) { return Message(kStatusNoteOn, channel, note); }
CMidiData NoteOnOrOff(int channel, int note) { return Message(kStatusNoteOnOff, channel, note); }
CMidiData ControlChange(int channel, int controller) { return Message(kStatusControlChange, channel, controller); }
CMidiData ProgramChange(int channel, int program) { return Message(kStatusProgramChange, channel, program); }
CMidiData AnyStatus(int channel, int command) { return Message(kStatusAny, channel, command); }

// The pad of a controller lights while its key is on: velocity 127 on, 0 off.
CMidiData WithLed(CMidiData midi)
{
    midi.onValue = 127;
    midi.offValue = 0;
    return midi;
}

CDmxData Dmx(int universe, int address)
{
    return {std::int16_t(address - 1), std::int16_t(universe - 1)};
}

// ---- the look of texts

namespace text {
const ColorRef kCaption = MakeColorRef(0xd4, 0xd8, 0xe0);
const ColorRef kOnKey = MakeColorRef(0xee, 0xef, 0xf2);
const ColorRef kHeading = MakeColorRef(0xff, 0xb8, 0x52);
const ColorRef kNote = MakeColorRef(0x9a, 0xa2, 0xae);
const ColorRef kTitle = MakeColorRef(0xf2, 0xf3, 0xf5);
constexpr int kCaptionSize = 13;
} // namespace text

// The colour each control keeps for the default look.
const ColorRef kControlGrey = MakeColorRef(0x5a, 0x5e, 0x66);

// Builds one console from the designs of the library and writes it as the editor does.
class CConsoleBuilder
{
public:
    CConsoleBuilder(const QString &appFolder, const CDesignList &library, QSize size)
        : m_appFolder(appFolder), m_library(library), m_console(&library)
    {
        m_console.settings.width = size.width();
        m_console.settings.height = size.height();
        m_console.settings.background = MakeColorRef(0x17, 0x18, 0x1c);
        m_console.settings.transparentBackground = true; // the stage background image shows
        m_console.settings.gridColor = MakeColorRef(0x2c, 0x2f, 0x36);
    }

    // A control of `kind` drawn by the design `designName` (the default look when null), on
    // the pages of `group` when one is given.
    CCtrl__Base &Add(int kind, const char *designName, CCtrl__Base *group = nullptr)
    {
        std::unique_ptr<CCtrl__Base> control = CreateControl(kind, &m_console, nullptr, group);
        if (designName) {
            const QString name = QString::fromLatin1(designName);
            CDataCCD *design = FindDesign(m_console.Designs(), m_library, name);
            if (!design)
                throw std::runtime_error(std::string("no design ") + designName);
            control->SetDesign(design);
        }
        control->SetColor(kControlGrey);
        control->SetTextColor(text::kCaption);
        control->SetFontSize(text::kCaptionSize);
        return *m_console.AddControl(std::move(control));
    }

    // A label: `frame` puts it on the themed frame, as section headings are.
    CCtrl_Label &AddLabel(const QRect &rect, const QString &caption, int alignX, int alignY, bool frame,
                          ColorRef colour, int fontSize, CCtrl__Base *group = nullptr)
    {
        auto &label = static_cast<CCtrl_Label &>(Add(kCtrlLabel, nullptr, group));
        label.SetRect(rect);
        label.SetImageSize(rect.size());
        label.SetTAlignX(alignX);
        label.SetTAlignY(alignY);
        label.SetDrawFrame(frame);
        label.SetTextColor(colour);
        label.SetFontSize(fontSize);
        label.SetLabel(0, caption);
        return label;
    }

    // A section heading: amber capitals on a frame.
    CCtrl_Label &AddHeading(const QRect &rect, const QString &caption)
    {
        return AddLabel(rect, caption, kAlignCentre, kAlignCentre, true, text::kHeading, 14);
    }

    CCtrl_Bitmap &AddPicture(QPoint at, const char *name)
    {
        const QString folder = korvane::CAppFolders(m_appFolder).BackgroundFolder();
        auto picture = std::make_unique<CCtrl_Bitmap>(&m_console, nullptr, folder);
        picture->SetRect(QRect(at, QSize(0, 0)));
        picture->SetPicture(folder, QString::fromLatin1(name));
        if (!picture->Picture())
            throw std::runtime_error(std::string("no picture ") + name);
        // Pictures are scenery: locked, so that a click selects the control above them.
        picture->SetLocked(true);
        return *m_console.AddPicture(std::move(picture));
    }

    void Write(const char *fileName)
    {
        const QString path = QDir(korvane::CAppFolders(m_appFolder).ConsoleFolder()).filePath(fileName);
        QString error;
        if (!WriteConsoleFile(m_console, path, &error))
            throw std::runtime_error("cannot write " + path.toStdString() + ": " + error.toStdString());
    }

private:
    QString m_appFolder;
    const CDesignList &m_library;
    CConsoleData m_console;
};

// ---- placing controls and their captions

// The image at `imageAt`, in a rectangle `width` wide centred on it, with the caption in a
// band below it (or above, with `textPosition` kTextAbove).
void PlaceCaptioned(CCtrl__Base &control, QPoint imageAt, int width, const QString &caption,
                    int textPosition = kTextBelow)
{
    const QSize image = control.GetImageSize();
    const int top = textPosition == kTextAbove ? imageAt.y() - kTextBandHeight : imageAt.y();
    control.SetRect(QRect(imageAt.x() - (width - image.width()) / 2, top, width, image.height()));
    control.SetTextAlign(textPosition);
    control.SetTAlignX(kAlignCentre);
    control.SetLabel(0, caption);
}

// The image at `at` with the caption written on it, as on a key.
void PlaceOnFace(CCtrl__Base &control, QPoint at, const QString &caption, int fontSize = 12)
{
    control.SetRect(QRect(at, control.GetImageSize()));
    control.SetTextAlign(kTextCentre);
    control.SetLabel(0, caption);
    control.SetTextColor(text::kOnKey);
    control.SetFontSize(fontSize);
}

void Bind(CCtrl__Base &control, int page, const CMidiData &midi, const CDmxData &dmx = {})
{
    control.Bindings()[page].midi = midi;
    control.Bindings()[page].dmx = dmx;
}

// A key that is on only while it is held.
void MakeMomentary(CCtrl__Base &key)
{
    for (int page = 0; page < key.Bindings().Count(); ++page)
        key.Bindings()[page].pushButton = true;
}

// ---- Club Night

void WriteClubNight(const QString &appFolder, const CDesignList &library)
{
    CConsoleBuilder club(appFolder, library, {1080, 520});
    club.AddPicture({20, 8}, picture::kClubTitle);
    club.AddPicture({800, 10}, picture::kLogo);

    const int channelMidi = 1;
    const char *channels[] = {"Wash L", "Wash R", "Spots", "Beams", "Strobe", "Blinder", "Haze", "UV"};
    const int strip = 84, left = 24, faderTop = 120, flashTop = 396;
    club.AddHeading({left - 4, 84, 8 * strip - 4, 26}, QStringLiteral("CHANNELS"));
    for (int i = 0; i < 8; ++i) {
        const int x = left + i * strip;
        CCtrl__Base &fader = club.Add(kCtrlFaderVert, design::kFaderChannel);
        PlaceCaptioned(fader, {x + 14, faderTop}, 76, QString::fromLatin1(channels[i]));
        Bind(fader, 0, ControlChange(channelMidi, 1 + i), Dmx(1, 1 + i));

        CCtrl__Base &flash = club.Add(kCtrlButton, design::kButtonAmber);
        PlaceOnFace(flash, {x + 6, flashTop}, QStringLiteral("FLASH"));
        Bind(flash, 0, WithLed(NoteOn(channelMidi, 36 + i)));
        MakeMomentary(flash);
    }

    const int masterX = left + 8 * strip + 12;
    club.AddHeading({masterX - 4, 84, 84, 26}, QStringLiteral("MASTER"));
    CCtrl__Base &master = club.Add(kCtrlFaderVert, design::kFaderMaster);
    PlaceCaptioned(master, {masterX + 14, faderTop}, 76, QStringLiteral("Master"));
    Bind(master, 0, ControlChange(channelMidi, 9));
    CCtrl__Base &blackout = club.Add(kCtrlButton, design::kButtonRed);
    PlaceOnFace(blackout, {masterX + 6, flashTop}, QStringLiteral("BLACKOUT"), 10);
    Bind(blackout, 0, WithLed(NoteOnOrOff(channelMidi, 44)));

    const int fxX = 820;
    club.AddHeading({fxX - 4, 84, 248, 26}, QStringLiteral("EFFECTS"));
    const char *knobs[] = {"Speed", "Size", "Fade"};
    const char *scenes[] = {"WARM UP", "PEAK", "CHILL"};
    for (int i = 0; i < 3; ++i) {
        const int x = fxX + i * 82;
        CCtrl__Base &knob = club.Add(kCtrlFaderRotary, design::kKnob);
        PlaceCaptioned(knob, {x + 6, faderTop}, 76, QString::fromLatin1(knobs[i]));
        Bind(knob, 0, ControlChange(channelMidi, 20 + i));
        // Scenes are stored cues of the lighting program, called up by program number.
        CCtrl__Base &scene = club.Add(kCtrlButton, design::kButtonBlue);
        PlaceOnFace(scene, {x + 6, 262}, QString::fromLatin1(scenes[i]), 11);
        Bind(scene, 0, WithLed(ProgramChange(channelMidi, i)));
    }
    club.AddHeading({fxX - 4, 226, 248, 26}, QStringLiteral("SCENES"));

    CCtrl__Base &crossfade = club.Add(kCtrlFaderHorz, design::kFaderCrossfade);
    PlaceCaptioned(crossfade, {fxX, flashTop - 40}, 240, QStringLiteral("Crossfade"), kTextAbove);
    // Any message with data byte 1 on channel 2: the crossfader of a DJ mixer.
    Bind(crossfade, 0, AnyStatus(2, 1));
    club.AddLabel({fxX, flashTop + 6, 40, 24}, QStringLiteral("A"), kAlignStart, kAlignStart, false, text::kCaption, 14);
    club.AddLabel({fxX + 200, flashTop + 6, 40, 24}, QStringLiteral("B"), kAlignEnd, kAlignStart, false,
                  text::kCaption, 14);

    club.AddLabel({left - 4, 464, 1040, 34},
                  QStringLiteral("MIDI channel 1: faders CC 1-8, flash keys notes 36-43, master CC 9, "
                                 "effects CC 20-22, scenes program 1-3. Crossfader: channel 2."),
                  kAlignCentre, kAlignCentre, true, text::kNote, 12);
    club.Write("Club Night.csl2");
}

// ---- Theatre Desk

void WriteTheatreDesk(const QString &appFolder, const CDesignList &library)
{
    CConsoleBuilder desk(appFolder, library, {1100, 640});
    const int deskMidi = 2;

    const char *submasters[] = {"Front", "Backs", "Side L", "Side R", "Cyc", "House"};
    desk.AddHeading({20, 20, 520, 26}, QStringLiteral("SUBMASTERS"));
    for (int i = 0; i < 6; ++i) {
        CCtrl__Base &fader = desk.Add(kCtrlFaderVert, design::kFaderChannel);
        PlaceCaptioned(fader, {34 + i * 88, 56}, 80, QString::fromLatin1(submasters[i]));
        Bind(fader, 0, ControlChange(deskMidi, 21 + i), Dmx(1, 101 + i));
    }

    // The cue stack: GO is the key an operator finds in the dark.
    desk.AddHeading({20, 340, 250, 26}, QStringLiteral("CUE STACK"));
    CCtrl__Base &go = desk.Add(kCtrlButton, design::kButtonGo);
    PlaceOnFace(go, {24, 372}, QStringLiteral("GO"), 30);
    Bind(go, 0, WithLed(NoteOn(deskMidi, 60)));
    MakeMomentary(go);
    CCtrl__Base &back = desk.Add(kCtrlButton, design::kButtonRed);
    PlaceOnFace(back, {150, 372}, QStringLiteral("BACK"));
    Bind(back, 0, NoteOnOrOff(deskMidi, 61));
    MakeMomentary(back);
    CCtrl__Base &pause = desk.Add(kCtrlButton, design::kButtonAmber);
    PlaceOnFace(pause, {150, 426}, QStringLiteral("PAUSE"));
    Bind(pause, 0, WithLed(NoteOn(deskMidi, 62)));
    desk.AddLabel({20, 444, 126, 28}, QStringLiteral("Cue 12: Act 1 Sc 2"), kAlignStart, kAlignCentre, false,
                  text::kCaption, 12);
    // The default look: a plain fader, as a new console gets one.
    CCtrl__Base &fadeTime = desk.Add(kCtrlFaderHorz, nullptr);
    fadeTime.SetImageSize({240, 30});
    PlaceCaptioned(fadeTime, {24, 524}, 240, QStringLiteral("Fade time 0-30 s"), kTextAbove);
    Bind(fadeTime, 0, ControlChange(deskMidi, 27));

    desk.AddPicture({290, 340}, picture::kStagePlan);
    desk.AddLabel({290, 544, 300, 22}, QStringLiteral("Backs 1-5, mids 6-10, front of house 11-14"), kAlignCentre,
                  kAlignStart, false, text::kNote, 11);

    // The moving light ML1 on universe 2, address 1.
    const int mover = 3;
    desk.AddHeading({560, 20, 520, 26}, QStringLiteral("MOVING LIGHT ML1"));
    CCtrl__Base &colour = desk.Add(kCtrlTrichro, nullptr);
    PlaceCaptioned(colour, {560, 56}, 242, QStringLiteral("Colour"));
    Bind(colour, 0, ControlChange(mover, 1), Dmx(2, 1));
    CCtrl__Base &position = desk.Add(kCtrlPanTilt, nullptr);
    PlaceCaptioned(position, {838, 56}, 242, QStringLiteral("Position"));
    Bind(position, 0, ControlChange(mover, 2), Dmx(2, 4));

    desk.AddHeading({610, 340, 470, 26}, QStringLiteral("PRESETS AND BEAM"));
    CCtrl__Base &presets = desk.Add(kCtrlGroupButtons, design::kColourPresets);
    presets.SetRect(QRect({610, 376}, presets.GetImageSize()));
    for (int page = 0; page < presets.PageCount(); ++page)
        Bind(presets, page, ProgramChange(mover, page));
    const char *beam[] = {"Zoom", "Iris", "Focus"};
    for (int i = 0; i < 3; ++i) {
        CCtrl__Base &knob = desk.Add(kCtrlFaderRotary, design::kKnob);
        PlaceCaptioned(knob, {850 + i * 78, 380}, 76, QString::fromLatin1(beam[i]));
        Bind(knob, 0, ControlChange(mover, 10 + i), Dmx(2, 8 + i));
    }
    const char *keys[] = {"LAMP ON", "HOME", "LOCATE"};
    for (int i = 0; i < 3; ++i) {
        CCtrl__Base &key = desk.Add(kCtrlButton, nullptr);
        PlaceOnFace(key, {610 + i * 92, 512}, QString::fromLatin1(keys[i]));
        key.SetTextColor(text::kOnKey);
        // Any channel: every fixture profile of the lighting program listens for these.
        Bind(key, 0, NoteOn(kAllChannels, 70 + i));
    }
    desk.AddLabel({20, 596, 1060, 30},
                  QStringLiteral("Submasters CC 21-26 and cues notes 60-62 on channel 2; the moving light on "
                                 "channel 3 and DMX universe 2."),
                  kAlignCentre, kAlignCentre, true, text::kNote, 12);
    desk.Write("Theatre Desk.csl2");
}

// ---- Band Gig

void WriteBandGig(const QString &appFolder, const CDesignList &library)
{
    CConsoleBuilder gig(appFolder, library, {1060, 520});
    const int gigMidi = 4;
    gig.AddPicture({20, 12}, picture::kLogo);
    gig.AddLabel({300, 14, 740, 56}, QStringLiteral("BAND GIG - The Night Owls, live"), kAlignEnd, kAlignCentre,
                 false, text::kTitle, 24);

    // Scenes: one page per song; the eight scene keys change meaning with the page.
    gig.AddHeading({20, 90, 430, 26}, QStringLiteral("SCENES"));
    CCtrl__Base &songs = gig.Add(kCtrlGroupButtons, design::kScenePages);
    songs.SetRect(QRect({20, 124}, songs.GetImageSize()));
    const char *titles[] = {"Neon Heart", "Slow Burn", "Wildfire", "Encore"};
    const char *cues[][8] = {
        {"Intro", "Verse", "Chorus", "Solo", "Bridge", "Drop", "Outro", "Bow"},
        {"Candles", "Verse", "Swell", "Chorus", "Hush", "Chorus", "Fade", "Bow"},
        {"Count-in", "Riff", "Verse", "Chorus", "Strobe", "Chorus", "Stop", "Bow"},
        {"Crowd", "Acoustic", "Full band", "Chorus", "Sing-along", "Confetti", "Finale", "House up"},
    };
    for (int page = 0; page < songs.PageCount(); ++page)
        Bind(songs, page, ProgramChange(gigMidi, page));
    CCtrl_Label &song = gig.AddLabel({320, 124, 130, 60}, {}, kAlignCentre, kAlignCentre, true, text::kTitle, 15, &songs);
    for (int page = 0; page < songs.PageCount(); ++page)
        song.SetLabel(page, QString::fromLatin1(titles[page]));
    for (int i = 0; i < 8; ++i) {
        CCtrl__Base &scene = gig.Add(kCtrlButton, design::kButtonBlue, &songs);
        PlaceOnFace(scene, {20 + (i % 4) * 74, 200 + (i / 4) * 60}, {}, 11);
        for (int page = 0; page < songs.PageCount(); ++page) {
            scene.SetLabel(page, QString::fromLatin1(cues[page][i]));
            Bind(scene, page, WithLed(NoteOn(gigMidi, 36 + page * 8 + i)));
        }
    }
    CCtrl__Base &blinders = gig.Add(kCtrlButton, design::kButtonAmber);
    PlaceOnFace(blinders, {320, 200}, QStringLiteral("BLINDERS"), 10);
    Bind(blinders, 0, WithLed(NoteOn(gigMidi, 80)));
    MakeMomentary(blinders);
    CCtrl__Base &strobe = gig.Add(kCtrlButton, design::kButtonAmber);
    PlaceOnFace(strobe, {386, 200}, QStringLiteral("STROBE"), 11);
    Bind(strobe, 0, WithLed(NoteOn(gigMidi, 81)));
    MakeMomentary(strobe);
    CCtrl__Base &blackout = gig.Add(kCtrlButton, design::kButtonRed);
    PlaceOnFace(blackout, {320, 260}, QStringLiteral("BLACKOUT"), 10);
    Bind(blackout, 0, NoteOnOrOff(gigMidi, 82));

    // The spot movers: gobo and colour wheels, and the speed of their effects.
    gig.AddHeading({470, 90, 310, 26}, QStringLiteral("MOVERS"));
    struct CMoverWheel
    {
        const char *design;
        const char *caption;
        int controller;
        int dmx;
    };
    const CMoverWheel wheels[] = {{design::kWheelGobo, "Gobo", 30, 5}, {design::kWheelColour, "Colour", 32, 4}};
    for (int i = 0; i < 2; ++i) {
        CCtrl__Base &wheel = gig.Add(kCtrlWheel, wheels[i].design);
        PlaceCaptioned(wheel, {482 + i * 100, 126}, 96, QString::fromLatin1(wheels[i].caption));
        // An endless encoder: one controller turns it up, the next one down.
        CBindingSet &set = wheel.Bindings()[0];
        set.midi = ControlChange(gigMidi, wheels[i].controller);
        set.midiDecrement = ControlChange(gigMidi, wheels[i].controller + 1);
        set.dmx = Dmx(1, 200 + wheels[i].dmx);
    }
    CCtrl__Base &speed = gig.Add(kCtrlFaderRotary, design::kKnob);
    PlaceCaptioned(speed, {690, 134}, 80, QStringLiteral("FX speed"));
    Bind(speed, 0, ControlChange(gigMidi, 20));

    // Effect banks: +/- steps through four banks of the same four knobs.
    gig.AddHeading({470, 250, 310, 26}, QStringLiteral("FX BANKS"));
    auto &banks = static_cast<CCtrl_GroupIncDec &>(gig.Add(kCtrlGroupIncDec, design::kBankStepper));
    banks.SetRect(QRect({470, 286}, banks.GetImageSize()));
    banks.SetModeIncDec(true);
    for (int page = 0; page < banks.PageCount(); ++page)
        Bind(banks, page, ControlChange(gigMidi, 100 + page));
    const char *bankNames[] = {"Dimmer FX", "Colour FX", "Pan FX", "Tilt FX"};
    const char *knobs[][4] = {
        {"Speed", "Depth", "Fade", "Spread"},
        {"Speed", "Hue", "Sat", "Spread"},
        {"Speed", "Width", "Offset", "Spread"},
        {"Speed", "Height", "Offset", "Spread"},
    };
    CCtrl_Label &bankName =
        gig.AddLabel({664, 286, 116, 56}, {}, kAlignCentre, kAlignCentre, false, text::kHeading, 14, &banks);
    for (int page = 0; page < banks.PageCount(); ++page)
        bankName.SetLabel(page, QString::fromLatin1(bankNames[page]));
    for (int i = 0; i < 4; ++i) {
        CCtrl__Base &knob = gig.Add(kCtrlFaderRotary, design::kKnob, &banks);
        PlaceCaptioned(knob, {478 + i * 78, 356}, 76, {});
        for (int page = 0; page < banks.PageCount(); ++page) {
            knob.SetLabel(page, QString::fromLatin1(knobs[page][i]));
            Bind(knob, page, ControlChange(gigMidi, 40 + page * 4 + i));
        }
    }

    // Master and haze.
    gig.AddHeading({800, 90, 240, 26}, QStringLiteral("MASTER"));
    CCtrl__Base &master = gig.Add(kCtrlFaderVert, design::kFaderMaster);
    PlaceCaptioned(master, {830, 126}, 80, QStringLiteral("Master"));
    Bind(master, 0, ControlChange(gigMidi, 7));
    CCtrl__Base &haze = gig.Add(kCtrlFaderVert, design::kFaderChannel);
    PlaceCaptioned(haze, {950, 126}, 80, QStringLiteral("Haze"));
    Bind(haze, 0, ControlChange(gigMidi, 9), Dmx(1, 250));

    gig.AddLabel({20, 470, 1020, 34},
                 QStringLiteral("Channel 4. Page keys send program 1-4, each page its own scene notes; "
                                "+/- steps the effect banks. Master CC 7."),
                 kAlignCentre, kAlignCentre, true, text::kNote, 12);
    gig.Write("Band Gig.csl2");
}

} // namespace

void WriteConsoles(const QString &appFolder)
{
    QDir().mkpath(korvane::CAppFolders(appFolder).ConsoleFolder());
    CDesignList library;
    FillDesignLibrary(library, appFolder);
    WriteClubNight(appFolder, library);
    WriteTheatreDesk(appFolder, library);
    WriteBandGig(appFolder, library);
}

} // namespace samples
