// The FSCommand bridge: every command a movie sends reaches this one handler.
#include "player/Player.h"

#include "base/ExecutionLog.h"

void Player::OnFSCommand(const QString& command, const QString& args)
{
    Q_UNUSED(args);
    LogEmptyLine();
    LogLine(QStringLiteral("Unsupported FS Command (") + command + QLatin1Char(')'));
}
