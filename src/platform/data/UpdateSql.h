#pragma once

#include "platform/data/DataSet.h"

#include <QStringList>

#include <map>
#include <memory>

namespace zelt::data {

class Database;
class Statement;

// The insert, modify and delete statements that write a data set's cached
// rows. ":Field" takes the row's current value of that field, ":OLD_Field"
// the value as it was read.
class UpdateSql : public QObject {
    Q_OBJECT
public:
    explicit UpdateSql(Database* db = nullptr, const QString& name = {}, QObject* parent = nullptr);
    ~UpdateSql() override;

    void setDatabase(Database* db) { db_ = db; }
    Database* database() const { return db_; }

    QStringList& insertSql() { return insert_; }
    QStringList& modifySql() { return modify_; }
    QStringList& deleteSql() { return delete_; }
    void setInsertSql(const QString& sql);
    void setModifySql(const QString& sql);
    void setDeleteSql(const QString& sql);

    // Writes one row; statements are prepared once between beginApply and
    // endApply.
    void apply(UpdateStatus status, const QVector<FieldDef>& fields, const QVector<QVariant>& values,
               const QVector<QVariant>& old);
    void beginApply();
    void endApply();

private:
    // The prepared statement of a kind of change: the one kept for this
    // apply, or a new one held by `local`.
    Statement& statementFor(UpdateStatus status, std::unique_ptr<Statement>& local);

    Database* db_;
    QStringList insert_, modify_, delete_;
    bool applying_ = false;
    std::map<int, std::unique_ptr<Statement>> prepared_;
};

} // namespace zelt::data
