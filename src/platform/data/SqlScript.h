#pragma once

#include "platform/data/Params.h"

#include <QObject>
#include <QStringList>

namespace zelt::data {

class Database;

// Statements separated by lines that hold only "/", run one after the other
// on one connection; each binds the parameters it names.
class SqlScript : public QObject {
    Q_OBJECT
public:
    explicit SqlScript(Database* db = nullptr, const QString& name = {}, QObject* parent = nullptr);

    void setDatabase(Database* db) { db_ = db; }
    QStringList& sql() { return sql_; }
    void setSql(const QString& text) { sql_ = text.split(QLatin1Char('\n')); }
    ParamList& params() { return params_; }
    void setParam(const QString& name, const QVariant& value) { params_.set(name, value); }

    QStringList statements() const;
    void execute();

private:
    Database* db_;
    QStringList sql_;
    ParamList params_;
};

} // namespace zelt::data
