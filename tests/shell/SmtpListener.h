#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>

#include <functional>

namespace zelt::test {

// A mail server on loopback that speaks just enough SMTP to take a mail and
// keeps what it was told. It answers from the thread it lives in: the sender
// must run in another thread while this one processes events.
class SmtpListener {
public:
    struct Mail {
        QByteArray from;      // MAIL FROM argument
        QList<QByteArray> to; // RCPT TO arguments
        QByteArray data;      // the message, dot-stuffing undone, lines ending CRLF
    };

    // refuseRecipients: every RCPT is answered 550.
    explicit SmtpListener(bool refuseRecipients = false)
        : refuse_(refuseRecipients) {
        server_.listen(QHostAddress::LocalHost);
        QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] {
            while (QTcpSocket* socket = server_.nextPendingConnection())
                serve(socket);
        });
    }

    quint16 port() const { return server_.serverPort(); }
    const QList<Mail>& mails() const { return mails_; }
    const QList<QByteArray>& commands() const { return commands_; }

private:
    void serve(QTcpSocket* socket) {
        auto* state = new Session;
        QObject::connect(socket, &QTcpSocket::disconnected, socket, [socket, state] {
            delete state;
            socket->deleteLater();
        });
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, state] {
            state->buffer += socket->readAll();
            qsizetype end;
            while ((end = state->buffer.indexOf("\r\n")) >= 0) {
                const QByteArray line = state->buffer.left(end);
                state->buffer.remove(0, end + 2);
                handle(socket, *state, line);
            }
        });
        socket->write("220 loopback ESMTP\r\n");
    }

    struct Session {
        QByteArray buffer;
        bool inData = false;
        Mail mail;
    };

    void handle(QTcpSocket* socket, Session& s, const QByteArray& line) {
        if (s.inData) {
            if (line == ".") {
                s.inData = false;
                mails_ << s.mail;
                s.mail = Mail();
                socket->write("250 queued\r\n");
            } else {
                s.mail.data += (line.startsWith("..") ? line.mid(1) : line) + "\r\n";
            }
            return;
        }
        commands_ << line;
        const QByteArray verb = line.left(4).toUpper();
        if (verb == "EHLO" || verb == "HELO") {
            socket->write("250 loopback\r\n");
        } else if (verb == "MAIL") {
            s.mail.from = line.mid(line.indexOf(':') + 1).trimmed();
            socket->write("250 ok\r\n");
        } else if (verb == "RCPT") {
            if (refuse_) {
                socket->write("550 no such mailbox\r\n");
                return;
            }
            s.mail.to << line.mid(line.indexOf(':') + 1).trimmed();
            socket->write("250 ok\r\n");
        } else if (verb == "DATA") {
            s.inData = true;
            socket->write("354 go ahead\r\n");
        } else if (verb == "QUIT") {
            socket->write("221 bye\r\n");
            socket->disconnectFromHost();
        } else if (verb == "RSET" || verb == "NOOP") {
            socket->write("250 ok\r\n");
        } else {
            socket->write("502 not implemented\r\n");
        }
    }

    QTcpServer server_;
    bool refuse_;
    QList<Mail> mails_;
    QList<QByteArray> commands_;
};

} // namespace zelt::test
