#pragma once
// The token kinds that SyntaxHighlight reports. Callers use the number unchanged as a display
// style, so the values are fixed.

namespace highlighter {

enum class TokenKind : int {
    NormalText = 0,    // identifiers, whitespace, line breaks, stray bytes
    BasicKeyword = 1,  // If, Procedure, And, ...
    Comment = 2,       // ";" to the end of the line
    Constant = 3,      // #Name, #Name$
    String = 4,        // "...", ~"...", 'c'
    PureKeyword = 5,   // built-in commands and Name_ API calls
    AsmKeyword = 6,    // inline assembler lines starting with "!"
    Operator = 7,
    Structure = 8,  // type after "." and field after "\"
    Number = 9,
    Pointer = 10,  // *name in operand position
    Separator = 11,
    Label = 12,  // "name:" at the start of a line
};

}  // namespace highlighter
