#include "server/Ledger.h"

#include "platform/data/Database.h"
#include "platform/data/Query.h"
#include "platform/format/Decimal.h"

#include <cmath>

namespace zelt::server {

using data::DatabaseError;

namespace {

QString s(const char* text) {
    return QString::fromUtf8(text);
}

// Amounts of a voucher are in baht to the satang, halves away from zero.
double round2(double v) {
    return format::roundToDecimals(v, 2);
}

struct Source {
    const char* table;
    const char* noColumn;
    const char* dateColumn;
    const char* docCode;
};

Source sourceOf(VoucherSource v) {
    switch (v) {
    case VoucherSource::Import:
        return {"ImHd", "ImNo", "ImDate", "IMPORT"};
    case VoucherSource::CreditReceipt:
        return {"MrHd", "MrNo", "MrDate", "MR"};
    case VoucherSource::CashPurchase:
        return {"PcHd", "PcNo", "PcDate", "PC"};
    }
    return {};
}

struct Line {
    QString account;
    QString description;
    double debit;
    double credit;
};

QString account(data::Query& config, const char* column) {
    const QString a = config.field(s(column)).asString().trimmed();
    if (a.isEmpty())
        throw DatabaseError(
            QStringLiteral("The ledger account %1 is not set in the company settings (Config); "
                           "the voucher cannot be made.")
                .arg(s(column)));
    return a;
}

} // namespace

void generateVoucher(data::Database& db, VoucherSource kind, int docId, int userId) {
    const Source src = sourceOf(kind);
    const QString table = s(src.table);
    data::Query doc(&db);
    // Table and column names come from the program, never from the user.
    doc.setSql(QStringLiteral("SELECT * FROM %1 WHERE ID = :DocId").arg(table));
    doc.setParam(s("DocId"), docId);
    doc.open();
    if (doc.isEmpty())
        throw DatabaseError(QStringLiteral("%1 row %2 not found; no voucher made.").arg(table).arg(docId));
    const QString docNo = doc.field(s(src.noColumn)).asString().trimmed();

    const data::ParamList key{{s("id"), docId}, {s("no"), docNo}};
    db.execute(s("DELETE FROM gldt WHERE glhd IN (SELECT id FROM glhd WHERE glfromdocid = :id AND "
                 "TRIM(glfromdocno) = :no)"),
               key);
    db.execute(s("DELETE FROM glhd WHERE glfromdocid = :id AND TRIM(glfromdocno) = :no"), key);
    if (doc.field(s("DelFlag")).asString().trimmed().toUpper() == QLatin1String("Y"))
        return;

    data::Query config(&db);
    config.setSql(s("SELECT * FROM Config"));
    config.open();
    if (config.isEmpty())
        throw DatabaseError(s("The company settings (Config) are missing; the voucher cannot be made."));

    QVector<Line> lines;
    const double total = round2(doc.field(s("Total")).asFloat());
    if (kind == VoucherSource::Import) {
        // The foreign amount at the document's rate, in baht.
        const double rate =
            doc.field(s("ExchangeRate")).isNull() ? 1.0 : doc.field(s("ExchangeRate")).asFloat();
        const double baht = round2(total * (rate == 0.0 ? 1.0 : rate));
        lines.push_back({account(config, "GLAccImport"), s("สินค้านำเข้า"), baht, 0});
        lines.push_back({account(config, "GLAccForeignPayable"), s("เจ้าหนี้ต่างประเทศ"), 0, baht});
    } else {
        const double vat = round2(doc.field(s("TaxTotal")).asFloat());
        const double goods = round2(total - vat);
        lines.push_back({account(config, "GLAccPurchase"), s("ซื้อสินค้า/ค่าใช้จ่าย"), goods, 0});
        if (vat != 0.0)
            lines.push_back({account(config, "GLAccInputVat"), s("ภาษีซื้อ"), vat, 0});
        if (kind == VoucherSource::CreditReceipt)
            lines.push_back({account(config, "GLAccPayable"), s("เจ้าหนี้การค้า"), 0, total});
        else
            lines.push_back({account(config, "GLAccCash"), s("เงินสด"), 0, total});
    }

    double debit = 0;
    double credit = 0;
    for (const Line& l : lines) {
        debit += l.debit;
        credit += l.credit;
    }
    if (round2(debit - credit) != 0.0)
        throw DatabaseError(QStringLiteral("Voucher of %1 %2 does not balance.").arg(table, docNo));

    db.execute(
        s("INSERT INTO glhd (glno, gldate, glfromdoccode, glfromdocid, glfromdocno, description, total, "
          "userid, "
          "createdate) VALUES (:glno, :gldate, :code, :id, :no, :description, :total, :userid, GETDATE())"),
        {{s("glno"), docNo},
         {s("gldate"), doc.field(s(src.dateColumn)).asDate()},
         {s("code"), s(src.docCode)},
         {s("id"), docId},
         {s("no"), docNo},
         {s("description"),
          doc.hasField(s("Remark")) ? doc.field(s("Remark")).asString().left(250) : QString()},
         {s("total"), round2(debit)},
         {s("userid"), userId}});
    const QVariant glhd =
        db.scalar(s("SELECT MAX(id) FROM glhd WHERE glfromdocid = :id AND glfromdocno = :no"), key);
    int recNo = 0;
    for (const Line& l : lines)
        db.execute(s("INSERT INTO gldt (glhd, recno, accountcode, description, debit, credit) "
                     "VALUES (:glhd, :recno, :account, :description, :debit, :credit)"),
                   {{s("glhd"), glhd},
                    {s("recno"), ++recNo},
                    {s("account"), l.account},
                    {s("description"), l.description},
                    {s("debit"), l.debit},
                    {s("credit"), l.credit}});
}

} // namespace zelt::server
