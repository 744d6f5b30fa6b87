#pragma once

#include <QString>

namespace zelt::data {
class Database;
} // namespace zelt::data

namespace zelt::server {

// Registers the procedures of both databases with the data layer, so that a
// StoredProc finds them by name. Safe to call more than once.
void registerServerProcedures();

// Reserves and returns the next number of a document code for a year, as the
// procedure NewDocumentNo does, on the caller's connection and transaction.
QString nextDocumentNo(data::Database& db, const QString& code, int year);

// The number text of a numbering row: the prefix followed by the counter,
// filled with zeros to the document length. Raises when the counter no
// longer fits the length.
QString formatDocumentNo(const QString& prefix, qint64 counter, int length, const QString& code);

} // namespace zelt::server
