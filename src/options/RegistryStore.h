#pragma once

#include <QString>

// The per-user option store: one INI file (<config dir>/Vorlen/Vorlen.ini, the config dir
// overridable with VORLEN_CONFIG_DIR) standing in for the registry. A registry key is an INI
// group; every value is text. Product sections ("View", "System"...) are groups of their own
// name; keys outside the product key ("Control Panel\Desktop") are groups of their full path
// with "/" as separator. Classes-root keys live below the group "HKEY_CLASSES_ROOT/".

enum class RegistryRoot { CurrentUser, ClassesRoot };

// Registry value types the primitives know.
inline constexpr int kRegSz = 1;
inline constexpr int kRegDword = 4;

// Status codes of the lower primitives.
inline constexpr int kRegSuccess = 0;
inline constexpr int kRegNotFound = 2;      // key or value missing
inline constexpr int kRegAccessDenied = 5;  // the store could not be written
inline constexpr int kRegUnsupportedType = -1;

// An open key: the group its values live in.
struct RegistryKey {
    QString group;
};

// While one exists, writes collect in memory and reach the file once, atomically, when the
// last batch ends: LoadOpts and SaveOpts move the whole set in one write. Reads see the
// collected values.
class RegistryWriteBatch {
public:
    RegistryWriteBatch();
    ~RegistryWriteBatch();
    RegistryWriteBatch(const RegistryWriteBatch&) = delete;
    RegistryWriteBatch& operator=(const RegistryWriteBatch&) = delete;
};

// The INI file behind the store.
QString OptionStorePath();

// Opens (never creates: creation happens with the first value written) the key of section.
RegistryKey OpenRegistryKey(const QString& section, bool underProductKey = true, RegistryRoot root = RegistryRoot::CurrentUser);

// The text of a value, or defaultValue when the key or value is missing or of another type.
// Never fails.
QString ReadRegistryString(const QString& section, const QString& valueName, const QString& defaultValue,
    bool underProductKey = true, RegistryRoot root = RegistryRoot::CurrentUser);

// Writes value as text (the key is created when needed). Failures are silent.
void WriteRegistryString(const QString& section, const QString& valueName, const QString& value, bool underProductKey = true,
    RegistryRoot root = RegistryRoot::CurrentUser);

// Writes one value: kRegSz as text, kRegDword as the text converted to a 32-bit number; other
// types write nothing. Returns a status code.
int SetRegistryValue(const RegistryKey& key, const QString& valueName, int type, const QString& value);

// Reads one value into value (set only on success): text as it is, a number as decimal text.
// Returns kRegSuccess, kRegNotFound or kRegUnsupportedType.
int QueryRegistryValue(const RegistryKey& key, const QString& valueName, QString& value);
