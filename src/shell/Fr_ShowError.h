#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTimer;

namespace zelt::shell {

// The red error dialog: the Thai explanation above the technical message,
// "Send Error" mails a report to support, "Don't Send" (the focused button)
// just closes. Left alone it closes by itself after about nine seconds.
class TFrShowError : public QDialog {
    Q_OBJECT

public:
    explicit TFrShowError(QWidget* parent = nullptr);

    // The text shown and mailed; set before the dialog is shown.
    void setErrorText(const QString& text);
    const QString& errorText() const { return ErrorText; }

    bool sent() const { return Sent; }
    int countDown() const { return CountDown; }

    // Where the dialog stands on the screen, from the screen's top left.
    static constexpr int PlaceLeft = 50;
    static constexpr int PlaceTop = 100;
    static constexpr int StartCount = 10;

    void Timer1Timer();
    void BOkClick();
    void BCancelClick();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void FormShow();

    QPlainTextEdit* ErrorBox;
    QPushButton* BOk;
    QPushButton* BCancel;
    QLabel* TimeCount;
    QTimer* Timer1;

    QString ErrorText;
    bool Sent = false;
    int CountDown = StartCount;
};

} // namespace zelt::shell
