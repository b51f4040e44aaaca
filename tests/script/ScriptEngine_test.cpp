#include "ScriptTestSupport.h"

#include "base/ErrorContext.h"
#include "base/RuntimeErrors.h"

#include <gtest/gtest.h>

namespace {

// A stand-in for the main window: the operations a skin calls by name, recorded.
class FakePlayer {
public:
    FakePlayer()
        : object(std::make_shared<ScriptHostObject>(QStringLiteral("Player")))
    {
        object->AddMethod(
            QStringLiteral("ZoomFlash"),
            [this](ScriptArgs& args) {
                calls.append(QStringLiteral("ZoomFlash ") + args[0].ToString());
                return ScriptValue();
            },
            1, 1);
        object->AddMethod(QStringLiteral("PlayPauseMedia"), [this](ScriptArgs&) {
            calls.append(QStringLiteral("PlayPauseMedia"));
            return ScriptValue();
        });
        object->AddMethod(
            QStringLiteral("MoveWindow"),
            [this](ScriptArgs& args) {
                calls.append(QStringLiteral("MoveWindow %1,%2").arg(args[0].ToLong()).arg(args[1].ToLong()));
                return ScriptValue();
            },
            2, 2);
        // Writes the window size back into the caller's variables.
        object->AddMethod(
            QStringLiteral("GetSize"),
            [this](ScriptArgs& args) {
                args.Set(0, ScriptValue::FromLong(width));
                args.Set(1, ScriptValue::FromLong(240));
                return ScriptValue::FromBool(true);
            },
            2, 2);
        object->AddMethod(QStringLiteral("OpenMedia"),
            [](ScriptArgs&) -> ScriptValue { RaiseError(RuntimeError::FileNotFound, QStringLiteral("Player")); });
        object->AddProperty(
            QStringLiteral("Width"), [this] { return ScriptValue::FromLong(width); },
            [this](const ScriptValue& value) { width = value.ToLong(); });
        object->AddProperty(QStringLiteral("Caption"), [] { return ScriptValue::FromString(QStringLiteral("Vorlen - x")); });
    }

    std::shared_ptr<ScriptHostObject> object;
    QStringList calls;
    qint32 width = 320;
};

// An engine set up the way the player resets it for a skin.
struct SkinEngine {
    SkinEngine()
    {
        engine.SetLanguage(QString());
        engine.SetLanguage(QStringLiteral("VBScript"));
        engine.SetUseSafeSubset(true);
        engine.Reset();
        EXPECT_TRUE(engine.AddObject(QStringLiteral("Player"), player.object, true));
    }
    FakePlayer player;
    ScriptEngine engine;
};

}  // namespace

TEST(ScriptEngine, HostInterfaceBasics)
{
    ScriptEngine engine;
    EXPECT_EQ(engine.Language(), "");
    EXPECT_FALSE(engine.ExecuteStatement(QStringLiteral("X=1")));  // no language yet
    EXPECT_TRUE(engine.SetLanguage(QStringLiteral("vbscript")));
    EXPECT_EQ(engine.Language(), "VBScript");
    EXPECT_FALSE(engine.SetLanguage(QStringLiteral("JScript")));
    EXPECT_EQ(engine.Language(), "VBScript");
    EXPECT_EQ(engine.State(), ScriptEngineState::Initialized);

    EXPECT_TRUE(engine.ExecuteStatement(QStringLiteral("X=12")));
    EXPECT_EQ(engine.Eval(QStringLiteral("X * 2")).ToLong(), 24);
    EXPECT_TRUE(engine.ExecuteStatement(QStringLiteral("X = X + 1 : Y = \"y\"")));
    EXPECT_EQ(engine.Eval(QStringLiteral("X & Y")).ToString(), "13y");
    // Eval sees "=" as a comparison.
    EXPECT_EQ(engine.Eval(QStringLiteral("X = 13")).ToBool(), true);
    EXPECT_TRUE(engine.Eval(QStringLiteral("Undefined")).IsEmpty());
    EXPECT_EQ(engine.Error().number, 0);

    engine.SetState(ScriptEngineState::Connected);
    engine.Reset();
    EXPECT_EQ(engine.State(), ScriptEngineState::Initialized);
    EXPECT_TRUE(engine.Eval(QStringLiteral("X")).IsEmpty());
    EXPECT_EQ(engine.Language(), "VBScript");
}

TEST(ScriptEngine, ErrorsCarryTheLineWhereTheyHappened)
{
    ScriptEngine engine;
    engine.SetLanguage(QStringLiteral("VBScript"));
    ASSERT_TRUE(engine.AddCode(QStringLiteral("' skin script\r\n"
                                              "Sub onClick\r\n"
                                              "  a = 1\r\n"
                                              "  b = a / 0\r\n"
                                              "End Sub\r\n"
                                              "Sub Outer\r\n"
                                              "  onClick\r\n"
                                              "End Sub\r\n")));
    ClearCurrentError();
    EXPECT_FALSE(engine.ExecuteStatement(QStringLiteral("onClick")));
    EXPECT_EQ(engine.Error().number, RuntimeError::DivisionByZero);
    EXPECT_EQ(engine.Error().line, 4);
    EXPECT_EQ(engine.Error().description, "Division by zero");
    EXPECT_EQ(engine.Error().source, "VBScript runtime error");
    // The failure is the current error, for the caller's error report.
    EXPECT_EQ(CurrentError().number, RuntimeError::DivisionByZero);
    EXPECT_EQ(CurrentError().description, "Division by zero");

    EXPECT_FALSE(engine.ExecuteStatement(QStringLiteral("Outer")));
    EXPECT_EQ(engine.Error().line, 4);
    EXPECT_FALSE(engine.ExecuteStatement(QStringLiteral("Z = 1\nZ = Z & \"a\" + 1")));
    EXPECT_EQ(engine.Error().line, 2);
    EXPECT_EQ(engine.Error().number, RuntimeError::TypeMismatch);
    // Conditions that stand on lines of their own: ElseIf, Case and Loop Until.
    EXPECT_FALSE(engine.ExecuteStatement(QStringLiteral("If Z = 2 Then\nZ = 0\nElseIf Z / 0 Then\nEnd If")));
    EXPECT_EQ(engine.Error().line, 3);
    EXPECT_FALSE(engine.ExecuteStatement(QStringLiteral("Select Case 1\nCase 0\nZ = 0\nCase 1 / 0\nEnd Select")));
    EXPECT_EQ(engine.Error().line, 4);
    EXPECT_FALSE(engine.ExecuteStatement(QStringLiteral("Do\nZ = 0\nLoop Until 1 / 0")));
    EXPECT_EQ(engine.Error().line, 3);
    EXPECT_FALSE(engine.AddCode(QStringLiteral("Sub Broken(\nEnd Sub")));
    EXPECT_EQ(engine.Error().line, 1);
    EXPECT_EQ(engine.Error().source, "VBScript compilation error");
    // A failed statement leaves the engine usable, with earlier code still there.
    EXPECT_TRUE(engine.ExecuteStatement(QStringLiteral("a = 5")));
    EXPECT_EQ(engine.Error().number, 0);
    EXPECT_FALSE(engine.AddCode(QStringLiteral("Dim onClick")));
    EXPECT_TRUE(engine.AddCode(QStringLiteral("Dim Done\nSub onClick : Done = True : End Sub")));  // replaces the Sub
    EXPECT_TRUE(engine.ExecuteStatement(QStringLiteral("onClick")));
    EXPECT_TRUE(engine.Eval(QStringLiteral("Done")).ToBool());
}

TEST(ScriptEngine, GlobalMembersOfTheHostObject)
{
    SkinEngine skin;
    for (const char* statement : {"ZoomFlash 2", "Player.ZoomFlash 3", "ZoomFlash(4)", "Call ZoomFlash(5)",
             "Call Player.ZoomFlash(6)", "player.zoomflash 7", "PlayPauseMedia", "Player.PlayPauseMedia()", "MoveWindow 10, -20",
             "Player.MoveWindow 1 + 1, 3"}) {
        EXPECT_TRUE(skin.engine.ExecuteStatement(QString::fromUtf8(statement))) << statement;
    }
    EXPECT_EQ(skin.player.calls,
        QStringList({"ZoomFlash 2", "ZoomFlash 3", "ZoomFlash 4", "ZoomFlash 5", "ZoomFlash 6", "ZoomFlash 7", "PlayPauseMedia",
            "PlayPauseMedia", "MoveWindow 10,-20", "MoveWindow 2,3"}));

    // Properties read and written with and without the object's name.
    EXPECT_TRUE(skin.engine.ExecuteStatement(QStringLiteral("Width = 640")));
    EXPECT_EQ(skin.player.width, 640);
    EXPECT_TRUE(skin.engine.ExecuteStatement(QStringLiteral("Player.Width = Player.Width + 1")));
    EXPECT_EQ(skin.engine.Eval(QStringLiteral("Width")).ToLong(), 641);
    EXPECT_EQ(skin.engine.Eval(QStringLiteral("Left(Caption, 6)")).ToString(), "Vorlen");
    EXPECT_EQ(skin.engine.Eval(QStringLiteral("Player.Width / 2 + 0.5")).ToDouble(), 321.0);

    EXPECT_FALSE(skin.engine.ExecuteStatement(QStringLiteral("Caption = \"no\"")));
    EXPECT_EQ(skin.engine.Error().number, 450);
    EXPECT_FALSE(skin.engine.ExecuteStatement(QStringLiteral("Player.NoSuchThing 1")));
    EXPECT_EQ(skin.engine.Error().number, RuntimeError::MethodNotSupported);
    EXPECT_FALSE(skin.engine.ExecuteStatement(QStringLiteral("ZoomFlash")));
    EXPECT_EQ(skin.engine.Error().number, 450);
    // A host failure raised as a VorlenError reaches the script as its run-time error.
    EXPECT_FALSE(skin.engine.ExecuteStatement(QStringLiteral("OpenMedia")));
    EXPECT_EQ(skin.engine.Error().number, RuntimeError::FileNotFound);
    EXPECT_EQ(skin.engine.Error().description, "File not found");
    EXPECT_TRUE(skin.engine.ExecuteStatement(QStringLiteral("On Error Resume Next : OpenMedia : N = Err.Number")));
    EXPECT_EQ(skin.engine.Eval(QStringLiteral("N")).ToLong(), 53);
}

TEST(ScriptEngine, HostMethodsWriteNumbersBackToVariables)
{
    SkinEngine skin;
    ASSERT_TRUE(skin.engine.AddCode(QStringLiteral("Dim w, h\n"
                                                   "ok = GetSize(w, h)\n"
                                                   "Function Area\n"
                                                   "  Dim a, b\n"
                                                   "  Player.GetSize a, b\n"
                                                   "  Area = a * b\n"
                                                   "End Function\n")));
    EXPECT_EQ(skin.engine.Eval(QStringLiteral("w & \"x\" & h & \" \" & ok")).ToString(), "320x240 True");
    EXPECT_EQ(skin.engine.Eval(QStringLiteral("Area()")).ToLong(), 320 * 240);
    // An expression is no variable: nothing to write back to.
    EXPECT_TRUE(skin.engine.ExecuteStatement(QStringLiteral("w = 0 : GetSize (w), h")));
    EXPECT_EQ(skin.engine.Eval(QStringLiteral("w")).ToLong(), 0);
    // Array items get the numbers too, with and without the object's name.
    EXPECT_TRUE(skin.engine.ExecuteStatement(QStringLiteral("Dim sz(3) : GetSize sz(0), sz(1) : Player.GetSize sz(2), sz(3)")));
    EXPECT_EQ(skin.engine.Eval(QStringLiteral("Join(sz, \",\")")).ToString(), "320,240,320,240");
}

TEST(ScriptEngine, SafeSubsetAndStepBudget)
{
    ScriptEngine engine;
    engine.SetLanguage(QStringLiteral("VBScript"));
    EXPECT_TRUE(engine.UseSafeSubset());
    EXPECT_FALSE(engine.ExecuteStatement(QStringLiteral("Set fso = CreateObject(\"Scripting.FileSystemObject\")")));
    EXPECT_EQ(engine.Error().number, RuntimeError::CannotCreateObject);
    EXPECT_EQ(engine.Error().description, "ActiveX component can't create object: 'Scripting.FileSystemObject'");
    EXPECT_FALSE(engine.ExecuteStatement(QStringLiteral("Set shell = GetObject(\"WScript.Shell\")")));
    EXPECT_EQ(engine.Error().number, RuntimeError::CannotCreateObject);
    // Without a path the refusal names the class asked for.
    EXPECT_FALSE(engine.ExecuteStatement(QStringLiteral("Set app = GetObject(, \"Some.Application\")")));
    EXPECT_EQ(engine.Error().description, "ActiveX component can't create object: 'Some.Application'");

    engine.SetStepBudget(10000);
    EXPECT_FALSE(engine.ExecuteStatement(QStringLiteral("Do\nLoop")));
    EXPECT_EQ(engine.Error().number, 1100);
    EXPECT_EQ(engine.Error().line, 1);
    // On Error Resume Next does not keep a runaway loop alive.
    EXPECT_FALSE(engine.AddCode(
        QStringLiteral("Sub Spin\n  On Error Resume Next\n  While True : n = n + 1 : Wend\nEnd Sub") + QStringLiteral("\nSpin")));
    EXPECT_EQ(engine.Error().number, 1100);
    EXPECT_EQ(engine.Error().line, 3);
    // The budget is per call: the next statement runs normally.
    EXPECT_TRUE(engine.ExecuteStatement(QStringLiteral("For i = 1 To 100 : t = t + i : Next")));
    EXPECT_EQ(engine.Eval(QStringLiteral("t")).ToLong(), 5050);
}

TEST(ScriptEngine, MsgBoxGoesToTheHost)
{
    ScriptEngine engine;
    engine.SetLanguage(QStringLiteral("VBScript"));
    QString seen;
    engine.SetMessageHandler([&seen](const QString& prompt, int buttons, const QString& title) {
        seen = QStringLiteral("%1/%2/%3").arg(prompt).arg(buttons).arg(title);
        return 6;
    });
    EXPECT_TRUE(engine.ExecuteStatement(QStringLiteral("r = MsgBox(\"Sure?\", vbYesNo + vbQuestion, \"Skin\")")));
    EXPECT_EQ(seen, "Sure?/36/Skin");
    EXPECT_EQ(engine.Eval(QStringLiteral("r = vbYes")).ToBool(), true);
    EXPECT_TRUE(engine.ExecuteStatement(QStringLiteral("MsgBox 42")));
    EXPECT_EQ(seen, "42/0/");
}

TEST(ScriptEngine, ResetFromInsideARunningScript)
{
    ScriptEngine engine;
    engine.SetLanguage(QStringLiteral("VBScript"));
    auto host = std::make_shared<ScriptHostObject>(QStringLiteral("Host"));
    host->AddMethod(QStringLiteral("Reload"), [&engine](ScriptArgs&) {
        engine.Reset();
        engine.ExecuteStatement(QStringLiteral("Reloaded = True"));
        return ScriptValue();
    });
    ASSERT_TRUE(engine.AddObject(QStringLiteral("Host"), host, true));
    ASSERT_TRUE(engine.AddCode(QStringLiteral("Sub onClick\n  Reload\n  After = True\nEnd Sub")));
    EXPECT_TRUE(engine.ExecuteStatement(QStringLiteral("onClick")));
    EXPECT_TRUE(engine.Eval(QStringLiteral("Reloaded")).ToBool());
    EXPECT_TRUE(engine.Eval(QStringLiteral("After")).IsEmpty());
    EXPECT_FALSE(engine.ExecuteStatement(QStringLiteral("onClick")));  // the old code is gone
}

// A skin's script: event procedures called by name, globals X and Y set before a drag, and
// geometry expressions over the main window.
TEST(ScriptEngine, TypicalSkinScript)
{
    SkinEngine skin;
    const QString script = QStringLiteral("' Demo skin\r\n"
                                          "Option Explicit\r\n"
                                          "Dim dragStartX, dragStartY, dragging, loads\r\n"
                                          "\r\n"
                                          "Sub onLoad()\r\n"
                                          "  loads = loads + 1\r\n"
                                          "  If Player.Width < 400 Then ZoomFlash 2 Else ZoomFlash 1\r\n"
                                          "End Sub\r\n"
                                          "\r\n"
                                          "Sub onPlayListToggle\r\n"
                                          "  Call Player.MoveWindow(0, 0)\r\n"
                                          "End Sub\r\n"
                                          "\r\n"
                                          "Sub TitleDrag()\r\n"
                                          "  If Not dragging Then\r\n"
                                          "    dragging = True : dragStartX = X : dragStartY = Y\r\n"
                                          "  Else\r\n"
                                          "    MoveWindow X - dragStartX, Y - dragStartY\r\n"
                                          "  End If\r\n"
                                          "End Sub\r\n"
                                          "\r\n"
                                          "Function ButtonLeft(index)\r\n"
                                          "  ButtonLeft = 8 + index * 24\r\n"
                                          "End Function\r\n");
    ASSERT_TRUE(skin.engine.AddCode(script)) << skin.engine.Error().description.toStdString();
    skin.engine.SetState(ScriptEngineState::Connected);

    EXPECT_TRUE(skin.engine.ExecuteStatement(QStringLiteral("onLoad")));
    EXPECT_TRUE(skin.engine.ExecuteStatement(QStringLiteral("onPlayListToggle")));
    for (const auto& [x, y] : {std::pair{100, 50}, std::pair{130, 45}}) {
        EXPECT_TRUE(skin.engine.ExecuteStatement(QStringLiteral("X=%1").arg(x)));
        EXPECT_TRUE(skin.engine.ExecuteStatement(QStringLiteral("Y=%1").arg(y)));
        EXPECT_TRUE(skin.engine.ExecuteStatement(QStringLiteral("TitleDrag")));
    }
    EXPECT_EQ(skin.player.calls, QStringList({"ZoomFlash 2", "MoveWindow 0,0", "MoveWindow 30,-5"}));
    EXPECT_EQ(skin.engine.Eval(QStringLiteral("ButtonLeft(2)")).ToLong(), 56);
    EXPECT_EQ(skin.engine.Eval(QStringLiteral("Player.Width - ButtonLeft(1) - 10")).ToLong(), 320 - 32 - 10);
    EXPECT_EQ(skin.engine.Run(QStringLiteral("ButtonLeft"), {ScriptValue::FromInt(3)}).ToLong(), 80);
    EXPECT_TRUE(skin.engine.ExecuteStatement(QStringLiteral("onLoad")));
    EXPECT_EQ(skin.engine.Eval(QStringLiteral("loads")).ToLong(), 2);
    // An event the skin does not handle is an error the player logs and survives.
    EXPECT_FALSE(skin.engine.ExecuteStatement(QStringLiteral("onMediaChange")));
    EXPECT_EQ(skin.engine.Error().number, RuntimeError::TypeMismatch);
    EXPECT_EQ(skin.engine.Error().description, "Type mismatch: 'onMediaChange'");
}
