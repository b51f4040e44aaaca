#pragma once

#include <QFrame>
#include <QStringList>

#include <functional>

class QComboBox;
class QPlainTextEdit;
class QToolButton;

// The console "Console" over the player window: the output box txtConsole, the input line with
// its history cmbConsole and the close box chkCloseConsole. Enter runs the line; a line that ran
// without error joins the history (once, letter case ignored), which the option store keeps
// between runs (section "Console"). Esc, F12 and the close box hide the panel. It covers the
// lower part of the window it is placed on and follows the window's size. Its tooltips are the
// window's texts (TranslateForm).
class ConsolePanel : public QFrame {
    Q_OBJECT

public:
    // run: runs a line and says whether it ran without error.
    ConsolePanel(QWidget* window, std::function<bool(const QString&)> run);

    // The output box's text: a line break before every line, as Out writes it.
    void SetOutput(const QString& text);
    void AppendOutput(const QString& line);
    QString Output() const;
    QStringList History() const;
    QComboBox* Input() const { return m_input; }
    // Shows the panel with the focus in the input line.
    void Open();

    // The most lines the history keeps (the oldest go first).
    static constexpr int kHistoryLimit = 100;
    static QStringList LoadHistory();

Q_SIGNALS:
    void HideRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Enter();
    void AddToHistory(const QString& line);
    void SaveHistory() const;
    void Place();

    std::function<bool(const QString&)> m_run;
    QPlainTextEdit* m_output = nullptr;
    QComboBox* m_input = nullptr;
    QToolButton* m_close = nullptr;
};
