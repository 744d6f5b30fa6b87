#include "app/Startup.h"

#include "app/FormLogo.h"
#include "lookup/Fr_SimpleSearch.h"
#include "masters/Dm_Misc.h"
#include "masters/Dm_Product.h"
#include "masters/Dm_Service.h"
#include "masters/Dm_Vendor.h"
#include "platform/data/Database.h"
#include "platform/format/Convert.h"
#include "platform/ui/Modal.h"
#include "shell/Dm_Config.h"
#include "shell/ErrorHandler.h"
#include "shell/Modules.h"
#include "shell/SystemInfo.h"
#include "shell/U_DM.h"

#include <QCoreApplication>
#include <QDialog>
#include <QPointer>
#include <QWidget>

#include <cstdio>
#include <memory>

namespace zelt::app {

namespace {

// Until the main form exists, every message is also written to stderr, so
// that the menu program's log shows why the module did not open.
void echoToStderr(const ui::MessageRequest& request) {
    const QByteArray text =
        (QStringLiteral("zelt-import: ") + request.text + QLatin1Char('\n')).toLocal8Bit();
    std::fputs(text.constData(), stderr);
    std::fflush(stderr);
}

// ZELT_TRACE=1: the steps of start-up on stderr, for finding out why a
// module did not open.
void trace(const QString& text) {
    static const bool on = qEnvironmentVariableIntValue("ZELT_TRACE") != 0;
    if (!on)
        return;
    std::fputs((QStringLiteral("zelt-import: ") + text + QLatin1Char('\n')).toLocal8Bit().constData(),
               stderr);
    std::fflush(stderr);
}

class UnattendedModal final : public ui::ModalHandler {
public:
    QMessageBox::StandardButton message(const ui::MessageRequest& r) override {
        if (r.defaultButton != QMessageBox::NoButton)
            return r.defaultButton;
        // The answer of a user who closes the box: the escape button.
        for (const auto b : {QMessageBox::Cancel, QMessageBox::No, QMessageBox::Ok})
            if (r.buttons.testFlag(b))
                return b;
        return QMessageBox::Ok;
    }
    std::optional<QString> input(const ui::InputRequest&) override { return std::nullopt; }
    int exec(QDialog&) override { return QDialog::Rejected; }
};

} // namespace

void installUnattendedModal() {
    static UnattendedModal modal;
    ui::setModalHandler(&modal);
}

int runProgram(const QStringList& args) {
    const auto arg = [&](int position) { return args.value(position); };
    ui::setMessageObserver(echoToStderr);

    // The splash window, visible while the slow steps run.
    FormLogo = new TFormLogo;
    FormLogo->show();
    FormLogo->repaint();
    QCoreApplication::processEvents();

    // Dates are shown and read as "dd/mm/yyyy": the format library's short
    // date format, fixed for the whole program.

    // The data modules, company module first. Neither opens a database here.
    auto dm = std::make_unique<shell::TDM>();
    dm->setCommandLineDatabase(arg(3));
    dm->freeSplash = freeFormLogo;
    auto config = std::make_unique<shell::TDMConfig>();
    auto product = std::make_unique<masters::TDmProduct>();
    auto service = std::make_unique<masters::TDmService>();
    auto misc = std::make_unique<masters::TDmMisc>();
    auto vendor = std::make_unique<masters::TDmVendor>();
    // The company module offers the code-table search that the lookup
    // library implements (the shell cannot depend on it).
    lookup::installSimpleSearch();
    shell::setErrorLog([](const QString& message) {
        if (shell::DMConfig)
            shell::DMConfig->LogError(message);
    });
    shell::setErrorMail([](const QString& subject, const QString& body) {
        if (shell::DMConfig)
            shell::DMConfig->SendErrorMail(subject, body);
    });

    QPointer<QWidget> form;
    try {
        config->LaunchDateTime = format::strToDateTime(arg(6));
        config->MenuId = format::strToInt(arg(1));
        config->UserId = format::strToInt(arg(2));
        config->GetCompanyConfig(arg(3));
        trace(QStringLiteral("company %1 (%2) on %3")
                  .arg(config->CompanyCode, config->CompanyNameThai, config->DmCfg->databaseName()));
        config->CheckRight(config->MenuId, config->UserId);
        trace(QStringLiteral("menu %1, user %2 (%3): access %4")
                  .arg(QString::number(config->MenuId), QString::number(config->UserId), config->UserCode,
                       config->AccessRight ? QStringLiteral("yes") : QStringLiteral("no")));
        shell::setErrorContext(
            {config->CompanyCode, config->MenuCaption, config->UserCode, [] { return shell::GetLocalIP(); }});
        if (config->AccessRight) {
            const QString code = shell::matchModule(arg(5));
            if (!code.isEmpty())
                form = shell::createModule(code);
            trace(code.isEmpty() ? QStringLiteral("no module of that code")
                                 : QStringLiteral("module %1: %2")
                                       .arg(code, form ? QStringLiteral("form created")
                                                       : QStringLiteral("no form in this build")));
        }
    } catch (const shell::ProgramEnd& end) {
        freeFormLogo();
        return end.status();
    } catch (...) {
        // Before the message loop: the run-time's message, then the end.
        ui::setMessageObserver(nullptr); // the report writes stderr itself
        const int status = shell::reportStartupException();
        freeFormLogo();
        return status;
    }

    // No form: the message loop would end at once, without a message.
    if (!form) {
        freeFormLogo();
        return kExitOk;
    }

    // The form is the main form: closing it ends the program.
    ui::setMessageObserver(nullptr);
    form->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(form.data(), &QObject::destroyed, QCoreApplication::instance(), &QCoreApplication::quit,
                     Qt::QueuedConnection);
    form->show();
    const int status = QCoreApplication::exec();
    delete form.data();
    freeFormLogo();
    return status;
}

} // namespace zelt::app
