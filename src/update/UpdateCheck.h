#pragma once

#include "player/PlayerExtensions.h"

#include <QObject>
#include <QPointer>
#include <QUrl>

#include <functional>

class FrmUpdate;
class QWidget;
struct OptionsModule;
struct UpdateSettings;

// WebUpdate as the main window's menus, its FSCommand "MEOWUPDATE" and its start-up reach it
// (PlayerFeature::Update; the argument kAutomaticUpdate marks the automatic check). One check
// runs at a time; an automatic one stays hidden unless it finds an update.
class UpdateCheck : public QObject, public PlayerExtensions {
    Q_OBJECT

public:
    UpdateCheck(UpdateSettings& settings, OptionsModule& options);
    ~UpdateCheck() override;

    // The window the dialog belongs to, once it exists.
    void Attach(QWidget* window) { m_window = window; }

    bool Offers(PlayerFeature feature) const override { return feature == PlayerFeature::Update; }
    void Run(PlayerFeature feature, const QString& argument) override;

    // Logs the check; an automatic one is skipped within seven days of the last. A requested
    // check shows the dialog modally and returns when it closes; an automatic one returns at
    // once and shows the dialog when an update turns up.
    void WebUpdate(bool automatic);

    // The running check's dialog (null when none runs).
    FrmUpdate* Dialog() const;

    // The address of the update information: the "Links/Update" language text unless set.
    std::function<QUrl()> address;
    int timeoutMs;
    // Called with every dialog before it loads (tests answer its questions).
    std::function<void(FrmUpdate&)> prepareDialog;

Q_SIGNALS:
    // A check ended and its dialog went.
    void Finished();

private:
    void AutomaticComplete();
    void End(FrmUpdate* dialog);

    UpdateSettings& m_settings;
    OptionsModule& m_options;
    QWidget* m_window = nullptr;
    QPointer<FrmUpdate> m_dialog;
};
