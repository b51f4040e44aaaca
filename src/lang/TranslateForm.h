#pragma once

#include <QFont>
#include <QString>

#include <optional>

class QWidget;

// Applies the current language and the interface font to a window and all its controls:
// the title (not for the main window "Player"), captions of labels, buttons, check boxes, group
// boxes, menus and menu items, tooltips, and the items of combo boxes. Keys are the section
// (the window's object name when empty), "/" and the control's name upper-cased, with "_" +
// index for a member of a control array (a control with the property "index"). The skin's
// element arrays "PIC" and "LBL" take the font but keep their texts. The texts the window was
// designed with stay the defaults, also when a language is applied again.
void TranslateForm(QWidget* window, const QString& section = QString());

// The interface font as a font object.
QFont UIQFont();

// Chooses the interface font among the candidates of the stored name by what the font system
// really has, with the stored size (none keeps the current one); see ChooseUIFont.
void InitUIFont(const QString& storedName, std::optional<double> storedSize);

// Whether the font system has a family of that name (letter case ignored).
bool IsFontInstalled(const QString& family);
