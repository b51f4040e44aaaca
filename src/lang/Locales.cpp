#include "lang/Locales.h"

#include "base/ExecutionLog.h"

#include <QStringEncoder>

#include <optional>

namespace {

struct LocaleRow {
    int32_t lcid;
    const char* name;  // language_TERRITORY
    int32_t codePage;  // default ANSI code page, 0 for Unicode-only locales
};

const LocaleRow kLocales[] = {
    {1033, "en_US", 1252},
    {2057, "en_GB", 1252},
    {3081, "en_AU", 1252},
    {4105, "en_CA", 1252},
    {1031, "de_DE", 1252},
    {3079, "de_AT", 1252},
    {2055, "de_CH", 1252},
    {1036, "fr_FR", 1252},
    {2060, "fr_BE", 1252},
    {3084, "fr_CA", 1252},
    {4108, "fr_CH", 1252},
    {3082, "es_ES", 1252},
    {1034, "es_ES", 1252},
    {2058, "es_MX", 1252},
    {1040, "it_IT", 1252},
    {1043, "nl_NL", 1252},
    {2067, "nl_BE", 1252},
    {1046, "pt_BR", 1252},
    {2070, "pt_PT", 1252},
    {1030, "da_DK", 1252},
    {1035, "fi_FI", 1252},
    {1039, "is_IS", 1252},
    {1044, "nb_NO", 1252},
    {1053, "sv_SE", 1252},
    {1027, "ca_ES", 1252},
    {1057, "id_ID", 1252},
    {1029, "cs_CZ", 1250},
    {1038, "hu_HU", 1250},
    {1045, "pl_PL", 1250},
    {1048, "ro_RO", 1250},
    {1050, "hr_HR", 1250},
    {1051, "sk_SK", 1250},
    {1060, "sl_SI", 1250},
    {1049, "ru_RU", 1251},
    {1058, "uk_UA", 1251},
    {1059, "be_BY", 1251},
    {1026, "bg_BG", 1251},
    {3098, "sr_RS", 1251},
    {1032, "el_GR", 1253},
    {1055, "tr_TR", 1254},
    {1037, "he_IL", 1255},
    {1025, "ar_SA", 1256},
    {1065, "fa_IR", 1256},
    {1061, "et_EE", 1257},
    {1062, "lv_LV", 1257},
    {1063, "lt_LT", 1257},
    {1066, "vi_VN", 1258},
    {1054, "th_TH", 874},
    {1041, "ja_JP", 932},
    {2052, "zh_CN", 936},
    {1042, "ko_KR", 949},
    {1028, "zh_TW", 950},
    {3076, "zh_HK", 950},
    {1081, "hi_IN", 0},
};

struct CharSetRow {
    int32_t codePage;
    int32_t charSet;
};

const CharSetRow kCharSets[] = {
    {1252, 0},
    {1250, 238},
    {1251, 204},
    {1253, 161},
    {1254, 162},
    {1255, 177},
    {1256, 178},
    {1257, 186},
    {1258, 163},
    {874, 222},
    {932, 128},
    {936, 134},
    {949, 129},
    {950, 136},
};

const LocaleRow* RowOf(int32_t lcid)
{
    for (const LocaleRow& row : kLocales) {
        if (row.lcid == lcid)
            return &row;
    }
    return nullptr;
}

std::optional<int32_t> g_systemLcid;

}  // namespace

int32_t LcidForLocale(const QLocale& locale)
{
    const QString name = locale.name();
    for (const LocaleRow& row : kLocales) {
        if (name == QLatin1String(row.name))
            return row.lcid;
    }
    const QString language = name.section(QLatin1Char('_'), 0, 0);
    for (const LocaleRow& row : kLocales) {
        if (QLatin1String(row.name).startsWith(language + QLatin1Char('_')))
            return row.lcid;
    }
    return kUnknownLCID;
}

QLocale LocaleForLcid(int32_t lcid)
{
    const LocaleRow* row = RowOf(lcid);
    return row ? QLocale(QLatin1String(row->name)) : QLocale::c();
}

int32_t AnsiCodePageForLcid(int32_t lcid)
{
    const LocaleRow* row = RowOf(lcid);
    return row ? row->codePage : 0;
}

int32_t CharSetFromCodePage(int32_t codePage)
{
    for (const CharSetRow& row : kCharSets) {
        if (row.codePage == codePage)
            return row.charSet;
    }
    return 0;
}

int32_t CharSetFromLocale(int32_t lcid)
{
    const int32_t codePage = AnsiCodePageForLcid(lcid);
    return codePage == 0 ? 0 : CharSetFromCodePage(codePage);
}

int32_t SystemLCID()
{
    if (!g_systemLcid)
        g_systemLcid = LcidForLocale(QLocale::system());
    return *g_systemLcid;
}

void SetSystemLCID(int32_t lcid)
{
    g_systemLcid = lcid;
}

void LogLocale()
{
    LogLine(
        QStringLiteral("LC: %1 CP: %2 CS: %3").arg(SystemLCID()).arg(kSystemCodePage).arg(CharSetFromCodePage(kSystemCodePage)));
}

QByteArray ToMultiByte(const QString& text, int32_t codePage)
{
    if (codePage == 1252 || codePage == 28591) {
        QStringEncoder encoder(QStringEncoder::Latin1);
        return encoder.encode(text);
    }
    return text.toUtf8();
}
