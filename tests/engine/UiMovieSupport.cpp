#include "UiMovieSupport.h"

#include "base/AppFolders.h"
#include "media/FlashVideo.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMouseEvent>
#include <QTime>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <memory>

UiDocument::UiDocument(const QString& stem, const QString& xml)
{
    static int counter = 0;
    m_path
        = Folders().flash + QStringLiteral("test-%1-%2-%3.xml").arg(QCoreApplication::applicationPid()).arg(++counter).arg(stem);
    QFile file(m_path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(xml.toUtf8());
}

UiDocument::~UiDocument()
{
    QFile::remove(m_path);
}

QString UiMovieAddress(const QString& movie, const QString& xmlPath, bool noAnimation)
{
    return Folders().flash + movie + QStringLiteral("?myXML=") + EncodeUrlText(xmlPath) + QStringLiteral("&time=")
        + QTime::currentTime().toString(QStringLiteral("HH:mm:ss.zzz")) + QStringLiteral("&noanim=")
        + (noAnimation ? QStringLiteral("True") : QStringLiteral("False"));
}

QVariant CallMovie(RuffleFlashControl& control, const QString& name, const QVariantList& arguments, int timeoutMs)
{
    auto* view = qobject_cast<QWebEngineView*>(control.widget());
    if (!view)
        return QVariant();
    QJsonArray all{name};
    for (const QVariant& argument : arguments)
        all.append(QJsonValue::fromVariant(argument));
    const QString call = QString::fromUtf8(QJsonDocument(all).toJson(QJsonDocument::Compact));
    // The page's player answers for the movie; a movie without that callback throws.
    const QString script
        = QStringLiteral("(function(){try{return "
                         "vorlen.player?vorlen.player.ruffle().callExternalInterface(...%1):null;}catch(e){return null;}})()")
              .arg(call);
    auto answer = std::make_shared<std::pair<bool, QVariant>>(false, QVariant());
    view->page()->runJavaScript(script, [answer](const QVariant& result) {
        answer->second = result;
        answer->first = true;
    });
    control.WaitFor([answer] { return answer->first; }, timeoutMs);
    return answer->second;
}

QJsonObject MovieState(RuffleFlashControl& control)
{
    const QVariant answer = CallMovie(control, QStringLiteral("vorlenState"));
    return QJsonDocument::fromJson(answer.toString().toUtf8()).object();
}

bool WaitForDocument(RuffleFlashControl& control, int timeoutMs)
{
    return control.WaitFor(
        [&control] {
            const QString state = MovieState(control).value(QStringLiteral("state")).toString();
            return state == QLatin1String("ready") || state == QLatin1String("failed");
        },
        timeoutMs);
}

QJsonObject ShowUiMovie(
    RuffleFlashControl& control, const QString& movie, const QString& xmlPath, const QSize& size, bool noAnimation)
{
    control.widget()->resize(size);
    control.LoadMovie(0, UiMovieAddress(movie, xmlPath, noAnimation));
    if (!control.WaitForMovie(20000) || !WaitForDocument(control))
        return QJsonObject();
    return MovieState(control);
}

QPoint AreaCentre(const QJsonObject& area)
{
    if (!area.contains(QStringLiteral("x")))
        return QPoint();
    return QPoint(qRound(area.value(QStringLiteral("x")).toDouble() + area.value(QStringLiteral("w")).toDouble() / 2),
        qRound(area.value(QStringLiteral("y")).toDouble() + area.value(QStringLiteral("h")).toDouble() / 2));
}

namespace {

void SendMouse(RuffleFlashControl& control, QEvent::Type type, const QPoint& at, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    QWidget* input = control.widget()->focusProxy();
    if (!input)
        input = control.widget();
    const QPointF local(at);
    QMouseEvent event(type, local, control.widget()->mapToGlobal(local), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(input, &event);
}

}  // namespace

void MoveMouse(RuffleFlashControl& control, const QPoint& at)
{
    SendMouse(control, QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton);
}

void ClickAt(RuffleFlashControl& control, const QPoint& at)
{
    MoveMouse(control, at);
    SendMouse(control, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    SendMouse(control, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
}

CommandLog::CommandLog(FlashControl& control)
    : m_control(qobject_cast<RuffleFlashControl*>(&control))
{
    connect(&control, &FlashControl::FSCommand, this, [this](const QString& command, const QString& args) {
        all.append({command, args});
    });
}

bool CommandLog::WaitFor(const QString& command, int timeoutMs, int skip)
{
    auto seen = [this, command, skip] { return ArgumentsOf(command).size() > skip; };
    if (!m_control)
        return seen();
    return m_control->WaitFor(seen, timeoutMs);
}

QStringList CommandLog::ArgumentsOf(const QString& command) const
{
    QStringList arguments;
    for (const auto& [name, args] : all) {
        if (name == command)
            arguments << args;
    }
    return arguments;
}
