#include "script/ScriptError.h"
#include "script/ScriptParser.h"

#include <algorithm>
#include <optional>

namespace N = ScriptErrorNumber;

namespace {

// Binary operator levels, loosest first: Imp, Eqv, Xor, Or, And, (Not), comparisons, &,
// + -, Mod, \, * /.
constexpr int kNotLevel = 5;
constexpr int kOutOfStackSpace = 28;
constexpr int kLastLevel = 10;

std::optional<ScriptOp> OperatorAt(const Token& token, int level)
{
    if (token.kind == TokenKind::Name) {
        switch (token.keyword) {
        case Keyword::Imp:
            return level == 0 ? std::optional(ScriptOp::Imp) : std::nullopt;
        case Keyword::Eqv:
            return level == 1 ? std::optional(ScriptOp::Eqv) : std::nullopt;
        case Keyword::Xor:
            return level == 2 ? std::optional(ScriptOp::Xor) : std::nullopt;
        case Keyword::Or:
            return level == 3 ? std::optional(ScriptOp::Or) : std::nullopt;
        case Keyword::And:
            return level == 4 ? std::optional(ScriptOp::And) : std::nullopt;
        case Keyword::Is:
            return level == 5 ? std::optional(ScriptOp::Is) : std::nullopt;
        case Keyword::Mod:
            return level == 8 ? std::optional(ScriptOp::Mod) : std::nullopt;
        default:
            return std::nullopt;
        }
    }
    switch (level) {
    case 5:
        switch (token.kind) {
        case TokenKind::Equal:
            return ScriptOp::Equal;
        case TokenKind::NotEqual:
            return ScriptOp::NotEqual;
        case TokenKind::Less:
            return ScriptOp::Less;
        case TokenKind::Greater:
            return ScriptOp::Greater;
        case TokenKind::LessEqual:
            return ScriptOp::LessEqual;
        case TokenKind::GreaterEqual:
            return ScriptOp::GreaterEqual;
        default:
            return std::nullopt;
        }
    case 6:
        return token.kind == TokenKind::Ampersand ? std::optional(ScriptOp::Concat) : std::nullopt;
    case 7:
        if (token.kind == TokenKind::Plus)
            return ScriptOp::Add;
        return token.kind == TokenKind::Minus ? std::optional(ScriptOp::Subtract) : std::nullopt;
    case 9:
        return token.kind == TokenKind::Backslash ? std::optional(ScriptOp::IntDivide) : std::nullopt;
    case 10:
        if (token.kind == TokenKind::Star)
            return ScriptOp::Multiply;
        return token.kind == TokenKind::Slash ? std::optional(ScriptOp::Divide) : std::nullopt;
    default:
        return std::nullopt;
    }
}

int DeepestOf(const ExprList& list)
{
    int deepest = 0;
    for (const ExprPtr& item : list)
        deepest = std::max<int>(deepest, item->depth);
    return deepest;
}

}  // namespace

ExprPtr ScriptParser::Measured(ExprPtr expression)
{
    int below = 0;
    switch (expression->kind) {
    case ExprKind::Literal:
        break;
    case ExprKind::Name:
        below = DeepestOf(static_cast<NameExpr&>(*expression).args);
        break;
    case ExprKind::Member: {
        const auto& member = static_cast<MemberExpr&>(*expression);
        below = std::max<int>(member.object->depth, DeepestOf(member.args));
        break;
    }
    case ExprKind::Unary:
        below = static_cast<UnaryExpr&>(*expression).operand->depth;
        break;
    case ExprKind::Binary: {
        const auto& binary = static_cast<BinaryExpr&>(*expression);
        below = std::max<int>(binary.left->depth, binary.right->depth);
        break;
    }
    }
    if (below + 1 > kMaxExpressionDepth)
        Fail(kOutOfStackSpace);
    expression->depth = static_cast<quint16>(below + 1);
    return expression;
}

ExprPtr ScriptParser::ParseExpr()
{
    const NestingGuard guard(*this);
    return ParseBinaryLevel(0);
}

ExprPtr ScriptParser::ParseBinaryLevel(int level)
{
    auto operand = [this, level]() -> ExprPtr {
        if (level == kNotLevel - 1)
            return ParseNot();
        if (level == kLastLevel)
            return ParseNegation();
        return ParseBinaryLevel(level + 1);
    };
    ExprPtr left = operand();
    while (const std::optional<ScriptOp> op = OperatorAt(Current(), level)) {
        const int line = Current().line;
        Advance();
        ExprPtr right = operand();
        left = Measured(std::make_unique<BinaryExpr>(line, *op, std::move(left), std::move(right)));
    }
    return left;
}

ExprPtr ScriptParser::ParseNot()
{
    const NestingGuard guard(*this);
    if (IsKeyword(Keyword::Not)) {
        const int line = Current().line;
        Advance();
        return Measured(std::make_unique<UnaryExpr>(line, ScriptOp::Not, ParseNot()));
    }
    return ParseBinaryLevel(kNotLevel);
}

ExprPtr ScriptParser::ParseNegation()
{
    const NestingGuard guard(*this);
    const int line = Current().line;
    if (Accept(TokenKind::Minus)) {
        ExprPtr operand = ParseNegation();
        // Fold negative constants, so that -32768 stays an Integer constant.
        if (operand->kind == ExprKind::Literal) {
            auto* literal = static_cast<LiteralExpr*>(operand.get());
            if (literal->value.IsNumeric() && !literal->value.IsEmpty()) {
                literal->value = ApplyUnary(ScriptOp::Negate, literal->value);
                return operand;
            }
        }
        return Measured(std::make_unique<UnaryExpr>(line, ScriptOp::Negate, std::move(operand)));
    }
    if (Accept(TokenKind::Plus))
        return ParseNegation();
    return ParsePower();
}

ExprPtr ScriptParser::ParsePower()
{
    ExprPtr left = ParsePrimary();
    while (IsPunct(TokenKind::Caret)) {
        const int line = Current().line;
        Advance();
        ExprPtr right;
        if (Accept(TokenKind::Minus))
            right = Measured(std::make_unique<UnaryExpr>(line, ScriptOp::Negate, ParsePrimary()));
        else
            right = ParsePrimary();
        left = Measured(std::make_unique<BinaryExpr>(line, ScriptOp::Power, std::move(left), std::move(right)));
    }
    return left;
}

ExprPtr ScriptParser::ParsePrimary()
{
    const Token& token = Current();
    const int line = token.line;
    switch (token.kind) {
    case TokenKind::Number: {
        ScriptValue value = [&] {
            if (token.integral)
                return ScriptValue::FromInt(static_cast<qint64>(token.number));
            return ScriptValue::FromDouble(token.number);
        }();
        Advance();
        return std::make_unique<LiteralExpr>(line, std::move(value));
    }
    case TokenKind::String: {
        auto literal = std::make_unique<LiteralExpr>(line, ScriptValue::FromString(token.text));
        Advance();
        return literal;
    }
    case TokenKind::LeftParen: {
        Advance();
        ExprPtr inner = ParseExpr();
        Expect(TokenKind::RightParen, N::ExpectedCloseParen);
        if (inner->kind == ExprKind::Name)
            static_cast<NameExpr*>(inner.get())->parenthesized = true;
        return inner;
    }
    case TokenKind::Name:
        switch (token.keyword) {
        case Keyword::True:
        case Keyword::False: {
            const bool value = token.keyword == Keyword::True;
            Advance();
            return std::make_unique<LiteralExpr>(line, ScriptValue::FromBool(value));
        }
        case Keyword::Empty:
            Advance();
            return std::make_unique<LiteralExpr>(line, ScriptValue());
        case Keyword::Null:
            Advance();
            return std::make_unique<LiteralExpr>(line, ScriptValue::Null());
        case Keyword::Nothing:
            Advance();
            return std::make_unique<LiteralExpr>(line, ScriptValue::Nothing());
        case Keyword::Not:
            Advance();
            return Measured(std::make_unique<UnaryExpr>(line, ScriptOp::Not, ParseBinaryLevel(kNotLevel)));
        default:
            if (UsableAsName(token.keyword))
                return ParseChain();
            break;
        }
        break;
    default:
        break;
    }
    Fail(N::ExpectedExpression);
}

// name [(args)] {.member [(args)]}. lastParen receives the token index of the last
// argument list's "(" (or -1), for the call statement's second look.
ExprPtr ScriptParser::ParseChain(int* lastParen)
{
    const int line = Current().line;
    ExprPtr chain = MakeName(ExpectIdentifier(), line);
    auto parseArgs = [this, lastParen](ExprList& args, bool& hasArgs) {
        if (lastParen)
            *lastParen = -1;
        if (!IsPunct(TokenKind::LeftParen))
            return;
        if (lastParen) {
            *lastParen = static_cast<int>(m_pos);
            m_lastParenNames = m_context ? m_context->names.size() : 0;
        }
        Advance();
        hasArgs = true;
        if (!IsPunct(TokenKind::RightParen))
            ParseArgumentList(args);
        Expect(TokenKind::RightParen, N::ExpectedCloseParen);
    };
    auto* name = static_cast<NameExpr*>(chain.get());
    parseArgs(name->args, name->hasArgs);
    bool closedArgs = name->hasArgs;
    chain = Measured(std::move(chain));
    for (;;) {
        if (IsPunct(TokenKind::Dot) && !Current().spaceBefore) {
            Advance();
            if (Current().kind != TokenKind::Name)
                Fail(N::ExpectedIdentifier);
            auto member = std::make_unique<MemberExpr>(Current().line);
            member->name = Current().text;
            member->key = member->name.toLower();
            Advance();
            member->object = std::move(chain);
            parseArgs(member->args, member->hasArgs);
            closedArgs = member->hasArgs;
            chain = Measured(std::move(member));
        } else if (!lastParen && closedArgs && IsPunct(TokenKind::LeftParen)) {
            // An index on a result in an expression: Split(text, ",")(0), rows(1)(2). A
            // member without a name stands for it.
            auto index = std::make_unique<MemberExpr>(Current().line);
            index->object = std::move(chain);
            parseArgs(index->args, index->hasArgs);
            chain = Measured(std::move(index));
        } else {
            return chain;
        }
    }
}

std::unique_ptr<NameExpr> ScriptParser::MakeName(const QString& name, int line)
{
    auto expression = std::make_unique<NameExpr>(line);
    expression->ref.name = name;
    expression->ref.key = name.toLower();
    if (m_context)
        m_context->names.push_back(expression.get());
    return expression;
}

void ScriptParser::MarkAssigned(NameExpr* name)
{
    if (m_context)
        m_context->assigned.push_back(name);
}
