#include "app/StartWindow.h"

#include "base/ExecutionLog.h"
#include "base/FileNames.h"
#include "base/Version.h"
#include "engine/RuffleFlashControl.h"
#include "media/IdentifyMedia.h"
#include "media/MediaFileInfo.h"

#include <QLabel>
#include <QStackedLayout>

namespace {

constexpr int kWelcomeWidth = 550;
constexpr int kWelcomeHeight = 400;

QString WelcomeText()
{
    return VersionText() + QStringLiteral("\n\nStart it with the movies to play:  vorlen MOVIE...");
}

}  // namespace

StartWindow::StartWindow()
{
    m_stack = new QStackedLayout(this);
    m_stack->setContentsMargins(0, 0, 0, 0);
    m_text = new QLabel(this);
    m_text->setAlignment(Qt::AlignCenter);
    m_text->setWordWrap(true);
    m_stack->addWidget(m_text);
    CloseMedia(QString());
    resize(kWelcomeWidth, kWelcomeHeight);
}

StartWindow::~StartWindow() = default;

void StartWindow::ShowText(const QString& text)
{
    m_text->setText(text);
    m_stack->setCurrentWidget(m_text);
}

void StartWindow::CloseMedia(const QString& errorText)
{
    if (m_control)
        m_control->LoadMovie(0, QString());
    setWindowTitle(CaptionPrefix() + QStringLiteral("Welcome"));
    ShowText(errorText.isEmpty() ? WelcomeText() : errorText);
}

void StartWindow::LoadFlash(const QString& path, const QString& title, bool nativeSize)
{
    Q_UNUSED(title);
    Q_UNUSED(nativeSize);
    if (path.isEmpty()) {
        CloseMedia(QString());
        return;
    }
    if (path.startsWith(QLatin1String("/exec"), Qt::CaseInsensitive)) {
        LogLine(QStringLiteral("Script statements need the player window: ") + path);
        return;
    }
    MediaFileInfo info;
    // Playlist entries keep the text of their playlist file: the path gets "/" separators here.
    const QString error = IdentifyMedia(NormalizePath(path), info, false);
    if (!error.isEmpty()) {
        CloseMedia(path + QStringLiteral("\n\n") + error);
        return;
    }
    if (info.IsVideo) {
        CloseMedia(info.FileName + QStringLiteral("\n\nFlash Video plays in the player window, which is not here yet."));
        return;
    }
    if (!m_control) {
        m_control = new RuffleFlashControl(this);
        m_stack->addWidget(m_control->widget());
    }
    m_stack->setCurrentWidget(m_control->widget());
    setWindowTitle(CaptionPrefix() + info.FileName);
    if (info.Width > 0 && info.Height > 0)
        resize(info.Width, info.Height);
    m_control->LoadMovie(0, info.WorkingPath);
}
