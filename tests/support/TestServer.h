#pragma once

#include "platform/data/Server.h"

#include <QString>
#include <QTemporaryDir>

#include <memory>

namespace zelt::test {

// The server the tests use: the embedded store in a temporary folder, or the
// PostgreSQL server named by ZELT_TEST_SERVER ("host:port").
data::ServerSpec testServer(const QString& tempFolder);
bool testingPostgres();

// A uniquely named database that exists for one test and is dropped after.
class ScratchDatabase {
public:
    explicit ScratchDatabase(const QString& prefix = QStringLiteral("T"));
    ~ScratchDatabase();
    const data::ServerSpec& server() const { return server_; }
    const QString& name() const { return name_; }
    // The server as Server.Dat would name it, for a second process.
    QString serverText() const;
    QString folder() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
    data::ServerSpec server_;
    QString name_;
};

} // namespace zelt::test
