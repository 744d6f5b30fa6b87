#include "server/Procedures.h"

#include "platform/data/Database.h"
#include "platform/data/Query.h"
#include "platform/data/StoredProc.h"
#include "server/Ledger.h"
#include "server/MasterCopy.h"

#include <QDateTime>

namespace zelt::server {

using data::Database;
using data::DatabaseError;
using data::ParamList;

namespace {

QString s(const char* text) {
    return QString::fromUtf8(text);
}

QVariant in(const ParamList& p, const char* name) {
    const int i = p.indexOf(s(name));
    if (i < 0)
        throw DatabaseError(
            QStringLiteral("Procedure expects parameter '@%1', which was not supplied.").arg(s(name)));
    return p.at(i).value;
}

// NewDocumentNo(@DocCode, @DocYear) -> @NewNo.
void newDocumentNo(Database& db, ParamList& p) {
    p.set(s("NewNo"), nextDocumentNo(db, in(p, "DocCode").toString(), in(p, "DocYear").toInt()));
}

void userAddLog(Database& db, ParamList& p) {
    db.execute(s("INSERT INTO UserLog (LogDate, UserId, MenuId, FunctionListId, DocumentId, Remark) "
                 "VALUES (GETDATE(), :UserId, :MenuId, :FunctionListId, :DocumentId, :Remark)"),
               {{s("UserId"), in(p, "UserId")},
                {s("MenuId"), in(p, "MenuId")},
                {s("FunctionListId"), in(p, "FunctionListId")},
                {s("DocumentId"), in(p, "DocumentId")},
                {s("Remark"), in(p, "Remark").toString().left(255)}});
}

void serverTime(Database& db, ParamList& p) {
    const QVariant now = db.scalar(s("SELECT GETDATE()"));
    p.set(s("ServerTime"), data::Dialect::fromDb(now, data::ValueKind::DateTime));
}

// CreateSerialNo(@ProductId, @SerialCode) -> @SerialId: the row of that
// product and serial, made when missing.
void createSerialNo(Database& db, ParamList& p) {
    const ParamList key{{s("Product"), in(p, "ProductId")},
                        {s("Serial"), in(p, "SerialCode").toString().trimmed()}};
    const QString find = s("SELECT MIN(Id) FROM SerialNo WHERE Product = :Product AND Serial = :Serial");
    QVariant id = db.scalar(find, key);
    if (id.isNull()) {
        db.execute(s("INSERT INTO SerialNo (Product, Serial, Onhand) VALUES (:Product, :Serial, 'Y')"), key);
        id = db.scalar(find, key);
    }
    p.set(s("SerialId"), id.toInt());
}

// Print-form data: records which document a report is printed for, so that
// the report's statements can join the document through it.
void printDocData(Database& db, ParamList& p) {
    const QString no = in(p, "No").toString();
    db.execute(s("DELETE FROM PrintData WHERE DocCode = :DocCode AND DocNo = :No AND DocYear = :DocYear"),
               {{s("DocCode"), in(p, "DocCode")}, {s("No"), no}, {s("DocYear"), in(p, "DocYear")}});
    db.execute(s("INSERT INTO PrintData (DocCode, DocNo, DocYear, PrintDate) VALUES (:DocCode, :No, "
                 ":DocYear, GETDATE())"),
               {{s("DocCode"), in(p, "DocCode")}, {s("No"), no}, {s("DocYear"), in(p, "DocYear")}});
    p.set(s("NewDocNo"), no.trimmed());
}

// ---------------------------------------------------- configuration database

// MENUCAPTION(@MENUID, @USERID) -> the menu entry's caption, the user's code,
// the four rights as stored (empty when none), and the user's salesman.
void menuCaption(Database& db, ParamList& p) {
    const ParamList ids{{s("MenuId"), in(p, "MENUID")}, {s("UserId"), in(p, "USERID")}};
    data::Query q(&db);
    q.setSql(s("SELECT M.Caption, U.code AS UserCode, U.SalesId, R.Access_R, R.Add_R, R.Modify_R, R.Delete_R "
               "FROM username U LEFT JOIN Menu M ON (M.Id = :MenuId) "
               "LEFT JOIN UserRight R ON (R.UserId = U.id AND R.MenuId = :MenuId) WHERE U.id = :UserId"));
    q.setParam(s("MenuId"), ids.value(s("MenuId")));
    q.setParam(s("UserId"), ids.value(s("UserId")));
    q.open();
    const bool found = !q.isEmpty();
    // The rights as stored: the caller grants a right only for "Y" exactly.
    auto flag = [&](const char* f) { return found ? q.field(s(f)).asString().trimmed() : QString(); };
    QString caption = found ? q.field(s("Caption")).asString() : QString();
    if (!found)
        caption = db.scalar(s("SELECT Caption FROM Menu WHERE Id = :MenuId"),
                            {{s("MenuId"), ids.value(s("MenuId"))}})
                      .toString();
    p.set(s("CAPTION"), caption);
    p.set(s("USERCODE"), found ? q.field(s("UserCode")).asString() : QString());
    p.set(s("ACCESS_R"), flag("Access_R"));
    p.set(s("ADD_R"), flag("Add_R"));
    p.set(s("MODIFY_R"), flag("Modify_R"));
    p.set(s("DELETE_R"), flag("Delete_R"));
    p.set(s("SALESID"), found ? q.field(s("SalesId")).value() : QVariant());
}

void addErrorLog(Database& db, ParamList& p) {
    db.execute(s("INSERT INTO errorlog (LogDate, CompName, LogName, UserId, MenuId, ErrorMsg) "
                 "VALUES (GETDATE(), :CompName, :LogName, :UserId, :MenuId, :ErrorMsg)"),
               {{s("CompName"), in(p, "CompName").toString().left(100)},
                {s("LogName"), in(p, "LogName").toString().left(100)},
                {s("UserId"), in(p, "UserId")},
                {s("MenuId"), in(p, "MenuId")},
                {s("ErrorMsg"), in(p, "ErrorMsg")}});
}

} // namespace

// The counter row stays locked until the caller's transaction ends, so a
// second saver waits and then reads the raised counter; a rollback gives the
// number back.
QString nextDocumentNo(Database& db, const QString& docCode, int year) {
    const QString code = docCode.trimmed();
    const ParamList key{{s("Code"), code}, {s("DocYear"), year}};
    QVariant id =
        db.scalar(s("SELECT D.Id FROM DocNoConvert V INNER JOIN DocumentNo D ON (V.DocumentNo = D.Id) "
                    "WHERE V.Code = :Code AND V.DocYear = :DocYear"),
                  key);
    if (!id.isValid())
        id = db.scalar(s("SELECT Id FROM DocumentNo WHERE Code = :Code AND DocYear = :DocYear"), key);
    if (!id.isValid())
        throw DatabaseError(
            QStringLiteral("No numbering for document code '%1' in the year %2.").arg(code).arg(year));
    // One statement raises and reads the counter, so that no other saver
    // can come between the two, with or without the caller's transaction.
    data::Query row(&db);
    row.setSql(s("UPDATE DocumentNo SET LastNo = COALESCE(LastNo, 0) + 1 WHERE Id = :Id "
                 "RETURNING Prefix, LastNo, DocumentLength"));
    row.setParam(s("Id"), id);
    row.open();
    return formatDocumentNo(row.field(s("Prefix")).asString(), row.field(s("LastNo")).asLargeInt(),
                            row.field(s("DocumentLength")).asInteger(), code);
}

QString formatDocumentNo(const QString& prefix, qint64 counter, int length, const QString& code) {
    const QString digits = QString::number(counter);
    const QString pre = prefix.trimmed();
    if (length <= 0)
        return pre + digits;
    if (pre.size() + digits.size() > length)
        throw DatabaseError(
            QStringLiteral("The numbering of document code '%1' is exhausted: %2%3 is longer than %4.")
                .arg(code, pre, digits)
                .arg(length));
    return pre + digits.rightJustified(length - pre.size(), QLatin1Char('0'));
}

void registerServerProcedures() {
    data::registerProcedure(s("NewDocumentNo"), newDocumentNo);
    data::registerProcedure(s("UserAddLog"), userAddLog);
    data::registerProcedure(s("ServerTime"), serverTime);
    data::registerProcedure(s("CreateSerialNo"), createSerialNo);
    data::registerProcedure(s("CopyAndUpdateMR"), copyAndUpdateMR);
    data::registerProcedure(s("GL_ImHd"), [](Database& db, ParamList& p) {
        generateVoucher(db, VoucherSource::Import, in(p, "DocId").toInt(), in(p, "UserId").toInt());
    });
    data::registerProcedure(s("GL_MrHd"), [](Database& db, ParamList& p) {
        generateVoucher(db, VoucherSource::CreditReceipt, in(p, "DocId").toInt(), in(p, "UserId").toInt());
    });
    data::registerProcedure(s("GL_PcHd"), [](Database& db, ParamList& p) {
        generateVoucher(db, VoucherSource::CashPurchase, in(p, "DocId").toInt(), in(p, "UserId").toInt());
    });
    data::registerProcedure(s("SP_PrintDocData"), printDocData);
    data::registerProcedure(s("MENUCAPTION"), menuCaption);
    data::registerProcedure(s("AddErrorLog"), addErrorLog);
}

} // namespace zelt::server
