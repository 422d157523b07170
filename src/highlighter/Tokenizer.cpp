#include "highlighter/Tokenizer.h"

#include <array>
#include <cstdint>

#include "highlighter/TokenKind.h"
#include "highlighter/WordTable.h"

namespace highlighter {
namespace {

enum class CharClass : std::uint8_t { Other, Blank, LineBreak, WordStart, Digit };

constexpr std::array<CharClass, 256> buildCharClasses() {
    std::array<CharClass, 256> classes{};
    for (int c = 0; c < 256; ++c) {
        if (c == ' ' || c == '\t' || c == '\v' || c == '\f') {
            classes[c] = CharClass::Blank;
        } else if (c == '\r' || c == '\n') {
            classes[c] = CharClass::LineBreak;
        } else if (c >= '0' && c <= '9') {
            classes[c] = CharClass::Digit;
        } else if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c >= 0x80) {
            // Bytes above 127 keep words in the program's 8-bit text or UTF-8 whole.
            classes[c] = CharClass::WordStart;
        }
    }
    return classes;
}

constexpr std::array<CharClass, 256> kCharClasses = buildCharClasses();

CharClass classOf(char c) {
    return kCharClasses[static_cast<unsigned char>(c)];
}

bool isWordChar(char c) {
    const CharClass charClass = classOf(c);
    return charClass == CharClass::WordStart || charClass == CharClass::Digit;
}

bool isHexDigit(char c) {
    return classOf(c) == CharClass::Digit || ((c | 0x20) >= 'a' && (c | 0x20) <= 'f');
}

bool isLineBreak(char c) {
    return c == '\r' || c == '\n';
}

class Tokenizer {
public:
    Tokenizer(const char* text, std::size_t length, SyntaxTokenCallback callback)
        : m_token(text), m_end(text + length), m_callback(callback) {}

    void run();

private:
    void scanWhitespace();
    void scanWord();
    void scanPunctuation();
    // "." + type or "\" + field: the separator, then the name as a structure token.
    void scanMember();

    // Each skip function takes the position after what the token already holds and returns
    // its end; none looks at m_end or beyond.
    const char* skipWord(const char* p) const;
    const char* skipDigits(const char* p) const;
    const char* skipDecimal(const char* p) const;
    const char* skipExponent(const char* p) const;
    const char* skipHex(const char* p) const;
    const char* skipBinary(const char* p) const;
    const char* skipQuoted(const char* p, char quote, bool escapes) const;
    const char* skipToLineEnd(const char* p) const;

    bool at(const char* p, char c) const { return p < m_end && *p == c; }
    bool atClass(const char* p, CharClass charClass) const {
        return p < m_end && classOf(*p) == charClass;
    }

    void emit(const char* end, TokenKind kind);
    void emitOperand(const char* end, TokenKind kind);
    void emitOperator(const char* end);

    const char* m_token;
    const char* const m_end;
    const SyntaxTokenCallback m_callback;
    // Decides "*name" (pointer) against "*" (multiplication) and "%01" against "%" (modulo).
    bool m_operandExpected = true;
    // Only blanks so far on this line: where labels and "!" assembler lines may begin.
    bool m_atLineStart = true;
};

void Tokenizer::run() {
    while (m_token < m_end) {
        switch (classOf(*m_token)) {
            case CharClass::Blank:
            case CharClass::LineBreak:
                scanWhitespace();
                continue;
            case CharClass::WordStart:
                scanWord();
                break;
            case CharClass::Digit:
                emitOperand(skipDecimal(m_token + 1), TokenKind::Number);
                break;
            case CharClass::Other:
                scanPunctuation();
                break;
        }
        m_atLineStart = false;
    }
}

void Tokenizer::scanWhitespace() {
    const char* p = m_token;
    bool lineBreak = false;
    for (; p < m_end; ++p) {
        const CharClass charClass = classOf(*p);
        if (charClass == CharClass::LineBreak) {
            lineBreak = true;
        } else if (charClass != CharClass::Blank) {
            break;
        }
    }
    emit(p, TokenKind::NormalText);
    if (lineBreak) {
        m_atLineStart = true;
        m_operandExpected = true;
    }
}

void Tokenizer::scanWord() {
    const char* const end = skipWord(m_token + 1);
    const bool stringVariable = end[-1] == '$';
    const std::size_t nameLength =
        static_cast<std::size_t>(end - m_token) - (stringVariable ? 1 : 0);
    const TokenKind kind =
        stringVariable ? TokenKind::NormalText : classifyWord(m_token, nameLength);
    if (kind == TokenKind::BasicKeyword) {
        emit(end, kind);
        m_operandExpected = true;
        return;
    }
    const bool colon = at(end, ':');
    const bool doubleColon = colon && at(end + 1, ':');
    if (m_atLineStart && colon && !doubleColon && !stringVariable) {
        emit(end + 1, TokenKind::Label);
        m_operandExpected = true;
        return;
    }
    if (doubleColon) {
        // A module name, even one spelled like a command ("Mod::").
        emitOperand(end, TokenKind::NormalText);
        return;
    }
    const bool apiCall = kind == TokenKind::NormalText && !stringVariable && nameLength > 1 &&
                         m_token[nameLength - 1] == '_' && *m_token != '_';
    emitOperand(end, apiCall ? TokenKind::PureKeyword : kind);
}

void Tokenizer::scanMember() {
    emit(m_token + 1, TokenKind::Separator);
    emitOperand(skipWord(m_token + 1), TokenKind::Structure);
}

void Tokenizer::scanPunctuation() {
    const char* const next = m_token + 1;
    switch (*m_token) {
        case '"':
            emitOperand(skipQuoted(next, '"', false), TokenKind::String);
            break;
        case '~':
            if (at(next, '"')) {
                emitOperand(skipQuoted(next + 1, '"', true), TokenKind::String);
            } else {
                emitOperator(next);
            }
            break;
        case '\'':
            emitOperand(skipQuoted(next, '\'', false), TokenKind::String);
            break;
        case ';':
            emit(skipToLineEnd(next), TokenKind::Comment);
            break;
        case '!':
            if (m_atLineStart) {
                emit(skipToLineEnd(next), TokenKind::AsmKeyword);
            } else {
                emitOperator(next);
            }
            break;
        case '#':
            if (next < m_end && isWordChar(*next)) {
                emitOperand(skipWord(next), TokenKind::Constant);
            } else {
                emitOperator(next);
            }
            break;
        case '*':
            if (m_operandExpected && atClass(next, CharClass::WordStart)) {
                emitOperand(skipWord(next), TokenKind::Pointer);
            } else {
                emitOperator(next);
            }
            break;
        case '$':
            if (next < m_end && isHexDigit(*next)) {
                emitOperand(skipHex(next), TokenKind::Number);
            } else {
                emit(next, TokenKind::NormalText);
            }
            break;
        case '%':
            if (m_operandExpected && (at(next, '0') || at(next, '1'))) {
                emitOperand(skipBinary(next), TokenKind::Number);
            } else {
                emitOperator(next);
            }
            break;
        case '.':
            if (atClass(next, CharClass::WordStart)) {
                scanMember();
            } else if (m_operandExpected && atClass(next, CharClass::Digit)) {
                emitOperand(skipExponent(skipDigits(next)), TokenKind::Number);
            } else {
                emit(next, TokenKind::Separator);
                m_operandExpected = true;
            }
            break;
        case '\\':
            if (atClass(next, CharClass::WordStart)) {
                scanMember();
            } else {
                emit(next, TokenKind::Separator);
                m_operandExpected = true;
            }
            break;
        case ':':
            emit(at(next, ':') ? next + 1 : next, TokenKind::Separator);
            m_operandExpected = true;
            break;
        case '(':
        case '[':
        case '{':
        case ',':
            emit(next, TokenKind::Separator);
            m_operandExpected = true;
            break;
        case ')':
        case ']':
        case '}':
            emitOperand(next, TokenKind::Separator);
            break;
        case '<':
            emitOperator(at(next, '=') || at(next, '>') || at(next, '<') ? next + 1 : next);
            break;
        case '>':
            emitOperator(at(next, '=') || at(next, '>') ? next + 1 : next);
            break;
        case '=':
            emitOperator(at(next, '<') || at(next, '>') ? next + 1 : next);
            break;
        case '+':
        case '-':
        case '/':
        case '&':
        case '|':
        case '@':
        case '?':
            emitOperator(next);
            break;
        default:
            // Control bytes, NUL, "`", "^" and the like: not PureBasic, shown as plain text.
            emit(next, TokenKind::NormalText);
            break;
    }
}

const char* Tokenizer::skipWord(const char* p) const {
    while (p < m_end && isWordChar(*p)) {
        ++p;
    }
    return at(p, '$') ? p + 1 : p;
}

const char* Tokenizer::skipDigits(const char* p) const {
    while (atClass(p, CharClass::Digit)) {
        ++p;
    }
    return p;
}

const char* Tokenizer::skipDecimal(const char* p) const {
    p = skipDigits(p);
    if (at(p, '.') && atClass(p + 1, CharClass::Digit)) {
        p = skipDigits(p + 2);
    }
    return skipExponent(p);
}

const char* Tokenizer::skipExponent(const char* p) const {
    if (!at(p, 'e') && !at(p, 'E')) {
        return p;
    }
    const char* digits = p + 1;
    if (at(digits, '+') || at(digits, '-')) {
        ++digits;
    }
    return atClass(digits, CharClass::Digit) ? skipDigits(digits + 1) : p;
}

const char* Tokenizer::skipHex(const char* p) const {
    while (p < m_end && isHexDigit(*p)) {
        ++p;
    }
    return p;
}

const char* Tokenizer::skipBinary(const char* p) const {
    while (at(p, '0') || at(p, '1')) {
        ++p;
    }
    return p;
}

// Strings end at their closing quote, or unclosed at the end of the line.
const char* Tokenizer::skipQuoted(const char* p, char quote, bool escapes) const {
    while (p < m_end) {
        const char c = *p;
        if (c == quote) {
            return p + 1;
        }
        if (isLineBreak(c)) {
            return p;
        }
        p += escapes && c == '\\' && p + 1 < m_end && !isLineBreak(p[1]) ? 2 : 1;
    }
    return p;
}

const char* Tokenizer::skipToLineEnd(const char* p) const {
    while (p < m_end && !isLineBreak(*p)) {
        ++p;
    }
    return p;
}

void Tokenizer::emit(const char* end, TokenKind kind) {
    m_callback(m_token, static_cast<int>(end - m_token), static_cast<int>(kind));
    m_token = end;
}

void Tokenizer::emitOperand(const char* end, TokenKind kind) {
    emit(end, kind);
    m_operandExpected = false;
}

void Tokenizer::emitOperator(const char* end) {
    emit(end, TokenKind::Operator);
    m_operandExpected = true;
}

}  // namespace

void tokenize(const char* text, std::size_t length, SyntaxTokenCallback callback) {
    Tokenizer(text, length, callback).run();
}

}  // namespace highlighter
