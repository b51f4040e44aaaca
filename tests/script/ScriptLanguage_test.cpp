#include "ScriptTestSupport.h"

#include <gtest/gtest.h>

namespace {

struct EvalCase {
    const char* expression;
    const char* expected;  // value ":" subtype, "<Null>" or "ERROR n"
};

void ExpectEvals(const std::vector<EvalCase>& cases)
{
    ConsoleEngine console;
    for (const EvalCase& row : cases)
        EXPECT_EQ(console.Eval(QString::fromUtf8(row.expression)), QString::fromUtf8(row.expected)) << row.expression;
}

}  // namespace

TEST(ScriptLanguage, ArithmeticFollowsVariantPromotion)
{
    ExpectEvals({
        {"1 + 2 * 3", "7:Integer"},
        {"(1 + 2) * 3", "9:Integer"},
        {"10 - 2 - 3", "5:Integer"},
        {"32767 + 1", "32768:Long"},
        {"-32768 - 1", "-32769:Long"},
        {"2147483647 + 1", "2147483648:Double"},
        {"40000 * 40000", "1600000000:Long"},
        {"7 / 2", "3.5:Double"},
        {"0.1 + 0.2", "0.3:Double"},
        {"1 / 3", "0.333333333333333:Double"},
        {"1E20", "1E+20:Double"},
        {"7 \\ 2", "3:Integer"},
        {"-7 \\ 2", "-3:Integer"},
        {"7.5 \\ 2", "4:Long"},
        {"6.5 \\ 1", "6:Long"},
        {"10 Mod 3", "1:Integer"},
        {"-10 Mod 3", "-1:Integer"},
        {"2 ^ 10", "1024:Double"},
        {"-2 ^ 2", "-4:Double"},
        {"2 ^ -1", "0.5:Double"},
        {"\"1\" + 2", "3:Double"},
        {"\"a\" + \"b\"", "ab:String"},
        {"True + True", "-2:Integer"},
        {"Empty + 1", "1:Integer"},
        {"Null + 1", "<Null>"},
        {"&HFF", "255:Integer"},
        {"&HFFFF", "-1:Integer"},
        {"&H10000", "65536:Long"},
        {"5 \\ 0", "ERROR 11"},
        {"5 / 0", "ERROR 11"},
        {"5 Mod 0", "ERROR 11"},
        {"\"abc\" * 2", "ERROR 13"},
    });
}

TEST(ScriptLanguage, ConcatenationComparisonAndLogic)
{
    ExpectEvals({
        {"\"a\" & 1 & True", "a1True:String"},
        {"\"x\" & 1.5", "x1.5:String"},
        {"Null & \"x\"", "x:String"},
        {"1 < 2", "True:Boolean"},
        {"\"B\" < \"a\"", "True:Boolean"},
        {"\"abc\" = \"ABC\"", "False:Boolean"},
        {"Empty = 0", "True:Boolean"},
        {"Empty = \"\"", "True:Boolean"},
        {"Null = Null", "<Null>"},
        {"1 = 1 = True", "True:Boolean"},
        {"Not 1 = 2", "True:Boolean"},
        {"True And False", "False:Boolean"},
        {"True Or False", "True:Boolean"},
        {"True Xor True", "False:Boolean"},
        {"Not 0", "-1:Integer"},
        {"5 And 3", "1:Integer"},
        {"5 Or 3", "7:Integer"},
        {"5 Xor 3", "6:Integer"},
        {"False And Null", "False:Boolean"},
        {"True Or Null", "True:Boolean"},
        {"True And Null", "<Null>"},
        {"Nothing Is Nothing", "True:Boolean"},
        {"1 Is Nothing", "ERROR 424"},
    });
    // A number written in the code converts the text it is compared with; two variables
    // compare by subtype, where a number is less than any text.
    ConsoleEngine console;
    EXPECT_EQ(console.Run("x = \"10\" : y = 10\nOut x = 10\nOut x = y\nOut y < x\nOut \"abc\" = 5"), "True|False|True|False");
}

TEST(ScriptLanguage, ConversionAndMathBuiltins)
{
    ExpectEvals({
        {"CInt(2.5)", "2:Integer"},
        {"CInt(3.5)", "4:Integer"},
        {"CInt(\"12\")", "12:Integer"},
        {"CInt(40000)", "ERROR 6"},
        {"CLng(\"&H10\")", "16:Long"},
        {"CDbl(\"1.5\")", "1.5:Double"},
        {"CDbl(\"x\")", "ERROR 13"},
        {"CStr(12)", "12:String"},
        {"CStr(Null)", "ERROR 94"},
        {"CBool(\"true\")", "True:Boolean"},
        {"CBool(0)", "False:Boolean"},
        {"Int(-2.5)", "-3:Double"},
        {"Fix(-2.5)", "-2:Double"},
        {"Int(7)", "7:Integer"},
        {"Round(2.5)", "2:Double"},
        {"Round(3.5)", "4:Double"},
        {"Round(3.456, 2)", "3.46:Double"},
        {"Round(1.5, 400)", "1.5:Double"},
        {"Abs(-3)", "3:Integer"},
        {"Abs(-2.5)", "2.5:Double"},
        {"Sgn(-7)", "-1:Integer"},
        {"Hex(255)", "FF:String"},
        {"Hex(-1)", "FFFF:String"},
        {"IsNumeric(\"12.5\")", "True:Boolean"},
        {"IsNumeric(\"abc\")", "False:Boolean"},
        {"IsNumeric(\"\")", "False:Boolean"},
        {"IsEmpty(Empty)", "True:Boolean"},
        {"IsEmpty(0)", "False:Boolean"},
        {"TypeName(Now)", "Date:String"},
        {"Timer >= 0", "True:Boolean"},
        {"VarType(\"x\")", "8:Integer"},
        {"CreateObject(\"Scripting.FileSystemObject\")", "ERROR 429"},
        {"GetObject(\"winmgmts:\")", "ERROR 429"},
        {"Len()", "ERROR 450"},
    });
}

TEST(ScriptLanguage, TextBuiltins)
{
    ExpectEvals({
        {"Len(\"hello\")", "5:Long"},
        {"Len(Null)", "<Null>"},
        {"Left(\"hello\", 2)", "he:String"},
        {"Right(\"hello\", 3)", "llo:String"},
        {"Mid(\"hello\", 2, 3)", "ell:String"},
        {"Mid(\"hello\", 3)", "llo:String"},
        {"Mid(\"hello\", 9)", ":String"},
        {"Mid(\"hello\", 0)", "ERROR 5"},
        {"InStr(\"hello\", \"l\")", "3:Long"},
        {"InStr(4, \"hello\", \"l\")", "4:Long"},
        {"InStr(\"hello\", \"z\")", "0:Long"},
        {"InStr(1, \"HeLLo\", \"ll\", 1)", "3:Long"},
        {"InStr(1, \"HeLLo\", \"ll\")", "0:Long"},
        {"InStrRev(\"hello\", \"l\")", "4:Long"},
        {"Replace(\"a-b-c\", \"-\", \"+\")", "a+b+c:String"},
        {"Replace(\"a-b-c\", \"-\", \"\", 1, 1)", "ab-c:String"},
        {"Replace(\"aXbx\", \"x\", \"_\", 1, -1, 1)", "a_b_:String"},
        {"UCase(\"abc\")", "ABC:String"},
        {"LCase(\"ABC\")", "abc:String"},
        {"UCase(\"straße\") & LCase(\"ÄÖ\")", "STRAßEäö:String"},
        {"Trim(\"  x  \") & \"|\"", "x|:String"},
        {"Join(Split(\"a,b,c\", \",\"), \";\")", "a;b;c:String"},
        {"UBound(Split(\"a,b,c\", \",\"))", "2:Long"},
        {"UBound(Split(\"\", \",\"))", "-1:Long"},
        {"Join(Split(\"a b\"))", "a b:String"},
        {"Chr(65) & Asc(\"B\")", "A66:String"},
        {"Asc(\"\")", "ERROR 5"},
        {"Space(2) & String(3, \"z\")", "  zzz:String"},
        {"StrComp(\"a\", \"A\", 1)", "0:Integer"},
        {"\"tab\" & vbTab & \"end\" = \"tab\" & Chr(9) & \"end\"", "True:Boolean"},
        {"Len(vbCrLf)", "2:Long"},
    });
}

TEST(ScriptLanguage, IfAndSelect)
{
    ConsoleEngine console;
    EXPECT_EQ(console.Run("For i = 1 To 4\n"
                          "  If i = 1 Then\n"
                          "    Out \"one\"\n"
                          "  ElseIf i = 2 Then\n"
                          "    Out \"two\"\n"
                          "  Else\n"
                          "    Out \"many\"\n"
                          "  End If\n"
                          "Next\n"
                          "If True Then Out \"a\" : Out \"b\" Else Out \"c\"\n"
                          "If False Then Out \"x\" Else Out \"y\"\n"
                          "If Null Then Out \"null is true\"\n"),
        "one|two|many|many|a|b|y");
    EXPECT_EQ(console.Run("Sub Show(v)\n"
                          "  Select Case v\n"
                          "    Case 1, 2\n"
                          "      Out \"small\"\n"
                          "    Case \"x\": Out \"letter\"\n"
                          "    Case Else\n"
                          "      Out \"other\"\n"
                          "  End Select\n"
                          "End Sub\n"
                          "Show 1 : Show 2 : Show \"x\" : Show 9\n"),
        "small|small|letter|other");
}

TEST(ScriptLanguage, Loops)
{
    ConsoleEngine console;
    EXPECT_EQ(console.Run("s = \"\"\n"
                          "For i = 10 To 1 Step -3 : s = s & i & \",\" : Next\n"
                          "Out s\n"
                          "For i = 1 To 10\n"
                          "  If i > 3 Then Exit For\n"
                          "Next\n"
                          "Out i\n"
                          "For i = 1 To 0 : Out \"never\" : Next\n"
                          "For x = 0.5 To 1.5 Step 0.5 : Out x : Next\n"
                          "Dim a(2) : a(0) = \"x\" : a(1) = \"y\" : a(2) = \"z\"\n"
                          "For Each v In a : Out v : Next\n"),
        "10,7,4,1,|4|0.5|1|1.5|x|y|z");
    EXPECT_EQ(console.Run("n = 0\n"
                          "Do While n < 3 : n = n + 1 : Loop\n"
                          "Out n\n"
                          "Do : n = n - 1 : Loop Until n = 0\n"
                          "Out n\n"
                          "Do\n"
                          "  n = n + 1\n"
                          "  If n = 5 Then Exit Do\n"
                          "Loop\n"
                          "Out n\n"
                          "While n > 2 : n = n - 1 : Wend\n"
                          "Out n\n"
                          "Do Until n >= 4 : n = n + 1 : Loop\n"
                          "Out n\n"),
        "3|0|5|2|4");
}

TEST(ScriptLanguage, ProceduresAndArgumentPassing)
{
    ConsoleEngine console;
    EXPECT_EQ(console.Run("Function Fact(n)\n"
                          "  If n <= 1 Then Fact = 1 : Exit Function\n"
                          "  Fact = n * Fact(n - 1)\n"
                          "End Function\n"
                          "Sub Twice(ByRef x) : x = x * 2 : End Sub\n"
                          "Sub Keep(ByVal x) : x = x * 2 : End Sub\n"
                          "Out Fact(10)\n"
                          "v = 5 : Twice v : Out v\n"
                          "Keep v : Out v\n"
                          "Call Twice(v) : Out v\n"
                          "Twice(v) : Out v\n"
                          "Twice (v) : Out v\n"
                          "Sub Local : temp = 7 : End Sub\n"
                          "Local : Out IsEmpty(temp)\n"
                          "Function NoArgs : NoArgs = \"na\" : End Function\n"
                          "Out NoArgs & NoArgs()\n"),
        "3628800|10|10|20|20|20|True|nana");
    // Array items are passed by reference as well, unless ByVal or in parentheses; what
    // a procedure stored before it failed stays.
    EXPECT_EQ(console.Run("ReDim a(1) : a(0) = 1 : a(1) = 5\n"
                          "Sub Inc(n) : n = n + 1 : End Sub\n"
                          "Sub IncV(ByVal n) : n = n + 1 : End Sub\n"
                          "Inc a(0) : Call Inc(a(0)) : IncV a(0) : Inc (a(0)) : Out a(0)\n"
                          "Dim m(1, 1) : Inc m(1, 1) : Out m(1, 1)\n"
                          "b = a : Inc b(1) : Out a(1) & b(1)\n"
                          "Sub Shrink(n) : ReDim a(0) : n = 9 : End Sub\n"
                          "Shrink a(1) : Out UBound(a) & IsEmpty(a(0))\n"
                          "Sub Fail(n) : n = \"set\" : n = 1 / 0 : End Sub\n"
                          "On Error Resume Next : Fail a(0) : Out a(0) & Err.Number\n"),
        "3|1|56|0True|set11");
    // A procedure sees globals declared after it.
    EXPECT_EQ(console.Run("Sub Bump : counter = counter + 1 : End Sub\n"
                          "Dim counter\n"
                          "Bump : Bump : Out counter\n"),
        "2");
    EXPECT_EQ(console.Run("Sub Two(a, b) : End Sub\nTwo 1"), "ERROR 450 line 2");
    EXPECT_EQ(console.Run("Nowhere 1"), "ERROR 13 line 1");
    EXPECT_EQ(console.Run("Function Deep(n) : Deep = Deep(n + 1) : End Function\nx = Deep(1)"), "ERROR 28 line 1");
}

TEST(ScriptLanguage, Arrays)
{
    ConsoleEngine console;
    EXPECT_EQ(console.Run("Dim a()\n"
                          "ReDim a(2)\n"
                          "a(0) = 1 : a(1) = 2 : a(2) = 3\n"
                          "ReDim Preserve a(4)\n"
                          "Out UBound(a) & \" \" & a(2) & \" \" & IsEmpty(a(4))\n"
                          "b = a : b(0) = 99 : Out a(0) & \" \" & b(0)\n"
                          "Dim m(1, 2) : m(1, 2) = \"corner\" : Out m(1, 2) & UBound(m, 2)\n"
                          "ReDim a(1) : Out IsEmpty(a(0))\n"
                          "arr = Array(1, \"two\", 3.5) : Out Join(arr, \"/\") & IsArray(arr)\n"
                          "Erase arr : Out UBound(arr)\n"),
        "ERROR 9 line 10");
    EXPECT_EQ(console.lines.join(QLatin1Char('|')), "4 3 True|1 99|corner2|True|1/two/3.5True");
    EXPECT_EQ(console.Run("Dim f(2)\nReDim f(3)"), "ERROR 10 line 2");
    // A result is indexed where it stands.
    EXPECT_EQ(console.Run("rows = Array(Array(1, 2), Array(3, Split(\"p q\")))\n"
                          "Out Split(\"a,b,c\", \",\")(1) & rows(1)(0) & rows(0)(1) & rows(1)(1)(1)\n"
                          "Sub Show(v) : Out \"show \" & v : End Sub\n"
                          "Show Split(\"x y\")(1) : Show (1) + 2\n"
                          "Out rows(2)(0)\n"),
        "ERROR 9 line 5");
    EXPECT_EQ(console.lines.join(QLatin1Char('|')), "b32q|show y|show 3");
    // ReDim in a procedure resizes the global array of that name, or makes a local one.
    EXPECT_EQ(console.Run("Dim grown()\n"
                          "Sub Grow : ReDim grown(5) : ReDim Preserve kept(3) : End Sub\n"
                          "kept = Array(\"k\")\n"
                          "Grow : Out UBound(grown) & UBound(kept) & kept(0)\n"
                          "Sub Own : ReDim mine(2) : mine(1) = \"m\" : Out mine(1) : End Sub\n"
                          "Own : Out IsEmpty(mine)\n"),
        "53k|m|True");
    EXPECT_EQ(console.Run("Dim g(2)\nOut g(3)"), "ERROR 9 line 2");
}

TEST(ScriptLanguage, LexicalRules)
{
    ConsoleEngine console;
    EXPECT_EQ(console.Run("Option Explicit\r\n"
                          "Const Greeting = \"Hi\"   ' a comment\r\n"
                          "Rem another comment\r\n"
                          "DIM total : total = 1 + _\r\n"
                          "    2\r\n"
                          "out GREETING & \" \" & TOTAL & \" \"\"q\"\"\"\n"
                          "Out 3 ' trailing\n"),
        "Hi 3 \"q\"|3");
    EXPECT_EQ(console.Run("Const Fixed = 1\nFixed = 2"), "ERROR 501 line 2");
    // Compilation errors name the line and keep the whole text from running.
    EXPECT_EQ(console.Run("Out 1\nb = 2 +\nOut 3"), "ERROR 1023 line 2");
    EXPECT_TRUE(console.lines.isEmpty());
    EXPECT_EQ(console.Run("If x Then\nOut 2\n"), "ERROR 1014 line 3");
    EXPECT_EQ(console.Run("s = \"open\nOut s"), "ERROR 1033 line 1");
    EXPECT_EQ(console.Run("x = 1 $ 2"), "ERROR 1032 line 1");
    EXPECT_EQ(console.Run("Exit Do"), "ERROR 1039 line 1");
    EXPECT_EQ(console.Run("For i = 1 To 3\nOut i\n"), "ERROR 1020 line 3");
}

TEST(ScriptLanguage, OnErrorResumeNextAndErr)
{
    ConsoleEngine console;
    EXPECT_EQ(console.Run("On Error Resume Next\n"
                          "x = 1 / 0\n"
                          "Out Err.Number & \" \" & Err.Description\n"
                          "Err.Clear\n"
                          "Out Err.Number\n"
                          "Err.Raise 1234, \"mine\", \"custom\"\n"
                          "Out Err.Number & \" \" & Err.Source & \" \" & Err.Description\n"
                          "If Err Then Out \"Err as a value\"\n"
                          "On Error GoTo 0\n"
                          "Out Err.Number\n"
                          "y = 1 / 0\n"
                          "Out \"not reached\"\n"),
        "ERROR 11 line 11");
    EXPECT_EQ(console.lines.join(QLatin1Char('|')), "11 Division by zero|0|1234 mine custom|Err as a value|0");
    // An error inside a procedure ends it and resumes in the caller that asked for it.
    EXPECT_EQ(console.Run("Sub Bad : x = CInt(\"zz\") : Out \"after\" : End Sub\n"
                          "On Error Resume Next\n"
                          "Bad\n"
                          "Out \"caller \" & Err.Number\n"),
        "caller 13");
    EXPECT_EQ(console.Run("Err.Raise 70"), "ERROR 70 line 1");
    EXPECT_EQ(console.engine.Error().description, "Permission denied");
    // The script's own errors are numbered from vbObjectError; only 0 is no error number.
    EXPECT_EQ(console.Run("On Error Resume Next\n"
                          "Err.Raise vbObjectError + 7, \"Skin\", \"own error\"\n"
                          "Out (Err.Number - vbObjectError) & \" \" & Err.Description\n"
                          "Err.Raise 0\n"
                          "Out Err.Number\n"),
        "7 own error|5");
    // A failing If or ElseIf condition resumes with the first statement of its branch.
    EXPECT_EQ(console.Run("On Error Resume Next\n"
                          "If 1 / 0 = 5 Then Out \"then\" Else Out \"else\"\n"
                          "Out Err.Number : Err.Clear\n"
                          "If False Then\n"
                          "  Out \"no\"\n"
                          "ElseIf CInt(\"x\") Then\n"
                          "  Out \"elseif \" & Err.Number\n"
                          "Else\n"
                          "  Out \"no\"\n"
                          "End If\n"),
        "then|11|elseif 13");
}

TEST(ScriptLanguage, ObjectsAndNothing)
{
    ConsoleEngine console;
    EXPECT_EQ(console.Run("Dim o : Set o = Nothing\n"
                          "Out o Is Nothing\n"
                          "Set o = Console\n"
                          "Out o Is Nothing\n"
                          "Out TypeName(o) & \" \" & IsObject(o)\n"
                          "o.Out \"through the variable\"\n"),
        "True|False|Console True|through the variable");
    EXPECT_EQ(console.Run("Set o = 5"), "ERROR 424 line 1");
    EXPECT_EQ(console.Run("Dim p : Set p = Nothing\np.Out 1"), "ERROR 91 line 2");
    EXPECT_EQ(console.Run("q = 1\nq.Out 1"), "ERROR 424 line 2");
}
