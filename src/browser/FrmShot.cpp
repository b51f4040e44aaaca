#include "browser/FrmShot.h"

#include "lang/Language.h"
#include "lang/TranslateForm.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

QString ShotCaption(int i, int n)
{
    return LangText(QStringLiteral("BrowseMedia/strShotBefore"), QStringLiteral("Creating")) + QLatin1Char(' ')
        + QString::number(i) + QLatin1Char(' ') + LangText(QStringLiteral("BrowseMedia/strShotMid"), QStringLiteral("of"))
        + QLatin1Char(' ') + QString::number(n) + QLatin1Char(' ')
        + LangText(QStringLiteral("BrowseMedia/strShotAfter"), QString());
}

FrmShot::FrmShot(QWidget* parent)
    : QDialog(parent, Qt::Tool)
{
    setObjectName(QStringLiteral("frmShot"));
    setWindowTitle(QStringLiteral("Creating Thumbnails"));
    setModal(false);
    m_caption = new QLabel(this);
    m_caption->setObjectName(QStringLiteral("lblCaption"));
    m_caption->setMinimumWidth(220);
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("Progress"));
    m_progress->setTextVisible(false);
    m_cbCancel = new QPushButton(QStringLiteral("Cancel"), this);
    m_cbCancel->setObjectName(QStringLiteral("cbCancel"));

    auto* row = new QHBoxLayout;
    row->addWidget(m_progress, 1);
    row->addWidget(m_cbCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_caption);
    layout->addLayout(row);
    TranslateForm(this);
    connect(m_cbCancel, &QPushButton::clicked, this, &FrmShot::Cancelled);
}

void FrmShot::ShowShot(int i, int n)
{
    m_caption->setText(ShotCaption(i, n));
    m_progress->setVisible(n > 1);
    m_progress->setRange(0, n);
    m_progress->setValue(i);
}

QString FrmShot::Caption() const
{
    return m_caption->text();
}

bool FrmShot::ProgressVisible() const
{
    return !m_progress->isHidden();
}
