#pragma once

class QWidget;

// The look of the program's own windows ("Smoothly Colored Windows", option "Window"/"WinSFX"):
// a soft vertical gradient of the window colour behind the controls, or the plain colour.
void ApplyWindowLook(QWidget* window, bool smoothColors);
