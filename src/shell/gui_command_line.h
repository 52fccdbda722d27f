// The editor's command line, `korvane [--app-folder DIR] [--open FILE] [-lang=N]`, and what
// start-up does with it before any window exists.
#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

#include "shell/instance_channel.h"

namespace korvane {

// The command line as read. A file named without --open is ignored, as are other switches
// with one dash (the language switch is found in the whole line), and so is an --open that
// names no file (a desktop entry's "--open %f" started without one).
struct GuiCommandLine
{
    QString appFolderOption;     // --app-folder DIR, as given; empty without
    QString fileToOpen;          // --open FILE, made absolute; empty without
    std::optional<int> language; // "-lang=N" (see LanguageFromCommandLine)
    bool helpRequested = false;  // --help or -h
    QString error;               // what is wrong with the line; empty when nothing is
};

// Reads `arguments` (the program name first). A relative FILE is taken from `currentFolder`,
// the folder the program was started in, before start-up moves into the application folder.
GuiCommandLine ParseGuiCommandLine(const QStringList &arguments, const QString &currentFolder);

QString GuiUsage();

// The outcome of StartGui.
struct GuiStart
{
    GuiCommandLine commandLine;
    QString appFolder;                                 // prepared; also the current folder
    std::unique_ptr<CInstanceChannel> instanceChannel; // for appFolder, not listening yet
    std::optional<int> exitCode;                       // when set, main returns it at once
};

// What main does first, once the application object exists:
// 1. reads the command line; --help prints the usage (exit 0), a usage error prints the
//    reason and the usage on stderr (exit 2);
// 2. fixes the application folder (--app-folder, KORVANE_HOME, the executable's folder,
//    the default folder);
// 3. with --open FILE, hands FILE to an instance already running for this user and folder,
//    and then exits 0 when it opened it, or 1 with the reason on stderr when it refused it;
// 4. fills the default folder with the bundled samples the first time, prepares the
//    application folder (the current folder from now on) and its crash folders, and installs
//    the crash handler.
// Then main gives instanceChannel the handler that opens a console, calls Listen(), and opens
// commandLine.fileToOpen once its main frame is shown.
GuiStart StartGui(const QStringList &arguments);

} // namespace korvane
