// Tokens shared by the preprocessor and the parser.
#pragma once

#include <string>

namespace cgc {

enum class TokenKind : unsigned char {
    Identifier,
    Number,   // integer or floating literal, classified by the parser
    String,   // only in annotations and #error text
    Punct,    // operator or punctuation; text holds its spelling
    Invalid,  // a character the language does not use; reported where it matters
    End
};

struct Token {
    std::string text;
    int line = 0;  // a location: line and column, see base/diagnostics.h
    TokenKind kind = TokenKind::End;
    bool startsLine = false;   // first token of a logical source line
    bool spaceBefore = false;  // whitespace precedes it (for #error text)

    // The first character decides most comparisons without a full compare.
    bool is(TokenKind k, const char* t) const { return kind == k && !text.empty() && text[0] == t[0] && text == t; }
    bool isPunct(const char* t) const { return is(TokenKind::Punct, t); }
    bool isIdent(const char* t) const { return is(TokenKind::Identifier, t); }
};

}  // namespace cgc
