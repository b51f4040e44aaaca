#include "update/FrmUpdate.h"

#include "base/AppFolders.h"
#include "base/WindowLook.h"
#include "base/WindowShell.h"
#include "image/ui/PngPainter.h"
#include "lang/Language.h"
#include "lang/TranslateForm.h"
#include "options/LoadSaveOptions.h"
#include "options/OptionHolders.h"
#include "options/RegistryStore.h"
#include "player/HelpPages.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString Text(const char* key, const char* fallback)
{
    return LangText(QStringLiteral("frmUpdate/") + QLatin1String(key), QString::fromUtf8(fallback));
}

template <typename Widget> Widget* Named(Widget* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

}  // namespace

FrmUpdate::FrmUpdate(bool automatic, UpdateSettings& settings, OptionsModule& options, QWidget* parent)
    : QDialog(parent)
    , m_automatic(automatic)
    , m_settings(settings)
    , m_options(options)
{
    setObjectName(QStringLiteral("frmUpdate"));
    setWindowTitle(QStringLiteral("Check for Updates"));
    setModal(true);

    m_picture = Named(new QLabel, "picUpdate");
    m_lblStatus = Named(new QLabel, "lblStatus");
    m_lblNotice = Named(new QLabel, "lblNotice");
    m_lblNotice->setWordWrap(true);
    m_txtDetails = Named(new QPlainTextEdit, "txtDetails");
    m_txtDetails->setReadOnly(true);
    m_txtDetails->hide();
    m_cbDetails = Named(new QPushButton(QStringLiteral("Details")), "cbDetails");
    m_cbDetails->setEnabled(false);
    m_cbUpdate = Named(new QPushButton(QStringLiteral("Download")), "cbUpdate");
    m_cbUpdate->hide();
    m_cbCancel = Named(new QPushButton(QStringLiteral("Close")), "cbCancel");
    m_cbHelp = Named(new QPushButton(QStringLiteral("Help")), "cbHelp");
    m_chkAuto = Named(new QCheckBox(QStringLiteral("Check for Updates Automatically")), "chkAuto");
    for (QPushButton* button : {m_cbDetails, m_cbUpdate, m_cbHelp})
        button->setAutoDefault(false);
    m_cbCancel->setDefault(true);

    auto* texts = new QVBoxLayout;
    texts->addWidget(m_lblStatus);
    texts->addWidget(m_lblNotice);
    texts->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addWidget(m_picture, 0, Qt::AlignTop);
    top->addLayout(texts, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_cbHelp);
    buttons->addWidget(m_cbDetails);
    buttons->addStretch(1);
    buttons->addWidget(m_cbUpdate);
    buttons->addWidget(m_cbCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_chkAuto);
    layout->addWidget(m_txtDetails, 1);
    layout->addLayout(buttons);

    askRemind = [this](const QString& question) {
        return QMessageBox::question(this, windowTitle(), question, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
            == QMessageBox::Yes;
    };
    openUrl = [](const QString& url) { ShellOpen(url); };
    openHelp = [](const QString& topic) { ShellOpen(HelpPagePath(Folders().help, topic)); };

    connect(m_cbDetails, &QPushButton::clicked, this, &FrmUpdate::ToggleDetails);
    connect(m_cbUpdate, &QPushButton::clicked, this, [this] { openUrl(m_report.downloadUrl); });
    connect(m_cbCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_cbHelp, &QPushButton::clicked, this, [this] { openHelp(QStringLiteral("updates")); });
    connect(&m_loader, &UpdateDocumentLoader::ReadyStateChange, this, &FrmUpdate::UpdateXML_onreadystatechange);

    // Load.
    TranslateForm(this);
    ApplyWindowLook(this, m_options.winSFX);
    const QImage picture = LoadPngImage(Folders().images + QStringLiteral("update"));
    if (!picture.isNull())
        m_picture->setPixmap(QPixmap::fromImage(picture));
    m_chkAuto->setChecked(m_options.updateAuto);
    QFont bold = m_lblStatus->font();
    bold.setBold(true);
    m_lblStatus->setFont(bold);
    m_report.highestBuild = m_settings.knownBuild;
    setMinimumWidth(fontMetrics().averageCharWidth() * 60);
}

void FrmUpdate::StartCheck(const QUrl& url, int timeoutMs)
{
    m_complete = false;
    m_loader.SetTimeout(timeoutMs);
    m_loader.Load(url);
}

void FrmUpdate::AddInfo(const QString& line)
{
    m_txtDetails->appendPlainText(line);
}

void FrmUpdate::DetailsAvailable()
{
    m_cbDetails->setEnabled(true);
}

void FrmUpdate::ToggleDetails()
{
    m_txtDetails->setVisible(!m_txtDetails->isVisible());
    adjustSize();
}

void FrmUpdate::UpdateXML_onreadystatechange()
{
    if (m_loader.ReadyState() == 1) {
        m_lblStatus->setText(Text("STRDOWNLOADING", "Downloading Info"));
        return;
    }
    if (m_loader.ReadyState() != 4)
        return;
    QString failure = m_loader.ParseError().reason;
    if (m_loader.ParseError().errorCode == 0 && ReadUpdateInfo(m_loader.Document(), m_settings.knownBuild, m_report, failure)) {
        // The date of the last check is the date of the last document received.
        m_settings.lastCheckDate = QDate::currentDate().toString(QLatin1String(kUpdateDateFormat));
        WriteRegistryString(QStringLiteral("Update"), QStringLiteral("Date"), m_settings.lastCheckDate);
        ShowReport();
    } else {
        ShowFailure(failure);
    }
    m_complete = true;
    Q_EMIT CheckComplete();
}

void FrmUpdate::ShowReport()
{
    if (m_report.updateAvailable) {
        for (const QString& line : m_report.details)
            AddInfo(line);
        m_lblStatus->setText(Text("STRUPDATE", "Update is Available"));
        m_lblNotice->setText(Text("STRUPDATENOTE",
            "There is a newer version available. Click \"Details\"  to check out how it differs from this version"));
        m_cbUpdate->show();
        DetailsAvailable();
    } else if (!m_automatic) {
        m_lblStatus->setText(Text("STRNOUPDATE", "No Update Needed"));
        m_lblNotice->setText(Text("STRNOUPDATENOTE", "You have the latest version installed"));
    }
}

void FrmUpdate::ShowFailure(const QString& reason)
{
    if (m_automatic)
        return;
    m_lblStatus->setText(Text("STRFAILED", "Check Failed"));
    m_lblNotice->setText(Text(
        "STRFAILEDNOTE", "There was an error while trying to download required info. Please verify your Internet Connection."));
    m_txtDetails->setPlainText(Text("STRREASON", "Failure Reason") + QStringLiteral(":\n") + reason);
    DetailsAvailable();
}

void FrmUpdate::done(int result)
{
    if (!m_closing) {
        m_closing = true;
        // Not to be reminded: this build becomes the baseline, only a higher one is news.
        if (m_report.updateAvailable && !askRemind(Text("STRREMIND", "Remind you about this update next time?")))
            m_settings.knownBuild = m_report.highestBuild;
        m_options.updateAuto = m_chkAuto->isChecked();
    }
    QDialog::done(result);
}
