#pragma once

#include "lookup/Fr_Search.h"
#include "platform/data/Database.h"
#include "server/Procedures.h"
#include "server/SchemaBuilder.h"
#include "shell/Dm_Config.h"
#include "shell/U_DM.h"
#include "support/TestServer.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace zelt::test {

inline QString u(const char* text) {
    return QString::fromUtf8(text);
}

// A company database with the company data module connected to it as
// start-up connects it, for the search dialogs. The sort of title clicks is
// shared by the run, so each test starts without one.
class SearchFixture : public ::testing::Test {
protected:
    void SetUp() override {
        server::registerServerProcedures();
        scratch = std::make_unique<ScratchDatabase>(QStringLiteral("SRCH"));
        seed = std::make_unique<data::Database>(QStringLiteral("SEED"));
        seed->setServer(scratch->server());
        seed->setDatabaseName(scratch->name());
        seed->open();
        server::upgradeSchema(*seed, server::DatabaseKind::Company);
        seed->execute(u("INSERT INTO Config (RunYear) VALUES (2026)"));

        QFile serverDat(workDir.filePath(QStringLiteral("Server.Dat")));
        ASSERT_TRUE(serverDat.open(QIODevice::WriteOnly | QIODevice::Text));
        serverDat.write(scratch->serverText().toUtf8() + "\n");
        serverDat.close();

        config = std::make_unique<shell::TDMConfig>();
        config->WorkDir = workDir.path();
        config->ThaiLanguage = true;
        dm = std::make_unique<shell::TDM>();
        dm->setCommandLineDatabase(scratch->name());
        dm->DMdata->open();
        lookup::TFrSearch::SortColumn.clear();
        lookup::TFrSearch::SortDescending = false;
    }
    void TearDown() override {
        dm.reset();
        config.reset();
        seed.reset();
        scratch.reset();
    }

    int insertId(const QString& sql, const data::ParamList& params = {}) {
        seed->execute(sql, params);
        return seed->lastIdentity().toInt();
    }

    // Shows a dialog as exec would and makes it the active window.
    static void showActive(QDialog& dialog) {
        dialog.show();
        dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    }

    QTemporaryDir workDir;
    std::unique_ptr<ScratchDatabase> scratch;
    std::unique_ptr<data::Database> seed;
    std::unique_ptr<shell::TDMConfig> config;
    std::unique_ptr<shell::TDM> dm;
};

} // namespace zelt::test
