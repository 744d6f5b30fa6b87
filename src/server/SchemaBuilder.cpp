#include "server/SchemaBuilder.h"

#include "platform/data/Database.h"
#include "platform/data/Query.h"
#include "server/Views.h"

#include <QDateTime>
#include <QSet>

namespace zelt::server {

using data::ColType;

namespace {

QString name(const char* n) {
    return QString::fromLatin1(n);
}

bool hasIdColumn(const TableDef& t) {
    for (const ColumnDef& c : t.columns)
        if (c.type == ColType::Id)
            return true;
    return false;
}

QString indexSql(const TableDef& t, const IndexDef& ix) {
    QStringList cols;
    for (const char* c : ix.columns)
        cols << name(c);
    return QStringLiteral("CREATE %1INDEX IF NOT EXISTS %2 ON %3 (%4)")
        .arg(ix.unique ? QStringLiteral("UNIQUE ") : QString(), name(ix.name), name(t.name),
             cols.join(QStringLiteral(", ")));
}

const std::vector<TableDef>& tablesOf(DatabaseKind kind) {
    return kind == DatabaseKind::Config ? configTables() : companyTables();
}

} // namespace

QString columnSql(const data::Dialect& dialect, const TableDef& table, const ColumnDef& c, bool forNewTable) {
    QString sql = name(c.name) + QLatin1Char(' ') + dialect.typeSql(c.type, c.size);
    if (c.type == ColType::Id)
        return sql;
    if (c.defaultValue)
        sql += QStringLiteral(" DEFAULT ") + name(c.defaultValue);
    // A column added to a table that already has rows cannot be required
    // unless it has a default.
    if (c.notNull && (forNewTable || c.defaultValue))
        sql += QStringLiteral(" NOT NULL");
    if (c.type == ColType::Text && c.size > 0) {
        // The original server refused a text longer than its column
        // ("would be truncated"); the check keeps that promise on both engines.
        sql += QStringLiteral(" CONSTRAINT CK_%1_%2_len CHECK (length(%2) <= %3)")
                   .arg(name(table.name), name(c.name))
                   .arg(c.size);
    } else if (c.type == ColType::Flag) {
        sql += QStringLiteral(" CONSTRAINT CK_%1_%2_len CHECK (length(%2) <= 1)")
                   .arg(name(table.name), name(c.name));
    }
    return sql;
}

QStringList createTableSql(const data::Dialect& dialect, const TableDef& t) {
    QStringList parts;
    for (const ColumnDef& c : t.columns)
        parts << QStringLiteral("  ") + columnSql(dialect, t, c, true);
    if (!hasIdColumn(t) && !t.primaryKey.empty()) {
        QStringList key;
        for (const char* k : t.primaryKey)
            key << name(k);
        parts << QStringLiteral("  PRIMARY KEY (%1)").arg(key.join(QStringLiteral(", ")));
    }
    QStringList out;
    out << QStringLiteral("CREATE TABLE %1 (\n%2\n)").arg(name(t.name), parts.join(QStringLiteral(",\n")));
    for (const IndexDef& ix : t.indexes)
        out << indexSql(t, ix);
    return out;
}

int upgradeSchema(data::Database& db, DatabaseKind kind) {
    if (!db.isOpen())
        db.open();
    int changes = 0;
    data::Transaction tx(db);
    if (!db.hasTable(QStringLiteral("SchemaVersion"))) {
        db.execute(QStringLiteral("CREATE TABLE SchemaVersion (Version INTEGER NOT NULL, UpgradeDate %1)")
                       .arg(db.dialect().typeSql(ColType::DateTime, 0)));
        db.execute(QStringLiteral("INSERT INTO SchemaVersion (Version) VALUES (0)"));
        ++changes;
    }
    const int stored = db.scalar(QStringLiteral("SELECT MAX(Version) FROM SchemaVersion")).toInt();
    if (stored > kSchemaVersion)
        throw data::DatabaseError(
            QStringLiteral(
                "The database %1 has schema version %2, newer than this program's %3; use a newer program.")
                .arg(db.databaseName())
                .arg(stored)
                .arg(kSchemaVersion));

    // Views read the tables; they are dropped first and made anew at the end.
    if (kind == DatabaseKind::Company)
        for (const ViewDef& v : companyViews())
            if (db.hasTable(name(v.name)))
                db.execute(QStringLiteral("DROP VIEW IF EXISTS ") + name(v.name));

    // The catalogue read once: TABLE and TABLE.COLUMN, trimmed, upper-cased.
    QSet<QString> present;
    {
        data::Query catalogue(&db);
        catalogue.setSql(db.dialect().allColumnsSql());
        catalogue.open();
        for (int r = 0; r < catalogue.recordCount(); ++r) {
            const QString table = catalogue.cell(r, 0).toString().trimmed().toUpper();
            present.insert(table);
            present.insert(table + QLatin1Char('.') + catalogue.cell(r, 1).toString().trimmed().toUpper());
        }
    }
    for (const TableDef& t : tablesOf(kind)) {
        const QString table = name(t.name).trimmed().toUpper();
        if (!present.contains(table)) {
            for (const QString& sql : createTableSql(db.dialect(), t))
                db.execute(sql);
            ++changes;
            continue;
        }
        for (const ColumnDef& c : t.columns) {
            if (present.contains(table + QLatin1Char('.') + name(c.name).trimmed().toUpper()))
                continue;
            db.execute(QStringLiteral("ALTER TABLE %1 ADD %2")
                           .arg(name(t.name), columnSql(db.dialect(), t, c, false)));
            ++changes;
        }
        for (const IndexDef& ix : t.indexes)
            db.execute(indexSql(t, ix));
    }
    if (kind == DatabaseKind::Company) {
        for (const ViewDef& v : companyViews())
            db.execute(QStringLiteral("CREATE VIEW %1 AS %2").arg(name(v.name), name(v.selectSql)));
        // Statements join NullTable to get exactly one row (Id 0).
        changes += db.execute(QStringLiteral("INSERT INTO NullTable (Id) SELECT 0 WHERE NOT EXISTS "
                                             "(SELECT 1 FROM NullTable)"));
    }
    if (stored != kSchemaVersion) {
        db.execute(
            QStringLiteral("UPDATE SchemaVersion SET Version = :v, UpgradeDate = :d"),
            {{QStringLiteral("v"), kSchemaVersion}, {QStringLiteral("d"), QDateTime::currentDateTime()}});
        ++changes;
    }
    tx.commit();
    return changes;
}

} // namespace zelt::server
