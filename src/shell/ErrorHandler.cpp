#include "shell/ErrorHandler.h"

#include "platform/data/DataError.h"
#include "platform/ui/Modal.h"
#include "shell/ErrorTranslation.h"
#include "shell/Fr_ShowError.h"

#include <QRegularExpression>
#include <QThread>

#include <cstdio>
#include <exception>

namespace zelt::shell {

namespace {

struct Services {
    ErrorLogFunction log;
    ErrorMailFunction mail;
    ErrorContext context;
};

Services& services() {
    static Services s;
    return s;
}

void toStderr(const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
}

} // namespace

void setErrorLog(ErrorLogFunction log) {
    services().log = std::move(log);
}

void setErrorMail(ErrorMailFunction mail) {
    services().mail = std::move(mail);
}

void setErrorContext(ErrorContext context) {
    services().context = std::move(context);
}

const ErrorContext& errorContext() {
    return services().context;
}

QString errorMailSubject(const ErrorContext& context) {
    return QStringLiteral("Error ") + context.companyCode.trimmed() + QLatin1Char(' ') +
           context.menuCaption.trimmed();
}

QString errorMailBody(const ErrorContext& context, const QString& dialogText) {
    const QString ip = context.localIp ? context.localIp() : QString();
    QString body = QStringLiteral("[User = ") + context.userCode.trimmed() + QStringLiteral("] \r") +
                   QStringLiteral("Local IP = ") + ip + QLatin1Char('\r') + dialogText;
    // The lines are separated by carriage returns (and the message may bring
    // line feeds of its own); a mail's lines end with CR LF.
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    body.replace(lineBreak, QStringLiteral("\r\n"));
    return body;
}

void sendErrorReport(const QString& dialogText) {
    try {
        const ErrorContext& context = errorContext();
        if (services().mail)
            services().mail(errorMailSubject(context), errorMailBody(context, dialogText));
    } catch (...) {
        // A report that cannot be sent is dropped without a word.
    }
}

void handleException(const QString& message) {
    try {
        if (services().log)
            services().log(message);
    } catch (...) {
        // The log lives in the configuration database, which may be what
        // failed. The user still gets the dialog; stderr keeps the trace.
        toStderr(QStringLiteral("The error log could not be written: ") + currentExceptionMessage());
        toStderr(message);
    }

    // An error raised while the dialog is open (a repaint or a timer behind
    // it) is logged but gets no dialog of its own: a handler that fails on
    // every repaint would otherwise stack dialogs without end.
    static int open = 0;
    if (open > 0) {
        toStderr(message);
        return;
    }
    ++open;
    try {
        TFrShowError dialog;
        dialog.setErrorText(errorDialogText(message));
        ui::execDialog(dialog);
    } catch (...) {
        // Nothing may escape the handler into the message loop.
        toStderr(message);
        toStderr(QStringLiteral("The error dialog failed: ") + currentExceptionMessage());
    }
    --open;
}

QString currentExceptionMessage() {
    try {
        throw;
    } catch (const data::DatabaseError& e) {
        return e.message();
    } catch (const std::exception& e) {
        return QString::fromUtf8(e.what());
    } catch (...) {
        return QStringLiteral("Unknown exception");
    }
}

bool notifyGuarded(QApplication& app, QObject* receiver, QEvent* event) {
    QString message;
    try {
        return app.QApplication::notify(receiver, event);
    } catch (const data::AbortError&) {
        return false; // the user has been told already
    } catch (...) {
        message = currentExceptionMessage();
    }
    // Handled outside the catch block: the exception is gone before the
    // dialog's own event loop runs. Only the user-interface thread may show
    // the dialog and reach the log's connection.
    if (QThread::currentThread() == app.thread())
        handleException(message);
    else
        toStderr(message);
    return false;
}

ZeltApplication::ZeltApplication(int& argc, char** argv)
    : QApplication(argc, argv) {}

bool ZeltApplication::notify(QObject* receiver, QEvent* event) {
    return notifyGuarded(*this, receiver, event);
}

int reportStartupError(const QString& message) {
    toStderr(message);
    ui::MessageRequest request;
    request.kind = ui::MessageKind::Error;
    request.title = QStringLiteral("Application Error");
    request.text = message;
    try {
        ui::showMessage(request);
    } catch (...) {
        // The text is on stderr already.
    }
    return 1;
}

int reportStartupException() {
    return reportStartupError(currentExceptionMessage());
}

} // namespace zelt::shell
