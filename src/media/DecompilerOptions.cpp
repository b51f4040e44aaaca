#include "media/DecompilerOptions.h"

#include "app/FileNames.h"
#include "app/ShellServices.h"

namespace {
// The classic id of the documents folder.
constexpr int kDocumentsFolder = 5;
}  // namespace

DecompilerOptions DefaultDecompilerOptions()
{
    DecompilerOptions options;
    options.destination = WithTrailingSlash(SpecialFolderPath(kDocumentsFolder)) + QStringLiteral("Ve Zedaz/");
    return options;
}
