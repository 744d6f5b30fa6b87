#pragma once

#include "platform/data/DataError.h"
#include "platform/data/Dialect.h"
#include "platform/data/Params.h"
#include "platform/data/Server.h"

#include <QObject>
#include <QSqlDatabase>

#include <functional>
#include <memory>

namespace zelt::data {

// A named connection to one database of a server, with the transaction
// calls the forms use around a save, and the dialect of its engine.
class Database : public QObject {
    Q_OBJECT
public:
    explicit Database(const QString& alias = {}, QObject* parent = nullptr);
    ~Database() override;

    const QString& alias() const { return alias_; }
    void setServer(const ServerSpec& server);
    const ServerSpec& server() const { return server_; }
    void setDatabaseName(const QString& name) { databaseName_ = name; }
    const QString& databaseName() const { return databaseName_; }

    // Run before every connect (they may change server and name) and after
    // every successful connect.
    std::function<void(Database&)> beforeConnect;
    std::function<void(Database&)> afterConnect;

    // Opens the connection. A database that does not exist is an error, it
    // is never created here (see createDatabase).
    void open();
    void close();
    bool isOpen() const;

    void startTransaction();
    void commit();
    void rollback();
    bool inTransaction() const { return inTransaction_; }
    // Told by every statement that fails on this connection.
    void noteStatementFailed() { failedInTransaction_ = inTransaction_; }

    // Runs one statement with named parameters; the number of rows changed.
    int execute(const QString& sql, const ParamList& params = {});
    // The first column of the first row, null when there is no row.
    QVariant scalar(const QString& sql, const ParamList& params = {});

    // The identity most recently generated on this connection, or null.
    QVariant lastIdentity();
    bool hasTable(const QString& table);
    bool hasColumn(const QString& table, const QString& column);

    const Dialect& dialect() const { return *dialect_; }
    QSqlDatabase connection() const;

    // The server's databases: these need no open connection.
    static bool databaseExists(const ServerSpec& server, const QString& name);
    static void createDatabase(const ServerSpec& server, const QString& name);
    static void dropDatabase(const ServerSpec& server, const QString& name);

private:
    void ensureOpen();

    QString alias_;
    QString connectionName_;
    ServerSpec server_;
    QString databaseName_;
    std::unique_ptr<Dialect> dialect_;
    bool inTransaction_ = false;
    bool failedInTransaction_ = false;
};

// A transaction for one scope: started in the constructor, rolled back in the
// destructor unless committed, so that an error anywhere in a save can never
// leave a transaction open.
class Transaction {
public:
    explicit Transaction(Database& db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();

private:
    Database& db_;
    bool done_ = false;
};

} // namespace zelt::data
