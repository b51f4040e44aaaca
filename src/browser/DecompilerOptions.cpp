#include "browser/DecompilerOptions.h"

#include "options/MyFlashFolder.h"

DecompilerOptions DefaultDecompilerOptions()
{
    // The same "Ve Zedaz" folder the option store starts from.
    DecompilerOptions options;
    options.destination = NormalizeMyFlashFolder(DefaultMyFlashText());
    return options;
}
