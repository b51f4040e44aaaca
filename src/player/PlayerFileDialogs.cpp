#include "player/PlayerFileDialogs.h"

#include "player/FileFilter.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

QStringList PlayerFileDialogs::OpenFiles(QWidget* owner, const QString& title, const QString& folder, const QString& filter)
{
    return QFileDialog::getOpenFileNames(owner, title, folder, QtFileFilter(filter));
}

QString PlayerFileDialogs::SaveFile(
    QWidget* owner, const QString& title, const QString& folder, const QString& proposedName, const QString& filter)
{
    return QFileDialog::getSaveFileName(owner, title, QDir(folder).filePath(proposedName), QtFileFilter(filter));
}

QString PlayerFileDialogs::ChooseFolder(QWidget* owner, const QString& title, const QString& folder)
{
    return QFileDialog::getExistingDirectory(owner, title, folder);
}

void PlayerFileDialogs::ShowMessage(QWidget* owner, const QString& title, const QString& text)
{
    QMessageBox::information(owner, title, text, QMessageBox::Ok);
}
