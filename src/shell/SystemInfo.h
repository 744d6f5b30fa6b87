#pragma once

#include <QString>

// Who and where the program runs, for the error log and the error mail to
// support.
namespace zelt::shell {

// The name of this computer on the network.
QString GetComputerNameText();

// The log-on name of the user running the program, upper-cased; "UNKNOWN" when
// the system gives none.
QString GetLogonName();

// The dotted IPv4 address of this computer, as the host name resolves: the last
// one when there are several, the empty text when the name does not resolve.
// A name that resolves only to loopback addresses (as Debian's /etc/hosts makes
// it) says nothing to support; the addresses of the network interfaces that
// are up take their place then, when there are any.
QString GetLocalIP();

} // namespace zelt::shell
