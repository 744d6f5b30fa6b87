#pragma once

#include <QApplication>
#include <QString>

#include <functional>

class QEvent;
class QObject;

namespace zelt::shell {

// Every error that no form catches ends here: it is written to the error log,
// explained in Thai in the red error dialog, and may be mailed to support.
// The program then goes on with its message loop.

// The run context that an error report carries. Start-up fills it once the
// company and the user's rights are known.
struct ErrorContext {
    QString companyCode;
    QString menuCaption;
    QString userCode;
    // The address of this workstation; asked only when a report is sent.
    std::function<QString()> localIp;
};

using ErrorLogFunction = std::function<void(const QString& message)>;
using ErrorMailFunction = std::function<void(const QString& subject, const QString& body)>;

// Writes one row of the error log (the configuration module's LogError).
void setErrorLog(ErrorLogFunction log);
// Sends an error report (the configuration module's SendErrorMail).
void setErrorMail(ErrorMailFunction mail);
void setErrorContext(ErrorContext context);
const ErrorContext& errorContext();

// "Error <company> <menu caption>", both trimmed.
QString errorMailSubject(const ErrorContext& context);
// "[User = <user>] ", the workstation's address and the dialog text, one line
// each; lines end with CR LF as a mail body's lines do.
QString errorMailBody(const ErrorContext& context, const QString& dialogText);
// Sends the report for a dialog text through the mail function; a mail that
// cannot be sent is ignored.
void sendErrorReport(const QString& dialogText);

// Logs the message, translates it and shows the error dialog; returns when
// the dialog has closed. Never raises: a log that cannot be written does not
// keep the dialog from the user. An error raised while the dialog is open is
// logged and written to stderr, without a second dialog.
void handleException(const QString& message);

// The message of the exception being handled; call inside a catch block.
QString currentExceptionMessage();

// Delivers an event through QApplication's own delivery and hands every
// exception that escapes the receiver to handleException. Returns false for
// an event whose handler failed.
bool notifyGuarded(QApplication& app, QObject* receiver, QEvent* event);

// The application object of the program: every event passes notify(), so
// no exception escapes an event handler into the message loop.
class ZeltApplication : public QApplication {
public:
    ZeltApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// Errors raised during start-up, before the message loop, end the program
// with the run-time's message: an error box and the same text on stderr.
// Returns the exit status the program ends with.
int reportStartupError(const QString& message);
// The same for the exception being handled; call inside a catch block.
int reportStartupException();

} // namespace zelt::shell
