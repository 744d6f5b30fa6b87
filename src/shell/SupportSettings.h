#pragma once

#include <QString>

namespace zelt::shell {

// The fixed values of the support service and the server used when
// "Server.Dat" names none. Each can be set by an environment variable of
// the workstation; the defaults suit a workstation with a local mail relay
// and the embedded store.
struct SupportSettings {
    QString defaultServer; // ZELT_DEFAULT_SERVER, default "sqlite:data"
    QString mailHost;      // ZELT_SUPPORT_SMTP_HOST, default "localhost"
    int mailPort = 25;     // ZELT_SUPPORT_SMTP_PORT, default 25
    QString mailAccount;   // ZELT_SUPPORT_SMTP_ACCOUNT, default empty (no login)
    QString mailPassword;  // ZELT_SUPPORT_SMTP_PASSWORD, default empty
    QString sender;        // ZELT_SUPPORT_SENDER, default "zelt-import@localhost"
    QString mailbox;       // ZELT_SUPPORT_MAILBOX, default "support@localhost"

    static SupportSettings defaults();
    // The defaults, overridden by the variables that are set and not empty.
    static SupportSettings fromEnvironment();
};

} // namespace zelt::shell
