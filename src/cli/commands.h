// The commands of korvane-cli. Each returns the process exit code.
#pragma once

#include <QCommandLineParser>
#include <QStringList>
#include <QTextStream>

#include "design/design_list.h"

namespace korvane::cli {

enum ExitCode { kExitOk = 0, kExitRefusedInput = 1, kExitUsage = 2 };

inline constexpr int kOneOrMore = -1;

struct Command
{
    const char *name;
    const char *arguments; // shown in the usage
    const char *summary;
    int positionalCount;   // arguments after the command's name; kOneOrMore for a list
    int (*run)(const QCommandLineParser &parser, const QStringList &arguments);
};

// Every command, in the order the usage lists them.
const QList<Command> &Commands();

// The options of the MIDI commands, added to the one parser of every command.
void AddMidiOptions(QCommandLineParser &parser);
int RunMidiPorts(const QCommandLineParser &parser, const QStringList &arguments);
int RunMidiMonitor(const QCommandLineParser &parser, const QStringList &arguments);

int RunXmlRoundTrip(const QCommandLineParser &parser, const QStringList &arguments);
int RunResave(const QCommandLineParser &parser, const QStringList &arguments);
// resave of a console file (.csl2), as the editor opens it.
int RunResaveConsole(const QCommandLineParser &parser, const QStringList &arguments);
int RunRender(const QCommandLineParser &parser, const QStringList &arguments);

// check of design files (.ccd) and console files (.csl2).
int RunCheck(const QCommandLineParser &parser, const QStringList &arguments);
// check of one console file, read as the editor opens it: one "FILE: warning: ..." line per
// finding on `out`; false when the file is refused.
// The application's design library, read once for all the consoles of a command.
dataConsole::CDesignList LoadDesignLibrary(const QString &appFolder);
bool CheckConsole(QTextStream &out, const QString &appFolder, const dataConsole::CDesignList &library,
                  const QString &path);

} // namespace korvane::cli
