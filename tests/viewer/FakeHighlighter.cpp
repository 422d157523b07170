// A stand-in highlighting module for the viewer tests. Each run of equal bytes is one token whose
// kind comes from the byte: '@' is 0, 'A' 1, ... 'M' 13, '_' 31, '`' 32, 'a' 33, ... 'z' 58;
// every other byte gives kind 0. Every text passed in is recorded for the tests to inspect.

#include "highlighter/SyntaxHighlight.h"

#include <string>
#include <vector>

namespace {

std::vector<std::string> g_texts;

int kindOf(unsigned char byte) {
    return byte >= '@' && byte <= 'z' ? byte - '@' : 0;
}

}  // namespace

extern "C" {

QH_SYNTAX_EXPORT int SyntaxHighlight(const char* text, int length, SyntaxTokenCallback callback,
                                     int /*reserved*/) {
    g_texts.emplace_back(text, static_cast<std::size_t>(length));
    int start = 0;
    while (start < length) {
        int end = start + 1;
        while (end < length && text[end] == text[start]) {
            ++end;
        }
        callback(text + start, end - start, kindOf(static_cast<unsigned char>(text[start])));
        start = end;
    }
    return 0;
}

QH_SYNTAX_EXPORT int FakeHighlighterCallCount() {
    return static_cast<int>(g_texts.size());
}

// The text of call `index` (0 = the first since the last reset).
QH_SYNTAX_EXPORT const char* FakeHighlighterText(int index) {
    return index >= 0 && index < FakeHighlighterCallCount() ? g_texts[index].c_str() : "";
}

QH_SYNTAX_EXPORT void FakeHighlighterReset() {
    g_texts.clear();
}
}
