#include "ToolCommand.h"
#include "ToolCommands.h"

#include "base/XmlText.h"
#include "script/ScriptEngine.h"
#include "script/ScriptHostObject.h"

#include <QFileInfo>

// vorlen-tool script [--steps N] FILE.vbs: runs a script the way the player's engine runs a
// skin's script, with the console's Out(text) printing a line. A failure prints
// "Line N: description" and ends with status 1.
int RunScriptCommand(const QStringList& arguments)
{
    QStringList rest = arguments;
    qint64 steps = 0;
    if (rest.size() >= 2 && rest.first() == QLatin1String("--steps")) {
        bool ok = false;
        steps = rest.at(1).toLongLong(&ok);
        if (!ok || steps < 0) {
            ToolErr(QStringLiteral("vorlen-tool script: --steps needs a whole number"));
            return 2;
        }
        rest = rest.mid(2);
    }
    if (rest.size() != 1) {
        ToolErr(QStringLiteral("Usage: vorlen-tool script [--steps N] FILE.vbs"));
        return 2;
    }
    const QString path = rest.first();
    if (!QFileInfo(path).isFile()) {
        ToolErr(QStringLiteral("vorlen-tool script: file not found: ") + path);
        return 1;
    }
    if (!QFileInfo(path).isReadable()) {
        ToolErr(QStringLiteral("vorlen-tool script: cannot read ") + path);
        return 1;
    }
    ScriptEngine engine;
    engine.SetLanguage(QStringLiteral("VBScript"));
    engine.SetUseSafeSubset(true);
    engine.SetStepBudget(steps);
    auto console = std::make_shared<ScriptHostObject>(QStringLiteral("Console"));
    console->AddMethod(
        QStringLiteral("Out"),
        [](ScriptArgs& args) {
            ToolOut(args.Value(0).ToConcatString());
            return ScriptValue();
        },
        0, 1);
    engine.AddObject(QStringLiteral("Console"), console, true);
    engine.SetMessageHandler([](const QString& prompt, int, const QString&) {
        ToolOut(prompt);
        return 1;
    });
    if (!engine.AddCode(ReadTextFile(path))) {
        ToolOut(QStringLiteral("Line %1: %2").arg(engine.Error().line).arg(engine.Error().description));
        return 1;
    }
    return 0;
}
