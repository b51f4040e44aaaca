#include "player/ConsolePanel.h"

#include "options/RegistryStore.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString kSection = QStringLiteral("Console");

}  // namespace

ConsolePanel::ConsolePanel(QWidget* window, std::function<bool(const QString&)> run)
    : QFrame(window)
    , m_run(std::move(run))
{
    setObjectName(QStringLiteral("Console"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    setStyleSheet(QStringLiteral("#Console { background: #1e2228; border-top: 1px solid #4a5260; }"
                                 "#txtConsole { background: #1e2228; color: #d8dde6; border: none;"
                                 " font-family: monospace; }"
                                 "#cmbConsole { background: #2a2f37; color: #eef1f5; font-family: monospace; }"));

    m_output = new QPlainTextEdit(this);
    m_output->setObjectName(QStringLiteral("txtConsole"));
    m_output->setReadOnly(true);
    m_output->setMaximumBlockCount(5000);
    m_output->setFocusPolicy(Qt::ClickFocus);

    m_input = new QComboBox(this);
    m_input->setObjectName(QStringLiteral("cmbConsole"));
    m_input->setEditable(true);
    m_input->setInsertPolicy(QComboBox::NoInsert);
    m_input->setMaxVisibleItems(12);
    // The line runs as typed: no history entry completes it behind the user's back.
    m_input->setCompleter(nullptr);
    m_input->addItems(LoadHistory());
    m_input->setCurrentIndex(-1);
    m_input->setToolTip(QStringLiteral("Type a statement and press Enter"));
    m_input->lineEdit()->installEventFilter(this);
    connect(m_input->lineEdit(), &QLineEdit::returnPressed, this, &ConsolePanel::Enter);

    m_close = new QToolButton(this);
    m_close->setObjectName(QStringLiteral("chkCloseConsole"));
    m_close->setText(QStringLiteral("\u2715"));
    m_close->setAutoRaise(true);
    m_close->setToolTip(QStringLiteral("Close the console (Esc)"));
    connect(m_close, &QToolButton::clicked, this, &ConsolePanel::HideRequested);

    auto* inputRow = new QHBoxLayout;
    inputRow->setContentsMargins(0, 0, 0, 0);
    inputRow->addWidget(m_input, 1);
    inputRow->addWidget(m_close);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->setSpacing(4);
    layout->addWidget(m_output, 1);
    layout->addLayout(inputRow);

    window->installEventFilter(this);
    hide();
}

void ConsolePanel::SetOutput(const QString& text)
{
    // Out writes a line break before each line: the box starts with the first line.
    m_output->setPlainText(text.startsWith(QLatin1Char('\n')) ? text.mid(1) : text);
    m_output->moveCursor(QTextCursor::End);
}

void ConsolePanel::AppendOutput(const QString& line)
{
    m_output->appendPlainText(line);
    m_output->moveCursor(QTextCursor::End);
    m_output->ensureCursorVisible();
}

QString ConsolePanel::Output() const
{
    return m_output->toPlainText();
}

QStringList ConsolePanel::History() const
{
    QStringList lines;
    for (int i = 0; i < m_input->count(); ++i)
        lines << m_input->itemText(i);
    return lines;
}

void ConsolePanel::Open()
{
    Place();
    show();
    raise();
    m_input->setFocus(Qt::ShortcutFocusReason);
    m_input->lineEdit()->selectAll();
}

QStringList ConsolePanel::LoadHistory()
{
    QStringList lines;
    for (int i = 0; i < kHistoryLimit; ++i) {
        const QString line = ReadRegistryString(kSection, QString::number(i), QString());
        if (line.isEmpty())
            break;
        lines << line;
    }
    return lines;
}

void ConsolePanel::Enter()
{
    const QString line = m_input->currentText();
    if (line.trimmed().isEmpty())
        return;
    if (m_run(line))
        AddToHistory(line);
    m_input->setCurrentIndex(-1);
    m_input->clearEditText();
}

void ConsolePanel::AddToHistory(const QString& line)
{
    for (int i = 0; i < m_input->count(); ++i) {
        if (m_input->itemText(i).compare(line, Qt::CaseInsensitive) == 0)
            return;
    }
    m_input->insertItem(0, line);
    while (m_input->count() > kHistoryLimit)
        m_input->removeItem(m_input->count() - 1);
    SaveHistory();
}

void ConsolePanel::SaveHistory() const
{
    const RegistryWriteBatch batch;
    const QStringList lines = History();
    for (int i = 0; i < lines.size(); ++i)
        WriteRegistryString(kSection, QString::number(i), lines[i]);
}

void ConsolePanel::Place()
{
    QWidget* window = parentWidget();
    if (!window)
        return;
    const int height = std::min(window->height(), std::max(150, window->height() * 2 / 5));
    setGeometry(0, window->height() - height, window->width(), height);
}

bool ConsolePanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize && isVisible())
        Place();
    if (watched == m_input->lineEdit() && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Escape || key == Qt::Key_F12) {
            Q_EMIT HideRequested();
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}
