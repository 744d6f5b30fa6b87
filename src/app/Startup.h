#pragma once

#include <QStringList>

namespace zelt::app {

// Exit statuses of the program.
constexpr int kExitOk = 0;           // done, or nothing to open (no arguments, no right, unknown module)
constexpr int kExitStartupError = 1; // an argument that does not convert, a database that fails

// The program's run after the application object exists: splash window, data
// modules, the command line (positions 1 to 6 at indexes 1 to 6 of args),
// company and rights, the module's form and the message loop. Returns the
// exit status.
int runProgram(const QStringList& args);

// Answers every message without showing it (the texts still reach stderr):
// for runs without anyone at the screen, ZELT_UNATTENDED=1.
void installUnattendedModal();

} // namespace zelt::app
