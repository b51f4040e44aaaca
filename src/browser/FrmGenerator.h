#pragma once

#include "browser/ThumbnailGenerator.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class ThumbnailShooter;
struct GeneratorSettings;
struct OptionsModule;

// The thumbnail generator dialog: the folder to walk (with its sub-folders), whether existing
// thumbnails are replaced and shots shown, an application to launch afterwards, and the shot's
// width, height, background colour and JPEG quality. Go walks the folder and writes a
// thumbnail beside every movie and projector; Cancel stops after the shot in progress; the
// closing message counts what was made.
class FrmGenerator : public QDialog {
    Q_OBJECT

public:
    FrmGenerator(GeneratorSettings& settings, const OptionsModule& options, ThumbnailShooter& shooter, QWidget* parent = nullptr);
    ~FrmGenerator() override;

    // What the dialog asks of the desktop; the defaults use Qt's dialogs and the shell.
    std::function<QString(const QString& title, const QString& start)> chooseFolder;
    std::function<QString(const QString& title, const QString& start)> chooseFile;
    std::function<void(const QString& text)> showMessage;
    std::function<void(const QString& application)> launch;
    std::function<void(const QString& topic)> openHelp;

    // Go: the run, with the controls locked while it lasts.
    void Go();
    // Cancel: the run ends after the shot in progress.
    void Cancel();
    // The run without questions (the Player's Generate): shown, run, closed, no message.
    void Generate();

    bool IsRunning() const { return m_running; }
    bool IsSilent() const { return m_silent; }
    const GeneratorResult& LastResult() const { return m_result; }
    QString LastMessage() const { return m_lastMessage; }
    QString StatusText() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void CancelBut(bool running);
    void StoreFields();
    void Preview(const QImage& shot);

    GeneratorSettings& m_settings;
    const OptionsModule& m_options;
    ThumbnailShooter& m_shooter;
    ThumbnailGenerator* m_generator = nullptr;
    GeneratorResult m_result;
    QString m_lastMessage;
    bool m_running = false;
    bool m_silent = false;

    QLabel* m_lblSource = nullptr;
    QLineEdit* m_txtSource = nullptr;
    QPushButton* m_cbBrowse = nullptr;
    QCheckBox* m_chkSubfolders = nullptr;
    QCheckBox* m_chkOverwrite = nullptr;
    QCheckBox* m_chkShow = nullptr;
    QCheckBox* m_chkExecute = nullptr;
    QLineEdit* m_txtApp = nullptr;
    QPushButton* m_cbBrowseApp = nullptr;
    QLineEdit* m_txtWidth = nullptr;
    QLineEdit* m_txtHeight = nullptr;
    QLineEdit* m_txtColor = nullptr;
    QLineEdit* m_txtQuality = nullptr;
    QLabel* m_picSample = nullptr;
    QProgressBar* m_progress = nullptr;
    QPushButton* m_cbGo = nullptr;
    QPushButton* m_cbCancel = nullptr;
    QPushButton* m_cbDone = nullptr;
    QPushButton* m_cbHelp = nullptr;
};

// Launches a file as the shell does: a program is started, anything else opened with the
// desktop's handler. False when nothing could be started.
bool LaunchApplication(const QString& path);
