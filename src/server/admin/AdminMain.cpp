// zelt-admin: creates and upgrades the databases of the suite, and loads the
// demo company. It finds the server as the program does (Server.Dat in the
// working directory) unless --server names one.

#include "platform/data/Database.h"
#include "server/Databases.h"
#include "server/Procedures.h"
#include "server/SchemaBuilder.h"
#include "server/demo/DemoData.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTextStream>

#include <cstdio>

using namespace zelt;

namespace {

QTextStream& out() {
    static QTextStream s(stdout);
    return s;
}
QTextStream& err() {
    static QTextStream s(stderr);
    return s;
}

const QString kDemo = QStringLiteral("DEMO");

int usage(int status) {
    (status == 0 ? out() : err())
        << "Usage: zelt-admin [--server TEXT] COMMAND\n"
           "  create-config          create the configuration database ZELT_CONFIG\n"
           "  create-company NAME    create a company database and register it\n"
           "  demo [--large]         create the configuration database and the demo company DEMO\n"
           "                         when they do not exist and load the demo data; --large adds\n"
           "                         100,000 products, 10,000 vendors and 50,000 orders\n"
           "  upgrade                bring every database to the current schema (safe to repeat)\n"
           "--server: empty or sqlite:<folder> for the embedded store, host[:port] for PostgreSQL;\n"
           "without it the first line of Server.Dat in the working directory decides.\n";
    out().flush();
    err().flush();
    return status;
}

int demo(const data::ServerSpec& server, bool large) {
    QElapsedTimer timer;
    timer.start();
    server::DemoOptions options;
    options.large = large;
    bool created = false;
    // The configuration rows first: the demo users, menus and the company
    // DEMO keep their fixed ids only in a configuration database of their own.
    if (!server::configDatabaseExists(server)) {
        out() << "Creating the configuration database ZELT_CONFIG on " << server.describe() << " ...\n";
        out().flush();
        server::createConfigDatabase(server);
        try {
            data::Database config(QStringLiteral("CONFIG"));
            config.setServer(server);
            config.setDatabaseName(server::configDatabaseName(server));
            config.open();
            server::loadDemoConfig(config, kDemo, options);
        } catch (...) {
            // Half a demo is worse than none: the next run starts afresh.
            data::Database::dropDatabase(server, QStringLiteral("ZELT_CONFIG"));
            throw;
        }
        created = true;
    }
    data::Database company(kDemo);
    company.setServer(server);
    company.setDatabaseName(kDemo);
    if (!data::Database::databaseExists(server, kDemo)) {
        out() << "Creating the demo company database DEMO ...\n";
        out().flush();
        server::createCompanyDatabase(server, kDemo);
        try {
            company.open();
            server::loadDemoCompany(company, options);
        } catch (...) {
            company.close();
            data::Database::dropDatabase(server, kDemo);
            throw;
        }
        created = true;
    }
    if (large) {
        company.open();
        if (company.scalar(QStringLiteral("SELECT COUNT(*) FROM Product")).toLongLong() < 100000) {
            out() << "Adding the large volume to DEMO: 100,000 products, 10,000 vendors, 50,000 orders "
                     "(this takes a while) ...\n";
            out().flush();
            server::loadLargeVolume(company, options.runYear);
            created = true;
        }
    }
    if (created)
        out() << "The demo company is ready (" << timer.elapsed() / 1000.0 << " s).\n";
    else
        out() << "The configuration database and the demo company DEMO exist already; nothing to do.\n";
    return 0;
}

int run(const QStringList& args) {
    QStringList rest = args;
    QString serverText;
    bool serverGiven = false;
    if (!rest.isEmpty() && rest.first() == QLatin1String("--server")) {
        if (rest.size() < 2)
            return usage(2);
        serverText = rest.at(1);
        serverGiven = true;
        rest = rest.mid(2);
    }
    if (rest.isEmpty())
        return usage(2);
    const QString cwd = QDir::currentPath();
    const data::ServerSpec server =
        serverGiven ? data::ServerSpec::fromText(serverText, cwd) : data::ServerSpec::fromWorkDir(cwd);
    server::registerServerProcedures();
    const QString command = rest.takeFirst();
    if (command == QLatin1String("--help") || command == QLatin1String("help"))
        return usage(0);
    if (command == QLatin1String("create-config") && rest.isEmpty()) {
        server::createConfigDatabase(server);
        out() << "Created ZELT_CONFIG on " << server.describe() << "\n";
        return 0;
    }
    if (command == QLatin1String("create-company") && rest.size() == 1) {
        server::createCompanyDatabase(server, rest.first());
        out() << "Created company database " << rest.first() << " on " << server.describe() << "\n";
        return 0;
    }
    if (command == QLatin1String("demo") &&
        (rest.isEmpty() || rest == QStringList{QStringLiteral("--large")}))
        return demo(server, !rest.isEmpty());
    if (command == QLatin1String("upgrade") && rest.isEmpty()) {
        const QStringList done = server::upgradeAll(server);
        if (done.isEmpty())
            out() << "No configuration database on " << server.describe() << "; nothing upgraded.\n";
        for (const QString& name : done)
            out() << "Upgraded " << name << "\n";
        return 0;
    }
    return usage(2);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zelt-admin"));
    try {
        return run(app.arguments().mid(1));
    } catch (const data::DatabaseError& e) {
        err() << "zelt-admin: " << e.message() << "\n";
        return 1;
    } catch (const std::exception& e) {
        err() << "zelt-admin: " << e.what() << "\n";
        return 1;
    }
}
