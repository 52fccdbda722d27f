// The console file (".csl2"): reading it into console data and writing it back.
#pragma once

#include <QString>

#include <string>
#include <vector>

namespace dataConsole {

class CConsoleData;
class CCtrl__Base;

// What reading a console file left out, for tools that check a console. Reading is the same
// whether or not a report is asked for.
struct CConsoleReadReport
{
    enum class SkipReason {
        kUnknownTag,          // the name is no control kind
        kNotBuilt,            // the kind is known but no control could be made from it
        kInGroupWithoutDesign // a group without its design has no pages to read controls into
    };
    struct CSkippedElement
    {
        SkipReason reason;
        std::string tag;
        // The group whose element held it; null for a child of the root.
        const CCtrl__Base *group = nullptr;
    };
    std::vector<CSkippedElement> skipped;
};

// Reads the console file at `path` into `console`, as the editor opens it: a console outside
// the application's console folder first gets the designs of the "_ccd" folder beside it;
// pictures come from the "_background" folder beside it.
// A missing file is a new console: true, with nothing read. A file that cannot be read, is
// not well formed or is of another version is refused with a message and leaves `console`
// as it was; a wrong header is only a warning. `report`, when given, receives the elements
// that were skipped.
bool ReadConsoleFile(CConsoleData &console, const QString &path, const QString &appFolder,
                     CConsoleReadReport *report = nullptr);
// The same, with the bytes read from `bytesPath` (a copy kept elsewhere) while designs and
// pictures are looked for, and the console named, as if the file lay at `path`.
bool ReadConsoleFileAs(CConsoleData &console, const QString &bytesPath, const QString &path, const QString &appFolder);

// The exact bytes of the console's file.
std::string ConsoleFileBytes(const CConsoleData &console);
// Writes the console's file through a temporary file renamed over `path`, so that a failed
// write leaves the previous file as it was. False, with `error` set, when it fails.
bool WriteConsoleFile(const CConsoleData &console, const QString &path, QString *error = nullptr);

} // namespace dataConsole
