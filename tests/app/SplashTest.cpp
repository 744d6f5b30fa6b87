#include "app/FormLogo.h"

#include <QCursor>
#include <QGuiApplication>
#include <QImage>
#include <QScreen>

#include <gtest/gtest.h>

using zelt::app::TFormLogo;

namespace {

// Pixels of a band of the picture that are clearly lighter than its blue:
// drawn text.
int lightPixels(const QImage& image, int top, int bottom) {
    int n = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) > 170)
                ++n;
    return n;
}

TEST(Splash, BorderlessBlueCentredHandCursorAndNeverTheMainForm) {
    TFormLogo logo;
    EXPECT_EQ(logo.size(), QSize(301, 166));
    EXPECT_TRUE(logo.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(logo.cursor().shape(), Qt::PointingHandCursor);
    EXPECT_FALSE(logo.testAttribute(Qt::WA_QuitOnClose)) << "closing it must not end the program";
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        EXPECT_LE((logo.geometry().center() - screen->availableGeometry().center()).manhattanLength(), 2);
    }

    logo.show();
    const QImage shot = logo.grab().toImage();
    if (const QByteArray path = qgetenv("ZELT_SPLASH_PNG"); !path.isEmpty())
        shot.save(QString::fromLocal8Bit(path));
    ASSERT_EQ(shot.size(), QSize(301, 166));
    const QColor corner = shot.pixelColor(2, 2);
    EXPECT_GT(corner.blue(), 150);
    EXPECT_LT(corner.red(), 100);
    // The name and the Thai subtitle are drawn, not left as empty boxes.
    EXPECT_GT(lightPixels(shot, 14, 54), 300);
    EXPECT_GT(lightPixels(shot, 54, 76), 150);
}

} // namespace
