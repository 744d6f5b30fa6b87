#pragma once

#include "platform/data/Database.h"
#include "server/Procedures.h"
#include "server/SchemaBuilder.h"
#include "support/TestServer.h"

#include <gtest/gtest.h>

#include <memory>

namespace zelt::test {

// A fresh company database at the current schema, with numbering rows.
class CompanyFixture : public ::testing::Test {
protected:
    void SetUp() override {
        server::registerServerProcedures();
        scratch = std::make_unique<ScratchDatabase>(QStringLiteral("CO"));
        db = std::make_unique<data::Database>(QStringLiteral("DMDATA"));
        db->setServer(scratch->server());
        db->setDatabaseName(scratch->name());
        db->open();
        server::upgradeSchema(*db, server::DatabaseKind::Company);
    }
    void TearDown() override {
        db.reset();
        scratch.reset();
    }
    void addNumbering(const QString& code, int year, const QString& prefix, int length, int lastNo = 0) {
        db->execute(QStringLiteral(
                        "INSERT INTO DocumentNo (Code, Description, Prefix, LastNo, DocumentLength, AutoRun, "
                        "DocYear) VALUES (:Code, :Code, :Prefix, :LastNo, :Len, 'Y', :Year)"),
                    {{QStringLiteral("Code"), code},
                     {QStringLiteral("Prefix"), prefix},
                     {QStringLiteral("LastNo"), lastNo},
                     {QStringLiteral("Len"), length},
                     {QStringLiteral("Year"), year}});
    }

    std::unique_ptr<ScratchDatabase> scratch;
    std::unique_ptr<data::Database> db;
};

} // namespace zelt::test
