// Window layout: zoom, the movie's place in its view, aspect ratio, centring, maximise,
// full screen with its edge pop-ups, the menu bar and "Always on Top".
#include "player/Player.h"

#include "base/Rounding.h"
#include "base/WindowShell.h"
#include "engine/FlashControl.h"
#include "options/OptionValue.h"
#include "options/RegistryStore.h"
#include "player/MovieView.h"
#include "player/PlayerBrowser.h"
#include "player/PlayerMenus.h"
#include "player/PlaylistPane.h"
#include "player/WindowLayoutMath.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QWindow>

#include <algorithm>

namespace {

QScreen* ScreenOf(const QWidget* widget)
{
    QScreen* screen = widget->screen();
    return screen ? screen : QGuiApplication::primaryScreen();
}

int ToPixels(double twips, double twipsPerPixel)
{
    return int(RoundHalfEven(twips / twipsPerPixel));
}

}  // namespace

double Player::TwipsPerPixelX() const
{
    const QScreen* screen = ScreenOf(this);
    return TwipsPerPixel(screen ? screen->logicalDotsPerInchX() : 96.0);
}

double Player::TwipsPerPixelY() const
{
    const QScreen* screen = ScreenOf(this);
    return TwipsPerPixel(screen ? screen->logicalDotsPerInchY() : 96.0);
}

QSize Player::FrameExtra() const
{
    if (!isVisible())
        return QSize(0, 0);
    const QSize extra = frameGeometry().size() - size();
    return QSize(std::max(0, extra.width()), std::max(0, extra.height()));
}

QSize Player::MovieSize() const
{
    // Before a movie has a size the window is laid out for the player's own screens.
    if (m_info.Width <= 0 || m_info.Height <= 0)
        return QSize(kDefaultMovieWidth, kDefaultMovieHeight);
    return QSize(m_info.Width, m_info.Height);
}

// ---- The skin layout

void Player::UpdateSkin()
{
    UpdateSkinFor(size());
}

// The layout for a client size: the window's own, or the size just asked of the window system,
// whose answer may come later.
void Player::UpdateSkinFor(const QSize& client)
{
    SkinLayoutRequest request;
    request.client = client;
    request.frame = FrameExtra();
    request.menuBarShown = !m_menuBarHidden;
    const int menuHeight = m_menuBar->heightForWidth(std::max(1, client.width()));
    request.menuBarHeight = menuHeight > 0 ? menuHeight : m_menuBar->sizeHint().height();
    request.playlistShown = !m_playlistPane->isHidden();
    request.playlistWidth = ListWidth();
    request.fullScreen = IsFullScreen();
    // The client area below the menu bar, as scripts see it while the skin lays itself out.
    m_scaleSize = QSize(client.width(), std::max(0, client.height() - (request.menuBarShown ? request.menuBarHeight : 0)));
    m_layout = m_skin->UpdateSkin(request);
    ApplyLayout();
}

void Player::ApplyLayout()
{
    m_menuBar->setVisible(!m_layout.menuBar.isEmpty());
    if (!m_layout.menuBar.isEmpty())
        m_menuBar->setGeometry(m_layout.menuBar);
    m_view->setGeometry(m_layout.view);
    if (!m_layout.playlist.isEmpty())
        m_playlistPane->setGeometry(m_layout.playlist);
    if (!IsFullScreen()) {
        const QSize frame = FrameExtra();
        setMinimumSize(
            std::max(0, m_layout.minimum.width() - frame.width()), std::max(0, m_layout.minimum.height() - frame.height()));
    }
    ViewResize();
}

void Player::ViewResize()
{
    QWidget* control = m_swf->widget();
    if (!control)
        return;
    const QSize view = m_view->size();
    if (m_swf->ScaleMode() == 0 && OptionValues().crop)
        control->setGeometry(CropPlacement(view, MovieSize()));
    else
        control->setGeometry(QRect(QPoint(0, 0), view));
}

// ---- Zoom

void Player::ZoomFlash(int percent, int& passes)
{
    for (;;) {
        if (isMinimized() || isMaximized() || IsChecked(QStringLiteral("mnuFullScreen")))
            return;
        SetChecked(QStringLiteral("mnuKeepSize"), false);
        const double twipsX = TwipsPerPixelX();
        const double twipsY = TwipsPerPixelY();
        const QSize twips = ZoomWindowTwips(MovieSize(), percent, m_layout.margins, twipsX, twipsY, m_layout.minimum);
        // Like any top-level window, never larger than its screen (a very tall or wide movie,
        // 200 % of a large one): the movie is scaled into what is left.
        const QRect screen = ScreenOf(this)->geometry();
        const QSize outer = QSize(ToPixels(twips.width(), twipsX), ToPixels(twips.height(), twipsY)).boundedTo(screen.size());
        if (OptionValues().centered) {
            const QPoint origin = screen.topLeft() + CenteredOrigin(screen.size(), outer);
            ResizeOuter(outer, &origin);
        } else {
            ResizeOuter(outer, nullptr);
        }
        if (passes == 0)
            return;
        --passes;
    }
}

// Sets the window's outer size (and place), then lays the window out for it at once: the size
// of the next zoom pass depends on that layout.
void Player::ResizeOuter(const QSize& outer, const QPoint* topLeft)
{
    const QSize frame = FrameExtra();
    const QSize client(std::max(1, outer.width() - frame.width()), std::max(1, outer.height() - frame.height()));
    m_zooming = true;
    m_requestedSize = client;
    resize(client);
    if (topLeft)
        move(*topLeft);
    m_zooming = false;
    UpdateSkinFor(client);
    UpdateZoomChecks();
}

void Player::ZoomWindow(int mode)
{
    if (mode == 0)
        showNormal();
    else if (mode == 1)
        showMaximized();
    else if (isMaximized())
        showNormal();
    else
        showMaximized();
}

void Player::Center()
{
    if (!IsWindowNormal() || !OptionValues().centered)
        return;
    const QRect screen = ScreenOf(this)->geometry();
    move(screen.topLeft() + CenteredOrigin(screen.size(), frameGeometry().size()));
}

void Player::UpdateZoomChecks()
{
    const ZoomCheck check = ZoomCheckFor(m_swf->widget()->size(), MovieSize());
    const bool anyChecked = IsChecked(QStringLiteral("mnuZoom50")) || IsChecked(QStringLiteral("mnuZoom100"))
        || IsChecked(QStringLiteral("mnuZoom200"));
    if (!check.ratiosAgree && !anyChecked)
        return;
    SetChecked(QStringLiteral("mnuZoom50"), check.percent == 50);
    SetChecked(QStringLiteral("mnuZoom100"), check.percent == 100);
    SetChecked(QStringLiteral("mnuZoom200"), check.percent == 200);
}

// Form_Resize.
void Player::FormResize()
{
    if (size() == m_lastSize)
        return;
    const QSize before = m_lastSize;
    m_lastSize = size();
    if (IsWindowNormal() && m_browser->IsBrowsing()) {
        const QSize outer = frameGeometry().size();
        OptionValues().browseWidth = int32_t(RoundHalfEven(outer.width() * TwipsPerPixelX()));
        OptionValues().browseHeight = int32_t(RoundHalfEven(outer.height() * TwipsPerPixelY()));
    }
    UpdateSkin();
    UpdateZoomChecks();
    // A border dragged by the user: the movie's aspect ratio follows once the drag rests. The
    // sizes the player asked for itself arrive here too, later, and are left as they are.
    const bool requested = m_zooming || size() == m_requestedSize;
    if (!requested && isVisible() && IsWindowNormal() && IsChecked(QStringLiteral("mnuAspectRatio"))
        && !m_browser->IsBrowsing()) {
        if (!m_aspectTimer.isActive())
            m_userSize = before;
        m_aspectTimer.start();
    }
}

QRect Player::FormResizing(const QRect& window, int edge) const
{
    if (!IsChecked(QStringLiteral("mnuAspectRatio")) || m_browser->IsBrowsing())
        return window;
    return KeepAspectWhileSizing(window, edge, MovieSize(), m_layout.margins);
}

void Player::KeepAspectAfterResize()
{
    if (!IsWindowNormal() || !IsChecked(QStringLiteral("mnuAspectRatio")))
        return;
    const QRect window = frameGeometry();
    const bool widthChanged = m_userSize.isValid() && m_userSize.width() != size().width();
    const QRect kept = FormResizing(window, widthChanged ? kEdgeRight : kEdgeBottom);
    if (kept.size() != window.size())
        ResizeOuter(kept.size(), nullptr);
}

// ---- Full screen and the menu bar

void Player::FullScreen(bool on, bool force)
{
    if (IsChecked(QStringLiteral("mnuFullScreen")) == on && !force)
        return;
    ShowMenuBar(!on && State().menuBarShown);
    SetChecked(QStringLiteral("mnuFullScreen"), on);
    SetChecked(QStringLiteral("mnuPopFullScreen"), on);
    SetListVisible(IsChecked(QStringLiteral("mnuPlaylist")) && (!on || !m_fsPlaylistHidden));
    if (on) {
        m_wasMaximized = isMaximized();
        m_normalGeometry = geometry();
        m_skin->SwitchView(QStringLiteral("viewFullScreen"));
        showFullScreen();
        // Without a window manager to do it, the window covers the screen itself (through its
        // window, which leaves the full-screen state as it is).
        if (QWindow* window = windowHandle())
            window->setGeometry(ScreenOf(this)->geometry());
        if (!m_fullScreenFilter) {
            qApp->installEventFilter(this);
            m_fullScreenFilter = true;
        }
    } else {
        m_skin->SwitchView(QStringLiteral("viewNormal"));
        if (m_fullScreenFilter) {
            qApp->removeEventFilter(this);
            m_fullScreenFilter = false;
        }
        if (m_wasMaximized) {
            showMaximized();
        } else {
            showNormal();
            if (m_normalGeometry.isValid())
                setGeometry(m_normalGeometry);
        }
    }
    if (!m_skin->IsActive())
        UpdateSkin();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void Player::ShowMenuBar(bool show)
{
    if (m_menuBarHidden == !show)
        return;
    m_menuBarHidden = !show;
    for (const char* menu : {"MenuFile", "MenuView", "MenuPlayback", "MenuTools", "MenuHelp"}) {
        if (QAction* item = MenuItem(QLatin1String(menu)))
            item->setVisible(show);
    }
    m_menus->SetMenuShortcutsActive(show);
    UpdateSkin();
}

void Player::MenuVisible(bool visible)
{
    SetChecked(QStringLiteral("mnuMenuBar"), visible);
    State().menuBarShown = visible;
    // In full screen the menu bar follows the pointer to the top edge instead.
    if (!IsFullScreen())
        ShowMenuBar(visible);
    UpdateRegion(true);
}

void Player::ShowFSControls(bool show)
{
    if (m_fsControlsHidden == !show)
        return;
    m_fsControlsHidden = !show;
    m_view->lower();
    m_skin->ShowFSControls(show);
}

void Player::ShowFSPlaylist(bool show)
{
    if (m_fsPlaylistHidden == !show)
        return;
    m_fsPlaylistHidden = !show;
    m_view->lower();
    SetListVisible(show && IsChecked(QStringLiteral("mnuPlaylist")));
    m_skin->RunSkinEvent(show ? QStringLiteral("ShowFSPlaylist") : QStringLiteral("HideFSPlaylist"));
    UpdateSkin();
}

void Player::FollowFullScreenEdges(const QPoint& globalPos)
{
    const QRect screen = ScreenOf(this)->geometry();
    const FullScreenEdges edges = FullScreenEdgesAt(globalPos.x() - screen.x(), globalPos.y() - screen.y(), screen.size());
    ShowMenuBar(edges.menuBar);
    ShowFSControls(edges.controls);
    ShowFSPlaylist(edges.playlist);
}

bool Player::eventFilter(QObject* watched, QEvent* event)
{
    // In full screen, pointer moves over the movie open the edge pop-ups.
    if (m_fullScreenFilter && event->type() == QEvent::MouseMove && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        if (widget == m_view || m_view->isAncestorOf(widget))
            FollowFullScreenEdges(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
    }
    return QWidget::eventFilter(watched, event);
}

void Player::UpdateRegion(bool force)
{
    m_skin->UpdateRegion(force);
}

void Player::MoveWindow()
{
    DragWindow(this);
}

void Player::ResizeWindow()
{
    DragResizeWindow(this);
}

void Player::SetTopMost(bool topMost)
{
    const bool visible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, topMost);
    if (visible)
        show();
}

// ---- Window events

void Player::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    FormResize();
}

void Player::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        UpdateSkin();
}

// ---- Showing the window

void Player::ShowPlayer()
{
    const std::optional<QString> state = NormalizedOptionText(
        OptionType::Integer, ReadRegistryString(QStringLiteral("Window"), QStringLiteral("State"), QStringLiteral("0")));
    const std::optional<QString> fullScreen = NormalizedOptionText(
        OptionType::Boolean, ReadRegistryString(QStringLiteral("Window"), QStringLiteral("FullScreen"), QStringLiteral("False")));
    if (state && state->toInt() == kWindowMaximized)
        showMaximized();
    else
        show();
    if (fullScreen && *fullScreen == QLatin1String("True"))
        FullScreen(true, true);
    UpdateSkin();
}

void Player::RestoreMinimisedWindow()
{
    if (!isMinimized())
        return;
    if (IsChecked(QStringLiteral("mnuFullScreen")))
        showFullScreen();
    else
        showNormal();
}

// ---- Place and size in twips

QRect Player::GeometryTwips() const
{
    const QRect frame = frameGeometry();
    const double x = TwipsPerPixelX();
    const double y = TwipsPerPixelY();
    return QRect(int(RoundHalfEven(frame.x() * x)), int(RoundHalfEven(frame.y() * y)), int(RoundHalfEven(frame.width() * x)),
        int(RoundHalfEven(frame.height() * y)));
}

void Player::SetGeometryTwips(const QRect& twips)
{
    const double x = TwipsPerPixelX();
    const double y = TwipsPerPixelY();
    const QPoint topLeft(ToPixels(twips.x(), x), ToPixels(twips.y(), y));
    ResizeOuter(QSize(ToPixels(twips.width(), x), ToPixels(twips.height(), y)), &topLeft);
}
