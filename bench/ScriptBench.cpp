// bench_script: the script engine against python3 on the same loop, in the same run.
// One million turns of integer arithmetic and appending to a string inside a function,
// and the same loop at the script's top level (globals; python3's own top-level loop copies
// the whole string on every append, so only the script's figure is shown for it).
// Prints the best of three runs.

#include "script/ScriptEngine.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>

#include <cstdio>

namespace {

constexpr int kRuns = 3;
constexpr int kTurns = 1000000;

const char* const kScriptFunction = R"(
Function Work(n)
  Dim i, total, s
  total = 0 : s = ""
  For i = 1 To n
    total = total + (i * 3 + 7) Mod 1000
    s = s & "x"
  Next
  Work = total + Len(s)
End Function
result = Work(%1)
)";

const char* const kScriptTopLevel = R"(
total = 0 : s = ""
For i = 1 To %1
  total = total + (i * 3 + 7) Mod 1000
  s = s & "x"
Next
result = total + Len(s)
)";

const char* const kPython = R"(
import time
def work(n):
    total = 0
    s = ""
    for i in range(1, n + 1):
        total = total + (i * 3 + 7) % 1000
        s = s + "x"
    return total + len(s)
best = None
for _ in range(%2):
    t = time.perf_counter(); r = work(%1); e = time.perf_counter() - t
    best = e if best is None or e < best else best
print(r, best)
)";

struct Figure {
    qint64 result = 0;
    double seconds = 0;
};

Figure RunScript(const char* code)
{
    Figure figure;
    figure.seconds = 1e9;
    for (int run = 0; run < kRuns; ++run) {
        ScriptEngine engine;
        engine.SetLanguage(QStringLiteral("VBScript"));
        QElapsedTimer timer;
        timer.start();
        if (!engine.AddCode(QString::fromLatin1(code).arg(kTurns))) {
            std::fprintf(
                stderr, "script failed: line %d: %s\n", engine.Error().line, engine.Error().description.toUtf8().constData());
            return {};
        }
        figure.seconds = std::min(figure.seconds, timer.nsecsElapsed() / 1e9);
        figure.result = static_cast<qint64>(engine.Eval(QStringLiteral("result")).ToDouble());
    }
    return figure;
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const Figure inFunction = RunScript(kScriptFunction);
    const Figure topLevel = RunScript(kScriptTopLevel);

    QProcess python;
    python.start(QStringLiteral("python3"), {QStringLiteral("-c"), QString::fromLatin1(kPython).arg(kTurns).arg(kRuns)});
    if (!python.waitForFinished(300000) || python.exitCode() != 0) {
        std::fprintf(stderr, "python3 did not run\n");
        return 1;
    }
    const QStringList lines = QString::fromLatin1(python.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    if (lines.isEmpty())
        return 1;
    const QStringList pyFunction = lines.at(0).split(QLatin1Char(' '));

    std::printf("Loop of %d turns (arithmetic + string append), best of %d runs\n", kTurns, kRuns);
    std::printf("%-28s %12s %12s %8s\n", "", "script (s)", "python3 (s)", "ratio");
    auto row = [](const char* name, const Figure& script, const QStringList& py) {
        const double pySeconds = py.value(1).toDouble();
        std::printf("%-28s %12.3f %12.3f %8.2f  %s\n", name, script.seconds, pySeconds, script.seconds / pySeconds,
            script.result == py.value(0).toLongLong() ? "same result" : "RESULTS DIFFER");
    };
    row("inside a Function (locals)", inFunction, pyFunction);
    std::printf("%-28s %12.3f %12s %8s  result %lld\n", "top level (globals)", topLevel.seconds, "-", "-",
        static_cast<long long>(topLevel.result));
    return 0;
}
