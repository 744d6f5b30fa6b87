// Saving a document of N lines through cached updates and an update object,
// against the floor the engine sets: the same rows written by one plain
// prepared INSERT in one transaction. And the memory a data set of 100,000
// product rows takes against the bytes of its values.
//
// The engine: embedded SQLite in a temporary folder, or the PostgreSQL server
// named by ZELT_BENCH_SERVER ("host:port", login zelt unless PGUSER says).

#include "platform/data/Database.h"
#include "platform/data/Query.h"
#include "platform/data/UpdateSql.h"
#include "server/SchemaBuilder.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

using namespace zelt;

namespace {

struct Env {
    QTemporaryDir dir;
    data::ServerSpec server;
    QString name = QStringLiteral("BENCH_%1").arg(QCoreApplication::applicationPid());
    std::unique_ptr<data::Database> db;

    Env() {
        const QString text = qEnvironmentVariable("ZELT_BENCH_SERVER").trimmed();
        server = data::ServerSpec::fromText(text.isEmpty() ? QStringLiteral("sqlite:") + dir.path() : text,
                                            dir.path());
        data::Database::dropDatabase(server, name);
        data::Database::createDatabase(server, name);
        db = std::make_unique<data::Database>(QStringLiteral("DMDATA"));
        db->setServer(server);
        db->setDatabaseName(name);
        db->open();
        server::upgradeSchema(*db, server::DatabaseKind::Company);
    }
    ~Env() {
        db.reset();
        data::Database::dropDatabase(server, name);
    }
    const char* engine() const { return server.engine == data::Engine::Sqlite ? "sqlite" : "postgres"; }
};

Env& env() {
    static Env e;
    return e;
}

const QString kInsert = QStringLiteral(
    "INSERT INTO FrPoDt (FrPoHd, PoRecNo, PoDate, Product, ProductUnits, Warehouse, Quantity, Fraction, "
    "Price, "
    "Discount, DiscountAmt, ProductAmount, Total, MemoLine) VALUES (:FrPoHd, :PoRecNo, :PoDate, :Product, "
    ":ProductUnits, :Warehouse, :Quantity, :Fraction, :Price, :Discount, :DiscountAmt, :ProductAmount, "
    ":Total, "
    ":MemoLine)");

QVariantList lineValues(int header, int n) {
    const double qty = 1 + n % 17;
    const double price = 125.5 + n;
    return {header,
            n + 1,
            QDate(2026, 12, 11),
            1000 + n,
            2000 + n,
            1,
            qty,
            12,
            price,
            QStringLiteral("5%"),
            qty * price * 0.05,
            qty * price * 0.95,
            qty * price * 0.95,
            QStringLiteral("สินค้านำเข้า ล็อต %1").arg(n)};
}

const QStringList kFields{
    QStringLiteral("FrPoHd"),   QStringLiteral("PoRecNo"),      QStringLiteral("PoDate"),
    QStringLiteral("Product"),  QStringLiteral("ProductUnits"), QStringLiteral("Warehouse"),
    QStringLiteral("Quantity"), QStringLiteral("Fraction"),     QStringLiteral("Price"),
    QStringLiteral("Discount"), QStringLiteral("DiscountAmt"),  QStringLiteral("ProductAmount"),
    QStringLiteral("Total"),    QStringLiteral("MemoLine")};

// The floor: one prepared statement, positional values, one transaction.
double floorSeconds(data::Database& db, int header, int lines) {
    QElapsedTimer t;
    t.start();
    data::Transaction tx(db);
    QSqlQuery q(db.connection());
    QString positional = kInsert;
    for (const QString& f : kFields)
        positional.replace(QLatin1Char(':') + f + QLatin1Char(','), QStringLiteral("?,"))
            .replace(QLatin1Char(':') + f + QLatin1Char(')'), QStringLiteral("?)"));
    q.prepare(positional);
    for (int n = 0; n < lines; ++n) {
        const QVariantList v = lineValues(header, n);
        for (int i = 0; i < v.size(); ++i)
            q.bindValue(i, db.dialect().toDb(v[i]));
        if (!q.exec())
            throw std::runtime_error("floor insert failed");
    }
    tx.commit();
    return t.nsecsElapsed() / 1e9;
}

void BM_ApplyDocument(benchmark::State& state) {
    Env& e = env();
    const int lines = int(state.range(0));
    data::Query dt(e.db.get(), QStringLiteral("QDt"));
    dt.setSql(QStringLiteral("SELECT * FROM FrPoDt WHERE FrPoHd = :Hd"));
    data::UpdateSql upd(e.db.get(), QStringLiteral("UDt"));
    upd.setInsertSql(kInsert);
    dt.setUpdateObject(&upd);
    dt.setCachedUpdates(true);
    double floorTotal = 0;
    double applyTotal = 0;
    int header = 0;
    for (auto _ : state) {
        ++header;
        floorTotal += floorSeconds(*e.db, -header, lines);
        // The lines a user typed, held in the data set (not timed).
        dt.setParam(QStringLiteral("Hd"), header);
        dt.open();
        for (int n = 0; n < lines; ++n) {
            dt.append();
            const QVariantList v = lineValues(header, n);
            for (int i = 0; i < v.size(); ++i)
                dt.setValue(kFields[i], v[i]);
            dt.post();
        }
        QElapsedTimer t;
        t.start();
        {
            data::Transaction tx(*e.db);
            dt.applyUpdates();
            tx.commit();
        }
        dt.commitUpdates();
        const double secs = t.nsecsElapsed() / 1e9;
        applyTotal += secs;
        state.SetIterationTime(secs);
    }
    state.counters["ratio"] = applyTotal / floorTotal;
    state.SetLabel(e.engine());
}
BENCHMARK(BM_ApplyDocument)->Arg(10)->Arg(100)->Arg(1000)->UseManualTime()->Unit(benchmark::kMillisecond);

long residentBytes() {
    QFile f(QStringLiteral("/proc/self/statm"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> parts = f.readAll().split(' ');
    return parts.size() > 1 ? parts[1].toLong() * 4096 : 0;
}

void BM_ProductRowsMemory(benchmark::State& state) {
    Env& e = env();
    constexpr int kRows = 100000;
    if (e.db->scalar(QStringLiteral("SELECT COUNT(*) FROM Product")).toInt() < kRows) {
        data::Transaction tx(*e.db);
        QSqlQuery q(e.db->connection());
        q.prepare(QStringLiteral(
            "INSERT INTO Product (Code, ThaiName, EngName, ProductType, PType, PGroup, TaxCode, "
            "Size_W, NetWeight, Remark) VALUES (?, ?, ?, 'S', 1, 2, 1, ?, ?, ?)"));
        for (int i = 0; i < kRows; ++i) {
            q.bindValue(0, QStringLiteral("P%1").arg(i, 6, 10, QLatin1Char('0')));
            q.bindValue(1, QStringLiteral("สินค้าทดสอบ %1").arg(i));
            q.bindValue(2, QStringLiteral("Test product %1").arg(i));
            q.bindValue(3, 10.5 + i % 7);
            q.bindValue(4, 0.25 * (i % 40));
            q.bindValue(5, QStringLiteral("นำเข้าจากญี่ปุ่น"));
            if (!q.exec())
                throw std::runtime_error("seed failed");
        }
        tx.commit();
    }
    for (auto _ : state) {
        const long before = residentBytes();
        data::Query q(e.db.get());
        q.setSql(QStringLiteral("SELECT * FROM Product"));
        q.open();
        const long after = residentBytes();
        qint64 valueBytes = 0;
        for (int r = 0; r < q.recordCount(); ++r)
            for (int c = 0; c < q.fieldCount(); ++c) {
                const QVariant& v = q.cell(r, c);
                if (v.isNull())
                    continue;
                valueBytes += v.typeId() == QMetaType::QString ? v.toString().toUtf8().size() : 8;
            }
        state.counters["rows"] = q.recordCount();
        state.counters["MiB"] = (after - before) / 1048576.0;
        state.counters["valueMiB"] = valueBytes / 1048576.0;
        state.counters["ratio"] = valueBytes ? double(after - before) / double(valueBytes) : 0;
    }
    state.SetLabel(e.engine());
}
BENCHMARK(BM_ProductRowsMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
