// The console: F12 shows it, Out writes to it, lines typed into it run as statements.
#include "player/Player.h"

#include "engine/FlashControl.h"
#include "lang/Language.h"
#include "player/ConsolePanel.h"

void Player::BuildConsole()
{
    m_consolePanel = new ConsolePanel(this, [this](const QString& line) { return RunConsoleLine(line); });
    m_consolePanel->SetOutput(m_console);
    connect(this, &Player::OutputWritten, m_consolePanel, &ConsolePanel::AppendOutput);
    connect(m_consolePanel, &ConsolePanel::HideRequested, this, &Player::HideConsole);
}

void Player::ShowConsole()
{
    m_consolePanel->Open();
}

void Player::HideConsole()
{
    if (m_consolePanel->isHidden())
        return;
    m_consolePanel->hide();
    // The keys go back to the movie.
    if (QWidget* movie = m_swf->widget())
        movie->setFocus(Qt::OtherFocusReason);
}

bool Player::IsConsoleShown() const
{
    return m_consolePanel->isVisible();
}

bool Player::RunConsoleLine(const QString& line)
{
    Out(QStringLiteral(" > ") + line);
    if (ExecuteStatement(line))
        return true;
    const ScriptEngineError& error = m_script.Error();
    Out(LangText(QStringLiteral("Player/strConsoleError"), QStringLiteral("Error")) + QLatin1Char(' ')
        + QString::number(error.number) + QStringLiteral(": ") + error.description + QStringLiteral(" (")
        + LangText(QStringLiteral("Player/strConsoleLine"), QStringLiteral("line")) + QLatin1Char(' ')
        + QString::number(error.line) + QLatin1Char(')'));
    return false;
}
