#pragma once

#include "script/ScriptOperators.h"
#include "script/ScriptValue.h"

#include <QString>

#include <memory>
#include <vector>

// The syntax tree the parser builds and the interpreter walks. Names inside procedures
// are bound to local slots while parsing; other names are bound on first use and the
// binding is kept in the node.

enum class NameBinding : quint8 { Unresolved, Local, Global, Procedure, HostMember, Builtin };

struct NameRef {
    QString name;                // as written
    QString key;                 // lower case
    mutable int localSlot = -1;  // a parameter or Dim of the procedure
    int implicitSlot = -1;       // the local an undeclared name assigned in a procedure becomes
    // Binding found at run time, kept for the next use.
    mutable NameBinding binding = NameBinding::Unresolved;
    mutable int index = -1;
};

enum class ExprKind : quint8 { Literal, Name, Member, Unary, Binary };

// The deepest expression tree the parser builds. The interpreter evaluates and the tree
// frees itself recursively, one stack frame per level: long chains ("1 + 1 + ...",
// "a.b.c...", "f(0)(0)...") and nesting count alike.
inline constexpr int kMaxExpressionDepth = 1000;

struct Expr {
    explicit Expr(ExprKind k, int l)
        : kind(k)
        , line(l)
    {
    }
    virtual ~Expr() = default;
    ExprKind kind;
    quint16 depth = 1;  // levels of the tree below and including this node
    int line;
};
using ExprPtr = std::unique_ptr<Expr>;
using ExprList = std::vector<ExprPtr>;

struct LiteralExpr : Expr {
    LiteralExpr(int l, ScriptValue v)
        : Expr(ExprKind::Literal, l)
        , value(std::move(v))
    {
    }
    ScriptValue value;
};

// A name, possibly with an argument list: a variable, an array item, a call of a procedure,
// a member of a global host object or a built-in.
struct NameExpr : Expr {
    explicit NameExpr(int l)
        : Expr(ExprKind::Name, l)
    {
    }
    NameRef ref;
    ExprList args;
    bool hasArgs = false;        // written with parentheses
    bool parenthesized = false;  // "(x)": passed by value, never as the variable itself
};

// object.member, possibly with arguments. Without a name: the value of object indexed or
// called by its default member, as in Split(text, ",")(0).
struct MemberExpr : Expr {
    explicit MemberExpr(int l)
        : Expr(ExprKind::Member, l)
    {
    }
    ExprPtr object;
    QString name;
    QString key;
    ExprList args;
    bool hasArgs = false;
};

struct UnaryExpr : Expr {
    UnaryExpr(int l, ScriptOp o, ExprPtr e)
        : Expr(ExprKind::Unary, l)
        , op(o)
        , operand(std::move(e))
    {
    }
    ScriptOp op;
    ExprPtr operand;
};

struct BinaryExpr : Expr {
    BinaryExpr(int l, ScriptOp o, ExprPtr a, ExprPtr b)
        : Expr(ExprKind::Binary, l)
        , op(o)
        , left(std::move(a))
        , right(std::move(b))
    {
        literal = left->kind == ExprKind::Literal ? LiteralSide::Left
            : right->kind == ExprKind::Literal    ? LiteralSide::Right
                                                  : LiteralSide::None;
    }
    ScriptOp op;
    LiteralSide literal;
    ExprPtr left;
    ExprPtr right;
};

enum class StmtKind : quint8 {
    Assign,
    Append,
    Call,
    If,
    Select,
    For,
    ForEach,
    Do,
    Exit,
    Dim,
    ReDim,
    Const,
    OnError,
    Erase,
    Randomize,
};

struct Stmt {
    explicit Stmt(StmtKind k, int l)
        : kind(k)
        , line(l)
    {
    }
    virtual ~Stmt() = default;
    StmtKind kind;
    int line;
};
using StmtPtr = std::unique_ptr<Stmt>;
using Block = std::vector<StmtPtr>;

// target = value, or Set target = value.
struct AssignStmt : Stmt {
    explicit AssignStmt(int l)
        : Stmt(StmtKind::Assign, l)
    {
    }
    ExprPtr target;  // NameExpr or MemberExpr
    ExprPtr value;
    bool isSet = false;
};

// s = s & a & b ...: appends to the variable in place instead of copying the text.
struct AppendStmt : Stmt {
    explicit AppendStmt(int l)
        : Stmt(StmtKind::Append, l)
    {
    }
    std::unique_ptr<NameExpr> target;
    ExprList parts;
};

struct CallStmt : Stmt {
    explicit CallStmt(int l)
        : Stmt(StmtKind::Call, l)
    {
    }
    ExprPtr target;  // NameExpr or MemberExpr with the arguments
};

struct IfStmt : Stmt {
    explicit IfStmt(int l)
        : Stmt(StmtKind::If, l)
    {
    }
    std::vector<ExprPtr> conditions;
    std::vector<Block> blocks;  // one per condition
    Block elseBlock;
};

struct SelectStmt : Stmt {
    explicit SelectStmt(int l)
        : Stmt(StmtKind::Select, l)
    {
    }
    struct Case {
        ExprList values;  // empty for Case Else
        Block body;
        bool isElse = false;
    };
    ExprPtr subject;
    std::vector<Case> cases;
};

struct ForStmt : Stmt {
    explicit ForStmt(int l)
        : Stmt(StmtKind::For, l)
    {
    }
    std::unique_ptr<NameExpr> counter;
    ExprPtr from;
    ExprPtr to;
    ExprPtr step;  // null: 1
    Block body;
};

struct ForEachStmt : Stmt {
    explicit ForEachStmt(int l)
        : Stmt(StmtKind::ForEach, l)
    {
    }
    std::unique_ptr<NameExpr> item;
    ExprPtr collection;
    Block body;
};

// Do/Loop with the condition at the top or the bottom; While/Wend is a Do While.
struct DoStmt : Stmt {
    explicit DoStmt(int l)
        : Stmt(StmtKind::Do, l)
    {
    }
    ExprPtr condition;  // null: loop until Exit Do
    bool until = false;
    bool atTop = true;
    bool isWhileWend = false;
    Block body;
};

enum class ExitKind : quint8 { Do, For, Sub, Function };

struct ExitStmt : Stmt {
    ExitStmt(int l, ExitKind w)
        : Stmt(StmtKind::Exit, l)
        , what(w)
    {
    }
    ExitKind what;
};

// Dim / ReDim items: a name with optional bounds.
struct DimItem {
    std::unique_ptr<NameExpr> target;
    ExprList bounds;
    bool isArray = false;
};

struct DimStmt : Stmt {
    explicit DimStmt(int l)
        : Stmt(StmtKind::Dim, l)
    {
    }
    std::vector<DimItem> items;
};

struct ReDimStmt : Stmt {
    explicit ReDimStmt(int l)
        : Stmt(StmtKind::ReDim, l)
    {
    }
    std::vector<DimItem> items;
    bool preserve = false;
};

struct ConstStmt : Stmt {
    explicit ConstStmt(int l)
        : Stmt(StmtKind::Const, l)
    {
    }
    std::vector<std::pair<std::unique_ptr<NameExpr>, ExprPtr>> items;
};

struct OnErrorStmt : Stmt {
    OnErrorStmt(int l, bool r)
        : Stmt(StmtKind::OnError, l)
        , resumeNext(r)
    {
    }
    bool resumeNext;
};

struct EraseStmt : Stmt {
    explicit EraseStmt(int l)
        : Stmt(StmtKind::Erase, l)
    {
    }
    std::unique_ptr<NameExpr> target;
};

struct RandomizeStmt : Stmt {
    explicit RandomizeStmt(int l)
        : Stmt(StmtKind::Randomize, l)
    {
    }
    ExprPtr seed;
};

struct ScriptParameter {
    QString name;
    bool byVal = false;
};

// A Sub or Function. Slot 0 of its locals holds a Function's result, the parameters
// follow, then its Dims and implicit locals.
struct ScriptProcedure {
    QString name;
    QString key;
    bool isFunction = false;
    int line = 0;
    std::vector<ScriptParameter> parameters;
    int localCount = 1;
    std::vector<int> constSlots;  // locals declared by Const
    Block body;
};

// What one text added to the engine compiles to.
struct ScriptProgram {
    std::vector<std::shared_ptr<ScriptProcedure>> procedures;
    std::vector<QString> globals;  // names declared by top-level Dim, ReDim and Const
    Block body;                    // the top-level statements
    ExprPtr expression;            // for an expression parsed on its own
};
