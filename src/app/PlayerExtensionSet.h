#pragma once

#include "player/PlayerExtensions.h"

#include <vector>

// The features of the program's parts in one: each feature goes to the first part that offers
// it.
class PlayerExtensionSet : public PlayerExtensions {
public:
    void Add(PlayerExtensions* part);

    bool Offers(PlayerFeature feature) const override;
    void Run(PlayerFeature feature, const QString& argument) override;
    void RunMenuItem(PlayerFeature feature, const QString& item, const QString& argument) override;
    bool RunOperation(PlayerFeature feature, const QString& name, const QStringList& arguments) override;

private:
    PlayerExtensions* PartFor(PlayerFeature feature) const;

    std::vector<PlayerExtensions*> m_parts;
};
