// A stand-in translation plug-in for the tests: French for a couple of words, "=" for the
// rest, and a log of what the program asked of it. Built a second time without
// VokWordGetWord to stand for an incomplete plug-in.
#include <string>

#define VOKWORD_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

constexpr int kFrench = 1;

int g_language = 5; // anything but 0, so the tests see who selected a language
std::string g_log;

} // namespace

VOKWORD_EXPORT void VokWordInit()
{
    g_log += "init with " + std::to_string(g_language) + ";";
}

// Language -1 answers the log instead of a name.
VOKWORD_EXPORT const char *VokWordLanguageName(int language)
{
    switch (language) {
    case -1: return g_log.c_str();
    case 0: return "English";
    case kFrench: return "Fran\xC3\xA7" "ais";
    default: return "";
    }
}

VOKWORD_EXPORT void VokWordLanguageSet(int language)
{
    g_language = language;
}

VOKWORD_EXPORT int VokWordLanguageGet()
{
    return g_language;
}

#ifndef VOKWORD_TEST_WITHOUT_GETWORD
VOKWORD_EXPORT const char *VokWordGetWord(int word, int language)
{
    if (language != -1)
        return "asked for a language other than the selected one";
    if (word >= 4200)
        return "beyond the table";
    if (word == 530)
        return "";
    if (g_language != kFrench)
        return "=";
    switch (word) {
    case 6: return "Valider";
    case 2025: return "Propri\xC3\xA9t\xC3\xA9s";
    default: return "=";
    }
}
#endif

VOKWORD_EXPORT void VokWordSetWord(int, int, const char *) {}

VOKWORD_EXPORT void VokWordTranslate(void *mainWindow)
{
    if (mainWindow)
        g_log += "translate;";
}
