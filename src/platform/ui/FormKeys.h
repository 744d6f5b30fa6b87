#pragma once

#include <QObject>
#include <QPointer>

#include <functional>

class QWidget;

namespace zelt::ui {

// The keyboard conventions of a form, seen before any control of the form
// gets the key (the original's key preview):
// - Enter moves the focus to the next control in tab order, wrapping from
//   the last to the first, and no control receives it;
// - Escape calls onEscape (the base forms ask their exit question there).
// Controls that need these keys themselves are left alone: grids and other
// item views with their editors, multi-line text boxes, open pop-ups, and any
// widget marked with keepOwnKeys. Preview can be switched off while the
// focus is somewhere the form wants to leave alone.
class FormKeys : public QObject {
    Q_OBJECT
public:
    explicit FormKeys(QWidget* form);
    ~FormKeys() override;

    void setPreview(bool on) { preview_ = on; }
    bool preview() const { return preview_; }
    std::function<void()> onEscape;

    // The widget and its children handle Enter and Escape themselves.
    static void keepOwnKeys(QWidget* widget, bool on = true);
    // Moves the focus of form to the next (or previous) control that takes
    // the focus by Tab, wrapping around; false when there is none.
    static bool focusNext(QWidget* form, bool forward = true);

signals:
    void escapePressed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool leftAlone(QWidget* focus) const;

    QPointer<QWidget> form_;
    bool preview_ = true;
};

} // namespace zelt::ui
