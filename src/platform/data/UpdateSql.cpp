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

void UpdateSql::apply(UpdateStatus status, const QVector<FieldDef>& fields, const QVector<QVariant>& values,
                      const QVector<QVariant>& old) {
    if (!db_)
        throw DatabaseError(QStringLiteral("%1: no database").arg(objectName()));
    const QStringList* lines = nullptr;
    switch (status) {
    case UpdateStatus::Inserted:
        lines = &insert_;
        break;
    case UpdateStatus::Modified:
        lines = &modify_;
        break;
    case UpdateStatus::Deleted:
        lines = &delete_;
        break;
    case UpdateStatus::Unmodified:
        return;
    }
    const QString sql = lines->join(QLatin1Char('\n')).trimmed();
    if (sql.isEmpty())
        throw DatabaseError(QStringLiteral("%1: no SQL statement available").arg(objectName()));
    if (!db_->isOpen())
        db_->open();

    std::unique_ptr<Statement> local;
    Statement* st = nullptr;
    if (applying_) {
        auto& slot = prepared_[int(status)];
        if (!slot)
            slot = std::make_unique<Statement>(*db_, sql);
        st = slot.get();
    } else {
        local = std::make_unique<Statement>(*db_, sql);
        st = local.get();
    }
    st->bind([&](const QString& name) -> QVariant {
        if (name.startsWith(QLatin1String("OLD_"), Qt::CaseInsensitive)) {
            const int i = findField(fields, QStringView(name).mid(4));
            if (i >= 0)
                return old[i];
        }
        const int i = findField(fields, name);
        if (i < 0)
            throw DatabaseError(QStringLiteral("%1: Field '%2' not found").arg(objectName(), name), sql);
        return values[i];
    });
    st->exec();
}

} // namespace zelt::data
