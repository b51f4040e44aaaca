#pragma once

#include "../player/PlayerTestSupport.h"

#include "skin/XmlSkin.h"

#include <QImage>

#include <ostream>

// Texts in test messages.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

// The player window on the fake control with the skins of its application folder: skins are
// written by the test, or copied from the built application tree.
class SkinTest : public PlayerTest {
protected:
    QString SkinsFolder() const { return m_app.Path() + QStringLiteral("Skins/"); }
    // Writes skin.xml (and script.vbs when given) into Skins/<name>/.
    void WriteSkin(const QString& name, const QString& xml, const QString& script = QString());
    // A theme of build 732 around the body, with more THEME attributes when given.
    static QString Theme(const QString& body, const QString& attributes = QString());
    // Writes a picture into a skin folder ("up/b.png").
    void WritePicture(const QString& skin, const QString& path, const QImage& picture);
    static QImage Solid(QSize size, QColor color);
    // Copies a shipped skin of the built application tree into the test's Skins folder.
    void CopyShippedSkin(const QString& name);

    // The window with the skin named by the options ("" for "No Skin").
    Player& MakeSkinnedPlayer(const QString& skinName);
    XmlSkin& Skin() { return *m_skin; }
    // The control of the element of that name; fails the test when there is none.
    SkinControl* Control(const QString& name);
    // Runs a statement in the script engine and gives what it printed with Out.
    QString Say(const QString& statement);
    // Processes pending events, the deferred ones (deletions, timers of 0 ms) included.
    static void Settle();

    QStringList m_messages;  // the build messages shown
    XmlSkin* m_skin = nullptr;
};
