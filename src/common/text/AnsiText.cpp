#include "AnsiText.h"

#include <QList>

#include <array>
#include <cstdint>

namespace common {
namespace {

// Unicode code points of the bytes 80-9F; the rest of the code page equals Latin-1.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

char32_t codePointOf(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) {
        return kHighControls[byte - 0x80];
    }
    return byte;
}

int byteOf(char32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
        return static_cast<int>(codePoint);
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == codePoint) {
            return static_cast<int>(0x80 + i);
        }
    }
    return -1;
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

// Decodes one UTF-8 sequence at text[pos]; returns the code point, or -1 for a malformed
// sequence, and advances pos past what was consumed (at least one byte).
std::int32_t decodeUtf8(std::string_view text, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(text[pos++]);
    if (lead < 0x80) {
        return lead;
    }
    int extra = 0;
    std::int32_t cp = 0;
    std::int32_t min = 0;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1, cp = lead & 0x1F, min = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2, cp = lead & 0x0F, min = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3, cp = lead & 0x07, min = 0x10000;
    } else {
        return -1;
    }
    for (int i = 0; i < extra; ++i) {
        if (pos >= text.size() || (static_cast<unsigned char>(text[pos]) & 0xC0) != 0x80) {
            return -1;
        }
        cp = (cp << 6) | (static_cast<unsigned char>(text[pos++]) & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        return -1;
    }
    return cp;
}

}  // namespace

QString toQString(std::string_view ansi) {
    QString out;
    out.reserve(static_cast<qsizetype>(ansi.size()));
    for (char c : ansi) {
        out.append(QChar(static_cast<char16_t>(codePointOf(static_cast<unsigned char>(c)))));
    }
    return out;
}

std::string fromQString(const QString& text) {
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (char32_t cp : text.toUcs4()) {
        const int byte = byteOf(cp);
        out.push_back(byte < 0 ? '?' : static_cast<char>(byte));
    }
    return out;
}

std::string ansiToUtf8(std::string_view ansi) {
    std::string out;
    out.reserve(ansi.size() + ansi.size() / 4);
    for (char c : ansi) {
        appendUtf8(out, codePointOf(static_cast<unsigned char>(c)));
    }
    return out;
}

std::string utf8ToAnsi(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const std::int32_t cp = decodeUtf8(utf8, pos);
        const int byte = cp < 0 ? -1 : byteOf(static_cast<char32_t>(cp));
        out.push_back(byte < 0 ? '?' : static_cast<char>(byte));
    }
    return out;
}

std::string latin1ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    for (char c : bytes) {
        appendUtf8(out, static_cast<unsigned char>(c));
    }
    return out;
}

std::string utf8ToLatin1(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const std::int32_t cp = decodeUtf8(utf8, pos);
        out.push_back(cp < 0 || cp > 0xFF ? '?' : static_cast<char>(cp));
    }
    return out;
}

char lowerAnsiChar(char c) {
    const auto b = static_cast<unsigned char>(c);
    if ((b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDE && b != 0xD7)) {
        return static_cast<char>(b + 0x20);
    }
    switch (b) {
        case 0x8A:  // Š
        case 0x8C:  // Œ
        case 0x8E:  // Ž
            return static_cast<char>(b + 0x10);
        case 0x9F:  // Ÿ
            return static_cast<char>(0xFF);
        default:
            return c;
    }
}

std::string lowerAnsi(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        c = lowerAnsiChar(c);
    }
    return out;
}

namespace {
std::string_view trimWhere(std::string_view text, bool (*isBlank)(char)) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isBlank(text[begin])) {
        ++begin;
    }
    while (end > begin && isBlank(text[end - 1])) {
        --end;
    }
    return text.substr(begin, end - begin);
}
}  // namespace

std::string_view trimSpaces(std::string_view text) {
    return trimWhere(text, [](char c) { return c == ' '; });
}

std::string_view trimBlanks(std::string_view text) {
    return trimWhere(text, [](char c) { return c == ' ' || c == '\t'; });
}

QString diskPath(std::string_view ansiPath) {
    QString path = toQString(ansiPath);
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return path;
}

}  // namespace common
