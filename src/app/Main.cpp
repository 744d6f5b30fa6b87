#include "app/Startup.h"

#include "shell/ErrorHandler.h"

#include <QString>
#include <QStringList>

#include <cstdio>

namespace {

const char* const kUsage =
    "Usage: zelt-import <menu id> <user id> <company database> <not used> <module code> <date and time>\n"
    "\n"
    "The import and foreign-purchasing module of the Zelt suite. The suite's menu\n"
    "program starts it with six arguments:\n"
    "  1  menu entry id (integer)        4  not used\n"
    "  2  user id (integer)              5  module code: IMPTRAN, IMPBEGIN, IMEXPTRAN,\n"
    "  3  company database name             IMEXCTRAN, IMPORTCOST or FRPO\n"
    "                                    6  date and time, \"dd/mm/yyyy hh:nn:ss\"\n"
    "\n"
    "The first line of Server.Dat in the working directory names the database\n"
    "server. Without arguments the program ends at once.\n"
    "\n"
    "  --help     this text\n"
    "  --version  the program's version\n";

} // namespace

int main(int argc, char** argv) {
    // No arguments: nothing is created, nothing is shown.
    if (argc <= 1)
        return zelt::app::kExitOk;

    // The arguments as the menu program gave them. The application object
    // is given only the program's name, so that an argument that happens to
    // look like a Qt option ("-style", "-platform") is never taken as one and
    // never moves the positions.
    QStringList args;
    args.reserve(argc);
    for (int i = 0; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);

    if (args.at(1) == QLatin1String("--help")) {
        std::fputs(kUsage, stdout);
        return zelt::app::kExitOk;
    }
    if (args.at(1) == QLatin1String("--version")) {
        std::fputs("zelt-import " ZELT_VERSION "\n", stdout);
        return zelt::app::kExitOk;
    }

    int appArgc = 1;
    char* appArgv[] = {argv[0], nullptr};
    zelt::shell::ZeltApplication app(appArgc, appArgv);
    QCoreApplication::setApplicationName(QStringLiteral("zelt-import"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ZELT_VERSION));
    if (qEnvironmentVariableIntValue("ZELT_UNATTENDED") != 0)
        zelt::app::installUnattendedModal();
    return zelt::app::runProgram(args);
}
