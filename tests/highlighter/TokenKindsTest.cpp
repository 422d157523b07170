// Snippets and the tokens they must produce, one group per kind of construct.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TokenRecorder.h"

namespace highlighter::test {
namespace {

using enum TokenKind;

struct Case {
    std::string source;
    std::vector<Token> tokens;
};

void expectTokens(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        SCOPED_TRACE(c.source);
        EXPECT_EQ(recordTokens(c.source), c.tokens);
    }
}

TEST(TokenKinds, KeywordsIgnoreCaseAndWhitespaceIsNormalText) {
    expectTokens({
        {"If a = 1 : EndIf",
         {{"If", BasicKeyword},
          {" ", NormalText},
          {"a", NormalText},
          {" ", NormalText},
          {"=", Operator},
          {" ", NormalText},
          {"1", Number},
          {" ", NormalText},
          {":", Separator},
          {" ", NormalText},
          {"EndIf", BasicKeyword}}},
        {"endif ENDIF eNdIf",
         {{"endif", BasicKeyword},
          {" ", NormalText},
          {"ENDIF", BasicKeyword},
          {" ", NormalText},
          {"eNdIf", BasicKeyword}}},
        {"If Not a And b\r\n\tEndIfx",
         {{"If", BasicKeyword},
          {" ", NormalText},
          {"Not", BasicKeyword},
          {" ", NormalText},
          {"a", NormalText},
          {" ", NormalText},
          {"And", BasicKeyword},
          {" ", NormalText},
          {"b", NormalText},
          {"\r\n\t", NormalText},
          {"EndIfx", NormalText}}},
    });
}

TEST(TokenKinds, CommentsRunToTheLineEnd) {
    expectTokens({
        {"x ; Anmerkung \"y\" 'z\r\ny",
         {{"x", NormalText},
          {" ", NormalText},
          {"; Anmerkung \"y\" 'z", Comment},
          {"\r\n", NormalText},
          {"y", NormalText}}},
        {";a\rb;", {{";a", Comment}, {"\r", NormalText}, {"b", NormalText}, {";", Comment}}},
    });
}

TEST(TokenKinds, Constants) {
    expectTokens({
        {"#PB_Window_SystemMenu|#Text$ #",
         {{"#PB_Window_SystemMenu", Constant},
          {"|", Operator},
          {"#Text$", Constant},
          {" ", NormalText},
          {"#", Operator}}},
    });
}

TEST(TokenKinds, StringsEndAtQuoteOrLineEnd) {
    expectTokens({
        {R"(a$ = "x;\" + ~"c\"d\\" + 'A')",
         {{"a$", NormalText},
          {" ", NormalText},
          {"=", Operator},
          {" ", NormalText},
          {R"("x;\")", String},
          {" ", NormalText},
          {"+", Operator},
          {" ", NormalText},
          {R"(~"c\"d\\")", String},
          {" ", NormalText},
          {"+", Operator},
          {" ", NormalText},
          {"'A'", String}}},
        {"\"offen\nx", {{"\"offen", String}, {"\n", NormalText}, {"x", NormalText}}},
        {"~\"a\\\n~x",
         {{"~\"a\\", String}, {"\n", NormalText}, {"~", Operator}, {"x", NormalText}}},
    });
}

TEST(TokenKinds, CommandsAndApiCalls) {
    expectTokens({
        {"MessageRequester(\"T\", Str(42))",
         {{"MessageRequester", PureKeyword},
          {"(", Separator},
          {"\"T\"", String},
          {",", Separator},
          {" ", NormalText},
          {"Str", PureKeyword},
          {"(", Separator},
          {"42", Number},
          {")", Separator},
          {")", Separator}}},
        {"messagebox_(0) my_var _x_",
         {{"messagebox_", PureKeyword},
          {"(", Separator},
          {"0", Number},
          {")", Separator},
          {" ", NormalText},
          {"my_var", NormalText},
          {" ", NormalText},
          {"_x_", NormalText}}},
        {"Mod::Delay()",
         {{"Mod", NormalText},
          {"::", Separator},
          {"Delay", PureKeyword},
          {"(", Separator},
          {")", Separator}}},
    });
}

TEST(TokenKinds, Numbers) {
    expectTokens({
        {"1.5e3,$FF,%101 a%2 1e x=.5",
         {{"1.5e3", Number},
          {",", Separator},
          {"$FF", Number},
          {",", Separator},
          {"%101", Number},
          {" ", NormalText},
          {"a", NormalText},
          {"%", Operator},
          {"2", Number},
          {" ", NormalText},
          {"1", Number},
          {"e", NormalText},
          {" ", NormalText},
          {"x", NormalText},
          {"=", Operator},
          {".5", Number}}},
        {"b = (a)%10 + 2E-7",
         {{"b", NormalText},
          {" ", NormalText},
          {"=", Operator},
          {" ", NormalText},
          {"(", Separator},
          {"a", NormalText},
          {")", Separator},
          {"%", Operator},
          {"10", Number},
          {" ", NormalText},
          {"+", Operator},
          {" ", NormalText},
          {"2E-7", Number}}},
    });
}

TEST(TokenKinds, PointerOnlyInOperandPosition) {
    expectTokens({
        {"*p = a * b",
         {{"*p", Pointer},
          {" ", NormalText},
          {"=", Operator},
          {" ", NormalText},
          {"a", NormalText},
          {" ", NormalText},
          {"*", Operator},
          {" ", NormalText},
          {"b", NormalText}}},
        {"f(*q)*c",
         {{"f", NormalText},
          {"(", Separator},
          {"*q", Pointer},
          {")", Separator},
          {"*", Operator},
          {"c", NormalText}}},
        {"ProcedureReturn *node",
         {{"ProcedureReturn", BasicKeyword}, {" ", NormalText}, {"*node", Pointer}}},
    });
}

TEST(TokenKinds, TypesAfterDotAndFieldsAfterBackslash) {
    expectTokens({
        {"Define *item.Item, r.RECT",
         {{"Define", BasicKeyword},
          {" ", NormalText},
          {"*item", Pointer},
          {".", Separator},
          {"Item", Structure},
          {",", Separator},
          {" ", NormalText},
          {"r", NormalText},
          {".", Separator},
          {"RECT", Structure}}},
        {"Procedure.l Sum(a.l)",
         {{"Procedure", BasicKeyword},
          {".", Separator},
          {"l", Structure},
          {" ", NormalText},
          {"Sum", NormalText},
          {"(", Separator},
          {"a", NormalText},
          {".", Separator},
          {"l", Structure},
          {")", Separator}}},
        {"x = *p\\next\\Str",
         {{"x", NormalText},
          {" ", NormalText},
          {"=", Operator},
          {" ", NormalText},
          {"*p", Pointer},
          {"\\", Separator},
          {"next", Structure},
          {"\\", Separator},
          {"Str", Structure}}},
    });
}

TEST(TokenKinds, LabelsOnlyAtLineStart) {
    expectTokens({
        {"Start:\n  Weiter: Goto Start",
         {{"Start:", Label},
          {"\n  ", NormalText},
          {"Weiter:", Label},
          {" ", NormalText},
          {"Goto", BasicKeyword},
          {" ", NormalText},
          {"Start", NormalText}}},
        {"Mod::x()",
         {{"Mod", NormalText},
          {"::", Separator},
          {"x", NormalText},
          {"(", Separator},
          {")", Separator}}},
        {"a = b: c:",
         {{"a", NormalText},
          {" ", NormalText},
          {"=", Operator},
          {" ", NormalText},
          {"b", NormalText},
          {":", Separator},
          {" ", NormalText},
          {"c", NormalText},
          {":", Separator}}},
        {"Else:", {{"Else", BasicKeyword}, {":", Separator}}},
    });
}

TEST(TokenKinds, AssemblerLinesStartWithBang) {
    expectTokens({
        {"  ! mov eax, [v_x] ; c\r\nx!y",
         {{"  ", NormalText},
          {"! mov eax, [v_x] ; c", AsmKeyword},
          {"\r\n", NormalText},
          {"x", NormalText},
          {"!", Operator},
          {"y", NormalText}}},
    });
}

TEST(TokenKinds, OperatorsAndSeparators) {
    expectTokens({
        {"a<=b<>c<<2>=d>>1=>e<f",
         {{"a", NormalText},
          {"<=", Operator},
          {"b", NormalText},
          {"<>", Operator},
          {"c", NormalText},
          {"<<", Operator},
          {"2", Number},
          {">=", Operator},
          {"d", NormalText},
          {">>", Operator},
          {"1", Number},
          {"=>", Operator},
          {"e", NormalText},
          {"<", Operator},
          {"f", NormalText}}},
        {"@x&~y|?L-z/w",
         {{"@", Operator},
          {"x", NormalText},
          {"&", Operator},
          {"~", Operator},
          {"y", NormalText},
          {"|", Operator},
          {"?", Operator},
          {"L", NormalText},
          {"-", Operator},
          {"z", NormalText},
          {"/", Operator},
          {"w", NormalText}}},
        {"s.s{8} [1]",
         {{"s", NormalText},
          {".", Separator},
          {"s", Structure},
          {"{", Separator},
          {"8", Number},
          {"}", Separator},
          {" ", NormalText},
          {"[", Separator},
          {"1", Number},
          {"]", Separator}}},
    });
}

TEST(TokenKinds, StrayBytesArePlainText) {
    expectTokens({
        {std::string("a\0`\x01", 4),
         {{"a", NormalText},
          {std::string(1, '\0'), NormalText},
          {"`", NormalText},
          {"\x01", NormalText}}},
        {"Gr\xF6\xDF"
         "e = 1",
         {{"Gr\xF6\xDF"
           "e",
           NormalText},
          {" ", NormalText},
          {"=", Operator},
          {" ", NormalText},
          {"1", Number}}},
    });
}

}  // namespace
}  // namespace highlighter::test
