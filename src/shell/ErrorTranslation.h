#pragma once

#include <QList>
#include <QString>

namespace zelt::shell {

// One row of the error translation: a fragment of a technical message (from
// the database server, the run-time or the printer) and the Thai sentence the
// user reads instead.
struct ErrorTranslation {
    QString fragment;
    QString text;
};

// The rows in the order they are tried.
const QList<ErrorTranslation>& errorTranslations();

// The Thai sentence of the first row whose fragment occurs anywhere in the
// message, letter case ignored; empty when no row matches.
QString translateError(const QString& message);

// The text of the error dialog: the Thai sentence, a carriage return, the
// message in upper case and a carriage return. With no matching row the text
// starts with the carriage return.
QString errorDialogText(const QString& message);

} // namespace zelt::shell
