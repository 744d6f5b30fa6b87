#include "platform/ui/Actions.h"

#include <QAction>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QToolButton>

namespace zelt::ui {

namespace {

// A sheet of paper with a folded corner, at x, y in the 24-unit grid.
void drawPage(QPainter& p, qreal x, qreal y, qreal w, qreal h) {
    QPainterPath page;
    page.moveTo(x, y);
    page.lineTo(x + w - 5, y);
    page.lineTo(x + w, y + 5);
    page.lineTo(x + w, y + h);
    page.lineTo(x, y + h);
    page.closeSubpath();
    p.setPen(QPen(QColor(70, 80, 100), 1.2));
    p.setBrush(Qt::white);
    p.drawPath(page);
    p.drawLine(QPointF(x + w - 5, y), QPointF(x + w - 5, y + 5));
    p.drawLine(QPointF(x + w - 5, y + 5), QPointF(x + w, y + 5));
}

void drawImage(QPainter& p, ActionImage image) {
    const QColor ink(70, 80, 100);
    const QColor red(200, 40, 40);
    const QColor green(30, 140, 60);
    const QColor blue(40, 90, 170);
    switch (image) {
    case ActionImage::None:
        break;
    case ActionImage::New:
        drawPage(p, 5, 2, 14, 20);
        p.setPen(QPen(green, 2.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(15, 13), QPointF(15, 21));
        p.drawLine(QPointF(11, 17), QPointF(19, 17));
        break;
    case ActionImage::Delete:
        drawPage(p, 5, 2, 14, 20);
        p.setPen(QPen(red, 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(8, 9), QPointF(16, 18));
        p.drawLine(QPointF(16, 9), QPointF(8, 18));
        break;
    case ActionImage::Save:
        p.setPen(QPen(ink, 1.2));
        p.setBrush(blue);
        p.drawRoundedRect(QRectF(3, 3, 18, 18), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(6, 3, 12, 7));
        p.setBrush(QColor(200, 200, 210));
        p.drawRect(QRectF(7, 14, 10, 7));
        break;
    case ActionImage::ChgCode:
        p.setPen(QPen(blue, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(4, 8), QPointF(19, 8));
        p.drawPolyline(QPolygonF{QPointF(15, 4), QPointF(19, 8), QPointF(15, 12)});
        p.drawLine(QPointF(20, 16), QPointF(5, 16));
        p.drawPolyline(QPolygonF{QPointF(9, 12), QPointF(5, 16), QPointF(9, 20)});
        break;
    case ActionImage::History:
        p.setPen(QPen(ink, 1.5));
        p.setBrush(QColor(255, 250, 220));
        p.drawEllipse(QRectF(3, 3, 18, 18));
        p.setPen(QPen(ink, 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(12, 12), QPointF(12, 6));
        p.drawLine(QPointF(12, 12), QPointF(16, 14));
        break;
    case ActionImage::Copy:
        drawPage(p, 3, 2, 12, 15);
        drawPage(p, 9, 7, 12, 15);
        break;
    case ActionImage::Print:
        p.setPen(QPen(ink, 1.2));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(7, 2, 10, 8));
        p.setBrush(QColor(150, 155, 170));
        p.drawRoundedRect(QRectF(2, 9, 20, 9), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(6, 15, 12, 7));
        p.setPen(QPen(ink, 1));
        p.drawLine(QPointF(8, 18), QPointF(16, 18));
        p.drawLine(QPointF(8, 20), QPointF(14, 20));
        break;
    case ActionImage::Exit:
        p.setPen(QPen(ink, 1.2));
        p.setBrush(QColor(170, 120, 70));
        p.drawRect(QRectF(3, 2, 11, 20));
        p.setPen(QPen(red, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(10, 12), QPointF(21, 12));
        p.drawPolyline(QPolygonF{QPointF(17, 8), QPointF(21, 12), QPointF(17, 16)});
        break;
    case ActionImage::Approve:
        p.setPen(QPen(green, 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF{QPointF(4, 13), QPointF(10, 19), QPointF(20, 5)});
        break;
    case ActionImage::Clear:
        p.setPen(QPen(red, 2.5));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(3, 3, 18, 18));
        p.drawLine(QPointF(6.5, 17.5), QPointF(17.5, 6.5));
        break;
    case ActionImage::Search:
        p.setPen(QPen(ink, 2.2));
        p.setBrush(QColor(220, 235, 255));
        p.drawEllipse(QRectF(3, 3, 12, 12));
        p.setPen(QPen(ink, 3.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(14, 14), QPointF(20, 20));
        break;
    case ActionImage::Load:
        drawPage(p, 3, 2, 14, 20);
        p.setPen(QPen(blue, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(19, 5), QPointF(19, 17));
        p.drawPolyline(QPolygonF{QPointF(15, 13), QPointF(19, 17), QPointF(23, 13)});
        break;
    }
}

} // namespace

QIcon actionImage(ActionImage image, int size) {
    if (image == ActionImage::None)
        return {};
    QIcon icon;
    for (const qreal scale : {1.0, 2.0}) {
        QPixmap pixmap(int(size * scale), int(size * scale));
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size * scale / 24.0, size * scale / 24.0);
        drawImage(p, image);
        p.end();
        pixmap.setDevicePixelRatio(scale);
        icon.addPixmap(pixmap);
    }
    return icon;
}

QAction* makeAction(const ActionDef& def, QObject* parent) {
    auto* action = new QAction(def.caption, parent);
    action->setObjectName(def.name);
    action->setToolTip(def.hint.isEmpty() ? def.caption : def.hint);
    action->setStatusTip(def.hint);
    action->setShortcut(def.shortcut);
    action->setShortcutContext(Qt::WindowShortcut);
    if (def.image != ActionImage::None)
        action->setIcon(actionImage(def.image));
    return action;
}

// ---------------------------------------------------------------- ToolBar

ToolBar::ToolBar(QWidget* parent)
    : QFrame(parent) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 1, 2, 1);
    layout->setSpacing(0);
    layout->addStretch(1);
}

QToolButton* ToolBar::addButton(QAction* action, const QString& buttonName) {
    auto* button = new QToolButton(this);
    button->setObjectName(buttonName);
    button->setDefaultAction(action);
    button->setAutoRaise(true);
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setIconSize(QSize(imageSize_, imageSize_));
    button->setCursor(Qt::PointingHandCursor);
    button->setFocusPolicy(Qt::NoFocus);
    button->setMinimumWidth(imageSize_ * 2);
    auto* box = static_cast<QHBoxLayout*>(layout());
    box->insertWidget(box->count() - 1, button); // before the closing stretch
    return button;
}

QToolButton* ToolBar::button(const QString& buttonName) const {
    return findChild<QToolButton*>(buttonName, Qt::FindDirectChildrenOnly);
}

void ToolBar::setImageSize(int size) {
    imageSize_ = size;
    for (QToolButton* b : findChildren<QToolButton*>(Qt::FindDirectChildrenOnly)) {
        b->setIconSize(QSize(size, size));
        b->setMinimumWidth(size * 2);
    }
}

void ToolBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit clicked();
    QFrame::mousePressEvent(event);
}

} // namespace zelt::ui
