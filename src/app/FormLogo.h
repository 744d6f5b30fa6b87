#pragma once

#include <QPixmap>
#include <QWidget>

namespace zelt::app {

// The window shown while the program starts: a borderless blue window with
// the program's picture, centred on the desktop. It never becomes the main
// form; the company data module frees it after its first connect.
class TFormLogo : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 301;
    static constexpr int kHeight = 166;

    explicit TFormLogo(QWidget* parent = nullptr);

    // The picture, drawn at its own size; stretched to the client area when
    // shown.
    static QPixmap picture();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
};

// The splash window of the run while it is on screen, else null.
extern TFormLogo* FormLogo;

// Frees the splash window; nothing when it is gone already.
void freeFormLogo();

} // namespace zelt::app
