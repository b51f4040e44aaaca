#pragma once

#include <QHash>
#include <QKeySequence>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QWidget>

class QShortcut;

// The error an eleventh hooked form raises (an object-defined error number of the class).
inline constexpr int kTooManySubclassedWindows = -2147220991;

// What the window system tells a form beyond Qt's widget events, raised as events of their own
// (the FormX_ events of the window): the application becoming active or inactive, files dropped
// on the form, hot keys, media and browser keys (AppCommand), the context-menu key, a command line
// handed over by a second start (CopyData), the pointer moving from one control of the form to
// another, and every key of the form's controls before the control gets it (KeyDown, the form's
// key preview). One process-wide table holds at most kFormSlots hooked forms.
class CFormEvents : public QObject {
    Q_OBJECT

public:
    static constexpr int kFormSlots = 10;

    explicit CFormEvents(QObject* parent = nullptr);
    // Unhooks the form, and with it the hot keys.
    ~CFormEvents() override;

    // HookedForm: the previous form is unhooked, then the new one takes a free slot. With every
    // slot taken this raises the error kTooManySubclassedWindows, "Too many subclassed windows"
    // from "CFormEvents class", and the form stays unhooked. nullptr only unhooks.
    void SetHookedForm(QWidget* form);
    QWidget* HookedForm() const { return m_form; }
    // The slot, 1..kFormSlots; 0 while no form is hooked.
    int Slot() const { return m_slot; }
    // The hooked window's system handle (0 without a form).
    WId Hwnd() const;
    // Forms hooked in the whole process.
    static int HookedFormCount();

    // DragDrop: whether files may be dropped on the form.
    void SetDragDrop(bool enabled);
    bool DragDrop() const { return m_dragDrop; }

    // AddHotKey: the keys raise HotKey(id) in every window of the application. A hot key that
    // cannot be registered (no keys, or the id is taken) is logged as "Failed to Register a
    // HotKey, ID " + id and left out; false then. DelHotKey removes one; unknown ids are ignored.
    bool AddHotKey(int id, const QKeySequence& keys);
    void DelHotKey(int id);
    QList<int> HotKeyIds() const { return m_hotKeys.keys(); }

    // The hand-over of a second start reaches the form here: CopyData(text).
    void DeliverCopyData(const QString& text);

Q_SIGNALS:
    void ActivateApp(bool active);
    // Local files and folders dropped at (x, y) of the form.
    void FileDropped(const QStringList& files, int x, int y);
    void ContextMenu();
    void HotKey(int id);
    void CopyData(const QString& text);
    // command: the system's application-command number of a media or browser key; device 0
    // (the keyboard); keyState: the modifier keys (4 Shift, 8 Ctrl).
    void AppCommand(int command, int device, int keyState);
    void MouseEnter(QWidget* control);
    void MouseExit(QWidget* control);
    // A key for control, before control gets it; a handler that acts on it sets *handled, and
    // the key goes no further.
    void KeyDown(QWidget* control, int key, Qt::KeyboardModifiers modifiers, bool* handled);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Unhook();
    bool FormEvent(QEvent* event);
    bool ControlEvent(QWidget* control, QEvent* event);
    void Drop(QEvent* event);
    void PointerOnto(QWidget* control);
    void ResolvePointerLater();
    void ApplicationStateChanged(Qt::ApplicationState state);

    QPointer<QWidget> m_form;
    int m_slot = 0;
    bool m_dragDrop = false;
    bool m_active = false;
    QHash<int, QShortcut*> m_hotKeys;
    QPointer<QWidget> m_under;      // the control under the pointer at its last move
    QPointer<QWidget> m_candidate;  // the control under it as this move's events say so far
    bool m_resolving = false;
};
