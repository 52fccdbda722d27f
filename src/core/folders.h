// The application folder, the data folders beneath it, the per-folder settings and the
// interface language of the command line.
#pragma once

#include <QSettings>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

namespace korvane {

// Where the application folder may come from, in the order they are tried.
struct AppFolderSources
{
    QString option;          // --app-folder DIR
    QString environment;     // KORVANE_HOME
    QString executableFolder;
    QString xdgDataHome;     // XDG_DATA_HOME; empty when unset
    QString homeFolder;
};

// The sources of the running process: the command line option, its environment and the
// executable's folder.
AppFolderSources CurrentAppFolderSources(const QString &option);

// The first source that applies: the option, the variable, the executable's folder when it
// holds "_Common", else the default folder below. Never ends in '/'.
QString ResolveAppFolder(const AppFolderSources &sources);

// The folder used when nothing else names one: "$XDG_DATA_HOME/Korvane", or
// "~/.local/share/Korvane" without the variable. Never ends in '/'.
QString DefaultAppFolder(const AppFolderSources &sources);

// The sample folder shipped with the program: the installed one (share/korvane/data beside
// the executable's bin folder) when present, else data/ of the source tree it was built from.
QString BundledDataFolder();

// First run: when `defaultFolder` holds no "_Common/console", copies `bundledDataFolder` into
// it, with every sub-folder, leaving alone each file that already exists (names matched
// without regard to case). The copies can be written by their owner even when the bundled
// files are read-only. Returns true when it copied.
bool PrepareUserDataFolder(const QString &defaultFolder, const QString &bundledDataFolder);

// The executable's folder as the module name gives it, with every blank before a separator
// dropped until none is left.
QString CleanExecutableFolder(QString folder);

// Creates the application folder, makes it the current folder and creates the crash folders
// and the data folders where they are missing (filling the default folder with the samples is
// PrepareUserDataFolder's work, done before). Failures to create folders are ignored, as a
// missing crash folder must not stop the program. Returns the application folder as read back
// from the current folder.
QString PrepareAppFolder(const QString &appFolder);

// The existing entry of `folder` whose name equals `name` without regard to letter case (an
// exact match first), as a full path; empty when there is none. Files made on Windows keep
// their mixed case, while the program names them in one spelling.
QString FindEntryNoCase(const QString &folder, const QString &name);
// Follows `relative` ('/' or '\' separated) from `base`, matching each step without regard to
// case. Steps that do not exist keep the spelling given, so the result is where a new file
// or folder of that name would go.
QString ResolvePathNoCase(const QString &base, const QString &relative);

// The folders and files of the application folder.
class CAppFolders
{
public:
    explicit CAppFolders(QString appFolder) : m_root(std::move(appFolder)) {}

    const QString &Root() const { return m_root; }
    QString CrashFolder() const;
    QString CrashDumpFolder() const;
    QString ConsoleFolder() const;
    QString DesignFolder() const;
    QString BackgroundFolder() const;
    QString DefaultBackgroundImage() const;
    QString StyleFolder() const;
    QString ThemeDescription() const;
    QString ShowsFolder() const;
    // The console files of one show of the lighting program.
    QString ShowConsoleFolder(const QString &show) const;
    QString LayoutFile() const;
    // Where the editor keeps copies of modified consoles until it closes cleanly.
    QString RecoveryFolder() const;

private:
    QString m_root;
};

// The language number that "-lang=N" on the whole command line asks for: none without
// "-lang"; otherwise the first of "-lang=18" down to "-lang=1" found as a substring, or 0.
std::optional<int> LanguageFromCommandLine(const QString &commandLine);

// The settings of one application folder: its own file, so that two installations never
// share a recent-file list.
std::unique_ptr<QSettings> CreateAppSettings(const QString &appFolder);

// The most-recently-used console files, the newest first, at most four.
class CRecentFileList
{
public:
    static constexpr int kMaxEntries = 4;

    explicit CRecentFileList(QSettings &settings);
    const QStringList &Files() const { return m_files; }
    void Add(const QString &path);
    void Remove(const QString &path);

private:
    void Write();

    QSettings &m_settings;
    QStringList m_files;
};

} // namespace korvane
