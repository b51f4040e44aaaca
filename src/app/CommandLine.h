#pragma once

#include <QString>
#include <QStringList>

// What the command-line handler drives: the main window's movie loading and the playlist. The
// main window implements it; tests record the calls.
class CommandLineHost {
public:
    virtual ~CommandLineHost() = default;

    virtual void LoadFlash(const QString& path, const QString& caption, bool nativeSize) = 0;
    virtual void ClearPlaylist() = 0;
    virtual void AddToPlaylist(const QString& path, int level) = 0;
    virtual void PlayEntry(int index) = 0;
    // A hand-over from a second start brings a minimised window back first (maximised when the
    // full-screen entry is checked, else normal). Windowless hosts have nothing to restore.
    virtual void RestoreMinimisedWindow() { }
};

// The command line as one string from the program's arguments (the program name left out).
// When the first argument begins with "/exec" (any letter case) it is a script statement: the
// arguments joined with single blanks, as they are. Otherwise names holding a blank are put in
// double quotes, and names of existing files and folders are made absolute, since a running
// player that receives them stands somewhere else.
QString CommandLineText(const QStringList& arguments);

// The names of a command line: spaces outside double quotes separate them, the quotes are
// dropped. Runs of spaces give empty names, which are skipped; a last name is taken only while
// at least three characters (its separator counted) remain, so a trailing one-character name
// is lost.
QStringList SplitCommandLine(const QString& argument);

// Opens what a command line names. "/exec..." (any letter case) goes whole to LoadFlash;
// otherwise the playlist is replaced by the names (level 0) and its first entry played.
void HandleCommandLine(const QString& argument, CommandLineHost& host);

// A command line handed over by a second start of the program: logged as
// Other Instance Requested: "<text>" and then handled. An empty one does nothing.
void ReceiveHandOver(const QString& text, CommandLineHost& host);
