#include "script/ScriptParser.h"

#include "script/ScriptError.h"

namespace N = ScriptErrorNumber;

namespace {

using Terminators = std::vector<std::pair<Keyword, Keyword>>;

constexpr int kMaxNesting = 200;
constexpr int kOutOfStackSpace = 28;

}  // namespace

ScriptParser::NestingGuard::NestingGuard(ScriptParser& parser)
    : m_parser(parser)
{
    if (++m_parser.m_nesting > kMaxNesting)
        m_parser.Fail(kOutOfStackSpace);
}

bool ScriptParser::UsableAsName(Keyword keyword)
{
    switch (keyword) {
    case Keyword::None:
    case Keyword::Step:
    case Keyword::Preserve:
    case Keyword::Randomize:
        return true;
    default:
        return false;
    }
}

ScriptParser::ScriptParser(const QString& text)
    : m_tokens(TokenizeScript(text))
{
}

std::unique_ptr<ScriptProgram> ScriptParser::ParseProgram(const QString& text)
{
    ScriptParser parser(text);
    auto program = std::make_unique<ScriptProgram>();
    parser.m_program = program.get();
    parser.ParseTopLevel(*program);
    return program;
}

std::unique_ptr<ScriptProgram> ScriptParser::ParseExpression(const QString& text)
{
    ScriptParser parser(text);
    auto program = std::make_unique<ScriptProgram>();
    parser.m_program = program.get();
    while (parser.Current().kind == TokenKind::Separator)
        parser.Advance();
    program->expression = parser.ParseExpr();
    while (parser.Current().kind == TokenKind::Separator)
        parser.Advance();
    if (parser.Current().kind != TokenKind::End)
        parser.Fail(N::ExpectedEndOfStatement);
    return program;
}

const Token& ScriptParser::Peek(int ahead) const
{
    const size_t index = std::min(m_pos + ahead, m_tokens.size() - 1);
    return m_tokens[index];
}

bool ScriptParser::AtStatementEnd() const
{
    return Current().kind == TokenKind::Separator || Current().kind == TokenKind::End || IsKeyword(Keyword::Else);
}

bool ScriptParser::Accept(Keyword keyword)
{
    if (!IsKeyword(keyword))
        return false;
    Advance();
    return true;
}

bool ScriptParser::Accept(TokenKind kind)
{
    if (Current().kind != kind)
        return false;
    Advance();
    return true;
}

void ScriptParser::Expect(Keyword keyword, int errorNumber)
{
    if (!Accept(keyword))
        Fail(errorNumber);
}

void ScriptParser::Expect(TokenKind kind, int errorNumber)
{
    if (!Accept(kind))
        Fail(errorNumber);
}

void ScriptParser::Fail(int errorNumber) const
{
    ScriptError error;
    error.number = errorNumber;
    error.description = ScriptErrorText(errorNumber);
    error.line = Current().line;
    error.compilation = true;
    throw error;
}

QString ScriptParser::ExpectIdentifier()
{
    if (Current().kind != TokenKind::Name || !UsableAsName(Current().keyword))
        Fail(N::ExpectedIdentifier);
    const QString name = Current().text;
    Advance();
    return name;
}

// ---------------------------------------------------------------------------------------
// Statements

void ScriptParser::ParseTopLevel(ScriptProgram& program)
{
    for (;;) {
        while (Accept(TokenKind::Separator)) { }
        if (Current().kind == TokenKind::End)
            return;
        const bool modifier = IsKeyword(Keyword::Public) || IsKeyword(Keyword::Private);
        const Keyword next = modifier ? Peek().keyword : Current().keyword;
        if (next == Keyword::Sub || next == Keyword::Function) {
            ParseProcedure(program);
        } else {
            program.body.push_back(ParseStatement());
        }
        ExpectStatementEnd();
    }
}

bool ScriptParser::AtTerminator(const Terminators& terminators) const
{
    if (Current().kind == TokenKind::End)
        return true;
    for (const auto& [first, second] : terminators) {
        if (!IsKeyword(first))
            continue;
        if (second == Keyword::None || (Peek().kind == TokenKind::Name && Peek().keyword == second))
            return true;
    }
    return false;
}

Block ScriptParser::ParseBlock(const Terminators& terminators)
{
    Block block;
    for (;;) {
        while (Accept(TokenKind::Separator)) { }
        if (AtTerminator(terminators))
            return block;
        block.push_back(ParseStatement());
        ExpectStatementEnd();
    }
}

void ScriptParser::ExpectStatementEnd()
{
    if (Current().kind == TokenKind::End)
        return;
    if (!Accept(TokenKind::Separator))
        Fail(N::ExpectedEndOfStatement);
}

StmtPtr ScriptParser::ParseStatement()
{
    const NestingGuard guard(*this);
    const Token& token = Current();
    if (token.kind != TokenKind::Name)
        Fail(N::ExpectedStatement);
    switch (token.keyword) {
    case Keyword::Dim:
        Advance();
        return ParseDim(false);
    case Keyword::Public:
    case Keyword::Private:
        Advance();
        if (IsKeyword(Keyword::Const))
            return ParseConst();
        return ParseDim(false);
    case Keyword::ReDim:
        Advance();
        return ParseDim(true);
    case Keyword::Const:
        return ParseConst();
    case Keyword::If:
        return ParseIf();
    case Keyword::Select:
        return ParseSelect();
    case Keyword::For:
        return ParseFor();
    case Keyword::Do:
        return ParseDo();
    case Keyword::While:
        return ParseWhile();
    case Keyword::Exit:
        return ParseExit();
    case Keyword::On:
        return ParseOnError();
    case Keyword::Set:
        Advance();
        return ParseAssignOrCall(true, false);
    case Keyword::Let:
        Advance();
        return ParseAssignOrCall(false, false);
    case Keyword::Call:
        Advance();
        return ParseAssignOrCall(false, true);
    case Keyword::Option: {
        Advance();
        if (Current().kind != TokenKind::Name || Current().text.compare(QLatin1String("explicit"), Qt::CaseInsensitive) != 0)
            Fail(N::SyntaxError);
        Advance();
        return std::make_unique<IfStmt>(token.line);  // an empty If: no run-time effect
    }
    case Keyword::Erase: {
        Advance();
        auto statement = std::make_unique<EraseStmt>(token.line);
        statement->target = MakeName(ExpectIdentifier(), token.line);
        MarkAssigned(statement->target.get());
        return statement;
    }
    case Keyword::Randomize: {
        Advance();
        auto statement = std::make_unique<RandomizeStmt>(token.line);
        if (!AtStatementEnd())
            statement->seed = ParseExpr();
        return statement;
    }
    case Keyword::Sub:
    case Keyword::Function:
        Fail(N::SyntaxError);  // procedures do not nest
    case Keyword::None:
    case Keyword::Step:
    case Keyword::Preserve:
        return ParseAssignOrCall(false, false);
    default:
        Fail(N::ExpectedStatement);
    }
}

void ScriptParser::ParseProcedure(ScriptProgram& program)
{
    Accept(Keyword::Public) || Accept(Keyword::Private);
    const bool isFunction = IsKeyword(Keyword::Function);
    const int line = Current().line;
    Advance();
    auto procedure = std::make_shared<ScriptProcedure>();
    procedure->name = ExpectIdentifier();
    procedure->key = procedure->name.toLower();
    procedure->isFunction = isFunction;
    procedure->line = line;
    ProcedureContext context;
    context.procedure = procedure.get();
    if (Accept(TokenKind::LeftParen)) {
        if (!IsPunct(TokenKind::RightParen)) {
            do {
                ScriptParameter parameter;
                if (Accept(Keyword::ByVal))
                    parameter.byVal = true;
                else
                    Accept(Keyword::ByRef);
                parameter.name = ExpectIdentifier();
                if (Accept(TokenKind::LeftParen))
                    Expect(TokenKind::RightParen, N::ExpectedCloseParen);
                const QString key = parameter.name.toLower();
                if (context.locals.contains(key))
                    Fail(N::NameRedefined);
                context.locals.insert(key, procedure->localCount++);
                procedure->parameters.push_back(parameter);
            } while (Accept(TokenKind::Comma));
        }
        Expect(TokenKind::RightParen, N::ExpectedCloseParen);
    }
    ProcedureContext* outer = m_context;
    m_context = &context;
    const Keyword endWord = isFunction ? Keyword::Function : Keyword::Sub;
    ExpectStatementEnd();
    procedure->body = ParseBlock({{Keyword::End, endWord}});
    if (!Accept(Keyword::End))
        Fail(N::ExpectedEnd);
    Expect(endWord, isFunction ? N::ExpectedFunction : N::ExpectedSub);
    ResolveProcedureNames();
    m_context = outer;
    for (const auto& existing : program.procedures) {
        if (existing->key == procedure->key)
            Fail(N::NameRedefined);
    }
    program.procedures.push_back(std::move(procedure));
}

// Binds the names of the finished procedure: its own locals (wherever their Dim stands),
// its result, and an implicit local for each undeclared name it assigns.
void ScriptParser::ResolveProcedureNames()
{
    ProcedureContext& context = *m_context;
    ScriptProcedure& procedure = *context.procedure;
    QHash<QString, int> implicitSlots;
    for (NameExpr* name : context.assigned) {
        const QString& key = name->ref.key;
        if (context.locals.contains(key) || (procedure.isFunction && key == procedure.key))
            continue;
        if (!implicitSlots.contains(key))
            implicitSlots.insert(key, procedure.localCount++);
    }
    for (NameExpr* name : context.names) {
        const QString& key = name->ref.key;
        const auto local = context.locals.constFind(key);
        if (local != context.locals.constEnd())
            name->ref.localSlot = *local;
        else if (procedure.isFunction && key == procedure.key && !name->hasArgs)
            name->ref.localSlot = 0;
        else
            name->ref.implicitSlot = implicitSlots.value(key, -1);
    }
}

StmtPtr ScriptParser::ParseDim(bool isReDim)
{
    const int line = Current().line;
    std::vector<DimItem> items;
    bool preserve = false;
    if (isReDim)
        preserve = Accept(Keyword::Preserve);
    do {
        DimItem item;
        const int itemLine = Current().line;
        item.target = MakeName(ExpectIdentifier(), itemLine);
        if (Accept(TokenKind::LeftParen)) {
            item.isArray = true;
            if (!IsPunct(TokenKind::RightParen)) {
                do {
                    item.bounds.push_back(ParseExpr());
                } while (Accept(TokenKind::Comma));
            }
            Expect(TokenKind::RightParen, N::ExpectedCloseParen);
        } else if (isReDim) {
            Fail(N::SyntaxError);
        }
        const QString& key = item.target->ref.key;
        if (m_context) {
            // ReDim in a procedure resizes a global array of that name when there is one,
            // and declares a local only otherwise (the binding of an assigned name).
            if (!isReDim && !m_context->locals.contains(key))
                m_context->locals.insert(key, m_context->procedure->localCount++);
        } else if (std::find(m_program->globals.begin(), m_program->globals.end(), key) == m_program->globals.end()) {
            m_program->globals.push_back(key);
        }
        MarkAssigned(item.target.get());
        items.push_back(std::move(item));
    } while (Accept(TokenKind::Comma));
    if (isReDim) {
        auto statement = std::make_unique<ReDimStmt>(line);
        statement->items = std::move(items);
        statement->preserve = preserve;
        return statement;
    }
    auto statement = std::make_unique<DimStmt>(line);
    statement->items = std::move(items);
    return statement;
}

StmtPtr ScriptParser::ParseConst()
{
    auto statement = std::make_unique<ConstStmt>(Current().line);
    Expect(Keyword::Const, N::SyntaxError);
    do {
        auto name = MakeName(ExpectIdentifier(), Current().line);
        Expect(TokenKind::Equal, N::ExpectedEquals);
        ExprPtr value = ParseExpr();
        const QString& key = name->ref.key;
        if (m_context) {
            if (m_context->locals.contains(key))
                Fail(N::NameRedefined);
            const int slot = m_context->procedure->localCount++;
            m_context->locals.insert(key, slot);
            m_context->procedure->constSlots.push_back(slot);
        } else {
            m_program->globals.push_back(key);
        }
        MarkAssigned(name.get());
        statement->items.emplace_back(std::move(name), std::move(value));
    } while (Accept(TokenKind::Comma));
    return statement;
}

StmtPtr ScriptParser::ParseIf()
{
    auto statement = std::make_unique<IfStmt>(Current().line);
    Advance();
    statement->conditions.push_back(ParseExpr());
    Expect(Keyword::Then, N::ExpectedThen);
    if (!Current().lineEnd && Current().kind != TokenKind::End) {
        // Single-line form: If c Then a : b Else d
        statement->blocks.emplace_back();
        ParseSingleLineStatements(statement->blocks.back(), true);
        if (Accept(Keyword::Else))
            ParseSingleLineStatements(statement->elseBlock, false);
        return statement;
    }
    const Terminators terminators
        = {{Keyword::ElseIf, Keyword::None}, {Keyword::Else, Keyword::None}, {Keyword::End, Keyword::If}};
    statement->blocks.push_back(ParseBlock(terminators));
    while (Accept(Keyword::ElseIf)) {
        statement->conditions.push_back(ParseExpr());
        Expect(Keyword::Then, N::ExpectedThen);
        statement->blocks.push_back(ParseBlock(terminators));
    }
    if (Accept(Keyword::Else))
        statement->elseBlock = ParseBlock({{Keyword::End, Keyword::If}});
    Expect(Keyword::End, N::ExpectedEnd);
    Expect(Keyword::If, N::ExpectedIf);
    return statement;
}

void ScriptParser::ParseSingleLineStatements(Block& block, bool stopAtElse)
{
    for (;;) {
        if (Current().kind == TokenKind::Separator && !Current().lineEnd) {
            Advance();
            continue;
        }
        if (Current().kind == TokenKind::End || Current().lineEnd || (stopAtElse && IsKeyword(Keyword::Else)))
            return;
        block.push_back(ParseStatement());
        if (!AtStatementEnd())
            Fail(N::ExpectedEndOfStatement);
    }
}

StmtPtr ScriptParser::ParseSelect()
{
    auto statement = std::make_unique<SelectStmt>(Current().line);
    Advance();
    Expect(Keyword::Case, N::ExpectedCase);
    statement->subject = ParseExpr();
    ExpectStatementEnd();
    while (Accept(TokenKind::Separator)) { }
    const Terminators terminators = {{Keyword::Case, Keyword::None}, {Keyword::End, Keyword::Select}};
    while (Accept(Keyword::Case)) {
        SelectStmt::Case branch;
        if (Accept(Keyword::Else)) {
            branch.isElse = true;
        } else {
            do {
                branch.values.push_back(ParseExpr());
            } while (Accept(TokenKind::Comma));
        }
        branch.body = ParseBlock(terminators);
        statement->cases.push_back(std::move(branch));
    }
    Expect(Keyword::End, N::ExpectedEnd);
    Expect(Keyword::Select, N::ExpectedSelect);
    return statement;
}

StmtPtr ScriptParser::ParseFor()
{
    const int line = Current().line;
    Advance();
    int& depth = m_context ? m_context->loopDepthFor : m_topForDepth;
    if (Accept(Keyword::Each)) {
        auto statement = std::make_unique<ForEachStmt>(line);
        statement->item = MakeName(ExpectIdentifier(), line);
        MarkAssigned(statement->item.get());
        Expect(Keyword::In, N::ExpectedIn);
        statement->collection = ParseExpr();
        ++depth;
        statement->body = ParseBlock({{Keyword::Next, Keyword::None}});
        --depth;
        Expect(Keyword::Next, N::ExpectedNext);
        return statement;
    }
    auto statement = std::make_unique<ForStmt>(line);
    statement->counter = MakeName(ExpectIdentifier(), line);
    MarkAssigned(statement->counter.get());
    Expect(TokenKind::Equal, N::ExpectedEquals);
    statement->from = ParseExpr();
    Expect(Keyword::To, N::ExpectedTo);
    statement->to = ParseExpr();
    if (Accept(Keyword::Step))
        statement->step = ParseExpr();
    ++depth;
    statement->body = ParseBlock({{Keyword::Next, Keyword::None}});
    --depth;
    Expect(Keyword::Next, N::ExpectedNext);
    if (Current().kind == TokenKind::Name && UsableAsName(Current().keyword))
        Advance();  // Next i
    return statement;
}

StmtPtr ScriptParser::ParseDo()
{
    auto statement = std::make_unique<DoStmt>(Current().line);
    Advance();
    if (IsKeyword(Keyword::While) || IsKeyword(Keyword::Until)) {
        statement->until = IsKeyword(Keyword::Until);
        Advance();
        statement->condition = ParseExpr();
    }
    int& depth = m_context ? m_context->loopDepthDo : m_topDoDepth;
    ++depth;
    statement->body = ParseBlock({{Keyword::Loop, Keyword::None}});
    --depth;
    Expect(Keyword::Loop, N::ExpectedLoop);
    if (IsKeyword(Keyword::While) || IsKeyword(Keyword::Until)) {
        if (statement->condition)
            Fail(N::ExpectedEndOfStatement);
        statement->until = IsKeyword(Keyword::Until);
        statement->atTop = false;
        Advance();
        statement->condition = ParseExpr();
    }
    return statement;
}

StmtPtr ScriptParser::ParseWhile()
{
    auto statement = std::make_unique<DoStmt>(Current().line);
    statement->isWhileWend = true;
    Advance();
    statement->condition = ParseExpr();
    statement->body = ParseBlock({{Keyword::Wend, Keyword::None}});
    Expect(Keyword::Wend, N::ExpectedWend);
    return statement;
}

StmtPtr ScriptParser::ParseExit()
{
    const int line = Current().line;
    Advance();
    const Keyword what = Current().keyword;
    Advance();
    switch (what) {
    case Keyword::Do:
        if ((m_context ? m_context->loopDepthDo : m_topDoDepth) == 0)
            Fail(N::InvalidExit);
        return std::make_unique<ExitStmt>(line, ExitKind::Do);
    case Keyword::For:
        if ((m_context ? m_context->loopDepthFor : m_topForDepth) == 0)
            Fail(N::InvalidExit);
        return std::make_unique<ExitStmt>(line, ExitKind::For);
    case Keyword::Sub:
    case Keyword::Function:
        if (!m_context || m_context->procedure->isFunction != (what == Keyword::Function))
            Fail(N::InvalidExit);
        return std::make_unique<ExitStmt>(line, what == Keyword::Sub ? ExitKind::Sub : ExitKind::Function);
    default:
        Fail(N::InvalidExit);
    }
}

StmtPtr ScriptParser::ParseOnError()
{
    const int line = Current().line;
    Advance();
    if (Current().kind != TokenKind::Name || Current().text.compare(QLatin1String("error"), Qt::CaseInsensitive) != 0)
        Fail(N::SyntaxError);
    Advance();
    if (Accept(Keyword::Resume)) {
        Expect(Keyword::Next, N::ExpectedNext);
        return std::make_unique<OnErrorStmt>(line, true);
    }
    Expect(Keyword::GoTo, N::SyntaxError);
    if (Current().kind != TokenKind::Number || Current().number != 0)
        Fail(N::SyntaxError);
    Advance();
    return std::make_unique<OnErrorStmt>(line, false);
}

StmtPtr ScriptParser::ParseAssignOrCall(bool isSet, bool isCall)
{
    const int line = Current().line;
    int lastParen = -1;
    ExprPtr target = ParseChain(&lastParen);
    if (!isCall && IsPunct(TokenKind::Equal)) {
        Advance();
        if (target->kind == ExprKind::Name)
            MarkAssigned(static_cast<NameExpr*>(target.get()));
        ExprPtr value = ParseExpr();
        // s = s & a & b: append in place.
        if (!isSet && target->kind == ExprKind::Name && !static_cast<NameExpr*>(target.get())->hasArgs) {
            std::vector<Expr*> spine;
            Expr* node = value.get();
            while (node->kind == ExprKind::Binary && static_cast<BinaryExpr*>(node)->op == ScriptOp::Concat) {
                spine.push_back(node);
                node = static_cast<BinaryExpr*>(node)->left.get();
            }
            auto* targetName = static_cast<NameExpr*>(target.get());
            if (!spine.empty() && node->kind == ExprKind::Name && !static_cast<NameExpr*>(node)->hasArgs
                && static_cast<NameExpr*>(node)->ref.key == targetName->ref.key) {
                if (m_context)
                    std::erase(m_context->names, static_cast<NameExpr*>(node));  // destroyed with value below
                auto statement = std::make_unique<AppendStmt>(line);
                statement->target.reset(static_cast<NameExpr*>(target.release()));
                for (auto it = spine.rbegin(); it != spine.rend(); ++it)
                    statement->parts.push_back(std::move(static_cast<BinaryExpr*>(*it)->right));
                return statement;
            }
        }
        auto statement = std::make_unique<AssignStmt>(line);
        statement->target = std::move(target);
        statement->value = std::move(value);
        statement->isSet = isSet;
        return statement;
    }
    if (isSet)
        Fail(N::ExpectedEquals);
    auto statement = std::make_unique<CallStmt>(line);
    if (!AtStatementEnd()) {
        if (isCall)
            Fail(N::ExpectedEndOfStatement);
        // Arguments without parentheses. A parenthesis that closed the name's argument list
        // was only the start of the first argument: "Foo (a) + 1, b".
        ExprList* args = nullptr;
        if (target->kind == ExprKind::Name)
            args = &static_cast<NameExpr*>(target.get())->args;
        else if (target->kind == ExprKind::Member)
            args = &static_cast<MemberExpr*>(target.get())->args;
        else
            Fail(N::ExpectedStatement);
        if (lastParen >= 0) {
            m_pos = static_cast<size_t>(lastParen);
            if (m_context)
                m_context->names.resize(m_lastParenNames);
            args->clear();
        }
        ParseArgumentList(*args);
        if (!AtStatementEnd())
            Fail(N::ExpectedEndOfStatement);
    }
    // "Foo(x)" without Call is "Foo (x)": the one argument is a parenthesized expression.
    ExprList* written = target->kind == ExprKind::Name ? &static_cast<NameExpr*>(target.get())->args
        : target->kind == ExprKind::Member             ? &static_cast<MemberExpr*>(target.get())->args
                                                       : nullptr;
    if (!isCall && lastParen >= 0 && written && written->size() == 1 && written->front()->kind == ExprKind::Name)
        static_cast<NameExpr*>(written->front().get())->parenthesized = true;
    if (target->kind == ExprKind::Name)
        static_cast<NameExpr*>(target.get())->hasArgs = true;
    else if (target->kind == ExprKind::Member)
        static_cast<MemberExpr*>(target.get())->hasArgs = true;
    else
        Fail(N::ExpectedStatement);
    statement->target = Measured(std::move(target));
    return statement;
}

// Arguments separated by commas; an argument left out is Empty.
void ScriptParser::ParseArgumentList(ExprList& args)
{
    for (;;) {
        if (IsPunct(TokenKind::Comma) || IsPunct(TokenKind::RightParen))
            args.push_back(std::make_unique<LiteralExpr>(Current().line, ScriptValue()));
        else
            args.push_back(ParseExpr());
        if (!Accept(TokenKind::Comma))
            return;
    }
}
