#pragma once

#include "platform/data/Database.h"
#include "support/TestServer.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QVariant>

#include <gtest/gtest.h>

#include <ostream>

// Readable failure output for the Qt types the checks compare.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
inline void PrintTo(const QDate& d, std::ostream* os) {
    *os << d.toString(Qt::ISODate).toStdString();
}
inline void PrintTo(const QDateTime& d, std::ostream* os) {
    *os << d.toString(Qt::ISODateWithMs).toStdString();
}
inline void PrintTo(const QVariant& v, std::ostream* os) {
    *os << v.typeName() << '(' << v.toString().toStdString() << ')';
}

namespace zelt::data::testing {

// A fresh database on the server the environment names, open for the test.
class DbTest : public ::testing::Test {
protected:
    DbTest() {
        db.setServer(scratch.server());
        db.setDatabaseName(scratch.name());
        db.open();
    }

    QString type(ColType t, int size = 0) const { return db.dialect().typeSql(t, size); }
    bool postgres() const { return db.server().engine == Engine::Postgres; }
    int count(const QString& sqlText, const ParamList& params = {}) {
        return db.scalar(sqlText, params).toInt();
    }

    zelt::test::ScratchDatabase scratch;
    Database db{QStringLiteral("test")};
};

} // namespace zelt::data::testing
