#pragma once

#include <QString>

#include <optional>

class XmlDocument;
class XmlNode;

// The builds a skin may be made for: from the oldest one this player still reads to its own.
inline constexpr int kOldestSkinBuild = 655;
// Compiled skin libraries must be at least this build.
inline constexpr int kOldestSkinLibraryBuild = 720;

// The root element THEME of "skin.xml" with its defaults.
struct SkinTheme {
    QString title;  // the folder name when the skin gives none
    QString build = QStringLiteral("0");
    int minWidth = 0;  // smallest window size, pixels
    int minHeight = 0;
    QString scriptFile = QStringLiteral("script.vbs");
    QString className = QStringLiteral("BinarySkin.BinarySkinClass");
    bool hidesMenu = false;
};

// The root element when it is THEME (any letter case); a null node otherwise.
XmlNode ThemeNode(const XmlDocument& doc);
SkinTheme ReadSkinTheme(const XmlNode& theme, const QString& folderName);

enum class SkinBuildCheck { Accepted, Outdated, Newer };
// A build below kOldestSkinBuild is outdated, one above this program's build is newer.
SkinBuildCheck CheckSkinBuild(int build);
// The build text as an integer (numbers round halves to even); nothing when it is no number.
std::optional<int> SkinBuildNumber(const QString& text);

// A script file whose name ends in ".dll" (any letter case) is a compiled skin library.
bool IsSkinLibrary(const QString& scriptFile);
