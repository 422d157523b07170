#pragma once
// Runs a SyntaxHighlight function over a heap copy of exactly the text's size, so that a read
// past the end shows up under ASan or valgrind, and records what the callback receives.

#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "highlighter/SyntaxHighlight.h"
#include "highlighter/TokenKind.h"

namespace highlighter::test {

struct Span {
    std::ptrdiff_t offset;  // of the token start within the text
    int length;
    int kind;
};

struct Token {
    std::string text;
    TokenKind kind;
    bool operator==(const Token&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Token& token);

std::vector<Span> recordSpans(std::string_view text,
                              SyntaxHighlightFunction function = &SyntaxHighlight);
std::vector<Token> recordTokens(std::string_view text);

// The kind of every byte of the text, from the spans; -1 where no span or two spans lie.
std::vector<int> kindPerByte(const std::vector<Span>& spans, std::size_t length);

// Empty when the spans are non-empty, of kinds 0 to 12, adjacent and cover [0, length)
// exactly; otherwise a description of the first fault.
std::string coverageFault(const std::vector<Span>& spans, std::size_t length);

}  // namespace highlighter::test
