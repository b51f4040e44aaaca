// vorlen-skinart: paints the pictures of the shipped skins into an application tree's Skins
// folder at build time.
#include <QGuiApplication>
#include <QTextStream>

bool PaintDefaultSkin(const QString& skin);
bool PaintCompactSkin(const QString& skin);

int main(int argc, char* argv[])
{
    // Painting needs no screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 2) {
        QTextStream(stderr) << "usage: vorlen-skinart SKINS_FOLDER\n";
        return 2;
    }
    const QString skins = arguments[1];
    const bool saved
        = PaintDefaultSkin(skins + QStringLiteral("/Default")) && PaintCompactSkin(skins + QStringLiteral("/Compact"));
    if (!saved) {
        QTextStream(stderr) << "vorlen-skinart: could not write the pictures below " << skins << "\n";
        return 1;
    }
    return 0;
}
