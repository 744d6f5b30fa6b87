#pragma once

#include <QList>
#include <QStatusBar>

class QLabel;

namespace zelt::ui {

// A status bar of named panels of fixed widths, left to right; the last one
// takes the rest of the bar when stretchLast is set. Panels are addressed by
// position, as the forms do ("panel 0 holds the company name").
class StatusBar : public QStatusBar {
    Q_OBJECT
public:
    explicit StatusBar(QWidget* parent = nullptr);
    StatusBar(const QList<int>& widths, QWidget* parent = nullptr);

    // Adds a panel; its label is named "Panel<n>".
    QLabel* addPanel(int width, bool stretch = false);
    int panelCount() const { return int(panels_.size()); }
    QLabel* panel(int i) const { return panels_.value(i); }
    // Out-of-range panels are ignored, as the original bar ignored them.
    void setPanelText(int i, const QString& text);
    QString panelText(int i) const;

private:
    QList<QLabel*> panels_;
};

} // namespace zelt::ui
