// The demo company "DEMO": an importer of industrial spare parts, machines
// and lubricants in Bangkok, buying from the USA, Germany, Italy, Japan,
// China and Singapore, with the freight forwarder, customs broker and
// insurer an import department works with.

#include "server/demo/DemoData.h"
#include "server/demo/DemoSupport.h"

#include "platform/data/Database.h"

#include <QStringList>

namespace zelt::server {

namespace demo {

int insertRow(data::Database& db, const QString& table, const data::ParamList& values) {
    insertPlain(db, table, values);
    return db.lastIdentity().toInt();
}

void insertPlain(data::Database& db, const QString& table, const data::ParamList& values) {
    QStringList columns;
    QStringList params;
    for (int i = 0; i < values.count(); ++i) {
        columns << values.at(i).name;
        params << u":"_s + values.at(i).name;
    }
    db.execute(u"INSERT INTO %1 (%2) VALUES (%3)"_s.arg(table, columns.join(u", "_s), params.join(u", "_s)),
               values);
}

int idOf(data::Database& db, const QString& table, const QString& code) {
    const QVariant id = db.scalar(u"SELECT Id FROM %1 WHERE Code = :Code"_s.arg(table), {{u"Code"_s, code}});
    if (!id.isValid() || id.isNull())
        throw data::DatabaseError(u"Demo data: no %1 with the code %2"_s.arg(table, code));
    return id.toInt();
}

int miscId(data::Database& db, const QString& group, const QString& code) {
    const QVariant id = db.scalar(u"SELECT Id FROM Misc WHERE GroupCode = :GroupCode AND Code = :Code"_s,
                                  {{u"GroupCode"_s, group}, {u"Code"_s, code}});
    if (!id.isValid() || id.isNull())
        throw data::DatabaseError(u"Demo data: no code %1 in the group %2"_s.arg(code, group));
    return id.toInt();
}

int demoRunYear(const DemoOptions& options) {
    return options.runYear > 0 ? options.runYear : QDate::currentDate().year();
}

QDate demoToday(int runYear) {
    const QDate today = QDate::currentDate();
    return today.year() == runYear ? today : QDate(runYear, 7, 15);
}

QDate firstOpenDay(int runYear) {
    const QDate today = demoToday(runYear);
    return QDate(runYear, today.month() > 1 ? today.month() - 1 : 1, 1);
}

QString buddhistYY(int christianYear) {
    return QString::number((christianYear + 543) % 100).rightJustified(2, u'0');
}

QChar gtinCheckDigit(const QString& digits) {
    int sum = 0;
    // Weights 3, 1, 3, ... from the rightmost digit leftwards.
    for (int i = 0; i < digits.size(); ++i) {
        const int d = digits.at(digits.size() - 1 - i).digitValue();
        sum += (i % 2 == 0) ? 3 * d : d;
    }
    return QChar(u'0' + (10 - sum % 10) % 10);
}

} // namespace demo

void loadDemoCompany(data::Database& company, const DemoOptions& options) {
    const int runYear = demo::demoRunYear(options);
    {
        data::Transaction tx(company);
        demo::loadDemoSettings(company, runYear);
        demo::loadDemoParties(company, runYear);
        demo::loadDemoProducts(company, runYear);
        demo::loadDemoDocuments(company, runYear);
        tx.commit();
    }
    if (options.large)
        loadLargeVolume(company, runYear);
}

} // namespace zelt::server
