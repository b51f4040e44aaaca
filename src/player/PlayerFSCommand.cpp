// The FSCommand bridge: every command a movie sends reaches this one handler, which runs the
// command's row of the table.
#include "player/Player.h"

#include "base/ExecutionLog.h"
#include "player/FSCommandTable.h"

void Player::OnFSCommand(const QString& command, const QString& args)
{
    const FSCommandRow* row = FindFSCommand(command);
    if (!row) {
        LogEmptyLine();
        LogLine(QStringLiteral("Unsupported FS Command (") + command + QLatin1Char(')'));
        return;
    }
    const bool allowed = OptionValues().fsCommand;
    if (row->protection == FSProtection::Command && !allowed)
        return;
    row->handler(*this, args, allowed);
}
