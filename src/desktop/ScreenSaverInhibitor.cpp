#include "desktop/ScreenSaverInhibitor.h"

#include "base/Version.h"
#include "lang/Language.h"

#include <QDBusMessage>
#include <QStringList>

namespace {

constexpr const char* kService = "org.freedesktop.ScreenSaver";
// Desktops publish the interface at one of these paths, some at both.
const QStringList kPaths = {QStringLiteral("/org/freedesktop/ScreenSaver"), QStringLiteral("/ScreenSaver")};

}  // namespace

ScreenSaverInhibitor::ScreenSaverInhibitor() = default;

ScreenSaverInhibitor::ScreenSaverInhibitor(QDBusConnection bus)
    : m_bus(std::move(bus))
{
}

ScreenSaverInhibitor::~ScreenSaverInhibitor()
{
    SetActive(true);
}

bool ScreenSaverInhibitor::Call(const QString& method, const QVariantList& arguments, uint32_t* cookie)
{
    if (!m_bus)
        m_bus = QDBusConnection::sessionBus();
    if (!m_bus->isConnected())
        return false;
    const QStringList paths = m_path.isEmpty() ? kPaths : QStringList{m_path};
    for (const QString& path : paths) {
        QDBusMessage call = QDBusMessage::createMethodCall(QLatin1String(kService), path, QLatin1String(kService), method);
        call.setArguments(arguments);
        const QDBusMessage reply = m_bus->call(call, QDBus::Block, kCallTimeoutMs);
        if (reply.type() != QDBusMessage::ReplyMessage)
            continue;
        if (cookie) {
            if (reply.arguments().isEmpty())
                continue;
            *cookie = reply.arguments().constFirst().toUInt();
        }
        m_path = path;
        return true;
    }
    return false;
}

void ScreenSaverInhibitor::SetActive(bool active)
{
    if (!active && !m_inhibited) {
        uint32_t cookie = 0;
        if (Call(QStringLiteral("Inhibit"),
                {QLatin1String(kAppName),
                    LangText(QStringLiteral("frmOptions/chkScreenSaver"), QStringLiteral("Temporarily Disable Screen Saver"))},
                &cookie)) {
            m_cookie = cookie;
            m_inhibited = true;
        }
    } else if (active && m_inhibited) {
        Call(QStringLiteral("UnInhibit"), {QVariant::fromValue(m_cookie)}, nullptr);
        m_inhibited = false;
        m_path.clear();
    }
}
