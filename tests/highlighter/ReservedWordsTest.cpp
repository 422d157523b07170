// Every listed word is found whatever its case, and a longer word is not.

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <string_view>

#include "TokenRecorder.h"
#include "highlighter/PureBasicWords.h"

namespace highlighter::test {
namespace {

std::string withCase(std::string_view word, int (*change)(int)) {
    std::string changed(word);
    for (char& c : changed) {
        c = static_cast<char>(change(static_cast<unsigned char>(c)));
    }
    return changed;
}

template <std::size_t N>
void expectListed(const std::string_view (&words)[N], TokenKind kind) {
    for (const std::string_view word : words) {
        for (const std::string& spelling :
             {std::string(word), withCase(word, &tolower), withCase(word, &toupper)}) {
            EXPECT_EQ(recordTokens(spelling), (std::vector<Token>{{spelling, kind}}));
        }
        const std::string longer = std::string(word) + "z";
        EXPECT_EQ(recordTokens(longer), (std::vector<Token>{{longer, TokenKind::NormalText}}));
    }
}

TEST(ReservedWords, BasicKeywordsInAnyCase) {
    expectListed(kBasicKeywords, TokenKind::BasicKeyword);
}

TEST(ReservedWords, BuiltinCommandsInAnyCase) {
    expectListed(kBuiltinCommands, TokenKind::PureKeyword);
}

}  // namespace
}  // namespace highlighter::test
