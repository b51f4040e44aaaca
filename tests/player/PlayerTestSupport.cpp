#include "PlayerTestSupport.h"

#include "options/RegistryStore.h"
#include "swf/SwfWriter.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>

QByteArray MovieBytes(const TestMovie& movie)
{
    SwfWriter writer;
    writer.SetVersion(8).SetFrameSize(movie.width, movie.height).SetFrameRate(movie.frameRate);
    writer.SetBackgroundColor(0x20, 0x40, 0x60);
    for (int i = 0; i < movie.frames; ++i)
        writer.ShowFrame();
    return writer.ToBytes(movie.compressed);
}

QStringList FakeFileDialogs::OpenFiles(QWidget*, const QString& title, const QString& folder, const QString& filter)
{
    lastTitle = title;
    lastFolder = folder;
    lastFilter = filter;
    return openAnswer;
}

QString FakeFileDialogs::SaveFile(QWidget*, const QString& title, const QString& folder, const QString&, const QString& filter)
{
    lastTitle = title;
    lastFolder = folder;
    lastFilter = filter;
    return saveAnswer;
}

QString FakeFileDialogs::ChooseFolder(QWidget*, const QString& title, const QString& folder)
{
    lastTitle = title;
    lastFolder = folder;
    return folderAnswer;
}

namespace {
const char* const kCaughtSchemes[] = {"http", "https", "mailto", "file"};
}  // namespace

OpenedUrls::OpenedUrls()
{
    for (const char* scheme : kCaughtSchemes)
        QDesktopServices::setUrlHandler(QLatin1String(scheme), this, "Open");
}

OpenedUrls::~OpenedUrls()
{
    for (const char* scheme : kCaughtSchemes)
        QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
}

void FakeExtensions::Run(PlayerFeature feature, const QString& argument)
{
    runs << QString::number(int(feature)) + QLatin1Char(' ') + argument;
}

PlayerTest::PlayerTest()
    : m_oldConfig(qgetenv("VORLEN_CONFIG_DIR"))
    , m_recent(RecentServices{[](const QString& path) { return path; }, {}, [](const QString&) {}})
{
    QDir().mkpath(FolderPath() + QStringLiteral("config"));
    qputenv("VORLEN_CONFIG_DIR", (FolderPath() + QStringLiteral("config")).toUtf8());
    // The "Ve Zedaz" folder and its playlist stay inside the test's folder.
    WriteRegistryString(QStringLiteral("Recent"), QStringLiteral("MyFlash"), MyFlash());
}

PlayerTest::~PlayerTest()
{
    m_player.reset();
    if (m_oldConfig.isNull())
        qunsetenv("VORLEN_CONFIG_DIR");
    else
        qputenv("VORLEN_CONFIG_DIR", m_oldConfig);
}

Player& PlayerTest::MakePlayer(std::unique_ptr<PlayerSkin> skin)
{
    auto control = std::make_unique<FakeFlashControl>();
    m_swf = control.get();
    PlayerParts parts;
    parts.swf = std::move(control);
    parts.skin = std::move(skin);
    m_optionSet = std::make_unique<OptionSet>(m_options);
    AddProgramOptionRows(*m_optionSet, ProgramOptionHolders{&m_state, &m_generator, &m_extractor, &m_update, &m_font});
    parts.options = m_optionSet.get();
    parts.settings = &m_state;
    parts.recent = &m_recent;
    parts.extensions = &m_extensions;
    parts.desktop = &m_desktop;
    parts.fileDialogs = &m_dialogs;
    parts.browser = &m_browser;
    parts.hooks = m_hooks;
    parts.newControl = m_newControl;
    parts.releaseInstance = [this] { ++m_released; };
    AddParts(parts);
    m_player = std::make_unique<Player>(std::move(parts));
    return *m_player;
}

QString PlayerTest::WriteFile(const QString& name, const QByteArray& bytes)
{
    const QString path = FolderPath() + name;
    QDir().mkpath(QFileInfo(path).absolutePath());
    WriteAll(path, bytes);
    return path;
}

QString PlayerTest::WriteMovie(const QString& name, const TestMovie& movie)
{
    return WriteFile(name, MovieBytes(movie));
}

QString PlayerTest::WelcomeXml() const
{
    return QString::fromUtf8(ReadAll(m_app.Path() + QStringLiteral("Data/Flash/welcome.xml")));
}

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
