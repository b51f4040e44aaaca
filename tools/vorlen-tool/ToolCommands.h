#pragma once

#include <QStringList>

// The commands of the subsystems, each defined in its own file of this folder and listed in
// the command table (ToolCommandTable.cpp).

// The renderer program, in the binary folder.
inline constexpr const char* kRendererName = "vorlen-tool-render";

// vorlen-tool playlist make OUT.vorlen PATH... | playlist list FILE.vorlen
int RunPlaylist(const QStringList& arguments);
// Media files (InfoCommand.cpp, ExpandCommand.cpp, ConvertCommand.cpp).
int RunInfo(const QStringList& arguments);
int RunCheck(const QStringList& arguments);  // CheckCommand.cpp
int RunExpand(const QStringList& arguments);
int RunConvert(const QStringList& arguments);

// Resource extraction (ExtractCommand.cpp).
int RunExtract(const QStringList& arguments);
// ShotCommand.cpp in the renderer; in vorlen-tool the hand-over (RendererLauncher.cpp).
int RunShot(const QStringList& arguments);
// thumbs FOLDER [...]: ThumbsCommand.cpp in the renderer; the hand-over in vorlen-tool.
int RunThumbs(const QStringList& arguments);
// script [--steps N] FILE.vbs (ScriptCommand.cpp)
int RunScriptCommand(const QStringList& arguments);
