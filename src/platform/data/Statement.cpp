#include "platform/data/Statement.h"

#include "platform/data/Database.h"
#include "platform/data/SqlText.h"

#include <QSqlError>
#include <QSqlField>
#include <QSqlRecord>
#include <QSqlResult>

#include <sqlite3.h>

namespace zelt::data {

Statement::Statement(Database& db, const QString& sql)
    : db_(db)
    , sql_(sql)
    , query_(db.connection()) {
    ParsedSql parsed = parseNamedParams(sql);
    names_ = std::move(parsed.names);
    query_.setForwardOnly(true);
    query_.setNumericalPrecisionPolicy(QSql::LowPrecisionDouble);
    // A statement without parameters runs as it is: PostgreSQL cannot
    // prepare DDL, and there is nothing to bind.
    if (names_.isEmpty()) {
        direct_ = parsed.positional;
        return;
    }
    if (!query_.prepare(parsed.positional)) {
        db_.noteStatementFailed();
        throw DatabaseError(db_.dialect().translateError(query_.lastError()), sql_);
    }
}

void Statement::bind(const std::function<QVariant(const QString&)>& valueOf) {
    const Dialect& d = db_.dialect();
    for (int i = 0; i < names_.size(); ++i)
        query_.bindValue(i, d.toDb(valueOf(names_[i])));
}

void Statement::bind(const ParamList& params) {
    bind([&params](const QString& name) { return params.value(name); });
}

void Statement::exec() {
    if (!(direct_.isEmpty() ? query_.exec() : query_.exec(direct_))) {
        db_.noteStatementFailed();
        throw DatabaseError(db_.dialect().translateError(query_.lastError()), sql_);
    }
    columns_.clear();
    kinds_.clear();
    if (!query_.isSelect())
        return;
    const QSqlRecord rec = query_.record();
    sqlite3_stmt* stmt = nullptr;
    if (db_.dialect().engine() == Engine::Sqlite) {
        const QVariant h = query_.result()->handle();
        if (h.isValid() && qstrcmp(h.typeName(), "sqlite3_stmt*") == 0)
            stmt = *static_cast<sqlite3_stmt* const*>(h.constData());
    }
    for (int i = 0; i < rec.count(); ++i) {
        columns_ << rec.fieldName(i);
        QString declared;
        if (stmt) {
            if (const char* t = sqlite3_column_decltype(stmt, i))
                declared = QString::fromUtf8(t);
        }
        kinds_ << db_.dialect().kindOf(declared, rec.field(i).metaType().id());
    }
}

bool Statement::next() {
    return query_.next();
}

QVariant Statement::value(int column) const {
    return Dialect::fromDb(query_.value(column), kinds_[column]);
}

} // namespace zelt::data
