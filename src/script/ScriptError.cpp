#include "script/ScriptError.h"

#include "base/RuntimeErrors.h"

namespace {

struct ScriptErrorRow {
    int number;
    const char* text;
};

// Texts of the errors the classic run-time table does not know.
constexpr ScriptErrorRow kScriptErrors[] = {
    {424, "Object required"},
    {450, "Wrong number of arguments or invalid property assignment"},
    {451, "Object not a collection"},
    {500, "Variable is undefined"},
    {501, "Illegal assignment"},
    {1002, "Syntax error"},
    {1005, "Expected '('"},
    {1006, "Expected ')'"},
    {1010, "Expected identifier"},
    {1011, "Expected '='"},
    {1012, "Expected 'If'"},
    {1013, "Expected 'To'"},
    {1014, "Expected 'End'"},
    {1015, "Expected 'Function'"},
    {1016, "Expected 'Sub'"},
    {1017, "Expected 'Then'"},
    {1018, "Expected 'Wend'"},
    {1019, "Expected 'Loop'"},
    {1020, "Expected 'Next'"},
    {1021, "Expected 'Case'"},
    {1022, "Expected 'Select'"},
    {1023, "Expected expression"},
    {1024, "Expected statement"},
    {1025, "Expected end of statement"},
    {1031, "Invalid number"},
    {1032, "Invalid character"},
    {1033, "Unterminated string constant"},
    {1039, "Invalid 'exit' statement"},
    {1041, "Name redefined"},
    {1046, "Expected 'In'"},
    {1100, "Script stopped: step budget exhausted"},
};

}  // namespace

QString ScriptErrorText(int number)
{
    for (const ScriptErrorRow& row : kScriptErrors) {
        if (row.number == number)
            return QString::fromLatin1(row.text);
    }
    return RuntimeErrorText(number);
}

void ThrowScriptError(int number, const QString& description)
{
    ScriptError error;
    error.number = number;
    error.description = description.isEmpty() ? ScriptErrorText(number) : description;
    throw error;
}

void ThrowScriptErrorFor(int number, const QString& item)
{
    ThrowScriptError(number, ScriptErrorText(number) + QStringLiteral(": '") + item + QLatin1Char('\''));
}
