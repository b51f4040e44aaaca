// The skin's layout on the window: the current view, the movie and the playlist in it, the
// parts of the view the movie shows through, and the window's shape from the mask parts.
#include "skin/XmlSkin.h"

#include "base/ExecutionLog.h"
#include "player/PlayerCommands.h"
#include "skin/SkinLayoutMath.h"

#include <QAction>

SkinElement* XmlSkin::ElementAt(int number)
{
    if (number < 1 || number > int(m_elements.size()))
        return nullptr;
    return &m_elements[size_t(number - 1)];
}

int XmlSkin::FindElement(const QString& name) const
{
    for (size_t i = 0; i < m_elements.size(); ++i) {
        if (m_elements[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return int(i) + 1;
    }
    return 0;
}

int XmlSkin::FindArrayMember(SkinArray array, int index) const
{
    for (size_t i = 0; i < m_elements.size(); ++i) {
        const SkinElement& element = m_elements[i];
        if (element.arrayIndex == index && ArrayOf(element.kind) == array)
            return int(i) + 1;
    }
    return 0;
}

SkinElement* XmlSkin::CurrentViewElement()
{
    SkinElement* view = ElementAt(m_currentView);
    return view && view->control ? view : nullptr;
}

bool XmlSkin::IsFullScreen() const
{
    QAction* item = m_player ? m_player->MenuItem(QStringLiteral("mnuFullScreen")) : nullptr;
    return item && item->isChecked();
}

bool XmlSkin::IsMenuBarShown() const
{
    return m_request.menuBarShown;
}

// Where views go: the client area below the menu bar.
QRect XmlSkin::ViewArea() const
{
    QSize client = m_request.client;
    if (!client.isValid() && m_player && m_player->Window())
        client = m_player->Window()->size();
    const int menuHeight = m_request.menuBarShown ? std::max(0, m_request.menuBarHeight) : 0;
    return QRect(0, menuHeight, client.width(), std::max(0, client.height() - menuHeight));
}

SkinLayout XmlSkin::UpdateSkin(const SkinLayoutRequest& request)
{
    if (!m_loaded)
        return m_plain.UpdateSkin(request);
    m_request = request;
    const QRect area = ViewArea();
    if (SkinElement* view = CurrentViewElement())
        view->control->setGeometry(area);
    // The view's own statement lays its elements out for the new size; a layout it causes
    // itself is computed without running it again.
    if (!m_inLayout) {
        m_inLayout = true;
        if (SkinElement* view = CurrentViewElement())
            RunSkinEvent(QString(view->onResize));
        m_inLayout = false;
    }

    SkinLayoutInput input;
    input.client = request.client;
    input.frame = request.frame;
    input.menuHeight = area.top();
    input.playlistShown = request.playlistShown;
    input.playlistWidth = request.playlistWidth;
    input.minimum = QSize(m_theme.minWidth, m_theme.minHeight);
    if (SkinElement* view = CurrentViewElement()) {
        input.movie = view->movie;
        input.playlist = view->playlist;
        if (!view->movie)
            input.elements = VisibleElementRects(*view);
    }
    m_layout = ComputeSkinLayout(input);
    m_coverTimer.stop();
    RefreshCover();
    UpdateRegion(false);
    return m_layout;
}

// The rectangles the visible elements of a view cover, in the view's coordinates, each cut to
// its containers.
std::vector<QRect> XmlSkin::VisibleElementRects(const SkinElement& view) const
{
    std::vector<QRect> rects;
    const QWidget* viewControl = view.control;
    for (const SkinElement& element : m_elements) {
        const SkinControl* control = element.control;
        if (!control || control == viewControl || !viewControl->isAncestorOf(control) || !control->isVisibleTo(viewControl))
            continue;
        QRect rect(control->mapTo(viewControl, QPoint(0, 0)), control->size());
        for (const QWidget* parent = control->parentWidget(); parent && parent != viewControl; parent = parent->parentWidget())
            rect &= QRect(parent->mapTo(viewControl, QPoint(0, 0)), parent->size());
        if (!rect.isEmpty())
            rects.push_back(rect);
    }
    return rects;
}

void XmlSkin::ScheduleCoverRefresh()
{
    if (m_loaded && !m_inLayout)
        m_coverTimer.start();
}

// The movie and the playlist lie beneath the view: the view lets them show through where no
// element of its own covers them (an element covering the whole view is its backdrop and does
// not count).
void XmlSkin::RefreshCover()
{
    SkinElement* view = CurrentViewElement();
    if (!view)
        return;
    SkinControl* control = view->control;
    const QRect viewRect(QPoint(0, 0), control->size());
    const QPoint origin = control->pos();
    QRegion through;
    through += m_layout.view.translated(-origin);
    through += m_layout.playlist.translated(-origin);
    for (const QRect& rect : VisibleElementRects(*view)) {
        if (!rect.contains(viewRect))
            through -= rect;
    }
    if (through.isEmpty()) {
        if (!control->mask().isEmpty())
            control->clearMask();
        return;
    }
    // A view the movie shows through everywhere keeps a mask outside itself: an empty mask
    // would be no mask at all.
    QRegion shape = QRegion(viewRect).subtracted(through);
    if (shape.isEmpty())
        shape = QRegion(-1, -1, 1, 1);
    if (shape != control->mask())
        control->setMask(shape);
}

void XmlSkin::UpdateRegion(bool force)
{
    QWidget* window = m_player ? m_player->Window() : nullptr;
    if (!window)
        return;
    std::vector<const SkinElement*> parts;
    for (const SkinElement& element : m_elements) {
        if (element.windowMask && element.control && element.view == m_currentView && element.control->isVisibleTo(window))
            parts.push_back(&element);
    }
    const bool menuShown = m_request.menuBarShown && m_request.menuBarHeight > 0;
    if (!m_loaded || parts.empty() || IsFullScreen() || (force && menuShown)) {
        // The full region: the window as it is.
        if (!window->mask().isEmpty())
            window->clearMask();
        return;
    }
    if (menuShown)
        return;
    // The client rectangle, each mask part's holes cut out where the part lies in the window.
    QRegion region(QRect(QPoint(0, 0), window->size()));
    for (const SkinElement* part : parts)
        region ^= part->control->Holes().translated(part->control->mapTo(window, QPoint(0, 0)));
    if (region != window->mask())
        window->setMask(region);
}

void XmlSkin::SetSkinView(const QString& name)
{
    if (!m_loaded)
        return;
    int found = 0;
    for (size_t i = 0; i < m_elements.size() && found == 0; ++i) {
        const SkinElement& element = m_elements[i];
        if (element.kind == SkinElementKind::View && element.control && element.name.compare(name, Qt::CaseInsensitive) == 0)
            found = int(i) + 1;
    }
    if (found == 0) {
        LogLine(QStringLiteral("No such view \"") + name + QLatin1Char('"'));
        return;
    }
    if (SkinElement* current = CurrentViewElement(); current && m_currentView != found)
        current->control->hide();
    SkinElement& view = m_elements[size_t(found - 1)];
    view.control->setGeometry(ViewArea());
    view.control->show();
    if (QWidget* window = m_player->Window()) {
        QPalette palette = window->palette();
        palette.setColor(QPalette::Window, view.control->BackColor().value_or(palette.color(QPalette::Window)));
        window->setPalette(palette);
    }
    m_currentView = found;
    SetApplicationActive(m_active);
    LogLine(QStringLiteral("Set Skin View ") + name);
    m_player->UpdateSkin();
}

void XmlSkin::PlaceMovie(const QRect& rect)
{
    if (SkinElement* view = CurrentViewElement()) {
        view->movie = rect;
        if (!m_inLayout)
            m_player->UpdateSkin();
    }
}

void XmlSkin::PlacePlaylist(const QRect& rect)
{
    if (SkinElement* view = CurrentViewElement()) {
        view->playlist = rect;
        if (!m_inLayout)
            m_player->UpdateSkin();
    }
}
