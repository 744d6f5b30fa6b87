// zelt-import started as the menu program starts it: six arguments, a working
// folder with "Server.Dat", and what it tells on stderr and in its exit status.

#include "platform/data/Database.h"
#include "server/SchemaBuilder.h"
#include "server/demo/DemoData.h"
#include "support/TestServer.h"

#include <QDateTime>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

using namespace zelt;

namespace {

QString u(const char* text) {
    return QString::fromUtf8(text);
}

const QString kConfig = QStringLiteral("ZELT_CONFIG");
const QString kConfigLdc = QStringLiteral("ZELT_CONFIG_LDC");

struct Outcome {
    bool crashed = false;
    int exitCode = -1;
    QString out;
    QString err; // without Qt's notes about the environment
};

// The demo configuration (company DEMO; users 1 Thai with every right, 2
// English, 3 without access; menu entry 1 is FRPO) on the test server, and a
// working folder whose "Server.Dat" names that server.
class Startup : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dataDir = new QTemporaryDir;
        workDir = new QTemporaryDir;
        server = new data::ServerSpec(test::testServer(dataDir->path()));
        dropConfigs();
        data::Database::createDatabase(*server, kConfig);
        data::Database config(QStringLiteral("SEED"));
        config.setServer(*server);
        config.setDatabaseName(kConfig);
        config.open();
        server::upgradeSchema(config, server::DatabaseKind::Config);
        server::loadDemoConfig(config, QStringLiteral("DEMO"), {});
        config.close();

        const QString serverText = test::testingPostgres()
                                       ? qEnvironmentVariable("ZELT_TEST_SERVER").trimmed()
                                       : QStringLiteral("sqlite:") + dataDir->path();
        QFile f(workDir->filePath(QStringLiteral("Server.Dat")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(serverText.toUtf8() + "\r\n");
    }
    static void TearDownTestSuite() {
        dropConfigs();
        delete server;
        delete workDir;
        delete dataDir;
    }
    static void dropConfigs() {
        for (const QString& name : {kConfig, kConfigLdc})
            data::Database::dropDatabase(*server, name);
    }

    static Outcome run(const QStringList& args, bool traced = false) {
        QProcess p;
        p.setProgram(QStringLiteral(ZELT_IMPORT_BINARY));
        p.setArguments(args);
        p.setWorkingDirectory(workDir->path());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("ZELT_UNATTENDED"), QStringLiteral("1"));
        env.remove(QStringLiteral("ZELT_DEFAULT_SERVER"));
        if (traced)
            env.insert(QStringLiteral("ZELT_TRACE"), QStringLiteral("1"));
        else
            env.remove(QStringLiteral("ZELT_TRACE"));
        p.setProcessEnvironment(env);
        p.start();
        Outcome r;
        if (!p.waitForFinished(60000)) {
            p.kill();
            p.waitForFinished();
            ADD_FAILURE() << "zelt-import did not end";
            r.crashed = true;
            return r;
        }
        r.crashed = p.exitStatus() != QProcess::NormalExit;
        r.exitCode = p.exitCode();
        r.out = QString::fromLocal8Bit(p.readAllStandardOutput());
        QStringList lines = QString::fromLocal8Bit(p.readAllStandardError()).split(QLatin1Char('\n'));
        lines.removeIf([](const QString& l) { return l.startsWith(QStringLiteral("QStandardPaths:")); });
        r.err = lines.join(QLatin1Char('\n')).trimmed();
        return r;
    }

    static QString now() {
        return QDateTime::currentDateTime().toString(QStringLiteral("dd/MM/yyyy hh:mm:ss"));
    }

    static inline QTemporaryDir* dataDir = nullptr;
    static inline QTemporaryDir* workDir = nullptr;
    static inline data::ServerSpec* server = nullptr;
};

TEST_F(Startup, WithoutArgumentsItEndsSilently) {
    const Outcome r = run({});
    EXPECT_FALSE(r.crashed);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, QString());
    EXPECT_EQ(r.err, QString());
}

TEST_F(Startup, HelpAndVersion) {
    Outcome r = run({QStringLiteral("--version")});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out.trimmed(), QStringLiteral("zelt-import " ZELT_VERSION));
    r = run({QStringLiteral("--help")});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.out.startsWith(QStringLiteral("Usage: zelt-import"))) << r.out.toStdString();
}

// Arguments 6, 1 and 2 are converted in that order; the first that fails ends
// start-up with the run-time's message.
TEST_F(Startup, ArgumentsThatDoNotConvertEndWithTheRunTimesMessage) {
    struct Case {
        QStringList args;
        const char* message;
    };
    const QString t = now();
    const Case cases[] = {
        {{u("x"), u("1"), u("DEMO"), u(""), u("FRPO"), t}, "'x' is not a valid integer value"},
        {{u("1"), u("1.5"), u("DEMO"), u(""), u("FRPO"), t}, "'1.5' is not a valid integer value"},
        {{u("1"), u("1"), u("DEMO"), u(""), u("FRPO"), u("31/02/2026")},
         "'31/02/2026' is not a valid date and time"},
        {{u("x"), u("y"), u("DEMO"), u(""), u("FRPO"), u("2026-05-01")},
         "'2026-05-01' is not a valid date and time"},
        {{u("1"), u("y"), u("DEMO"), u(""), u("FRPO"), t}, "'y' is not a valid integer value"},
        {{u("1"), u("1"), u("DEMO")}, "'' is not a valid date and time"},
        {{u("๑"), u("1"), u("DEMO"), u(""), u("FRPO"), t}, "'๑' is not a valid integer value"},
        {{u("99999999999"), u("1"), u("DEMO"), u(""), u("FRPO"), t},
         "'99999999999' is not a valid integer value"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(QLatin1Char(' ')).toStdString());
        const Outcome r = run(c.args);
        EXPECT_FALSE(r.crashed);
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_EQ(r.err, u(c.message)) << "one message, the first failing conversion's";
    }
}

TEST_F(Startup, CompanyThatIsNotListedEndsWithItsName) {
    struct Case {
        QString company;
        QString shown;
    };
    const Case cases[] = {
        {u("NODB"), u("NODB")},
        {u("nodb"), u("NODB")},
        {u("บริษัทไทย"), u("บริษัทไทย")},
        {u(""), u("")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.company.toStdString());
        const Outcome r = run({u("1"), u("1"), c.company, u(""), u("FRPO"), now()});
        EXPECT_FALSE(r.crashed);
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_EQ(r.err, (u("zelt-import: Not Found Database : ") + c.shown).trimmed());
    }
}

// Runs that end without a form and without a word: no access, a code that is
// not a module, or a module whose form this build does not have yet.
TEST_F(Startup, NoFormEndsQuietly) {
    struct Case {
        const char* what;
        QStringList args;
    };
    const QString t = now();
    const Case cases[] = {
        {"user without access", {u("1"), u("3"), u("DEMO"), u(""), u("FRPO"), t}},
        {"unknown module code", {u("1"), u("1"), u("DEMO"), u(""), u("FRPOX"), t}},
        {"empty module code", {u("1"), u("1"), u("DEMO"), u(""), u(""), t}},
        {"module code with blanks, lower case", {u("1"), u("1"), u("demo"), u(""), u("  frpo "), t}},
        {"argument 4 holds anything",
         {u("1"), u("2"), u("DEMO"), u("ข้อความ อะไรก็ได้ 🙂"), u("FRPO"),
          t}},
        {"arguments that look like Qt options", {u("1"), u("1"), u("DEMO"), u("-platform"), u("-style"), t}},
        {"a seventh argument", {u("1"), u("1"), u("DEMO"), u(""), u("FRPO"), t, u("extra")}},
        {"a Thai module code", {u("1"), u("1"), u("DEMO"), u(""), u("สั่งซื้อ"), t}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Outcome r = run(c.args);
        EXPECT_FALSE(r.crashed);
        EXPECT_EQ(r.exitCode, 0);
        EXPECT_EQ(r.err, QString());
        EXPECT_EQ(r.out, QString());
    }
}

TEST_F(Startup, ReachesModuleDispatchOnlyWithTheAccessRight) {
    struct Case {
        const char* user;
        const char* module;
        const char* traceLine;
    };
    const Case cases[] = {
        {"1", "FRPO", "module FRPO: "},
        {"1", " importcost ", "module IMPORTCOST: "},
        {"1", "FRPO-P", "no module of that code"},
        {"3", "FRPO", "access no"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.module);
        const Outcome r = run({u("1"), u(c.user), u("demo"), u(""), u(c.module), now()}, true);
        EXPECT_EQ(r.exitCode, 0);
        EXPECT_TRUE(r.err.contains(u(c.traceLine))) << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(u("company DEMO"))) << r.err.toStdString();
        if (QByteArray(c.user) == "3") {
            EXPECT_FALSE(r.err.contains(u("module")));
        }
    }
}

TEST_F(Startup, LongArgumentsDoNotCrash) {
    const QString longText(100000, QLatin1Char('A'));
    const QString longThai = QString(20000, QChar(0x0E01));
    const QString t = now();
    const QList<QStringList> cases = {
        {longText, u("1"), u("DEMO"), u(""), u("FRPO"), t},
        {u("1"), u("1"), longText, u(""), u("FRPO"), t},
        {u("1"), u("1"), longThai, u(""), u("FRPO"), t},
        {u("1"), u("1"), u("DEMO"), longText, longThai, t},
        {u("1"), u("1"), u("DEMO"), u(""), u("FRPO"), longThai},
    };
    for (const QStringList& args : cases) {
        const Outcome r = run(args);
        EXPECT_FALSE(r.crashed);
        EXPECT_TRUE(r.exitCode == 0 || r.exitCode == 1 || r.exitCode == 2) << r.exitCode;
    }
}

} // namespace
