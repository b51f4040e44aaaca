#pragma once

#include "script/ScriptAst.h"
#include "script/ScriptLexer.h"

#include <QHash>
#include <QString>

#include <memory>
#include <vector>

// Parses script text into a ScriptProgram. Raises a compilation ScriptError (number,
// description and line) for text that is no valid script; nothing is kept then.
class ScriptParser {
public:
    // Statements, Subs and Functions, as AddCode and ExecuteStatement take them.
    static std::unique_ptr<ScriptProgram> ParseProgram(const QString& text);
    // One expression, as Eval takes it.
    static std::unique_ptr<ScriptProgram> ParseExpression(const QString& text);

private:
    explicit ScriptParser(const QString& text);
    // Keywords that may still name a variable or procedure.
    static bool UsableAsName(Keyword keyword);

    // The procedure being parsed: its locals and the names used in it, bound at its end.
    struct ProcedureContext {
        ScriptProcedure* procedure = nullptr;
        QHash<QString, int> locals;
        std::vector<NameExpr*> names;
        std::vector<NameExpr*> assigned;
        int loopDepthDo = 0;
        int loopDepthFor = 0;
    };

    const Token& Current() const { return m_tokens[m_pos]; }
    const Token& Peek(int ahead = 1) const;
    bool IsKeyword(Keyword keyword) const { return Current().kind == TokenKind::Name && Current().keyword == keyword; }
    bool IsPunct(TokenKind kind) const { return Current().kind == kind; }
    bool AtStatementEnd() const;
    void Advance() { ++m_pos; }
    bool Accept(Keyword keyword);
    bool Accept(TokenKind kind);
    void Expect(Keyword keyword, int errorNumber);
    void Expect(TokenKind kind, int errorNumber);
    [[noreturn]] void Fail(int errorNumber) const;
    QString ExpectIdentifier();

    // Statements.
    void ParseTopLevel(ScriptProgram& program);
    Block ParseBlock(const std::vector<std::pair<Keyword, Keyword>>& terminators);
    bool AtTerminator(const std::vector<std::pair<Keyword, Keyword>>& terminators) const;
    void ExpectStatementEnd();
    StmtPtr ParseStatement();
    void ParseProcedure(ScriptProgram& program);
    StmtPtr ParseDim(bool isReDim);
    StmtPtr ParseConst();
    StmtPtr ParseIf();
    void ParseSingleLineStatements(Block& block, bool stopAtElse);
    StmtPtr ParseSelect();
    StmtPtr ParseFor();
    StmtPtr ParseDo();
    StmtPtr ParseWhile();
    StmtPtr ParseExit();
    StmtPtr ParseOnError();
    StmtPtr ParseAssignOrCall(bool isSet, bool isCall);
    void ResolveProcedureNames();

    // Expressions, loosest binding first.
    ExprPtr ParseExpr();
    ExprPtr ParseBinaryLevel(int level);
    ExprPtr ParseNot();
    ExprPtr ParseNegation();
    ExprPtr ParsePower();
    ExprPtr ParsePrimary();
    ExprPtr ParseChain(int* lastParen = nullptr);
    // Records the node's depth; a tree deeper than kMaxExpressionDepth fails to compile.
    ExprPtr Measured(ExprPtr expression);
    void ParseArgumentList(ExprList& args);
    std::unique_ptr<NameExpr> MakeName(const QString& name, int line);
    void MarkAssigned(NameExpr* name);

    std::vector<Token> m_tokens;
    size_t m_pos = 0;
    ProcedureContext* m_context = nullptr;
    ScriptProgram* m_program = nullptr;
    // Nesting of statements and expressions, bounded so that no text can exhaust the stack.
    class NestingGuard {
    public:
        explicit NestingGuard(ScriptParser& parser);
        ~NestingGuard() { --m_parser.m_nesting; }
        NestingGuard(const NestingGuard&) = delete;
        NestingGuard& operator=(const NestingGuard&) = delete;

    private:
        ScriptParser& m_parser;
    };
    int m_nesting = 0;
    size_t m_lastParenNames = 0;  // names registered before the last argument list
    int m_topDoDepth = 0;
    int m_topForDepth = 0;
};
