#include "options/RegistryStore.h"

#include "base/Version.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

#include <limits>
#include <memory>

namespace {

// The key that holds a key's default value (value name ""). Real names that begin with "("
// get one more "(" in front, so no value name can land on it.
const QString kDefaultValueKey = QStringLiteral("(Default)");

QString ConfigDir()
{
    const QString overridden = qEnvironmentVariable("VORLEN_CONFIG_DIR");
    if (!overridden.isEmpty())
        return overridden;
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

// Value names may hold anything; QSettings reads "/" and "\" as group separators.
QString StoreKeyOf(const QString& valueName)
{
    if (valueName.isEmpty())
        return kDefaultValueKey;
    QString key = valueName;
    key.replace(QLatin1Char('%'), QStringLiteral("%25"));
    key.replace(QLatin1Char('/'), QStringLiteral("%2F"));
    key.replace(QLatin1Char('\\'), QStringLiteral("%5C"));
    if (key.startsWith(QLatin1Char('(')))
        key.prepend(QLatin1Char('('));
    return key;
}

// The name among existing ones that equals name ignoring letter case (the exact one first);
// name itself when there is none.
QString Existing(const QStringList& existing, const QString& name)
{
    if (existing.contains(name))
        return name;
    for (const QString& candidate : existing) {
        if (candidate.compare(name, Qt::CaseInsensitive) == 0)
            return candidate;
    }
    return name;
}

// The full key of a value. Key and value names are not case-sensitive in the registry, so
// the spelling already in the store is used: "window"/"HWND" reaches "Window"/"hWnd".
QString FullKey(QSettings& store, const RegistryKey& key, const QString& valueName)
{
    QString path;
    int depth = 0;
    for (const QString& part : key.group.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        const QString group = Existing(store.childGroups(), part);
        store.beginGroup(group);
        ++depth;
        path += group + QLatin1Char('/');
    }
    path += Existing(store.childKeys(), StoreKeyOf(valueName));
    while (depth-- > 0)
        store.endGroup();
    return path;
}

std::unique_ptr<QSettings> NewStore()
{
    auto settings = std::make_unique<QSettings>(OptionStorePath(), QSettings::IniFormat);
    // Written through a temporary file and renamed: a reader never sees half a file.
    settings->setAtomicSyncRequired(true);
    return settings;
}

// The store of the open batch, if any.
std::unique_ptr<QSettings> g_batchStore;
int g_batchDepth = 0;

// The store to use for one primitive: the batch's, or one of its own that writes at once.
class StoreAccess {
public:
    StoreAccess()
    {
        if (!g_batchStore)
            m_own = NewStore();
    }
    QSettings& operator*() const { return m_own ? *m_own : *g_batchStore; }
    QSettings* operator->() const { return &**this; }
    // The status after writing: immediate for an own store, deferred to the batch's end.
    int Commit() const
    {
        if (!m_own)
            return kRegSuccess;
        m_own->sync();
        return m_own->status() == QSettings::NoError ? kRegSuccess : kRegAccessDenied;
    }

private:
    std::unique_ptr<QSettings> m_own;
};

}  // namespace

RegistryWriteBatch::RegistryWriteBatch()
{
    if (g_batchDepth++ == 0)
        g_batchStore = NewStore();
}

RegistryWriteBatch::~RegistryWriteBatch()
{
    if (--g_batchDepth == 0) {
        g_batchStore->sync();
        g_batchStore.reset();
    }
}

QString OptionStorePath()
{
    return QDir::cleanPath(ConfigDir() + QLatin1Char('/') + QLatin1String(kAppName) + QLatin1Char('/') + QLatin1String(kAppName)
        + QStringLiteral(".ini"));
}

RegistryKey OpenRegistryKey(const QString& section, bool underProductKey, RegistryRoot root)
{
    QString path = section;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (path.contains(QStringLiteral("//")))
        path.replace(QStringLiteral("//"), QStringLiteral("/"));
    if (path.startsWith(QLatin1Char('/')))
        path.remove(0, 1);
    if (path.endsWith(QLatin1Char('/')))
        path.chop(1);
    // The product key of the current user is the store itself: its sections are top groups.
    if (root == RegistryRoot::ClassesRoot) {
        if (underProductKey)
            path.prepend(QStringLiteral("Software/") + QLatin1String(kAppName) + QLatin1Char('/'));
        path.prepend(QStringLiteral("HKEY_CLASSES_ROOT/"));
    }
    return RegistryKey{path};
}

int SetRegistryValue(const RegistryKey& key, const QString& valueName, int type, const QString& value)
{
    QVariant data;
    if (type == kRegSz) {
        data = value;
    } else if (type == kRegDword) {
        bool ok = false;
        const qlonglong number = value.trimmed().toLongLong(&ok);
        if (!ok || number < std::numeric_limits<qint32>::min() || number > std::numeric_limits<quint32>::max())
            return kRegUnsupportedType;
        data = static_cast<qint32>(static_cast<quint32>(number));
    } else {
        return kRegUnsupportedType;
    }
    StoreAccess store;
    store->setValue(FullKey(*store, key, valueName), data);
    return store.Commit();
}

int QueryRegistryValue(const RegistryKey& key, const QString& valueName, QString& value)
{
    StoreAccess store;
    const QVariant data = store->value(FullKey(*store, key, valueName));
    if (!data.isValid())
        return kRegNotFound;
    switch (data.typeId()) {
    case QMetaType::QString:
        value = data.toString();
        return kRegSuccess;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        value = QString::number(data.toLongLong());
        return kRegSuccess;
    default:
        // A hand-edited list ("a, b") or a typed variant: not a text value.
        return kRegUnsupportedType;
    }
}

QString ReadRegistryString(
    const QString& section, const QString& valueName, const QString& defaultValue, bool underProductKey, RegistryRoot root)
{
    QString value;
    if (QueryRegistryValue(OpenRegistryKey(section, underProductKey, root), valueName, value) != kRegSuccess)
        return defaultValue;
    return value;
}

void WriteRegistryString(
    const QString& section, const QString& valueName, const QString& value, bool underProductKey, RegistryRoot root)
{
    SetRegistryValue(OpenRegistryKey(section, underProductKey, root), valueName, kRegSz, value);
}
