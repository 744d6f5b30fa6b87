#include "support/TestServer.h"

#include "platform/data/Database.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QRandomGenerator>

namespace zelt::test {

data::ServerSpec testServer(const QString& tempFolder) {
    const QString server = qEnvironmentVariable("ZELT_TEST_SERVER").trimmed();
    if (server.isEmpty())
        return data::ServerSpec::fromText(QStringLiteral("sqlite:") + tempFolder, tempFolder);
    return data::ServerSpec::fromText(server, tempFolder);
}

bool testingPostgres() {
    return !qEnvironmentVariable("ZELT_TEST_SERVER").trimmed().isEmpty();
}

ScratchDatabase::ScratchDatabase(const QString& prefix)
    : server_(testServer(dir_.path())) {
    static QAtomicInt counter;
    name_ = QStringLiteral("%1_%2_%3_%4")
                .arg(prefix)
                .arg(QCoreApplication::applicationPid())
                .arg(counter.fetchAndAddRelaxed(1))
                .arg(QRandomGenerator::global()->bounded(100000));
    data::Database::createDatabase(server_, name_);
}

QString ScratchDatabase::serverText() const {
    const QString server = qEnvironmentVariable("ZELT_TEST_SERVER").trimmed();
    return server.isEmpty() ? QStringLiteral("sqlite:") + dir_.path() : server;
}

ScratchDatabase::~ScratchDatabase() {
    try {
        data::Database::dropDatabase(server_, name_);
    } catch (...) {
    }
}

} // namespace zelt::test
