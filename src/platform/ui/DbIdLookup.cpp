#include "platform/ui/DbIdLookup.h"

#include "platform/data/Database.h"
#include "platform/data/Query.h"

#include <QFocusEvent>
#include <QKeyEvent>

namespace zelt::ui {

DbIdLookup::DbIdLookup(QWidget* parent)
    : DbEdit(parent) {
    setUpperCase(true);
    description_ = emptyDescription_;
}

DbIdLookup::DbIdLookup(data::DataSet* ds, const QString& fieldName, QWidget* parent)
    : DbIdLookup(parent) {
    bind(ds, fieldName);
}

DbIdLookup::~DbIdLookup() {
    if (ownsLabel_ && label_ && !label_->parent())
        delete label_.data();
}

// ------------------------------------------------------------- the source

void DbIdLookup::setLookupDatabase(data::Database* db) {
    db_ = db;
    forgetKnown();
    if (!hasPendingEdit())
        showValue();
}

void DbIdLookup::setLookupTable(const QString& table) {
    table_ = table;
    forgetKnown();
    if (!hasPendingEdit())
        showValue();
}

void DbIdLookup::setLookupFields(const QString& idField, const QString& codeField,
                                 const QString& descriptionField) {
    idField_ = idField;
    codeField_ = codeField;
    descriptionField_ = descriptionField;
    forgetKnown();
    if (!hasPendingEdit())
        showValue();
}

void DbIdLookup::setDescriptionField(const QString& field) {
    setLookupFields(idField_, codeField_, field);
}

void DbIdLookup::setLookupSql(const QString& selectFrom) {
    selectFrom_ = selectFrom.trimmed();
    forgetKnown();
    if (!hasPendingEdit())
        showValue();
}

void DbIdLookup::setFilter(const QString& condition, const data::ParamList& params) {
    // Only typed codes meet the filter; what is shown stays.
    filter_ = condition;
    filterParams_ = params;
}

void DbIdLookup::setLookupList(data::DataSet* list, RowTest accept) {
    list_ = list;
    accept_ = std::move(accept);
    forgetKnown();
    if (!hasPendingEdit())
        showValue();
}

void DbIdLookup::setResolvers(CodeResolver byCode, IdResolver byId) {
    byCode_ = std::move(byCode);
    byId_ = std::move(byId);
    forgetKnown();
    if (!hasPendingEdit())
        showValue();
}

QString DbIdLookup::selectText() const {
    if (!selectFrom_.isEmpty())
        return selectFrom_;
    if (table_.isEmpty())
        return {};
    return QStringLiteral("SELECT %1, %2, %3 FROM %4").arg(idField_, codeField_, descriptionField_, table_);
}

std::optional<LookupRow> DbIdLookup::queryOne(const QString& column, const QString& name,
                                              const QVariant& value, bool withFilter) {
    const QString select = selectText();
    if (!db_ || select.isEmpty())
        return std::nullopt;
    QString sql = select + QStringLiteral("\nWHERE (%1 = :%2)").arg(column, name);
    if (withFilter && !filter_.trimmed().isEmpty())
        sql += QStringLiteral("\nAND (%1)").arg(filter_);
    data::Query q(db_, QStringLiteral("QLookup"));
    q.setSql(sql);
    q.setParam(name, value);
    for (int i = 0; i < filterParams_.count(); ++i)
        if (q.params().contains(filterParams_.at(i).name))
            q.setParam(filterParams_.at(i).name, filterParams_.at(i).value);
    q.open();
    if (q.isEmpty() || q.fieldCount() < 3)
        return std::nullopt;
    return LookupRow{q.field(0).value(), q.field(1).asString(), q.field(2).asString()};
}

std::optional<LookupRow> DbIdLookup::findCode(const QString& code) {
    if (byCode_)
        return byCode_(code);
    if (list_) {
        if (!list_->isActive())
            return std::nullopt;
        const int id = list_->fieldIndex(idField_);
        const int c = list_->fieldIndex(codeField_);
        const int d = list_->fieldIndex(descriptionField_);
        if (id < 0 || c < 0)
            return std::nullopt;
        for (int r = 0; r < list_->recordCount(); ++r) {
            const QVariant v = list_->cell(r, c);
            if (v.isNull() || v.toString().trimmed().compare(code, Qt::CaseInsensitive) != 0)
                continue;
            if (accept_ && !accept_(*list_, r))
                continue;
            return LookupRow{list_->cell(r, id), data::variantToString(v),
                             d < 0 ? QString() : data::variantToString(list_->cell(r, d))};
        }
        return std::nullopt;
    }
    return queryOne(codeField_, QStringLiteral("LookupCode"), code, true);
}

std::optional<LookupRow> DbIdLookup::findId(const QVariant& id) {
    if (id.isNull())
        return std::nullopt;
    if (byCode_ || byId_)
        return byId_ ? byId_(id) : std::nullopt;
    if (list_) {
        if (!list_->isActive())
            return std::nullopt;
        const int i = list_->fieldIndex(idField_);
        const int c = list_->fieldIndex(codeField_);
        const int d = list_->fieldIndex(descriptionField_);
        if (i < 0 || c < 0)
            return std::nullopt;
        for (int r = 0; r < list_->recordCount(); ++r)
            if (data::sameValue(list_->cell(r, i), id))
                return LookupRow{list_->cell(r, i), data::variantToString(list_->cell(r, c)),
                                 d < 0 ? QString() : data::variantToString(list_->cell(r, d))};
        return std::nullopt;
    }
    return queryOne(idField_, QStringLiteral("LookupId"), id, false);
}

// ------------------------------------------------------------ description

void DbIdLookup::setDescriptionLabel(QLabel* label) {
    if (label_ == label)
        return;
    if (ownsLabel_ && label_ && !label_->parent())
        delete label_.data();
    label_ = label;
    ownsLabel_ = false;
    if (label_)
        label_->setText(description_);
}

QLabel* DbIdLookup::descriptionLabel() {
    if (!label_) {
        label_ = new QLabel(description_);
        label_->setObjectName(objectName() + QStringLiteral("Description"));
        ownsLabel_ = true;
    }
    return label_;
}

void DbIdLookup::setEmptyDescription(const QString& text) {
    emptyDescription_ = text;
    if (!hasPendingEdit())
        showValue();
}

void DbIdLookup::showRow(const std::optional<LookupRow>& row) {
    setText(row ? row->code : QString());
    setModified(false);
    description_ = row ? row->description : emptyDescription_;
    if (label_)
        label_->setText(description_);
}

void DbIdLookup::showValue() {
    const QVariant id = link().value();
    if (id.isNull()) {
        showRow(std::nullopt);
        return;
    }
    if (!known_ || !data::sameValue(known_->id, id)) {
        known_ = findId(id);
        if (known_)
            known_->id = id;
    }
    showRow(known_);
}

// ----------------------------------------------------------------- lookup

void DbIdLookup::enterCode(const QString& code) {
    if (!canModify())
        return;
    setText(upperCase() ? code.toUpper() : code);
    link().beginUserEdit();
}

bool DbIdLookup::resolve() {
    if (!link().pending())
        return true;
    const QString typed = text().trimmed();
    if (typed.isEmpty()) {
        if (allowNull_) {
            link().write(QVariant());
            emit codeAccepted(QVariant());
            return true;
        }
        link().showCurrent();
        emit codeRefused(QString());
        return false;
    }
    const std::optional<LookupRow> row = findCode(typed);
    if (row) {
        known_ = row;
        link().write(row->id);
        emit codeAccepted(row->id);
        return true;
    }
    link().write(QVariant());
    if (!refusedMessage_.isEmpty())
        refuseValue(refusedMessage_.contains(QStringLiteral("%1")) ? refusedMessage_.arg(typed)
                                                                   : refusedMessage_);
    emit codeRefused(typed);
    return false;
}

bool DbIdLookup::commit() {
    resolve();
    return true;
}

void DbIdLookup::requestSearch() {
    emit searchRequested();
}

void DbIdLookup::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F5 && event->modifiers() == Qt::NoModifier) {
        requestSearch();
        event->accept();
        return;
    }
    DbEdit::keyPressEvent(event);
}

void DbIdLookup::focusInEvent(QFocusEvent* event) {
    DbEdit::focusInEvent(event);
    if (leavesControl(event->reason()))
        emit entered();
}

void DbIdLookup::focusOutEvent(QFocusEvent* event) {
    DbEdit::focusOutEvent(event);
    if (leavesControl(event->reason()))
        emit exited();
}

} // namespace zelt::ui
