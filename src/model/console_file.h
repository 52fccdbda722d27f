// The console file (".csl2"): reading it into console data and writing it back.
#pragma once

#include <QString>

#include <string>

namespace dataConsole {

class CConsoleData;
class CCtrlHost;

// Reads the console file at `path` into `console`, as the editor opens it: a console outside
// the application's console folder first gets the designs of the "_ccd" folder beside it;
// pictures come from the "_background" folder beside it; controls are drawn in `host`.
// A missing file is a new console: true, with nothing read. A file that cannot be read, is
// not well formed or is of another version is refused with a message and leaves `console`
// as it was; a wrong header is only a warning.
bool ReadConsoleFile(CConsoleData &console, const QString &path, const QString &appFolder, CCtrlHost *host);

// The exact bytes of the console's file.
std::string ConsoleFileBytes(const CConsoleData &console);
// Writes the console's file through a temporary file renamed over `path`, so that a failed
// write leaves the previous file as it was. False, with `error` set, when it fails.
bool WriteConsoleFile(const CConsoleData &console, const QString &path, QString *error = nullptr);

} // namespace dataConsole
