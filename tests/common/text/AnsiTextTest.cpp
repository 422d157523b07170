#include "common/text/AnsiText.h"

#include <QList>

#include <gtest/gtest.h>

using namespace common;

namespace {

std::string allBytes() {
    std::string bytes;
    for (int b = 0; b < 256; ++b) {
        bytes.push_back(static_cast<char>(b));
    }
    return bytes;
}

}  // namespace

TEST(AnsiText, EveryByteRoundTripsThroughQStringAndUtf8) {
    const std::string bytes = allBytes();
    EXPECT_EQ(fromQString(toQString(bytes)), bytes);
    EXPECT_EQ(utf8ToAnsi(ansiToUtf8(bytes)), bytes);
    EXPECT_EQ(utf8ToLatin1(latin1ToUtf8(bytes)), bytes);
}

TEST(AnsiText, MapsTheWindowsRangeToItsCharacters) {
    struct Case {
        unsigned char byte;
        char32_t codePoint;
    };
    const Case cases[] = {{0x80, U'€'}, {0x84, U'„'}, {0x93, U'“'}, {0x94, U'”'},
                          {0x95, U'•'}, {0x96, U'–'}, {0x9F, U'Ÿ'}, {0x81, 0x81},
                          {0xE4, U'ä'}, {0xDF, U'ß'}, {0x41, U'A'}};
    for (const Case& c : cases) {
        const QString text = toQString(std::string(1, static_cast<char>(c.byte)));
        ASSERT_EQ(text.toUcs4().size(), 1);
        EXPECT_EQ(text.toUcs4().front(), c.codePoint) << int(c.byte);
    }
    EXPECT_EQ(ansiToUtf8("\x80 \xE4"), "€ ä");
}

TEST(AnsiText, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    EXPECT_EQ(fromQString(QString::fromUtf8("a\xE2\x86\x92z")), "a?z");  // →
    EXPECT_EQ(utf8ToAnsi("a\xF0\x9F\x98\x80z"), "a?z");                  // emoji
    EXPECT_EQ(utf8ToAnsi("a\xC3z"), "a?z");                              // cut sequence
    EXPECT_EQ(utf8ToAnsi("\xC0\xAF"), "?");                              // overlong
    EXPECT_EQ(utf8ToLatin1("\xE2\x82\xAC"), "?");                        // € is above U+00FF
}

TEST(AnsiText, LowerCasesLikeTheGermanCodePage) {
    EXPECT_EQ(lowerAnsi("AZaz09[_"), "azaz09[_");
    EXPECT_EQ(lowerAnsi("\xC4\xD6\xDC\xC0\xDE"), "\xE4\xF6\xFC\xE0\xFE");  // ÄÖÜÀÞ
    EXPECT_EQ(lowerAnsi("\xD7\xDF"), "\xD7\xDF");                          // × ß unchanged
    EXPECT_EQ(lowerAnsi("\x8A\x8C\x8E\x9F"), "\x9A\x9C\x9E\xFF");          // Š Œ Ž Ÿ
    EXPECT_EQ(lowerAnsi("\x80\xE4"), "\x80\xE4");
}

TEST(AnsiText, TrimsSpacesOrBlanks) {
    EXPECT_EQ(trimSpaces("  a b \t "), "a b \t");
    EXPECT_EQ(trimSpaces("\t a \t"), "\t a \t");
    EXPECT_EQ(trimBlanks(" \t a b\t "), "a b");
    EXPECT_EQ(trimSpaces("   "), "");
    EXPECT_EQ(trimBlanks(""), "");
}

TEST(AnsiText, DiskPathTurnsBackslashesAndBytes) {
    EXPECT_EQ(diskPath("Codes\\Gr\xFC\xDF"
                       "e\\Titel.pb"),
              QString::fromUtf8("Codes/Grüße/Titel.pb"));
}
