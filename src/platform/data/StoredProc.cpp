#include "platform/data/StoredProc.h"

#include "platform/data/Database.h"

#include <QHash>
#include <QMutex>

#include <deque>

namespace zelt::data {

namespace {
QString bare(const QString& name) {
    const QString t = name.trimmed();
    return t.startsWith(QLatin1Char('@')) ? t.mid(1) : t;
}

struct Registry {
    QMutex mutex;
    // findProcedure hands out pointers that are used after the lock is
    // released: entries never move (a hash moves its values as it grows) and
    // are never destroyed (registering a name again adds a new entry).
    std::deque<Procedure> store;
    QHash<QString, const Procedure*> procedures; // upper-cased names
};
Registry& registry() {
    static Registry r;
    return r;
}
} // namespace

void registerProcedure(const QString& name, Procedure procedure) {
    Registry& r = registry();
    QMutexLocker lock(&r.mutex);
    r.store.push_back(std::move(procedure));
    r.procedures.insert(bare(name).toUpper(), &r.store.back());
}

const Procedure* findProcedure(const QString& name) {
    Registry& r = registry();
    QMutexLocker lock(&r.mutex);
    const auto it = r.procedures.constFind(bare(name).toUpper());
    return it == r.procedures.constEnd() ? nullptr : it.value();
}

StoredProc::StoredProc(Database* db, const QString& procName, const QString& name, QObject* parent)
    : QObject(parent)
    , db_(db)
    , procName_(procName) {
    setObjectName(name);
}

void StoredProc::setParam(const QString& name, const QVariant& value) {
    params_.set(bare(name), value);
}

QVariant StoredProc::param(const QString& name) const {
    return params_.value(bare(name));
}

void StoredProc::execProc() {
    if (!db_)
        throw DatabaseError(QStringLiteral("%1: no database").arg(objectName()));
    const Procedure* proc = findProcedure(procName_);
    if (!proc)
        throw DatabaseError(QStringLiteral("Could not find stored procedure '%1'.").arg(procName_));
    if (!db_->isOpen())
        db_->open();
    (*proc)(*db_, params_);
}

} // namespace zelt::data
