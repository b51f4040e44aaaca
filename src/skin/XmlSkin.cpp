// The skin catalogue and loading: the skin menu, LoadSkin with its build checks and failure
// steps, choosing and reloading skins.
#include "skin/XmlSkin.h"

#include "base/AppFolders.h"
#include "base/ErrorContext.h"
#include "base/ExecutionLog.h"
#include "base/FileNames.h"
#include "base/RuntimeErrors.h"
#include "base/Version.h"
#include "lang/LangText.h"
#include "player/PlayerCommands.h"
#include "script/ScriptEngine.h"

#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QWidget>

namespace {

const QString kSkinList = QStringLiteral("mnuSkinList");

QString NewerSkinMessage()
{
    return LangText(QStringLiteral("Player/strSkinNewer"),
        QStringLiteral("This Skin is for newer ") + QLatin1String(kAppName) + QStringLiteral("\r\nCheck for Updates, please"));
}

QString OutdatedSkinMessage()
{
    return LangText(
        QStringLiteral("Player/strSkinOutdated"), QStringLiteral("This Skin is outdated\r\nPlease check for an updated version"));
}

}  // namespace

XmlSkin::XmlSkin()
{
    m_showMessage
        = [](const QString& text) { QMessageBox::information(QApplication::activeWindow(), QLatin1String(kAppName), text); };
    m_coverTimer.setSingleShot(true);
    m_coverTimer.setInterval(0);
    connect(&m_coverTimer, &QTimer::timeout, this, &XmlSkin::RefreshCover);
}

XmlSkin::~XmlSkin()
{
    // The window deletes the element controls with itself; the table only forgets them.
    m_elements.clear();
}

void XmlSkin::Attach(PlayerCommands& player)
{
    m_player = &player;
    if (ScriptHostObject* host = player.ScriptHost())
        AddScriptMembers(*host);
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
        [this](Qt::ApplicationState state) { SetApplicationActive(state == Qt::ApplicationActive); });
}

void XmlSkin::LoadCurrentSkin(const QString& skinName)
{
    m_skinName = skinName;
    EnumerateSkins();
    if (m_skinName.isEmpty())
        return;
    // A skin that is not installed fails to load, with the report saying so.
    const QString folder
        = m_skinFolder == QLatin1String("No Skin") ? Folders().skins + m_skinName + QLatin1Char('/') : m_skinFolder;
    LoadSkin(folder + QStringLiteral("skin.xml"));
}

void XmlSkin::EnumerateSkins()
{
    LogEmptyLine();
    LogLine(QStringLiteral(" :: Enumerate Skins"));
    m_skins = ListSkins(Folders().skins);
    m_skinFolder.clear();
    if (m_player)
        m_player->RemoveMenuArrayItems(kSkinList, 1);
    int checked = 0;
    for (size_t i = 0; i < m_skins.size(); ++i) {
        const SkinEntry& entry = m_skins[i];
        if (m_player)
            m_player->AddMenuArrayItem(kSkinList, int(i) + 1, entry.title, entry.folder);
        if (checked == 0 && entry.folder.compare(m_skinName, Qt::CaseInsensitive) == 0) {
            checked = int(i) + 1;
            m_skinName = entry.folder;
            m_skinFolder = Folders().skins + entry.folder + QLatin1Char('/');
        }
    }
    if (m_skinFolder.isEmpty())
        m_skinFolder = QStringLiteral("No Skin");
    CheckSkinItem(checked);
}

void XmlSkin::CheckSkinItem(int index)
{
    if (!m_player)
        return;
    for (int i = 0; QAction* item = m_player->MenuItem(kSkinList, i); ++i) {
        item->setCheckable(true);
        item->setChecked(i == index);
    }
}

void XmlSkin::LoadSkin(const QString& path)
{
    LogEmptyLine();
    LogLine(QStringLiteral(" :: Load Skin (") + path + QLatin1Char(')'));
    LogTiming(QString(), false);
    SetMenuBarSwitch(false);

    if (!m_skinDoc.load(path)) {
        const XmlParseError& error = m_skinDoc.parseError();
        FailLoad(error.errorCode,
            error.reason + QStringLiteral(" (line ") + QString::number(error.line) + QStringLiteral(", position ")
                + QString::number(error.linepos) + QLatin1Char(')'));
        return;
    }
    const XmlNode theme = ThemeNode(m_skinDoc);
    if (theme.IsNull()) {
        FailLoad(RuntimeError::ObjectNotSet, QStringLiteral("The document's root element is not THEME"));
        return;
    }
    const std::optional<int> build = SkinBuildNumber(theme.Attribute(QStringLiteral("build"), QStringLiteral("0")));
    if (!build) {
        FailLoad(RuntimeError::TypeMismatch, QStringLiteral("The skin's build is not a number"));
        return;
    }
    switch (CheckSkinBuild(*build)) {
    case SkinBuildCheck::Outdated:
        m_showMessage(OutdatedSkinMessage());
        FailLoad(0, OutdatedSkinMessage().replace(QStringLiteral("\r\n"), QStringLiteral(" ")));
        return;
    case SkinBuildCheck::Newer:
        m_showMessage(NewerSkinMessage());
        FailLoad(0, NewerSkinMessage().replace(QStringLiteral("\r\n"), QStringLiteral(" ")));
        return;
    case SkinBuildCheck::Accepted:
        break;
    }

    m_loaded = true;
    m_layout = SkinLayout();
    if (!BuildTheme(theme)) {
        FailLoad(CurrentError().number, CurrentError().description);
        return;
    }
    // The first view is current; the others wait hidden.
    m_currentView = 0;
    for (const SkinElement& element : m_elements) {
        if (element.kind != SkinElementKind::View || !element.control)
            continue;
        const int number = int(&element - m_elements.data()) + 1;
        if (m_currentView == 0)
            m_currentView = number;
        element.control->setVisible(number == m_currentView);
    }
    SetFrameless(true);
    SetApplicationActive(m_active);
    if (IsFullScreen())
        SetSkinView(QStringLiteral("viewFullScreen"));
    RunSkinEvent(QStringLiteral("onLoad"));
    RunViewEvent(SkinViewEvent::MediaChange);
    if (m_loaded && m_player)
        m_player->Script().SetState(ScriptEngineState::Connected);
    LogTiming(QStringLiteral("Skin Loaded"), false);
}

void XmlSkin::FailLoad(int number, const QString& description)
{
    m_loaded = false;
    SetCurrentError(number, QStringLiteral("skin.xml"), description);
    LogErrorReport(QStringLiteral("LoadSkin ") + m_skinName);
    ClearSkin();
    m_skinFolder.clear();
    m_skinName.clear();
    CheckSkinItem(0);
    SetFrameless(false);
    SetMenuBarSwitch(true);
}

void XmlSkin::ClearSkin()
{
    for (auto element = m_elements.rbegin(); element != m_elements.rend(); ++element) {
        if (element->control) {
            // Deleted once the event that may have led here is over.
            element->control->hide();
            element->control->deleteLater();
        }
    }
    m_elements.clear();
    m_arrayCounts[0] = m_arrayCounts[1] = m_arrayCounts[2] = 0;
    m_currentView = m_buildView = m_currentContainer = 0;
    m_dropped.clear();
    m_playingKept = false;
    m_coverTimer.stop();
    if (m_player) {
        m_player->ResetScriptEngine();
        if (QWidget* window = m_player->Window(); window && !window->mask().isEmpty())
            window->clearMask();
    }
}

void XmlSkin::ReloadSkin()
{
    // A skin's own action may ask for it: the skin goes once that action is over.
    if (m_eventDepth > 0) {
        QTimer::singleShot(0, this, &XmlSkin::ReloadSkin);
        return;
    }
    ClearSkin();
    m_loaded = false;
    LoadCurrentSkin(m_skinName);
    if (!m_loaded) {
        SetFrameless(false);
        SetMenuBarSwitch(true);
    }
    if (m_player)
        m_player->UpdateSkin();
}

void XmlSkin::ChooseSkin(int index)
{
    QAction* item = m_player ? m_player->MenuItem(kSkinList, index) : nullptr;
    if (!item)
        return;
    m_skinName = index == 0 ? QString() : item->data().toString();
    m_skinFolder = m_skinName.isEmpty() ? QString() : Folders().skins + m_skinName + QLatin1Char('/');
    CheckSkinItem(index);
    ReloadSkin();
}

void XmlSkin::SetFrameless(bool frameless)
{
    QWidget* window = m_player ? m_player->Window() : nullptr;
    if (!window || window->windowFlags().testFlag(Qt::FramelessWindowHint) == frameless)
        return;
    const bool visible = window->isVisible();
    const QRect geometry = window->geometry();
    window->setWindowFlag(Qt::FramelessWindowHint, frameless);
    if (visible) {
        window->setGeometry(geometry);
        window->show();
    }
}

void XmlSkin::SetMenuBarSwitch(bool offered)
{
    if (QAction* item = m_player ? m_player->MenuItem(QStringLiteral("mnuMenuBar")) : nullptr)
        item->setVisible(offered);
}
