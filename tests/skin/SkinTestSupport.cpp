#include "SkinTestSupport.h"

#include "options/RegistryStore.h"
#include "script/ScriptEngine.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>

void SkinTest::WriteSkin(const QString& name, const QString& xml, const QString& script)
{
    const QString folder = SkinsFolder() + name + QLatin1Char('/');
    QDir().mkpath(folder);
    WriteAll(folder + QStringLiteral("skin.xml"), xml.toUtf8());
    if (!script.isNull())
        WriteAll(folder + QStringLiteral("script.vbs"), script.toUtf8());
}

QString SkinTest::Theme(const QString& body, const QString& attributes)
{
    return QStringLiteral("<THEME build=\"732\" ") + attributes + QStringLiteral(">") + body + QStringLiteral("</THEME>");
}

void SkinTest::WritePicture(const QString& skin, const QString& path, const QImage& picture)
{
    const QString file = SkinsFolder() + skin + QLatin1Char('/') + path;
    QDir().mkpath(QFileInfo(file).absolutePath());
    ASSERT_TRUE(picture.save(file, "PNG")) << file.toStdString();
}

QImage SkinTest::Solid(QSize size, QColor color)
{
    QImage picture(size, QImage::Format_ARGB32);
    picture.fill(color);
    return picture;
}

void SkinTest::CopyShippedSkin(const QString& name)
{
    const QString from = AppTreeDir() + QStringLiteral("/Skins/") + name;
    ASSERT_TRUE(QFileInfo(from + QStringLiteral("/skin.xml")).isFile()) << from.toStdString();
    QDirIterator files(from, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString file = files.next();
        const QString to = SkinsFolder() + name + file.mid(from.size());
        QDir().mkpath(QFileInfo(to).absolutePath());
        QFile::copy(file, to);
    }
}

Player& SkinTest::MakeSkinnedPlayer(const QString& skinName)
{
    WriteRegistryString(QStringLiteral("View"), QStringLiteral("Skin"), skinName);
    auto skin = std::make_unique<XmlSkin>();
    m_skin = skin.get();
    m_skin->SetMessageFunction([this](const QString& text) { m_messages << text; });
    return MakePlayer(std::move(skin));
}

SkinControl* SkinTest::Control(const QString& name)
{
    const int number = m_skin->FindElement(name);
    SkinElement* element = m_skin->ElementAt(number);
    EXPECT_TRUE(element && element->control) << "no element " << name.toStdString();
    return element ? element->control.data() : nullptr;
}

QString SkinTest::Say(const QString& statement)
{
    const qsizetype before = player().ConsoleText().size();
    EXPECT_TRUE(player().Script().ExecuteStatement(statement))
        << statement.toStdString() << ": " << player().Script().Error().description.toStdString();
    return player().ConsoleText().mid(before).trimmed();
}

void SkinTest::Settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
