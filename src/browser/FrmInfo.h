#pragma once

#include "media/MediaFileInfo.h"

#include <QDialog>

#include <functional>

class QLabel;
class ThumbnailShooter;

// The movie information box: name, path, version, running time, size, frame size and rate, a
// note on how the file is stored, and a thumbnail. It works on its own copy of the record.
class FrmInfo : public QDialog {
    Q_OBJECT

public:
    // shooter makes the thumbnail when the cache holds none (may be null: no thumbnail is made).
    FrmInfo(const MediaFileInfo& info, ThumbnailShooter* shooter, QWidget* parent = nullptr);
    ~FrmInfo() override;

    // Opens a help topic; by default its page in the help folder.
    std::function<void(const QString& topic)> openHelp;

    // The cached thumbnail of the movie: the flattened source path in the cache folder.
    QString ThumbnailPath() const;
    // Shows the cached thumbnail, making it first when it is missing (remake: always).
    void LoadThumbnail(bool remake);
    bool HasThumbnail() const;
    const MediaFileInfo& Info() const { return m_info; }

    // The label of a field by its name ("lblVersion").
    QLabel* Label(const QString& name) const;

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Fill();
    void FitLabels();

    MediaFileInfo m_info;
    ThumbnailShooter* m_shooter;
    QString m_name;
    QString m_fileName;
    bool m_thumbnailAsked = false;
    QLabel* m_picture = nullptr;
    QLabel* m_lblName = nullptr;
    QLabel* m_lblFileName = nullptr;
    QLabel* m_lblVersion = nullptr;
    QLabel* m_lblTime = nullptr;
    QLabel* m_lblSize = nullptr;
    QLabel* m_lblMetrix = nullptr;
    QLabel* m_lblNote = nullptr;
    QLabel* m_lblDamage = nullptr;
};

// ShowMovieInfo: the box for a copy of info, over parent, until it is closed.
void ShowMovieInfo(const MediaFileInfo& info, ThumbnailShooter* shooter, QWidget* parent);
