// A stand-in translation plug-in for the ribbon tests: French for some of the ribbon's words
// when language 1 is selected, "=" (not translated) for every other word and language.
#define VOKWORD_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

constexpr int kFrench = 1;
int g_language = 0;

} // namespace

VOKWORD_EXPORT void VokWordInit() {}

VOKWORD_EXPORT const char *VokWordLanguageName(int language)
{
    return language == kFrench ? "Fran\xC3\xA7" "ais" : "English";
}

VOKWORD_EXPORT void VokWordLanguageSet(int language)
{
    g_language = language;
}

VOKWORD_EXPORT int VokWordLanguageGet()
{
    return g_language;
}

VOKWORD_EXPORT const char *VokWordGetWord(int word, int)
{
    if (g_language != kFrench)
        return "=";
    switch (word) {
    case 16: return "Outils";
    case 25: return "Copier";
    case 28: return "Coller";
    case 529: return "Langue";
    case 563: return "S\xC3\xA9lection";
    case 2906: return "Positionnement";
    case 4182: return "Annuler";
    default: return "=";
    }
}

VOKWORD_EXPORT void VokWordSetWord(int, int, const char *) {}

VOKWORD_EXPORT void VokWordTranslate(void *) {}
