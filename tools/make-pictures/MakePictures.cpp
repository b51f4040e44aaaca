// make-pictures: writes the pictures the browser's windows draw by code into the images folder
// of the application tree ("nomedia.png", "edit.png"), where the program reads them.
#include "browser/BrowserPictures.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    // No display is needed to draw into images.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fputs("usage: make-pictures IMAGES-FOLDER\n", stderr);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(folder.path()))
        return 1;
    const bool written = DrawNoMediaPicture(64).save(folder.filePath(QStringLiteral("nomedia.png")), "PNG")
        && DrawEditPicture(48).save(folder.filePath(QStringLiteral("edit.png")), "PNG");
    return written ? 0 : 1;
}
