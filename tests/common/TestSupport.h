#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// The shared corpus of real files; "" when it is absent.
QString CorpusDir();

// Skips the current test when the corpus is absent.
#define SKIP_WITHOUT_CORPUS()                                                                                                    \
    do {                                                                                                                         \
        if (CorpusDir().isEmpty())                                                                                               \
            GTEST_SKIP() << "shared corpus not found (../shared/corpus)";                                                        \
    } while (0)

// The rows of a manifest of the corpus ("manifest.tsv", "png-manifest.tsv"), each by column
// name; empty without the corpus.
using CorpusRow = QHash<QString, QString>;
QList<CorpusRow> CorpusRows(const QString& manifest = QStringLiteral("manifest.tsv"));

// True when windows can be shown: an X or Wayland display, or a Qt platform chosen by hand.
bool HasDisplay();

// Skips the current test when no window can be shown.
#define SKIP_WITHOUT_DISPLAY()                                                                                                   \
    do {                                                                                                                         \
        if (!HasDisplay())                                                                                                       \
            GTEST_SKIP() << "no display";                                                                                        \
    } while (0)

// The built application tree (programs, Data/, Languages/...).
QString AppTreeDir();

// The repository's own folder.
QString SourceDir();

QByteArray ReadAll(const QString& path);
bool WriteAll(const QString& path, const QByteArray& bytes);

// A fresh application folder in a temporary directory, with the Data/ tree, set as the
// program's folders (log included). The cache goes below the same temporary directory.
class TempAppFolder {
public:
    TempAppFolder();
    ~TempAppFolder();
    QString Path() const { return m_dir.path() + QLatin1Char('/'); }
    // The log text written so far.
    QString Log() const;
    // The log lines after the 11 header lines.
    QStringList LogBody() const;

private:
    QTemporaryDir m_dir;
    QByteArray m_oldCache;
};
