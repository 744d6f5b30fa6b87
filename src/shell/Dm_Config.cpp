#include "shell/Dm_Config.h"

#include "platform/data/Database.h"
#include "platform/data/Query.h"
#include "platform/data/StoredProc.h"
#include "platform/net/Smtp.h"
#include "platform/ui/Modal.h"
#include "server/Databases.h"
#include "server/Procedures.h"
#include "shell/SystemInfo.h"

#include <QDir>

namespace zelt::shell {

TDMConfig* DMConfig = nullptr;

namespace {

QString s(const char* text) {
    return QString::fromUtf8(text);
}

bool granted(const QVariant& flag) {
    return flag.toString().trimmed() == QLatin1String("Y");
}

// The company's settings row; the company is found by the name of the
// database the program was started on.
const char* const kCompanyConfigSql =
    "SELECT CC.*, D.DatabaseName, D.Description, D.YearNo, C.Code, C.NameThai, C.NameEng, C.RunYear, "
    "M.Command AS PosMenuCommand, M.MenuOption AS PosMenuOption "
    "FROM CompanyConfig CC "
    "JOIN DatabaseList D ON (D.Company = CC.Company) "
    "JOIN Company C ON (C.Id = CC.Company) "
    "LEFT JOIN Menu M ON (M.Id = CC.DefaultPosMenuId) "
    "WHERE D.DatabaseName = :DatabaseName";

const char* const kCompanySql =
    "SELECT C.Id, C.Code, C.Password, C.NameThai, C.NameEng, C.ShortName, "
    "C.Address1, C.Address2, C.Address3, C.Address4, C.Province, C.Zip, C.Telephone, C.Fax, C.Email, "
    "C.Logo, C.TaxNo, C.RunYear, C.FundName, "
    "COALESCE(C.TaxBranchHead, 'N') AS TaxBranchHead, COALESCE(C.TaxBranchCode, '') AS TaxBranchCode, "
    "C.TaxBranchName "
    "FROM Company C JOIN DatabaseList D ON (D.Company = C.Id) "
    "WHERE D.DatabaseName = :DatabaseName";

const char* const kUserSql =
    "SELECT fullname, languageno, EditSalePrice, Approve_Quo, Approve_SO, Approve_IV, Approve_PO, "
    "Approved_PORQ, ApproveTranWH, ApproveTranBranch, ApproveWorkOrder, CanSeeCost, CanSeeSalePrice, "
    "CanModifyCusSale, Approve_PreIs, ApproveCustomerDropUse, ApproveCustomerDropCredit, CanModifyCredit, "
    "CanSetProductBlock, CanSetProductMinus, CanSaleCreditOnReturnCheque, UserSeeImport, UserSeeCost "
    "FROM username WHERE id = :uid";

} // namespace

TDMConfig::TDMConfig(QObject* parent)
    : QObject(parent)
    , DmCfg(new data::Database(s("DmCfg"), this))
    , QCompanyConfig(new data::Query(DmCfg, s("QCompanyConfig"), this))
    , QCompany(new data::Query(DmCfg, s("QCompany"), this))
    , QSoftware(new data::Query(DmCfg, s("QSoftware"), this))
    , QUserName(new data::Query(DmCfg, s("QUserName"), this))
    , SpMenuCaption(new data::StoredProc(DmCfg, s("MENUCAPTION"), s("SpMenuCaption"), this))
    , SpAddErrorLog(new data::StoredProc(DmCfg, s("AddErrorLog"), s("SpAddErrorLog"), this))
    , Support(SupportSettings::fromEnvironment()) {
    setObjectName(s("DMConfig"));
    DmCfg->setObjectName(s("DmCfg"));
    server::registerServerProcedures();

    QCompanyConfig->setSql(s(kCompanyConfigSql));
    QCompany->setSql(s(kCompanySql));
    QSoftware->setSql(s("select * from softwareconfig"));
    QUserName->setSql(s(kUserSql));

    DmCfg->beforeConnect = [this](data::Database& db) { DmCfgBeforeConnect(db); };
    DmCfg->afterConnect = [this](data::Database& db) { DmCfgAfterConnect(db); };

    if (!DMConfig)
        DMConfig = this;
}

TDMConfig::~TDMConfig() {
    if (DMConfig == this)
        DMConfig = nullptr;
}

QString TDMConfig::ReadServerName() const {
    return data::ServerSpec::readServerName(WorkDir);
}

void TDMConfig::DmCfgBeforeConnect(data::Database& db) {
    QString serverName = ReadServerName();
    if (serverName.trimmed().isEmpty())
        serverName = Support.defaultServer;
    const data::ServerSpec server = data::ServerSpec::fromText(serverName, WorkDir);
    db.setServer(server);
    db.setDatabaseName(server::configDatabaseName(server));
}

void TDMConfig::DmCfgAfterConnect(data::Database& db) {
    // Statement by statement, each committed on its own.
    const data::Dialect& dialect = db.dialect();
    if (!db.hasColumn(s("Menu"), s("VERSION")))
        db.execute(s("ALTER TABLE Menu ADD Version ") + dialect.typeSql(data::ColType::Int, 0));
    db.execute(s("UPDATE Menu SET Version = 3 WHERE Version IS NULL AND Command IS NOT NULL"));
    if (!db.hasColumn(s("UserName"), s("UserSeeImport")))
        db.execute(s("ALTER TABLE UserName ADD UserSeeImport ") + dialect.typeSql(data::ColType::Flag, 1));
    if (!db.hasColumn(s("UserName"), s("UserSeeCost")))
        db.execute(s("ALTER TABLE UserName ADD UserSeeCost ") + dialect.typeSql(data::ColType::Flag, 1));
    QSoftware->close();
    QSoftware->open();
}

void TDMConfig::GetCompanyConfig(const QString& databaseName) {
    const QString name = databaseName.toUpper();
    CompanyCode = name;
    PlainQtyFormat = name == QLatin1String("KOV") || name == QLatin1String("WEZ");

    QCompanyConfig->close();
    QCompanyConfig->setParam(s("DatabaseName"), name);
    QCompanyConfig->open();
    if (QCompanyConfig->isEmpty()) {
        const QString text = s("Not Found Database : ") + name;
        ui::showMessage(text);
        throw ProgramEnd(kExitCompanyNotFound, text);
    }
    CompanyNameThai = QCompanyConfig->field(s("NameThai")).asString();

    QCompany->close();
    QCompany->setParam(s("DatabaseName"), name);
    QCompany->open();
    if (!QSoftware->isActive())
        QSoftware->open();
}

void TDMConfig::CheckRight(int menuId, int userId) {
    SpMenuCaption->setParam(s("@MENUID"), menuId);
    SpMenuCaption->setParam(s("@USERID"), userId);
    SpMenuCaption->execProc();
    MenuCaption = SpMenuCaption->param(s("@CAPTION")).toString().trimmed();
    UserCode = SpMenuCaption->param(s("@USERCODE")).toString();
    AccessRight = granted(SpMenuCaption->param(s("@ACCESS_R")));
    AddRight = granted(SpMenuCaption->param(s("@ADD_R")));
    ModifyRight = granted(SpMenuCaption->param(s("@MODIFY_R")));
    DeleteRight = granted(SpMenuCaption->param(s("@DELETE_R")));

    QUserName->close();
    QUserName->setParam(s("uid"), userId);
    QUserName->open();
    const bool found = !QUserName->isEmpty();
    ThaiLanguage = found && !QUserName->field(s("languageno")).isNull() &&
                   QUserName->field(s("languageno")).asInteger() == 1;
    Approve_PO = found && granted(QUserName->value(s("Approve_PO")));
    UserSeeImport = found && granted(QUserName->value(s("UserSeeImport")));

    if (ThaiLanguage) {
        SaveConfirmText = QString::fromUtf8("จัดเก็บข้อมูล ?");
        DeleteConfirmText = QString::fromUtf8("ลบข้อมูล ?");
    } else {
        SaveConfirmText = s("Save Data ?");
        DeleteConfirmText = s("Delete Data ?");
    }
}

void TDMConfig::LogError(const QString& message) {
    SpAddErrorLog->setParam(s("@CompName"), GetComputerNameText());
    SpAddErrorLog->setParam(s("@LogName"), GetLogonName());
    SpAddErrorLog->setParam(s("@UserId"), UserId);
    SpAddErrorLog->setParam(s("@MenuId"), MenuId);
    SpAddErrorLog->setParam(s("@ErrorMsg"), message);
    SpAddErrorLog->execProc();
}

void TDMConfig::SendErrorMail(const QString& subject, const QString& body) {
    try {
        net::SmtpServer server;
        server.host = Support.mailHost;
        server.port = Support.mailPort;
        server.account = Support.mailAccount;
        server.password = Support.mailPassword;
        net::SmtpMessage mail;
        mail.sender = Support.sender;
        mail.recipients = {Support.mailbox};
        mail.subject = subject;
        mail.body = body;
        net::sendMail(server, mail);
    } catch (...) {
        // A report that cannot be sent is dropped: the error being reported
        // has been shown and logged already.
    }
}

} // namespace zelt::shell
