#include "platform/data/SqlScript.h"

#include "platform/data/Database.h"
#include "platform/data/SqlText.h"

namespace zelt::data {

SqlScript::SqlScript(Database* db, const QString& name, QObject* parent)
    : QObject(parent)
    , db_(db) {
    setObjectName(name);
}

QStringList SqlScript::statements() const {
    return splitScript(sql_);
}

void SqlScript::execute() {
    if (!db_)
        throw DatabaseError(QStringLiteral("%1: no database").arg(objectName()));
    for (const QString& statement : statements())
        db_->execute(statement, params_);
}

} // namespace zelt::data
