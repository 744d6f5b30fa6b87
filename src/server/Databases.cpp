#include "server/Databases.h"

#include "platform/data/Database.h"
#include "platform/data/Query.h"
#include "server/SchemaBuilder.h"

#include <QDate>

namespace zelt::server {

namespace {
QString s(const char* text) {
    return QString::fromUtf8(text);
}
const QString kConfigLdc = QStringLiteral("ZELT_CONFIG_LDC");
const QString kConfig = QStringLiteral("ZELT_CONFIG");

void upgradeOne(const data::ServerSpec& server, const QString& name, DatabaseKind kind) {
    data::Database db(name);
    db.setServer(server);
    db.setDatabaseName(name);
    db.open();
    upgradeSchema(db, kind);
}
} // namespace

QString configDatabaseName(const data::ServerSpec& server) {
    return data::Database::databaseExists(server, kConfigLdc) ? kConfigLdc : kConfig;
}

bool configDatabaseExists(const data::ServerSpec& server) {
    return data::Database::databaseExists(server, configDatabaseName(server));
}

void createConfigDatabase(const data::ServerSpec& server) {
    data::Database::createDatabase(server, kConfig);
    upgradeOne(server, kConfig, DatabaseKind::Config);
}

void createCompanyDatabase(const data::ServerSpec& server, const QString& name, const QString& thaiName,
                           const QString& englishName) {
    data::Database::createDatabase(server, name);
    upgradeOne(server, name, DatabaseKind::Company);
    if (!configDatabaseExists(server))
        return;
    data::Database config(s("CONFIG"));
    config.setServer(server);
    config.setDatabaseName(configDatabaseName(server));
    config.open();
    data::Transaction tx(config);
    const QString code = name.trimmed().toUpper();
    QVariant company = config.scalar(s("SELECT Id FROM Company WHERE Code = :Code"), {{s("Code"), code}});
    if (!company.isValid()) {
        config.execute(s("INSERT INTO Company (Code, NameThai, NameEng, RunYear, InstallDate) "
                         "VALUES (:Code, :NameThai, :NameEng, :RunYear, :InstallDate)"),
                       {{s("Code"), code},
                        {s("NameThai"), thaiName.isEmpty() ? code : thaiName},
                        {s("NameEng"), englishName.isEmpty() ? code : englishName},
                        {s("RunYear"), QDate::currentDate().year()},
                        {s("InstallDate"), QDate::currentDate()}});
        company = config.scalar(s("SELECT Id FROM Company WHERE Code = :Code"), {{s("Code"), code}});
    }
    if (!config
             .scalar(s("SELECT 1 FROM DatabaseList WHERE DatabaseName = :Name"),
                     {{s("Name"), name.trimmed()}})
             .isValid())
        config.execute(s("INSERT INTO DatabaseList (Company, DatabaseName, Description, YearNo) "
                         "VALUES (:Company, :Name, :Description, :YearNo)"),
                       {{s("Company"), company},
                        {s("Name"), name.trimmed()},
                        {s("Description"), englishName.isEmpty() ? name.trimmed() : englishName},
                        {s("YearNo"), QDate::currentDate().year()}});
    tx.commit();
}

QStringList upgradeAll(const data::ServerSpec& server) {
    QStringList done;
    if (!configDatabaseExists(server))
        return done;
    const QString configName = configDatabaseName(server);
    upgradeOne(server, configName, DatabaseKind::Config);
    done << configName;
    data::Database config(s("CONFIG"));
    config.setServer(server);
    config.setDatabaseName(configName);
    config.open();
    data::Query list(&config);
    list.setSql(s("SELECT DatabaseName FROM DatabaseList ORDER BY DatabaseName"));
    list.open();
    for (list.first(); !list.eof(); list.next()) {
        const QString name = list.field(s("DatabaseName")).asString().trimmed();
        if (name.isEmpty() || !data::Database::databaseExists(server, name))
            continue;
        upgradeOne(server, name, DatabaseKind::Company);
        done << name;
    }
    return done;
}

} // namespace zelt::server
