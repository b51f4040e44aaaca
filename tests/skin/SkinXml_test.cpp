#include "skin/SkinCatalogue.h"
#include "skin/SkinNode.h"
#include "skin/SkinTheme.h"
#include "skin/SkinValues.h"

#include "base/XmlDocument.h"
#include "common/TestSupport.h"

#include <QDir>
#include <QTemporaryDir>

namespace {

struct ColorCase {
    const char* text;
    int red, green, blue;
};

XmlNode FirstElement(XmlDocument& doc, const QString& xml)
{
    EXPECT_TRUE(doc.loadXML(xml)) << xml.toStdString();
    return doc.DocumentElement();
}

}  // namespace

// Colours are RRGGBB turned into a value with red in the low byte, read up to the first
// character that is no hexadecimal digit.
TEST(SkinValues, ColoursAreReadAsTheOldColourValueWithRedInTheLowByte)
{
    const ColorCase cases[] = {
        {"#FF8000", 255, 128, 0},
        {"#0000FF", 0, 0, 255},
        {"FF0000", 255, 0, 0},
        {"#ff8000", 255, 128, 0},
        {"#12345678", 0x12, 0x34, 0x56},  // only six characters count
        {"#FF80", 0, 0, 0},               // padded with blanks: the reading stops at once
        {"#GG00FF", 0, 255, 0},           // "00" + BB + GG + RR reads "00FF00" up to the G
        {"0", 0, 0, 0},
        {"", 0, 0, 0},
    };
    for (const ColorCase& c : cases) {
        const uint32_t color = ParseSkinColor(QLatin1String(c.text));
        EXPECT_EQ(SkinColorRed(color), c.red) << c.text;
        EXPECT_EQ(SkinColorGreen(color), c.green) << c.text;
        EXPECT_EQ(SkinColorBlue(color), c.blue) << c.text;
    }
    EXPECT_EQ(ParseSkinColor(QStringLiteral("#FF8000")), 0x000080FFu);
}

TEST(SkinValues, BooleansAsTheScriptLanguageConvertsText)
{
    EXPECT_TRUE(ParseSkinBool(QStringLiteral("True"), false));
    EXPECT_TRUE(ParseSkinBool(QStringLiteral(" TRUE "), false));
    EXPECT_FALSE(ParseSkinBool(QStringLiteral("false"), true));
    EXPECT_TRUE(ParseSkinBool(QStringLiteral("-1"), false));
    EXPECT_FALSE(ParseSkinBool(QStringLiteral("0"), true));
    EXPECT_TRUE(ParseSkinBool(QStringLiteral("yes"), true));
    EXPECT_FALSE(ParseSkinBool(QStringLiteral("yes"), false));
}

// Builds 655 to 732 load; below is outdated, above is for a newer player; a skin without a
// build is build 0.
TEST(SkinTheme, BuildNumbersAreCheckedAgainstTheOldestAndThisPlayer)
{
    EXPECT_EQ(CheckSkinBuild(654), SkinBuildCheck::Outdated);
    EXPECT_EQ(CheckSkinBuild(655), SkinBuildCheck::Accepted);
    EXPECT_EQ(CheckSkinBuild(732), SkinBuildCheck::Accepted);
    EXPECT_EQ(CheckSkinBuild(733), SkinBuildCheck::Newer);
    EXPECT_EQ(SkinBuildNumber(QStringLiteral("700.5")), 700);
    EXPECT_EQ(SkinBuildNumber(QStringLiteral("701.5")), 702);
    EXPECT_FALSE(SkinBuildNumber(QStringLiteral("seven")).has_value());

    XmlDocument doc;
    const SkinTheme bare = ReadSkinTheme(FirstElement(doc, QStringLiteral("<theme/>")), QStringLiteral("Folder"));
    EXPECT_EQ(bare.title, QStringLiteral("Folder"));
    EXPECT_EQ(bare.build, QStringLiteral("0"));
    EXPECT_EQ(CheckSkinBuild(*SkinBuildNumber(bare.build)), SkinBuildCheck::Outdated);
    EXPECT_EQ(bare.scriptFile, QStringLiteral("script.vbs"));
    EXPECT_EQ(bare.className, QStringLiteral("BinarySkin.BinarySkinClass"));
    EXPECT_FALSE(bare.hidesMenu);
    EXPECT_FALSE(ThemeNode(doc).IsNull());  // the root's name is matched in any letter case

    const SkinTheme full = ReadSkinTheme(FirstElement(doc,
                                             QStringLiteral("<THEME title='Shiny' build='700' minWidth='320' minHeight='x'"
                                                            " scriptFile='Skin.DLL' hidesMenu='True'/>")),
        QStringLiteral("Folder"));
    EXPECT_EQ(full.title, QStringLiteral("Shiny"));
    EXPECT_EQ(full.minWidth, 320);
    EXPECT_EQ(full.minHeight, 0);
    EXPECT_TRUE(full.hidesMenu);
    EXPECT_TRUE(IsSkinLibrary(full.scriptFile));
    EXPECT_FALSE(IsSkinLibrary(QStringLiteral("script.vbs.txt")));
    EXPECT_FALSE(IsSkinLibrary(QStringLiteral("dll.vbs")));
}

TEST(SkinNode, ElementNamesInAnyLetterCaseOthersAreNotElements)
{
    EXPECT_EQ(SkinElementKindOf(QStringLiteral("button")), SkinElementKind::Button);
    EXPECT_EQ(SkinElementKindOf(QStringLiteral("ButtonLite")), SkinElementKind::ButtonLite);
    EXPECT_EQ(SkinElementKindOf(QStringLiteral("SUBVIEW")), SkinElementKind::SubView);
    EXPECT_FALSE(SkinElementKindOf(QStringLiteral("BUTTONS")).has_value());
    EXPECT_FALSE(SkinElementKindOf(QStringLiteral("#text")).has_value());
    EXPECT_EQ(ArrayOf(SkinElementKind::ButtonLite), SkinArray::IMG);
    EXPECT_EQ(ArrayOf(SkinElementKind::Button), SkinArray::PIC);
    EXPECT_EQ(ArrayOf(SkinElementKind::Label), SkinArray::LBL);
}

// Pictures, labels and sub-views move the window when dragged unless told otherwise; buttons
// do not, and nothing does in the full-screen view.
TEST(SkinNode, DefaultDragActionByKindAndView)
{
    XmlDocument doc;
    const XmlNode node = FirstElement(doc, QStringLiteral("<X/>"));
    for (SkinElementKind kind : {SkinElementKind::Image, SkinElementKind::Label, SkinElementKind::SubView})
        EXPECT_EQ(ReadElementAttributes(node, kind, QStringLiteral("viewNormal")).onDrag, QStringLiteral("MoveWindow"));
    for (SkinElementKind kind : {SkinElementKind::Button, SkinElementKind::ButtonLite})
        EXPECT_EQ(ReadElementAttributes(node, kind, QStringLiteral("viewNormal")).onDrag, QString());
    EXPECT_EQ(ReadElementAttributes(node, SkinElementKind::Image, QStringLiteral("VIEWFULLSCREEN")).onDrag, QString());

    XmlDocument given;
    const XmlNode empty = FirstElement(given, QStringLiteral("<IMAGE onDrag=''/>"));
    EXPECT_EQ(ReadElementAttributes(empty, SkinElementKind::Image, QString()).onDrag, QString());
}

TEST(SkinNode, AttributesWithTheirDefaults)
{
    XmlDocument doc;
    const XmlNode bare = FirstElement(doc, QStringLiteral("<LABEL image='x.png'/>"));
    const SkinElementAttributes label = ReadElementAttributes(bare, SkinElementKind::Label, QString());
    EXPECT_EQ(label.name, QStringLiteral("| no |"));
    EXPECT_TRUE(label.image.isEmpty());  // labels have no picture
    EXPECT_EQ(label.left, QStringLiteral("0"));
    EXPECT_FALSE(label.width.has_value());
    EXPECT_TRUE(label.visible);
    EXPECT_TRUE(label.stretch);
    EXPECT_EQ(label.alignment, 0);
    EXPECT_EQ(label.foreColor, 0u);
    EXPECT_FALSE(label.fontSize.has_value());

    XmlDocument other;
    const XmlNode sub = FirstElement(other,
        QStringLiteral("<SUBVIEW name='s' image='| no |' noStretch='True' visible='False' windowMask='#FF00FF'"
                       " maskColor='#00FF00' backColor='#0000FF' toolTip='Tip' width='ScaleWidth - 2'/>"));
    const SkinElementAttributes subView = ReadElementAttributes(sub, SkinElementKind::SubView, QString());
    EXPECT_TRUE(subView.image.isEmpty());
    EXPECT_FALSE(subView.stretch);
    EXPECT_FALSE(subView.visible);
    EXPECT_EQ(subView.windowMask, 0x00FF00FFu);
    EXPECT_FALSE(subView.maskColor.has_value());  // the window mask takes precedence
    EXPECT_EQ(subView.backColor, 0x00FF0000u);
    EXPECT_EQ(subView.toolTip, QStringLiteral("Tip"));
    EXPECT_EQ(subView.width, QStringLiteral("ScaleWidth - 2"));
    EXPECT_FALSE(ReadElementAttributes(sub, SkinElementKind::Image, QString()).toolTip.has_value());
}

TEST(SkinCatalogue, FoldersWithAReadableSkinXmlInNameOrder)
{
    QTemporaryDir dir;
    const QString root = dir.path() + QLatin1Char('/');
    auto skin = [&](const QString& folder, const QByteArray& xml) {
        QDir().mkpath(root + folder);
        if (!xml.isEmpty())
            WriteAll(root + folder + QStringLiteral("/skin.xml"), xml);
    };
    skin(QStringLiteral("zebra"), "<THEME title='Zebra Stripes' build='700'/>");
    skin(QStringLiteral("Alpha"), "<THEME build='700'/>");
    skin(QStringLiteral("-old"), "<THEME title='Old' build='700'/>");
    skin(QStringLiteral("broken"), "<THEME title='x'");
    skin(QStringLiteral("empty"), QByteArray());
    WriteAll(root + QStringLiteral("file.xml"), "<THEME/>");
    const std::vector<SkinEntry> skins = ListSkins(root);
    ASSERT_EQ(skins.size(), 2u);
    EXPECT_EQ(skins[0].folder, QStringLiteral("Alpha"));
    EXPECT_EQ(skins[0].title, QStringLiteral("Alpha"));
    EXPECT_EQ(skins[1].folder, QStringLiteral("zebra"));
    EXPECT_EQ(skins[1].title, QStringLiteral("Zebra Stripes"));
    EXPECT_EQ(FindSkin(skins, QStringLiteral("ZEBRA")), 1);
    EXPECT_EQ(FindSkin(skins, QStringLiteral("-old")), -1);
    EXPECT_TRUE(ListSkins(root + QStringLiteral("missing/")).empty());
}
