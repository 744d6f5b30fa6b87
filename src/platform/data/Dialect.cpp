#include "platform/data/Dialect.h"

#include <QDateTime>
#include <QMetaType>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlQuery>

#include <sqlite3.h>

namespace zelt::data {

namespace {

const QString kDateFormat = QStringLiteral("yyyy-MM-dd");
const QString kDateTimeFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz");

QString errorText(const QSqlError& e) {
    QString t = e.databaseText();
    if (t.isEmpty())
        t = e.text();
    if (!e.driverText().isEmpty() && !t.contains(e.driverText()))
        t += QStringLiteral(" (") + e.driverText() + QLatin1Char(')');
    return t.trimmed();
}

// The original server's words for the failures the shell translates.
QString notNullText(const QString& table, const QString& column) {
    return QStringLiteral(
               "Cannot insert the value NULL into column '%1', table '%2'; column does not allow nulls.")
        .arg(column, table);
}
QString duplicateText() {
    return QStringLiteral("Cannot insert duplicate key row in object.");
}
QString referenceText() {
    return QStringLiteral("DELETE statement conflicted with COLUMN REFERENCE constraint.");
}

// ---------------------------------------------------------------- SQLite

QString textArg(sqlite3_value* v) {
    const auto* p = reinterpret_cast<const char*>(sqlite3_value_text(v));
    return p ? QString::fromUtf8(p) : QString();
}

// YEAR(), MONTH(), DAY() over the stored ISO text "yyyy-MM-dd[ HH:mm:ss]".
void datePart(sqlite3_context* ctx, sqlite3_value* v, int from, int len) {
    if (sqlite3_value_type(v) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const QString s = textArg(v);
    bool ok = false;
    const int n = s.mid(from, len).toInt(&ok);
    if (ok)
        sqlite3_result_int(ctx, n);
    else
        sqlite3_result_null(ctx);
}
void sqlYear(sqlite3_context* c, int, sqlite3_value** a) {
    datePart(c, a[0], 0, 4);
}
void sqlMonth(sqlite3_context* c, int, sqlite3_value** a) {
    datePart(c, a[0], 5, 2);
}
void sqlDay(sqlite3_context* c, int, sqlite3_value** a) {
    datePart(c, a[0], 8, 2);
}
void sqlGetDate(sqlite3_context* c, int, sqlite3_value**) {
    const QByteArray now = QDateTime::currentDateTime().toString(kDateTimeFormat).toUtf8();
    sqlite3_result_text(c, now.constData(), int(now.size()), SQLITE_TRANSIENT);
}

class SqliteDialect final : public Dialect {
public:
    Engine engine() const override { return Engine::Sqlite; }
    QString driverName() const override { return QStringLiteral("QSQLITE"); }

    QString typeSql(ColType type, int size) const override {
        switch (type) {
        case ColType::Id:
            return QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT");
        case ColType::Int:
        case ColType::BigInt:
            return QStringLiteral("INTEGER");
        case ColType::Num:
            // REAL affinity: an amount of 1000.00 must not be stored as an
            // integer that then divides as one.
            return QStringLiteral("REAL");
        case ColType::Float:
            return QStringLiteral("REAL");
        case ColType::Text:
            return QStringLiteral("VARCHAR(%1) COLLATE NOCASE").arg(size > 0 ? size : 255);
        case ColType::Memo:
            return QStringLiteral("TEXT COLLATE NOCASE");
        case ColType::Flag:
            return QStringLiteral("CHAR(1) COLLATE NOCASE");
        case ColType::Date:
            return QStringLiteral("DATE");
        case ColType::DateTime:
            return QStringLiteral("DATETIME");
        case ColType::Blob:
            return QStringLiteral("BLOB");
        }
        return {};
    }
    QStringList setupSql() const override { return {}; }
    QString beginSql() const override {
        // Take the write lock at once: two savers then queue on the busy
        // timeout instead of one failing when it upgrades a read lock.
        return QStringLiteral("BEGIN IMMEDIATE");
    }
    bool failureAbortsTransaction() const override { return false; }
    QString lastIdentitySql() const override {
        return QStringLiteral(
            "SELECT CASE WHEN last_insert_rowid() = 0 THEN NULL ELSE last_insert_rowid() END");
    }
    QString columnExistsSql() const override {
        return QStringLiteral(
            "SELECT 1 FROM sqlite_master m JOIN pragma_table_info(m.name) c "
            "WHERE m.type IN ('table','view') AND UPPER(TRIM(m.name)) = UPPER(TRIM(:TableName)) "
            "AND UPPER(TRIM(c.name)) = UPPER(TRIM(:ColumnName))");
    }
    QString allColumnsSql() const override {
        return QStringLiteral("SELECT m.name, c.name FROM sqlite_master m JOIN pragma_table_info(m.name) c "
                              "WHERE m.type IN ('table','view')");
    }
    QString tableExistsSql() const override {
        return QStringLiteral("SELECT 1 FROM sqlite_master WHERE type IN ('table','view') "
                              "AND UPPER(TRIM(name)) = UPPER(TRIM(:TableName))");
    }
    void afterOpen(QSqlDatabase& db) const override {
        QSqlQuery q(db);
        // WAL lets readers work while one workstation saves; FULL makes a
        // committed document survive a crash of the machine, not only of
        // the process.
        for (const char* pragma : {"PRAGMA journal_mode=WAL", "PRAGMA synchronous=FULL",
                                   "PRAGMA busy_timeout=30000", "PRAGMA foreign_keys=ON"}) {
            if (!q.exec(QString::fromLatin1(pragma)))
                throw DatabaseErrorFromSql(db.databaseName(), q.lastError());
        }
        const QVariant handle = db.driver()->handle();
        if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
            return;
        auto* h = *static_cast<sqlite3* const*>(handle.constData());
        const int det = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
        sqlite3_create_function(h, "year", 1, det, nullptr, sqlYear, nullptr, nullptr);
        sqlite3_create_function(h, "month", 1, det, nullptr, sqlMonth, nullptr, nullptr);
        sqlite3_create_function(h, "day", 1, det, nullptr, sqlDay, nullptr, nullptr);
        sqlite3_create_function(h, "getdate", 0, SQLITE_UTF8, nullptr, sqlGetDate, nullptr, nullptr);
    }
    QVariant toDb(const QVariant& v) const override {
        switch (v.typeId()) {
        case QMetaType::QDate:
            return v.toDate().isValid() ? QVariant(v.toDate().toString(kDateFormat)) : QVariant();
        case QMetaType::QDateTime:
            return v.toDateTime().isValid() ? QVariant(v.toDateTime().toString(kDateTimeFormat)) : QVariant();
        case QMetaType::Bool:
            return v.toBool() ? 1 : 0;
        default:
            return v;
        }
    }
    ValueKind kindOf(const QString& declared, int metaTypeId) const override {
        const QString t = declared.toUpper();
        if (t.startsWith(QLatin1String("DATETIME")) || t.startsWith(QLatin1String("TIMESTAMP")))
            return ValueKind::DateTime;
        if (t.startsWith(QLatin1String("DATE")))
            return ValueKind::Date;
        if (t.contains(QLatin1String("INT")))
            return ValueKind::Int;
        if (t.startsWith(QLatin1String("NUMERIC")) || t.startsWith(QLatin1String("REAL")) ||
            t.startsWith(QLatin1String("FLOAT")) || t.startsWith(QLatin1String("DOUBLE")) ||
            t.startsWith(QLatin1String("DECIMAL")))
            return ValueKind::Float;
        if (t.contains(QLatin1String("CHAR")) || t.startsWith(QLatin1String("TEXT")))
            return ValueKind::Text;
        if (t.startsWith(QLatin1String("BLOB")))
            return ValueKind::Blob;
        Q_UNUSED(metaTypeId);
        // An expression (MAX(PoDate), COALESCE(...)) has no declared type:
        // keep what the engine computed, but read date texts as dates, as
        // the other engine delivers them.
        return ValueKind::Raw;
    }
    QString translateError(const QSqlError& e) const override {
        const QString native = errorText(e);
        static const QRegularExpression notNull(
            QStringLiteral("NOT NULL constraint failed: (\\w+)\\.(\\w+)"));
        if (const auto m = notNull.match(native); m.hasMatch())
            return notNullText(m.captured(1), m.captured(2)) + QLatin1Char(' ') + native;
        if (native.contains(QLatin1String("UNIQUE constraint failed")))
            return duplicateText() + QLatin1Char(' ') + native;
        if (native.contains(QLatin1String("FOREIGN KEY constraint failed")))
            return referenceText() + QLatin1Char(' ') + native;
        return native;
    }

private:
    static DatabaseError DatabaseErrorFromSql(const QString& file, const QSqlError& e) {
        return DatabaseError(QStringLiteral("Cannot use the database file %1: %2").arg(file, errorText(e)));
    }
};

// ------------------------------------------------------------ PostgreSQL

class PostgresDialect final : public Dialect {
public:
    Engine engine() const override { return Engine::Postgres; }
    QString driverName() const override { return QStringLiteral("QPSQL"); }

    QString typeSql(ColType type, int size) const override {
        switch (type) {
        case ColType::Id:
            return QStringLiteral("INTEGER GENERATED BY DEFAULT AS IDENTITY PRIMARY KEY");
        case ColType::Int:
            return QStringLiteral("INTEGER");
        case ColType::BigInt:
            return QStringLiteral("BIGINT");
        case ColType::Num:
            return QStringLiteral("NUMERIC(24,6)");
        case ColType::Float:
            return QStringLiteral("DOUBLE PRECISION");
        case ColType::Text:
            Q_UNUSED(size);
            return QStringLiteral("CITEXT");
        case ColType::Memo:
            return QStringLiteral("CITEXT");
        case ColType::Flag:
            return QStringLiteral("CITEXT");
        case ColType::Date:
            return QStringLiteral("DATE");
        case ColType::DateTime:
            return QStringLiteral("TIMESTAMP(3)");
        case ColType::Blob:
            return QStringLiteral("BYTEA");
        }
        return {};
    }
    QStringList setupSql() const override {
        // citext compares text without regard to case, as the original
        // server did, in =, LIKE, ORDER BY and unique indexes alike.
        return {
            QStringLiteral("CREATE EXTENSION IF NOT EXISTS citext"),
            QStringLiteral(
                "CREATE OR REPLACE FUNCTION year(timestamp) RETURNS integer LANGUAGE sql IMMUTABLE "
                "AS 'SELECT CAST(EXTRACT(YEAR FROM $1) AS integer)'"),
            QStringLiteral(
                "CREATE OR REPLACE FUNCTION month(timestamp) RETURNS integer LANGUAGE sql IMMUTABLE "
                "AS 'SELECT CAST(EXTRACT(MONTH FROM $1) AS integer)'"),
            QStringLiteral("CREATE OR REPLACE FUNCTION day(timestamp) RETURNS integer LANGUAGE sql IMMUTABLE "
                           "AS 'SELECT CAST(EXTRACT(DAY FROM $1) AS integer)'"),
            QStringLiteral("CREATE OR REPLACE FUNCTION getdate() RETURNS timestamp LANGUAGE sql STABLE "
                           "AS 'SELECT CAST(clock_timestamp() AS timestamp(3))'"),
            // lastval() raises when nothing was generated yet; the original
            // answered null, and a raise would abort the open transaction.
            QStringLiteral("CREATE OR REPLACE FUNCTION zelt_lastval() RETURNS bigint LANGUAGE plpgsql AS "
                           "$$BEGIN RETURN lastval(); EXCEPTION WHEN OTHERS THEN RETURN NULL; END$$"),
        };
    }
    QString beginSql() const override { return QStringLiteral("BEGIN"); }
    bool failureAbortsTransaction() const override { return true; }
    QString lastIdentitySql() const override { return QStringLiteral("SELECT zelt_lastval()"); }
    QString columnExistsSql() const override {
        return QStringLiteral(
            "SELECT 1 FROM information_schema.columns WHERE table_schema = current_schema() "
            "AND UPPER(TRIM(table_name)) = UPPER(TRIM(:TableName)) "
            "AND UPPER(TRIM(column_name)) = UPPER(TRIM(:ColumnName))");
    }
    QString allColumnsSql() const override {
        return QStringLiteral("SELECT table_name, column_name FROM information_schema.columns "
                              "WHERE table_schema = current_schema()");
    }
    QString tableExistsSql() const override {
        return QStringLiteral("SELECT 1 FROM information_schema.tables WHERE table_schema = current_schema() "
                              "AND UPPER(TRIM(table_name)) = UPPER(TRIM(:TableName))");
    }
    void afterOpen(QSqlDatabase& db) const override {
        QSqlQuery q(db);
        q.exec(QStringLiteral("SET client_min_messages TO WARNING"));
    }
    QVariant toDb(const QVariant& v) const override {
        switch (v.typeId()) {
        case QMetaType::QDateTime:
            // Sent as plain text so the server keeps the local time as it is
            // (the driver would turn a date-time into UTC).
            return v.toDateTime().isValid() ? QVariant(v.toDateTime().toString(kDateTimeFormat)) : QVariant();
        case QMetaType::QDate:
            return v.toDate().isValid() ? QVariant(v.toDate().toString(kDateFormat)) : QVariant();
        case QMetaType::Bool:
            return v.toBool() ? 1 : 0;
        default:
            return v;
        }
    }
    ValueKind kindOf(const QString&, int metaTypeId) const override {
        switch (metaTypeId) {
        case QMetaType::Int:
        case QMetaType::LongLong:
        case QMetaType::UInt:
        case QMetaType::ULongLong:
            return ValueKind::Int;
        case QMetaType::Double:
            return ValueKind::Float;
        case QMetaType::QDate:
            return ValueKind::Date;
        case QMetaType::QDateTime:
            return ValueKind::DateTime;
        case QMetaType::QByteArray:
            return ValueKind::Blob;
        case QMetaType::QString:
            return ValueKind::Text;
        default:
            return ValueKind::Raw;
        }
    }
    QString translateError(const QSqlError& e) const override {
        const QString native = errorText(e);
        static const QRegularExpression notNull(
            QStringLiteral("null value in column \"(\\w+)\"(?: of relation \"(\\w+)\")? violates not-null"));
        if (const auto m = notNull.match(native); m.hasMatch())
            return notNullText(m.captured(2), m.captured(1)) + QLatin1Char(' ') + native;
        if (native.contains(QLatin1String("duplicate key value violates unique constraint")))
            return duplicateText() + QLatin1Char(' ') + native;
        if (native.contains(QLatin1String("violates foreign key constraint")) &&
            native.contains(QLatin1String("is still referenced")))
            return referenceText() + QLatin1Char(' ') + native;
        if (native.contains(QLatin1String("could not connect")) ||
            native.contains(QLatin1String("connection to server")) ||
            native.contains(QLatin1String("server closed the connection")) ||
            native.contains(QLatin1String("timeout expired")))
            return QStringLiteral("Possible network error. ") + native;
        return native;
    }
};

} // namespace

QVariant Dialect::fromDb(const QVariant& v, ValueKind kind) {
    if (v.isNull())
        return {};
    switch (kind) {
    case ValueKind::Raw: {
        // SQLite keeps dates as ISO texts; an expression over a date column
        // (MAX(PoDate), COALESCE(...)) has no declared type and comes back as
        // such a text: it is read as the date it is, as the other engine
        // delivers it.
        if (v.typeId() != QMetaType::QString)
            return v;
        const QString t = v.toString();
        static const QRegularExpression date(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
        static const QRegularExpression dateTime(
            QStringLiteral("^\\d{4}-\\d{2}-\\d{2} \\d{2}:\\d{2}:\\d{2}(\\.\\d{1,3})?$"));
        if (t.size() == 10 && date.match(t).hasMatch()) {
            const QDate d = QDate::fromString(t, kDateFormat);
            return d.isValid() ? QVariant(d) : v;
        }
        if (t.size() >= 19 && t.size() <= 23 && dateTime.match(t).hasMatch()) {
            const QVariant dt = fromDb(v, ValueKind::DateTime);
            return dt.toDateTime().isValid() ? dt : v;
        }
        return v;
    }
    case ValueKind::Int:
        if (v.typeId() == QMetaType::Int)
            return v;
        {
            const qlonglong n = v.toLongLong();
            if (n >= INT_MIN && n <= INT_MAX)
                return int(n);
            return n;
        }
    case ValueKind::Float:
        return v.typeId() == QMetaType::Double ? v : QVariant(v.toDouble());
    case ValueKind::Text:
        return v.typeId() == QMetaType::QString ? v : QVariant(v.toString());
    case ValueKind::Date:
        if (v.typeId() == QMetaType::QDate)
            return v;
        if (v.typeId() == QMetaType::QDateTime)
            return v.toDateTime().date();
        return QDate::fromString(v.toString().left(10), kDateFormat);
    case ValueKind::DateTime: {
        if (v.typeId() == QMetaType::QDateTime)
            return v;
        const QString s = v.toString();
        if (s.size() <= 10)
            return QDateTime(QDate::fromString(s, kDateFormat), QTime(0, 0));
        QDateTime dt = QDateTime::fromString(s.left(23), kDateTimeFormat);
        if (!dt.isValid())
            dt = QDateTime::fromString(s.left(19), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        if (!dt.isValid())
            dt = QDateTime::fromString(s, Qt::ISODateWithMs);
        return dt;
    }
    case ValueKind::Blob:
        return v.typeId() == QMetaType::QByteArray ? v : QVariant(v.toByteArray());
    }
    return v;
}

std::unique_ptr<Dialect> Dialect::create(Engine engine) {
    if (engine == Engine::Postgres)
        return std::make_unique<PostgresDialect>();
    return std::make_unique<SqliteDialect>();
}

} // namespace zelt::data
