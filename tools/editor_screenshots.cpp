// editor_screenshots: the pictures of the editor in the README, taken from the real main
// window on the bundled sample folder, as a user would see it after a few steps.
//   editor_screenshots DATA_FOLDER OUTPUT_FOLDER
#include <QApplication>
#include <QDir>
#include <QDockWidget>
#include <QPainter>
#include <QTextStream>

#include "core/folders.h"
#include "editor/korvane_app.h"
#include "design/design_list.h"
#include "editor/command_table.h"
#include "editor/edit_cursors.h"
#include "editor/korvane_view.h"
#include "editor/main_frame.h"
#include "model/korvane_doc.h"
#include "properties/midi_learn_dialog.h"

using namespace korvane;

namespace {

bool Write(const QPixmap &shot, const QString &path)
{
    const bool saved = shot.save(path);
    QTextStream(stdout) << (saved ? "wrote " : "could not write ") << path << Qt::endl;
    return saved;
}

// `pointer`: where the pointer is drawn (a grab leaves it out), null for none.
bool Save(QWidget &window, const QString &path, const QCursor *pointer = nullptr, QPoint at = QPoint())
{
    QApplication::processEvents();
    QPixmap shot = window.grab();
    if (pointer) {
        QPainter painter(&shot);
        painter.drawPixmap(at - pointer->hotSpot(), pointer->pixmap());
    }
    return Write(shot, path);
}

// `window` with `dialog` over it at `at` (a grab of the window leaves other windows out), in
// a thin frame as a window manager would draw one.
bool SaveWithDialog(QWidget &window, QWidget &dialog, QPoint at, const QString &path)
{
    QApplication::processEvents();
    QPixmap shot = window.grab();
    QPainter painter(&shot);
    const QPixmap face = dialog.grab();
    painter.drawPixmap(at, face);
    painter.setPen(window.palette().color(QPalette::Highlight));
    painter.drawRect(QRect(at, face.size()).adjusted(-1, -1, 0, 0));
    painter.end();
    return Write(shot, path);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 3) {
        QTextStream(stderr) << "usage: editor_screenshots DATA_FOLDER OUTPUT_FOLDER" << Qt::endl;
        return 2;
    }
    const QString data = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    const QString out = QString::fromLocal8Bit(argv[2]);
    ApplyDarkStyle(app);
    dataConsole::CDesignList library;
    dataConsole::FillDesignLibrary(library, data);
    QImage background(CAppFolders(data).DefaultBackgroundImage());

    CMainFrame frame(data, &library);
    frame.SetBackgroundImage(background);
    frame.resize(1600, 1000);
    frame.show();
    CChildFrame *console = frame.OpenConsole(CAppFolders(data).ConsoleFolder() + QStringLiteral("/Club Night.csl2"));
    if (!console)
        return 1;
    frame.OpenConsole(CAppFolders(data).ConsoleFolder() + QStringLiteral("/Theatre Desk.csl2"));
    frame.Tabs().setCurrentWidget(console);

    // A few faders selected, the primary last, as before an alignment.
    CCtrlConsole &canvas = console->View().Canvas();
    CKorvaneDoc &doc = console->Document();
    std::vector<dataConsole::CCtrl__Base *> faders;
    for (auto &control : doc.Console().Controls()) {
        if (control->Kind() == dataConsole::kCtrlFaderVert && faders.size() < 4)
            faders.push_back(control.get());
    }
    doc.SetSelection(faders);
    frame.UpdateCommandStates();
    bool ok = Save(frame, out + QStringLiteral("/editor_selection.png"));

    // A wheel waiting to be placed, and one control moved with the arrow keys.
    doc.SetSelection({faders.front()});
    frame.RunCommand(kIdCreateWheel);
    const QCursor pointer = PlacementCursor(dataConsole::kCtrlWheel);
    const QPoint spot = canvas.mapTo(&frame, QPoint(860, 520));
    ok = Save(frame, out + QStringLiteral("/editor_placing.png"), &pointer, spot) && ok;
    frame.RunCommand(kIdSelect);

    // The property panel, the whole height of the window: one fader's properties, then the
    // console's with nothing selected.
    frame.PreviewPane().hide();
    doc.SetSelection({faders.front()});
    ok = Save(frame.PropertiesPane(), out + QStringLiteral("/panel_fader.png")) && ok;
    doc.SetSelection({});
    ok = Save(frame.PropertiesPane(), out + QStringLiteral("/panel_console.png")) && ok;

    // The learn dialog over the editor, as a right click on a fader in the preview opens it.
    frame.PreviewPane().show();
    doc.SetSelection({faders[1]});
    CMidiWaitDataDlg learn(&frame);
    learn.adjustSize();
    learn.show();
    const QPoint centre = frame.PreviewPane().mapTo(&frame, frame.PreviewPane().rect().center());
    ok = SaveWithDialog(frame, learn, centre - QPoint(learn.width() / 2, learn.height() / 2),
                        out + QStringLiteral("/learn_dialog.png")) &&
         ok;
    learn.hide();
    doc.SetModified(false);
    return ok ? 0 : 1;
}
