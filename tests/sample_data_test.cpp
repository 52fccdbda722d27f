// The bundled sample folder: its designs and consoles read and write back byte for byte with
// the editor's readers and writers, every design a console names is found, controls lie on
// the console, and no MIDI message or DMX address drives two controls at once.
#include <QDir>
#include <QTemporaryDir>

#include <set>

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

QStringList FilesOf(const QString &folder, const QString &pattern)
{
    QStringList paths;
    for (const QString &name : QDir(folder).entryList({pattern}, QDir::Files, QDir::Name))
        paths << QDir(folder).filePath(name);
    return paths;
}

// One MIDI record or DMX address of a control, with the page it answers on: `group` is the
// group whose page `page` it belongs to, or null for a control that answers on every page.
struct CBindingUse
{
    const CCtrl__Base *control;
    const CCtrl__Base *group;
    int page;
    const CMidiData *midi;
    const CDmxData *dmx;
};

bool SameMessage(const CMidiData &a, const CMidiData &b)
{
    const auto isNote = [](int status) { return status == kStatusNoteOnOff || status == kStatusNoteOn || status == kStatusNoteOff; };
    const bool status = a.status == kStatusAny || b.status == kStatusAny || a.status == b.status ||
                        (isNote(a.status) && isNote(b.status));
    const bool channel = a.channel == -1 || b.channel == -1 || a.channel == b.channel;
    return a.command == b.command && status && channel;
}

// Two uses clash unless they lie on different pages of the same group.
bool Clash(const CBindingUse &a, const CBindingUse &b)
{
    if (a.group && a.group == b.group && a.page != b.page)
        return false;
    if (a.midi && b.midi)
        return SameMessage(*a.midi, *b.midi);
    return a.dmx && b.dmx && *a.dmx == *b.dmx;
}

std::vector<CBindingUse> BindingUses(const CConsoleData &console)
{
    std::vector<CBindingUse> uses;
    for (const auto &control : console.Controls()) {
        const bool isGroup = control->Kind() == kCtrlGroupButtons || control->Kind() == kCtrlGroupIncDec;
        const CCtrl__Base *group = control->ParentGroup() ? control->ParentGroup() : isGroup ? control.get() : nullptr;
        const int pages = group ? group->PageCount() : 1;
        for (int page = 0; page < pages; ++page) {
            const CBindingSet &set = control->Bindings()[page];
            for (const CMidiData *midi : {&set.midi, &set.midiDecrement})
                if (!midi->IsEmpty())
                    uses.push_back({control.get(), group, page, midi, nullptr});
            for (const CDmxData *dmx : {&set.dmx, &set.dmxDecrement})
                if (!dmx->IsEmpty())
                    uses.push_back({control.get(), group, page, nullptr, dmx});
        }
    }
    return uses;
}

} // namespace

TEST(SampleDataTest, DesignsReadAndWriteBackUnchangedAndCoverEveryPart)
{
    const QString folder = korvane::CAppFolders(kAppFolder).DesignFolder() + u'/';
    const QStringList designs = FilesOf(folder, QStringLiteral("*.ccd"));
    ASSERT_GE(designs.size(), 6);
    QTemporaryDir out;
    std::set<std::string> parts;
    for (const QString &path : designs) {
        SCOPED_TRACE(path.toStdString());
        CDataCCD design;
        design.AllocateNames();
        ASSERT_TRUE(design.LoadFile(path, {folder, folder}));
        EXPECT_TRUE(design.MissingImages().isEmpty()) << design.MissingImages().join(", ").toStdString();
        ASSERT_TRUE(design.WriteFile(out.filePath("copy.ccd")));
        EXPECT_EQ(ReadBytes(out.filePath("copy.ccd")), ReadBytes(path));
        const std::pair<const char *, bool> present[] = {
            {"button", design.button.IsPresent()},       {"rotary", design.rotary.IsPresent()},
            {"horizontal", design.sliderHorz.IsPresent()}, {"vertical", design.sliderVert.IsPresent()},
            {"wheel", design.wheel.IsPresent()},         {"incdec", design.groupIncDec.IsPresent()},
            {"buttons", design.groupButtons.IsPresent() && design.groupButtons.ButtonCount() > 1}};
        for (const auto &[part, isPresent] : present)
            if (isPresent)
                parts.insert(part);
    }
    EXPECT_EQ(parts.size(), 7u);
}

TEST(SampleDataTest, ConsolesReadAndWriteBackUnchangedWithEveryDesignFound)
{
    korvane::test::CRecordingSink sink;
    CDesignList library;
    FillDesignLibrary(library, kAppFolder);
    const QStringList consoles = FilesOf(korvane::CAppFolders(kAppFolder).ConsoleFolder(), QStringLiteral("*.csl2"));
    ASSERT_GE(consoles.size(), 3);
    QTemporaryDir out;
    std::set<int> kinds;
    for (const QString &path : consoles) {
        SCOPED_TRACE(path.toStdString());
        CConsoleData console(&library);
        ASSERT_TRUE(ReadConsoleFile(console, path, kAppFolder));
        for (const korvane::test::RecordedMessage &message : sink.messages)
            ADD_FAILURE() << message.text.toStdString();
        sink.messages.clear();
        ASSERT_TRUE(WriteConsoleFile(console, out.filePath("copy.csl2")));
        EXPECT_EQ(ReadBytes(out.filePath("copy.csl2")), ReadBytes(path));

        const QRect surface(0, 0, console.settings.width, console.settings.height);
        for (const auto &picture : console.Pictures()) {
            kinds.insert(picture->Kind());
            EXPECT_NE(picture->Picture(), nullptr) << picture->PictureName().toStdString();
            EXPECT_TRUE(surface.contains(picture->Rect())) << picture->PictureName().toStdString();
        }
        for (const auto &control : console.Controls()) {
            kinds.insert(control->Kind());
            const std::string name = control->Tag() + (" " + control->Label(0).toStdString());
            EXPECT_TRUE(control->DesignName().isEmpty() || control->Design()) << name;
            EXPECT_TRUE(surface.contains(control->Rect())) << name;
        }
        const std::vector<CBindingUse> uses = BindingUses(console);
        for (std::size_t i = 0; i < uses.size(); ++i)
            for (std::size_t j = i + 1; j < uses.size(); ++j)
                EXPECT_FALSE(Clash(uses[i], uses[j]))
                    << uses[i].control->Tag() << " " << uses[i].control->Label(uses[i].page).toStdString() << " and "
                    << uses[j].control->Tag() << " " << uses[j].control->Label(uses[j].page).toStdString();
    }
    EXPECT_EQ(kinds.size(), std::size_t(kCtrlKindCount));
}
