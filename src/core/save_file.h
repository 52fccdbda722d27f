// Writing a whole file so that the previous one is never lost.
#pragma once

#include <QString>

#include <string_view>

namespace korvane {

// Writes `bytes` to a temporary file beside `path` and renames it over `path` only when every
// byte was written. False, with `error` set, when anything failed; the old file then stays.
bool SaveFileSafely(const QString &path, std::string_view bytes, QString *error = nullptr);

} // namespace korvane
