#include "TokenRecorder.h"

namespace highlighter::test {
namespace {

// The callback is a plain function pointer; one recording runs at a time per thread.
thread_local std::vector<Span>* t_spans = nullptr;
thread_local const char* t_base = nullptr;

int recordSpan(const char* tokenStart, int tokenLength, int kind) {
    t_spans->push_back(Span{tokenStart - t_base, tokenLength, kind});
    return 0;
}

}  // namespace

std::ostream& operator<<(std::ostream& out, const Token& token) {
    return out << '{' << '"' << token.text << "\", " << static_cast<int>(token.kind) << '}';
}

std::vector<Span> recordSpans(std::string_view text, SyntaxHighlightFunction function) {
    const std::vector<char> exact(text.begin(), text.end());
    std::vector<Span> spans;
    t_spans = &spans;
    t_base = exact.data();
    function(exact.data(), static_cast<int>(exact.size()), &recordSpan, 0);
    t_spans = nullptr;
    t_base = nullptr;
    return spans;
}

std::vector<Token> recordTokens(std::string_view text) {
    std::vector<Token> tokens;
    for (const Span& span : recordSpans(text)) {
        tokens.push_back(Token{std::string(text.substr(static_cast<std::size_t>(span.offset),
                                                       static_cast<std::size_t>(span.length))),
                               static_cast<TokenKind>(span.kind)});
    }
    return tokens;
}

std::vector<int> kindPerByte(const std::vector<Span>& spans, std::size_t length) {
    std::vector<int> kinds(length, -1);
    std::vector<int> hits(length, 0);
    for (const Span& span : spans) {
        for (int i = 0; i < span.length; ++i) {
            const std::ptrdiff_t at = span.offset + i;
            if (at >= 0 && static_cast<std::size_t>(at) < length) {
                kinds[static_cast<std::size_t>(at)] = span.kind;
                ++hits[static_cast<std::size_t>(at)];
            }
        }
    }
    for (std::size_t i = 0; i < length; ++i) {
        if (hits[i] != 1) {
            kinds[i] = -1;
        }
    }
    return kinds;
}

std::string coverageFault(const std::vector<Span>& spans, std::size_t length) {
    std::ptrdiff_t expected = 0;
    for (std::size_t i = 0; i < spans.size(); ++i) {
        const Span& span = spans[i];
        const std::string where =
            "token " + std::to_string(i) + " at " + std::to_string(span.offset) + ": ";
        if (span.offset != expected) {
            return where + "expected to start at " + std::to_string(expected);
        }
        if (span.length <= 0) {
            return where + "length " + std::to_string(span.length);
        }
        if (span.kind < 0 || span.kind > 12) {
            return where + "kind " + std::to_string(span.kind);
        }
        expected += span.length;
    }
    if (expected != static_cast<std::ptrdiff_t>(length)) {
        return "tokens end at " + std::to_string(expected) + " of " + std::to_string(length);
    }
    return {};
}

}  // namespace highlighter::test
