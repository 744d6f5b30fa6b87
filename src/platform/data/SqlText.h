#pragma once

#include <QString>
#include <QStringList>

namespace zelt::data {

// A statement with named parameters (":Name") turned into the positional form
// both drivers bind reliably. `names` holds one entry per placeholder, in
// order, so a name used twice is bound twice. Quoted texts, quoted names,
// comments and PostgreSQL casts ("::") are left alone.
struct ParsedSql {
    QString positional;
    QStringList names;
};

ParsedSql parseNamedParams(const QString& sql);

// The distinct parameter names of a statement, in order of first use.
QStringList distinctParamNames(const QString& sql);

// Statements of a script: separated by lines that hold only "/".
QStringList splitScript(const QStringList& lines);

} // namespace zelt::data
