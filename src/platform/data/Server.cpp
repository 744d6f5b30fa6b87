#include "platform/data/Server.h"

#include <QDir>
#include <QFile>
#include <QTextStream>

namespace zelt::data {

namespace {
// The suite's fixed login; the standard PostgreSQL variables may name another.
constexpr auto kFixedUser = "zelt";
constexpr auto kFixedPassword = "quillbex";

QString envOr(const char* name, const char* fallback) {
    const QByteArray v = qgetenv(name);
    return v.isEmpty() ? QString::fromLatin1(fallback) : QString::fromLocal8Bit(v);
}
} // namespace

ServerSpec ServerSpec::fromText(const QString& serverText, const QString& workDir) {
    ServerSpec s;
    const QString text = serverText.trimmed();
    const QDir base(workDir.isEmpty() ? QDir::currentPath() : workDir);
    if (text.isEmpty()) {
        s.engine = Engine::Sqlite;
        s.folder = base.absoluteFilePath(QStringLiteral("data"));
        return s;
    }
    if (text.startsWith(QStringLiteral("sqlite:"), Qt::CaseInsensitive)) {
        s.engine = Engine::Sqlite;
        const QString folder = text.mid(7).trimmed();
        s.folder = base.absoluteFilePath(folder.isEmpty() ? QStringLiteral("data") : folder);
        return s;
    }
    s.engine = Engine::Postgres;
    s.host = text;
    // host[:port]; a bare IPv6 address (several colons) carries no port.
    const int colon = text.lastIndexOf(QLatin1Char(':'));
    if (colon > 0 && text.count(QLatin1Char(':')) == 1) {
        bool ok = false;
        const int port = text.mid(colon + 1).toInt(&ok);
        if (ok && port > 0 && port < 65536) {
            s.host = text.left(colon);
            s.port = port;
        }
    }
    s.user = envOr("PGUSER", kFixedUser);
    s.password = envOr("PGPASSWORD", kFixedPassword);
    return s;
}

QString ServerSpec::readServerName(const QString& workDir) {
    QFile f(QDir(workDir.isEmpty() ? QDir::currentPath() : workDir)
                .absoluteFilePath(QStringLiteral("Server.Dat")));
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QTextStream in(&f);
    QString line = in.readLine();
    if (line.endsWith(QLatin1Char('\r')))
        line.chop(1);
    return line;
}

ServerSpec ServerSpec::fromWorkDir(const QString& workDir) {
    return fromText(readServerName(workDir), workDir);
}

QString ServerSpec::sqliteFile(const QString& databaseName) const {
    // Database names are case-insensitive on the original server; the file
    // name is the upper-cased name so that "demo" and "DEMO" are one store.
    return QDir(folder).absoluteFilePath(databaseName.trimmed().toUpper() + QStringLiteral(".db"));
}

QString ServerSpec::describe() const {
    if (engine == Engine::Sqlite)
        return QStringLiteral("sqlite:") + folder;
    return host + QLatin1Char(':') + QString::number(port);
}

} // namespace zelt::data
