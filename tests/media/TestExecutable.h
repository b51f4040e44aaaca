#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

// Windows executables made by code for the tests: a PE32 image with one ".rsrc" section that
// may hold a version resource.

struct TestVersionResource {
    // Strings of the one string table, in file order.
    QList<QPair<QString, QString>> strings;
    uint16_t language = 0x0409;
    uint16_t codePage = 0x04B0;
    // The string table's key; empty: the language and code page as 8 hexadecimal digits.
    QString tableKey;
    bool withTranslation = true;
};

// A minimal executable, with a version resource when resource is given.
QByteArray MakeTestExecutable(const TestVersionResource* resource);

// An executable whose OriginalFileName is originalName (plus the usual other strings).
QByteArray MakePlayerExecutable(
    const QString& originalName = QStringLiteral("SAFlashPlayer.exe"), const QString& fileVersion = QStringLiteral("7,0,14,0"));

// player + movie + the projector trailer (magic and the movie's length).
QByteArray MakeProjector(const QByteArray& player, const QByteArray& movie);
