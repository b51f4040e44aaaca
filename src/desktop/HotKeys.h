#pragma once

class CFormEvents;

// The player's hot keys (the numbered actions of the command table), registered on the main
// window's form events while the player is the active application.

// Registers every hot key that has keys and logs "Added Hotkeys".
void AddHotkeys(CFormEvents& form);
// Removes hot keys 0..23 and logs "Removed Hotkeys".
void RemoveHotkeys(CFormEvents& form);
