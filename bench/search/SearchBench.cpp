// The simple search over a code table of 100,000 rows: from the search call
// to the first rows in the grid's model, against the floor the engine sets
// for the same statement run by plain Qt SQL with all its rows read.
//
// The engine: embedded SQLite in a temporary folder, or the PostgreSQL server
// named by ZELT_BENCH_SERVER ("host:port", login zelt unless PGUSER says).

#include "lookup/Fr_SimpleSearch.h"
#include "lookup/SearchSql.h"
#include "platform/data/DataSetModel.h"
#include "platform/data/Database.h"
#include "platform/data/Query.h"
#include "server/Procedures.h"
#include "server/SchemaBuilder.h"
#include "shell/Dm_Config.h"
#include "shell/U_DM.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

using namespace zelt;

namespace {

constexpr int kRows = 100000;
const QString kGroup = QStringLiteral("BENCH");
const QString kCondition = QStringLiteral("GroupCode = 'BENCH'");

struct Env {
    QTemporaryDir dir;
    QString serverText;
    data::ServerSpec server;
    QString name = QStringLiteral("BENCHSRCH_%1").arg(QCoreApplication::applicationPid());
    std::unique_ptr<shell::TDMConfig> config;
    std::unique_ptr<shell::TDM> dm;
    std::unique_ptr<lookup::TFrSimpleSearch> dialog;

    Env() {
        const QString text = qEnvironmentVariable("ZELT_BENCH_SERVER").trimmed();
        serverText = text.isEmpty() ? QStringLiteral("sqlite:") + dir.path() : text;
        server = data::ServerSpec::fromText(serverText, dir.path());
        data::Database::dropDatabase(server, name);
        data::Database::createDatabase(server, name);
        server::registerServerProcedures();
        {
            data::Database db(QStringLiteral("SEED"));
            db.setServer(server);
            db.setDatabaseName(name);
            db.open();
            server::upgradeSchema(db, server::DatabaseKind::Company);
            db.execute(QStringLiteral("INSERT INTO Config (RunYear) VALUES (2026)"));
            data::Transaction tx(db);
            QSqlQuery q(db.connection());
            q.prepare(QStringLiteral(
                "INSERT INTO Misc (GroupCode, Code, Description, OrderNo) VALUES (?, ?, ?, ?)"));
            for (int i = 0; i < kRows; ++i) {
                q.bindValue(0, kGroup);
                q.bindValue(1, QStringLiteral("C%1").arg(i, 6, 10, QLatin1Char('0')));
                q.bindValue(2, QStringLiteral("รายการทดสอบ %1 ค่าใช้จ่ายนำเข้า").arg(i, 6, 10, QLatin1Char('0')));
                q.bindValue(3, i);
                if (!q.exec())
                    throw std::runtime_error("seed failed");
            }
            tx.commit();
        }
        QFile serverDat(dir.filePath(QStringLiteral("Server.Dat")));
        if (!serverDat.open(QIODevice::WriteOnly | QIODevice::Text))
            throw std::runtime_error("cannot write Server.Dat");
        serverDat.write(serverText.toUtf8() + "\n");
        serverDat.close();
        config = std::make_unique<shell::TDMConfig>();
        config->WorkDir = dir.path();
        config->ThaiLanguage = true;
        dm = std::make_unique<shell::TDM>();
        dm->setCommandLineDatabase(name);
        dm->DMdata->open();

        dialog = std::make_unique<lookup::TFrSimpleSearch>();
        dialog->TableName = QStringLiteral("Misc");
        dialog->ExtraCondition = kCondition;
        dialog->show(); // builds the statement as a shown dialog does
    }
    ~Env() {
        dialog.reset();
        dm.reset();
        config.reset();
        data::Database::dropDatabase(server, name);
    }
    const char* engine() const { return server.engine == data::Engine::Sqlite ? "sqlite" : "postgres"; }
};

Env& env() {
    static Env e;
    return e;
}

// The floor: the dialog's statement prepared and run by Qt SQL on the same
// connection, every row read.
double floorSeconds(Env& e, const QString& text, int* rows) {
    QString sql = lookup::simpleSearchSql(QStringLiteral("Code"), QStringLiteral("Misc"), kCondition,
                                          QStringLiteral("Description"))
                      .join(QLatin1Char('\n'));
    sql.replace(QStringLiteral(":GetCode"), QStringLiteral("?"));
    QElapsedTimer t;
    t.start();
    QSqlQuery q(e.dm->DMdata->connection());
    q.setForwardOnly(true);
    q.prepare(sql);
    q.bindValue(0, lookup::likeContains(text));
    if (!q.exec())
        throw std::runtime_error("floor query failed");
    int n = 0;
    while (q.next()) {
        benchmark::DoNotOptimize(q.value(0));
        benchmark::DoNotOptimize(q.value(1));
        benchmark::DoNotOptimize(q.value(2));
        ++n;
    }
    *rows = n;
    return t.nsecsElapsed() / 1e9;
}

const char* const kTexts[] = {"", "ทดสอบ 01", "0042"};

void BM_SimpleSearch(benchmark::State& state) {
    Env& e = env();
    const QString text = QString::fromUtf8(kTexts[state.range(0)]);
    double floorTotal = 0;
    double searchTotal = 0;
    int rows = 0;
    for (auto _ : state) {
        floorTotal += floorSeconds(e, text, &rows);
        QElapsedTimer t;
        t.start();
        e.dialog->Code->setText(text);
        e.dialog->BtSearchClick();
        const QAbstractItemModel* model = e.dialog->DSearch;
        for (int r = 0; r < qMin(20, model->rowCount()); ++r)
            for (int c = 0; c < model->columnCount(); ++c)
                benchmark::DoNotOptimize(model->index(r, c).data());
        const double secs = t.nsecsElapsed() / 1e9;
        searchTotal += secs;
        state.SetIterationTime(secs);
        if (model->rowCount() != rows)
            state.SkipWithError("the search and its floor found different rows");
    }
    state.counters["rows"] = rows;
    state.counters["ratio"] = searchTotal / floorTotal;
    state.SetLabel(e.engine());
}
BENCHMARK(BM_SimpleSearch)->DenseRange(0, 2)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
