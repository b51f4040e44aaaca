#include "FuzzSupport.h"

#include "script/ScriptEngine.h"
#include "script/ScriptHostObject.h"

namespace {

// Statements and loop turns one call may take: enough for the seeds, few enough that every
// input ends quickly.
constexpr qint64 kStepBudget = 20000;

}  // namespace

// The skin script engine as the console sets it up: a global Console object with Out, MsgBox
// answered by the host, the step budget. The input is added as a script and evaluated as an
// expression; a procedure named Main, when there is one, is run.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzWorld::Get();
    const QString text = InputText(data, size);
    ScriptEngine engine;
    engine.SetLanguage(QStringLiteral("VBScript"));
    engine.SetStepBudget(kStepBudget);
    auto console = std::make_shared<ScriptHostObject>(QStringLiteral("Console"));
    console->AddMethod(
        QStringLiteral("Out"), [](ScriptArgs& args) { return ScriptValue::FromString(args.Value(0).ToConcatString()); }, 0, 1);
    console->AddProperty(QStringLiteral("Width"), [] { return ScriptValue::FromLong(640); });
    engine.AddObject(QStringLiteral("Console"), console, true);
    engine.SetMessageHandler([](const QString&, int, const QString&) { return 1; });
    engine.AddCode(text);
    engine.Eval(text);
    if (engine.HasProcedureOrVariable(QStringLiteral("Main")))
        engine.Run(QStringLiteral("Main"));
    return 0;
}
