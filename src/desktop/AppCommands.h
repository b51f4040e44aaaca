#pragma once

// The desktop's application commands (the numbers the system gives media and browser keys) and
// the menu items FormX_AppCommand runs for them.

// The menu item a command runs; nullptr for a command the player leaves alone.
const char* AppCommandItem(int command);

// The command a key stands for (a Qt key code: media, volume and browser keys); 0 for others.
int AppCommandForKey(int key);
