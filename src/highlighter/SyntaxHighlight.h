#pragma once
// The entry point of the PureBasic highlighting module SyntaxHilighting.so: the one symbol the
// module exports, looked up by name ("SyntaxHighlight") by callers that load it at run time.
// Kind numbers are the values of highlighter::TokenKind (TokenKind.h), 0 to 12.

#if defined(__GNUC__)
#define QH_SYNTAX_EXPORT __attribute__((visibility("default")))
#else
#define QH_SYNTAX_EXPORT
#endif

#ifdef __cplusplus
extern "C" {
#endif

// Receives one token: its first byte (inside the text passed to SyntaxHighlight), its length in
// bytes (at least 1) and its kind. The return value is ignored; callers return 0.
typedef int (*SyntaxTokenCallback)(const char* tokenStart, int tokenLength, int kind);

typedef int (*SyntaxHighlightFunction)(const char* text, int length, SyntaxTokenCallback callback,
                                       int reserved);

// Divides text[0, length) into PureBasic tokens and calls callback once per token, synchronously
// and on the calling thread, in text order. The tokens are adjacent and together cover exactly
// the given bytes, whitespace and line breaks included; any byte values are accepted and nothing
// at or after text[length] is read. The text stays owned by the caller. No state is kept between
// calls, so a call may start at any line start and concurrent calls are safe. reserved is
// ignored (callers pass 0). A negative length, a null callback, or a null text with a positive
// length reports nothing. Always returns 0.
QH_SYNTAX_EXPORT int SyntaxHighlight(const char* text, int length, SyntaxTokenCallback callback,
                                     int reserved);

#ifdef __cplusplus
}
#endif
