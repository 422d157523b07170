#pragma once
// ANSI text: std::string holding Windows-1252 bytes, the program's one text type.
// Conversions to Unicode happen only here, at the edges (widgets, paths, UTF-8 files).

#include <QString>

#include <string>
#include <string_view>

namespace common {

// Windows-1252 to Unicode. The five bytes the code page leaves undefined (81 8D 8F 90 9D)
// map to the C1 controls of the same number, so every byte value round-trips.
QString toQString(std::string_view ansi);
// Unicode to Windows-1252; a character the code page cannot hold becomes "?".
std::string fromQString(const QString& text);

std::string ansiToUtf8(std::string_view ansi);
// Malformed UTF-8 and characters outside Windows-1252 become "?".
std::string utf8ToAnsi(std::string_view utf8);

// Latin-1 mapping used by UTF-8 INI files: each byte is the code point of the same number.
std::string latin1ToUtf8(std::string_view bytes);
// Code points above U+00FF and malformed sequences become "?".
std::string utf8ToLatin1(std::string_view utf8);

// Lower-casing as the German Windows code page does it: A-Z, the accented capitals
// C0-DE (not the multiplication sign D7), and Š Œ Ž Ÿ.
char lowerAnsiChar(char c);
std::string lowerAnsi(std::string_view text);

// Removes leading and trailing space characters (32) only.
std::string_view trimSpaces(std::string_view text);
// Removes leading and trailing spaces and tabs.
std::string_view trimBlanks(std::string_view text);

// The one place that turns a library path in ANSI text ("Codes\Kategorie\Titel.pb") into a
// path on disk: backslashes become the platform's separator, the bytes become Unicode.
QString diskPath(std::string_view ansiPath);

// Turns a UTF-8 string literal of the source into ANSI text.
inline std::string ansi(std::string_view utf8Literal) {
    return utf8ToAnsi(utf8Literal);
}

}  // namespace common
