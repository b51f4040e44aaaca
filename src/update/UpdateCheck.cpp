#include "update/UpdateCheck.h"

#include "base/ExecutionLog.h"
#include "lang/Language.h"
#include "lang/VendorLinks.h"
#include "options/OptionHolders.h"
#include "update/FrmUpdate.h"

UpdateCheck::UpdateCheck(UpdateSettings& settings, OptionsModule& options)
    : m_settings(settings)
    , m_options(options)
{
    address = [] { return QUrl(LangText(QStringLiteral("Links/Update"), QLatin1String(kUpdatesUrl))); };
    timeoutMs = UpdateDocumentLoader::kDefaultTimeoutMs;
}

UpdateCheck::~UpdateCheck()
{
    delete m_dialog;
}

FrmUpdate* UpdateCheck::Dialog() const
{
    return m_dialog;
}

void UpdateCheck::Run(PlayerFeature feature, const QString& argument)
{
    if (feature == PlayerFeature::Update)
        WebUpdate(argument == QLatin1String(kAutomaticUpdate));
}

void UpdateCheck::WebUpdate(bool automatic)
{
    LogLine(QStringLiteral("Checking for updates ( Automatic is ")
        + (automatic ? QStringLiteral("True") : QStringLiteral("False")) + QStringLiteral(" )"));
    if (automatic && CheckedRecently(m_settings.lastCheckDate, QDate::currentDate()))
        return;
    if (m_dialog) {
        // A request while the automatic check runs hidden: that check answers it, shown.
        if (!automatic && m_dialog->IsAutomatic() && !m_dialog->isVisible()) {
            FrmUpdate* dialog = m_dialog;
            dialog->MakeManual();
            dialog->exec();
            End(dialog);
        }
        return;
    }
    auto* dialog = new FrmUpdate(automatic, m_settings, m_options, m_window);
    m_dialog = dialog;
    if (prepareDialog)
        prepareDialog(*dialog);
    if (automatic) {
        connect(dialog, &FrmUpdate::CheckComplete, this, &UpdateCheck::AutomaticComplete, Qt::QueuedConnection);
        dialog->StartCheck(address(), timeoutMs);
        return;
    }
    dialog->StartCheck(address(), timeoutMs);
    dialog->exec();
    End(dialog);
}

void UpdateCheck::AutomaticComplete()
{
    FrmUpdate* dialog = m_dialog;
    // A request that joined the check shows the dialog itself and ends the check.
    if (!dialog || dialog->isVisible())
        return;
    if (dialog->UpdateAvailable())
        dialog->exec();
    End(dialog);
}

void UpdateCheck::End(FrmUpdate* dialog)
{
    if (m_dialog != dialog)
        return;
    dialog->deleteLater();
    m_dialog = nullptr;
    Q_EMIT Finished();
}
