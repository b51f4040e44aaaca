#include "browser/FrmRename.h"

#include "base/AppFolders.h"
#include "browser/BrowserPictures.h"
#include "image/ui/PngPainter.h"
#include "lang/TranslateForm.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

FrmRename::FrmRename(const QString& name, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmRename"));
    setWindowTitle(QStringLiteral("Rename"));
    setModal(true);

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("picEdit"));
    QImage edit = LoadPngImage(Folders().images + QStringLiteral("edit"));
    if (edit.isNull())
        edit = DrawEditPicture(48);
    picture->setPixmap(QPixmap::fromImage(edit));
    auto* prompt = new QLabel(QStringLiteral("Type in a new name:"), this);
    prompt->setObjectName(QStringLiteral("lblPrompt"));
    m_txtInput = new QLineEdit(name, this);
    m_txtInput->setObjectName(QStringLiteral("txtInput"));
    m_txtInput->setMinimumWidth(260);
    m_txtInput->selectAll();
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cbOK"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cbCancel"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QGridLayout(this);
    layout->addWidget(picture, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(prompt, 0, 1);
    layout->addWidget(m_txtInput, 1, 1);
    layout->addLayout(buttons, 2, 0, 1, 2);

    connect(ok, &QPushButton::clicked, this, [this] {
        m_result = m_txtInput->text();
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, [this] {
        m_result.clear();
        reject();
    });
    TranslateForm(this);
}

void FrmRename::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    m_txtInput->setFocus();
}

QString ShowRenameDialog(const QString& name, QWidget* parent)
{
    FrmRename dialog(name, parent);
    dialog.exec();
    return dialog.Result();
}
