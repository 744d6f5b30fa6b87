#include "shell/SupportSettings.h"

#include <QtGlobal>

namespace zelt::shell {

namespace {
void take(QString& target, const char* variable) {
    const QString value = qEnvironmentVariable(variable).trimmed();
    if (!value.isEmpty())
        target = value;
}
} // namespace

SupportSettings SupportSettings::defaults() {
    SupportSettings s;
    s.defaultServer = QStringLiteral("sqlite:data");
    s.mailHost = QStringLiteral("localhost");
    s.mailPort = 25;
    s.sender = QStringLiteral("zelt-import@localhost");
    s.mailbox = QStringLiteral("support@localhost");
    return s;
}

SupportSettings SupportSettings::fromEnvironment() {
    SupportSettings s = defaults();
    take(s.defaultServer, "ZELT_DEFAULT_SERVER");
    take(s.mailHost, "ZELT_SUPPORT_SMTP_HOST");
    bool ok = false;
    const int port = qEnvironmentVariable("ZELT_SUPPORT_SMTP_PORT").trimmed().toInt(&ok);
    if (ok && port > 0 && port < 65536)
        s.mailPort = port;
    take(s.mailAccount, "ZELT_SUPPORT_SMTP_ACCOUNT");
    // A password may hold blanks at its ends: taken as set.
    if (qEnvironmentVariableIsSet("ZELT_SUPPORT_SMTP_PASSWORD"))
        s.mailPassword = qEnvironmentVariable("ZELT_SUPPORT_SMTP_PASSWORD");
    take(s.sender, "ZELT_SUPPORT_SENDER");
    take(s.mailbox, "ZELT_SUPPORT_MAILBOX");
    return s;
}

} // namespace zelt::shell
