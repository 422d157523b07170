#pragma once
// Conversions between the program's ANSI texts and the texts that widgets show.

#include "common/text/AnsiText.h"

#include <QString>

#include <string>

namespace ui::detail {

// Menu items and buttons treat "&" as a mnemonic mark; the program's texts mean a plain "&".
inline QString toActionText(const std::string& ansi) {
    return common::toQString(ansi).replace(QLatin1Char('&'), QLatin1String("&&"));
}

inline std::string fromActionText(const QString& text) {
    return common::fromQString(QString(text).replace(QLatin1String("&&"), QLatin1String("&")));
}

// The program breaks lines with CR or CR LF; widgets break them with LF.
inline QString toWidgetLines(const std::string& ansi) {
    return common::toQString(ansi)
        .replace(QLatin1String("\r\n"), QLatin1String("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

inline std::string fromWidgetLines(const QString& text, const char* lineBreak) {
    return common::fromQString(QString(text).replace(QLatin1Char('\n'), QLatin1String(lineBreak)));
}

}  // namespace ui::detail
