#include "RenderOptions.h"

#include <cmath>

namespace {

// The most a load may be given: a day.
constexpr double kMaxTimeoutSeconds = 86400;

}  // namespace

RenderOptions ParseRenderOptions(const QString& command, const QStringList& arguments)
{
    RenderOptions options;
    for (int i = 0; i < arguments.size() && options.error.isEmpty(); ++i) {
        const QString& argument = arguments[i];
        const QString value = i + 1 < arguments.size() ? arguments[i + 1] : QString();
        bool ok = false;
        if (argument == QLatin1String("--frame") || argument == QLatin1String("--width")
            || argument == QLatin1String("--height")) {
            const int number = value.toInt(&ok);
            int& target = argument == QLatin1String("--frame") ? options.frame
                : argument == QLatin1String("--width")         ? options.width
                                                               : options.height;
            target = number;
            options.frameGiven = options.frameGiven || argument == QLatin1String("--frame");
            if (!ok || number <= 0) {
                options.error = argument == QLatin1String("--frame") ? QStringLiteral("--frame needs a frame number from 1")
                                                                     : argument + QStringLiteral(" needs a size in pixels");
            }
            ++i;
        } else if (argument == QLatin1String("--timeout")) {
            const double seconds = value.toDouble(&ok);
            if (!ok || !std::isfinite(seconds) || seconds <= 0 || seconds > kMaxTimeoutSeconds)
                options.error = QStringLiteral("--timeout needs a number of seconds above 0");
            else
                options.timeoutMs = std::max(1, static_cast<int>(std::lround(seconds * 1000)));
            ++i;
        } else if (argument == QLatin1String("--quality")) {
            options.quality = value.toInt(&ok);
            if (!ok || options.quality < 0 || options.quality > 100)
                options.error = QStringLiteral("--quality needs a JPEG quality from 0 to 100");
            ++i;
        } else {
            options.files << argument;
        }
    }
    if (!options.error.isEmpty())
        options.error = command + QStringLiteral(": ") + options.error;
    return options;
}
