#include "highlighter/SyntaxHighlight.h"

#include <cstddef>

#include "highlighter/Tokenizer.h"

extern "C" int SyntaxHighlight(const char* text, int length, SyntaxTokenCallback callback,
                               [[maybe_unused]] int reserved) {
    if (callback == nullptr || length < 0 || (text == nullptr && length > 0)) {
        return 0;
    }
    highlighter::tokenize(text, static_cast<std::size_t>(length), callback);
    return 0;
}
