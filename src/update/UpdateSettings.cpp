#include "update/UpdateSettings.h"

#include "base/Version.h"

UpdateSettings& UpdateOptions()
{
    static UpdateSettings settings;
    return settings;
}

QString UpdateDateText(const QDate& date)
{
    return date.toString(QLatin1String(kUpdateDateFormat));
}

std::vector<OptionRow> UpdateOptionRows(UpdateSettings& u)
{
    using enum OptionType;
    using enum OptionDefault;
    const auto loadDate = [&u](OptionStep& s) {
        s.Load();
        if (u.lastCheckDate.isEmpty()) {
            u.lastCheckDate = UpdateDateText(QDate::currentDate());
            s.Save();
        }
    };
    const auto raiseKnownBuild = [&u](OptionStep&) {
        if (u.knownBuild < kBuild)
            u.knownBuild = kBuild;
    };
    return {
        {"Update", "Build", Long, ProgramBuild, "", &u.knownBuild, {804}, {1002}},
        {"Update", "Date", Text, Fixed, "", &u.lastCheckDate, {805, loadDate}, {}},
        LoadAction(806, raiseKnownBuild),
    };
}
