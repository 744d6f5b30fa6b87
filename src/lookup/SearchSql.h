#pragma once

#include "platform/data/Dialect.h"

#include <QString>
#include <QStringList>

namespace zelt::lookup {

// The pieces of SQL that the search dialogs build at run time. The user's
// text never becomes SQL text: it is bound as a LIKE pattern, and only
// program-chosen pieces (column positions, names) are written into a
// statement.

// The escape clause written after every LIKE that compares with a pattern
// made by the functions below. Both engines then read the pattern alike: a
// backslash is an ordinary character (PostgreSQL would take it as its
// escape otherwise), "%" and "_" stay the wildcards they were on the
// original server, and "!" is escaped.
inline const QString kLikeEscape = QStringLiteral(" ESCAPE '!'");

// The user's text made safe for a pattern written with kLikeEscape.
QString likeText(const QString& text);
// "%" + text + "%": rows whose column contains the text.
QString likeContains(const QString& text);
// text + "%": rows whose column starts with the text.
QString likePrefix(const QString& text);

// Whether a click on the title of a result column sorts by it: never on
// large objects, nor on columns named REMARK or MEMO.
bool isSortableColumn(const QString& name, data::ValueKind kind);

// In every line that contains "ORDER BY " (compared upper-case), replaces
// the rest of the line from there by "Order By " and the column's position
// in the result (1 for the first), followed by " Desc" when descending.
// Answers whether any line changed.
bool sortByPosition(QStringList& lines, int position, bool descending);

// Whether a name given by the program for a table or a column is a plain
// (possibly qualified) identifier, safe to write into a statement.
bool isPlainName(const QString& name);

} // namespace zelt::lookup
