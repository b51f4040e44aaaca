#pragma once

#include "player/PlayerExtensions.h"

#include <initializer_list>
#include <vector>

// Several parts of the program offering their dialogs and tools as one: each feature goes to
// the first member that offers it.
class PlayerExtensionList : public PlayerExtensions {
public:
    PlayerExtensionList(std::initializer_list<PlayerExtensions*> members = {})
        : m_members(members)
    {
    }

    void Add(PlayerExtensions* member)
    {
        if (member)
            m_members.push_back(member);
    }

    bool Offers(PlayerFeature feature) const override { return Provider(feature) != nullptr; }

    void Run(PlayerFeature feature, const QString& argument) override
    {
        if (PlayerExtensions* member = Provider(feature))
            member->Run(feature, argument);
    }

    void RunMenuItem(PlayerFeature feature, const QString& item, const QString& argument) override
    {
        if (PlayerExtensions* member = Provider(feature))
            member->RunMenuItem(feature, item, argument);
    }

    bool RunOperation(PlayerFeature feature, const QString& name, const QStringList& arguments) override
    {
        PlayerExtensions* member = Provider(feature);
        return member && member->RunOperation(feature, name, arguments);
    }

private:
    PlayerExtensions* Provider(PlayerFeature feature) const
    {
        for (PlayerExtensions* member : m_members) {
            if (member && member->Offers(feature))
                return member;
        }
        return nullptr;
    }

    std::vector<PlayerExtensions*> m_members;
};
