#pragma once

#include "script/ScriptEngine.h"
#include "script/ScriptHostObject.h"

#include <QStringList>

// An engine as the console sets it up: VBScript, safe subset, a global Out(text) whose
// lines the test reads back.
class ConsoleEngine {
public:
    ConsoleEngine()
    {
        engine.SetLanguage(QStringLiteral("VBScript"));
        engine.SetUseSafeSubset(true);
        auto console = std::make_shared<ScriptHostObject>(QStringLiteral("Console"));
        console->AddMethod(
            QStringLiteral("Out"),
            [this](ScriptArgs& args) {
                lines.append(args.Value(0).ToConcatString());
                return ScriptValue();
            },
            1, 1);
        engine.AddObject(QStringLiteral("Console"), console, true);
    }

    // Runs code and gives the lines it printed, joined with "|"; "ERROR n line l" on failure.
    QString Run(const QString& code)
    {
        lines.clear();
        if (!engine.AddCode(code))
            return QStringLiteral("ERROR %1 line %2").arg(engine.Error().number).arg(engine.Error().line);
        return lines.join(QLatin1Char('|'));
    }

    // The text of an expression's value ("<Null>" for Null), with its subtype.
    QString Eval(const QString& expression)
    {
        const ScriptValue value = engine.Eval(expression);
        if (engine.Error().number != 0)
            return QStringLiteral("ERROR %1").arg(engine.Error().number);
        if (value.IsNull())
            return QStringLiteral("<Null>");
        if (value.IsArray() || value.IsObject())
            return value.TypeName();
        return value.ToString() + QLatin1Char(':') + value.TypeName();
    }

    ScriptEngine engine;
    QStringList lines;
};
