#include "OptionsTestSupport.h"

#include "options/LoadSaveOptions.h"
#include "options/OptionValue.h"

#include <QSet>

#include <optional>

namespace {

struct ConversionCase {
    OptionType type;
    const char* text;
    const char* expected;  // nullptr: does not convert
};

const ConversionCase kConversions[] = {
    {OptionType::Boolean, "True", "True"},
    {OptionType::Boolean, "fALSE", "False"},
    {OptionType::Boolean, "0", "False"},
    {OptionType::Boolean, "-1", "True"},
    {OptionType::Boolean, "7", "True"},
    {OptionType::Boolean, "yes", nullptr},
    {OptionType::Boolean, "", nullptr},
    {OptionType::Byte, "255", "255"},
    {OptionType::Byte, "300", nullptr},
    {OptionType::Byte, "-1", nullptr},
    {OptionType::Byte, "abc", nullptr},
    {OptionType::Byte, " 50 ", "50"},
    {OptionType::Byte, "2.5", "2"},
    {OptionType::Byte, "3.5", "4"},
    {OptionType::Integer, "-32768", "-32768"},
    {OptionType::Integer, "32768", nullptr},
    {OptionType::Long, "2147483647", "2147483647"},
    {OptionType::Long, "2147483648", nullptr},
    {OptionType::Long, "12000", "12000"},
    {OptionType::Single, "1234.5", "1234.5"},
    {OptionType::Single, "7200", "7200"},
    {OptionType::Single, "1e39", nullptr},
    {OptionType::Decimal, "8", "8"},
    {OptionType::Decimal, "10.5", "10.5"},
    {OptionType::Decimal, "big", nullptr},
    {OptionType::Text, "", ""},
    {OptionType::Text, "any text", "any text"},
};

}  // namespace

TEST(OptionValue, StoredTextsConvertOrAreRefused)
{
    for (const ConversionCase& c : kConversions) {
        const std::optional<QString> result = NormalizedOptionText(c.type, QString::fromUtf8(c.text));
        if (c.expected != nullptr) {
            ASSERT_TRUE(result.has_value()) << c.text;
            EXPECT_EQ(*result, QString::fromUtf8(c.expected)) << c.text;
        } else {
            EXPECT_FALSE(result.has_value()) << c.text << " gave " << result->toStdString();
        }
    }
}

TEST(OptionValue, RefusedTextLeavesTheValueAsItWas)
{
    uint8_t volume = 42;
    EXPECT_FALSE(AssignOptionText(&volume, "300"));
    EXPECT_EQ(volume, 42);
    EXPECT_TRUE(AssignOptionText(&volume, "7"));
    EXPECT_EQ(volume, 7);
}

TEST(OptionTable, RowsAgreeWithTheirHoldersAndTheLoadSaveOrder)
{
    TestHolders holders;
    const OptionSet all = holders.All();
    QSet<QString> names;
    for (const OptionRow& row : all.Rows()) {
        if (!row.section)
            continue;
        const QString name = QLatin1String(row.section) + "/" + QLatin1String(row.name);
        EXPECT_FALSE(names.contains(name)) << "twice: " << name.toStdString();
        names.insert(name);
        if (IsHeld(row.target)) {
            EXPECT_EQ(TypeOf(row.target), row.type) << name.toStdString();
        } else {
            EXPECT_FALSE(row.load.order > 0 && !row.load.apply) << name.toStdString();
        }
        if (row.defaultKind == OptionDefault::Fixed) {
            EXPECT_TRUE(NormalizedOptionText(row.type, QLatin1String(row.defaultText)).has_value()) << name.toStdString();
        }
        EXPECT_EQ(LoadOptsOrder(all).contains(name), row.load.order > 0) << name.toStdString();
        EXPECT_EQ(SaveOptsOrder(all).contains(name), row.save.order > 0) << name.toStdString();
    }
    for (const QString& name : LoadOptsOrder(all) + SaveOptsOrder(all))
        EXPECT_TRUE(names.contains(name)) << "no row: " << name.toStdString();
    EXPECT_EQ(LoadOptsOrder(all).removeDuplicates(), 0);
    EXPECT_EQ(SaveOptsOrder(all).removeDuplicates(), 0);
}
