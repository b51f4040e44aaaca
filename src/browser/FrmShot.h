#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

// The media browser's shot progress: "Creating 3 of 40", a progress bar (only while more than
// one shot is due) and Cancel. It stays beside the grid while the thumbnails are taken.
class FrmShot : public QDialog {
    Q_OBJECT

public:
    explicit FrmShot(QWidget* parent = nullptr);

    // Shot i of n is being taken.
    void ShowShot(int i, int n);
    QString Caption() const;
    bool ProgressVisible() const;

Q_SIGNALS:
    // Cancel was pressed: the shots end.
    void Cancelled();

private:
    QLabel* m_caption = nullptr;
    QProgressBar* m_progress = nullptr;
    QPushButton* m_cbCancel = nullptr;
};

// "Creating", i, "of", n and the closing text of the language, each followed by a blank.
QString ShotCaption(int i, int n);
