#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

namespace zelt::shell {

// The document forms the program opens, by module code. The forms register
// themselves; start-up asks for the form of the code it was given.
using ModuleFactory = std::function<QWidget*()>;

// The module codes in the order they are compared.
const QStringList& moduleCodes();

void registerModule(const QString& code, ModuleFactory factory);

// The code that the command-line text selects: trimmed, upper-cased and
// compared whole with each known code in order; empty when none matches.
QString matchModule(const QString& argument);

// Creates the form of a matched code; null when no form is registered for it
// (the module is not built into this program yet).
QWidget* createModule(const QString& code);

} // namespace zelt::shell
