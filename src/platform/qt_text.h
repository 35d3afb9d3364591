#pragma once

// The program's texts on Qt: the records and templates hold Windows-1252
// bytes, Qt holds Unicode.

#include <QString>
#include <string>
#include <string_view>

#include "engine/windows1252.h"

namespace rolvanta {

inline QString fromWindows1252(std::string_view text) {
    return QString::fromStdString(utf8FromWindows1252(text));
}

// A character Windows-1252 cannot hold becomes "?".
inline std::string toWindows1252(const QString& text) {
    return windows1252FromUtf8(text.toStdString());
}

}  // namespace rolvanta
