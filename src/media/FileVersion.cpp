#include "media/FileVersion.h"

#include "base/ByteReader.h"
#include "base/FileNames.h"

#include <QFile>

#include <vector>

namespace {

constexpr uint32_t kVersionResourceType = 16;  // RT_VERSION
constexpr int kResourceDirectoryIndex = 2;
constexpr int kMaxBlockDepth = 8;

struct Section {
    uint32_t virtualAddress = 0;
    uint32_t virtualSize = 0;
    uint32_t rawSize = 0;
    uint32_t rawOffset = 0;
};

// A node of the version resource: key, value bytes and children.
struct VersionBlock {
    QString key;
    QByteArray value;
    bool isText = false;
    std::vector<VersionBlock> children;

    const VersionBlock* Child(const QString& name) const
    {
        for (const VersionBlock& block : children) {
            if (block.key.compare(name, Qt::CaseInsensitive) == 0)
                return &block;
        }
        return nullptr;
    }
};

class PeImage {
public:
    explicit PeImage(ByteReader& reader)
        : m_reader(reader)
    {
    }

    // The bytes of the first version resource, or empty.
    QByteArray VersionResource()
    {
        if (!ReadHeaders())
            return QByteArray();
        const int64_t base = FileOffset(m_resourceRva);
        if (base < 0)
            return QByteArray();
        // Type, name and language levels; the first name and the first language are taken.
        int64_t entry = FindEntry(base, base, kVersionResourceType);
        if (entry < 0 || !(entry & 0x80000000))
            return QByteArray();
        entry = FirstEntry(base, base + (entry & 0x7FFFFFFF));
        if (entry < 0 || !(entry & 0x80000000))
            return QByteArray();
        entry = FirstEntry(base, base + (entry & 0x7FFFFFFF));
        if (entry < 0 || (entry & 0x80000000))
            return QByteArray();
        if (!m_reader.Seek(base + entry))
            return QByteArray();
        const uint32_t dataRva = m_reader.ReadU32();
        const uint32_t dataSize = m_reader.ReadU32();
        const int64_t offset = FileOffset(dataRva);
        if (!m_reader.Ok() || offset < 0 || !m_reader.Seek(offset))
            return QByteArray();
        return m_reader.ReadUpTo(dataSize);
    }

private:
    bool ReadHeaders()
    {
        if (m_reader.ReadU16() != 0x5A4D)  // "MZ"
            return false;
        m_reader.Seek(0x3C);
        const uint32_t peOffset = m_reader.ReadU32();
        if (!m_reader.Ok() || !m_reader.Seek(peOffset) || m_reader.ReadU32() != 0x00004550)  // "PE\0\0"
            return false;
        m_reader.Skip(2);
        const uint16_t sectionCount = m_reader.ReadU16();
        m_reader.Skip(12);
        const uint16_t optionalSize = m_reader.ReadU16();
        m_reader.Skip(2);
        const int64_t optionalStart = m_reader.Pos();
        const uint16_t magic = m_reader.ReadU16();
        int directoryStart = 0;
        if (magic == 0x10B)
            directoryStart = 96;  // PE32
        else if (magic == 0x20B)
            directoryStart = 112;  // PE32+
        else
            return false;
        if (optionalSize < directoryStart + (kResourceDirectoryIndex + 1) * 8)
            return false;
        m_reader.Seek(optionalStart + directoryStart - 4);
        const uint32_t directoryCount = m_reader.ReadU32();
        if (directoryCount <= kResourceDirectoryIndex)
            return false;
        m_reader.Skip(kResourceDirectoryIndex * 8);
        m_resourceRva = m_reader.ReadU32();
        m_reader.Seek(optionalStart + optionalSize);
        for (int i = 0; i < sectionCount && m_reader.Ok(); ++i) {
            Section section;
            m_reader.Skip(8);
            section.virtualSize = m_reader.ReadU32();
            section.virtualAddress = m_reader.ReadU32();
            section.rawSize = m_reader.ReadU32();
            section.rawOffset = m_reader.ReadU32();
            m_reader.Skip(16);
            m_sections.push_back(section);
        }
        return m_reader.Ok() && m_resourceRva != 0;
    }

    int64_t FileOffset(uint32_t rva) const
    {
        for (const Section& s : m_sections) {
            const uint32_t extent = std::max(s.virtualSize, s.rawSize);
            if (rva >= s.virtualAddress && rva - s.virtualAddress < extent)
                return static_cast<int64_t>(s.rawOffset) + (rva - s.virtualAddress);
        }
        return -1;
    }

    // The offset field of the directory entry with the given id, or -1.
    int64_t FindEntry(int64_t base, int64_t directory, uint32_t id)
    {
        if (!m_reader.Seek(directory + 12))
            return -1;
        const int count = m_reader.ReadU16() + m_reader.ReadU16();
        for (int i = 0; i < count && m_reader.Ok(); ++i) {
            const uint32_t name = m_reader.ReadU32();
            const uint32_t offset = m_reader.ReadU32();
            if (name == id)
                return m_reader.Ok() ? offset : -1;
        }
        return -1;
    }

    int64_t FirstEntry(int64_t base, int64_t directory)
    {
        if (!m_reader.Seek(directory + 12))
            return -1;
        const int count = m_reader.ReadU16() + m_reader.ReadU16();
        if (count == 0)
            return -1;
        m_reader.Skip(4);
        const uint32_t offset = m_reader.ReadU32();
        return m_reader.Ok() ? offset : -1;
    }

    ByteReader& m_reader;
    uint32_t m_resourceRva = 0;
    std::vector<Section> m_sections;
};

int64_t AlignTo4(int64_t offset, int64_t start)
{
    return start + ((offset - start + 3) & ~int64_t(3));
}

// Parses the block at offset of data (offsets are aligned relative to the resource's start).
bool ParseBlock(const QByteArray& data, int64_t offset, int depth, VersionBlock& block, int64_t* next)
{
    ByteReader reader(data);
    if (depth > kMaxBlockDepth || !reader.Seek(offset))
        return false;
    const uint16_t length = reader.ReadU16();
    const uint16_t valueLength = reader.ReadU16();
    const uint16_t type = reader.ReadU16();
    if (!reader.Ok() || length < 6)
        return false;
    const int64_t end = std::min<int64_t>(offset + length, data.size());
    QString key;
    for (;;) {
        if (reader.Pos() + 2 > end)
            return false;
        const uint16_t c = reader.ReadU16();
        if (c == 0)
            break;
        key.append(QChar(c));
    }
    block.key = key;
    block.isText = type == 1;
    int64_t position = AlignTo4(reader.Pos(), 0);
    const int64_t valueBytes = block.isText ? int64_t(valueLength) * 2 : valueLength;
    const int64_t valueEnd = std::min(position + valueBytes, end);
    if (valueEnd > position)
        block.value = data.mid(position, valueEnd - position);
    position = AlignTo4(std::max(valueEnd, position), 0);
    while (position + 6 <= end) {
        VersionBlock child;
        int64_t after = 0;
        if (!ParseBlock(data, position, depth + 1, child, &after))
            break;
        block.children.push_back(std::move(child));
        if (after <= position)
            break;
        position = AlignTo4(after, 0);
    }
    *next = offset + length;
    return true;
}

QString TextValue(const QByteArray& value)
{
    QString text;
    for (qsizetype i = 0; i + 1 < value.size(); i += 2) {
        const uint16_t c = static_cast<uint8_t>(value[i]) | (static_cast<uint16_t>(static_cast<uint8_t>(value[i + 1])) << 8);
        text.append(QChar(c));
    }
    return TrimAtNull(text);
}

}  // namespace

FileVersionStrings ReadFileVersion(const QString& path)
{
    FileVersionStrings result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return result;
    ByteReader reader(&file);
    PeImage image(reader);
    const QByteArray resource = image.VersionResource();
    file.close();
    if (resource.isEmpty())
        return result;

    VersionBlock root;
    int64_t after = 0;
    if (!ParseBlock(resource, 0, 0, root, &after))
        return result;

    // The first translation: language in the high half, code page in the low half.
    uint32_t translation = 0;
    if (const VersionBlock* vars = root.Child(QStringLiteral("VarFileInfo"))) {
        if (const VersionBlock* entry = vars->Child(QStringLiteral("Translation")); entry && entry->value.size() >= 4) {
            ByteReader value(entry->value);
            const uint16_t language = value.ReadU16();
            const uint16_t codePage = value.ReadU16();
            translation = (static_cast<uint32_t>(language) << 16) | codePage;
        }
    }
    const QString tableName = QStringLiteral("%1").arg(translation, 8, 16, QLatin1Char('0')).toUpper();
    const VersionBlock* strings = root.Child(QStringLiteral("StringFileInfo"));
    const VersionBlock* table = strings ? strings->Child(tableName) : nullptr;

    static const char* const kNames[] = {"CompanyName", "FileDescription", "FileVersion", "InternalName", "LegalCopyright",
        "OriginalFileName", "ProductName", "ProductVersion"};
    for (const char* name : kNames) {
        const VersionBlock* entry = table ? table->Child(QLatin1String(name)) : nullptr;
        if (!entry)
            break;
        const QString value = TextValue(entry->value);
        if (qstrcmp(name, "FileVersion") == 0)
            result.fileVersion = value;
        else if (qstrcmp(name, "OriginalFileName") == 0)
            result.originalFileName = value;
    }
    return result;
}
