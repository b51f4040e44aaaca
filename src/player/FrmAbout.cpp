#include "player/FrmAbout.h"

#include "base/AppFolders.h"
#include "base/WindowShell.h"
#include "base/XmlText.h"
#include "engine/FlashControl.h"
#include "lang/Language.h"
#include "lang/TranslateForm.h"
#include "lang/VendorLinks.h"
#include "player/AboutDocument.h"
#include "player/HelpPages.h"
#include "player/WelcomeDocument.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

FrmAbout::FrmAbout(std::unique_ptr<FlashControl> swf, bool noAnimation, QWidget* parent)
    : QDialog(parent)
    , m_swf(std::move(swf))
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About Vorlen"));
    openHelp = [](const QString& topic) { ShellOpen(HelpPagePath(Folders().help, topic)); };

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 8);
    if (QWidget* movie = m_swf->widget()) {
        movie->setObjectName(QStringLiteral("SWF"));
        movie->setParent(this);
        movie->setFixedSize(kMovieWidth, kMovieHeight);
        layout->addWidget(movie);
    }
    auto* buttons = new QHBoxLayout();
    buttons->setContentsMargins(8, 0, 8, 0);
    buttons->addStretch();
    m_cbHelp = new QPushButton(QStringLiteral("Help"), this);
    m_cbHelp->setObjectName(QStringLiteral("cbHelp"));
    m_cbExit = new QPushButton(QStringLiteral("Exit"), this);
    m_cbExit->setObjectName(QStringLiteral("cbExit"));
    m_cbExit->setDefault(true);
    buttons->addWidget(m_cbHelp);
    buttons->addWidget(m_cbExit);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_cbHelp, &QPushButton::clicked, this, [this] { openHelp(QStringLiteral("overview")); });
    connect(m_cbExit, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_swf.get(), &FlashControl::FSCommand, this, &FrmAbout::OnFSCommand);

    // 1. The language's texts. 2-3. The document. 4. The movie.
    TranslateForm(this);
    const QString xmlPath = Folders().flash + QStringLiteral("about.xml");
    SaveXML(xmlPath, AboutDocumentText(ProgramAboutContent()));
    m_address = InterfaceMovieAddress(Folders().flash, QStringLiteral("about.swf"), xmlPath, AddressTimeText(), noAnimation);
    m_swf->LoadMovie(0, m_address);
}

FrmAbout::~FrmAbout()
{
    // The control takes its widget along, as it does when it stands alone.
    if (QWidget* movie = m_swf->widget())
        movie->setParent(nullptr);
    m_swf.reset();
}

void FrmAbout::OnFSCommand(const QString& command, const QString& args)
{
    Q_UNUSED(args);
    if (command.toUpper() == QLatin1String("GOWEB"))
        ShellOpen(AboutWebAddress());
}

QString AboutWebAddress()
{
    const QString text = LangText(QStringLiteral("PLAYER/MNUWEB"), QLatin1String(kVendorHomeUrl)).trimmed();
    const QUrl url(text, QUrl::StrictMode);
    return url.isValid() && url.scheme().size() > 1 ? text : QStringLiteral("http://") + text;
}
