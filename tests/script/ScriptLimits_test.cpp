#include "ScriptTestSupport.h"

#include "script/ScriptAst.h"

#include <gtest/gtest.h>

// What keeps a script from exhausting the stack or the memory: the depth of expression
// trees, the stack of calls in progress, and the size of texts and arrays that operators and
// built-ins make.

namespace {

QString Chain(const QString& head, const QString& link, int times)
{
    return head + link.repeated(times);
}

}  // namespace

TEST(ScriptLimits, LongFlatChainsFailToCompileInsteadOfOverflowingTheStack)
{
    ConsoleEngine console;
    for (const char* link : {" + 1", " & 1", " ^ 1", " And 1", " = 1", " * 1", " Or 1", " Mod 3"})
        EXPECT_EQ(console.Run(Chain("x = 1", link, 200000)), "ERROR 28 line 1") << link;
    EXPECT_EQ(console.Run(Chain("x = Console", ".Out", 200000)), "ERROR 28 line 1");
    EXPECT_EQ(console.Run(Chain("a = Array(1)\nx = a", "(0)", 100000)), "ERROR 28 line 2");
    EXPECT_EQ(console.Run(Chain("Out 1", " & 1", 200000)), "ERROR 28 line 1");
    EXPECT_EQ(console.Run(Chain("s = \"\"\ns = s", " & 1", 200000)), "ERROR 28 line 2");
    EXPECT_EQ(console.Eval(Chain("1", " + 1", 200000)), "ERROR 28");
    // A million terms: what was built before the failure is freed, and the engine goes on.
    EXPECT_EQ(console.Run(Chain("x = 1", " + 1", 1000000)), "ERROR 28 line 1");
    EXPECT_EQ(console.Run("Out 2 + 2"), "4");
}

TEST(ScriptLimits, TreesUpToTheDepthLimitRun)
{
    ConsoleEngine console;
    // n additions make a tree n + 1 deep.
    const int links = kMaxExpressionDepth - 1;
    EXPECT_EQ(console.Run(Chain("x = 1", " + 1", links) + "\nOut x"), QString::number(links + 1));
    EXPECT_EQ(console.Run(Chain("x = 1", " + 1", links + 1)), "ERROR 28 line 1");
    EXPECT_EQ(console.Run(Chain("s = \"\"\ns = s", " & \"ab\"", links) + "\nOut Len(s)"), QString::number(2 * links));
    EXPECT_EQ(console.Run(Chain("a = Array(Array(Array(7)))\nOut a", "(0)", 3)), "7");
    // An argument's tree is part of the call's.
    EXPECT_EQ(console.Run(Chain("x = Abs(1", " + 1", links - 1) + ")\nOut x"), QString::number(links));
    EXPECT_EQ(console.Run(Chain("x = Abs(1", " + 1", links) + ")"), "ERROR 28 line 1");
}

TEST(ScriptLimits, RecursionThroughDeepExpressionsStopsWithOutOfStackSpace)
{
    ConsoleEngine console;
    // Each call evaluates a tree near the depth limit before it calls again.
    EXPECT_EQ(console.Run(Chain("Function F(n)\nF = F(n + 1)", " + 1", kMaxExpressionDepth - 10) + "\nEnd Function\nx = F(1)"),
        "ERROR 28 line 2");
    // Ordinary recursion still goes hundreds of calls deep.
    EXPECT_EQ(
        console.Run("Function D(n)\nIf n = 0 Then\nD = 0\nElse\nD = D(n - 1) + 1\nEnd If\nEnd Function\nOut D(390)"), "390");
    EXPECT_EQ(console.Run("Out D(3)"), "3");
}

TEST(ScriptLimits, AHostMethodThatRunsScriptAgainEndsWithOutOfStackSpace)
{
    ScriptEngine engine;
    engine.SetLanguage(QStringLiteral("VBScript"));
    int calls = 0;
    QList<int> failures;
    auto host = std::make_shared<ScriptHostObject>(QStringLiteral("Host"));
    host->AddMethod(
        QStringLiteral("Again"),
        [&](ScriptArgs&) {
            ++calls;
            if (!engine.ExecuteStatement(QStringLiteral("Again")))
                failures.append(engine.Error().number);
            return ScriptValue();
        },
        0, 0);
    engine.AddObject(QStringLiteral("Host"), host, true);
    EXPECT_TRUE(engine.ExecuteStatement(QStringLiteral("Again")));
    EXPECT_EQ(failures, QList<int>{28});
    EXPECT_GT(calls, 50);
    // The refused entry left no call behind: the step budget counts each call afresh.
    engine.SetStepBudget(1000);
    EXPECT_TRUE(engine.ExecuteStatement(QStringLiteral("For i = 1 To 600 : Next")));
    EXPECT_TRUE(engine.ExecuteStatement(QStringLiteral("For i = 1 To 600 : Next")));
}

TEST(ScriptLimits, TextsAndArraysAreMeasuredBeforeTheyAreMade)
{
    ConsoleEngine console;
    // 30 million blanks would split into 30 million parts.
    EXPECT_EQ(console.Run("s = Space(30000000)\na = Split(s)"), "ERROR 7 line 2");
    EXPECT_EQ(console.Run("s = Space(30000000)\na = Split(s, \" \", 5)\nOut UBound(a) & \" \" & Len(a(4))"), "4 29999996");
    EXPECT_EQ(console.Run("s = Space(40000000)\ns = Replace(s, \" \", \"ab\")"), "ERROR 14 line 2");
    EXPECT_EQ(console.Run("s = Space(40000000)\nOut Len(Replace(s, \" \", \"ab\", 1, 10))"), "40000010");
    EXPECT_EQ(console.Run("a = Array(Space(40000000), Space(30000000))\ns = Join(a, \"\")"), "ERROR 14 line 2");
    EXPECT_EQ(console.Run("a = Array(Space(30000000), Space(30000000))\nOut Len(Join(a, \"--\"))"), "60000002");
    EXPECT_EQ(console.Run("s = Space(40000000)\ns = s + s"), "ERROR 14 line 2");
    EXPECT_EQ(console.Run("s = Space(40000000)\ns = s & s"), "ERROR 14 line 2");
    EXPECT_EQ(console.Run("s = String(70000000, \"x\")"), "ERROR 14 line 1");
    EXPECT_EQ(console.Run("ReDim a(5000000)"), "ERROR 7 line 1");
}

TEST(ScriptLimits, TextAndArraysMadeCountAgainstTheStepBudget)
{
    ScriptEngine engine;
    engine.SetLanguage(QStringLiteral("VBScript"));
    engine.SetStepBudget(20000);
    // Every 30 million blanks cost 7324 steps: the statement after the third one is over the
    // budget, long before the hundred texts would hold six gigabytes.
    EXPECT_FALSE(engine.AddCode(QStringLiteral("Dim b(99)\nFor i = 0 To 99\nb(i) = Space(30000000)\nNext")));
    EXPECT_EQ(engine.Error().number, 1100);
    EXPECT_EQ(engine.Eval(QStringLiteral("IsEmpty(b(3)) And Not IsEmpty(b(2))")).ToBool(), true);
    // Appending counts what is appended, not the whole text each time.
    EXPECT_TRUE(engine.ExecuteStatement(QStringLiteral("s = \"\" : For i = 1 To 3000 : s = s & \"abcdefgh\" : Next")));
    EXPECT_EQ(engine.Eval(QStringLiteral("Len(s)")).ToLong(), 24000);
    engine.SetStepBudget(5000);
    for (const char* maker : {"Replace(Space(9000000), \" \", \"ab\")", "Split(Space(2000000))", "Join(Array(Space(9000000), 1))",
             "Space(9000000) & \"\"", "Space(9000000) + \"\"", "String(9000000, \"x\")"}) {
        EXPECT_FALSE(engine.ExecuteStatement(QStringLiteral("For i = 1 To 20 : t = %1 : Next").arg(QLatin1String(maker))))
            << maker;
        EXPECT_EQ(engine.Error().number, 1100) << maker;
    }
    engine.SetStepBudget(0);
    EXPECT_TRUE(engine.ExecuteStatement(QStringLiteral("For i = 1 To 5 : t = Space(9000000) & \"\" : Next")));
}

TEST(ScriptLimits, SplitReplaceAndJoinKeepTheirResults)
{
    ConsoleEngine console;
    EXPECT_EQ(console.Eval("Join(Split(\"a,b,,c\", \",\"), \"|\")"), "a|b||c:String");
    EXPECT_EQ(console.Eval("Join(Split(\"a,b,c,d\", \",\", 2), \"|\")"), "a|b,c,d:String");
    EXPECT_EQ(console.Eval("UBound(Split(\"a,b\", \",\", 0))"), "-1:Long");
    EXPECT_EQ(console.Eval("Join(Split(\"aXbxc\", \"x\", -1, 1), \"|\")"), "a|b|c:String");
    EXPECT_EQ(console.Eval("Join(Split(\"a b\", \"\"), \"|\")"), "a b:String");
    EXPECT_EQ(console.Eval("Join(Split(\",\", \",\"), \"|\")"), "|:String");
    EXPECT_EQ(console.Eval("Replace(\"abab\", \"b\", \"xyz\")"), "axyzaxyz:String");
    EXPECT_EQ(console.Eval("Replace(\"abab\", \"b\", \"xyz\", 2, 1)"), "xyzab:String");
    EXPECT_EQ(console.Eval("Replace(\"aBab\", \"b\", \"--\", 1, -1, 1)"), "a--a--:String");
    EXPECT_EQ(console.Eval("Join(Array(1, Null, True), \"\")"), "1True:String");
    EXPECT_EQ(console.Eval("Join(Array())"), ":String");
}
