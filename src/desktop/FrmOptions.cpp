#include "desktop/FrmOptions.h"

#include "base/AppFolders.h"
#include "base/FileNames.h"
#include "base/Rounding.h"
#include "base/WindowLook.h"
#include "base/WindowShell.h"
#include "desktop/MyFlashFolderLook.h"
#include "desktop/OptionsPageIcons.h"
#include "lang/Language.h"
#include "lang/TranslateForm.h"
#include "lang/UIFont.h"
#include "options/MyFlashFolder.h"
#include "options/OptionHolders.h"
#include "player/HelpPages.h"
#include "player/PlayerOptionsActions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFontDialog>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QStackedWidget>

#include <limits>

namespace {

// The numbers as the program reads typed text: the leading decimal number, 0 when there is none.
double DecimalValue(const QString& text)
{
    static const QRegularExpression number(QStringLiteral("^\\s*([-+]?(\\d+\\.?\\d*|\\.\\d+))"));
    const QRegularExpressionMatch match = number.match(text);
    return match.hasMatch() ? match.captured(1).toDouble() : 0.0;
}

// An unsigned 8-bit value from a field; a text out of range keeps the value it had.
uint8_t ByteValue(const QString& text, uint8_t current)
{
    const int64_t value = RoundHalfEven(DecimalValue(text));
    return value < 0 || value > std::numeric_limits<uint8_t>::max() ? current : uint8_t(value);
}

}  // namespace

FrmOptions::FrmOptions(OptionsModule& options, UIFontInfo& font, PlayerOptionsActions& player, QWidget* parent)
    : QDialog(parent)
    , m_options(options)
    , m_font(font)
    , m_player(player)
{
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(QStringLiteral("Options"));
    setModal(true);

    chooseFolder = [this](const QString& title, const QString& start) {
        return QFileDialog::getExistingDirectory(this, title, start, QFileDialog::ShowDirsOnly);
    };
    chooseFont = [this](const QFont& start) -> std::optional<QFont> {
        bool ok = false;
        const QFont chosen = QFontDialog::getFont(&ok, start, this);
        return ok ? std::optional<QFont>(chosen) : std::nullopt;
    };
    openHelp = [](const QString& topic) { ShellOpen(HelpPagePath(Folders().help, topic)); };

    BuildPages();
    connect(m_cbOK, &QPushButton::clicked, this, &FrmOptions::Save);
    connect(m_cbCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_cbHelp, &QPushButton::clicked, this, [this] { openHelp(m_pages->currentWidget()->property("tag").toString()); });
    connect(m_cbFlash, &QPushButton::clicked, this, &FrmOptions::ChooseFolder);
    connect(m_cbFont, &QPushButton::clicked, this, &FrmOptions::ChooseFont);
    connect(m_txtQuality, &QLineEdit::editingFinished, this, [this] { CheckPercent(m_txtQuality); });
    connect(m_txtFrom, &QLineEdit::editingFinished, this, [this] { CheckPercent(m_txtFrom); });
    connect(m_txtTo, &QLineEdit::editingFinished, this, &FrmOptions::CheckSampleTo);
    connect(m_pageList, &QListWidget::currentRowChanged, this, &FrmOptions::ShowPage);

    // Form_Load.
    TranslateForm(this);
    InitPages();
    LoadOptions();
    SetVisual();
}

void FrmOptions::showEvent(QShowEvent* event)
{
    // The texts and fonts of the language change the controls' sizes after the layout first
    // measured them: the window takes the size they need now.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    layout()->invalidate();
    if (size().width() < sizeHint().width() || size().height() < sizeHint().height())
        resize(size().expandedTo(sizeHint()));
    QDialog::showEvent(event);
}

void FrmOptions::InitPages()
{
    static const char* const kKeys[kPageCount][3] = {
        {"frmOptions/General", "Start Up & Exit", "run"},
        {"frmOptions/Appearance", "Appearance", "view"},
        {"frmOptions/Thumbnails", "Thumbnails", "image"},
        {"frmOptions/Advanced", "Advanced", "system"},
    };
    const QSignalBlocker blocker(m_pageList);
    m_pageList->clear();
    for (int i = 0; i < kPageCount; ++i) {
        const QString text
            = QString::number(i + 1) + QStringLiteral(". ") + LangText(QLatin1String(kKeys[i][0]), QLatin1String(kKeys[i][1]));
        new QListWidgetItem(OptionsPageIcon(QLatin1String(kKeys[i][2])), text, m_pageList);
    }
    ShowPage(m_options.optionsPage < kPageCount ? m_options.optionsPage : 0);
    FitPageList();
}

void FrmOptions::FitPageList()
{
    // The names are as wide as the language makes them; the list shows them whole.
    m_pageList->setFixedWidth(m_pageList->sizeHintForColumn(0) + 2 * m_pageList->frameWidth() + 4 * m_pageList->spacing());
}

void FrmOptions::ShowPage(int index)
{
    if (index < 0 || index >= kPageCount)
        return;
    const QSignalBlocker blocker(m_pageList);
    m_pageList->setCurrentRow(index);
    m_pages->setCurrentIndex(index);
}

int FrmOptions::CurrentPage() const
{
    return m_pages->currentIndex();
}

void FrmOptions::LoadOptions()
{
    m_cmbStartUp->setCurrentIndex(m_options.startUp >= 0 && m_options.startUp < m_cmbStartUp->count() ? m_options.startUp : -1);
    m_cmbCache->setCurrentIndex(m_options.cacheMode >= 0 && m_options.cacheMode < m_cmbCache->count() ? m_options.cacheMode : -1);
    m_chkInstance->setChecked(m_options.oneInstance);
    m_chkScreenSaver->setChecked(m_options.disableScreenSaver);
    m_txtMyFlash->setText(m_options.myFlash);
    m_chkMyFlash->setChecked(m_options.browseDefault);
    m_chkWindow->setChecked(m_options.winSFX);
    m_chosenFont = QFont(m_font.name);
    if (m_font.size > 0)
        m_chosenFont.setPointSizeF(m_font.size);
    ShowFontName();
    m_chkAnimation->setChecked(!m_options.noAnimation);
    m_chkCrop->setChecked(m_options.crop);
    m_chkCentered->setChecked(m_options.centered);
    m_chkMRU->setChecked(m_options.history);
    m_chkFSCommand->setChecked(m_options.fsCommand);
    m_chkProjector->setChecked(m_options.genericProjectors);
    m_chkRemoveProj->setChecked(m_options.removeProjectors);
    m_chkAssoc->setChecked(m_options.associate);
    m_chkHQShots->setChecked(m_options.hqShots);
    m_chkStore->setChecked(m_options.satellite);
    m_txtQuality->setText(QString::number(m_options.shotJpeg));
    m_txtFrom->setText(QString::number(m_options.sampleFrom));
    m_txtTo->setText(QString::number(m_options.sampleTo));
}

void FrmOptions::ShowFontName()
{
    m_txtFont->setText(m_chosenFont.family());
    QFont shown = m_chosenFont;
    shown.setPointSizeF(font().pointSizeF() > 0 ? font().pointSizeF() : shown.pointSizeF());
    m_txtFont->setFont(shown);
    m_txtFont->setCursorPosition(0);
}

void FrmOptions::SetVisual()
{
    TranslateForm(this);
    ShowFontName();
    FitPageList();
    ApplyWindowLook(this, m_options.winSFX);
}

void FrmOptions::CheckPercent(QLineEdit* field)
{
    const double value = DecimalValue(field->text());
    if (value > 100)
        field->setText(QStringLiteral("100"));
    else if (value < 0)
        field->setText(QStringLiteral("0"));
}

void FrmOptions::CheckSampleTo()
{
    if (DecimalValue(m_txtTo->text()) > 100)
        m_txtTo->setText(QStringLiteral("100"));
    if (DecimalValue(m_txtFrom->text()) > DecimalValue(m_txtTo->text()))
        m_txtTo->setText(m_txtFrom->text());
}

void FrmOptions::ChooseFolder()
{
    const QString title = LangText(QStringLiteral("frmOptions/strSelFolder"), QStringLiteral("Select your Flash Folder:"));
    const QString folder = chooseFolder(title, m_txtMyFlash->text());
    if (!folder.isEmpty())
        m_txtMyFlash->setText(NormalizePath(folder));
}

void FrmOptions::ChooseFont()
{
    if (const std::optional<QFont> chosen = chooseFont(m_chosenFont)) {
        m_chosenFont = *chosen;
        ShowFontName();
    }
}

void FrmOptions::ApplyMyFlashFolder()
{
    const QString text = m_txtMyFlash->text().trimmed();
    if (text.isEmpty())
        return;
    const QString folder = NormalizeMyFlashFolder(text);
    if (folder == m_options.myFlash)
        return;
    MoveMyFlashFolder(m_options.myFlash, folder);
    m_options.myFlash = folder;
    m_player.PrepareMyFlashFolder(folder);
    m_options.screenShotsFolder = ScreenShotsFolderFor(folder);
}

void FrmOptions::ApplyOptions()
{
    // 1. The controls back into the options.
    if (m_cmbStartUp->currentIndex() >= 0)
        m_options.startUp = m_cmbStartUp->currentIndex();
    if (m_cmbCache->currentIndex() >= 0)
        m_options.cacheMode = m_cmbCache->currentIndex();
    m_options.oneInstance = m_chkInstance->isChecked();
    m_options.disableScreenSaver = m_chkScreenSaver->isChecked();
    m_options.browseDefault = m_chkMyFlash->isChecked();
    m_options.winSFX = m_chkWindow->isChecked();
    m_options.noAnimation = !m_chkAnimation->isChecked();
    m_options.crop = m_chkCrop->isChecked();
    m_options.centered = m_chkCentered->isChecked();
    m_options.history = m_chkMRU->isChecked();
    m_options.fsCommand = m_chkFSCommand->isChecked();
    m_options.genericProjectors = m_chkProjector->isChecked();
    m_options.removeProjectors = m_chkRemoveProj->isChecked();
    m_options.associate = m_chkAssoc->isChecked();
    m_options.hqShots = m_chkHQShots->isChecked();
    m_options.satellite = m_chkStore->isChecked();
    m_options.shotJpeg = ByteValue(m_txtQuality->text(), m_options.shotJpeg);
    m_options.sampleFrom = ByteValue(m_txtFrom->text(), m_options.sampleFrom);
    m_options.sampleTo = ByteValue(m_txtTo->text(), m_options.sampleTo);

    // 2. A new "Ve Zedaz" folder takes the screenshots and the folder's dress along.
    ApplyMyFlashFolder();

    // 3. The interface font.
    m_font.name = m_chosenFont.family();
    if (m_chosenFont.pointSizeF() > 0)
        m_font.size = m_chosenFont.pointSizeF();

    // 4-7. The window, the page, the recent list, the screen saver, the store.
    m_player.ViewResize();
    m_options.optionsPage = uint8_t(CurrentPage());
    m_player.LoadRecentFiles();
    m_player.SetSSState(m_options.disableScreenSaver ? false : m_player.InitialScreenSaverState());
    m_player.SaveOpts();
}

void FrmOptions::Save()
{
    ApplyOptions();
    // A new font: the main window takes it with its texts.
    if (QWidget* window = m_player.Window(); window && m_font.name != window->font().family())
        m_player.SetVisual();
    accept();
}
