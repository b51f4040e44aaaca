#pragma once

#include <QString>

#include <vector>

// Reserved words of the dialect. Identifiers carry Keyword::None.
enum class Keyword : quint8 {
    None,
    And,
    ByRef,
    ByVal,
    Call,
    Case,
    Class,
    Const,
    Dim,
    Do,
    Each,
    Else,
    ElseIf,
    Empty,
    End,
    Eqv,
    Exit,
    False,
    For,
    Function,
    GoTo,
    If,
    Imp,
    In,
    Is,
    Let,
    Loop,
    Mod,
    Next,
    Not,
    Nothing,
    Null,
    On,
    Option,
    Or,
    Preserve,
    Private,
    Public,
    ReDim,
    Resume,
    Select,
    Set,
    Step,
    Sub,
    Then,
    To,
    True,
    Until,
    Wend,
    While,
    With,
    Xor,
    Erase,
    Randomize,
    New,
};

enum class TokenKind : quint8 {
    End,        // end of text
    Separator,  // new line or ':'
    Name,       // identifier or keyword
    Number,
    String,
    LeftParen,
    RightParen,
    Comma,
    Dot,
    Equal,
    NotEqual,
    Less,
    Greater,
    LessEqual,
    GreaterEqual,
    Plus,
    Minus,
    Star,
    Slash,
    Backslash,
    Caret,
    Ampersand,
};

struct Token {
    TokenKind kind = TokenKind::End;
    Keyword keyword = Keyword::None;
    bool integral = false;     // a Number without fraction or exponent
    bool spaceBefore = false;  // white space precedes the token
    bool lineEnd = false;      // a Separator that ends a line (not ":")
    int line = 1;
    QString text;  // names as written, string contents
    double number = 0;
};

// Splits script text into tokens with line numbers: "'" and Rem comments are dropped,
// " _" joins lines, ":" separates statements like a line break. Raises a compilation
// ScriptError on an invalid character, number or an unterminated string.
std::vector<Token> TokenizeScript(const QString& text);

// The keyword a lower-case name stands for, Keyword::None for plain identifiers.
Keyword KeywordOf(const QString& lowerName);
