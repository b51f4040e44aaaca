#pragma once

#include <QDBusConnection>
#include <QString>

#include <cstdint>
#include <optional>

// The desktop's screen saver switched off and on for the player (SetSSState): an inhibition
// held through the org.freedesktop.ScreenSaver service of the session bus. The desktop ends
// the inhibition by itself when the player's connection goes, so a crash gives the screen
// saver back too. Without the service (or without a session bus) nothing happens and nothing
// fails.
class ScreenSaverInhibitor {
public:
    // Without a bus, the session bus, reached only when the first inhibition is asked for.
    ScreenSaverInhibitor();
    explicit ScreenSaverInhibitor(QDBusConnection bus);
    ~ScreenSaverInhibitor();
    ScreenSaverInhibitor(const ScreenSaverInhibitor&) = delete;
    ScreenSaverInhibitor& operator=(const ScreenSaverInhibitor&) = delete;

    // The screen saver as far as the player is concerned: active unless the player holds an
    // inhibition.
    bool IsActive() const { return !m_inhibited; }

    // false asks for an inhibition (once), true gives the one held back.
    void SetActive(bool active);

    // How long one call may take before it counts as failed.
    static constexpr int kCallTimeoutMs = 2000;

private:
    bool Call(const QString& method, const QVariantList& arguments, uint32_t* cookie);

    std::optional<QDBusConnection> m_bus;
    bool m_inhibited = false;
    uint32_t m_cookie = 0;
    QString m_path;  // the object path that answered the inhibition
};
