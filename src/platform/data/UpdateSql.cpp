#include "platform/data/UpdateSql.h"

#include "platform/data/Database.h"
#include "platform/data/Statement.h"

namespace zelt::data {

namespace {
QStringList toLines(const QString& sql) {
    return sql.split(QLatin1Char('\n'));
}

int findField(const QVector<FieldDef>& fields, QStringView name) {
    for (int i = 0; i < fields.size(); ++i)
        if (QStringView(fields[i].name).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}
} // namespace

UpdateSql::UpdateSql(Database* db, const QString& name, QObject* parent)
    : QObject(parent)
    , db_(db) {
    setObjectName(name);
}

UpdateSql::~UpdateSql() = default;

void UpdateSql::setInsertSql(const QString& sql) {
    insert_ = toLines(sql);
}
void UpdateSql::setModifySql(const QString& sql) {
    modify_ = toLines(sql);
}
void UpdateSql::setDeleteSql(const QString& sql) {
    delete_ = toLines(sql);
}

void UpdateSql::beginApply() {
    applying_ = true;
    prepared_.clear();
}

void UpdateSql::endApply() {
    applying_ = false;
    prepared_.clear();
}

Statement& UpdateSql::statementFor(UpdateStatus status, std::unique_ptr<Statement>& local) {
    // While a data set applies its rows, each statement is prepared once.
    std::unique_ptr<Statement>& slot = applying_ ? prepared_[int(status)] : local;
    if (slot)
        return *slot;
    const QStringList& lines = status == UpdateStatus::Inserted   ? insert_
                               : status == UpdateStatus::Modified ? modify_
                                                                  : delete_;
    const QString sql = lines.join(QLatin1Char('\n')).trimmed();
    if (sql.isEmpty())
        throw DatabaseError(QStringLiteral("%1: no SQL statement available").arg(objectName()));
    if (!db_->isOpen())
        db_->open();
    slot = std::make_unique<Statement>(*db_, sql);
    return *slot;
}

void UpdateSql::apply(UpdateStatus status, const QVector<FieldDef>& fields, const QVector<QVariant>& values,
                      const QVector<QVariant>& old) {
    if (!db_)
        throw DatabaseError(QStringLiteral("%1: no database").arg(objectName()));
    if (status == UpdateStatus::Unmodified)
        return;
    std::unique_ptr<Statement> local;
    Statement& st = statementFor(status, local);
    st.bind([&](const QString& name) -> QVariant {
        if (name.startsWith(QLatin1String("OLD_"), Qt::CaseInsensitive)) {
            const int i = findField(fields, QStringView(name).mid(4));
            if (i >= 0)
                return old[i];
        }
        const int i = findField(fields, name);
        if (i < 0)
            throw DatabaseError(QStringLiteral("%1: Field '%2' not found").arg(objectName(), name), st.sql());
        return values[i];
    });
    st.exec();
}

} // namespace zelt::data
