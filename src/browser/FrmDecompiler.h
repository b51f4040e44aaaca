#pragma once

#include "browser/DecompilerOptions.h"
#include "media/MediaFileInfo.h"
#include "media/ResourceExtractor.h"

#include <QDialog>
#include <QMessageBox>
#include <QPointer>

#include <functional>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

// The Resource Extractor dialog: the kinds to extract and the destination folder, a
// progress bar while the walk runs, Cancel, and the closing summary. Shown modally for a
// movie that identification accepted.
class FrmDecompiler : public QDialog {
    Q_OBJECT

public:
    // options are shown when the dialog loads and the five kinds are written back when it
    // unloads. extractionEntry (may be null) is the Player's menu entry, disabled meanwhile.
    FrmDecompiler(
        const MediaFileInfo& movie, DecompilerOptions& options, QAction* extractionEntry = nullptr, QWidget* parent = nullptr);
    ~FrmDecompiler() override;

    // Shows the closing message; the default is a message box with only an OK button.
    std::function<void(QMessageBox::Icon icon, const QString& text)> showMessage;
    // Chooses a folder (title, start folder); "" when the user cancels.
    std::function<QString(const QString& title, const QString& start)> chooseFolder;
    // Opens a help topic.
    std::function<void(const QString& topic)> openHelp;
    // Lets the window system handle pending events while the walk runs (at most every 0.1 s).
    std::function<void()> pumpMessages;
    // Gives the Player's extraction entry back when the dialog unloads; without one the
    // entry is simply enabled again.
    std::function<void()> restoreExtractionEntry;

    // The entry from the Player's extraction menu entries: identifies the file with full
    // expansion and, only when that reports no error, shows the dialog modally. Returns the
    // identification's error text, "" when the dialog was shown.
    static QString Open(const QString& path, DecompilerOptions& options, QAction* extractionEntry, QWidget* parent);

    const ExtractCounters& Counters() const { return m_counters; }
    bool CancelRequested() const { return m_cancel; }
    bool Running() const { return m_running; }

    // The buttons' actions.
    void Go();
    void CancelWalk();
    void Browse();

protected:
    void done(int result) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void DestinationChanged(const QString& text);
    void SetRunning(bool running);
    void Unload();

    MediaFileInfo m_movie;
    DecompilerOptions& m_options;
    QPointer<QAction> m_extractionEntry;
    ExtractCounters m_counters;
    bool m_cancel = false;
    bool m_running = false;
    bool m_unloaded = false;

    QLabel* m_lblDest = nullptr;
    QLineEdit* m_txtDest = nullptr;
    QPushButton* m_cbBrowse = nullptr;
    QCheckBox* m_chkJPEG = nullptr;
    QCheckBox* m_chkPNG = nullptr;
    QCheckBox* m_chkEvent = nullptr;
    QCheckBox* m_chkStream = nullptr;
    QCheckBox* m_chkVideo = nullptr;
    QPushButton* m_cbGo = nullptr;
    QPushButton* m_cbCancel = nullptr;
    QPushButton* m_cbDone = nullptr;
    QPushButton* m_cbHelp = nullptr;
    QProgressBar* m_progress = nullptr;
    QLabel* m_cubes = nullptr;
};
