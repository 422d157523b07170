// The contract every caller relies on: tokens in order, adjacent, covering exactly the bytes
// passed, for any input, and never a read beyond them.

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "TokenRecorder.h"

namespace highlighter::test {
namespace {

// Every construct, several of them left open at the end of a line.
const std::string kSample =
    "; Fenster mit Liste\r\n"
    "EnableExplicit\r\n"
    "Structure Item : *next.Item : name$ : value.l : EndStructure\r\n"
    "Procedure.l Sum(*first.Item)\r\n"
    "  Protected total.l = 0, *p.Item = *first\r\n"
    "  While *p : total + *p\\value * 2 % 3 : *p = *p\\next : Wend\r\n"
    "  ProcedureReturn total\r\n"
    "EndProcedure\r\n"
    "Start:\r\n"
    "If OpenWindow(0, 0, 0, 320, 200, \"Titel\", #PB_Window_SystemMenu)\r\n"
    "  MessageBox_(WindowID(0), ~\"a\\tb\\\"c\", \"x\", 0) : x.f = 1.5e3 + $FF - %1010\r\n"
    "  ! mov eax, [v_total]\r\n"
    "  a$ = \"offen\r\n"
    "  b$ = ~\"offen\\\r\n"
    "  c = 'A' <> Mod::Wert >= 1 << 2 : Goto Start\r\n"
    "EndIf ; Ende";

TEST(Coverage, EveryPrefixOfTheSample) {
    for (std::size_t length = 0; length <= kSample.size(); ++length) {
        const std::string_view prefix(kSample.data(), length);
        ASSERT_EQ(coverageFault(recordSpans(prefix), length), "") << "prefix length " << length;
    }
}

TEST(Coverage, RandomBytes) {
    std::mt19937 random(20240611);
    // Half of the bytes from PureBasic's punctuation, so that open strings, escapes and
    // two-byte operators meet the end of the input often.
    const std::string_view punctuation = "\"~;#*$%.\\:!<>=()'\r\n 01eE_aZ";
    for (int round = 0; round < 2000; ++round) {
        std::string bytes(random() % 300, '\0');
        for (char& byte : bytes) {
            const std::uint32_t pick = random();
            byte = pick & 1 ? punctuation[(pick >> 1) % punctuation.size()]
                            : static_cast<char>(pick >> 8);
        }
        ASSERT_EQ(coverageFault(recordSpans(bytes), bytes.size()), "") << "round " << round;
    }
}

TEST(Coverage, EdgeInputs) {
    const std::vector<std::string> inputs = {
        "",         "~",        "\"",      "~\"", "~\"\\", "'",    ";",      "!",
        "#",        "$",        "%",       "*",   ".",     "\\",   ":",      "<",
        "1.",       "1e+",      "a:",      "\r",  "\r\n",  "\n\r", "x\r\n!", std::string(3, '\0'),
        "\xFF\xFE", "\"a\0b\"", "; \xC3(",
    };
    for (const std::string& input : inputs) {
        ASSERT_EQ(coverageFault(recordSpans(input), input.size()), "") << '"' << input << '"';
    }
}

TEST(Coverage, HugeLines) {
    const std::vector<std::string> inputs = {
        std::string(1 << 20, 'x'),       "\"" + std::string(1 << 20, 'y'),
        ";" + std::string(1 << 20, 'z'), std::string(1 << 20, ' '),
        std::string(1 << 19, '*'),
    };
    for (const std::string& input : inputs) {
        const std::vector<Span> spans = recordSpans(input);
        ASSERT_EQ(coverageFault(spans, input.size()), "");
    }
}

// The viewer restyles from the start of the first changed line, so tokenizing from any line
// start must colour the rest exactly as tokenizing the whole text does.
TEST(Coverage, RestartAtAnyLineStartGivesTheSameKinds) {
    const std::vector<int> whole = kindPerByte(recordSpans(kSample), kSample.size());
    for (std::size_t start = 0; start < kSample.size(); ++start) {
        if (start > 0 && kSample[start - 1] != '\n') {
            continue;
        }
        const std::string_view rest = std::string_view(kSample).substr(start);
        const std::vector<int> restKinds = kindPerByte(recordSpans(rest), rest.size());
        ASSERT_EQ(restKinds,
                  std::vector<int>(whole.begin() + static_cast<std::ptrdiff_t>(start), whole.end()))
            << "restart at " << start;
    }
}

int countCalls(const char*, int, int);
int g_calls = 0;
int countCalls(const char*, int, int) {
    ++g_calls;
    return 0;
}

TEST(Coverage, InvalidArgumentsReportNothing) {
    const char text[] = "If x";
    g_calls = 0;
    EXPECT_EQ(SyntaxHighlight(text, -1, &countCalls, 0), 0);
    EXPECT_EQ(SyntaxHighlight(nullptr, 4, &countCalls, 0), 0);
    EXPECT_EQ(SyntaxHighlight(text, 0, &countCalls, 0), 0);
    EXPECT_EQ(SyntaxHighlight(text, 4, nullptr, 0), 0);
    EXPECT_EQ(g_calls, 0);
    EXPECT_EQ(SyntaxHighlight(text, 4, &countCalls, 7), 0);
    EXPECT_EQ(g_calls, 3);
}

}  // namespace
}  // namespace highlighter::test
