#include "EngineTestSupport.h"

#include "common/TestSupport.h"

#include "base/AppFolders.h"

#include <QApplication>
#include <QFile>
#include <QWidget>

#include <memory>

namespace {

std::unique_ptr<RuffleFlashControl> g_control;

}  // namespace

// The engine must be set up before the application object and torn down before it.
int main(int argc, char* argv[])
{
    RuffleFlashControl::PrepareEngine();
    QApplication application(argc, argv);
    ComputeApplicationFolders(AppTreeDir());
    ::testing::InitGoogleTest(&argc, argv);
    const int status = RUN_ALL_TESTS();
    g_control.reset();
    return status;
}

RuffleFlashControl& SharedControl()
{
    std::unique_ptr<RuffleFlashControl>& control = g_control;
    if (!control) {
        control = std::make_unique<RuffleFlashControl>();
        QWidget* view = control->widget();
        view->setAttribute(Qt::WA_DontShowOnScreen);
        view->resize(200, 150);
        view->show();
        control->WaitForPage(20000);
    }
    return *control;
}

RuffleFlashControl& LoadFresh(const QString& path, bool waitForHost)
{
    RuffleFlashControl& control = SharedControl();
    control.LoadMovie(0, path);
    EXPECT_TRUE(control.WaitForMovie(20000)) << control.LastError().toStdString();
    if (waitForHost && control.HostInserted()) {
        EXPECT_TRUE(control.WaitForHost(10000));
    }
    return control;
}

const QList<QColor>& TestColours()
{
    static const QList<QColor> colours
        = {QColor(255, 0, 0), QColor(0, 160, 0), QColor(0, 0, 255), QColor(255, 255, 0), QColor(255, 0, 255)};
    return colours;
}

QString MovieFolder()
{
    static QTemporaryDir folder;
    return folder.path() + QLatin1Char('/');
}

QString WriteMovie(const QString& name, const QByteArray& bytes)
{
    const QString path = MovieFolder() + name;
    WriteAll(path, bytes);
    return path;
}

QColor CentreColour(const QImage& image)
{
    if (image.isNull())
        return QColor();
    return image.pixelColor(image.width() / 2, image.height() / 2);
}

bool Near(const QColor& a, const QColor& b, int tolerance)
{
    return a.isValid() && b.isValid() && std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance
        && std::abs(a.blue() - b.blue()) <= tolerance;
}
