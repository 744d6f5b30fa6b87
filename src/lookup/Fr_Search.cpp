#include "lookup/Fr_Search.h"

#include "lookup/SearchSql.h"
#include "platform/data/DataSetModel.h"
#include "platform/data/Database.h"
#include "platform/data/Query.h"
#include "platform/data/SqlScript.h"
#include "platform/ui/Modal.h"
#include "platform/ui/ResultGrid.h"
#include "shell/Dm_Config.h"
#include "shell/U_DM.h"

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <QValidator>

namespace zelt::lookup {

namespace {

QString s(const char* text) {
    return QString::fromUtf8(text);
}

// Turns what is typed into upper case as it is typed.
class UpperCaseValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override {
        Q_UNUSED(pos);
        input = input.toUpper();
        return Acceptable;
    }
};

bool flagIs(const QVariant& value, const char* flag) {
    return value.toString().trimmed() == QLatin1String(flag);
}

void setSmallFont(QWidget* w) {
    QFont f = w->font();
    f.setPointSize(8);
    w->setFont(f);
}

} // namespace

TFrSearch::TFrSearch(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("FrSearch"));
    setWindowTitle(s("ค้นหา"));
    setFixedSize(528, 279);

    data::Database* db = shell::DM ? shell::DM->DMdata : nullptr;
    QSearch = new data::Query(db, QStringLiteral("QSearch"), this);
    QSearch->setObjectName(QStringLiteral("QSearch"));
    DSearch = new data::DataSetModel(QSearch, this);
    DSearch->setObjectName(QStringLiteral("DSearch"));
    DSearch->setReadOnly(true);
    DSearch->rowStyle = [this](int row, int role) { return RowStyle(row, role); };
    DelSQL = new data::SqlScript(db, QStringLiteral("DelSQL"), this);
    DelSQL->setObjectName(QStringLiteral("DelSQL"));

    PanelHeader = new QFrame(this);
    PanelHeader->setObjectName(QStringLiteral("PanelHeader"));
    PanelHeader->setFrameShape(QFrame::StyledPanel);
    PanelHeader->setFixedHeight(32);
    Label3 = new QLabel(s("รหัส"), PanelHeader);
    Label3->setObjectName(QStringLiteral("Label3"));
    Code = new QLineEdit(PanelHeader);
    Code->setObjectName(QStringLiteral("Code"));
    Code->setValidator(new UpperCaseValidator(Code));
    Label3->setBuddy(Code);
    BtSearch = new QPushButton(s("ค้นหา"), PanelHeader);
    BtSearch->setObjectName(QStringLiteral("BtSearch"));
    BtSearch->setFocusPolicy(Qt::ClickFocus); // not a tab stop
    BtOk = new QPushButton(s("เลือก"), PanelHeader);
    BtOk->setObjectName(QStringLiteral("BtOk"));
    BtCancel = new QPushButton(s("ไม่เลือก"), PanelHeader);
    BtCancel->setObjectName(QStringLiteral("BtCancel"));
    for (QPushButton* b : {BtSearch, BtOk, BtCancel}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }

    auto* header = new QHBoxLayout(PanelHeader);
    header->setContentsMargins(6, 2, 4, 2);
    header->setSpacing(4);
    header->addWidget(Label3);
    header->addWidget(Code, 1);
    header->addWidget(BtSearch);
    header->addWidget(BtOk);
    header->addWidget(BtCancel);

    DgSearch = new ui::ResultGrid(this);
    DgSearch->setObjectName(QStringLiteral("DgSearch"));
    DgSearch->setDataSetModel(DSearch);
    DgSearch->setToolTip(s("สีแดง : เอกสารยกเลิก\nสีน้ำเงิน : เอกสารรับ/จ่ายแล้ว"));
    // The selected row in the window text colour, with or without focus.
    QPalette pal = DgSearch->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        pal.setColor(group, QPalette::Highlight, pal.color(group, QPalette::WindowText));
        pal.setColor(group, QPalette::HighlightedText, pal.color(group, QPalette::Window));
    }
    DgSearch->setPalette(pal);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(PanelHeader);
    layout->addWidget(DgSearch, 1);

    connect(BtSearch, &QPushButton::clicked, this, [this] { BtSearchClick(); });
    connect(BtOk, &QPushButton::clicked, this, [this] { done(QDialog::Accepted); });
    connect(BtCancel, &QPushButton::clicked, this, [this] { done(QDialog::Rejected); });
    connect(DgSearch, &ui::ResultGrid::chosen, this, [this] { Choose(); });
    connect(DgSearch, &ui::ResultGrid::titleClicked, this, &TFrSearch::DgSearchTitleClick);
    connect(DgSearch, &ui::ResultGrid::rightClicked, this,
            [this](int, Qt::KeyboardModifiers modifiers) { DgSearchRightClick(modifiers); });
}

TFrSearch::~TFrSearch() = default;

bool TFrSearch::EnglishCaptions() const {
    return shell::DMConfig && !shell::DMConfig->ThaiLanguage;
}

// ------------------------------------------------------------------ showing

void TFrSearch::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    qApp->installEventFilter(this);
    if (const QScreen* screen = this->screen()) {
        const QRect desk = screen->availableGeometry();
        move(desk.center() - QPoint(frameGeometry().width() / 2, frameGeometry().height() / 2));
    }
    FormShow();
}

void TFrSearch::hideEvent(QHideEvent* event) {
    if (!event->spontaneous())
        qApp->removeEventFilter(this);
    QDialog::hideEvent(event);
}

void TFrSearch::FormShow() {
    if (EnglishCaptions()) {
        BtSearch->setText(QStringLiteral("Search"));
        BtOk->setText(QStringLiteral("Choose"));
        BtCancel->setText(QStringLiteral("Cancel"));
        for (QPushButton* b : {BtSearch, BtOk, BtCancel})
            setSmallFont(b);
        DgSearch->setToolTip(QString());
    }
    QSearch->close();
    Code->clear();
    Code->setFocus();
}

// --------------------------------------------------------------------- keys

bool TFrSearch::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !KeyPreview)
        return QDialog::eventFilter(watched, event);
    auto* target = qobject_cast<QWidget*>(watched);
    if (!target || target->window() != this)
        return QDialog::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // The key itself is swallowed in every case.
        if (target == DgSearch || DgSearch->isAncestorOf(target))
            Choose();
        else
            BtSearchClick();
        return true;
    case Qt::Key_Escape:
        done(QDialog::Rejected);
        return true;
    case Qt::Key_Down:
        if (target == Code) {
            DgSearch->setFocus();
            return true;
        }
        break;
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

// ---------------------------------------------------------------- searching

void TFrSearch::BtSearchClick() {
    if (!QSearch->database() && shell::DM)
        QSearch->setDatabase(shell::DM->DMdata);
    QSearch->close();
    QSearch->open();
    if (!QSearch->isEmpty()) {
        QSearch->first();
        DgSearch->selectRecord(0);
        DgSearch->setFocus();
    }
}

void TFrSearch::DgSearchTitleClick(int column) {
    const int field = DSearch->fieldOf(column);
    // A column that the result does not carry has no position to sort by.
    if (field < 0 || !QSearch->isActive())
        return;
    const data::FieldDef& def = QSearch->fieldDef(field);
    if (!isSortableColumn(def.name, def.kind))
        return;
    // The column as the grid names it (the engines spell result names
    // differently).
    const QString name = DSearch->columns().isEmpty() ? def.name : DSearch->columns()[column].field;
    if (name.compare(SortColumn, Qt::CaseInsensitive) == 0)
        SortDescending = !SortDescending;
    else
        SortDescending = false;
    sortByPosition(QSearch->sql(), field + 1, SortDescending);
    SortColumn = name;
    BtSearchClick();
}

// ----------------------------------------------------------------- choosing

void TFrSearch::Choose() {
    done(QDialog::Accepted);
}

void TFrSearch::done(int result) {
    if (result != QDialog::Accepted || !QSearch->isActive() || QSearch->isEmpty()) {
        ReturnValue.clear();
        QDialog::done(QDialog::Rejected);
        return;
    }
    ReturnValue = QSearch->hasField(ReturnField) ? QSearch->field(ReturnField).asString() : QString();
    const QString delFlag = QStringLiteral("DelFlag");
    if (QSearch->hasField(delFlag) && flagIs(QSearch->value(delFlag), "Y")) {
        ui::showMessage(EnglishCaptions() ? QStringLiteral("Document Was Deleted") : s("เอกสารถูกยกเลิกแล้ว"),
                        this);
        const QString delRemark = QStringLiteral("DelRemark");
        if (QSearch->hasField(delRemark))
            ui::showMessage(s("สาเหตุยกเลิก : ") + QSearch->field(delRemark).asString(), this);
        ReturnValue.clear();
        return;
    }
    QDialog::done(QDialog::Accepted);
}

// ------------------------------------------------------------------ colours

QVariant TFrSearch::RowStyle(int row, int role) const {
    if (role != Qt::BackgroundRole && role != Qt::ForegroundRole)
        return {};
    // The first of these fields that the result has decides.
    struct Rule {
        const char* field;
        const char* value;
        Qt::GlobalColor colour;
    };
    static const Rule rules[] = {
        {"DelFlag", "Y", Qt::red}, {"Clear", "Y", Qt::blue}, {"Active", "N", Qt::red}};
    for (const Rule& rule : rules) {
        const int f = QSearch->fieldIndex(QLatin1String(rule.field));
        if (f < 0)
            continue;
        if (!flagIs(QSearch->cell(row, f), rule.value))
            return {};
        return QColor(role == Qt::BackgroundRole ? rule.colour : Qt::white);
    }
    return {};
}

// ------------------------------------------------------------------ purging

void TFrSearch::DgSearchRightClick(Qt::KeyboardModifiers modifiers) {
    const Qt::KeyboardModifiers keys =
        modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (keys != (Qt::ShiftModifier | Qt::ControlModifier))
        return;
    if (!QSearch->isActive() || QSearch->isEmpty() || !QSearch->hasField(QStringLiteral("Id")) ||
        !QSearch->hasField(QStringLiteral("Delflag")))
        return;
    if (QSearch->field(QStringLiteral("Id")).asInteger() <= 0 ||
        !flagIs(QSearch->value(QStringLiteral("Delflag")), "Y"))
        return;
    PurgeCurrent();
}

void TFrSearch::PurgeCurrent() {
    // Only the document searches name a header table; a name that is not a
    // plain table name is never written into a statement.
    const QString table = PurgeTable.trimmed();
    if (!isPlainName(table))
        return;
    const auto ask = [this](const QString& text) {
        return shell::DM ? shell::DM->ConfirmMessage(text)
                         : ui::askYesNo(text, QColor(Qt::blue), QColor(Qt::white), this);
    };
    if (!ask(QStringLiteral("Confirm Delete #1/2 ?")) || !ask(QStringLiteral("Confirm Delete #2/2 ?")))
        return;

    QStringList script;
    const QString upper = table.toUpper();
    if (upper == QStringLiteral("IVHD"))
        script << QStringLiteral("Delete From IvShip Where IvHd = :Id") << QStringLiteral("/");
    else if (upper == QStringLiteral("SOHD"))
        script << QStringLiteral("Delete From SoShip Where SoHd = :Id") << QStringLiteral("/");
    script << QStringLiteral("Delete From %1 Where Id = :Id").arg(table);
    DelSQL->sql() = script;
    DelSQL->params().clear();
    DelSQL->setParam(QStringLiteral("Id"), QSearch->field(QStringLiteral("Id")).asInteger());
    {
        // The ship-to row and its header go together or not at all.
        data::Database* db = shell::DM ? shell::DM->DMdata : QSearch->database();
        DelSQL->setDatabase(db);
        if (db && !db->inTransaction()) {
            data::Transaction tx(*db);
            DelSQL->execute();
            tx.commit();
        } else {
            DelSQL->execute();
        }
    }
    BtSearchClick();
}

} // namespace zelt::lookup
