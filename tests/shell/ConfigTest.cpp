#include "shell/Dm_Config.h"

#include "platform/data/Database.h"
#include "platform/data/Query.h"
#include "platform/ui/Modal.h"
#include "server/Procedures.h"
#include "server/SchemaBuilder.h"
#include "shell/SmtpListener.h"
#include "shell/SystemInfo.h"
#include "support/TestServer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <memory>
#include <optional>

using namespace zelt;
using shell::TDMConfig;

namespace {

QString u(const char* text) {
    return QString::fromUtf8(text);
}

const QString kConfig = QStringLiteral("ZELT_CONFIG");
const QString kConfigLdc = QStringLiteral("ZELT_CONFIG_LDC");

// A configuration database with three companies, three menu entries and
// users whose rights and languages differ; "Server.Dat" in a working folder
// of its own names the server.
class ConfigDb : public ::testing::Test {
protected:
    void SetUp() override {
        server::registerServerProcedures();
        ui::setModalHandler(&modal);
        server = test::testServer(dataDir.path());
        serverText = test::testingPostgres() ? qEnvironmentVariable("ZELT_TEST_SERVER").trimmed()
                                             : QStringLiteral("sqlite:") + dataDir.path();
        // The configuration databases have fixed names on a shared server.
        dropConfigs();
        seed = createConfig(kConfig);
        seedRows(*seed);
        writeServerDat(serverText.toUtf8() + "\n");
    }
    void TearDown() override {
        config.reset();
        seed.reset();
        ldc.reset();
        dropConfigs();
        ui::setModalHandler(nullptr);
    }

    void dropConfigs() {
        for (const QString& name : {kConfig, kConfigLdc})
            data::Database::dropDatabase(server, name);
    }

    std::unique_ptr<data::Database> createConfig(const QString& name) {
        data::Database::createDatabase(server, name);
        auto db = std::make_unique<data::Database>(u("SEED_") + name);
        db->setServer(server);
        db->setDatabaseName(name);
        db->open();
        server::upgradeSchema(*db, server::DatabaseKind::Config);
        return db;
    }

    int insert(data::Database& db, const QString& sql, const data::ParamList& params = {}) {
        db.execute(sql, params);
        return db.lastIdentity().toInt();
    }

    int addCompany(data::Database& db, const QString& code, const QString& databaseName,
                   const QString& thaiName, bool withSettings) {
        const int id =
            insert(db, u("INSERT INTO Company (Code, NameThai, NameEng) VALUES (:Code, :Thai, :Code)"),
                   {{u("Code"), code}, {u("Thai"), thaiName}});
        db.execute(
            u("INSERT INTO DatabaseList (Company, DatabaseName, YearNo) VALUES (:Company, :Name, 2026)"),
            {{u("Company"), id}, {u("Name"), databaseName}});
        if (withSettings)
            db.execute(u("INSERT INTO CompanyConfig (Company, DefaultPosMenuId) VALUES (:Company, :Menu)"),
                       {{u("Company"), id}, {u("Menu"), menuFrpo}});
        return id;
    }

    int addUser(data::Database& db, const QString& code, const QVariant& language, const QString& flags) {
        return insert(db,
                      u("INSERT INTO username (code, fullname, languageno, Approve_PO, UserSeeImport) "
                        "VALUES (:Code, :Code, :Lang, :Flag, :Flag)"),
                      {{u("Code"), code}, {u("Lang"), language}, {u("Flag"), flags}});
    }

    void addRight(data::Database& db, int user, int menu, const QVariant& access, const QVariant& add,
                  const QVariant& modify, const QVariant& remove) {
        db.execute(u("INSERT INTO UserRight (UserId, MenuId, Access_R, Add_R, Modify_R, Delete_R) "
                     "VALUES (:U, :M, :A, :Ad, :Mo, :De)"),
                   {{u("U"), user},
                    {u("M"), menu},
                    {u("A"), access},
                    {u("Ad"), add},
                    {u("Mo"), modify},
                    {u("De"), remove}});
    }

    void seedRows(data::Database& db) {
        menuFrpo = insert(db, u("INSERT INTO Menu (Caption, Command) VALUES (:C, 'FRPO')"),
                          {{u("C"), u("  สั่งซื้อจากต่างประเทศ  ")}});
        menuFolder = insert(db, u("INSERT INTO Menu (Caption) VALUES ('Folder')"));
        menuOld = insert(db, u("INSERT INTO Menu (Caption, Command, Version) VALUES ('Old', 'OLD', 2)"));
        // The company is found by the name of its database, not by its code.
        addCompany(db, u("AC"), u("ACME2026"), u("บริษัท แอคมี จำกัด"), true);
        addCompany(db, u("KOV"), u("KOV"), u("บริษัท โคฟ จำกัด"), true);
        addCompany(db, u("NOCFG"), u("NOCFG"), u("ไม่มีค่าตั้ง"), false);

        thaiUser = addUser(db, u("SOMCHAI"), 1, u("Y"));
        englishUser = addUser(db, u("JOHN"), 2, u("N"));
        nullLanguageUser = addUser(db, u("NOBODY"), QVariant(), QString());
        lowerCaseUser = addUser(db, u("LOWER"), 1, u("y"));
        addRight(db, thaiUser, menuFrpo, u("Y"), u("Y"), u("Y"), u("Y"));
        addRight(db, englishUser, menuFrpo, u("Y"), u("N"), QVariant(), u("Y"));
        addRight(db, lowerCaseUser, menuFrpo, u("y"), u("y"), u("y"), u("y"));
        db.execute(u("INSERT INTO softwareconfig (DefaultDisc1) VALUES (5)"));
    }

    void writeServerDat(const QByteArray& content) {
        QFile f(workDir.filePath(QStringLiteral("Server.Dat")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
    }

    TDMConfig& makeConfig() {
        config.reset();
        config = std::make_unique<TDMConfig>();
        config->WorkDir = workDir.path();
        // A default that cannot be reached: a test that needs it sets it.
        config->Support.defaultServer = QStringLiteral("sqlite:") + workDir.filePath(QStringLiteral("none"));
        return *config;
    }

    QTemporaryDir dataDir;
    QTemporaryDir workDir;
    data::ServerSpec server;
    QString serverText;
    ui::ScriptedModal modal;
    std::unique_ptr<data::Database> seed;
    std::unique_ptr<data::Database> ldc;
    std::unique_ptr<TDMConfig> config;
    int menuFrpo = 0, menuFolder = 0, menuOld = 0;
    int thaiUser = 0, englishUser = 0, nullLanguageUser = 0, lowerCaseUser = 0;
};

// ------------------------------------------------------------------ company

TEST_F(ConfigDb, CompanyIsFoundByItsDatabaseNameInAnyCase) {
    struct Case {
        const char* name;
        bool found;
        const char* thaiName;
        bool plainQty;
    };
    const Case cases[] = {
        {"ACME2026", true, "บริษัท แอคมี จำกัด", false},
        {"acme2026", true, "บริษัท แอคมี จำกัด", false},
        {"kov", true, "บริษัท โคฟ จำกัด", true},
        {"AC", false, "", false},    // the company's code is not a database name
        {"NOCFG", false, "", false}, // listed, but without its settings row
        {"NOSUCH", false, "", false},
        {"ฐานข้อมูล", false, "", false},
        {"", false, "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        modal.clear();
        TDMConfig& cfg = makeConfig();
        const QString name = u(c.name);
        if (!c.found) {
            try {
                cfg.GetCompanyConfig(name);
                ADD_FAILURE() << "a company that is not listed must end start-up";
            } catch (const shell::ProgramEnd& end) {
                EXPECT_EQ(end.status(), shell::kExitCompanyNotFound);
            }
            EXPECT_EQ(modal.texts(), QStringList{u("Not Found Database : ") + name.toUpper()});
            continue;
        }
        cfg.GetCompanyConfig(name);
        EXPECT_TRUE(modal.texts().isEmpty());
        EXPECT_EQ(cfg.CompanyCode, name.toUpper());
        EXPECT_EQ(cfg.CompanyNameThai, u(c.thaiName));
        EXPECT_EQ(cfg.PlainQtyFormat, c.plainQty);
        ASSERT_TRUE(cfg.QCompany->isActive());
        ASSERT_EQ(cfg.QCompany->recordCount(), 1);
        EXPECT_EQ(cfg.QCompany->field(u("NAMETHAI")).asString(), u(c.thaiName));
        // Report forms print these without checking for null.
        EXPECT_EQ(cfg.QCompany->field(u("TaxBranchHead")).value().toString(), u("N"));
        EXPECT_FALSE(cfg.QCompany->field(u("TaxBranchCode")).isNull());
        EXPECT_EQ(cfg.QCompany->field(u("TaxBranchCode")).asString(), QString());
        ASSERT_TRUE(cfg.QSoftware->isActive());
        EXPECT_EQ(cfg.QSoftware->field(u("DefaultDisc1")).asInteger(), 5);
    }
}

TEST_F(ConfigDb, ServerWithBothConfigurationDatabasesUsesTheLdcOne) {
    ldc = createConfig(kConfigLdc);
    menuFrpo = 0;
    addCompany(*ldc, u("LDC"), u("LDCCO"), u("บริษัท แอลดีซี"), true);

    TDMConfig& cfg = makeConfig();
    cfg.GetCompanyConfig(u("ldcco"));
    EXPECT_EQ(cfg.DmCfg->databaseName(), kConfigLdc);
    EXPECT_EQ(cfg.CompanyNameThai, u("บริษัท แอลดีซี"));

    TDMConfig& other = makeConfig();
    EXPECT_THROW(other.GetCompanyConfig(u("ACME2026")), shell::ProgramEnd)
        << "companies of ZELT_CONFIG are not looked for once ZELT_CONFIG_LDC exists";
}

TEST_F(ConfigDb, ServerComesFromServerDatOrTheDefault) {
    struct Case {
        const char* what;
        std::optional<QByteArray> serverDat; // nothing: no file
        bool defaultIsServer;
        bool connects;
    };
    const QByteArray named = serverText.toUtf8();
    const Case cases[] = {
        {"no Server.Dat: the default server", std::nullopt, true, true},
        {"blank first line: the default server", QByteArray("  \nnot this\n"), true, true},
        {"Server.Dat names the server", named + "\r\nsecond line\r\n", false, true},
        {"Server.Dat names a store that is not there",
         QByteArray("sqlite:") + workDir.filePath(QStringLiteral("missing")).toUtf8(), true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(workDir.filePath(QStringLiteral("Server.Dat")));
        if (c.serverDat)
            writeServerDat(*c.serverDat);
        TDMConfig& cfg = makeConfig();
        if (c.defaultIsServer)
            cfg.Support.defaultServer = serverText;
        if (c.connects) {
            EXPECT_NO_THROW(cfg.GetCompanyConfig(u("ACME2026")));
            EXPECT_EQ(cfg.CompanyNameThai, u("บริษัท แอคมี จำกัด"));
        } else {
            EXPECT_THROW(cfg.GetCompanyConfig(u("ACME2026")), data::DatabaseError);
        }
    }
    // The first line exactly as written, blanks included.
    writeServerDat("  host.example:5433 \r\nsecond\r\n");
    EXPECT_EQ(makeConfig().ReadServerName(), u("  host.example:5433 "));
    QFile::remove(workDir.filePath(QStringLiteral("Server.Dat")));
    EXPECT_EQ(makeConfig().ReadServerName(), QString());
}

// ------------------------------------------------------------------- rights

TEST_F(ConfigDb, RightsLanguageAndQuestionsOfTheUser) {
    struct Case {
        const char* what;
        int user;
        int menu;
        bool access, add, modify, remove, thai, approvePo, seeImport;
    };
    const int unknownUser = 9999;
    const Case cases[] = {
        {"Thai user with every right", thaiUser, menuFrpo, true, true, true, true, true, true, true},
        {"English user: N and null do not grant", englishUser, menuFrpo, true, false, false, true, false,
         false, false},
        {"no language, no rights row", nullLanguageUser, menuFrpo, false, false, false, false, false, false,
         false},
        {"lower-case y grants nothing", lowerCaseUser, menuFrpo, false, false, false, false, true, false,
         false},
        {"rights are per menu entry", thaiUser, menuOld, false, false, false, false, true, true, true},
        {"unknown user", unknownUser, menuFrpo, false, false, false, false, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TDMConfig& cfg = makeConfig();
        cfg.GetCompanyConfig(u("ACME2026"));
        cfg.CheckRight(c.menu, c.user);
        EXPECT_EQ(cfg.AccessRight, c.access);
        EXPECT_EQ(cfg.AddRight, c.add);
        EXPECT_EQ(cfg.ModifyRight, c.modify);
        EXPECT_EQ(cfg.DeleteRight, c.remove);
        EXPECT_EQ(cfg.ThaiLanguage, c.thai);
        EXPECT_EQ(cfg.Approve_PO, c.approvePo);
        EXPECT_EQ(cfg.UserSeeImport, c.seeImport);
        EXPECT_EQ(cfg.SaveConfirmText, c.thai ? u("จัดเก็บข้อมูล ?") : u("Save Data ?"));
        EXPECT_EQ(cfg.DeleteConfirmText, c.thai ? u("ลบข้อมูล ?") : u("Delete Data ?"));
    }
    TDMConfig& cfg = makeConfig();
    cfg.CheckRight(menuFrpo, thaiUser);
    EXPECT_EQ(cfg.MenuCaption, u("สั่งซื้อจากต่างประเทศ")) << "the caption is trimmed";
    EXPECT_EQ(cfg.UserCode, u("SOMCHAI"));
}

// ------------------------------------------------------- after-connect script

TEST_F(ConfigDb, AfterConnectAddsMissingColumnsAndMarksMenuEntriesOnceAndAgain) {
    // A configuration database of an older generation.
    for (const char* drop :
         {"ALTER TABLE Menu DROP COLUMN Version", "ALTER TABLE username DROP COLUMN UserSeeImport",
          "ALTER TABLE username DROP COLUMN UserSeeCost"})
        seed->execute(u(drop));
    ASSERT_FALSE(seed->hasColumn(u("Menu"), u("Version")));

    TDMConfig& cfg = makeConfig();
    for (int connect = 1; connect <= 2; ++connect) {
        SCOPED_TRACE(connect);
        cfg.DmCfg->close();
        ASSERT_NO_THROW(cfg.DmCfg->open());
        EXPECT_TRUE(seed->hasColumn(u("Menu"), u("VERSION")));
        EXPECT_TRUE(seed->hasColumn(u("username"), u("UserSeeImport")));
        EXPECT_TRUE(seed->hasColumn(u("username"), u("UserSeeCost")));
        EXPECT_EQ(seed->scalar(u("SELECT Version FROM Menu WHERE Id = :Id"), {{u("Id"), menuFrpo}}).toInt(),
                  3);
        EXPECT_EQ(seed->scalar(u("SELECT Version FROM Menu WHERE Id = :Id"), {{u("Id"), menuOld}}).toInt(), 3)
            << "its version went with the dropped column; it has a command";
        EXPECT_TRUE(
            seed->scalar(u("SELECT Version FROM Menu WHERE Id = :Id"), {{u("Id"), menuFolder}}).isNull())
            << "an entry without a command keeps no version";
        EXPECT_TRUE(cfg.QSoftware->isActive());
    }
    // The rights of the added columns are not set: not granted.
    cfg.CheckRight(menuFrpo, thaiUser);
    EXPECT_FALSE(cfg.UserSeeImport);
    EXPECT_TRUE(cfg.AccessRight);
}

TEST_F(ConfigDb, AfterConnectKeepsVersionsAlreadySet) {
    TDMConfig& cfg = makeConfig();
    cfg.DmCfg->open();
    EXPECT_EQ(seed->scalar(u("SELECT Version FROM Menu WHERE Id = :Id"), {{u("Id"), menuOld}}).toInt(), 2);
    EXPECT_EQ(seed->scalar(u("SELECT Version FROM Menu WHERE Id = :Id"), {{u("Id"), menuFrpo}}).toInt(), 3);
}

// ------------------------------------------------------------------ error log

TEST_F(ConfigDb, LogErrorWritesOneRowWithTheRunContext) {
    TDMConfig& cfg = makeConfig();
    cfg.MenuId = menuFrpo;
    cfg.UserId = englishUser;
    const QString message = u("ป้อนวันที่ไม่ถูกต้อง\n'31/02/2026' is not a valid date");
    cfg.LogError(message);

    data::Query q(seed.get());
    q.setSql(u("SELECT LogDate, CompName, LogName, UserId, MenuId, ErrorMsg FROM errorlog"));
    q.open();
    ASSERT_EQ(q.recordCount(), 1);
    EXPECT_FALSE(q.field(u("LogDate")).isNull());
    EXPECT_EQ(q.field(u("CompName")).asString(), shell::GetComputerNameText());
    EXPECT_EQ(q.field(u("LogName")).asString(), shell::GetLogonName());
    EXPECT_EQ(q.field(u("UserId")).asInteger(), englishUser);
    EXPECT_EQ(q.field(u("MenuId")).asInteger(), menuFrpo);
    EXPECT_EQ(q.field(u("ErrorMsg")).asString(), message);
}

// ----------------------------------------------------------------- error mail

// Runs the send in a thread of its own while this thread answers as the
// mail server; the time it took.
qint64 sendWhileServing(TDMConfig& cfg, const QString& subject, const QString& body) {
    QElapsedTimer timer;
    timer.start();
    auto done = std::async(std::launch::async, [&] { cfg.SendErrorMail(subject, body); });
    while (done.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    done.get(); // rethrows what the send let escape
    // Let the listener read the rest of the conversation.
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return timer.elapsed();
}

QByteArray headerOf(const QByteArray& mail, const QByteArray& name) {
    const QByteArray head = mail.left(mail.indexOf("\r\n\r\n")).replace("\r\n ", " ");
    for (const QByteArray& line : head.split('\n')) {
        const QByteArray l = line.trimmed();
        if (l.toLower().startsWith(name.toLower() + ":"))
            return l.mid(name.size() + 1).trimmed();
    }
    return {};
}

// Encoded words of a header, read back; blanks between two encoded words
// belong to neither.
QString decodeHeader(const QByteArray& value) {
    static const QRegularExpression word(QStringLiteral("=\\?UTF-8\\?B\\?([^?]*)\\?=\\s*"),
                                         QRegularExpression::CaseInsensitiveOption);
    const QString text = QString::fromLatin1(value);
    QByteArray out;
    qsizetype at = 0;
    for (auto it = word.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        out += text.mid(at, m.capturedStart() - at).toLatin1();
        out += QByteArray::fromBase64(m.captured(1).toLatin1());
        at = m.capturedEnd();
    }
    out += text.mid(at).toLatin1();
    return QString::fromUtf8(out);
}

QByteArray decodeQuotedPrintable(const QByteArray& text) {
    QByteArray out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != '=') {
            out += text[i];
        } else if (text.mid(i + 1, 2) == "\r\n") {
            i += 2;
        } else {
            out += char(text.mid(i + 1, 2).toInt(nullptr, 16));
            i += 2;
        }
    }
    return out;
}

QString bodyOf(const QByteArray& mail) {
    QByteArray body = mail.mid(mail.indexOf("\r\n\r\n") + 4);
    if (headerOf(mail, "Content-Transfer-Encoding").toLower() == "quoted-printable")
        body = decodeQuotedPrintable(body);
    return QString::fromUtf8(body);
}

class SupportMail : public ::testing::Test {
protected:
    void SetUp() override {
        cfg.Support.mailHost = QStringLiteral("127.0.0.1");
        cfg.Support.sender = QStringLiteral("zelt-import@workstation.test");
        cfg.Support.mailbox = QStringLiteral("support@zelt.test");
    }
    TDMConfig cfg;
};

TEST_F(SupportMail, ReportReachesTheSupportMailboxAsWritten) {
    struct Case {
        const char* subject;
        const char* body;
        const char* charset;
    };
    const Case cases[] = {
        {"Error ACME2026 Foreign Purchase Order", "[User = ADMIN] \r\n10.0.0.7\r\nplain text\r\n",
         "us-ascii"},
        // A line of a single dot would end the mail early unless stuffed.
        {"Error ACME2026 สั่งซื้อจากต่างประเทศ",
         "[User = SOMCHAI] \r\n10.0.0.7\r\n.\r\n.hidden\r\nป้อนวันที่ไม่ถูกต้อง\r\n", "utf-8"},
        {"Error LONG", nullptr, "us-ascii"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.subject);
        test::SmtpListener listener;
        cfg.Support.mailPort = listener.port();
        const QString body =
            c.body ? u(c.body)
                   : QString(2000, QLatin1Char('x')) + QStringLiteral("\r\nend of the report\r\n");
        sendWhileServing(cfg, u(c.subject), body);
        ASSERT_EQ(listener.mails().size(), 1);
        const auto& mail = listener.mails().first();
        EXPECT_EQ(mail.from, "<zelt-import@workstation.test>");
        EXPECT_EQ(mail.to, QList<QByteArray>{"<support@zelt.test>"});
        EXPECT_EQ(decodeHeader(headerOf(mail.data, "Subject")), u(c.subject));
        EXPECT_TRUE(headerOf(mail.data, "Content-Type").contains(QByteArray("charset=\"") + c.charset + "\""))
            << headerOf(mail.data, "Content-Type").constData();
        EXPECT_EQ(bodyOf(mail.data), body);
        for (const QByteArray& line : mail.data.split('\n'))
            EXPECT_LE(line.size(), 1000) << "no line longer than a mail may carry";
    }
}

TEST_F(SupportMail, FailuresAreSwallowedQuickly) {
    struct Case {
        const char* what;
        bool listen;
        bool refuse;
        const char* host;
    };
    const Case cases[] = {
        {"nothing listens", false, false, "127.0.0.1"},
        {"the server refuses the mailbox", true, true, "127.0.0.1"},
        {"no mail host", false, false, ""},
        {"a host that does not resolve", false, false, "no-such-host.invalid"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::optional<test::SmtpListener> listener;
        quint16 port = 0;
        if (c.listen) {
            listener.emplace(c.refuse);
            port = listener->port();
        } else {
            QTcpServer probe; // a port that nobody listens on once the probe is gone
            probe.listen(QHostAddress::LocalHost);
            port = probe.serverPort();
        }
        cfg.Support.mailHost = u(c.host);
        cfg.Support.mailPort = port;
        qint64 elapsed = 0;
        EXPECT_NO_THROW(elapsed = sendWhileServing(cfg, u("Error"), u("body")));
        EXPECT_LT(elapsed, 20000);
        if (listener) {
            EXPECT_TRUE(listener->mails().isEmpty());
        }
    }
}

} // namespace
