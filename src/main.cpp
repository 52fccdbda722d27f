// korvane: the console editor.
#include <QApplication>
#include <QIcon>

#include "shell/gui_command_line.h"
#include "editor/korvane_app.h"
#include "editor/main_frame.h"

using namespace korvane;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Korvane"));
    QApplication::setApplicationDisplayName(QStringLiteral("Korvane"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/korvane.svg")));

    // The command line, the application folder, the hand-over of --open FILE to an editor
    // already running, the first-run samples and the crash reports.
    GuiStart start = StartGui(QApplication::arguments());
    if (start.exitCode)
        return *start.exitCode;

    CKorvaneApp korvane;
    if (!korvane.InitInstance(app, start.appFolder, start.commandLine.language))
        return 1;
    CMainFrame *frame = korvane.MainFrame();
    // Files handed over by `korvane --open FILE` started later, by the desktop or a shell: each
    // is answered before the user is shown anything.
    start.instanceChannel->SetRequestHandler([frame](const QString &path) {
        QString refusal;
        frame->OpenConsole(path, false, &refusal);
        frame->raise();
        frame->activateWindow();
        return refusal;
    });
    start.instanceChannel->Listen();
    if (!start.commandLine.fileToOpen.isEmpty())
        frame->OpenConsole(start.commandLine.fileToOpen);
    return app.exec();
}
