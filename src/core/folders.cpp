// The application folder and its layout.
#include "core/folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QProcessEnvironment>

namespace korvane {

namespace {

constexpr char kCommonFolder[] = "_Common";
constexpr char kCrashFolder[] = "crashes";
constexpr char kCrashDumpFolder[] = "crashes/Lumbrel";
constexpr char kConsoleFolder[] = "_Common/console";
constexpr char kDesignFolder[] = "_Common/console/_ccd";
constexpr char kBackgroundFolder[] = "_Common/console/_background";
constexpr char kDefaultBackground[] = "_Common/console/_background/ER_bg.bmp";
constexpr char kStyleFolder[] = "_Common/Styles/quenta/Quenta.msstyles";
constexpr char kThemeDescription[] = "Themes.ini";
constexpr char kShowsFolder[] = "_Vellum";
constexpr char kShowConsoleFolder[] = "#COMMONFILE#/files";
constexpr char kLayoutFile[] = "Korvane.lay";
constexpr char kRecoveryFolder[] = "recovery";
constexpr char kDefaultDataFolder[] = ".local/share";
constexpr char kAppFolderName[] = "Korvane";
constexpr char kSettingsSuffix[] = "-Korvane";
constexpr char kAppTitle[] = "Console Editor";
constexpr char kRecentGroup[] = "Recent File List";
constexpr char kRecentKey[] = "File%1";
constexpr char kLanguageSwitch[] = "-lang";
constexpr int kHighestLanguageSwitch = 18;

QString WithoutTrailingSeparator(const QString &folder)
{
    QString clean = QDir::cleanPath(QDir::fromNativeSeparators(folder));
    while (clean.size() > 1 && clean.endsWith(u'/'))
        clean.chop(1);
    return clean;
}

} // namespace

AppFolderSources CurrentAppFolderSources(const QString &option)
{
    const QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    return {option, env.value(QStringLiteral("KORVANE_HOME")), QCoreApplication::applicationDirPath(),
            env.value(QStringLiteral("XDG_DATA_HOME")), QDir::homePath()};
}

QString CleanExecutableFolder(QString folder)
{
    folder = QDir::fromNativeSeparators(folder);
    while (folder.contains(QStringLiteral(" /")))
        folder.replace(QStringLiteral(" /"), QStringLiteral("/"));
    return folder;
}

QString ResolveAppFolder(const AppFolderSources &sources)
{
    if (!sources.option.isEmpty())
        return WithoutTrailingSeparator(QDir(sources.option).absolutePath());
    if (!sources.environment.isEmpty())
        return WithoutTrailingSeparator(QDir(sources.environment).absolutePath());
    const QString executableFolder = CleanExecutableFolder(sources.executableFolder);
    if (!executableFolder.isEmpty() && QFileInfo(FindEntryNoCase(executableFolder, QLatin1String(kCommonFolder))).isDir())
        return WithoutTrailingSeparator(executableFolder);
    return DefaultAppFolder(sources);
}

QString DefaultAppFolder(const AppFolderSources &sources)
{
    const QString dataHome = !sources.xdgDataHome.isEmpty()
                                 ? sources.xdgDataHome
                                 : sources.homeFolder + u'/' + QLatin1String(kDefaultDataFolder);
    return WithoutTrailingSeparator(dataHome + u'/' + QLatin1String(kAppFolderName));
}

QString BundledDataFolder()
{
    const QString installed = QCoreApplication::applicationDirPath() + u'/' + QLatin1String(KORVANE_INSTALLED_DATA_DIR);
    if (QFileInfo(installed).isDir())
        return QDir::cleanPath(installed);
    return QStringLiteral(KORVANE_SAMPLE_DIR);
}

bool PrepareUserDataFolder(const QString &defaultFolder, const QString &bundledDataFolder)
{
    if (QFileInfo(CAppFolders(defaultFolder).ConsoleFolder()).isDir() || !QFileInfo(bundledDataFolder).isDir())
        return false;
    QDir().mkpath(defaultFolder);
    const QDir source(bundledDataFolder);
    QDirIterator it(bundledDataFolder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo entry(it.next());
        const QString target = ResolvePathNoCase(defaultFolder, source.relativeFilePath(entry.filePath()));
        if (entry.isDir()) {
            QDir().mkpath(target);
        } else if (!QFileInfo::exists(target) && QFile::copy(entry.filePath(), target)) {
            QFile::setPermissions(target, QFile::permissions(target) | QFile::ReadOwner | QFile::WriteOwner);
        }
    }
    return true;
}

QString PrepareAppFolder(const QString &appFolder)
{
    QDir().mkpath(appFolder);
    QDir::setCurrent(appFolder);
    const QString current = WithoutTrailingSeparator(QDir::currentPath());
    const CAppFolders folders(current);
    for (const QString &folder : {folders.CrashFolder(), folders.CrashDumpFolder(), folders.ConsoleFolder(),
                                  folders.DesignFolder(), folders.BackgroundFolder()}) {
        QDir().mkpath(folder);
    }
    return current;
}

QString FindEntryNoCase(const QString &folder, const QString &name)
{
    const QDir dir(folder);
    if (dir.exists(name))
        return dir.filePath(name);
    const QStringList entries = dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    }
    return {};
}

QString ResolvePathNoCase(const QString &base, const QString &relative)
{
    QString path = WithoutTrailingSeparator(base);
    // Names stored by Windows tools use '\\'; on Linux Qt leaves those alone, so both count here.
    QString normalised = relative;
    normalised.replace(u'\\', u'/');
    const QStringList steps = normalised.split(u'/', Qt::SkipEmptyParts);
    bool existing = true;
    for (const QString &step : steps) {
        QString found;
        if (existing)
            found = FindEntryNoCase(path, step);
        existing = !found.isEmpty();
        path = existing ? found : path + u'/' + step;
    }
    return path;
}

QString CAppFolders::CrashFolder() const { return ResolvePathNoCase(m_root, QLatin1String(kCrashFolder)); }
QString CAppFolders::CrashDumpFolder() const { return ResolvePathNoCase(m_root, QLatin1String(kCrashDumpFolder)); }
QString CAppFolders::ConsoleFolder() const { return ResolvePathNoCase(m_root, QLatin1String(kConsoleFolder)); }
QString CAppFolders::DesignFolder() const { return ResolvePathNoCase(m_root, QLatin1String(kDesignFolder)); }
QString CAppFolders::BackgroundFolder() const { return ResolvePathNoCase(m_root, QLatin1String(kBackgroundFolder)); }
QString CAppFolders::DefaultBackgroundImage() const
{
    return ResolvePathNoCase(m_root, QLatin1String(kDefaultBackground));
}
QString CAppFolders::StyleFolder() const { return ResolvePathNoCase(m_root, QLatin1String(kStyleFolder)); }
QString CAppFolders::ThemeDescription() const
{
    return ResolvePathNoCase(StyleFolder(), QLatin1String(kThemeDescription));
}
QString CAppFolders::ShowsFolder() const { return ResolvePathNoCase(m_root, QLatin1String(kShowsFolder)); }
QString CAppFolders::ShowConsoleFolder(const QString &show) const
{
    return ResolvePathNoCase(ResolvePathNoCase(ShowsFolder(), show), QLatin1String(kShowConsoleFolder));
}
QString CAppFolders::LayoutFile() const { return ResolvePathNoCase(m_root, QLatin1String(kLayoutFile)); }
QString CAppFolders::RecoveryFolder() const { return ResolvePathNoCase(m_root, QLatin1String(kRecoveryFolder)); }

std::optional<int> LanguageFromCommandLine(const QString &commandLine)
{
    if (!commandLine.contains(QLatin1String(kLanguageSwitch)))
        return std::nullopt;
    // Plain substrings from the highest number down, so "-lang=15" is not taken for 1.
    for (int language = kHighestLanguageSwitch; language >= 1; --language) {
        if (commandLine.contains(QLatin1String(kLanguageSwitch) + u'=' + QString::number(language)))
            return language;
    }
    return 0;
}

std::unique_ptr<QSettings> CreateAppSettings(const QString &appFolder)
{
    // The folder's own path names the settings file, one per installation folder.
    QString scope = WithoutTrailingSeparator(appFolder) + QLatin1String(kSettingsSuffix);
    while (scope.startsWith(u'/'))
        scope.remove(0, 1);
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, scope, QLatin1String(kAppTitle));
}

CRecentFileList::CRecentFileList(QSettings &settings) : m_settings(settings)
{
    m_settings.beginGroup(QLatin1String(kRecentGroup));
    for (int i = 1; i <= kMaxEntries; ++i) {
        const QString file = m_settings.value(QString::fromLatin1(kRecentKey).arg(i)).toString();
        if (!file.isEmpty())
            m_files.append(file);
    }
    m_settings.endGroup();
}

void CRecentFileList::Add(const QString &path)
{
    m_files.removeAll(path);
    m_files.prepend(path);
    while (m_files.size() > kMaxEntries)
        m_files.removeLast();
    Write();
}

void CRecentFileList::Remove(const QString &path)
{
    m_files.removeAll(path);
    Write();
}

void CRecentFileList::Write()
{
    m_settings.beginGroup(QLatin1String(kRecentGroup));
    m_settings.remove(QString());
    for (int i = 0; i < m_files.size(); ++i)
        m_settings.setValue(QString::fromLatin1(kRecentKey).arg(i + 1), m_files.at(i));
    m_settings.endGroup();
    m_settings.sync();
}

} // namespace korvane
