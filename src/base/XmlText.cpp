#include "base/XmlText.h"

#include "base/ExecutionLog.h"
#include "base/XmlDocument.h"

#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringConverter>
#include <QStringEncoder>

QString EscapeXml(const QString& text)
{
    QString result;
    result.reserve(text.size() + 16);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('<'))
            result += QStringLiteral("&#60;");
        else if (c == QLatin1Char('>'))
            result += QStringLiteral("&#62;");
        else if (c == QLatin1Char('"'))
            result += QStringLiteral("&#34;");
        else if (c == QLatin1Char('&') && !(i + 1 < text.size() && text.at(i + 1) == QLatin1Char('#')))
            result += QStringLiteral("&#38;");
        else
            result += c;
    }
    return result;
}

namespace {

// The bytes of the document in the encoding its declaration names (UTF-8 when it names none
// or one we cannot write).
QByteArray EncodeDocument(const QString& xmlText)
{
    static const QRegularExpression declaration(QStringLiteral(R"(^\s*<\?xml[^>]*encoding\s*=\s*["']([^"']+)["'])"));
    const QRegularExpressionMatch match = declaration.match(xmlText);
    if (match.hasMatch()) {
        QStringEncoder encoder(match.captured(1).toUtf8().constData(), QStringConverter::Flag::WriteBom);
        if (encoder.isValid()) {
            QByteArray bytes = encoder.encode(xmlText);
            if (!encoder.hasError())
                return bytes;
        }
    }
    return xmlText.toUtf8();
}

}  // namespace

void SaveXML(const QString& path, const QString& xmlText)
{
    if (QFile::exists(path))
        QFile::remove(path);

    XmlDocument document;
    if (!document.loadXML(xmlText)) {
        const XmlParseError& error = document.parseError();
        LogLine(QStringLiteral("SaveXML: ") + error.reason + QStringLiteral(" (") + QString::number(error.line)
                + QStringLiteral(" - ") + QString::number(error.linepos) + QStringLiteral(")"),
            true);
        LogLine(error.srcText, true);
        return;
    }
    // The text parsed: it is written as given, so generated documents keep their exact form.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return;
    file.write(EncodeDocument(xmlText));
    file.commit();
}

QString ReadTextFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    const QString content = QString::fromUtf8(file.readAll());
    if (content.isEmpty())
        return QString();
    // Lines end at CR LF, LF or a lone CR; a last line without an ending still counts.
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\n|\r"));
    QStringList lines = content.split(lineEnd);
    if (lines.last().isEmpty())
        lines.removeLast();
    QString result;
    for (const QString& line : lines)
        result += line + QStringLiteral("\r\n");
    return result;
}
