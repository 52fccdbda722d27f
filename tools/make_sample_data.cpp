// make_sample_data: writes the bundled sample application folder (data/ in the source tree),
// the folder a newcomer's first run copies: its control designs with their artwork, the
// console background and pictures, and three sample consoles.
//
//   make_sample_data DIR
//
// Everything is drawn and built here and written by the editor's own writers, so the files
// are exactly those the editor would save. Running it again gives the same bytes.
#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

#include <exception>

#include "core/folders.h"
#include "sample_data.h"

namespace {

// Files of the kinds this program writes; others in the folders are left alone.
void RemovePreviousOutput(const QString &appFolder)
{
    const korvane::CAppFolders folders(appFolder);
    const QStringList patterns{"*.png", "*.bmp", "*.ccd", "*.csl2"};
    for (const QString &folder : {folders.ConsoleFolder(), folders.DesignFolder(), folders.BackgroundFolder()}) {
        QDir dir(folder);
        for (const QString &file : dir.entryList(patterns, QDir::Files))
            dir.remove(file);
    }
}

} // namespace

int main(int argc, char **argv)
{
    // Drawing text needs a GUI application, not a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 2) {
        QTextStream(stderr) << "usage: make_sample_data DIR   (DIR: the application folder to fill, data/)"
                            << Qt::endl;
        return 2;
    }
    const QString appFolder = QDir(arguments.at(1)).absolutePath();
    try {
        RemovePreviousOutput(appFolder);
        samples::WriteDesigns(appFolder);
        samples::WritePictures(appFolder);
        samples::WriteConsoles(appFolder);
    } catch (const std::exception &error) {
        QTextStream(stderr) << "make_sample_data: " << error.what() << Qt::endl;
        return 1;
    }
    return 0;
}
