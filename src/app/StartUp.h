#pragma once

#include <QStringList>

#include <cstdint>

class FlashControl;

// The program's start-up: hand-over to a running player or the whole sequence up to the shown
// player window, then the event loop. Returns the process's exit status.
int RunStartUp(const QStringList& arguments);

// The major version of the Flash engine that the control emulates; 0 (and the log line
// "Flash Check Failure Reason:...") without a control.
uint8_t DetectFlashVersion(const FlashControl* control);
