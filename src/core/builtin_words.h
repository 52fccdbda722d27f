// The English word table built into the program.
#pragma once

namespace korvane {

// The English text of word `number`, or the empty text for a word the program never shows.
const char *BuiltinWord(int number);
int BuiltinWordCount();
bool BuiltinWordsSorted();

} // namespace korvane
