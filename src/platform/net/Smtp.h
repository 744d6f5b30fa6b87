#pragma once

#include <QString>
#include <QStringList>

#include <stdexcept>

namespace zelt::net {

// A mail server and the account the program sends with.
struct SmtpServer {
    QString host;
    int port = 25;
    QString account; // login name; used only when the server offers a login
    QString password;
    int connectTimeoutSeconds = 5;
    int timeoutSeconds = 10; // the whole conversation
};

// One plain-text mail. Pure ASCII texts go out as "us-ascii"; texts with any
// other character (Thai messages) as UTF-8, quoted-printable, with the
// subject as an encoded word, so that the reader sees them as written.
struct SmtpMessage {
    QString sender;
    QStringList recipients;
    QStringList copies;      // Cc
    QStringList blindCopies; // Bcc: receivers only, never in the header
    QString subject;
    QString body;
};

class MailError : public std::runtime_error {
public:
    explicit MailError(const QString& message)
        : std::runtime_error(message.toStdString())
        , message_(message) {}
    const QString& message() const { return message_; }

private:
    QString message_;
};

// The message as it travels: header lines, a blank line, the body; lines
// end in CRLF.
QByteArray composeMail(const SmtpMessage& message);

// Sends the message and waits for the server's answer; a MailError when the
// server cannot be reached or refuses the message.
void sendMail(const SmtpServer& server, const SmtpMessage& message);

} // namespace zelt::net
