#include "shell/SystemInfo.h"

#include <QByteArray>
#include <QStringList>
#include <QSysInfo>
#include <QtGlobal>

#if defined(Q_OS_UNIX)
#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netdb.h>
#include <netinet/in.h>
#include <pwd.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace zelt::shell {

namespace {

#if defined(Q_OS_UNIX)
QString dotted(const sockaddr* address) {
    char text[INET_ADDRSTRLEN] = {};
    const auto* ipv4 = reinterpret_cast<const sockaddr_in*>(address);
    if (inet_ntop(AF_INET, &ipv4->sin_addr, text, sizeof text) == nullptr)
        return {};
    return QString::fromLatin1(text);
}

bool isLoopback(const sockaddr* address) {
    const auto* ipv4 = reinterpret_cast<const sockaddr_in*>(address);
    return (ntohl(ipv4->sin_addr.s_addr) >> 24) == 127;
}

// The IPv4 addresses the host name resolves to, in the resolver's order,
// without repeats (one per socket type otherwise). Empty when it does not
// resolve.
QStringList resolveHostName() {
    QStringList addresses;
    char name[256] = {};
    if (gethostname(name, sizeof name - 1) != 0)
        return addresses;
    addrinfo hints{};
    hints.ai_family = AF_INET;
    addrinfo* found = nullptr;
    if (getaddrinfo(name, nullptr, &hints, &found) != 0)
        return addresses;
    bool loopbackOnly = true;
    for (const addrinfo* entry = found; entry != nullptr; entry = entry->ai_next) {
        const QString address = dotted(entry->ai_addr);
        if (!address.isEmpty() && !addresses.contains(address))
            addresses.append(address);
        loopbackOnly = loopbackOnly && isLoopback(entry->ai_addr);
    }
    freeaddrinfo(found);
    if (loopbackOnly && !addresses.isEmpty()) {
        ifaddrs* interfaces = nullptr;
        if (getifaddrs(&interfaces) == 0) {
            QStringList external;
            for (const ifaddrs* entry = interfaces; entry != nullptr; entry = entry->ifa_next) {
                if (entry->ifa_addr == nullptr || entry->ifa_addr->sa_family != AF_INET ||
                    (entry->ifa_flags & IFF_UP) == 0 || isLoopback(entry->ifa_addr))
                    continue;
                const QString address = dotted(entry->ifa_addr);
                if (!address.isEmpty() && !external.contains(address))
                    external.append(address);
            }
            freeifaddrs(interfaces);
            if (!external.isEmpty())
                addresses = external;
        }
    }
    return addresses;
}

QString accountName() {
    if (const passwd* account = getpwuid(geteuid()); account != nullptr && account->pw_name != nullptr)
        return QString::fromLocal8Bit(account->pw_name);
    return {};
}
#else
QStringList resolveHostName() {
    return {};
}
QString accountName() {
    return {};
}
#endif

} // namespace

QString GetComputerNameText() {
    return QSysInfo::machineHostName();
}

QString GetLogonName() {
    QString name = accountName().trimmed();
    for (const char* variable : {"USER", "LOGNAME", "USERNAME"}) {
        if (!name.isEmpty())
            break;
        name = qEnvironmentVariable(variable).trimmed();
    }
    if (name.isEmpty())
        return QStringLiteral("UNKNOWN");
    return name.toUpper();
}

QString GetLocalIP() {
    const QStringList addresses = resolveHostName();
    return addresses.isEmpty() ? QString() : addresses.constLast();
}

} // namespace zelt::shell
