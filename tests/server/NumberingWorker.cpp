// A second process for the numbering tests. Modes:
//   take SERVER DB CODE YEAR COUNT   take COUNT numbers, one saving transaction
//                                    each, and print every number on its line
//   hold SERVER DB CODE YEAR         save a document half-way (number taken,
//                                    header written), print its number and
//                                    "READY", then wait to be killed

#include "platform/data/Database.h"
#include "platform/data/StoredProc.h"
#include "server/Procedures.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>
#include <QThread>

using namespace zelt;

namespace {
QString takeNumber(data::Database& db, const QString& code, int year) {
    data::StoredProc sp(&db, QStringLiteral("NewDocumentNo"));
    sp.setParam(QStringLiteral("@DocCode"), code);
    sp.setParam(QStringLiteral("@DocYear"), year);
    sp.execProc();
    return sp.param(QStringLiteral("@NewNo")).toString();
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments();
    if (a.size() < 6)
        return 2;
    server::registerServerProcedures();
    data::Database db(QStringLiteral("WORKER"));
    db.setServer(data::ServerSpec::fromText(a[2], QDir::currentPath()));
    db.setDatabaseName(a[3]);
    QTextStream out(stdout);
    try {
        db.open();
        const QString code = a[4];
        const int year = a[5].toInt();
        if (a[1] == QLatin1String("take")) {
            const int count = a.value(6).toInt();
            for (int i = 0; i < count; ++i) {
                data::Transaction tx(db);
                const QString no = takeNumber(db, code, year);
                db.execute(
                    QStringLiteral(
                        "INSERT INTO FrPoHd (PoNo, PoType, PoDate, DelFlag) VALUES (:No, 'P', :D, 'N')"),
                    {{QStringLiteral("No"), no}, {QStringLiteral("D"), QDate(year, 6, 1)}});
                tx.commit();
                out << no << Qt::endl;
            }
            return 0;
        }
        if (a[1] == QLatin1String("hold")) {
            db.startTransaction();
            const QString no = takeNumber(db, code, year);
            db.execute(QStringLiteral(
                           "INSERT INTO FrPoHd (PoNo, PoType, PoDate, DelFlag) VALUES (:No, 'P', :D, 'N')"),
                       {{QStringLiteral("No"), no}, {QStringLiteral("D"), QDate(year, 6, 1)}});
            out << no << Qt::endl << "READY" << Qt::endl;
            for (;;)
                QThread::sleep(1);
        }
    } catch (const data::DatabaseError& e) {
        QTextStream(stderr) << e.message() << Qt::endl;
        return 1;
    }
    return 2;
}
