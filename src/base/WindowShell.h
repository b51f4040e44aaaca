#pragma once

#include <QString>

class QFontMetrics;
class QWidget;

// Shell services that need the window system.

// Opens a file, folder or address with the desktop's handler. The verb "explore" opens a
// folder; other verbs open the item. Returns a value above 32 on success and 2 (not found)
// or 31 (no handler) on failure, the classic shell results.
int ShellOpen(const QString& file, const QString& verb = QStringLiteral("open"));

// Shortens a path to fit width pixels: the middle folders give way to "..." first, the
// file name last.
QString CompactPath(const QString& path, int width, const QFontMetrics& metrics);

// The user moves the window by a skin element (the window system's own move).
void DragWindow(QWidget* window);
// The user resizes the window from its lower right corner.
void DragResizeWindow(QWidget* window);
