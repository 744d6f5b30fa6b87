#pragma once

#include "platform/data/Params.h"

#include <QObject>

#include <functional>

namespace zelt::data {

class Database;

// A server procedure: our procedures are C++ functions run on the caller's
// connection, inside the caller's transaction. They read their in-parameters
// and set their out-parameters in the list, named without the "@" prefix.
using Procedure = std::function<void(Database&, ParamList&)>;

void registerProcedure(const QString& name, Procedure procedure);
const Procedure* findProcedure(const QString& name);

// Calls a procedure by name, as the forms' stored-procedure components did.
class StoredProc : public QObject {
    Q_OBJECT
public:
    explicit StoredProc(Database* db = nullptr, const QString& procName = {}, const QString& name = {},
                        QObject* parent = nullptr);

    void setDatabase(Database* db) { db_ = db; }
    void setProcName(const QString& procName) { procName_ = procName; }
    const QString& procName() const { return procName_; }

    ParamList& params() { return params_; }
    // "@DocCode" and "DocCode" name the same parameter.
    void setParam(const QString& name, const QVariant& value);
    QVariant param(const QString& name) const;

    void execProc();

private:
    Database* db_;
    QString procName_;
    ParamList params_;
};

} // namespace zelt::data
