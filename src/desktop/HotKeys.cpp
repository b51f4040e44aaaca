#include "desktop/HotKeys.h"

#include "base/ExecutionLog.h"
#include "desktop/CFormEvents.h"
#include "player/PlayerCommands.h"

void AddHotkeys(CFormEvents& form)
{
    for (int id = 0; id < kHotKeyCount; ++id) {
        const QString keys = HotKeySequence(id);
        if (!keys.isEmpty())
            form.AddHotKey(id, QKeySequence(keys));
    }
    LogLine(QStringLiteral("Added Hotkeys"));
}

void RemoveHotkeys(CFormEvents& form)
{
    for (int id = 0; id < kHotKeyCount; ++id)
        form.DelHotKey(id);
    LogLine(QStringLiteral("Removed Hotkeys"));
}
