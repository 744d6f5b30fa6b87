#include "lookup/Fr_SimpleSearch.h"

#include "lookup/SearchSql.h"
#include "platform/data/DataSetModel.h"
#include "platform/data/Query.h"
#include "platform/ui/Modal.h"
#include "platform/ui/ResultGrid.h"
#include "shell/U_DM.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointer>

#include <stdexcept>

namespace zelt::lookup {

namespace {

QString s(const char* text) {
    return QString::fromUtf8(text);
}

QString orDefault(const QString& value, const QString& fallback) {
    return value.trimmed().isEmpty() ? fallback : value.trimmed();
}

} // namespace

TFrSimpleSearch::TFrSimpleSearch(QWidget* parent)
    : TFrSearch(parent) {
    setObjectName(QStringLiteral("FrSimpleSearch"));
    Label3->setText(s("รายละเอียด"));
    DgSearch->setColumnWidths({380, 120});
}

QStringList simpleSearchSql(const QString& codeField, const QString& tableName, const QString& condition,
                            const QString& descriptionField) {
    QStringList sql;
    sql << QStringLiteral("Select Id, %1, %2 From %3").arg(descriptionField, codeField, tableName)
        << QStringLiteral("Where (%1 Like :GetCode%2) ").arg(descriptionField, kLikeEscape);
    if (!condition.trimmed().isEmpty())
        sql << QStringLiteral("And (%1)").arg(condition);
    sql << QStringLiteral("Order By %1").arg(descriptionField);
    return sql;
}

void TFrSimpleSearch::FormShow() {
    const bool english = EnglishCaptions();
    if (english) {
        Label3->setText(QStringLiteral("Description"));
        QFont f = Label3->font();
        f.setPointSize(8);
        Label3->setFont(f);
    }
    setWindowTitle(orDefault(DialogCaption, QStringLiteral("Search")));
    CodeField = orDefault(CodeField, QStringLiteral("Code"));
    DescriptionField = orDefault(DescriptionField, QStringLiteral("Description"));

    QSearch->close();
    QSearch->sql() = simpleSearchSql(CodeField, TableName, ExtraCondition, DescriptionField);
    DSearch->setColumns({
        {DescriptionField, english ? QStringLiteral("Description") : s("รายละเอียด"), true},
        {CodeField, english ? QStringLiteral("Code") : s("รหัส"), true},
    });
    ReturnField = CodeField;
    TFrSearch::FormShow();
}

void TFrSimpleSearch::BtSearchClick() {
    QSearch->setParam(QStringLiteral("GetCode"), likeContains(Code->text()));
    TFrSearch::BtSearchClick();
}

// ------------------------------------------------------ the kept dialog

namespace {
QPointer<TFrSimpleSearch> kept;
QPointer<shell::TDM> keptFor;
} // namespace

TFrSimpleSearch* keptSimpleSearch() {
    return kept.data();
}

bool showSimpleSearch(const QString& caption, const QString& codeField, const QString& tableName,
                      const QString& condition, const QString& descriptionField, QString& chosen) {
    const QString code = orDefault(codeField, QStringLiteral("Code"));
    const QString description = orDefault(descriptionField, QStringLiteral("Description"));
    for (const QString& name : {code, description, tableName.trimmed()})
        if (!isPlainName(name))
            throw std::invalid_argument("ShowSimpleSearch: " + name.toStdString() + " is not a plain name");

    // One dialog for the run of the company data module it searches.
    if (kept && keptFor != shell::DM) {
        delete kept;
        kept = nullptr;
    }
    if (!kept) {
        kept = new TFrSimpleSearch();
        keptFor = shell::DM;
        if (shell::DM)
            QObject::connect(shell::DM, &QObject::destroyed, [dialog = kept] { delete dialog.data(); });
    }
    TFrSimpleSearch& dialog = *kept;
    dialog.DialogCaption = caption;
    dialog.CodeField = code;
    dialog.TableName = tableName.trimmed();
    dialog.ExtraCondition = condition;
    dialog.DescriptionField = description;
    const bool ok = ui::execDialog(dialog) == QDialog::Accepted;
    chosen = ok ? dialog.ReturnValue : QString();
    return ok;
}

void installSimpleSearch() {
    shell::TDM::setSimpleSearchHook(&showSimpleSearch);
}

} // namespace zelt::lookup
