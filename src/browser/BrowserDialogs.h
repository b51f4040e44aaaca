#pragma once

#include <QString>

class QDialog;
class QWidget;

// What the browser's commands ask of the user and the desktop: messages, questions, the
// rename dialog, modal dialogs, and the file manager. Tests answer with their own.
class BrowserDialogs {
public:
    virtual ~BrowserDialogs() = default;

    virtual void Warn(QWidget* owner, const QString& text);
    virtual bool Confirm(QWidget* owner, const QString& question);
    // ShowRenameDialog: the typed name, "" when cancelled.
    virtual QString AskNewName(QWidget* owner, const QString& name);
    // Shows a dialog modally until it is closed.
    virtual void RunDialog(QDialog& dialog);
    // Opens a folder in the file manager ("explore").
    virtual void OpenFolder(const QString& folder);
    // Shows a file in its folder, selected where the file manager can (else opens the folder).
    virtual void ShowItem(const QString& path);
};

// Asks the desktop's file manager (org.freedesktop.FileManager1) to show the item selected;
// false when no file manager answered.
bool ShowItemInFileManager(const QString& path);
