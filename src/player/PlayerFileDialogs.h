#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// The common dialogs of the player window (open, save, folder choice, message). Filters use the
// "|" form of FileFilter.h. Cancelling gives an empty result.
class PlayerFileDialogs {
public:
    virtual ~PlayerFileDialogs() = default;

    virtual QStringList OpenFiles(QWidget* owner, const QString& title, const QString& folder, const QString& filter);
    virtual QString SaveFile(
        QWidget* owner, const QString& title, const QString& folder, const QString& proposedName, const QString& filter);
    virtual QString ChooseFolder(QWidget* owner, const QString& title, const QString& folder);
    // A message box with the text and an OK button only.
    virtual void ShowMessage(QWidget* owner, const QString& title, const QString& text);
};
