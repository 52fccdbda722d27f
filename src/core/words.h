// Interface words: the lookup by number, with the optional translation plug-in in front of
// the built-in English table, and the interface language.
#pragma once

#include <QLibrary>
#include <QString>

#include <array>
#include <memory>

#include "core/vokword_api.h"

namespace korvane {

inline constexpr int kWordCount = 4200;       // words 0..4199
inline constexpr int kLanguageCount = 20;     // languages 0..19
inline constexpr char kVokWordLibraryName[] = "Vokword";

// The upper-case name of language n in the built-in table ("ENGLISH"), empty outside 0..19.
QString BuiltinLanguageName(int language);
// The two-letter code of language n; "en" for any number outside the table.
QString LanguageCodeOf(int language);

// The translation plug-in and the word lookup. The program uses one process-wide instance
// (Words()); tests make their own.
class CLocalisation
{
public:
    CLocalisation();
    ~CLocalisation();
    CLocalisation(const CLocalisation &) = delete;
    CLocalisation &operator=(const CLocalisation &) = delete;

    // Looks for the plug-in in `folder` and resolves its seven functions in order, stopping
    // at the first that is missing. Only a complete plug-in is initialised (language 0 is
    // selected, then its init function runs). A missing plug-in is not an error: the
    // English words are used. Returns how many functions were resolved.
    int Load(const QString &folder);
    void Unload();
    int ResolvedFunctionCount() const;

    // Word n in the selected language, falling back to English word by word.
    QString GetWord(int number) const;
    int LanguageGet() const;
    void LanguageSet(int language);
    QString LanguageName(int language) const;
    QString LanguageCode() const { return LanguageCodeOf(LanguageGet()); }
    // Opens the plug-in's translation editor for the main window; false without it.
    bool Translate(void *mainWindow) const;

private:
    enum FunctionIndex { kInit, kLanguageName, kLanguageSet, kLanguageGet, kGetWord, kSetWord, kTranslate, kFunctionCount };

    template <typename Fn>
    Fn Function(FunctionIndex index) const
    {
        return reinterpret_cast<Fn>(m_functions[index]);
    }

    std::unique_ptr<QLibrary> m_library;
    std::array<QFunctionPointer, kFunctionCount> m_functions{};
};

// The program's localisation, shared by every window.
CLocalisation &Localisation();
// Shorthand for Localisation().GetWord(number).
QString Word(int number);

} // namespace korvane
