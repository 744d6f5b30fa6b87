#include "app/FormLogo.h"

#include <QFont>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

namespace zelt::app {

TFormLogo* FormLogo = nullptr;

void freeFormLogo() {
    delete FormLogo;
    FormLogo = nullptr;
}

TFormLogo::TFormLogo(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
    , picture_(picture()) {
    setObjectName(QStringLiteral("FormLogo"));
    // Not a form the user works in: closing it never ends the program.
    setAttribute(Qt::WA_QuitOnClose, false);
    setFixedSize(kWidth, kHeight);
    setCursor(Qt::PointingHandCursor);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0, 0, 255));
    setPalette(pal);
    setAutoFillBackground(true);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

QPixmap TFormLogo::picture() {
    QPixmap pix(kWidth, kHeight);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    QLinearGradient sky(0, 0, 0, kHeight);
    sky.setColorAt(0.0, QColor(30, 90, 230));
    sky.setColorAt(1.0, QColor(0, 20, 140));
    p.fillRect(pix.rect(), sky);

    // A sea with two waves and a ship's container stack: goods coming in.
    QPainterPath sea;
    sea.moveTo(0, 122);
    sea.cubicTo(60, 110, 110, 134, 170, 122);
    sea.cubicTo(220, 112, 260, 130, kWidth, 120);
    sea.lineTo(kWidth, kHeight);
    sea.lineTo(0, kHeight);
    sea.closeSubpath();
    p.fillPath(sea, QColor(0, 10, 90, 200));

    const QColor boxes[] = {QColor(255, 196, 0), QColor(255, 120, 40), QColor(90, 200, 250)};
    for (int i = 0; i < 3; ++i)
        p.fillRect(QRect(222 + i * 22, 88, 20, 14), boxes[i]);
    p.fillRect(QRect(233, 74, 20, 14), boxes[2]);
    p.fillRect(QRect(255, 74, 20, 14), boxes[0]);
    QPainterPath hull;
    hull.moveTo(212, 102);
    hull.lineTo(292, 102);
    hull.lineTo(282, 116);
    hull.lineTo(220, 116);
    hull.closeSubpath();
    p.fillPath(hull, Qt::white);

    p.setPen(Qt::white);
    QFont title(QStringLiteral("Sans Serif"));
    title.setPixelSize(30);
    title.setBold(true);
    p.setFont(title);
    p.drawText(QRect(16, 14, 280, 40), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Zelt Import"));

    QFont thai(QStringLiteral("Sans Serif"));
    thai.setPixelSize(15);
    p.setFont(thai);
    p.drawText(QRect(16, 52, 280, 24), Qt::AlignLeft | Qt::AlignVCenter,
               QString::fromUtf8("ระบบนำเข้าและสั่งซื้อต่างประเทศ"));

    p.setPen(QColor(200, 215, 255));
    QFont small(QStringLiteral("Sans Serif"));
    small.setPixelSize(11);
    p.setFont(small);
    p.drawText(QRect(16, 140, 200, 18), Qt::AlignLeft | Qt::AlignVCenter,
               QString::fromUtf8("กำลังเริ่มโปรแกรม…  v") + QStringLiteral(ZELT_VERSION));
    p.end();
    return pix;
}

void TFormLogo::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawPixmap(rect(), picture_);
}

} // namespace zelt::app
