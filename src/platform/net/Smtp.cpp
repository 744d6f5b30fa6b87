#include "platform/net/Smtp.h"

#include <QByteArray>
#include <QDateTime>
#include <QUuid>

#include <curl/curl.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <mutex>

namespace zelt::net {

namespace {

constexpr qsizetype kMaxLine = 998; // the longest line a mail may carry
constexpr qsizetype kQpLine = 76;   // quoted-printable lines, soft break included

bool isAscii(const QString& text) {
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x80; });
}

// CRLF line ends whatever the text used.
QString crlfLines(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

bool hasLongLine(const QByteArray& text) {
    qsizetype start = 0;
    while (start <= text.size()) {
        qsizetype end = text.indexOf("\r\n", start);
        if (end < 0)
            end = text.size();
        if (end - start > kMaxLine)
            return true;
        start = end + 2;
    }
    return false;
}

QByteArray quotedPrintable(const QByteArray& text) {
    static const char hex[] = "0123456789ABCDEF";
    QByteArray out;
    qsizetype lineLength = 0;
    auto put = [&](const QByteArray& piece) {
        if (lineLength + piece.size() > kQpLine - 1) {
            out += "=\r\n";
            lineLength = 0;
        }
        out += piece;
        lineLength += piece.size();
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            out += "\r\n";
            lineLength = 0;
            ++i;
            continue;
        }
        const bool atLineEnd = i + 1 == text.size() || text[i + 1] == '\r';
        const bool plain = (c >= 33 && c <= 126 && c != '=') || ((c == ' ' || c == '\t') && !atLineEnd);
        if (plain) {
            put(QByteArray(1, char(c)));
        } else {
            const char code[3] = {'=', hex[c >> 4], hex[c & 15]};
            put(QByteArray(code, 3));
        }
    }
    return out;
}

// A header value: plain when ASCII, otherwise encoded words of at most 75
// characters each, folded onto continuation lines.
QByteArray headerText(QString text) {
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    if (isAscii(text))
        return text.toLatin1();
    QByteArray out;
    QByteArray chunk;
    auto flush = [&] {
        if (chunk.isEmpty())
            return;
        if (!out.isEmpty())
            out += "\r\n ";
        out += "=?UTF-8?B?" + chunk.toBase64() + "?=";
        chunk.clear();
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        // Keep a surrogate pair together: an encoded word holds whole characters.
        const qsizetype n = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QByteArray bytes = text.mid(i, n).toUtf8();
        if (chunk.size() + bytes.size() > 45) // 60 characters of base64
            flush();
        chunk += bytes;
        i += n - 1;
    }
    flush();
    return out;
}

QByteArray addressList(const QStringList& addresses) {
    QStringList parts;
    for (const QString& a : addresses)
        parts << QLatin1Char('<') + a.trimmed() + QLatin1Char('>');
    return headerText(parts.join(QStringLiteral(", ")));
}

void initCurl() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

struct Upload {
    QByteArray data;
    qsizetype offset = 0;
};

size_t readPayload(char* buffer, size_t size, size_t count, void* user) {
    auto* up = static_cast<Upload*>(user);
    const size_t room = size * count;
    const size_t left = size_t(up->data.size() - up->offset);
    const size_t n = std::min(room, left);
    std::memcpy(buffer, up->data.constData() + up->offset, n);
    up->offset += qsizetype(n);
    return n;
}

struct CurlDeleter {
    void operator()(CURL* c) const { curl_easy_cleanup(c); }
};
struct ListDeleter {
    void operator()(curl_slist* l) const { curl_slist_free_all(l); }
};

} // namespace

QByteArray composeMail(const SmtpMessage& m) {
    const QString bodyText = crlfLines(m.body);
    QByteArray body = bodyText.toUtf8();
    const bool ascii = isAscii(bodyText);
    const bool quoted = !ascii || hasLongLine(body);
    if (quoted)
        body = quotedPrintable(body);

    QByteArray mail;
    mail += "Date: " + QDateTime::currentDateTime().toString(Qt::RFC2822Date).toLatin1() + "\r\n";
    mail += "From: " + addressList({m.sender}) + "\r\n";
    mail += "To: " + addressList(m.recipients) + "\r\n";
    if (!m.copies.isEmpty())
        mail += "Cc: " + addressList(m.copies) + "\r\n";
    mail += "Subject: " + headerText(m.subject) + "\r\n";
    mail +=
        "Message-ID: <" + QUuid::createUuid().toString(QUuid::WithoutBraces).toLatin1() + "@zelt-import>\r\n";
    mail += "MIME-Version: 1.0\r\n";
    mail += ascii ? "Content-Type: text/plain; charset=\"us-ascii\"\r\n"
                  : "Content-Type: text/plain; charset=\"utf-8\"\r\n";
    mail +=
        quoted ? "Content-Transfer-Encoding: quoted-printable\r\n" : "Content-Transfer-Encoding: 7bit\r\n";
    mail += "\r\n";
    mail += body;
    if (!mail.endsWith("\r\n"))
        mail += "\r\n";
    return mail;
}

void sendMail(const SmtpServer& server, const SmtpMessage& message) {
    if (server.host.trimmed().isEmpty())
        throw MailError(QStringLiteral("No mail host"));
    QStringList receivers = message.recipients + message.copies + message.blindCopies;
    receivers.removeAll(QString());
    if (receivers.isEmpty())
        throw MailError(QStringLiteral("The mail has no recipient"));

    initCurl();
    std::unique_ptr<CURL, CurlDeleter> curl(curl_easy_init());
    if (!curl)
        throw MailError(QStringLiteral("The mail library could not start"));

    QString host = server.host.trimmed();
    if (host.contains(QLatin1Char(':')) && !host.startsWith(QLatin1Char('[')))
        host = QLatin1Char('[') + host + QLatin1Char(']'); // an IPv6 address
    const QByteArray url = QStringLiteral("smtp://%1:%2").arg(host).arg(server.port).toUtf8();
    const QByteArray from = (QLatin1Char('<') + message.sender.trimmed() + QLatin1Char('>')).toUtf8();
    const QByteArray account = server.account.toUtf8();
    const QByteArray password = server.password.toUtf8();

    std::unique_ptr<curl_slist, ListDeleter> rcpt;
    for (const QString& r : receivers) {
        const QByteArray address = (QLatin1Char('<') + r.trimmed() + QLatin1Char('>')).toUtf8();
        curl_slist* grown = curl_slist_append(rcpt.get(), address.constData());
        if (!grown)
            throw MailError(QStringLiteral("Out of memory"));
        rcpt.release();
        rcpt.reset(grown);
    }

    Upload upload{composeMail(message), 0};
    char error[CURL_ERROR_SIZE] = {};
    CURL* c = curl.get();
    curl_easy_setopt(c, CURLOPT_URL, url.constData());
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT, long(server.connectTimeoutSeconds));
    curl_easy_setopt(c, CURLOPT_TIMEOUT, long(server.timeoutSeconds));
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, error);
    if (!account.isEmpty()) {
        // libcurl logs in only when the server offers it.
        curl_easy_setopt(c, CURLOPT_USERNAME, account.constData());
        curl_easy_setopt(c, CURLOPT_PASSWORD, password.constData());
    }
    curl_easy_setopt(c, CURLOPT_MAIL_FROM, from.constData());
    curl_easy_setopt(c, CURLOPT_MAIL_RCPT, rcpt.get());
    curl_easy_setopt(c, CURLOPT_READFUNCTION, readPayload);
    curl_easy_setopt(c, CURLOPT_READDATA, &upload);
    curl_easy_setopt(c, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(c, CURLOPT_INFILESIZE_LARGE, curl_off_t(upload.data.size()));

    const CURLcode result = curl_easy_perform(c);
    if (result != CURLE_OK) {
        const QString detail =
            error[0] ? QString::fromLocal8Bit(error) : QString::fromLatin1(curl_easy_strerror(result));
        throw MailError(QStringLiteral("Mail to %1 not sent: %2").arg(server.host, detail));
    }
}

} // namespace zelt::net
