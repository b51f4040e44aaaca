#include "desktop/CFormEvents.h"

#include "base/ErrorContext.h"
#include "base/ExecutionLog.h"
#include "desktop/AppCommands.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QShortcut>
#include <QTimer>
#include <QUrl>

#include <array>

namespace {

// The process's hooked forms: a slot is free while it holds no object.
std::array<CFormEvents*, CFormEvents::kFormSlots> g_slots{};

bool Within(const QWidget* form, const QWidget* widget)
{
    return form && widget && (widget == form || form->isAncestorOf(widget));
}

int KeyState(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? 4 : 0) | (modifiers & Qt::ControlModifier ? 8 : 0);
}

}  // namespace

CFormEvents::CFormEvents(QObject* parent)
    : QObject(parent)
{
}

CFormEvents::~CFormEvents()
{
    Unhook();
}

int CFormEvents::HookedFormCount()
{
    int count = 0;
    for (const CFormEvents* slot : g_slots)
        count += slot ? 1 : 0;
    return count;
}

void CFormEvents::SetHookedForm(QWidget* form)
{
    Unhook();
    if (!form)
        return;
    const auto free = std::find(g_slots.begin(), g_slots.end(), nullptr);
    if (free == g_slots.end())
        RaiseError(kTooManySubclassedWindows, QStringLiteral("CFormEvents class"), QStringLiteral("Too many subclassed windows"));
    *free = this;
    m_slot = int(free - g_slots.begin()) + 1;
    m_form = form;
    m_form->setAcceptDrops(m_dragDrop);
    m_active = QGuiApplication::applicationState() == Qt::ApplicationActive;
    qApp->installEventFilter(this);
    connect(qApp, &QGuiApplication::applicationStateChanged, this, &CFormEvents::ApplicationStateChanged);
}

void CFormEvents::Unhook()
{
    if (m_slot == 0)
        return;
    for (int id : HotKeyIds())
        DelHotKey(id);
    qApp->removeEventFilter(this);
    disconnect(qApp, &QGuiApplication::applicationStateChanged, this, &CFormEvents::ApplicationStateChanged);
    g_slots[m_slot - 1] = nullptr;
    m_slot = 0;
    m_form = nullptr;
    m_under = nullptr;
    m_candidate = nullptr;
}

WId CFormEvents::Hwnd() const
{
    return m_form ? m_form->winId() : 0;
}

void CFormEvents::SetDragDrop(bool enabled)
{
    m_dragDrop = enabled;
    if (m_form)
        m_form->setAcceptDrops(enabled);
}

bool CFormEvents::AddHotKey(int id, const QKeySequence& keys)
{
    if (!m_form || keys.isEmpty() || m_hotKeys.contains(id)) {
        LogLine(QStringLiteral("Failed to Register a HotKey, ID ") + QString::number(id));
        return false;
    }
    auto* shortcut = new QShortcut(keys, m_form, nullptr, nullptr, Qt::ApplicationShortcut);
    // A hot key comes before the application's own shortcuts for the same keys.
    connect(shortcut, &QShortcut::activated, this, [this, id] { Q_EMIT HotKey(id); });
    connect(shortcut, &QShortcut::activatedAmbiguously, this, [this, id] { Q_EMIT HotKey(id); });
    m_hotKeys.insert(id, shortcut);
    return true;
}

void CFormEvents::DelHotKey(int id)
{
    delete m_hotKeys.take(id);
}

void CFormEvents::DeliverCopyData(const QString& text)
{
    Q_EMIT CopyData(text);
}

void CFormEvents::ApplicationStateChanged(Qt::ApplicationState state)
{
    const bool active = state == Qt::ApplicationActive;
    if (active == m_active)
        return;
    m_active = active;
    Q_EMIT ActivateApp(active);
}

bool CFormEvents::eventFilter(QObject* watched, QEvent* event)
{
    if (m_form && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        if (widget == m_form && FormEvent(event))
            return true;
        if (Within(m_form, widget) && ControlEvent(widget, event))
            return true;
    }
    return QObject::eventFilter(watched, event);
}

// Events that reach the form itself: drops, and the context menu that no control took.
bool CFormEvents::FormEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (!m_dragDrop || !drag->mimeData()->hasUrls())
            return false;
        drag->acceptProposedAction();
        return true;
    }
    case QEvent::Drop:
        if (!m_dragDrop)
            return false;
        Drop(event);
        return true;
    case QEvent::ContextMenu:
        Q_EMIT ContextMenu();
        return true;
    default:
        return false;
    }
}

bool CFormEvents::ControlEvent(QWidget* control, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        // A key a control leaves goes on to the controls around it: it is seen once, for the
        // control that has the focus.
        QWidget* focus = QApplication::focusWidget();
        if (focus ? control != focus : control != m_form)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        if (const int command = AppCommandForKey(key->key())) {
            Q_EMIT AppCommand(command, 0, KeyState(key->modifiers()));
            return true;
        }
        bool handled = false;
        Q_EMIT KeyDown(control, key->key(), key->modifiers(), &handled);
        return handled;
    }
    case QEvent::MouseMove: {
        // The control under the pointer, whichever control the move went to.
        const QPoint at = m_form->mapFromGlobal(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
        QWidget* under = m_form->childAt(at);
        PointerOnto(under ? under : m_form.data());
        return false;
    }
    case QEvent::Enter:
        PointerOnto(control);
        return false;
    case QEvent::Leave:
        if (control == m_form)
            PointerOnto(nullptr);
        return false;
    default:
        return false;
    }
}

void CFormEvents::Drop(QEvent* event)
{
    auto* drop = static_cast<QDropEvent*>(event);
    QStringList files;
    for (const QUrl& url : drop->mimeData()->urls()) {
        if (url.isLocalFile())
            files << url.toLocalFile();
        else
            LogLine(QStringLiteral("Dropped Item Refused (not a local file): ") + url.toDisplayString());
    }
    drop->acceptProposedAction();
    if (files.isEmpty())
        return;
    const QPoint at = drop->position().toPoint();
    Q_EMIT FileDropped(files, at.x(), at.y());
}

// One move of the pointer brings the leave and enter events of every control it crossed and the
// move itself: the control under the pointer is known when they have all arrived.
void CFormEvents::PointerOnto(QWidget* control)
{
    m_candidate = control;
    ResolvePointerLater();
}

void CFormEvents::ResolvePointerLater()
{
    if (m_resolving)
        return;
    m_resolving = true;
    QTimer::singleShot(0, this, [this] {
        m_resolving = false;
        QWidget* under = Within(m_form, m_candidate) ? m_candidate.data() : nullptr;
        if (under == m_under)
            return;
        if (m_under)
            Q_EMIT MouseExit(m_under);
        m_under = under;
        if (under)
            Q_EMIT MouseEnter(under);
    });
}
