// Learning a binding from the preview through a real MIDI service: the first message a surface
// plays while the dialog waits becomes the binding; once it has closed, messages play the console.
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "design/data_ccd.h"
#include "editor/dock_preview.h"
#include "model/ctrl_factory.h"
#include "model/korvane_doc.h"
#include "properties/midi_learn_dialog.h"
#include "jack_midi_support.h"

using namespace korvane;
using namespace korvane::test;
using namespace dataConsole;

namespace {

// Right-clicks console point `at` in `preview` and gives the learn dialog to `whileShown` once it
// shows. A dialog open for ten seconds is closed: a lost message fails, not hangs.
void RightClickAndLearn(CDockPreview &preview, QPoint at, const std::function<void(QDialog &)> &whileShown)
{
    QElapsedTimer open;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto *dialog = qobject_cast<CMidiWaitDataDlg *>(QApplication::activeModalWidget());
        if (dialog && !open.isValid()) {
            open.start();
            whileShown(*dialog);
        } else if (dialog && open.elapsed() > 10000) {
            dialog->close();
        }
    });
    poll.start(5);
    QTest::mouseClick(preview.widget(), Qt::RightButton, {}, at + QPoint(10, 10));
    EXPECT_TRUE(open.isValid()) << "no learn dialog";
}

} // namespace

TEST_F(JackMidiTest, LearntFromThePreviewTheFirstMessageIsTheBindingOfThePageShownAndThenPlaysTheConsole)
{
    Sender surface("surface");
    const auto devices = midi::OpenEveryMidiInPort(RtMidi::UNIX_JACK, &HandleMidiShortMessage);
    MainThreadLog log;
    ASSERT_TRUE(Settle([&](const Bytes &bytes) { surface.Send(bytes); }, log));
    CDataCCD design;
    design.groupIncDec.displayImageCount = 2;
    CKorvaneDoc doc{QString(), nullptr};
    CMidiInDispatcher toConsole{[&](const MidiInMessage &m) { doc.ApplyMidiInput(m.command, m.channel, m.type, m.value); }};
    CCtrl__Base *group = doc.Console().AddControl(CreateControl(kCtrlGroupIncDec, &doc.Console(), nullptr, nullptr));
    group->SetDesign(&design);
    group->SetValue(1);
    CCtrl__Base *fader = doc.Console().AddControl(CreateControl(kCtrlFaderVert, &doc.Console(), nullptr, group));
    CCtrl__Base *button = doc.Console().AddControl(CreateControl(kCtrlButton, &doc.Console(), nullptr, nullptr));
    fader->SetRect(QRect(20, 20, 30, 100));
    button->SetRect(QRect(100, 20, 80, 40));
    CDockPreview preview;
    preview.SetDocument(&doc);
    preview.show();

    // A program change on channel 3, for the fader on page 1 of its group: there and nowhere else.
    RightClickAndLearn(preview, {30, 30}, [&](QDialog &) { surface.Send({0xC2, 5}); });
    EXPECT_EQ(fader->Bindings()[1].midi, (CMidiData{.command = 0, .channel = 2, .status = kStatusProgramChange}));
    EXPECT_EQ(fader->Bindings()[0], CBindingSet());
    // The dialog has gone: the next message plays the console, through the main thread.
    surface.Send({0xC2, 100});
    EXPECT_TRUE(WaitFor([&] { return fader->ValueAt(1) == 100; })) << fader->ValueAt(1);

    // A note on with velocity 0 learns note on or off; Cancel then learns nothing.
    RightClickAndLearn(preview, {110, 30}, [&](QDialog &) { surface.Send({0x90, 60, 0}); });
    const CMidiData noteOnOff{.command = 60, .channel = 0, .status = kStatusNoteOnOff};
    EXPECT_EQ(button->Bindings()[0].midi, noteOnOff);
    RightClickAndLearn(preview, {110, 30}, [](QDialog &dialog) {
        QTest::mouseClick(dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Cancel), Qt::LeftButton);
    });
    EXPECT_EQ(button->Bindings()[0].midi, noteOnOff);
    EXPECT_EQ(doc.UndoStack().count(), 2);
}

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return RunJackTests<QApplication>(argc, argv);
}
