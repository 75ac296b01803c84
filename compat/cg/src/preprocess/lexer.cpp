#include "preprocess/lexer.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstring>

namespace cgc {
namespace {

// ASCII only, whatever the locale.
bool isIdentStart(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; }
bool isIdentChar(char c) { return isIdentStart(c) || (c >= '0' && c <= '9'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Longest first, so that ">>=" wins over ">>" and ">".
const char* const punctuators[] = {
    "<<=", ">>=", "...", "##", "++", "--", "+=", "-=", "*=", "/=", "%=", "&=", "|=", "^=",
    "==", "!=", "<=", ">=", "&&", "||", "<<", ">>", "::",
    "+", "-", "*", "/", "%", "=", "<", ">", "!", "~", "&", "|", "^", "?", ":", ";", ",",
    ".", "(", ")", "[", "]", "{", "}", "#"};

// The punctuators by their first character, longest first as above.
struct PunctuatorsByFirst {
    const char* candidates[128][4] = {};
    int count[128] = {};
    PunctuatorsByFirst() {
        for (const char* p : punctuators) {
            unsigned char c = static_cast<unsigned char>(p[0]);
            candidates[c][count[c]++] = p;
        }
    }
};

}  // namespace

class Lexer::Impl {
public:
    Impl(const std::string& text, Diagnostics& diagnostics, int firstLine)
        : src(text), diag(diagnostics), line(firstLine) {}

    bool nextLine(std::vector<Token>& tokens, size_t limit) {
        size_t before = tokens.size();
        midLine = false;
        while (true) {
            bool space = skipSpace(startsLine);
            if (pos >= src.size()) break;
            if (startsLine && tokens.size() > before) {  // the next line's first token waits
                spacePending = space;
                break;
            }
            if (tokens.size() - before >= limit) {
                spacePending = space;
                midLine = true;
                break;
            }
            Token& token = tokens.emplace_back();  // built in place: no move per token
            next(token);
            token.startsLine = startsLine;
            token.spaceBefore = space || spacePending;
            spacePending = false;
            startsLine = false;
        }
        return tokens.size() > before;
    }

private:
    const std::string& src;
    Diagnostics& diag;
    size_t pos = 0;
    size_t lineStart = 0;  // where the current line begins in src
    int line;
    bool startsLine = true;
    bool spacePending = false;  // whitespace skipped before the next token

public:
    bool midLine = false;  // the last call stopped at its limit, inside a line

private:

    char peek(size_t ahead = 0) const {
        size_t i = pos + ahead;
        return i < src.size() ? src[i] : '\0';
    }

    // Skips whitespace, comments and line splices; sets startsLine on a newline.
    bool skipSpace(bool& startsLine) {
        bool skipped = false;
        while (pos < src.size()) {
            char c = src[pos];
            if (c == '\n') {
                ++line;
                ++pos;
                lineStart = pos;
                startsLine = true;
            } else if (c == '\\' && (peek(1) == '\n' || (peek(1) == '\r' && peek(2) == '\n'))) {
                pos += peek(1) == '\r' ? 3 : 2;
                ++line;
                lineStart = pos;
            } else if (c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v') {
                ++pos;
            } else if (c == '/' && peek(1) == '/') {
                while (pos < src.size() && src[pos] != '\n') ++pos;
            } else if (c == '/' && peek(1) == '*') {
                int start = here();
                pos += 2;
                while (pos < src.size() && !(src[pos] == '*' && peek(1) == '/')) {
                    if (src[pos] == '\n') {
                        ++line;
                        lineStart = pos + 1;
                    }
                    ++pos;
                }
                if (pos >= src.size()) {
                    diag.error(start, "comment is not closed");
                    return true;
                }
                pos += 2;
            } else {
                break;
            }
            skipped = true;
        }
        return skipped;
    }

    // The location of the character at pos.
    int here() const { return locationAt(line, static_cast<int>(std::min<size_t>(pos - lineStart + 1, maxColumn))); }

    void make(Token& token, TokenKind kind, size_t start) {
        token.kind = kind;
        token.text.assign(src.data() + start, pos - start);
        token.line = locationAt(line, static_cast<int>(std::min<size_t>(start - lineStart + 1, maxColumn)));
    }

    void next(Token& token) {
        size_t start = pos;
        char c = src[pos];
        if (isIdentStart(c)) {
            while (pos < src.size() && isIdentChar(src[pos])) ++pos;
            return make(token, TokenKind::Identifier, start);
        }
        if (isDigit(c) || (c == '.' && isDigit(peek(1)))) {
            // A preprocessing number: digits, letters, dots and signed exponents.
            ++pos;
            while (pos < src.size()) {
                char d = src[pos];
                if ((d == '+' || d == '-') && (src[pos - 1] == 'e' || src[pos - 1] == 'E')) {
                    ++pos;
                } else if (isIdentChar(d) || d == '.') {
                    ++pos;
                } else {
                    break;
                }
            }
            return make(token, TokenKind::Number, start);
        }
        if (c == '"') {
            ++pos;
            while (pos < src.size() && src[pos] != '"' && src[pos] != '\n') {
                if (src[pos] == '\\' && pos + 1 < src.size() && src[pos + 1] != '\n') ++pos;
                ++pos;
            }
            if (pos < src.size() && src[pos] == '"') {
                ++pos;
                return make(token, TokenKind::String, start);
            }
            return make(token, TokenKind::Invalid, start);
        }
        // Only the punctuators that start with this character are tried.
        static const PunctuatorsByFirst byFirst;
        size_t left = src.size() - pos;
        unsigned char first = static_cast<unsigned char>(c);
        for (int i = 0; first < 128 && i < byFirst.count[first]; ++i) {
            const char* p = byFirst.candidates[first][i];
            size_t n = std::strlen(p);
            if (n <= left && std::memcmp(src.data() + pos, p, n) == 0) {
                pos += n;
                return make(token, TokenKind::Punct, start);
            }
        }
        ++pos;
        return make(token, TokenKind::Invalid, start);
    }
};

Lexer::Lexer(const std::string& text, Diagnostics& diagnostics, int firstLine)
    : impl(std::make_unique<Impl>(text, diagnostics, firstLine)) {}
Lexer::~Lexer() = default;
bool Lexer::nextLine(std::vector<Token>& tokens, size_t limit) { return impl->nextLine(tokens, limit); }
bool Lexer::midLine() const { return impl->midLine; }

std::vector<Token> lexSource(const std::string& text, Diagnostics& diagnostics, int firstLine) {
    Lexer lexer(text, diagnostics, firstLine);
    std::vector<Token> tokens;
    while (lexer.nextLine(tokens, SIZE_MAX)) {
    }
    return tokens;
}

}  // namespace cgc
