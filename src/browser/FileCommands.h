#pragma once

#include <QString>

// The file work of the item pop-up menu: copy, cut and paste through the program's own file
// clipboard, rename and delete. Nothing is ever overwritten: an existing item of the target
// name is a conflict that is reported, and a failure leaves source and target as they were.

// The outcome of one file operation: "" error on success, else the text for the user.
struct FileCommandResult {
    QString error;
    QString target;  // the path written (the copy, the moved or renamed item)
    bool Ok() const { return error.isEmpty(); }
};

// The program's file clipboard (the system clipboard is not used): the path of a pending copy
// or cut followed by two NUL characters, or empty.
class FileClipboard {
public:
    void Copy(const QString& path) { Set(path, false); }
    void Cut(const QString& path) { Set(path, true); }
    void Clear() { m_text.clear(); }
    // The clipboard holds at least three characters: one path and its end mark.
    bool HasItem() const { return m_text.size() >= 3; }
    QString Path() const;
    bool IsCut() const { return m_cut; }
    QString Text() const { return m_text; }

private:
    void Set(const QString& path, bool cut);

    QString m_text;
    bool m_cut = false;
};

// CopyOrMoveFiles: copies or moves the file or folder from into the folder to. A folder is
// never put into itself. A move across file systems copies first and removes the source only
// when the whole copy is there.
FileCommandResult CopyOrMoveFiles(const QString& from, const QString& to, bool move);

// Pastes the clipboard's item into folder; the clipboard is emptied after a successful paste.
// An item whose path ends in "/.." means its folder.
FileCommandResult PasteInto(FileClipboard& clipboard, const QString& folder);

// The name the rename dialog starts with: the item's name without folder and extension.
QString RenameProposal(const QString& item);
// The path a rename gives: the item's folder, the typed name and the item's extension
// ("final" for "/m/intro.swf" gives "/m/final.swf", "final.swf" gives "/m/final.swf.swf").
QString RenameTarget(const QString& item, const QString& typed);
// Renames item to the typed name; an unchanged name does nothing (and succeeds). A name that is
// empty, "." or "..", holds "/" or "\", or names an existing item is refused.
FileCommandResult RenameItem(const QString& item, const QString& typed);
