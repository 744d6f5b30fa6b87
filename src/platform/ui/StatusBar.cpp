#include "platform/ui/StatusBar.h"

#include <QLabel>

namespace zelt::ui {

StatusBar::StatusBar(QWidget* parent)
    : QStatusBar(parent) {
    setSizeGripEnabled(false);
}

StatusBar::StatusBar(const QList<int>& widths, QWidget* parent)
    : StatusBar(parent) {
    for (int w : widths)
        addPanel(w);
}

QLabel* StatusBar::addPanel(int width, bool stretch) {
    auto* label = new QLabel(this);
    label->setObjectName(QStringLiteral("Panel%1").arg(panels_.size()));
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setTextFormat(Qt::PlainText);
    label->setContentsMargins(3, 0, 3, 0);
    if (stretch) {
        label->setMinimumWidth(width);
        addWidget(label, 1);
    } else {
        label->setFixedWidth(width);
        addWidget(label);
    }
    panels_.push_back(label);
    return label;
}

void StatusBar::setPanelText(int i, const QString& text) {
    if (QLabel* label = panel(i))
        label->setText(text);
}

QString StatusBar::panelText(int i) const {
    const QLabel* label = panel(i);
    return label ? label->text() : QString();
}

} // namespace zelt::ui
