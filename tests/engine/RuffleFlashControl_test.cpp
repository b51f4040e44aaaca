#include "EngineTestSupport.h"
#include "TestMovies.h"

#include "common/TestSupport.h"

#include <QElapsedTimer>
#include <QSignalSpy>

namespace {

const QList<QColor> kColours = {QColor(255, 0, 0), QColor(0, 160, 0), QColor(0, 0, 255), QColor(255, 255, 0), QColor(255, 0, 255)};

}  // namespace

TEST(RuffleFlashControl, GotoFrameShowsThatFramesColour)
{
    RuffleFlashControl& control = SharedControl();
    const QString path = WriteMovie(QStringLiteral("colours8.swf"), BuildColourMovie(kColours));
    QElapsedTimer timer;
    timer.start();
    control.LoadMovie(0, path);
    ASSERT_TRUE(control.WaitForMovie(20000)) << control.LastError().toStdString();
    qInfo("loaded in %lld ms", timer.elapsed());
    for (int frame : {2, 0, 4, 1}) {
        control.GotoFrame(frame);
        const QImage image = control.GrabFrame();
        image.save(MovieFolder() + QStringLiteral("grab%1.png").arg(frame));
        EXPECT_TRUE(Near(CentreColour(image), kColours[frame])) << "frame " << frame << " shows " << CentreColour(image).name().toStdString();
        EXPECT_EQ(control.CurrentFrame(), frame);
    }
    qInfo("%s", qPrintable(MovieFolder()));
}
