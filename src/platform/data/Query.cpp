#include "platform/data/Query.h"

#include "platform/data/Database.h"
#include "platform/data/SqlText.h"
#include "platform/data/Statement.h"

namespace zelt::data {

Query::Query(Database* db, const QString& name, QObject* parent)
    : DataSet(name, parent)
    , db_(db) {}

void Query::setSql(const QString& text) {
    sql_ = text.split(QLatin1Char('\n'));
}

void Query::syncParams() {
    const QString text = sqlText();
    if (text == paramsFor_)
        return;
    params_.resetNames(distinctParamNames(text));
    paramsFor_ = text;
}

ParamList& Query::params() {
    syncParams();
    return params_;
}

std::unique_ptr<Statement> Query::run() {
    if (!db_)
        throw DatabaseError(QStringLiteral("%1: no database").arg(objectName()));
    syncParams();
    if (!db_->isOpen())
        db_->open();
    auto st = std::make_unique<Statement>(*db_, sqlText());
    st->bind(params_);
    st->exec();
    return st;
}

void Query::open() {
    close();
    const std::unique_ptr<Statement> statement = run();
    Statement& st = *statement;

    QVector<FieldDef> fields;
    fields.reserve(st.columnCount());
    for (int i = 0; i < st.columnCount(); ++i) {
        // A name that a join delivers twice gets a suffix, as the original did.
        QString name = st.columnNames()[i];
        for (int n = 1;
             std::any_of(fields.begin(), fields.end(),
                         [&](const FieldDef& f) { return f.name.compare(name, Qt::CaseInsensitive) == 0; });
             ++n)
            name = st.columnNames()[i] + QLatin1Char('_') + QString::number(n);
        fields.push_back({name, st.columnKind(i), 0});
    }
    QVector<Row> rows;
    const int columns = st.columnCount();
    while (st.next()) {
        Row r;
        r.values.reserve(columns);
        for (int c = 0; c < columns; ++c)
            r.values.push_back(st.value(c));
        rows.push_back(std::move(r));
    }
    setContent(std::move(fields), std::move(rows));
    activate();
}

void Query::refresh() {
    const int at = recNo();
    open();
    if (at > 0)
        setRecNo(at);
}

int Query::execSql() { return run()->rowsAffected(); }

} // namespace zelt::data
