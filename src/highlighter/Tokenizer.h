#pragma once
// The PureBasic tokenizer behind SyntaxHighlight.

#include <cstddef>

#include "highlighter/SyntaxHighlight.h"

namespace highlighter {

// Reports the tokens of text[0, length) to callback as SyntaxHighlight describes. callback must
// not be null. Each call starts in the state of a line start.
void tokenize(const char* text, std::size_t length, SyntaxTokenCallback callback);

}  // namespace highlighter
