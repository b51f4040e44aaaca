#pragma once

#include <QDialog>

class QLineEdit;

// The rename dialog: "Type in a new name:", the name selected in its box, OK and Cancel.
class FrmRename : public QDialog {
    Q_OBJECT

public:
    explicit FrmRename(const QString& name, QWidget* parent = nullptr);

    // The text typed when OK closed the dialog, "" after Cancel.
    QString Result() const { return m_result; }
    QLineEdit* Input() const { return m_txtInput; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLineEdit* m_txtInput = nullptr;
    QString m_result;
};

// Shows the dialog modally with name in its box; the typed name, or "" when cancelled.
QString ShowRenameDialog(const QString& name, QWidget* parent);
