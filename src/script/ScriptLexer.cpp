#include "script/ScriptLexer.h"

#include "script/ScriptError.h"

#include <QHash>

namespace {

struct KeywordRow {
    const char* name;
    Keyword keyword;
};

constexpr KeywordRow kKeywords[] = {
    {"and", Keyword::And},
    {"byref", Keyword::ByRef},
    {"byval", Keyword::ByVal},
    {"call", Keyword::Call},
    {"case", Keyword::Case},
    {"class", Keyword::Class},
    {"const", Keyword::Const},
    {"dim", Keyword::Dim},
    {"do", Keyword::Do},
    {"each", Keyword::Each},
    {"else", Keyword::Else},
    {"elseif", Keyword::ElseIf},
    {"empty", Keyword::Empty},
    {"end", Keyword::End},
    {"eqv", Keyword::Eqv},
    {"exit", Keyword::Exit},
    {"false", Keyword::False},
    {"for", Keyword::For},
    {"function", Keyword::Function},
    {"goto", Keyword::GoTo},
    {"if", Keyword::If},
    {"imp", Keyword::Imp},
    {"in", Keyword::In},
    {"is", Keyword::Is},
    {"let", Keyword::Let},
    {"loop", Keyword::Loop},
    {"mod", Keyword::Mod},
    {"next", Keyword::Next},
    {"not", Keyword::Not},
    {"nothing", Keyword::Nothing},
    {"null", Keyword::Null},
    {"on", Keyword::On},
    {"option", Keyword::Option},
    {"or", Keyword::Or},
    {"preserve", Keyword::Preserve},
    {"private", Keyword::Private},
    {"public", Keyword::Public},
    {"redim", Keyword::ReDim},
    {"resume", Keyword::Resume},
    {"select", Keyword::Select},
    {"set", Keyword::Set},
    {"step", Keyword::Step},
    {"sub", Keyword::Sub},
    {"then", Keyword::Then},
    {"to", Keyword::To},
    {"true", Keyword::True},
    {"until", Keyword::Until},
    {"wend", Keyword::Wend},
    {"while", Keyword::While},
    {"with", Keyword::With},
    {"xor", Keyword::Xor},
    {"erase", Keyword::Erase},
    {"randomize", Keyword::Randomize},
    {"new", Keyword::New},
};

const QHash<QString, Keyword>& KeywordTable()
{
    static const QHash<QString, Keyword> table = [] {
        QHash<QString, Keyword> result;
        for (const KeywordRow& row : kKeywords)
            result.insert(QLatin1String(row.name), row.keyword);
        return result;
    }();
    return table;
}

[[noreturn]] void Fail(int number, int line)
{
    ScriptError error;
    error.number = number;
    error.description = ScriptErrorText(number);
    error.line = line;
    error.compilation = true;
    throw error;
}

bool IsNameStart(QChar c)
{
    return c.isLetter();
}

bool IsNameChar(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}

class Lexer {
public:
    explicit Lexer(const QString& text)
        : m_text(text)
    {
    }

    std::vector<Token> Run()
    {
        while (m_pos < m_text.size()) {
            const QChar c = m_text.at(m_pos);
            if (c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QChar(0xA0)) {
                ++m_pos;
                m_space = true;
            } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
                NewLine();
            } else if (c == QLatin1Char(':')) {
                Push(TokenKind::Separator);
                ++m_pos;
            } else if (c == QLatin1Char('\'')) {
                SkipComment();
            } else if (c == QLatin1Char('_') && IsContinuation()) {
                continue;
            } else if (c == QLatin1Char('"')) {
                ReadString();
            } else if (c.isDigit() || (c == QLatin1Char('.') && NextIsDigit() && !AfterOperand())) {
                ReadNumber();
            } else if (c == QLatin1Char('&') && m_pos + 1 < m_text.size()
                && (m_text.at(m_pos + 1).toLower() == QLatin1Char('h') || m_text.at(m_pos + 1).toLower() == QLatin1Char('o'))
                && m_pos + 2 < m_text.size() && m_text.at(m_pos + 2).isLetterOrNumber()) {
                ReadRadixNumber();
            } else if (IsNameStart(c)) {
                ReadName();
            } else if (c == QLatin1Char('[')) {
                ReadBracketName();
            } else {
                ReadOperator(c);
            }
        }
        Push(TokenKind::Separator);
        m_tokens.back().lineEnd = true;
        Push(TokenKind::End);
        return std::move(m_tokens);
    }

private:
    void Push(TokenKind kind, const QString& text = QString())
    {
        Token token;
        token.kind = kind;
        token.line = m_line;
        token.text = text;
        token.spaceBefore = m_space;
        m_space = false;
        m_tokens.push_back(std::move(token));
    }

    void NewLine()
    {
        Push(TokenKind::Separator);
        m_tokens.back().lineEnd = true;
        if (m_text.at(m_pos) == QLatin1Char('\r') && m_pos + 1 < m_text.size() && m_text.at(m_pos + 1) == QLatin1Char('\n'))
            ++m_pos;
        ++m_pos;
        ++m_line;
    }

    void SkipComment()
    {
        while (m_pos < m_text.size() && m_text.at(m_pos) != QLatin1Char('\n') && m_text.at(m_pos) != QLatin1Char('\r'))
            ++m_pos;
    }

    // "_" at the end of a line (after white space) joins the next line to this one.
    bool IsContinuation()
    {
        qsizetype look = m_pos + 1;
        while (look < m_text.size() && (m_text.at(look) == QLatin1Char(' ') || m_text.at(look) == QLatin1Char('\t')))
            ++look;
        if (look < m_text.size() && m_text.at(look) != QLatin1Char('\r') && m_text.at(look) != QLatin1Char('\n'))
            return false;
        if (look < m_text.size() && m_text.at(look) == QLatin1Char('\r') && look + 1 < m_text.size()
            && m_text.at(look + 1) == QLatin1Char('\n'))
            ++look;
        m_pos = look + 1;
        ++m_line;
        m_space = true;
        return true;
    }

    bool NextIsDigit() const { return m_pos + 1 < m_text.size() && m_text.at(m_pos + 1).isDigit(); }

    bool AfterOperand() const
    {
        if (m_tokens.empty() || m_space)
            return false;
        const TokenKind kind = m_tokens.back().kind;
        return kind == TokenKind::Name || kind == TokenKind::RightParen;
    }

    void ReadString()
    {
        QString value;
        ++m_pos;
        for (;;) {
            if (m_pos >= m_text.size() || m_text.at(m_pos) == QLatin1Char('\n') || m_text.at(m_pos) == QLatin1Char('\r'))
                Fail(ScriptErrorNumber::UnterminatedString, m_line);
            const QChar c = m_text.at(m_pos++);
            if (c == QLatin1Char('"')) {
                if (m_pos < m_text.size() && m_text.at(m_pos) == QLatin1Char('"')) {
                    value += c;
                    ++m_pos;
                    continue;
                }
                break;
            }
            value += c;
        }
        Push(TokenKind::String, value);
    }

    void ReadNumber()
    {
        const qsizetype start = m_pos;
        bool integral = true;
        while (m_pos < m_text.size() && m_text.at(m_pos).isDigit())
            ++m_pos;
        if (m_pos < m_text.size() && m_text.at(m_pos) == QLatin1Char('.')) {
            integral = false;
            ++m_pos;
            while (m_pos < m_text.size() && m_text.at(m_pos).isDigit())
                ++m_pos;
        }
        if (m_pos < m_text.size() && m_text.at(m_pos).toLower() == QLatin1Char('e')) {
            qsizetype look = m_pos + 1;
            if (look < m_text.size() && (m_text.at(look) == QLatin1Char('+') || m_text.at(look) == QLatin1Char('-')))
                ++look;
            if (look < m_text.size() && m_text.at(look).isDigit()) {
                integral = false;
                m_pos = look;
                while (m_pos < m_text.size() && m_text.at(m_pos).isDigit())
                    ++m_pos;
            }
        }
        if (m_pos < m_text.size() && IsNameChar(m_text.at(m_pos)))
            Fail(ScriptErrorNumber::InvalidNumber, m_line);
        bool ok = false;
        const double value = m_text.mid(start, m_pos - start).toDouble(&ok);
        if (!ok)
            Fail(ScriptErrorNumber::InvalidNumber, m_line);
        Push(TokenKind::Number);
        m_tokens.back().number = value;
        m_tokens.back().integral = integral && value <= 2147483647.0;
    }

    void ReadRadixNumber()
    {
        const int base = m_text.at(m_pos + 1).toLower() == QLatin1Char('h') ? 16 : 8;
        m_pos += 2;
        const qsizetype start = m_pos;
        while (m_pos < m_text.size() && m_text.at(m_pos).isLetterOrNumber())
            ++m_pos;
        qsizetype end = m_pos;
        if (m_pos < m_text.size() && m_text.at(m_pos) == QLatin1Char('&'))
            ++m_pos;  // the Long type suffix
        bool ok = false;
        const qulonglong bits = m_text.mid(start, end - start).toULongLong(&ok, base);
        if (!ok || bits > 0xFFFFFFFFull)
            Fail(ScriptErrorNumber::InvalidNumber, m_line);
        Push(TokenKind::Number);
        m_tokens.back().number = bits <= 0xFFFF ? static_cast<qint16>(bits) : static_cast<qint32>(bits);
        m_tokens.back().integral = true;
    }

    void ReadName()
    {
        const qsizetype start = m_pos;
        while (m_pos < m_text.size() && IsNameChar(m_text.at(m_pos)))
            ++m_pos;
        const QString name = m_text.mid(start, m_pos - start);
        const Keyword keyword = KeywordOf(name.toLower());
        // "Rem" starts a comment where a statement may start.
        if (name.compare(QLatin1String("rem"), Qt::CaseInsensitive) == 0
            && (m_tokens.empty() || m_tokens.back().kind == TokenKind::Separator
                || (m_tokens.back().keyword == Keyword::Then || m_tokens.back().keyword == Keyword::Else))) {
            SkipComment();
            return;
        }
        Push(TokenKind::Name, name);
        m_tokens.back().keyword = keyword;
    }

    void ReadBracketName()
    {
        const qsizetype close = m_text.indexOf(QLatin1Char(']'), m_pos);
        if (close < 0)
            Fail(ScriptErrorNumber::InvalidCharacter, m_line);
        Push(TokenKind::Name, m_text.mid(m_pos + 1, close - m_pos - 1));
        m_pos = close + 1;
    }

    void ReadOperator(QChar c)
    {
        const QChar next = m_pos + 1 < m_text.size() ? m_text.at(m_pos + 1) : QChar();
        TokenKind kind;
        int length = 1;
        switch (c.unicode()) {
        case '(':
            kind = TokenKind::LeftParen;
            break;
        case ')':
            kind = TokenKind::RightParen;
            break;
        case ',':
            kind = TokenKind::Comma;
            break;
        case '.':
            kind = TokenKind::Dot;
            break;
        case '=':
            kind = TokenKind::Equal;
            break;
        case '+':
            kind = TokenKind::Plus;
            break;
        case '-':
            kind = TokenKind::Minus;
            break;
        case '*':
            kind = TokenKind::Star;
            break;
        case '/':
            kind = TokenKind::Slash;
            break;
        case '\\':
            kind = TokenKind::Backslash;
            break;
        case '^':
            kind = TokenKind::Caret;
            break;
        case '&':
            kind = TokenKind::Ampersand;
            break;
        case '<':
            if (next == QLatin1Char('>')) {
                kind = TokenKind::NotEqual;
                length = 2;
            } else if (next == QLatin1Char('=')) {
                kind = TokenKind::LessEqual;
                length = 2;
            } else {
                kind = TokenKind::Less;
            }
            break;
        case '>':
            if (next == QLatin1Char('=')) {
                kind = TokenKind::GreaterEqual;
                length = 2;
            } else {
                kind = TokenKind::Greater;
            }
            break;
        default:
            Fail(ScriptErrorNumber::InvalidCharacter, m_line);
        }
        Push(kind);
        m_pos += length;
    }

    const QString& m_text;
    qsizetype m_pos = 0;
    int m_line = 1;
    bool m_space = false;
    std::vector<Token> m_tokens;
};

}  // namespace

Keyword KeywordOf(const QString& lowerName)
{
    return KeywordTable().value(lowerName, Keyword::None);
}

std::vector<Token> TokenizeScript(const QString& text)
{
    return Lexer(text).Run();
}
