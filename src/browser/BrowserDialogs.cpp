#include "browser/BrowserDialogs.h"

#include "base/FileNames.h"
#include "base/Version.h"
#include "base/WindowShell.h"
#include "browser/FrmRename.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDialog>
#include <QMessageBox>
#include <QUrl>

void BrowserDialogs::Warn(QWidget* owner, const QString& text)
{
    QMessageBox::warning(owner, QLatin1String(kAppName), text);
}

bool BrowserDialogs::Confirm(QWidget* owner, const QString& question)
{
    return QMessageBox::question(owner, QLatin1String(kAppName), question, QMessageBox::Yes | QMessageBox::No)
        == QMessageBox::Yes;
}

QString BrowserDialogs::AskNewName(QWidget* owner, const QString& name)
{
    return ShowRenameDialog(name, owner);
}

void BrowserDialogs::RunDialog(QDialog& dialog)
{
    dialog.exec();
}

void BrowserDialogs::OpenFolder(const QString& folder)
{
    ShellOpen(folder, QStringLiteral("explore"));
}

void BrowserDialogs::ShowItem(const QString& path)
{
    if (!ShowItemInFileManager(path))
        OpenFolder(FolderOf(path));
}

bool ShowItemInFileManager(const QString& path)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    QDBusMessage call = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.FileManager1"),
        QStringLiteral("/org/freedesktop/FileManager1"), QStringLiteral("org.freedesktop.FileManager1"),
        QStringLiteral("ShowItems"));
    call << QStringList{QUrl::fromLocalFile(NormalizePath(path)).toString()} << QString();
    const QDBusMessage reply = bus.call(call, QDBus::Block, 3000);
    return reply.type() == QDBusMessage::ReplyMessage;
}
