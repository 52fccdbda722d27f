// The C interface of the optional translation plug-in ("Vokword"): a shared library in the
// application folder that supplies the words in another language and keeps the selection.
// Texts cross the boundary as NUL-terminated UTF-8 owned by the plug-in; a returned pointer
// stays valid until the plug-in's next call.
#pragma once

extern "C" {
using VokWordInitFn = void (*)();
using VokWordLanguageNameFn = const char *(*)(int language);
using VokWordLanguageSetFn = void (*)(int language);
using VokWordLanguageGetFn = int (*)();
// `language` -1 asks for the selected language. The answer "=" or "" means "not translated".
using VokWordGetWordFn = const char *(*)(int word, int language);
using VokWordSetWordFn = void (*)(int word, int language, const char *text);
// `mainWindow` is the QWidget of the main window, for the plug-in's translation editor.
using VokWordTranslateFn = void (*)(void *mainWindow);
}
