// browser_window_shots OUTDIR: for looking at the browser's windows. Saves pictures of the
// information box for a movie, a video and a projector of the corpus, of the thumbnail
// generator during a run over the corpus movies and of its closing message.
#include "base/AppFolders.h"
#include "browser/FlashShot.h"
#include "browser/FrmGenerator.h"
#include "browser/FrmInfo.h"
#include "browser/GeneratorSettings.h"
#include "common/TestSupport.h"
#include "engine/RuffleFlashControl.h"
#include "lang/Language.h"
#include "lang/TranslateForm.h"
#include "media/IdentifyMedia.h"
#include "media/TestExecutable.h"
#include "options/OptionsModule.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

void Save(QWidget& window, const QString& path)
{
    window.show();
    QApplication::processEvents();
    window.grab().save(path);
    std::printf("%s\n", qPrintable(path));
}

void InfoBox(const QString& file, FlashShot& shooter, const QString& out)
{
    MediaFileInfo info;
    const QString error = IdentifyMedia(file, info, false);
    if (!error.isEmpty()) {
        std::printf("%s: %s\n", qPrintable(file), qPrintable(error));
        return;
    }
    FrmInfo box(info, &shooter);
    box.show();
    box.LoadThumbnail(false);
    Save(box, out);
}

}  // namespace

int main(int argc, char* argv[])
{
    RuffleFlashControl::PrepareEngine();
    QApplication application(argc, argv);
    if (argc != 2 || CorpusDir().isEmpty()) {
        std::fprintf(stderr, "usage: browser_window_shots OUTDIR (with the corpus at ../shared/corpus)\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(out.path());
    QTemporaryDir work;
    ComputeApplicationFolders(AppTreeDir());
    InitUIFont(QStringLiteral("Century Gothic"), 8.0);  // the option defaults
    OptionsModule options;
    options.hqShots = true;
    options.sampleFrom = 30;
    options.sampleTo = 50;
    options.shotJpeg = 90;
    options.genericProjectors = true;
    GeneratorSettings generator;
    generator.width = 120;
    generator.height = 90;
    generator.backColor = QStringLiteral("FFFFFF");
    generator.quality = 90;
    generator.show = true;
    generator.overwrite = true;
    generator.recursive = false;
    FlashShot shooter(options, generator);

    const QString corpus = CorpusDir();
    InfoBox(corpus + QStringLiteral("/swf/as2.swf"), shooter, out.filePath(QStringLiteral("info_movie.png")));
    InfoBox(corpus + QStringLiteral("/flv/Cute Cat - 3092.flv"), shooter, out.filePath(QStringLiteral("info_video.png")));
    const QString projector = work.filePath(QStringLiteral("Tic Tac.exe"));
    WriteAll(projector, MakeProjector(MakePlayerExecutable(), ReadAll(corpus + QStringLiteral("/swf/tic_tac2.swf"))));
    InfoBox(projector, shooter, out.filePath(QStringLiteral("info_projector.png")));

    // The generator over a copy of some corpus movies.
    const QString source = work.filePath(QStringLiteral("movies"));
    QDir().mkpath(source);
    for (const char* name : {"as2.swf", "acid-bitmap-fill.swf", "photo.swf", "Bitmaps.swf", "gravity.swf", "tic_tac2.swf",
             "logo-anim.swf", "car_smash.swf"})
        QFile::copy(corpus + QStringLiteral("/swf/") + QLatin1String(name), source + QLatin1Char('/') + QLatin1String(name));
    generator.source = source;
    FrmGenerator dialog(generator, options, shooter);
    int shots = 0;
    dialog.show();
    shooter.SetPreview([&](const QImage& shot) {
        dialog.findChild<QLabel*>(QStringLiteral("picSample"))
            ->setPixmap(QPixmap::fromImage(shot.scaled(156, 116, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
        if (++shots == 5)
            Save(dialog, out.filePath(QStringLiteral("generator_running.png")));
    });
    dialog.showMessage = [&](const QString& text) {
        QMessageBox box(QMessageBox::Information, dialog.windowTitle(), text, QMessageBox::Ok, &dialog);
        Save(box, out.filePath(QStringLiteral("generator_summary.png")));
    };
    dialog.Go();
    Save(dialog, out.filePath(QStringLiteral("generator_done.png")));
    return 0;
}
