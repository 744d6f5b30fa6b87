#include "platform/data/Database.h"

#include "platform/data/Statement.h"

#include <QAtomicInt>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>

namespace zelt::data {

namespace {

QAtomicInt connectionCounter;

// Database names come from the command line: only plain names may reach a
// file path or a CREATE DATABASE statement.
void checkName(const QString& name) {
    static const QRegularExpression ok(QStringLiteral("^[A-Za-z0-9_]{1,63}$"));
    if (!ok.match(name.trimmed()).hasMatch())
        throw DatabaseError(QStringLiteral("Invalid database name '%1'").arg(name));
}

// Every database file begins with this text; its header is 100 bytes long.
bool hasSqliteHeader(const QString& file) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return true; // unreadable: the driver says why
    const QByteArray head = f.read(100);
    return head.size() == 100 && head.startsWith(QByteArrayLiteral("SQLite format 3\0"));
}

// PostgreSQL folds unquoted names to lower case; database names are
// case-insensitive like the original server's.
QString pgName(const QString& name) {
    return name.trimmed().toLower();
}

QSqlDatabase openPostgres(const ServerSpec& s, const QString& connection, const QString& dbName) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connection);
    db.setHostName(s.host);
    db.setPort(s.port);
    db.setUserName(s.user);
    db.setPassword(s.password);
    db.setDatabaseName(dbName);
    db.setConnectOptions(
        QStringLiteral("connect_timeout=%1;application_name=zelt-import").arg(s.connectTimeoutSeconds));
    return db;
}

// A short-lived connection to the server's maintenance database.
template <typename Fn> auto withPostgresAdmin(const ServerSpec& s, Fn fn) {
    const QString conn = QStringLiteral("zelt-admin-%1").arg(connectionCounter.fetchAndAddRelaxed(1));
    struct Remove {
        QString name;
        ~Remove() { QSqlDatabase::removeDatabase(name); }
    } remover{conn};
    QSqlDatabase db = openPostgres(s, conn, QStringLiteral("postgres"));
    if (!db.open())
        throw DatabaseError(Dialect::create(Engine::Postgres)->translateError(db.lastError()));
    struct Close {
        QSqlDatabase& db;
        ~Close() { db.close(); }
    } closer{db};
    return fn(db);
}

} // namespace

Database::Database(const QString& alias, QObject* parent)
    : QObject(parent)
    , alias_(alias)
    , connectionName_(QStringLiteral("%1#%2")
                          .arg(alias.isEmpty() ? QStringLiteral("db") : alias)
                          .arg(connectionCounter.fetchAndAddRelaxed(1)))
    , dialect_(Dialect::create(Engine::Sqlite)) {
    setObjectName(alias);
}

Database::~Database() {
    close();
    QSqlDatabase::removeDatabase(connectionName_);
}

void Database::setServer(const ServerSpec& server) {
    if (isOpen())
        close();
    server_ = server;
    dialect_ = Dialect::create(server.engine);
}

QSqlDatabase Database::connection() const {
    return QSqlDatabase::database(connectionName_, false);
}

bool Database::isOpen() const {
    return QSqlDatabase::contains(connectionName_) && connection().isOpen();
}

void Database::open() {
    if (isOpen())
        return;
    if (beforeConnect)
        beforeConnect(*this);
    checkName(databaseName_);
    if (QSqlDatabase::contains(connectionName_))
        QSqlDatabase::removeDatabase(connectionName_);
    QSqlDatabase db;
    if (server_.engine == Engine::Sqlite) {
        const QString file = server_.sqliteFile(databaseName_);
        if (!QFileInfo::exists(file))
            throw DatabaseError(
                QStringLiteral("Database '%1' does not exist (no file %2)").arg(databaseName_, file));
        // SQLite takes an empty file for an empty database and would write
        // a new one over it: a file without the header of a database is
        // refused before the engine sees it.
        if (!hasSqliteHeader(file))
            throw DatabaseError(
                QStringLiteral("The database file %1 is damaged or not a database: no database header")
                    .arg(file));
        db = QSqlDatabase::addDatabase(dialect_->driverName(), connectionName_);
        db.setDatabaseName(file);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=30000"));
        if (!db.open())
            throw DatabaseError(
                QStringLiteral("Cannot open the database file %1: %2").arg(file, db.lastError().text()));
        // Read before anything is written: a damaged or foreign file fails
        // here, and is left exactly as it was.
        QSqlQuery probe(db);
        if (!probe.exec(QStringLiteral("SELECT count(*) FROM sqlite_master"))) {
            const QString why = probe.lastError().text();
            probe = QSqlQuery();
            db.close();
            throw DatabaseError(
                QStringLiteral("The database file %1 is damaged or not a database: %2").arg(file, why));
        }
    } else {
        db = openPostgres(server_, connectionName_, pgName(databaseName_));
        if (!db.open())
            throw DatabaseError(
                dialect_->translateError(db.lastError()) +
                QStringLiteral(" [server %1, database %2]").arg(server_.describe(), databaseName_));
    }
    try {
        dialect_->afterOpen(db);
    } catch (...) {
        db.close();
        throw;
    }
    inTransaction_ = false;
    if (afterConnect)
        afterConnect(*this);
}

void Database::close() {
    if (!QSqlDatabase::contains(connectionName_))
        return;
    QSqlDatabase db = connection();
    if (db.isOpen()) {
        if (inTransaction_)
            QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        db.close();
    }
    inTransaction_ = false;
}

void Database::ensureOpen() {
    if (!isOpen())
        open();
}

void Database::startTransaction() {
    ensureOpen();
    if (inTransaction_)
        throw DatabaseError(QStringLiteral("A transaction is already active on %1").arg(alias_));
    QSqlQuery q(connection());
    if (!q.exec(dialect_->beginSql()))
        throw DatabaseError(dialect_->translateError(q.lastError()), dialect_->beginSql());
    inTransaction_ = true;
    failedInTransaction_ = false;
}

void Database::commit() {
    if (!inTransaction_)
        throw DatabaseError(QStringLiteral("No transaction is active on %1").arg(alias_));
    if (failedInTransaction_ && dialect_->failureAbortsTransaction()) {
        // The server would answer COMMIT with a silent rollback: say so.
        rollback();
        throw DatabaseError(
            QStringLiteral("The transaction on %1 was rolled back because a statement in it failed; "
                           "nothing of it was saved.")
                .arg(alias_));
    }
    QSqlQuery q(connection());
    if (!q.exec(QStringLiteral("COMMIT")))
        throw DatabaseError(dialect_->translateError(q.lastError()), QStringLiteral("COMMIT"));
    inTransaction_ = false;
}

void Database::rollback() {
    if (!inTransaction_)
        return;
    inTransaction_ = false;
    if (isOpen())
        QSqlQuery(connection()).exec(QStringLiteral("ROLLBACK"));
}

int Database::execute(const QString& sql, const ParamList& params) {
    ensureOpen();
    Statement st(*this, sql);
    st.bind(params);
    st.exec();
    return st.rowsAffected();
}

QVariant Database::scalar(const QString& sql, const ParamList& params) {
    ensureOpen();
    Statement st(*this, sql);
    st.bind(params);
    st.exec();
    if (st.columnCount() == 0 || !st.next())
        return {};
    return st.value(0);
}

QVariant Database::lastIdentity() {
    return scalar(dialect_->lastIdentitySql());
}

bool Database::hasTable(const QString& table) {
    return scalar(dialect_->tableExistsSql(), {{QStringLiteral("TableName"), table}}).isValid();
}

bool Database::hasColumn(const QString& table, const QString& column) {
    return scalar(dialect_->columnExistsSql(),
                  {{QStringLiteral("TableName"), table}, {QStringLiteral("ColumnName"), column}})
        .isValid();
}

bool Database::databaseExists(const ServerSpec& server, const QString& name) {
    checkName(name);
    if (server.engine == Engine::Sqlite)
        return QFileInfo::exists(server.sqliteFile(name));
    return withPostgresAdmin(server, [&](QSqlDatabase& db) {
        QSqlQuery q(db);
        q.prepare(QStringLiteral("SELECT 1 FROM pg_database WHERE datname = ?"));
        q.addBindValue(pgName(name));
        if (!q.exec())
            throw DatabaseError(q.lastError().text());
        return q.next();
    });
}

void Database::createDatabase(const ServerSpec& server, const QString& name) {
    checkName(name);
    const auto dialect = Dialect::create(server.engine);
    if (server.engine == Engine::Sqlite) {
        const QString file = server.sqliteFile(name);
        if (QFileInfo::exists(file))
            throw DatabaseError(QStringLiteral("Database '%1' already exists (%2)").arg(name, file));
        if (!QDir().mkpath(server.folder))
            throw DatabaseError(QStringLiteral("Cannot create the folder %1").arg(server.folder));
    } else {
        withPostgresAdmin(server, [&](QSqlDatabase& db) {
            QSqlQuery q(db);
            // The name was checked above: letters, digits and "_" only.
            if (!q.exec(QStringLiteral("CREATE DATABASE ") + pgName(name) +
                        QStringLiteral(" ENCODING 'UTF8'")))
                throw DatabaseError(dialect->translateError(q.lastError()));
            return 0;
        });
    }
    // A new SQLite file comes into being on its first open.
    if (server.engine == Engine::Sqlite) {
        const QString conn = QStringLiteral("zelt-create-%1").arg(connectionCounter.fetchAndAddRelaxed(1));
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(dialect->driverName(), conn);
            db.setDatabaseName(server.sqliteFile(name));
            if (!db.open())
                throw DatabaseError(db.lastError().text());
            QSqlQuery(db).exec(QStringLiteral("PRAGMA journal_mode=WAL"));
            db.close();
        }
        QSqlDatabase::removeDatabase(conn);
    }
    Database db(QStringLiteral("setup"));
    db.setServer(server);
    db.setDatabaseName(name);
    db.open();
    for (const QString& sql : dialect->setupSql())
        db.execute(sql);
}

void Database::dropDatabase(const ServerSpec& server, const QString& name) {
    checkName(name);
    if (server.engine == Engine::Sqlite) {
        const QString file = server.sqliteFile(name);
        for (const QString& suffix :
             {QString(), QStringLiteral("-wal"), QStringLiteral("-shm"), QStringLiteral("-journal")})
            QFile::remove(file + suffix);
        return;
    }
    withPostgresAdmin(server, [&](QSqlDatabase& db) {
        QSqlQuery q(db);
        if (!q.exec(QStringLiteral("DROP DATABASE IF EXISTS ") + pgName(name) +
                    QStringLiteral(" WITH (FORCE)")))
            throw DatabaseError(q.lastError().text());
        return 0;
    });
}

Transaction::Transaction(Database& db)
    : db_(db) {
    db_.startTransaction();
}

Transaction::~Transaction() {
    if (!done_)
        db_.rollback();
}

void Transaction::commit() {
    db_.commit();
    done_ = true;
}

} // namespace zelt::data
