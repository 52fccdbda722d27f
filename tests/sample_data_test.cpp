// The bundled sample folder: its designs and consoles write back byte for byte, every image and
// design they name is found, all lies on its console, and no two controls share a MIDI message or DMX address.
#include <QDir>
#include <QTemporaryDir>

#include "core/folders.h"
#include "design/data_ccd.h"
#include "design/design_list.h"
#include "model/console_data.h"
#include "model/console_file.h"
#include "test_support.h"

using namespace dataConsole;
using korvane::test::ReadBytes;

namespace {

const QString kAppFolder = QStringLiteral(KORVANE_SOURCE_DIR "/data");

// One MIDI record or DMX address of a control, with the page it answers on: page `page` of
// `group`, the control's group or, outside groups, the control itself.
struct CBindingUse
{
    std::string control;
    const CCtrl__Base *group;
    int page;
    const CMidiData *midi;
    const CDmxData *dmx;
};

// Two uses clash when one message or one address drives both, unless they lie on different
// pages of one group. A key sends a note on and a note off, so the note statuses all meet.
bool Clash(const CBindingUse &a, const CBindingUse &b)
{
    if (a.group == b.group && a.page != b.page)
        return false;
    if (!a.midi || !b.midi)
        return a.dmx && b.dmx && *a.dmx == *b.dmx;
    const CMidiData &x = *a.midi;
    const CMidiData &y = *b.midi;
    const auto isNote = [](int s) { return s == kStatusNoteOnOff || s == kStatusNoteOn || s == kStatusNoteOff; };
    const bool status = x.status == kStatusAny || y.status == kStatusAny || x.status == y.status ||
                        (isNote(x.status) && isNote(y.status));
    return x.command == y.command && status && (x.channel == -1 || y.channel == -1 || x.channel == y.channel);
}

std::vector<CBindingUse> BindingUses(const CConsoleData &console)
{
    std::vector<CBindingUse> uses;
    for (const auto &control : console.Controls()) {
        const CCtrl__Base *group = control->ParentGroup() ? control->ParentGroup() : control.get();
        for (int page = 0; page < group->PageCount(); ++page) {
            const std::string name = control->Tag() + (" " + control->Label(page).toStdString());
            const CBindingSet &set = control->Bindings()[page];
            for (const CMidiData *midi : {&set.midi, &set.midiDecrement})
                if (!midi->IsEmpty())
                    uses.push_back({name, group, page, midi, nullptr});
            for (const CDmxData *dmx : {&set.dmx, &set.dmxDecrement})
                if (!dmx->IsEmpty())
                    uses.push_back({name, group, page, nullptr, dmx});
        }
    }
    return uses;
}

} // namespace

TEST(SampleDataTest, DesignsAndConsolesWriteBackUnchangedWithAllTheyNameFoundAndNoClashes)
{
    korvane::test::CRecordingSink sink;
    const korvane::CAppFolders folders(kAppFolder);
    const QString designFolder = folders.DesignFolder() + u'/';
    const QFileInfoList designs = QDir(designFolder).entryInfoList({QStringLiteral("*.ccd")}, QDir::Files);
    ASSERT_GE(designs.size(), 6);
    QTemporaryDir out;
    for (const QFileInfo &file : designs) {
        SCOPED_TRACE(file.fileName().toStdString());
        CDataCCD design;
        design.AllocateNames();
        ASSERT_TRUE(design.LoadFile(file.filePath(), {designFolder, designFolder}));
        EXPECT_TRUE(design.MissingImages().isEmpty()) << design.MissingImages().join(", ").toStdString();
        ASSERT_TRUE(design.WriteFile(out.filePath("copy.ccd")));
        EXPECT_EQ(ReadBytes(out.filePath("copy.ccd")), ReadBytes(file.filePath()));
    }

    CDesignList library;
    FillDesignLibrary(library, kAppFolder);
    const QFileInfoList consoles = QDir(folders.ConsoleFolder()).entryInfoList({QStringLiteral("*.csl2")}, QDir::Files);
    ASSERT_GE(consoles.size(), 3);
    for (const QFileInfo &file : consoles) {
        SCOPED_TRACE(file.fileName().toStdString());
        CConsoleData console(&library);
        ASSERT_TRUE(ReadConsoleFile(console, file.filePath(), kAppFolder));
        ASSERT_TRUE(WriteConsoleFile(console, out.filePath("copy.csl2")));
        EXPECT_EQ(ReadBytes(out.filePath("copy.csl2")), ReadBytes(file.filePath()));

        const QRect surface(0, 0, console.settings.width, console.settings.height);
        for (const auto &picture : console.Pictures())
            EXPECT_TRUE(picture->Picture() && surface.contains(picture->Rect())) << qPrintable(picture->PictureName());
        for (const auto &control : console.Controls())
            EXPECT_TRUE((control->DesignName().isEmpty() || control->Design()) && surface.contains(control->Rect()))
                << control->Tag() << " " << qPrintable(control->Label(0));
        const std::vector<CBindingUse> uses = BindingUses(console);
        for (std::size_t i = 0; i < uses.size(); ++i)
            for (std::size_t j = i + 1; j < uses.size(); ++j)
                EXPECT_FALSE(Clash(uses[i], uses[j])) << uses[i].control << " and " << uses[j].control;
    }
    for (const korvane::test::RecordedMessage &message : sink.messages)
        ADD_FAILURE() << qPrintable(message.file) << ": " << qPrintable(message.text);
}
