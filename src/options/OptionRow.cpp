#include "options/OptionRow.h"

#include "options/MyFlashFolder.h"
#include "options/OptionsModule.h"
#include "options/RegistryStore.h"

#include "base/Version.h"

OptionRow LoadAction(int order, OptionApply apply)
{
    return OptionRow{nullptr, nullptr, OptionType::Text, OptionDefault::Fixed, "", {}, {order, std::move(apply)}, {}};
}

OptionRow SaveAction(int order, OptionApply apply)
{
    return OptionRow{nullptr, nullptr, OptionType::Text, OptionDefault::Fixed, "", {}, {}, {order, std::move(apply)}};
}

QString OptionDefaultText(const OptionRow& row, const OptionsModule& options)
{
    switch (row.defaultKind) {
    case OptionDefault::Fixed:
        return QString::fromLatin1(row.defaultText);
    case OptionDefault::CurrentValue:
        return OptionText(row.target);
    case OptionDefault::MyFlashDefault:
        return DefaultMyFlashText();
    case OptionDefault::VeZedazFolder:
        return options.myFlash;
    case OptionDefault::ProgramBuild:
        return QString::number(kBuild);
    }
    return QString();
}

OptionStep::OptionStep(const OptionRow& row, OptionsHost& host, OptionsModule& options)
    : row(row)
    , host(host)
    , options(options)
{
}

QString OptionStep::Read() const
{
    return ReadRegistryString(QLatin1String(row.section), QString::fromLatin1(row.name), OptionDefaultText(row, options));
}

bool OptionStep::Load()
{
    return AssignOptionText(row.target, Read());
}

void OptionStep::Save()
{
    Write(OptionText(row.target));
}

void OptionStep::Write(const QString& text)
{
    WriteRegistryString(QLatin1String(row.section), QString::fromLatin1(row.name), text);
}
