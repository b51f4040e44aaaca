#include "browser/FrmDecompiler.h"

#include "base/AppFolders.h"
#include "base/FileNames.h"
#include "browser/ExtractSummary.h"
#include "image/ui/PngPainter.h"
#include "lang/LangText.h"
#include "lang/TranslateForm.h"
#include "media/IdentifyMedia.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kProgressSteps = 1000;

QString Text(const char* control, const char* designText)
{
    return LangText(QStringLiteral("frmDecompiler/") + QLatin1String(control), QLatin1String(designText));
}

template <typename Widget> Widget* Named(Widget* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

}  // namespace

FrmDecompiler::FrmDecompiler(const MediaFileInfo& movie, DecompilerOptions& options, QAction* extractionEntry, QWidget* parent)
    : QDialog(parent)
    , m_movie(movie)
    , m_options(options)
    , m_extractionEntry(extractionEntry)
{
    setObjectName(QStringLiteral("frmDecompiler"));
    setWindowTitle(QStringLiteral("Resource Extractor"));
    setModal(true);

    m_lblDest = Named(new QLabel(QStringLiteral("Destination Folder:")), "lblDest");
    m_txtDest = Named(new QLineEdit, "txtDest");
    m_cbBrowse = Named(new QPushButton(QStringLiteral("Browse...")), "cbBrowse");
    m_chkJPEG = Named(new QCheckBox(QStringLiteral("JPEG Images")), "chkJPEG");
    m_chkPNG = Named(new QCheckBox(QStringLiteral("PNG Images")), "chkPNG");
    m_chkEvent = Named(new QCheckBox(QStringLiteral("Event Sounds (MP3)")), "chkEvent");
    m_chkStream = Named(new QCheckBox(QStringLiteral("Sound Streams (MP3)")), "chkStream");
    m_chkVideo = Named(new QCheckBox(QStringLiteral("Video Streams")), "chkVideo");
    m_cbGo = Named(new QPushButton(QStringLiteral("Extract")), "cbGo");
    m_cbCancel = Named(new QPushButton(QStringLiteral("Cancel")), "cbCancel");
    m_cbDone = Named(new QPushButton(QStringLiteral("Done")), "cbDone");
    m_cbHelp = Named(new QPushButton(QStringLiteral("Help")), "cbHelp");
    m_progress = Named(new QProgressBar, "Progress");
    m_progress->setRange(0, kProgressSteps);
    m_cubes = Named(new QLabel, "picCubes");

    auto* destRow = new QHBoxLayout;
    destRow->addWidget(m_txtDest, 1);
    destRow->addWidget(m_cbBrowse);
    auto* kinds = new QGridLayout;
    kinds->addWidget(m_chkJPEG, 0, 0);
    kinds->addWidget(m_chkPNG, 0, 1);
    kinds->addWidget(m_chkEvent, 1, 0);
    kinds->addWidget(m_chkStream, 1, 1);
    kinds->addWidget(m_chkVideo, 2, 0);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_cbHelp);
    buttons->addStretch(1);
    buttons->addWidget(m_cubes);
    buttons->addWidget(m_cbGo);
    buttons->addWidget(m_cbCancel);
    buttons->addWidget(m_cbDone);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(kinds);
    layout->addWidget(m_lblDest);
    layout->addLayout(destRow);
    layout->addWidget(m_progress);
    layout->addLayout(buttons);

    showMessage = [this](QMessageBox::Icon icon, const QString& text) {
        QMessageBox box(icon, windowTitle(), text, QMessageBox::Ok, this);
        box.exec();
    };
    chooseFolder = [this](const QString& title, const QString& start) {
        return QFileDialog::getExistingDirectory(this, title, start, QFileDialog::ShowDirsOnly);
    };
    pumpMessages = [] { QCoreApplication::processEvents(); };
    openHelp = [](const QString& topic) {
        QDesktopServices::openUrl(QUrl::fromLocalFile(Folders().help + topic + QStringLiteral(".htm")));
    };

    connect(m_txtDest, &QLineEdit::textChanged, this, &FrmDecompiler::DestinationChanged);
    connect(m_cbBrowse, &QPushButton::clicked, this, &FrmDecompiler::Browse);
    connect(m_cbGo, &QPushButton::clicked, this, &FrmDecompiler::Go);
    connect(m_cbCancel, &QPushButton::clicked, this, &FrmDecompiler::CancelWalk);
    connect(m_cbDone, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cbHelp, &QPushButton::clicked, this, [this] { openHelp(QStringLiteral("decompiler")); });

    // Load.
    if (m_extractionEntry)
        m_extractionEntry->setEnabled(false);
    const QImage cubes = LoadPngImage(Folders().images + QStringLiteral("cubes"));
    if (!cubes.isNull())
        m_cubes->setPixmap(QPixmap::fromImage(cubes));
    m_txtDest->setText(m_options.destination);
    DestinationChanged(m_txtDest->text());
    m_chkJPEG->setChecked(m_options.jpeg);
    m_chkPNG->setChecked(m_options.png);
    m_chkEvent->setChecked(m_options.event);
    m_chkStream->setChecked(m_options.stream);
    m_chkVideo->setChecked(m_options.video);
    m_progress->hide();
    m_cbCancel->hide();
    // Title, captions and font follow the language like every other window (the texts above
    // are the design texts, kept when the language has none).
    TranslateForm(this);
}

QString FrmDecompiler::Open(const QString& path, DecompilerOptions& options, QAction* extractionEntry, QWidget* parent)
{
    MediaFileInfo movie;
    const QString error = IdentifyMedia(NormalizePath(path), movie, true);
    if (!error.isEmpty())
        return error;
    FrmDecompiler dialog(movie, options, extractionEntry, parent);
    dialog.exec();
    return QString();
}

FrmDecompiler::~FrmDecompiler()
{
    Unload();
}

void FrmDecompiler::DestinationChanged(const QString& text)
{
    m_options.destination = text;
    m_cbGo->setEnabled(!m_running && !text.isEmpty() && QFileInfo(text).isDir());
}

void FrmDecompiler::Browse()
{
    const QString chosen = chooseFolder(Text("strBrowse", "Select a folder to save extracted resources to:"), m_txtDest->text());
    if (chosen.isEmpty())
        return;
    QString path = chosen + QLatin1Char('/');
    while (path.contains(QStringLiteral("//")))
        path.replace(QStringLiteral("//"), QStringLiteral("/"));
    m_txtDest->setText(path);
}

void FrmDecompiler::SetRunning(bool running)
{
    m_running = running;
    m_progress->setVisible(running);
    m_progress->setValue(0);
    m_progress->setFormat(QString());
    for (QWidget* widget : std::initializer_list<QWidget*>{m_lblDest, m_txtDest, m_cbBrowse, m_cbDone})
        widget->setVisible(!running);
    for (QWidget* widget : std::initializer_list<QWidget*>{m_chkJPEG, m_chkEvent, m_chkStream, m_cbGo})
        widget->setEnabled(!running);
    m_cbCancel->setVisible(running);
    m_cbCancel->setEnabled(running);
    if (!running)
        DestinationChanged(m_txtDest->text());
}

void FrmDecompiler::Go()
{
    if (m_running)
        return;
    SetRunning(true);
    QCoreApplication::processEvents();
    m_cancel = false;
    m_counters = ExtractCounters::Chosen(m_chkJPEG->isChecked(), m_chkPNG->isChecked(), m_chkEvent->isChecked(),
        m_chkStream->isChecked(), m_chkVideo->isChecked());

    ExtractProgress progress;
    progress.report = [this](double fraction, const QString& caption) {
        m_progress->setValue(static_cast<int>(std::clamp(fraction, 0.0, 1.0) * kProgressSteps));
        m_progress->setFormat(caption);
    };
    progress.pump = [this] { pumpMessages(); };
    ExtractResources(m_movie, NormalizePath(m_txtDest->text()), progress, m_counters, m_cancel);

    SetRunning(false);
    showMessage(m_cancel ? QMessageBox::Warning : QMessageBox::Information, ExtractSummaryMessage(m_counters, m_cancel));
}

void FrmDecompiler::CancelWalk()
{
    m_cbCancel->setEnabled(false);
    m_cancel = true;
}

void FrmDecompiler::reject()
{
    if (!m_running)
        QDialog::reject();
}

void FrmDecompiler::closeEvent(QCloseEvent* event)
{
    // While the walk runs, only Cancel stops it.
    if (m_running) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void FrmDecompiler::done(int result)
{
    Unload();
    QDialog::done(result);
}

void FrmDecompiler::Unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    m_options.destination = m_txtDest->text();
    m_options.jpeg = m_chkJPEG->isChecked();
    m_options.png = m_chkPNG->isChecked();
    m_options.event = m_chkEvent->isChecked();
    m_options.stream = m_chkStream->isChecked();
    m_options.video = m_chkVideo->isChecked();
    if (restoreExtractionEntry)
        restoreExtractionEntry();
    else if (m_extractionEntry)
        m_extractionEntry->setEnabled(true);
}
