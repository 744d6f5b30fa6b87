#pragma once

#include "shell/SupportSettings.h"

#include <QDateTime>
#include <QObject>
#include <QString>

#include <stdexcept>

namespace zelt::data {
class Database;
class Query;
class StoredProc;
} // namespace zelt::data

namespace zelt::shell {

// Start-up ends here: the reason has been shown to the user already, and
// main() turns the exception into the process's exit status. Thrown instead
// of leaving the process from inside a library, so that callers and tests
// see it.
class ProgramEnd : public std::runtime_error {
public:
    ProgramEnd(int status, const QString& reason)
        : std::runtime_error(reason.toStdString())
        , status_(status)
        , reason_(reason) {}
    int status() const { return status_; }
    const QString& reason() const { return reason_; }

private:
    int status_;
    QString reason_;
};

// Exit status of a start-up that stopped because the company database named
// on the command line is not listed in the configuration database.
constexpr int kExitCompanyNotFound = 2;

// The configuration database shared by every company of the suite, and the
// context of this run: the company, the menu entry, the user and the user's
// rights. Filled once at start-up, read by every form afterwards.
class TDMConfig : public QObject {
    Q_OBJECT
public:
    explicit TDMConfig(QObject* parent = nullptr);
    ~TDMConfig() override;

    // ---- components
    data::Database* DmCfg;           // the configuration database
    data::Query* QCompanyConfig;     // the company's settings, found by database name
    data::Query* QCompany;           // the company's row, open for the run (report forms)
    data::Query* QSoftware;          // softwareconfig, open for the run
    data::Query* QUserName;          // the user's row of username
    data::StoredProc* SpMenuCaption; // MENUCAPTION: the menu entry's caption and rights
    data::StoredProc* SpAddErrorLog; // AddErrorLog

    // ---- run context: set once at start-up, read-only afterwards
    int MenuId = 0;
    int UserId = 0;
    QDateTime LaunchDateTime;
    QString CompanyCode; // the database name given, upper-cased
    QString CompanyNameThai;
    bool PlainQtyFormat = false; // companies whose order quantities keep their plain format
    QString MenuCaption;
    QString UserCode;
    bool AccessRight = false;
    bool AddRight = false;
    bool ModifyRight = false;
    bool DeleteRight = false;
    bool ThaiLanguage = false;
    bool Approve_PO = false;
    bool UserSeeImport = false;
    QString SaveConfirmText;
    QString DeleteConfirmText;

    // ---- settings of the workstation
    SupportSettings Support;
    QString WorkDir; // where "Server.Dat" is read; empty: the current directory

    // The first line of "Server.Dat", exactly as written; empty when the
    // file cannot be opened.
    QString ReadServerName() const;
    // Before every connect: the server of "Server.Dat" (the default server
    // when it names none) and its configuration database, ZELT_CONFIG_LDC
    // when the server has one, otherwise ZELT_CONFIG.
    void DmCfgBeforeConnect(data::Database& db);
    // After every connect: adds the columns older configuration databases
    // lack, marks the menu entries of this generation, reopens QSoftware.
    void DmCfgAfterConnect(data::Database& db);

    // Loads the company whose database is named. A name the configuration
    // database does not list is shown to the user and ends start-up with a
    // ProgramEnd of status kExitCompanyNotFound.
    void GetCompanyConfig(const QString& databaseName);
    // Loads the user's rights for the menu entry, the user's language and
    // the confirmation texts in that language.
    void CheckRight(int menuId, int userId);
    // One row of the error log; raises when the log cannot be written.
    void LogError(const QString& message);
    // Mails an error report to the support mailbox; never raises and never
    // shows anything.
    void SendErrorMail(const QString& subject, const QString& body);
};

// The one instance of the program: set by the first TDMConfig created,
// cleared when it is destroyed.
extern TDMConfig* DMConfig;

} // namespace zelt::shell
