#pragma once
// Case-insensitive lookup of PureBasic's reserved words (PureBasicWords.h) in a hash table
// built at compile time. Thread-safe: the table is constant.

#include <cstddef>

#include "highlighter/TokenKind.h"

namespace highlighter {

// The kind of the identifier at word[0, length) (letters, digits, "_", bytes above 127):
// BasicKeyword or PureKeyword, or NormalText when it is not a reserved word. Letters match
// regardless of case; nothing is allocated.
TokenKind classifyWord(const char* word, std::size_t length);

}  // namespace highlighter
