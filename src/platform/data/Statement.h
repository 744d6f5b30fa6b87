#pragma once

#include "platform/data/Dialect.h"
#include "platform/data/Params.h"

#include <QSqlQuery>
#include <QStringList>
#include <QVector>

#include <functional>

namespace zelt::data {

class Database;

// One prepared statement on a connection: named parameters bound by name
// (a name used twice gets the same value twice), errors raised as
// DatabaseError, result values converted to the program's types.
class Statement {
public:
    Statement(Database& db, const QString& sql);

    const QString& sql() const { return sql_; }
    const QStringList& paramNames() const { return names_; }

    void bind(const std::function<QVariant(const QString&)>& valueOf);
    void bind(const ParamList& params);
    void exec();

    int columnCount() const { return int(columns_.size()); }
    const QStringList& columnNames() const { return columns_; }
    ValueKind columnKind(int i) const { return kinds_[i]; }
    bool next();
    QVariant value(int column) const;
    int rowsAffected() const { return query_.numRowsAffected(); }

private:
    Database& db_;
    QString sql_;
    QStringList names_;
    QSqlQuery query_;
    QString direct_; // the statement text when it is run without preparing
    QStringList columns_;
    QVector<ValueKind> kinds_;
};

} // namespace zelt::data
