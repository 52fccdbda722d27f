// The word lookup and the translation plug-in.
#include "core/words.h"

#include <QDir>

#include <cstring>

#include "core/builtin_words.h"

namespace korvane {

namespace {

struct LanguageEntry
{
    const char *name;
    const char *code;
};

constexpr LanguageEntry kLanguages[kLanguageCount] = {
    {"ENGLISH", "en"},   {"FRENCH", "fr"},     {"ITALIAN", "it"},    {"GERMAN", "de"},
    {"SPANISH", "es"},   {"FINNISH", "fi"},    {"JAPANESE", "jp"},   {"DANISH", "dk"},
    {"GREEK", "gr"},     {"KOREAN", "kr"},     {"CHINESE", "cn"},    {"HUNGARIAN", "hu"},
    {"RUSSIAN", "ru"},   {"DUTCH", "nl"},      {"SWEDISH", "se"},    {"PORTUGUESE", "pt"},
    {"TRADITIONAL CHINESE", "ct"}, {"SLOVAK", "sk"}, {"POLISH", "pl"}, {"ROMANIAN", "ro"},
};

// The plug-in answers "=" (or nothing) for a word it has no translation of.
constexpr char kUntranslated[] = "=";

} // namespace

QString BuiltinLanguageName(int language)
{
    if (language < 0 || language >= kLanguageCount)
        return {};
    return QString::fromLatin1(kLanguages[language].name);
}

QString LanguageCodeOf(int language)
{
    if (language < 0 || language >= kLanguageCount)
        return QStringLiteral("en");
    return QString::fromLatin1(kLanguages[language].code);
}

CLocalisation::CLocalisation() = default;

CLocalisation::~CLocalisation()
{
    Unload();
}

int CLocalisation::Load(const QString &folder)
{
    Unload();
    auto library = std::make_unique<QLibrary>(QDir(folder).filePath(QString::fromLatin1(kVokWordLibraryName)));
    if (!library->load())
        return 0;

    // Resolved in this order; the first missing name leaves it and every later one null.
    static constexpr const char *kSymbols[kFunctionCount] = {
        "VokWordInit",    "VokWordLanguageName", "VokWordLanguageSet", "VokWordLanguageGet",
        "VokWordGetWord", "VokWordSetWord",      "VokWordTranslate",
    };
    for (int i = 0; i < kFunctionCount; ++i) {
        m_functions[i] = library->resolve(kSymbols[i]);
        if (!m_functions[i])
            break;
    }
    m_library = std::move(library);

    const int count = ResolvedFunctionCount();
    if (count == kFunctionCount) {
        Function<VokWordLanguageSetFn>(kLanguageSet)(0);
        Function<VokWordInitFn>(kInit)();
    }
    return count;
}

void CLocalisation::Unload()
{
    m_functions = {};
    if (m_library) {
        m_library->unload();
        m_library.reset();
    }
}

int CLocalisation::ResolvedFunctionCount() const
{
    int count = 0;
    while (count < kFunctionCount && m_functions[count])
        ++count;
    return count;
}

QString CLocalisation::GetWord(int number) const
{
    if (number < 0 || number >= kWordCount)
        return {};
    if (const auto getWord = Function<VokWordGetWordFn>(kGetWord)) {
        const char *answer = getWord(number, -1);
        if (answer && *answer && std::strcmp(answer, kUntranslated) != 0)
            return QString::fromUtf8(answer);
    }
    return QString::fromUtf8(BuiltinWord(number));
}

int CLocalisation::LanguageGet() const
{
    const auto languageGet = Function<VokWordLanguageGetFn>(kLanguageGet);
    return languageGet ? languageGet() : 0;
}

void CLocalisation::LanguageSet(int language)
{
    if (const auto languageSet = Function<VokWordLanguageSetFn>(kLanguageSet))
        languageSet(language);
}

QString CLocalisation::LanguageName(int language) const
{
    const auto languageName = Function<VokWordLanguageNameFn>(kLanguageName);
    if (!languageName)
        return {};
    const char *name = languageName(language);
    return name ? QString::fromUtf8(name) : QString();
}

bool CLocalisation::Translate(void *mainWindow) const
{
    const auto translate = Function<VokWordTranslateFn>(kTranslate);
    if (!translate)
        return false;
    translate(mainWindow);
    return true;
}

CLocalisation &Localisation()
{
    static CLocalisation instance;
    return instance;
}

QString Word(int number)
{
    return Localisation().GetWord(number);
}

} // namespace korvane
