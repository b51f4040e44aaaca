#include "FuzzSupport.h"

#include "base/AppFolders.h"
#include "base/XmlDocument.h"
#include "lang/Language.h"
#include "options/RegistryStore.h"

// A language file as the start-up reads it: the catalogue of the languages folder (title,
// author, locale), the chosen file loaded, and look-ups of fixed keys and of every key the
// file itself names ("!" references to other keys included).
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const FuzzWorld& world = FuzzWorld::Get();
    static const bool chosen = [] {
        WriteRegistryString(QStringLiteral("System"), QStringLiteral("Language"), QStringLiteral("Fuzz"));
        return true;
    }();
    (void)chosen;
    world.Write(QStringLiteral("app/Languages/Fuzz.xml"), data, size);
    EnumerateLanguages();
    LoadLanguage();
    for (const LanguageInfo& info : Languages())
        LanguageMenuCaption(info);
    for (const char* key : {"Player/strOpen", "frmDecompiler/strDone", "frmInfo/strComp", "Player/mnuOpen"})
        LangText(QLatin1String(key), QStringLiteral("default"));
    int looked = 0;
    const XmlNode root = LangDoc().selectSingleNode(QStringLiteral("LANG"));
    for (const XmlNode& window : root.childNodes()) {
        for (const XmlNode& item : window.childNodes()) {
            if (++looked > 64)
                return 0;
            LangText(window.nodeName() + QLatin1Char('/') + item.nodeName(), QStringLiteral("default"));
        }
    }
    return 0;
}
