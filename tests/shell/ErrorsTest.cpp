#include "platform/data/DataError.h"
#include "platform/ui/Modal.h"
#include "shell/ErrorHandler.h"
#include "shell/ErrorTranslation.h"
#include "shell/Fr_ShowError.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <stdexcept>

using namespace zelt::shell;
using zelt::ui::ScriptedModal;

namespace {

QString u8(const char* text) {
    return QString::fromUtf8(text);
}

const char* const DuplicateText = "ข้อมูลที่เพิ่มซ้ำกับข้อมูลที่มีอยู่แล้ว";

} // namespace

// ------------------------------------------------------------ translation

TEST(ErrorTranslation, FirstMatchingRowWinsWhateverTheCase) {
    const struct {
        const char* message;
        const char* text;
    } cases[] = {
        {"[Microsoft][ODBC SQL Server Driver]Violation of PRIMARY KEY constraint 'PK_PoHd'. "
         "Cannot insert duplicate key in object 'PoHd'.",
         DuplicateText},
        // Two fragments: the earlier row wins, wherever each stands in the message.
        {"Cannot insert duplicate key. Cannot insert the value NULL into column 'Price', table 'PoDt'",
         "กำหนดราคาไม่ครบถ้วน"},
        {"cannot insert the value null into column 'vendor', table 'frpohd'", "ไม่ได้ป้อนข้อมูลเจ้าหนี้"},
        {"CANNOT INSERT THE VALUE NULL INTO COLUMN 'WAREHOUSE'", "ไม่ได้ป้อนข้อมูลคลัง"},
        {"'31/02/2026' is not a valid date", "ป้อนวันที่ไม่ถูกต้อง"},
        // A date error that also names a column: row 1 comes first.
        {"Cannot insert the value NULL into column 'Customer': '1/1/' is not a valid date", "ป้อนวันที่ไม่ถูกต้อง"},
        {"General SQL error. Possible network error: Write to ConnectionWrite (send()).",
         "ระบบเครือข่าย หรือ คอมพิวเตอร์แม่ข่ายมีปัญหา ติดต่อเครื่องแม่ข่ายไม่ได้"},
        {"DELETE statement conflicted with COLUMN REFERENCE constraint 'FK_PoDt_Product'",
         "ข้อมูลที่ลบถูกอ้างโดยข้อมูลอื่น ไม่สามารถลบข้อมูลนี้ได้"},
        {"Insufficient memory for this operation.", "Memory หน่วยความจำของเครื่องไม่เพียงพอ"},
        {"Printer selected is not valid", "ยังไม่ได้กำหนดเครื่องพิมพ์ หรือ เครื่องพิมพ์มีปัญหา"},
        {"SQL Server connection timed out", "เครื่องแม่ข่ายตัดการติดต่อ เพราะเครื่องนี้อาจเรียกข้อมูลปริมาณมากเกินไป"},
        // A column whose name only begins like a listed one is a different column.
        {"Cannot insert the value NULL into column 'PriceType'", ""},
        {"Cannot insert the value NULL into column 'Salesman'", "ไม่ได้ป้อนข้อมูลพนักงานขาย"},
        {"Cannot insert the value NULL into column 'Fraction'", "ไม่ได้ป้อนข้อมูลหน่วย หรือ ข้อมูลหน่วยผิดพลาด"},
        {"Cannot insert the value NULL into column 'Transportation'", "ไม่ได้ป้อนข้อมูลการขนส่ง"},
        {"is not a valid integer value", ""},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(translateError(u8(c.message)), u8(c.text)) << c.message;
}

TEST(ErrorTranslation, EveryRowIsReachableInItsOrder) {
    // Each fragment, written in lower case, finds its own row: no earlier row
    // shadows a later one.
    const auto& rows = errorTranslations();
    ASSERT_EQ(rows.size(), 14);
    EXPECT_EQ(rows.first().fragment, u8("is not a valid date"));
    EXPECT_EQ(rows.last().fragment, u8("Cannot insert duplicate"));
    for (const ErrorTranslation& r : rows)
        EXPECT_EQ(translateError(QStringLiteral("x ") + r.fragment.toLower() + QStringLiteral(" y")), r.text)
            << r.fragment.toStdString();
}

TEST(ErrorTranslation, DialogTextIsThaiThenUpperCasedMessage) {
    const struct {
        const char* message;
        const char* text;
    } cases[] = {
        {"Cannot insert duplicate key in object 'Vendor'.",
         "ข้อมูลที่เพิ่มซ้ำกับข้อมูลที่มีอยู่แล้ว\rCANNOT INSERT DUPLICATE KEY IN OBJECT 'VENDOR'.\r"},
        {"Table 'PoHd' is locked", "\rTABLE 'POHD' IS LOCKED\r"},
        {"ไม่พบ Lot", "\rไม่พบ LOT\r"},
        {"", "\r\r"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(errorDialogText(u8(c.message)), u8(c.text)) << c.message;
}

// ------------------------------------------------------------ the dialog

class ErrorDialog : public ::testing::Test {
protected:
    void SetUp() override {
        setErrorMail(
            [this](const QString& subject, const QString& body) { mails << subject + u8("|") + body; });
        setErrorContext({u8("DEMO"), u8("สั่งซื้อจากต่างประเทศ"), u8("ADMIN"), [] { return u8("10.0.0.7"); }});
        dialog.setErrorText(errorDialogText(u8("Cannot insert duplicate key")));
    }
    void TearDown() override {
        setErrorMail({});
        setErrorContext({});
    }
    template <class T> T* part(const char* name) { return dialog.findChild<T*>(u8(name)); }

    QStringList mails;
    TFrShowError dialog;
};

TEST_F(ErrorDialog, ComponentsCaptionAndFrame) {
    ASSERT_NE(part<QPlainTextEdit>("ErrorBox"), nullptr);
    ASSERT_NE(part<QPushButton>("BOk"), nullptr);
    ASSERT_NE(part<QPushButton>("BCancel"), nullptr);
    ASSERT_NE(part<QLabel>("TimeCount"), nullptr);
    ASSERT_NE(part<QTimer>("Timer1"), nullptr);
    EXPECT_EQ(dialog.windowTitle(), u8("Windows Error Message"));
    EXPECT_EQ(part<QPushButton>("BOk")->text(), u8("Send Error"));
    EXPECT_EQ(part<QPushButton>("BCancel")->text(), u8("Don't Send"));
    EXPECT_TRUE(part<QPlainTextEdit>("ErrorBox")->isReadOnly());
    EXPECT_EQ(part<QTimer>("Timer1")->interval(), 1000);

    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize()) << "fixed size";
    EXPECT_GE(dialog.width(), 344);
    EXPECT_GE(dialog.height(), 101);
    EXPECT_FALSE(dialog.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(dialog.windowFlags() & Qt::WindowSystemMenuHint);
    EXPECT_FALSE(dialog.windowFlags() & Qt::WindowContextHelpButtonHint);

    // The Thai sentence above the upper-cased message, one line each.
    EXPECT_EQ(part<QPlainTextEdit>("ErrorBox")->toPlainText(),
              u8(DuplicateText) + u8("\nCANNOT INSERT DUPLICATE KEY"));
}

TEST_F(ErrorDialog, ShowingPlacesFocusesAndStartsTheCountdown) {
    part<QLabel>("TimeCount")->setText(u8("stale"));
    dialog.show();
    const QPoint origin = QGuiApplication::primaryScreen()->geometry().topLeft();
    EXPECT_EQ(dialog.pos(), origin + QPoint(50, 100));
    EXPECT_EQ(dialog.focusWidget(), part<QPushButton>("BCancel"));
    EXPECT_TRUE(part<QLabel>("TimeCount")->text().isEmpty());
    EXPECT_EQ(dialog.countDown(), 10);
    EXPECT_FALSE(dialog.sent());
    EXPECT_TRUE(part<QTimer>("Timer1")->isActive());
}

TEST_F(ErrorDialog, LeftAloneItClosesAfterNineTicksWithoutSending) {
    dialog.show();
    for (int tick = 1; tick <= 8; ++tick) {
        dialog.Timer1Timer();
        ASSERT_TRUE(dialog.isVisible()) << "closed after tick " << tick;
    }
    dialog.Timer1Timer();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(part<QTimer>("Timer1")->isActive());
    EXPECT_TRUE(mails.isEmpty());
}

TEST_F(ErrorDialog, RunningTimerClosesIt) {
    dialog.show();
    part<QTimer>("Timer1")->setInterval(5);
    QElapsedTimer clock;
    clock.start();
    while (dialog.isVisible() && clock.elapsed() < 5000)
        QTest::qWait(10);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_TRUE(mails.isEmpty());
}

TEST_F(ErrorDialog, ReShowingRestartsTheCountdown) {
    dialog.show();
    for (int tick = 0; tick < 5; ++tick)
        dialog.Timer1Timer();
    dialog.hide();
    dialog.show();
    EXPECT_EQ(dialog.countDown(), 10);
}

TEST_F(ErrorDialog, CountdownStopsWhileTheReportIsSent) {
    // A slow mail server: ticks keep coming while the report is on its way;
    // they must not close the dialog as "Don't Send".
    setErrorMail([this](const QString& subject, const QString&) {
        for (int tick = 0; tick < 20; ++tick)
            dialog.Timer1Timer();
        EXPECT_TRUE(dialog.isVisible());
        mails << subject;
    });
    dialog.show();
    part<QPushButton>("BOk")->click();
    EXPECT_EQ(mails.size(), 1);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(ErrorDialog, EnterRightAfterShowingChoosesDontSend) {
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_TRUE(mails.isEmpty());
}

TEST_F(ErrorDialog, SendErrorMailsTheReportAndCloses) {
    dialog.show();
    part<QPushButton>("BOk")->click();
    ASSERT_EQ(mails.size(), 1);
    EXPECT_EQ(mails[0], u8("Error DEMO สั่งซื้อจากต่างประเทศ|[User = ADMIN] \r\nLocal IP = 10.0.0.7\r\n") +
                            u8(DuplicateText) + u8("\r\nCANNOT INSERT DUPLICATE KEY\r\n"));
    EXPECT_TRUE(dialog.sent());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(ErrorDialog, MailThatFailsClosesSilently) {
    ScriptedModal modal;
    setErrorMail([](const QString&, const QString&) { throw std::runtime_error("Connection refused"); });
    dialog.show();
    part<QPushButton>("BOk")->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(modal.messages().isEmpty());
}

TEST(ErrorMail, SubjectAndBodyUseTrimmedContext) {
    const ErrorContext context{u8("  demo "), u8(" นำเข้าสินค้าจากต่างประเทศ  "), u8(" U01  "), {}};
    EXPECT_EQ(errorMailSubject(context), u8("Error demo นำเข้าสินค้าจากต่างประเทศ"));
    // Without an address lookup the line stays, empty; the message's own line
    // breaks become mail line breaks too.
    EXPECT_EQ(errorMailBody(context, u8("\rLINE 1\nLINE 2\r")),
              u8("[User = U01] \r\nLocal IP = \r\n\r\nLINE 1\r\nLINE 2\r\n"));
}

// ------------------------------------------------------------ the handler

namespace {

// The test program's application object is a plain QApplication; this hook
// makes its event delivery go through the same guard as ZeltApplication's.
bool guardedDelivery(void** data) {
    auto* receiver = static_cast<QObject*>(data[0]);
    auto* event = static_cast<QEvent*>(data[1]);
    *static_cast<bool*>(data[2]) = notifyGuarded(*qApp, receiver, event);
    return true;
}

} // namespace

class ErrorHandling : public ::testing::Test {
protected:
    void SetUp() override {
        QInternal::registerCallback(QInternal::EventNotifyCallback, guardedDelivery);
        setErrorLog([this](const QString& message) {
            steps << u8("log");
            logged << message;
        });
        setErrorMail([this](const QString& subject, const QString& body) {
            steps << u8("mail");
            mailSubjects << subject;
            mailBodies << body;
        });
        setErrorContext(
            {u8("DEMO "), u8(" ต้นทุนการนำเข้า"), u8("SOMCHAI "), [] { return u8("192.168.1.20"); }});
        modal.onDialog = [this](QDialog& d) {
            steps << u8("dialog");
            auto* box = d.findChild<QPlainTextEdit*>(u8("ErrorBox"));
            shown << (box ? box->toPlainText() : QString());
            auto* button = d.findChild<QPushButton*>(send ? u8("BOk") : u8("BCancel"));
            if (button)
                button->click();
            return d.result();
        };
    }
    void TearDown() override {
        QInternal::unregisterCallback(QInternal::EventNotifyCallback, guardedDelivery);
        setErrorLog({});
        setErrorMail({});
        setErrorContext({});
    }

    // Runs the message loop until the queued work is done; the failing action
    // runs first, then one that proves the loop went on.
    void runInLoop(std::function<void()> action) {
        QEventLoop loop;
        QTimer::singleShot(0, std::move(action));
        QTimer::singleShot(0, [this] { carriedOn = true; });
        QTimer::singleShot(0, &loop, &QEventLoop::quit);
        QTimer::singleShot(5000, &loop, &QEventLoop::quit);
        loop.exec();
    }

    ScriptedModal modal;
    bool send = true;
    bool carriedOn = false;
    QStringList steps, logged, shown, mailSubjects, mailBodies;
};

TEST_F(ErrorHandling, ErrorInTheLoopIsLoggedShownAndMailed) {
    const QString server =
        u8("Violation of UNIQUE KEY constraint 'IX_Vendor'. Cannot insert duplicate key in "
           "object 'Vendor'.");
    runInLoop([server] { throw zelt::data::DatabaseError(server, u8("insert into Vendor ...")); });

    EXPECT_EQ(steps, (QStringList{u8("log"), u8("dialog"), u8("mail")}));
    EXPECT_EQ(logged, QStringList{server}) << "the log keeps the message as raised";
    EXPECT_EQ(shown, QStringList{u8(DuplicateText) + u8("\n") + server.toUpper()});
    EXPECT_EQ(mailSubjects, QStringList{u8("Error DEMO ต้นทุนการนำเข้า")});
    EXPECT_EQ(mailBodies, QStringList{u8("[User = SOMCHAI] \r\nLocal IP = 192.168.1.20\r\n") +
                                      u8(DuplicateText) + u8("\r\n") + server.toUpper() + u8("\r\n")});
    EXPECT_TRUE(carriedOn) << "the loop goes on after the dialog";
}

TEST_F(ErrorHandling, EveryKindOfExceptionReachesTheHandler) {
    send = false;
    const struct {
        std::function<void()> raise;
        const char* logged;
        const char* shown;
    } cases[] = {
        {[] { throw std::runtime_error("'31/02/2026' is not a valid date"); },
         "'31/02/2026' is not a valid date", "ป้อนวันที่ไม่ถูกต้อง\n'31/02/2026' IS NOT A VALID DATE"},
        {[] { throw std::invalid_argument("'12ก' is not a valid integer value"); },
         "'12ก' is not a valid integer value", "\n'12ก' IS NOT A VALID INTEGER VALUE"},
        {[] { throw 42; }, "Unknown exception", "\nUNKNOWN EXCEPTION"},
    };
    for (const auto& c : cases) {
        steps.clear();
        logged.clear();
        shown.clear();
        carriedOn = false;
        runInLoop(c.raise);
        EXPECT_EQ(logged, QStringList{u8(c.logged)});
        EXPECT_EQ(shown, QStringList{u8(c.shown)});
        EXPECT_EQ(steps, (QStringList{u8("log"), u8("dialog")})) << "Don't Send mails nothing";
        EXPECT_TRUE(carriedOn);
    }
}

TEST_F(ErrorHandling, ErrorFromAPostedEventIsCaught) {
    struct Failing : QObject {
        bool event(QEvent* e) override {
            if (e->type() == QEvent::User)
                throw zelt::data::DatabaseError(u8("Possible network error"));
            return QObject::event(e);
        }
    } receiver;
    runInLoop([&receiver] { QCoreApplication::postEvent(&receiver, new QEvent(QEvent::User)); });
    QCoreApplication::processEvents();
    EXPECT_EQ(logged, QStringList{u8("Possible network error")});
    EXPECT_EQ(modal.dialogsShown(), 1);
}

TEST_F(ErrorHandling, LogThatFailsStillShowsTheDialog) {
    setErrorLog([this](const QString&) {
        steps << u8("log");
        throw zelt::data::DatabaseError(u8("Possible network error: cannot reach ZELT_CONFIG"));
    });
    testing::internal::CaptureStderr();
    runInLoop([] { throw zelt::data::DatabaseError(u8("SQL Server connection timed out")); });
    const std::string err = testing::internal::GetCapturedStderr();

    EXPECT_EQ(steps, (QStringList{u8("log"), u8("dialog"), u8("mail")}));
    EXPECT_EQ(shown, QStringList{u8("เครื่องแม่ข่ายตัดการติดต่อ เพราะเครื่องนี้อาจเรียกข้อมูลปริมาณมากเกินไป\n"
                                    "SQL SERVER CONNECTION TIMED OUT")})
        << "the dialog shows the error, not the log's failure";
    EXPECT_NE(err.find("SQL Server connection timed out"), std::string::npos);
    EXPECT_TRUE(carriedOn);
}

TEST_F(ErrorHandling, EachErrorGetsItsOwnFreshDialog) {
    QList<QDialog*> dialogs;
    modal.onDialog = [&dialogs](QDialog& d) {
        dialogs << &d;
        auto* dialog = static_cast<TFrShowError*>(&d);
        EXPECT_FALSE(dialog->sent());
        d.findChild<QPushButton*>(u8("BOk"))->click();
        return d.result();
    };
    runInLoop([] {
        QTimer::singleShot(0, [] { throw std::runtime_error("second"); });
        throw std::runtime_error("first");
    });
    QCoreApplication::processEvents();
    EXPECT_EQ(modal.dialogsShown(), 2);
    EXPECT_EQ(mailBodies.size(), 2);
}

TEST_F(ErrorHandling, ErrorWhileTheDialogIsOpenIsLoggedWithoutASecondDialog) {
    // For instance a form behind the dialog whose repaint fails every time.
    struct Failing : QObject {
        bool event(QEvent* e) override {
            if (e->type() == QEvent::User)
                throw std::runtime_error("behind the dialog");
            return QObject::event(e);
        }
    } behind;
    modal.onDialog = [this, &behind](QDialog& d) {
        steps << u8("dialog");
        QEvent e(QEvent::User);
        QCoreApplication::sendEvent(&behind, &e);
        d.findChild<QPushButton*>(u8("BCancel"))->click();
        return d.result();
    };
    testing::internal::CaptureStderr();
    runInLoop([] { throw std::runtime_error("first"); });
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(logged, (QStringList{u8("first"), u8("behind the dialog")}));
    EXPECT_EQ(modal.dialogsShown(), 1);
    EXPECT_NE(err.find("behind the dialog"), std::string::npos);
    EXPECT_TRUE(carriedOn);
}

// ------------------------------------------------------------ start-up

TEST(StartupError, ShownAsErrorBoxAndOnStderr) {
    ScriptedModal modal;
    testing::internal::CaptureStderr();
    int status = 0;
    try {
        throw std::runtime_error("'abc' is not a valid integer value");
    } catch (...) {
        status = reportStartupException();
    }
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(status, 0);
    ASSERT_EQ(modal.messages().size(), 1);
    EXPECT_EQ(modal.messages()[0].kind, zelt::ui::MessageKind::Error);
    EXPECT_EQ(modal.lastText(), u8("'abc' is not a valid integer value"));
    EXPECT_NE(err.find("'abc' is not a valid integer value"), std::string::npos);
}
