#include "DataTestSupport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace zelt::data::testing {
namespace {

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

TEST(Faults, DamagedDatabaseFileIsRefusedAndLeftAsItWas) {
    if (zelt::test::testingPostgres())
        GTEST_SKIP() << "the embedded store only";
    QByteArray garbage;
    for (int i = 0; i < 8192; ++i)
        garbage.append(char((i * 7919 + 13) % 251));
    QByteArray validMagicBadPages = QByteArray("SQLite format 3", 16) + garbage;
    const struct {
        const char* what;
        QByteArray bytes;
    } cases[] = {{"garbage", garbage},
                 {"empty file", QByteArray()},
                 {"cut after the header magic", QByteArray("SQLite format 3", 16)},
                 {"header magic, damaged pages", validMagicBadPages},
                 {"text file", QByteArray("Server=DEMO\r\nUser=sa\r\n")}};
    for (const auto& c : cases) {
        zelt::test::ScratchDatabase scratch;
        const QString file = scratch.server().sqliteFile(scratch.name());
        for (const char* suffix : {"-wal", "-shm"})
            QFile::remove(file + QString::fromLatin1(suffix));
        writeFile(file, c.bytes);

        Database db;
        db.setServer(scratch.server());
        db.setDatabaseName(scratch.name());
        try {
            db.open();
            // A file that opens must still refuse to be read as a database.
            db.scalar(u"SELECT COUNT(*) FROM sqlite_master"_s);
            ADD_FAILURE() << c.what << ": the damaged file was opened";
        } catch (const DatabaseError& e) {
            EXPECT_TRUE(e.message().contains(file)) << c.what << ": " << e.message().toStdString();
        }
        db.close();
        EXPECT_EQ(readFile(file), c.bytes) << c.what << ": the file was changed";
        EXPECT_FALSE(QFileInfo::exists(file + u"-wal"_s)) << c.what;
    }
}

TEST(Faults, MissingDatabaseIsAnErrorAndIsNotCreated) {
    QTemporaryDir dir;
    const ServerSpec server = zelt::test::testServer(dir.path());
    const QString name = u"NoSuchDb_%1"_s.arg(QCoreApplication::applicationPid());
    Database db;
    db.setServer(server);
    db.setDatabaseName(name);
    try {
        db.open();
        FAIL() << "a missing database was opened";
    } catch (const DatabaseError& e) {
        EXPECT_TRUE(e.message().contains(name, Qt::CaseInsensitive)) << e.message().toStdString();
    }
    EXPECT_FALSE(db.isOpen());
    EXPECT_FALSE(Database::databaseExists(server, name));
    if (server.engine == Engine::Sqlite) {
        EXPECT_FALSE(QFileInfo::exists(server.sqliteFile(name)));
    }
}

TEST(Faults, InvalidDatabaseNamesAreRefused) {
    QTemporaryDir dir;
    const ServerSpec server = ServerSpec::fromText(u"sqlite:"_s + dir.path(), dir.path());
    for (const QString& name : {u""_s, u"../etc/passwd"_s, u"a b"_s, u"x; DROP DATABASE y"_s, u"ชื่อ"_s}) {
        EXPECT_THROW(Database::createDatabase(server, name), DatabaseError) << name.toStdString();
        Database db;
        db.setServer(server);
        db.setDatabaseName(name);
        EXPECT_THROW(db.open(), DatabaseError) << name.toStdString();
    }
}

// A socket that accepts connections on the loopback but never says a word:
// a server that does not answer.
class SilentServer {
public:
    SilentServer() {
        fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        a.sin_port = 0;
        socklen_t len = sizeof a;
        if (fd_ < 0 || ::bind(fd_, reinterpret_cast<sockaddr*>(&a), len) != 0 || ::listen(fd_, 8) != 0 ||
            ::getsockname(fd_, reinterpret_cast<sockaddr*>(&a), &len) != 0)
            return;
        port_ = ntohs(a.sin_port);
    }
    ~SilentServer() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int port() const { return port_; }

private:
    int fd_ = -1;
    int port_ = 0;
};

// A port that was free a moment ago: nothing listens there.
int closedPort() {
    SilentServer s;
    return s.port();
}

TEST(Faults, ServerThatDoesNotAnswerFailsWithinSeconds) {
    SilentServer silent;
    ASSERT_NE(silent.port(), 0);
    const struct {
        const char* what;
        int port;
    } cases[] = {{"nothing listening", closedPort()}, {"listening, never answering", silent.port()}};
    for (const auto& c : cases) {
        const ServerSpec server = ServerSpec::fromText(u"127.0.0.1:%1"_s.arg(c.port), {});
        ASSERT_EQ(server.engine, Engine::Postgres);
        Database db;
        db.setServer(server);
        db.setDatabaseName(u"ZELT_CONFIG"_s);
        QElapsedTimer timer;
        timer.start();
        try {
            db.open();
            ADD_FAILURE() << c.what << ": connected";
        } catch (const DatabaseError& e) {
            EXPECT_TRUE(e.message().contains(u"127.0.0.1:%1"_s.arg(c.port))) << e.message().toStdString();
        }
        EXPECT_LT(timer.elapsed(), 10000) << c.what;
        EXPECT_FALSE(db.isOpen());

        timer.restart();
        EXPECT_THROW(Database::databaseExists(server, u"ZELT_CONFIG"_s), DatabaseError) << c.what;
        EXPECT_LT(timer.elapsed(), 10000) << c.what;
    }
}

} // namespace
} // namespace zelt::data::testing
