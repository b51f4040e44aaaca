#include "browser/FrmGenerator.h"

#include "base/AppFolders.h"
#include "browser/GeneratorSettings.h"
#include "browser/ThumbnailShooter.h"
#include "lang/Language.h"
#include "lang/TranslateForm.h"
#include "options/OptionsModule.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kProgressSteps = 1000;
const QSize kSampleSize(160, 120);

QString Text(const char* key, const char* defaultText)
{
    return LangText(QStringLiteral("frmGenerator/") + QLatin1String(key), QLatin1String(defaultText));
}

template <typename Widget> Widget* Named(Widget* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

}  // namespace

bool LaunchApplication(const QString& path)
{
    const QFileInfo file(path);
    if (file.isFile() && file.isExecutable())
        return QProcess::startDetached(file.absoluteFilePath(), {}, file.absolutePath());
    return QDesktopServices::openUrl(QUrl::fromUserInput(path, QString(), QUrl::AssumeLocalFile));
}

FrmGenerator::FrmGenerator(GeneratorSettings& settings, const OptionsModule& options, ThumbnailShooter& shooter, QWidget* parent)
    : QDialog(parent)
    , m_settings(settings)
    , m_options(options)
    , m_shooter(shooter)
{
    setObjectName(QStringLiteral("frmGenerator"));
    setWindowTitle(QStringLiteral("Thumbnail Generator"));

    m_lblSource = Named(new QLabel(QStringLiteral("Folder:")), "lblSource");
    m_txtSource = Named(new QLineEdit, "txtSource");
    m_cbBrowse = Named(new QPushButton(QStringLiteral("Browse...")), "cbBrowse");
    m_chkSubfolders = Named(new QCheckBox(QStringLiteral("Include Subfolders")), "chkSubfolders");
    m_chkOverwrite = Named(new QCheckBox(QStringLiteral("Overwrite Existing Thumbnails")), "chkOverwrite");
    m_chkShow = Named(new QCheckBox(QStringLiteral("Show Thumbnails")), "chkShow");
    m_chkExecute = Named(new QCheckBox(QStringLiteral("Launch When Done:")), "chkExecute");
    m_txtApp = Named(new QLineEdit, "txtApp");
    m_cbBrowseApp = Named(new QPushButton(QStringLiteral("Browse...")), "cbBrowseApp");
    m_txtWidth = Named(new QLineEdit, "txtWidth");
    m_txtHeight = Named(new QLineEdit, "txtHeight");
    m_txtColor = Named(new QLineEdit, "txtColor");
    m_txtQuality = Named(new QLineEdit, "txtQuality");
    for (QLineEdit* number : {m_txtWidth, m_txtHeight, m_txtQuality}) {
        number->setMaximumWidth(64);
        number->setValidator(new QIntValidator(number == m_txtQuality ? 0 : 1, number == m_txtQuality ? 100 : 4096, number));
    }
    m_txtColor->setMaximumWidth(80);
    m_picSample = Named(new QLabel, "picSample");
    m_picSample->setFixedSize(kSampleSize);
    m_picSample->setAlignment(Qt::AlignCenter);
    m_picSample->setFrameShape(QFrame::StyledPanel);
    m_progress = Named(new QProgressBar, "Progress");
    m_progress->setRange(0, kProgressSteps);
    m_cbGo = Named(new QPushButton(QStringLiteral("Generate")), "cbGo");
    m_cbGo->setDefault(true);
    m_cbCancel = Named(new QPushButton(QStringLiteral("Cancel")), "cbCancel");
    m_cbDone = Named(new QPushButton(QStringLiteral("Done")), "cbDone");
    m_cbHelp = Named(new QPushButton(QStringLiteral("Help")), "cbHelp");

    auto* sourceRow = new QHBoxLayout;
    sourceRow->addWidget(m_txtSource, 1);
    sourceRow->addWidget(m_cbBrowse);
    auto* appRow = new QHBoxLayout;
    appRow->addWidget(m_chkExecute);
    appRow->addWidget(m_txtApp, 1);
    appRow->addWidget(m_cbBrowseApp);
    auto* shot = new QGridLayout;
    shot->addWidget(Named(new QLabel(QStringLiteral("Width:")), "lblWidth"), 0, 0);
    shot->addWidget(m_txtWidth, 0, 1);
    shot->addWidget(Named(new QLabel(QStringLiteral("Height:")), "lblHeight"), 1, 0);
    shot->addWidget(m_txtHeight, 1, 1);
    shot->addWidget(Named(new QLabel(QStringLiteral("Background Color:")), "lblColor"), 2, 0);
    shot->addWidget(m_txtColor, 2, 1);
    shot->addWidget(Named(new QLabel(QStringLiteral("JPEG Quality:")), "lblQuality"), 3, 0);
    shot->addWidget(m_txtQuality, 3, 1);
    auto* checks = new QVBoxLayout;
    checks->addWidget(m_chkSubfolders);
    checks->addWidget(m_chkOverwrite);
    checks->addWidget(m_chkShow);
    checks->addStretch(1);
    auto* middle = new QHBoxLayout;
    middle->addLayout(checks, 1);
    middle->addLayout(shot);
    middle->addSpacing(12);
    middle->addWidget(m_picSample, 0, Qt::AlignTop);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_cbHelp);
    buttons->addStretch(1);
    buttons->addWidget(m_cbGo);
    buttons->addWidget(m_cbCancel);
    buttons->addWidget(m_cbDone);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_lblSource);
    layout->addLayout(sourceRow);
    layout->addLayout(middle);
    layout->addLayout(appRow);
    layout->addWidget(m_progress);
    layout->addLayout(buttons);
    setMinimumWidth(560);

    chooseFolder = [this](const QString& title, const QString& start) {
        return QFileDialog::getExistingDirectory(this, title, start, QFileDialog::ShowDirsOnly);
    };
    chooseFile = [this](const QString& title, const QString& start) {
        return QFileDialog::getOpenFileName(this, title, start, QStringLiteral("Any File (*)"));
    };
    showMessage = [this](const QString& text) { QMessageBox::information(this, windowTitle(), text); };
    launch = [](const QString& application) { LaunchApplication(application); };
    openHelp = [](const QString& topic) {
        QDesktopServices::openUrl(QUrl::fromLocalFile(Folders().help + topic + QStringLiteral(".htm")));
    };

    // Load: the stored settings.
    m_txtSource->setText(m_settings.source);
    m_chkSubfolders->setChecked(m_settings.recursive);
    m_chkOverwrite->setChecked(m_settings.overwrite);
    m_chkShow->setChecked(m_settings.show);
    m_chkExecute->setChecked(m_settings.execute);
    m_txtApp->setText(m_settings.app);
    m_txtWidth->setText(QString::number(m_settings.width));
    m_txtHeight->setText(QString::number(m_settings.height));
    m_txtColor->setText(m_settings.backColor);
    m_txtQuality->setText(QString::number(m_settings.quality));

    // A changed width, height or colour applies to the next shot at once; the quality when its
    // box is left.
    connect(m_txtWidth, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (const int value = text.toInt(); value > 0)
            m_settings.width = int16_t(value);
    });
    connect(m_txtHeight, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (const int value = text.toInt(); value > 0)
            m_settings.height = int16_t(value);
    });
    connect(m_txtColor, &QLineEdit::textChanged, this, [this](const QString& text) {
        QString colour = text;
        colour.remove(QLatin1Char('#'));
        if (colour != text)
            m_txtColor->setText(colour);
        m_settings.backColor = colour;
    });
    connect(m_txtQuality, &QLineEdit::editingFinished, this,
        [this] { m_settings.quality = uint8_t(std::clamp(m_txtQuality->text().toInt(), 0, 100)); });
    connect(m_cbBrowse, &QPushButton::clicked, this, [this] {
        const QString chosen = chooseFolder(
            Text("strBrowse", "Select a folder, which contains movies you wish generate thumbnails for:"), m_txtSource->text());
        if (!chosen.isEmpty())
            m_txtSource->setText(chosen);
    });
    connect(m_cbBrowseApp, &QPushButton::clicked, this, [this] {
        const QString chosen = chooseFile(Text("strApp", "Select a file to Launch..."), m_txtApp->text());
        if (!chosen.isEmpty())
            m_txtApp->setText(chosen);
    });
    connect(m_cbGo, &QPushButton::clicked, this, &FrmGenerator::Go);
    connect(m_cbCancel, &QPushButton::clicked, this, &FrmGenerator::Cancel);
    connect(m_cbDone, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cbHelp, &QPushButton::clicked, this, [this] { openHelp(QStringLiteral("generator")); });

    m_shooter.SetPreview([this](const QImage& shot) { Preview(shot); });
    m_progress->hide();
    CancelBut(false);
    TranslateForm(this);
}

FrmGenerator::~FrmGenerator()
{
    if (m_generator)
        m_generator->Cancel();
    m_shooter.SetPreview(nullptr);
    StoreFields();
}

void FrmGenerator::StoreFields()
{
    m_settings.source = m_txtSource->text();
    m_settings.recursive = m_chkSubfolders->isChecked();
    m_settings.overwrite = m_chkOverwrite->isChecked();
    m_settings.show = m_chkShow->isChecked();
    m_settings.execute = m_chkExecute->isChecked();
    m_settings.app = m_txtApp->text();
    m_settings.quality = uint8_t(std::clamp(m_txtQuality->text().toInt(), 0, 100));
}

QString FrmGenerator::StatusText() const
{
    return m_lblSource->text();
}

void FrmGenerator::CancelBut(bool running)
{
    m_cbCancel->setVisible(running);
    m_cbCancel->setEnabled(running);
    m_cbDone->setVisible(!running);
}

void FrmGenerator::Preview(const QImage& shot)
{
    m_picSample->setPixmap(
        QPixmap::fromImage(shot.scaled(kSampleSize - QSize(4, 4), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

void FrmGenerator::Go()
{
    if (m_running)
        return;
    StoreFields();
    const QString designCaption = m_lblSource->text();
    // Every control waits while the run lasts; only Cancel answers.
    const QList<QWidget*> controls{m_txtSource, m_cbBrowse, m_chkSubfolders, m_chkOverwrite, m_chkShow, m_chkExecute, m_txtApp,
        m_cbBrowseApp, m_txtWidth, m_txtHeight, m_txtColor, m_txtQuality, m_cbGo, m_cbDone, m_cbHelp};
    for (QWidget* control : controls)
        control->setEnabled(false);
    m_progress->setValue(0);
    m_progress->show();
    m_running = true;
    CancelBut(true);

    GeneratorJob job;
    job.source = m_settings.source;
    job.recursive = m_settings.recursive;
    job.overwrite = m_settings.overwrite;
    job.quality = m_settings.quality;
    job.show = m_settings.show;
    job.genericProjectors = m_options.genericProjectors;
    ThumbnailGenerator generator(job, m_shooter);
    m_generator = &generator;
    GeneratorWatch watch;
    watch.status = [this](const QString& text) { m_lblSource->setText(text); };
    watch.file = [this](int, int, const QString& file) { m_progress->setFormat(QFileInfo(file).fileName()); };
    watch.progress = [this](double fraction) { m_progress->setValue(int(fraction * kProgressSteps)); };
    watch.pump = [] { QCoreApplication::processEvents(); };
    m_result = generator.Run(watch);
    m_generator = nullptr;

    for (QWidget* control : controls)
        control->setEnabled(true);
    m_progress->hide();
    m_lblSource->setText(designCaption);
    if (m_settings.execute && !m_settings.app.isEmpty())
        launch(m_settings.app);
    m_lastMessage = GeneratorSummaryText(m_result, m_settings.execute, m_settings.app);
    if (!m_silent)
        showMessage(m_lastMessage);
    m_running = false;
    CancelBut(false);
}

void FrmGenerator::Cancel()
{
    m_cbCancel->setEnabled(false);
    if (m_generator)
        m_generator->Cancel();
}

void FrmGenerator::Generate()
{
    m_silent = true;
    show();
    Go();
    accept();
}

void FrmGenerator::reject()
{
    if (!m_running)
        QDialog::reject();
}

void FrmGenerator::closeEvent(QCloseEvent* event)
{
    // While the run lasts, only Cancel stops it.
    if (m_running) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}
