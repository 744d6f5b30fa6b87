#pragma once

#include <QColor>
#include <QMessageBox>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QDialog;
class QWidget;

namespace zelt::ui {

// Every modal interaction of the program passes through here: message boxes,
// confirmations, input boxes and the exec of modal dialogs. The program runs
// with the real handler; tests install a scripted one that answers and
// records what was shown, so no test ever blocks on a modal loop.

enum class MessageKind { Information, Warning, Error, Question };

struct MessageRequest {
    MessageKind kind = MessageKind::Information;
    QString title;
    QString text;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    QColor background; // invalid: the style's colours
    QColor foreground;
    QWidget* parent = nullptr;
};

struct InputRequest {
    QString title;
    QString prompt;
    QString value;
    QWidget* parent = nullptr;
};

class ModalHandler {
public:
    virtual ~ModalHandler() = default;
    virtual QMessageBox::StandardButton message(const MessageRequest& request) = 0;
    // The text entered, or nothing when the user cancelled.
    virtual std::optional<QString> input(const InputRequest& request) = 0;
    virtual int exec(QDialog& dialog) = 0;
};

// The handler in force; the real one unless a test installed another.
ModalHandler& modal();
// Installs a handler (null: the real one again). The caller keeps ownership.
void setModalHandler(ModalHandler* handler);

// Shortcuts used by the program.
QMessageBox::StandardButton showMessage(const MessageRequest& request);
void showMessage(const QString& text, QWidget* parent = nullptr); // information, OK
void showError(const QString& text, QWidget* parent = nullptr);   // error, OK
bool askYesNo(const QString& text, const QColor& background = {}, const QColor& foreground = {},
              QWidget* parent = nullptr);
std::optional<QString> inputBox(const QString& title, const QString& prompt, const QString& value = {},
                                QWidget* parent = nullptr);
int execDialog(QDialog& dialog);

// Every message shown is also handed to this observer when set (the shell
// echoes messages to stderr until its main form exists).
void setMessageObserver(std::function<void(const MessageRequest&)> observer);

// A handler for tests: answers from a queue (Yes/OK when the queue is empty),
// runs dialogs through a callback, and keeps every request shown.
class ScriptedModal : public ModalHandler {
public:
    ScriptedModal();
    ~ScriptedModal() override;

    void answer(QMessageBox::StandardButton button) { answers_.push_back(button); }
    void answerInput(std::optional<QString> value) { inputs_.push_back(std::move(value)); }
    // Called with each dialog given to exec; its result is exec's result.
    std::function<int(QDialog&)> onDialog;

    const QList<MessageRequest>& messages() const { return messages_; }
    QStringList texts() const;
    QString lastText() const { return messages_.isEmpty() ? QString() : messages_.last().text; }
    const QList<InputRequest>& inputs() const { return inputRequests_; }
    int dialogsShown() const { return dialogs_; }
    void clear();

    QMessageBox::StandardButton message(const MessageRequest& request) override;
    std::optional<QString> input(const InputRequest& request) override;
    int exec(QDialog& dialog) override;

private:
    QList<QMessageBox::StandardButton> answers_;
    QList<std::optional<QString>> inputs_;
    QList<MessageRequest> messages_;
    QList<InputRequest> inputRequests_;
    int dialogs_ = 0;
};

} // namespace zelt::ui
