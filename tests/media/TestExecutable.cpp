#include "TestExecutable.h"

#include "swf/SwfWriter.h"

namespace {

void PadTo(QByteArray& bytes, int alignment)
{
    while (bytes.size() % alignment)
        bytes.append('\0');
}

QByteArray Utf16z(const QString& text)
{
    QByteArray bytes;
    for (const QChar c : text)
        AppendU16(bytes, c.unicode());
    AppendU16(bytes, 0);
    return bytes;
}

// One node of VS_VERSIONINFO: length, value length, type, key, value, children, each 32-bit
// aligned.
QByteArray Block(
    const QString& key, const QByteArray& value, uint16_t valueLength, uint16_t type, const QList<QByteArray>& children = {})
{
    QByteArray body;
    AppendU16(body, 0);
    AppendU16(body, valueLength);
    AppendU16(body, type);
    body.append(Utf16z(key));
    PadTo(body, 4);
    body.append(value);
    for (const QByteArray& child : children) {
        PadTo(body, 4);
        body.append(child);
    }
    const auto length = static_cast<uint16_t>(body.size());
    body[0] = static_cast<char>(length & 0xFF);
    body[1] = static_cast<char>(length >> 8);
    return body;
}

QByteArray VersionInfo(const TestVersionResource& resource)
{
    QByteArray fixed;
    AppendU32(fixed, 0xFEEF04BD);
    AppendU32(fixed, 0x00010000);
    while (fixed.size() < 52)
        AppendU32(fixed, 0);

    QList<QByteArray> strings;
    for (const auto& entry : resource.strings) {
        const QByteArray value = Utf16z(entry.second);
        strings.append(Block(entry.first, value, static_cast<uint16_t>(entry.second.size() + 1), 1));
    }
    const QString key = resource.tableKey.isEmpty()
        ? QStringLiteral("%1%2").arg(resource.language, 4, 16, QLatin1Char('0')).arg(resource.codePage, 4, 16, QLatin1Char('0'))
        : resource.tableKey;
    const QByteArray table = Block(key, QByteArray(), 0, 1, strings);
    QList<QByteArray> children{Block(QStringLiteral("StringFileInfo"), QByteArray(), 0, 1, {table})};
    if (resource.withTranslation) {
        QByteArray translation;
        AppendU16(translation, resource.language);
        AppendU16(translation, resource.codePage);
        const QByteArray var = Block(QStringLiteral("Translation"), translation, 4, 0);
        children.append(Block(QStringLiteral("VarFileInfo"), QByteArray(), 0, 1, {var}));
    }
    return Block(QStringLiteral("VS_VERSION_INFO"), fixed, 52, 0, children);
}

// The ".rsrc" section at virtual address base: type 16 (version), name 1, language 0x409.
QByteArray ResourceSection(const QByteArray& versionInfo, uint32_t base)
{
    auto directory = [](uint32_t id, uint32_t offset) {
        QByteArray bytes(12, '\0');
        AppendU16(bytes, 0);  // named entries
        AppendU16(bytes, 1);  // id entries
        AppendU32(bytes, id);
        AppendU32(bytes, offset);
        return bytes;
    };
    QByteArray section;
    section.append(directory(16, 0x80000000u | 24));
    section.append(directory(1, 0x80000000u | 48));
    section.append(directory(0x409, 72));
    AppendU32(section, base + 88);
    AppendU32(section, static_cast<uint32_t>(versionInfo.size()));
    AppendU32(section, 0);
    AppendU32(section, 0);
    section.append(versionInfo);
    return section;
}

}  // namespace

QByteArray MakeTestExecutable(const TestVersionResource* resource, PeKind kind)
{
    const bool plus = kind == PeKind::Pe32Plus;
    // The optional header: its data directories follow 96 (PE32) or 112 (PE32+) bytes.
    const int optionalSize = plus ? 240 : 224;
    const int directories = plus ? 112 : 96;
    constexpr uint32_t kSectionRva = 0x1000;
    constexpr uint32_t kSectionOffset = 0x200;
    const QByteArray rsrc = resource ? ResourceSection(VersionInfo(*resource), kSectionRva) : QByteArray(16, '\0');

    QByteArray image("MZ");
    image.append(QByteArray(0x3C - 2, '\0'));
    AppendU32(image, 0x40);
    image.append("PE\0\0", 4);
    AppendU16(image, plus ? 0x8664 : 0x14C);
    AppendU16(image, 1);  // one section
    AppendU32(image, 0);
    AppendU32(image, 0);
    AppendU32(image, 0);
    AppendU16(image, static_cast<uint16_t>(optionalSize));
    AppendU16(image, 0x0102);

    QByteArray optional(optionalSize, '\0');
    optional[0] = 0x0B;
    optional[1] = plus ? 0x02 : 0x01;
    auto put32 = [&optional](int at, uint32_t value) {
        for (int i = 0; i < 4; ++i)
            optional[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    };
    put32(directories - 4, 16);  // number of data directories
    if (resource) {
        put32(directories + 2 * 8, kSectionRva);
        put32(directories + 2 * 8 + 4, static_cast<uint32_t>(rsrc.size()));
    }
    image.append(optional);

    QByteArray section(".rsrc\0\0\0", 8);
    AppendU32(section, static_cast<uint32_t>(rsrc.size()));
    AppendU32(section, kSectionRva);
    AppendU32(section, static_cast<uint32_t>((rsrc.size() + 0x1FF) & ~0x1FF));
    AppendU32(section, kSectionOffset);
    section.append(QByteArray(16, '\0'));
    image.append(section);
    image.append(QByteArray(static_cast<qsizetype>(kSectionOffset) - image.size(), '\0'));
    image.append(rsrc);
    PadTo(image, 0x200);
    return image;
}

QByteArray MakePlayerExecutable(const QString& originalName, const QString& fileVersion, PeKind kind)
{
    TestVersionResource resource;
    resource.strings = {
        {QStringLiteral("CompanyName"), QStringLiteral("Test Maker")},
        {QStringLiteral("FileDescription"), QStringLiteral("Test player")},
        {QStringLiteral("FileVersion"), fileVersion},
        {QStringLiteral("InternalName"), QStringLiteral("player")},
        {QStringLiteral("LegalCopyright"), QStringLiteral("none")},
        {QStringLiteral("OriginalFileName"), originalName},
        {QStringLiteral("ProductName"), QStringLiteral("Test")},
        {QStringLiteral("ProductVersion"), fileVersion},
    };
    return MakeTestExecutable(&resource, kind);
}

QByteArray MakeProjector(const QByteArray& player, const QByteArray& movie)
{
    QByteArray bytes = player + movie;
    bytes.append(QByteArray::fromHex("563412FA"));
    AppendU32(bytes, static_cast<uint32_t>(movie.size()));
    return bytes;
}
