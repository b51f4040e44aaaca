#pragma once

#include "update/UpdateDocumentLoader.h"
#include "update/UpdateInfo.h"

#include <QDialog>
#include <QUrl>

#include <functional>

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
struct OptionsModule;
struct UpdateSettings;

// The update dialog: it loads the update information document, says whether a newer version
// exists, lists what changed (Details) and opens the download page (Update). An automatic check
// loads it hidden; it shows itself only for an update. The check box is "Update"/"Auto".
class FrmUpdate : public QDialog {
    Q_OBJECT

public:
    // settings: the baseline build ("Build") and the date of the last check ("Date"); options:
    // "Update"/"Auto" and the window look. Both stay the caller's.
    FrmUpdate(bool automatic, UpdateSettings& settings, OptionsModule& options, QWidget* parent = nullptr);

    // The end of the dialog's load: the document is requested from url (asynchronously).
    void StartCheck(const QUrl& url, int timeoutMs = UpdateDocumentLoader::kDefaultTimeoutMs);

    // Appends a line to the details.
    void AddInfo(const QString& line);
    // The details can be shown (the Details button works).
    void DetailsAvailable();

    bool IsAutomatic() const { return m_automatic; }
    // A request for the check that runs hidden: the dialog reports like a requested one.
    void MakeManual() { m_automatic = false; }
    // The document was received and read, or the check failed.
    bool IsComplete() const { return m_complete; }
    bool UpdateAvailable() const { return m_report.updateAvailable; }
    int32_t HighestBuild() const { return m_report.highestBuild; }
    QString DownloadUrl() const { return m_report.downloadUrl; }

    // The question asked on closing when an update was found (true: remind me next time), the
    // opener of the download page, the help topic opener; tests answer them.
    std::function<bool(const QString& question)> askRemind;
    std::function<void(const QString& url)> openUrl;
    std::function<void(const QString& topic)> openHelp;

Q_SIGNALS:
    // The check ended: shown, hidden or failed.
    void CheckComplete();

protected:
    // Closing: the reminder question when an update was found, and the check box kept.
    void done(int result) override;

private:
    void UpdateXML_onreadystatechange();
    void ShowReport();
    void ShowFailure(const QString& reason);
    void ToggleDetails();

    bool m_automatic;
    UpdateSettings& m_settings;
    OptionsModule& m_options;
    UpdateDocumentLoader m_loader;
    UpdateReport m_report;
    bool m_complete = false;
    bool m_closing = false;

    QLabel* m_picture = nullptr;
    QLabel* m_lblStatus = nullptr;
    QLabel* m_lblNotice = nullptr;
    QPlainTextEdit* m_txtDetails = nullptr;
    QPushButton* m_cbDetails = nullptr;
    QPushButton* m_cbUpdate = nullptr;
    QPushButton* m_cbCancel = nullptr;
    QPushButton* m_cbHelp = nullptr;
    QCheckBox* m_chkAuto = nullptr;
};
