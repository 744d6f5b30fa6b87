#include "shell/Fr_ShowError.h"

#include "shell/ErrorHandler.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>

namespace zelt::shell {

namespace {

// The dialog text separates its lines with carriage returns; the box shows
// them as lines, the last line break ending the last line.
QString asLines(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text;
}

QPushButton* makeButton(const QString& name, const QString& caption, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setCursor(Qt::PointingHandCursor);
    QFont f = b->font();
    f.setBold(true);
    b->setFont(f);
    b->setAutoDefault(true);
    return b;
}

} // namespace

TFrShowError::TFrShowError(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("FrShowError"));
    setWindowTitle(QStringLiteral("Windows Error Message"));

    QPalette red = palette();
    red.setColor(QPalette::Window, Qt::red);
    red.setColor(QPalette::WindowText, Qt::white);
    setPalette(red);
    setAutoFillBackground(true);

    ErrorBox = new QPlainTextEdit(this);
    ErrorBox->setObjectName(QStringLiteral("ErrorBox"));
    ErrorBox->setReadOnly(true);
    ErrorBox->setFixedHeight(65);
    ErrorBox->setFrameShape(QFrame::NoFrame);
    QPalette box = ErrorBox->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        box.setColor(group, QPalette::Base, Qt::red);
        box.setColor(group, QPalette::Text, Qt::white);
    }
    ErrorBox->setPalette(box);

    TimeCount = new QLabel(this);
    TimeCount->setObjectName(QStringLiteral("TimeCount"));
    BOk = makeButton(QStringLiteral("BOk"), QStringLiteral("Send Error"), this);
    BCancel = makeButton(QStringLiteral("BCancel"), QStringLiteral("Don't Send"), this);

    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(6, 0, 6, 6);
    buttons->addWidget(TimeCount, 1);
    buttons->addWidget(BOk);
    buttons->addWidget(BCancel);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(5);
    layout->addWidget(ErrorBox);
    layout->addLayout(buttons);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);

    connect(Timer1, &QTimer::timeout, this, &TFrShowError::Timer1Timer);
    connect(BOk, &QPushButton::clicked, this, &TFrShowError::BOkClick);
    connect(BCancel, &QPushButton::clicked, this, &TFrShowError::BCancelClick);

    // A fixed size: the original's client area, or more when the style needs
    // it for the captions.
    setFixedSize(QSize(344, 101).expandedTo(layout->totalSizeHint()));
}

void TFrShowError::setErrorText(const QString& text) {
    ErrorText = text;
    ErrorBox->setPlainText(asLines(ErrorText));
}

void TFrShowError::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TFrShowError::hideEvent(QHideEvent* event) {
    Timer1->stop();
    QDialog::hideEvent(event);
}

void TFrShowError::FormShow() {
    if (const QScreen* s = QGuiApplication::primaryScreen())
        move(s->geometry().topLeft() + QPoint(PlaceLeft, PlaceTop));
    ErrorBox->setPlainText(asLines(ErrorText));
    BCancel->setFocus(Qt::OtherFocusReason);
    Sent = false;
    CountDown = StartCount;
    TimeCount->clear();
    Timer1->start();
}

void TFrShowError::Timer1Timer() {
    if (Sent)
        return;
    --CountDown;
    if (CountDown <= 1)
        BCancelClick();
}

void TFrShowError::BOkClick() {
    Sent = true;
    sendErrorReport(ErrorText);
    accept();
}

void TFrShowError::BCancelClick() {
    reject();
}

} // namespace zelt::shell
