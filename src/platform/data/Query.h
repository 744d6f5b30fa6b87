#pragma once

#include "platform/data/DataSet.h"
#include "platform/data/Params.h"

#include <QStringList>

#include <memory>

namespace zelt::data {

class Database;
class Statement;

// A data set read by a statement with named parameters. The statement is
// kept as lines because some steps of the forms replace one line.
class Query : public DataSet {
    Q_OBJECT
public:
    explicit Query(Database* db = nullptr, const QString& name = {}, QObject* parent = nullptr);

    void setDatabase(Database* db) { db_ = db; }
    Database* database() const { return db_; }

    QStringList& sql() { return sql_; }
    const QStringList& sql() const { return sql_; }
    void setSql(const QString& text);
    QString sqlText() const { return sql_.join(QLatin1Char('\n')); }

    // The parameters of the current statement (found in its text), with the
    // values set so far.
    ParamList& params();
    void setParam(const QString& name, const QVariant& value) { params().byName(name).value = value; }
    QVariant param(const QString& name) { return params().value(name); }

    // Runs the statement and holds its rows; closes first when open.
    void open();
    // Reopens with the same parameters and returns to the same row number.
    void refresh();
    // Runs a statement that returns no rows; the number of rows changed.
    int execSql();

private:
    void syncParams();
    // Binds the parameters and runs the statement on the (opened) database.
    std::unique_ptr<Statement> run();

    Database* db_;
    QStringList sql_;
    QString paramsFor_;
    ParamList params_;
};

} // namespace zelt::data
