#include "platform/ui/Modal.h"

#include <QCoreApplication>
#include <QDialog>
#include <QInputDialog>
#include <QPalette>

namespace zelt::ui {

namespace {

class RealModal final : public ModalHandler {
public:
    QMessageBox::StandardButton message(const MessageRequest& r) override {
        QMessageBox box(r.parent);
        switch (r.kind) {
        case MessageKind::Information:
            box.setIcon(QMessageBox::Information);
            break;
        case MessageKind::Warning:
            box.setIcon(QMessageBox::Warning);
            break;
        case MessageKind::Error:
            box.setIcon(QMessageBox::Critical);
            break;
        case MessageKind::Question:
            box.setIcon(QMessageBox::Question);
            break;
        }
        box.setWindowTitle(r.title.isEmpty() ? QCoreApplication::applicationName() : r.title);
        box.setText(r.text);
        box.setStandardButtons(r.buttons);
        if (r.defaultButton != QMessageBox::NoButton)
            box.setDefaultButton(r.defaultButton);
        if (r.background.isValid() || r.foreground.isValid()) {
            QPalette pal = box.palette();
            if (r.background.isValid())
                pal.setColor(QPalette::Window, r.background);
            if (r.foreground.isValid())
                pal.setColor(QPalette::WindowText, r.foreground);
            box.setAutoFillBackground(true);
            box.setPalette(pal);
        }
        const int result = box.exec();
        // Escape or closing the box counts as the escape button (No or Cancel).
        return QMessageBox::StandardButton(result);
    }
    std::optional<QString> input(const InputRequest& r) override {
        bool ok = false;
        const QString text =
            QInputDialog::getText(r.parent, r.title, r.prompt, QLineEdit::Normal, r.value, &ok);
        if (!ok)
            return std::nullopt;
        return text;
    }
    int exec(QDialog& dialog) override { return dialog.exec(); }
};

RealModal& realModal() {
    static RealModal m;
    return m;
}

ModalHandler* current = nullptr;
std::function<void(const MessageRequest&)> observer;

} // namespace

ModalHandler& modal() {
    return current ? *current : realModal();
}
void setModalHandler(ModalHandler* handler) {
    current = handler;
}
void setMessageObserver(std::function<void(const MessageRequest&)> o) {
    observer = std::move(o);
}

QMessageBox::StandardButton showMessage(const MessageRequest& request) {
    if (observer)
        observer(request);
    return modal().message(request);
}

void showMessage(const QString& text, QWidget* parent) {
    MessageRequest r;
    r.text = text;
    r.parent = parent;
    showMessage(r);
}

void showError(const QString& text, QWidget* parent) {
    MessageRequest r;
    r.kind = MessageKind::Error;
    r.text = text;
    r.parent = parent;
    showMessage(r);
}

bool askYesNo(const QString& text, const QColor& background, const QColor& foreground, QWidget* parent) {
    MessageRequest r;
    r.kind = MessageKind::Question;
    r.text = text;
    r.buttons = QMessageBox::Yes | QMessageBox::No;
    r.background = background;
    r.foreground = foreground;
    r.parent = parent;
    return showMessage(r) == QMessageBox::Yes;
}

std::optional<QString> inputBox(const QString& title, const QString& prompt, const QString& value,
                                QWidget* parent) {
    return modal().input({title, prompt, value, parent});
}

int execDialog(QDialog& dialog) {
    return modal().exec(dialog);
}

// ------------------------------------------------------------- ScriptedModal

ScriptedModal::ScriptedModal() {
    setModalHandler(this);
}

ScriptedModal::~ScriptedModal() {
    if (&modal() == this)
        setModalHandler(nullptr);
}

QStringList ScriptedModal::texts() const {
    QStringList out;
    for (const MessageRequest& m : messages_)
        out << m.text;
    return out;
}

void ScriptedModal::clear() {
    answers_.clear();
    inputs_.clear();
    messages_.clear();
    inputRequests_.clear();
    dialogs_ = 0;
}

QMessageBox::StandardButton ScriptedModal::message(const MessageRequest& request) {
    messages_.push_back(request);
    if (!answers_.isEmpty())
        return answers_.takeFirst();
    if (request.buttons & QMessageBox::Yes)
        return QMessageBox::Yes;
    return QMessageBox::Ok;
}

std::optional<QString> ScriptedModal::input(const InputRequest& request) {
    inputRequests_.push_back(request);
    if (!inputs_.isEmpty())
        return inputs_.takeFirst();
    return request.value;
}

int ScriptedModal::exec(QDialog& dialog) {
    ++dialogs_;
    if (onDialog)
        return onDialog(dialog);
    return QDialog::Rejected;
}

} // namespace zelt::ui
