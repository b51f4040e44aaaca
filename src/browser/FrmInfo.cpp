#include "browser/FrmInfo.h"

#include "base/AppFolders.h"
#include "base/WindowShell.h"
#include "browser/ThumbnailNames.h"
#include "browser/ThumbnailShooter.h"
#include "lang/Language.h"
#include "lang/TranslateForm.h"
#include "media/MovieDamage.h"
#include "media/MovieInfoText.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

namespace {

const QSize kPictureSize(160, 120);

QLabel* NamedLabel(const char* name, const char* title, QWidget* parent)
{
    auto* label = new QLabel(QLatin1String(title), parent);
    label->setObjectName(QLatin1String(name));
    label->setTextInteractionFlags(Qt::NoTextInteraction);
    return label;
}

}  // namespace

FrmInfo::FrmInfo(const MediaFileInfo& info, ThumbnailShooter* shooter, QWidget* parent)
    : QDialog(parent)
    , m_info(info)
    , m_shooter(shooter)
{
    setObjectName(QStringLiteral("frmInfo"));
    setWindowTitle(QStringLiteral("Movie Information"));

    m_picture = new QLabel(this);
    m_picture->setObjectName(QStringLiteral("picThumbnail"));
    m_picture->setFixedSize(kPictureSize);
    m_picture->setAlignment(Qt::AlignCenter);
    m_picture->setFrameShape(QFrame::StyledPanel);
    m_picture->setToolTip(QStringLiteral("Double click the box to take the picture again"));
    m_lblName = NamedLabel("lblName", "", this);
    QFont heading = m_lblName->font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.3);
    m_lblName->setFont(heading);
    m_lblFileName = NamedLabel("lblFileName", "File", this);
    m_lblFileName->installEventFilter(this);
    m_lblVersion = NamedLabel("lblVersion", "Version", this);
    m_lblTime = NamedLabel("lblTime", "Length", this);
    m_lblSize = NamedLabel("lblSize", "Size", this);
    m_lblMetrix = NamedLabel("lblMetrix", "Dimensions", this);
    m_lblNote = NamedLabel("lblNote", "", this);
    m_lblDamage = NamedLabel("lblDamage", "", this);
    m_lblDamage->setStyleSheet(QStringLiteral("color: #C0392B;"));
    auto* help = new QPushButton(QStringLiteral("Help"), this);
    help->setObjectName(QStringLiteral("cbHelp"));
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("cbClose"));
    close->setDefault(true);

    auto* facts = new QVBoxLayout;
    facts->addWidget(m_lblVersion);
    facts->addWidget(m_lblTime);
    facts->addWidget(m_lblSize);
    facts->addWidget(m_lblMetrix);
    facts->addWidget(m_lblNote);
    facts->addWidget(m_lblDamage);
    facts->addStretch(1);
    auto* body = new QHBoxLayout;
    body->addWidget(m_picture, 0, Qt::AlignTop);
    body->addSpacing(8);
    body->addLayout(facts, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(help);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_lblName);
    layout->addWidget(m_lblFileName);
    layout->addSpacing(6);
    layout->addLayout(body);
    layout->addLayout(buttons);
    setMinimumWidth(460);

    openHelp = [](const QString& topic) {
        QDesktopServices::openUrl(QUrl::fromLocalFile(Folders().help + topic + QStringLiteral(".htm")));
    };
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(help, &QPushButton::clicked, this, [this] { openHelp(QStringLiteral("info")); });

    // The field titles come from the language; the values follow them.
    TranslateForm(this);
    Fill();
}

FrmInfo::~FrmInfo()
{
    // Unloading the box stops the shot it is waiting for.
    if (m_shooter && m_thumbnailAsked)
        m_shooter->CancelShot();
}

void FrmInfo::Fill()
{
    // The movie is looked through once for damage.
    if (m_info.Damage.kind == MovieDamageKind::NotChecked && !m_info.WorkingPath.isEmpty())
        CheckMovieDamage(m_info);
    // The titles are the labels' captions in the current language (the same keys).
    const auto lookup = [](const QString& key, const QString& fallback) { return LangText(key, fallback); };
    const MovieInfoTexts texts = ComposeMovieInfo(m_info, lookup);
    m_name = texts.name;
    m_fileName = texts.fileName;
    m_lblFileName->setToolTip(texts.fileNameToolTip);
    m_lblVersion->setText(texts.version);
    m_lblTime->setText(texts.time);
    m_lblSize->setText(texts.size);
    m_lblMetrix->setText(texts.metrix);
    m_lblNote->setText(texts.note);
    m_lblDamage->setText(texts.damage);
    m_lblDamage->setVisible(!texts.damage.isEmpty());
    FitLabels();
}

void FrmInfo::FitLabels()
{
    // The name and the path are shortened to the labels' width.
    const int width = std::max(200, this->width() - 24);
    m_lblName->setText(QFontMetrics(m_lblName->font()).elidedText(m_name, Qt::ElideMiddle, width));
    const QString title = m_fileName.left(m_fileName.size() - m_info.SourcePath.size());
    const QFontMetrics metrics(m_lblFileName->font());
    m_lblFileName->setText(title + CompactPath(m_info.SourcePath, width - metrics.horizontalAdvance(title), metrics));
}

QLabel* FrmInfo::Label(const QString& name) const
{
    return findChild<QLabel*>(name);
}

QString FrmInfo::ThumbnailPath() const
{
    return BrowserThumbnailPath(m_info.SourcePath, false);
}

bool FrmInfo::HasThumbnail() const
{
    return m_picture->pixmap().isNull() == false;
}

void FrmInfo::LoadThumbnail(bool remake)
{
    if (m_info.SourcePath.isEmpty() || !QFileInfo::exists(m_info.SourcePath))
        return;
    const QString path = ThumbnailPath();
    if (remake)
        QFile::remove(path);
    if (!QFileInfo::exists(path) && m_shooter) {
        m_thumbnailAsked = true;
        m_shooter->TakeThumbnail(m_info.SourcePath, path, 101, false);
        m_thumbnailAsked = false;
    }
    const QPixmap picture(path);
    if (!picture.isNull())
        m_picture->setPixmap(picture.scaled(kPictureSize - QSize(4, 4), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void FrmInfo::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FitLabels();
    // The picture is taken once the box is on screen.
    QTimer::singleShot(0, this, [this] { LoadThumbnail(false); });
}

void FrmInfo::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    FitLabels();
}

void FrmInfo::mouseDoubleClickEvent(QMouseEvent* event)
{
    LoadThumbnail(true);
    event->accept();
}

bool FrmInfo::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_lblFileName && event->type() == QEvent::MouseButtonDblClick) {
        // The full path, not the shortened text.
        QGuiApplication::clipboard()->setText(m_info.SourcePath);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void ShowMovieInfo(const MediaFileInfo& info, ThumbnailShooter* shooter, QWidget* parent)
{
    FrmInfo box(info, shooter, parent);
    box.exec();
}
