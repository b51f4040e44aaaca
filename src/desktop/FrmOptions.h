#pragma once

#include <QDialog>
#include <QFont>

#include <functional>
#include <optional>

class PlayerOptionsActions;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QStackedWidget;
struct OptionsModule;
struct UIFontInfo;

// The options dialog: the settings without a menu item of their own on four pages. It copies
// the options into its controls when it opens, checks the three numbers as the user leaves
// them, and on "Save" copies the controls back, applies what needs an action through the main
// window and saves every option. Cancel leaves the options as they were.
class FrmOptions : public QDialog {
    Q_OBJECT

public:
    static constexpr int kPageCount = 4;

    // options and font are the in-memory values it edits; player applies "Save".
    FrmOptions(OptionsModule& options, UIFontInfo& font, PlayerOptionsActions& player, QWidget* parent = nullptr);

    // The page list ("1. " to "4. " and the page names), showing "OptionsPage".
    void InitPages();
    // Shows page index (0..3); other indexes are ignored.
    void ShowPage(int index);
    int CurrentPage() const;
    // Every option into its control.
    void LoadOptions();
    // Every control back into its option, the actions, SaveOpts.
    void ApplyOptions();
    // The language, the interface font and the window look.
    void SetVisual();

    // The buttons: Save (ApplyOptions, the main window's texts again when the font changed,
    // close), the folder and font choosers.
    void Save();
    void ChooseFolder();
    void ChooseFont();

    // The folder chooser (title, start folder; "" when cancelled), the font dialog (nothing
    // when cancelled) and the help topic opener; tests answer them.
    std::function<QString(const QString& title, const QString& start)> chooseFolder;
    std::function<std::optional<QFont>(const QFont& start)> chooseFont;
    std::function<void(const QString& topic)> openHelp;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BuildPages();
    QWidget* BuildGeneralPage();
    QWidget* BuildAppearancePage();
    QWidget* BuildThumbnailsPage();
    QWidget* BuildAdvancedPage();
    void CheckPercent(QLineEdit* field);
    void CheckSampleTo();
    void ApplyMyFlashFolder();
    void ShowFontName();
    void FitPageList();

    OptionsModule& m_options;
    UIFontInfo& m_font;
    PlayerOptionsActions& m_player;
    QFont m_chosenFont;  // the font txtFont stands for

    QListWidget* m_pageList = nullptr;
    QStackedWidget* m_pages = nullptr;
    QComboBox* m_cmbStartUp = nullptr;
    QComboBox* m_cmbCache = nullptr;
    QCheckBox* m_chkInstance = nullptr;
    QCheckBox* m_chkScreenSaver = nullptr;
    QLineEdit* m_txtMyFlash = nullptr;
    QPushButton* m_cbFlash = nullptr;
    QCheckBox* m_chkMyFlash = nullptr;
    QCheckBox* m_chkWindow = nullptr;
    QLineEdit* m_txtFont = nullptr;
    QPushButton* m_cbFont = nullptr;
    QCheckBox* m_chkAnimation = nullptr;
    QCheckBox* m_chkCrop = nullptr;
    QCheckBox* m_chkCentered = nullptr;
    QCheckBox* m_chkMRU = nullptr;
    QCheckBox* m_chkFSCommand = nullptr;
    QCheckBox* m_chkProjector = nullptr;
    QCheckBox* m_chkRemoveProj = nullptr;
    QCheckBox* m_chkAssoc = nullptr;
    QCheckBox* m_chkHQShots = nullptr;
    QCheckBox* m_chkStore = nullptr;
    QLineEdit* m_txtQuality = nullptr;
    QLineEdit* m_txtFrom = nullptr;
    QLineEdit* m_txtTo = nullptr;
    QPushButton* m_cbOK = nullptr;
    QPushButton* m_cbCancel = nullptr;
    QPushButton* m_cbHelp = nullptr;
};
