#pragma once

#include "base/XmlDocument.h"
#include "player/NoSkin.h"
#include "player/PlayerSkin.h"
#include "skin/SkinCatalogue.h"
#include "skin/SkinControl.h"
#include "skin/SkinTheme.h"

#include <QObject>
#include <QPointer>
#include <QSet>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class PlayerCommands;
class ScriptHostObject;
class ScriptObject;
class ScriptValue;

// One element of the skin (SkinElement): a view or an element of a view, numbered from 1 in
// creation order.
struct SkinElement {
    QString name;
    QPointer<SkinControl> control;
    int view = 0;       // the view it belongs to (a view: itself); 0 outside every view
    int container = 0;  // the element whose control holds it; 0: the main window
    SkinElementKind kind = SkinElementKind::View;
    int arrayIndex = 0;  // its index in PIC, IMG or LBL (from 1)
    QString onClick;
    QString onDblClick;
    QString onDrag;
    // Views.
    QString onResize;
    QString onInfoUpdate;
    QString onMediaChange;
    std::optional<QRect> movie;     // where a script put the movie ("View"), view coordinates
    std::optional<QRect> playlist;  // where a script put the playlist
    // Sub-views with @windowMask: parts of the window's shape.
    bool windowMask = false;
    std::shared_ptr<ScriptObject> scriptObject;
};

// The skins of "skin.xml" files: the catalogue in the skin menu, loading with the build checks,
// the element tree built on the player window, the skin's script and events, element mouse
// handling, views, the layout around the movie and the window's shape. While no skin is in force
// the window is the plain one (NoSkin's layout).
class XmlSkin : public QObject, public PlayerSkin, public SkinMouseHandler {
    Q_OBJECT

public:
    // Shows the build messages ("This Skin is outdated"...): a message box unless replaced.
    using MessageFunction = std::function<void(const QString& text)>;

    XmlSkin();
    ~XmlSkin() override;

    void SetMessageFunction(MessageFunction show) { m_showMessage = std::move(show); }

    // PlayerSkin.
    void Attach(PlayerCommands& player) override;
    bool IsActive() const override { return m_loaded; }
    QString SkinName() const override { return m_skinName; }
    void LoadCurrentSkin(const QString& skinName) override;
    SkinLayout UpdateSkin(const SkinLayoutRequest& request) override;
    void RunViewEvent(SkinViewEvent event) override;
    void RunSkinEvent(const QString& statement) override;
    void SwitchView(const QString& view) override { SetSkinView(view); }
    void UpdateRegion(bool force) override;
    void ShowFSControls(bool show) override;
    void ReloadSkin() override;
    void ChooseSkin(int index) override;
    void ActivateApp(bool active) override { SetApplicationActive(active); }

    // Catalogue and loading.
    void EnumerateSkins();
    void LoadSkin(const QString& path);
    // Unloads every element, last first, and resets the script engine.
    void ClearSkin();
    QString SkinFolder() const { return m_skinFolder; }
    const SkinTheme& Theme() const { return m_theme; }
    const std::vector<SkinEntry>& Skins() const { return m_skins; }

    // Views and elements.
    void SetSkinView(const QString& name);
    int CurrentView() const { return m_currentView; }
    int ElementCount() const { return int(m_elements.size()); }
    // Element number (from 1); nullptr outside the table.
    SkinElement* ElementAt(int number);
    // The element of a name (letter case ignored), 0 when none has it.
    int FindElement(const QString& name) const;
    // The element that is member index of array PIC, IMG or LBL; 0 when there is none.
    int FindArrayMember(SkinArray array, int index) const;
    // A geometry expression evaluated by the script engine; 0 when it cannot be.
    double EvalSkinExpression(const QString& text);

    // SkinMouseHandler: element mouse handling.
    void ElementMouse(int element, SkinMouse what, QPoint pos) override;
    // The application became active or inactive: the current view's elements show their
    // disabled pictures while it is inactive.
    void SetApplicationActive(bool active);

    // The movie's and the playlist's places of the current view (client coordinates).
    QRect MovieRect() const { return m_layout.view; }
    QRect PlaylistRect() const { return m_layout.playlist; }
    // Where a script puts the movie or the playlist of the current view (view coordinates).
    void PlaceMovie(const QRect& rect);
    void PlacePlaylist(const QRect& rect);

private:
    // Loading (XmlSkin.cpp).
    void FailLoad(int number, const QString& description);
    void SetFrameless(bool frameless);
    void SetMenuBarSwitch(bool offered);
    void CheckSkinItem(int index);
    // Building (SkinBuilder.cpp).
    bool BuildTheme(const XmlNode& theme);
    void BuildNode(const XmlNode& node, int depth);
    void BuildView(const XmlNode& node, int depth);
    void BuildElement(const XmlNode& node, SkinElementKind kind, int depth);
    void BuildChildren(const XmlNode& node, int depth);
    void RemoveElementsFrom(size_t first);
    QWidget* ContainerWidget() const;
    QString PicturePath(const QString& folder, const QString& image) const;
    int GeometryValue(const QString& text);
    // Events (SkinEvents.cpp).
    bool IsScriptProcedure(const QString& name) const;
    void SetPointer(QPoint pos);
    void ShowMovieMenu();
    // Layout (SkinWindowLayout.cpp).
    SkinElement* CurrentViewElement();
    QRect ViewArea() const;
    std::vector<QRect> VisibleElementRects(const SkinElement& view) const;
    void RefreshCover();
    void ScheduleCoverRefresh();
    bool IsMenuBarShown() const;
    bool IsFullScreen() const;
    // Script members (SkinScriptMembers.cpp).
    void AddScriptMembers(ScriptHostObject& player);
    ScriptValue ElementObject(int number);

    PlayerCommands* m_player = nullptr;
    NoSkin m_plain;
    MessageFunction m_showMessage;

    QString m_skinName;
    QString m_skinFolder;
    XmlDocument m_skinDoc;
    SkinTheme m_theme;
    bool m_loaded = false;
    bool m_isBinary = false;
    QString m_scriptPath;
    std::vector<SkinEntry> m_skins;

    std::vector<SkinElement> m_elements;
    int m_arrayCounts[3] = {0, 0, 0};
    int m_currentView = 0;
    int m_buildView = 0;
    int m_currentContainer = 0;

    SkinLayoutRequest m_request;
    SkinLayout m_layout;
    bool m_inLayout = false;
    QTimer m_coverTimer;

    int m_eventDepth = 0;
    QSet<QString> m_dropped;            // statements stopped by the step budget: not run again
    bool m_geometryOverBudget = false;  // a geometry expression ran out of steps
    bool m_playingKept = false;
    bool m_wasPlaying = false;
    bool m_active = true;
};
