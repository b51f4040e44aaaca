#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class ThumbnailShooter;

// What one run of the thumbnail generator does.
struct GeneratorJob {
    QString source;                 // the folder to walk
    bool recursive = true;          // with its sub-folders
    bool overwrite = true;          // existing thumbnails are replaced
    int quality = 90;               // JPEG quality 0..100
    bool show = true;               // shots are shown as they are taken
    bool genericProjectors = true;  // executables that are not Flash projectors are skipped
    // Whether an executable is a Flash projector; by default its version resource decides.
    std::function<bool(const QString& path)> isProjector;
};

// What a run found and made.
struct GeneratorResult {
    QStringList files;  // the movies found (".swf" files, then ".exe" files)
    int folders = 0;    // folders searched
    int created = 0;    // thumbnails taken
    bool cancelled = false;
};

// What a run tells the one who watches it.
struct GeneratorWatch {
    // The dialog's status line: "Searching for Movies...", "Creating Thumbnails (n)...".
    std::function<void(const QString& text)> status;
    // Before file i (1-based) of n is looked at.
    std::function<void(int i, int n, const QString& file)> file;
    // After file i of n: the progress fraction i / n.
    std::function<void(double fraction)> progress;
    // Asked while the folders are searched (window events may be handled there).
    std::function<void()> pump;
};

// The thumbnail generator's run ("Go"): searches the source folder for "*.swf" and then "*.exe"
// files and writes a thumbnail beside each (the movie's name with ".jpg"), skipping those whose
// thumbnail exists when overwrite is off and, with genericProjectors, executables that are not
// Flash projectors. Cancel ends the run after the shot in progress.
class ThumbnailGenerator {
public:
    ThumbnailGenerator(GeneratorJob job, ThumbnailShooter& shooter);

    GeneratorResult Run(const GeneratorWatch& watch = {});
    void Cancel();
    bool IsCancelled() const { return m_cancelled; }

private:
    bool Skips(const QString& file, const QString& thumbnail) const;

    GeneratorJob m_job;
    ThumbnailShooter& m_shooter;
    bool m_cancelled = false;
};

// The closing message of a run: the heading ("Thumbnail Generation Cancelled!" or "Thumbnail
// Generation Complete!"), two line breaks, "Thumbnails created:" and the count (with " / " and
// the number of files when fewer were created), a line break and "Folders Searched:" with the
// count, and when an application was launched a line break, "Executed:" and its path.
QString GeneratorSummaryText(const GeneratorResult& result, bool executed, const QString& application);
