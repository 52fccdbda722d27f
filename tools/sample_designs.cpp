// The control designs of the sample folder and their images: keys with LEDs, channel and
// master faders with 200 pixels of travel, a crossfader, an effect knob, gobo and colour
// wheels, page and colour-preset button groups and a bank stepper. Every image is saved
// beside the designs, then given to the design through the editor's own setters, so the
// design file names exactly the images that lie there.
#include <QDir>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <random>
#include <stdexcept>

#include "core/folders.h"
#include "design/data_ccd.h"
#include "sample_art.h"
#include "sample_data.h"

namespace samples {

namespace {

using dataConsole::CDataCCD;

// A design the editor could have made: with image names, written in the design folder.
class CDesignWriter
{
public:
    CDesignWriter(const QString &appFolder, const char *fileName)
        : m_appFolder(appFolder), m_folder(korvane::CAppFolders(appFolder).DesignFolder()), m_fileName(fileName)
    {
        m_design.AllocateNames();
        m_design.SetName(m_fileName);
    }

    CDataCCD &Design() { return m_design; }
    const QString &Folder() const { return m_folder; }
    const QString &AppFolder() const { return m_appFolder; }
    std::string Save(const QImage &image, const QString &fileName) { return SavePng(image, m_folder, fileName); }

    void Write()
    {
        QString error;
        if (!m_design.WriteFile(QDir(m_folder).filePath(m_fileName), &error))
            throw std::runtime_error("cannot write " + m_fileName.toStdString() + ": " + error.toStdString());
    }

private:
    QString m_appFolder;
    QString m_folder;
    QString m_fileName;
    CDataCCD m_design;
};

// ---- buttons

// A square-shouldered key with an LED bar along its top edge; the console writes the
// key's name on the face below the bar.
QImage LedKey(QSize size, const QColor &led, bool on)
{
    QImage image = NewImage(size.width(), size.height());
    QPainter painter(&image);
    PreparePainter(painter);
    const QRectF key(1, 1, size.width() - 2, size.height() - 2);
    DrawKey(painter, key, 5, on, led);
    const qreal barWidth = size.width() * 0.55;
    DrawLedBar(painter, QRectF((size.width() - barWidth) / 2, 6, barWidth, 4), led, on);
    return image;
}

// A large key whose whole face lights, for the few commands that must be found at once.
QImage FaceLitKey(QSize size, const QColor &colour, bool on)
{
    QImage image = NewImage(size.width(), size.height());
    QPainter painter(&image);
    PreparePainter(painter);
    const QRectF key(2, 2, size.width() - 4, size.height() - 4);
    if (on)
        DrawGlow(painter, key, 8, colour, 2);
    DrawKey(painter, key, 8, on, colour.lighter(110), colour.darker(330));
    // A diffuser ring just inside the edge, which is what lights first on a real key.
    painter.setPen(QPen(on ? Mix(colour, Qt::white, 0.5) : colour.darker(200), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(key.adjusted(4, 4, -4, -5), 5, 5);
    return image;
}

void WriteLedButton(const QString &appFolder, const char *designName, const QString &stem, const QColor &led)
{
    CDesignWriter writer(appFolder, designName);
    const QSize size(64, 48);
    writer.Design().button.SetImage(false, writer.Folder(), writer.Save(LedKey(size, led, false), stem + "_off.png"));
    writer.Design().button.SetImage(true, writer.Folder(), writer.Save(LedKey(size, led, true), stem + "_on.png"));
    writer.Write();
}

void WriteGoButton(const QString &appFolder)
{
    CDesignWriter writer(appFolder, design::kButtonGo);
    const QSize size(112, 64);
    CDataCCD::CButton &button = writer.Design().button;
    button.SetImage(false, writer.Folder(), writer.Save(FaceLitKey(size, palette::kGreen, false), "button_go_off.png"));
    button.SetImage(true, writer.Folder(), writer.Save(FaceLitKey(size, palette::kGreen, true), "button_go_on.png"));
    writer.Write();
}

// ---- faders

// The fader's travel: the cursor's centre runs from `start` to `start` + kTravel.
constexpr int kTravel = 200;

// A plate with a slot and a scale of ten steps. `along` is the plate's length in the
// direction of travel, `across` its other side; the cursor's centre runs over
// [margin, margin + kTravel] along it.
QImage FaderPlate(int along, int across, int margin, bool vertical, bool numbered)
{
    const int width = vertical ? across : along;
    const int height = vertical ? along : across;
    QImage image = NewImage(width, height);
    QPainter painter(&image);
    PreparePainter(painter);
    DrawPlate(painter, QRectF(0, 0, width, height), 4);

    const qreal centre = across / 2.0;
    const qreal slot = 5;
    const QRectF groove = vertical ? QRectF(centre - slot / 2, margin - 6, slot, kTravel + 12)
                                   : QRectF(margin - 6, centre - slot / 2, kTravel + 12, slot);
    DrawGroove(painter, groove);

    const QFont numbers = ArtFont(9);
    for (int step = 0; step <= 10; ++step) {
        // Vertical faders rise from the bottom; horizontal ones run left to right.
        const qreal at = vertical ? margin + kTravel - step * kTravel / 10.0 : margin + step * kTravel / 10.0;
        const bool major = step % 5 == 0;
        const qreal inner = slot / 2 + 4;
        const qreal outer = inner + (major ? 7 : 4);
        painter.setPen(QPen(major ? palette::kMarking : palette::kMarkingDim, major ? 1.5 : 1));
        for (int side : {-1, 1}) {
            if (vertical)
                painter.drawLine(QPointF(centre + side * inner, at), QPointF(centre + side * outer, at));
            else
                painter.drawLine(QPointF(at, centre + side * inner), QPointF(at, centre + side * outer));
        }
        if (numbered && major) {
            const QString text = QString::number(step);
            const QRectF box = vertical ? QRectF(0, at - 6, centre - outer - 1, 12)
                                        : QRectF(at - 8, centre + outer, 16, 11);
            DrawEngraved(painter, box, text, numbers, palette::kMarking,
                         vertical ? int(Qt::AlignRight | Qt::AlignVCenter) : int(Qt::AlignCenter));
        }
    }
    return image;
}

QImage FaderCap(QSize size, bool vertical, const QColor &index)
{
    QImage image = NewImage(size.width(), size.height());
    QPainter painter(&image);
    PreparePainter(painter);
    DrawFaderCap(painter, QRectF(0, 0, size.width() - 1, size.height() - 2), vertical, index);
    return image;
}

void WriteVerticalFader(const QString &appFolder, const char *designName, const QString &stem, const QColor &index)
{
    // Plate 48 x 240, cap 40 x 30 held 5 pixels from each end: 240 - 30 - 2 * 5 = 200.
    const QSize cap(40, 30);
    const int inset = 5;
    CDesignWriter writer(appFolder, designName);
    CDataCCD::CSlider &slider = writer.Design().sliderVert;
    const int margin = inset + cap.height() / 2;
    slider.SetBackgroundImage(true, writer.Folder(),
                              writer.Save(FaderPlate(kTravel + 2 * margin, 48, margin, true, true), stem + "_plate.png"));
    slider.SetCursorImage(true, writer.Folder(), writer.Save(FaderCap(cap, true, index), stem + "_cap.png"));
    slider.offsetX = (48 - cap.width()) / 2;
    slider.offsetY = inset;
    writer.Write();
}

void WriteCrossfader(const QString &appFolder)
{
    // Plate 240 x 44, cap 30 x 36 held 5 pixels from each end.
    const QSize cap(30, 36);
    const int inset = 5;
    CDesignWriter writer(appFolder, design::kFaderCrossfade);
    CDataCCD::CSlider &slider = writer.Design().sliderHorz;
    const int margin = inset + cap.width() / 2;
    slider.SetBackgroundImage(false, writer.Folder(),
                              writer.Save(FaderPlate(kTravel + 2 * margin, 44, margin, false, false),
                                          "fader_crossfade_plate.png"));
    slider.SetCursorImage(false, writer.Folder(),
                          writer.Save(FaderCap(cap, false, palette::kAmber), "fader_crossfade_cap.png"));
    slider.offsetX = inset;
    slider.offsetY = (44 - cap.height()) / 2;
    writer.Write();
}

// ---- the effect knob

// Value 0 points down-left and 127 down-right, turning clockwise over the top.
constexpr int kKnobAngleMin = 225;
constexpr int kKnobAngleMax = 315;
constexpr int kKnobDotRadius = 15;

QPointF Polar(const QPointF &centre, qreal degrees, qreal radius)
{
    const qreal radians = qDegreesToRadians(degrees);
    return centre + QPointF(std::cos(radians) * radius, -std::sin(radians) * radius);
}

QImage KnobDial()
{
    const int size = 64;
    QImage image = NewImage(size, size);
    QPainter painter(&image);
    PreparePainter(painter);
    const QPointF centre(size / 2.0, size / 2.0);

    // The scale: eleven dots over the 270 degrees of travel, the ends and middle larger.
    painter.setPen(Qt::NoPen);
    const int sweep = kKnobAngleMin - (kKnobAngleMax - 360);
    for (int step = 0; step <= 10; ++step) {
        const qreal angle = kKnobAngleMin - step * sweep / 10.0;
        const bool major = step % 5 == 0;
        painter.setBrush(major ? palette::kMarking : palette::kMarkingDim);
        const qreal dot = major ? 1.6 : 1.1;
        painter.drawEllipse(Polar(centre, angle, 29.5), dot, dot);
    }

    // Skirt, knurled edge and a brushed cap.
    painter.setBrush(QColor(0, 0, 0, 170));
    painter.drawEllipse(centre + QPointF(0, 1.5), 24, 24);
    QRadialGradient skirt(centre - QPointF(6, 8), 30);
    skirt.setColorAt(0, QColor(0x3a, 0x3d, 0x44));
    skirt.setColorAt(1, QColor(0x0e, 0x0f, 0x11));
    painter.setBrush(skirt);
    painter.drawEllipse(centre, 23, 23);
    painter.setPen(QPen(QColor(255, 255, 255, 30), 1));
    for (int tooth = 0; tooth < 48; ++tooth)
        painter.drawLine(Polar(centre, tooth * 7.5, 20), Polar(centre, tooth * 7.5, 22.5));

    QConicalGradient brushed(centre, 60);
    for (int i = 0; i <= 8; ++i)
        brushed.setColorAt(i / 8.0, i % 2 ? QColor(0x4a, 0x4e, 0x56) : QColor(0x7a, 0x80, 0x8a));
    painter.setPen(QPen(QColor(0, 0, 0, 150), 1));
    painter.setBrush(brushed);
    painter.drawEllipse(centre, 18.5, 18.5);
    QRadialGradient dome(centre - QPointF(5, 7), 22);
    dome.setColorAt(0, QColor(255, 255, 255, 70));
    dome.setColorAt(1, QColor(255, 255, 255, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(dome);
    painter.drawEllipse(centre, 18, 18);
    return image;
}

QImage KnobPointer()
{
    // Room round the dot for its halo, which would otherwise be cut square.
    QImage image = NewImage(13, 13);
    QPainter painter(&image);
    PreparePainter(painter);
    DrawLed(painter, QPointF(6.5, 6.5), 2.2, palette::kAmber, true);
    return image;
}

void WriteKnob(const QString &appFolder)
{
    CDesignWriter writer(appFolder, design::kKnob);
    CDataCCD::CRotary &rotary = writer.Design().rotary;
    rotary.SetDialImage(writer.Folder(), writer.Save(KnobDial(), "knob_effect_dial.png"));
    rotary.SetCursorImage(writer.Folder(), writer.Save(KnobPointer(), "knob_effect_pointer.png"));
    rotary.angleMin = kKnobAngleMin;
    rotary.angleMax = kKnobAngleMax;
    rotary.radius = kKnobDotRadius;
    // An image pointer: the knob turns with the mouse's movement, not its angle.
    rotary.angleMode = false;
    writer.Write();
}

// ---- wheels

constexpr int kWheelSize = 80;
constexpr qreal kWheelWindow = 29; // radius of the window the frames show through

// The bezel every frame shows through: a knurled ring round a dark window.
QImage WheelBezel()
{
    QImage image = NewImage(kWheelSize, kWheelSize);
    QPainter painter(&image);
    PreparePainter(painter);
    const QPointF centre(kWheelSize / 2.0, kWheelSize / 2.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 170));
    painter.drawEllipse(centre + QPointF(0, 1.5), 39, 39);
    QConicalGradient ring(centre, 45);
    for (int i = 0; i <= 12; ++i)
        ring.setColorAt(i / 12.0, i % 2 ? QColor(0x33, 0x36, 0x3c) : QColor(0x5c, 0x61, 0x6a));
    painter.setBrush(ring);
    painter.drawEllipse(centre, 38.5, 38.5);
    painter.setPen(QPen(QColor(0, 0, 0, 110), 1.2));
    for (int tooth = 0; tooth < 60; ++tooth)
        painter.drawLine(Polar(centre, tooth * 6, 33.5), Polar(centre, tooth * 6, 38));
    painter.setPen(QPen(QColor(255, 255, 255, 40), 1));
    painter.setBrush(palette::kRecess);
    painter.drawEllipse(centre, kWheelWindow + 2, kWheelWindow + 2);
    return image;
}

// One frame: what the window shows, clipped to it, with the glass highlight on top.
template <typename Paint>
QImage WheelFrame(Paint paint)
{
    QImage image = NewImage(kWheelSize, kWheelSize);
    QPainter painter(&image);
    PreparePainter(painter);
    const QPointF centre(kWheelSize / 2.0, kWheelSize / 2.0);
    QPainterPath window;
    window.addEllipse(centre, kWheelWindow, kWheelWindow);
    painter.setClipPath(window);
    painter.fillRect(image.rect(), QColor(0x05, 0x05, 0x06));
    paint(painter, centre);
    QRadialGradient glass(centre - QPointF(10, 12), 34);
    glass.setColorAt(0, QColor(255, 255, 255, 45));
    glass.setColorAt(0.5, QColor(255, 255, 255, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glass);
    painter.drawEllipse(centre, kWheelWindow, kWheelWindow);
    return image;
}

// The light that passes a gobo: warm white fading towards the edge of the beam.
QBrush Beam(const QPointF &centre)
{
    QRadialGradient light(centre, kWheelWindow);
    light.setColorAt(0, Mix(palette::kWarmWhite, Qt::white, 0.6));
    light.setColorAt(0.8, palette::kWarmWhite);
    light.setColorAt(1, palette::kWarmWhite.darker(140));
    return light;
}

QPainterPath Star(const QPointF &centre, int points, qreal outer, qreal inner)
{
    QPainterPath path;
    for (int i = 0; i < points * 2; ++i) {
        const QPointF point = Polar(centre, 90 + i * 180.0 / points, i % 2 ? inner : outer);
        if (i == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    path.closeSubpath();
    return path;
}

// The slots of a gobo wheel, the open one last, so that a wheel at rest shows a pattern.
QList<QImage> GoboFrames()
{
    QList<QImage> frames;
    const auto shape = [&frames](auto path) {
        frames << WheelFrame([&](QPainter &painter, const QPointF &centre) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(Beam(centre));
            painter.drawPath(path(centre));
        });
    };
    shape([](const QPointF &c) { // dots
        QPainterPath p;
        p.setFillRule(Qt::WindingFill);
        p.addEllipse(c, 5, 5);
        for (int i = 0; i < 6; ++i)
            p.addEllipse(Polar(c, i * 60 + 30, 16), 5, 5);
        return p;
    });
    shape([](const QPointF &c) { return Star(c, 5, 25, 10); });
    shape([](const QPointF &c) { // bars
        QPainterPath p;
        for (int i = -2; i <= 2; ++i)
            p.addRect(QRectF(c.x() - 24, c.y() + i * 10 - 3, 48, 6));
        QPainterPath round;
        round.addEllipse(c, 25, 25);
        return p.intersected(round);
    });
    shape([](const QPointF &c) { return Star(c, 3, 25, 12.5); });
    shape([](const QPointF &c) { // break-up: the same leaves every time the sample is made
        std::mt19937 random(1977);
        QPainterPath p;
        p.setFillRule(Qt::WindingFill);
        for (int i = 0; i < 14; ++i) {
            const qreal angle = random() % 360;
            const qreal distance = 4 + random() % 19;
            const qreal size = 3 + random() % 5;
            p.addEllipse(Polar(c, angle, distance), size, size * 0.6);
        }
        return p;
    });
    shape([](const QPointF &c) { // ring
        QPainterPath p;
        p.addEllipse(c, 25, 25);
        p.addEllipse(c, 15, 15);
        return p;
    });
    shape([](const QPointF &c) { // flower
        QPainterPath p;
        p.setFillRule(Qt::WindingFill);
        for (int i = 0; i < 6; ++i) {
            QPainterPath petal;
            petal.addEllipse(QPointF(0, -13), 6.5, 12);
            p.addPath(QTransform().translate(c.x(), c.y()).rotate(i * 60).map(petal));
        }
        p.addEllipse(c, 5, 5);
        return p;
    });
    shape([](const QPointF &c) { // open
        QPainterPath p;
        p.addEllipse(c, 25, 25);
        return p;
    });
    return frames;
}

// The filters of a colour wheel, the open (white) slot last.
QList<QImage> ColourFrames()
{
    const QColor filters[] = {QColor(0xff, 0x26, 0x1f), QColor(0xff, 0x8c, 0x1a), QColor(0xff, 0xe1, 0x33),
                              QColor(0x2e, 0xe0, 0x4a), QColor(0x2e, 0xe6, 0xe6), QColor(0x2e, 0x5c, 0xff),
                              QColor(0xe6, 0x2e, 0xd9), palette::kWarmWhite};
    QList<QImage> frames;
    for (const QColor &filter : filters) {
        frames << WheelFrame([&filter](QPainter &painter, const QPointF &centre) {
            QRadialGradient glass(centre, kWheelWindow);
            glass.setColorAt(0, Mix(filter, Qt::white, 0.45));
            glass.setColorAt(0.75, filter);
            glass.setColorAt(1, filter.darker(170));
            painter.setPen(Qt::NoPen);
            painter.setBrush(glass);
            painter.drawEllipse(centre, 25, 25);
        });
    }
    return frames;
}

void WriteWheel(const QString &appFolder, const char *designName, const QString &stem, const QList<QImage> &frames)
{
    CDesignWriter writer(appFolder, designName);
    CDataCCD::CWheel &wheel = writer.Design().wheel;
    wheel.SetBackgroundImage(writer.Folder(), writer.Save(WheelBezel(), stem + "_bezel.png"));
    // The count comes first: the strip is cut into that many frames as it is loaded.
    wheel.imageCount = int(frames.size());
    wheel.SetStrip(writer.Folder(), writer.Save(Strip(frames), stem + "_frames.png"));
    writer.Write();
}

// ---- groups

// A recessed tray that holds the keys of a group.
QImage Tray(QSize size)
{
    QImage image = NewImage(size.width(), size.height());
    QPainter painter(&image);
    PreparePainter(painter);
    DrawPlate(painter, QRectF(0, 0, size.width(), size.height()), 6);
    DrawWell(painter, QRectF(4, 4, size.width() - 8, size.height() - 8), 4);
    return image;
}

QImage PageKey(QSize size, int page, bool on)
{
    QImage image = LedKey(size, palette::kGreen, on);
    QPainter painter(&image);
    PreparePainter(painter);
    DrawEngraved(painter, QRectF(0, 12, size.width(), size.height() - 14), QStringLiteral("PAGE %1").arg(page),
                 ArtFont(12), on ? Qt::white : palette::kMarking);
    return image;
}

void WriteScenePages(const QString &appFolder)
{
    // Four page keys side by side in one tray.
    const int pages = 4;
    const QSize key(62, 44);
    const int gap = 6, border = 8;
    const QSize tray(border * 2 + pages * key.width() + (pages - 1) * gap, border * 2 + key.height());
    CDesignWriter writer(appFolder, design::kScenePages);
    CDataCCD::CGroupButtons &group = writer.Design().groupButtons;
    group.SetBackgroundImage(true, writer.Folder(), writer.Save(Tray(tray), "pages_scene_tray.png"));
    group.SetButtonCount(pages);
    for (int i = 0; i < pages; ++i) {
        CDataCCD::CGroupButtons::CBut &button = *group.Button(i);
        button.button = QRect(QPoint(border + i * (key.width() + gap), border), key);
        button.image = button.button;
        button.label = button.button;
        const QString stem = QStringLiteral("pages_scene_%1").arg(i + 1);
        group.SetButtonImage(i, false, writer.AppFolder(), writer.Save(PageKey(key, i + 1, false), stem + "_off.png"), {});
        group.SetButtonImage(i, true, writer.AppFolder(), writer.Save(PageKey(key, i + 1, true), stem + "_on.png"), {});
    }
    writer.Write();
}

struct CColourPreset
{
    const char *name;
    QColor colour;
};

// A key with a filter swatch above the colour's name.
QImage PresetKey(QSize size, const CColourPreset &preset, bool on)
{
    QImage image = NewImage(size.width(), size.height());
    QPainter painter(&image);
    PreparePainter(painter);
    const QRectF key(1, 1, size.width() - 2, size.height() - 2);
    DrawKey(painter, key, 5, on, preset.colour.darker(on ? 160 : 100));
    const QRectF swatch(8, 7, size.width() - 16, 12);
    if (on)
        DrawGlow(painter, swatch, 3, preset.colour, 4);
    painter.setPen(QPen(QColor(0, 0, 0, 200), 1));
    QLinearGradient filter(swatch.topLeft(), swatch.bottomLeft());
    filter.setColorAt(0, Mix(preset.colour, Qt::white, on ? 0.55 : 0.2));
    filter.setColorAt(1, on ? preset.colour : preset.colour.darker(220));
    painter.setBrush(filter);
    painter.drawRoundedRect(swatch, 3, 3);
    DrawEngraved(painter, QRectF(0, 22, size.width(), size.height() - 26), QString::fromLatin1(preset.name),
                 ArtFont(11), on ? Qt::white : palette::kMarking);
    return image;
}

void WriteColourPresets(const QString &appFolder)
{
    const CColourPreset presets[] = {
        {"RED", QColor(0xff, 0x2e, 0x26)},  {"AMBER", QColor(0xff, 0x9a, 0x1f)}, {"GREEN", QColor(0x2e, 0xe0, 0x4a)},
        {"CYAN", QColor(0x2e, 0xe6, 0xe6)}, {"BLUE", QColor(0x33, 0x66, 0xff)},  {"WHITE", QColor(0xf4, 0xf0, 0xe8)},
    };
    const int columns = 3, rows = 2;
    const QSize key(64, 46);
    const int gap = 6, border = 8;
    const QSize tray(border * 2 + columns * key.width() + (columns - 1) * gap,
                     border * 2 + rows * key.height() + (rows - 1) * gap);
    CDesignWriter writer(appFolder, design::kColourPresets);
    CDataCCD::CGroupButtons &group = writer.Design().groupButtons;
    group.SetBackgroundImage(true, writer.Folder(), writer.Save(Tray(tray), "presets_colour_tray.png"));
    group.SetButtonCount(int(std::size(presets)));
    for (int i = 0; i < int(std::size(presets)); ++i) {
        CDataCCD::CGroupButtons::CBut &button = *group.Button(i);
        const QPoint at(border + (i % columns) * (key.width() + gap), border + (i / columns) * (key.height() + gap));
        button.button = QRect(at, key);
        button.image = button.button;
        button.label = button.button;
        const QString stem = QStringLiteral("presets_colour_%1").arg(QString::fromLatin1(presets[i].name).toLower());
        group.SetButtonImage(i, false, writer.AppFolder(), writer.Save(PresetKey(key, presets[i], false), stem + "_off.png"),
                             {});
        group.SetButtonImage(i, true, writer.AppFolder(), writer.Save(PresetKey(key, presets[i], true), stem + "_on.png"),
                             {});
    }
    writer.Write();
}

// The amber read-out of the bank stepper.
QImage BankDisplay(QSize size, int bank)
{
    QImage image = NewImage(size.width(), size.height());
    QPainter painter(&image);
    PreparePainter(painter);
    const QRectF glass(0.5, 0.5, size.width() - 1, size.height() - 1);
    painter.setPen(QPen(QColor(0, 0, 0), 1));
    QLinearGradient tint(glass.topLeft(), glass.bottomLeft());
    tint.setColorAt(0, QColor(0x22, 0x16, 0x08));
    tint.setColorAt(1, QColor(0x12, 0x0b, 0x04));
    painter.setBrush(tint);
    painter.drawRoundedRect(glass, 3, 3);
    const QFont font = ArtFont(16);
    const QString text = QStringLiteral("BANK %1").arg(bank);
    QImage glow = NewImage(size.width(), size.height());
    {
        QPainter halo(&glow);
        PreparePainter(halo);
        halo.setFont(font);
        halo.setPen(palette::kAmber);
        halo.drawText(QRectF(0, 0, size.width(), size.height()), Qt::AlignCenter, text);
    }
    painter.setOpacity(0.8);
    painter.drawImage(0, 0, Blurred(glow, 3));
    painter.setOpacity(1);
    painter.setFont(font);
    painter.setPen(Mix(palette::kAmber, Qt::white, 0.25));
    painter.drawText(QRectF(0, 0, size.width(), size.height()), Qt::AlignCenter, text);
    // Glass reflection over the upper half.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 14));
    painter.drawRoundedRect(QRectF(2, 2, size.width() - 4, size.height() / 2.0 - 2), 2, 2);
    return image;
}

// A plus or minus key.
QImage StepKey(QSize size, bool plus, bool on)
{
    QImage image = NewImage(size.width(), size.height());
    QPainter painter(&image);
    PreparePainter(painter);
    DrawKey(painter, QRectF(1, 1, size.width() - 2, size.height() - 2), 6, on, palette::kAmber);
    const QPointF centre(size.width() / 2.0, size.height() / 2.0 - (on ? 0 : 0.5));
    const qreal arm = size.width() * 0.22;
    // The sign, over its shadow one pixel lower.
    const QColor sign = on ? QColor(Qt::white) : palette::kMarking;
    for (const auto &[colour, drop] : {std::pair{QColor(0, 0, 0, 170), 1.0}, std::pair{sign, 0.0}}) {
        painter.setPen(QPen(colour, 3, Qt::SolidLine, Qt::RoundCap));
        const QPointF c = centre + QPointF(0, drop);
        painter.drawLine(c - QPointF(arm, 0), c + QPointF(arm, 0));
        if (plus)
            painter.drawLine(c - QPointF(0, arm), c + QPointF(0, arm));
    }
    return image;
}

void WriteBankStepper(const QString &appFolder)
{
    const int banks = 4;
    const QSize tray(184, 56), key(36, 36), display(84, 36);
    CDesignWriter writer(appFolder, design::kBankStepper);
    CDataCCD::CGroupIncDec &group = writer.Design().groupIncDec;
    group.SetBackgroundImage(false, writer.Folder(), writer.Save(Tray(tray), "stepper_bank_tray.png"));
    QList<QImage> frames;
    for (int bank = 1; bank <= banks; ++bank)
        frames << BankDisplay(display, bank);
    group.displayImageCount = banks;
    group.SetDisplayStrip(writer.Folder(), writer.Save(Strip(frames), "stepper_bank_display.png"));
    group.displayX = (tray.width() - display.width()) / 2;
    group.displayY = (tray.height() - display.height()) / 2;
    group.decX = 9;
    group.decY = group.displayY;
    group.incX = tray.width() - 9 - key.width();
    group.incY = group.displayY;
    group.SetDecImage(false, writer.Folder(), writer.Save(StepKey(key, false, false), "stepper_bank_minus_off.png"));
    group.SetDecImage(true, writer.Folder(), writer.Save(StepKey(key, false, true), "stepper_bank_minus_on.png"));
    group.SetIncImage(false, writer.Folder(), writer.Save(StepKey(key, true, false), "stepper_bank_plus_off.png"));
    group.SetIncImage(true, writer.Folder(), writer.Save(StepKey(key, true, true), "stepper_bank_plus_on.png"));
    writer.Write();
}

} // namespace

void WriteDesigns(const QString &appFolder)
{
    QDir().mkpath(korvane::CAppFolders(appFolder).DesignFolder());
    WriteLedButton(appFolder, design::kButtonAmber, QStringLiteral("button_amber"), palette::kAmber);
    WriteLedButton(appFolder, design::kButtonBlue, QStringLiteral("button_blue"), palette::kBlue);
    WriteLedButton(appFolder, design::kButtonRed, QStringLiteral("button_red"), palette::kRed);
    WriteGoButton(appFolder);
    WriteVerticalFader(appFolder, design::kFaderChannel, QStringLiteral("fader_channel"), QColor(0xf0, 0xf0, 0xf0));
    WriteVerticalFader(appFolder, design::kFaderMaster, QStringLiteral("fader_master"), palette::kRed);
    WriteCrossfader(appFolder);
    WriteKnob(appFolder);
    WriteWheel(appFolder, design::kWheelGobo, QStringLiteral("wheel_gobo"), GoboFrames());
    WriteWheel(appFolder, design::kWheelColour, QStringLiteral("wheel_colour"), ColourFrames());
    WriteScenePages(appFolder);
    WriteColourPresets(appFolder);
    WriteBankStepper(appFolder);
}

} // namespace samples
