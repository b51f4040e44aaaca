#include "app/PlayerExtensionSet.h"

void PlayerExtensionSet::Add(PlayerExtensions* part)
{
    if (part)
        m_parts.push_back(part);
}

PlayerExtensions* PlayerExtensionSet::PartFor(PlayerFeature feature) const
{
    for (PlayerExtensions* part : m_parts) {
        if (part->Offers(feature))
            return part;
    }
    return nullptr;
}

bool PlayerExtensionSet::Offers(PlayerFeature feature) const
{
    return PartFor(feature) != nullptr;
}

void PlayerExtensionSet::Run(PlayerFeature feature, const QString& argument)
{
    if (PlayerExtensions* part = PartFor(feature))
        part->Run(feature, argument);
}

void PlayerExtensionSet::RunMenuItem(PlayerFeature feature, const QString& item, const QString& argument)
{
    if (PlayerExtensions* part = PartFor(feature))
        part->RunMenuItem(feature, item, argument);
}

bool PlayerExtensionSet::RunOperation(PlayerFeature feature, const QString& name, const QStringList& arguments)
{
    PlayerExtensions* part = PartFor(feature);
    return part && part->RunOperation(feature, name, arguments);
}
