#include "server/MasterCopy.h"

#include "platform/data/Database.h"
#include "platform/data/Query.h"

namespace zelt::server {

using data::DatabaseError;

namespace {

QString s(const char* text) {
    return QString::fromUtf8(text);
}

QString masterName(data::Database& db) {
    data::Query config(&db);
    config.setSql(s("SELECT MasterDatabase, MainDbName FROM Config"));
    config.open();
    if (config.isEmpty())
        return {};
    const QString master = config.field(s("MasterDatabase")).asString().trimmed();
    if (!master.isEmpty() && master.compare(s("Y"), Qt::CaseInsensitive) != 0 &&
        master.compare(s("N"), Qt::CaseInsensitive) != 0)
        return master;
    return config.field(s("MainDbName")).asString().trimmed();
}

// Inserts the current row of `rows` into `table` of `target`, all columns
// but the identity, with the given columns overridden.
void insertRow(data::Database& target, const QString& table, data::DataSet& rows,
               const data::ParamList& overrides) {
    QStringList columns, values;
    data::ParamList params;
    for (int i = 0; i < rows.fieldCount(); ++i) {
        const QString name = rows.fieldDef(i).name;
        if (name.compare(s("ID"), Qt::CaseInsensitive) == 0)
            continue;
        columns << name;
        values << QLatin1Char(':') + name;
        const int o = overrides.indexOf(name);
        params.set(name, o >= 0 ? overrides.at(o).value : rows.cell(rows.recNo(), i));
    }
    target.execute(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                       .arg(table, columns.join(QStringLiteral(", ")), values.join(QStringLiteral(", "))),
                   params);
}

} // namespace

void copyAndUpdateMR(data::Database& db, data::ParamList& params) {
    const QVariant docNo = params.value(s("DocNo"));
    const QString targetName = masterName(db);
    if (targetName.isEmpty())
        throw DatabaseError(
            s("No master database is named in the company settings (Config.MasterDatabase or MainDbName)."));
    if (targetName.compare(db.databaseName(), Qt::CaseInsensitive) == 0)
        return; // this company is the master itself

    data::Query hd(&db);
    hd.setSql(s("SELECT * FROM MrHd WHERE MrNo = :DocNo"));
    hd.setParam(s("DocNo"), docNo);
    hd.open();
    if (hd.isEmpty())
        throw DatabaseError(QStringLiteral("Receipt %1 not found; nothing copied.").arg(docNo.toString()));

    data::Database target(s("MASTER"));
    target.setServer(db.server());
    target.setDatabaseName(targetName);
    target.open();
    data::Transaction tx(target);
    const data::ParamList key{{s("DocNo"), docNo}};
    target.execute(s("DELETE FROM MrDt WHERE MrHd IN (SELECT ID FROM MrHd WHERE MrNo = :DocNo)"), key);
    target.execute(s("DELETE FROM MrHd WHERE MrNo = :DocNo"), key);
    for (hd.first(); !hd.eof(); hd.next()) {
        insertRow(target, s("MrHd"), hd, {});
        const QVariant newId = target.scalar(s("SELECT MAX(ID) FROM MrHd WHERE MrNo = :DocNo"), key);
        data::Query dt(&db);
        dt.setSql(s("SELECT * FROM MrDt WHERE MrHd = :Id ORDER BY MrRecNo, ID"));
        dt.setParam(s("Id"), hd.field(s("ID")).value());
        dt.open();
        for (dt.first(); !dt.eof(); dt.next())
            insertRow(target, s("MrDt"), dt, {{s("MrHd"), newId}, {s("MrDtB"), QVariant()}});
    }
    tx.commit();
}

} // namespace zelt::server
