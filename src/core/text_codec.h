// Texts inside console and design files are Windows-1252 bytes, as the lighting program reads
// and writes them. These two functions are the only way between those bytes and QString.
#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace korvane {

// Decodes Windows-1252 bytes. The five bytes the code page leaves undefined map to the
// control characters of the same value, so every byte string survives a round trip.
QString FromFileText(std::string_view bytes);
// Encodes to Windows-1252; a character the code page lacks becomes '?'.
std::string ToFileText(const QString &text);

} // namespace korvane
