#pragma once

#include <QFrame>
#include <QIcon>
#include <QKeySequence>
#include <QString>

class QAction;
class QToolButton;

namespace zelt::ui {

// The toolbar images, drawn in code.
enum class ActionImage {
    None,
    New,
    Delete,
    Save,
    ChgCode,
    History,
    Copy,
    Print,
    Exit,
    Approve,
    Clear,
    Search,
    Load,
};

QIcon actionImage(ActionImage image, int size = 24);

// An action of a form: its name (also its object name, "AcSave"), caption,
// hint (tool tip and status tip), shortcut and image.
struct ActionDef {
    QString name;
    QString caption;
    QString hint;
    QKeySequence shortcut;
    ActionImage image = ActionImage::None;
};

// The action, owned by parent; its shortcut works anywhere in parent's window.
QAction* makeAction(const ActionDef& def, QObject* parent);

// A flat toolbar of buttons with captions under their images, a hand cursor
// and hints. Each button is bound to an action and named by the form
// ("BSave" for "AcSave"); a hidden button leaves no gap. A click on the bar
// outside its buttons is a signal of its own.
class ToolBar : public QFrame {
    Q_OBJECT
public:
    explicit ToolBar(QWidget* parent = nullptr);

    QToolButton* addButton(QAction* action, const QString& buttonName);
    QToolButton* button(const QString& buttonName) const;
    void setImageSize(int size);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    int imageSize_ = 24;
};

} // namespace zelt::ui
