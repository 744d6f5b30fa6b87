#pragma once

#include <QString>

namespace zelt::data {

enum class Engine { Sqlite, Postgres };

// Where the databases live, as the first line of "Server.Dat" names it:
//   missing or empty   the embedded store, folder data/ of the working directory
//   sqlite:<folder>    the embedded store in that folder
//   host[:port]        a PostgreSQL server
struct ServerSpec {
    Engine engine = Engine::Sqlite;
    QString folder; // embedded store: one file per database
    QString host;   // PostgreSQL
    int port = 5432;
    QString user; // PostgreSQL login
    QString password;
    int connectTimeoutSeconds = 5;

    // Reads the server text; relative folders are taken from workDir.
    static ServerSpec fromText(const QString& serverText, const QString& workDir);
    // The first line of "Server.Dat" in workDir, exactly as written; empty
    // when the file cannot be opened.
    static QString readServerName(const QString& workDir);
    static ServerSpec fromWorkDir(const QString& workDir);

    // The file of a database in the embedded store.
    QString sqliteFile(const QString& databaseName) const;
    QString describe() const;
};

} // namespace zelt::data
