#pragma once

#include "platform/data/Database.h"
#include "platform/data/Params.h"
#include "platform/ui/DbEdit.h"

#include <QLabel>
#include <QPointer>

#include <functional>
#include <optional>

namespace zelt::ui {

// One row a code resolves to.
struct LookupRow {
    QVariant id;
    QString code;
    QString description;
};

// The code edit of the lookup frames. The bound field holds a row id (the
// vendor of an order); the user types the row's code. When the user leaves
// the edit or presses Enter, the code is looked up: the row whose code equals
// it and which satisfies the filter is accepted (its id goes into the bound
// field, its code into the edit, its description into the label); a code
// without such a row is refused: the edit is emptied and the bound field set
// to null, so that what is shown and what is stored always agree.
// An emptied edit stores null when null is allowed; otherwise the stored row
// is shown again. Showing a stored id ignores the filter: a row that fails it
// now (a vendor blocked since) is still shown as stored.
//
// Where the rows come from, the first one set:
// - resolver functions (the caller's own query or list);
// - a list data set, searched with a row test the caller may give;
// - a table of a database, read by
//     SELECT <id>, <code>, <description> FROM <table>
//     WHERE (<code> = :LookupCode) AND (<filter>)
//   The typed code is always a bound parameter; the filter is program text
//   that may carry named parameters of its own, bound from filterParams.
//   A custom select (setLookupSql) may take the place of the first line; its
//   first three columns are the id, the code and the description.
// Letters are forced to upper case. F5 asks for the search dialog.
class DbIdLookup : public DbEdit {
    Q_OBJECT
public:
    using CodeResolver = std::function<std::optional<LookupRow>(const QString& code)>;
    using IdResolver = std::function<std::optional<LookupRow>(const QVariant& id)>;
    using RowTest = std::function<bool(const data::DataSet& list, int row)>;

    explicit DbIdLookup(QWidget* parent = nullptr);
    DbIdLookup(data::DataSet* ds, const QString& fieldName, QWidget* parent = nullptr);
    ~DbIdLookup() override;

    // ---- where the rows come from
    void setLookupDatabase(data::Database* db);
    data::Database* lookupDatabase() const { return db_; }
    void setLookupTable(const QString& table);
    const QString& lookupTable() const { return table_; }
    void setLookupFields(const QString& idField, const QString& codeField, const QString& descriptionField);
    const QString& idField() const { return idField_; }
    const QString& codeField() const { return codeField_; }
    const QString& descriptionField() const { return descriptionField_; }
    // Changed at run time by the frames (the customer's name in the user's language).
    void setDescriptionField(const QString& field);
    // "SELECT Id, Code, Name FROM Vendor V": the select and its FROM, without
    // WHERE; empty: built from the table and the fields.
    void setLookupSql(const QString& selectFrom);
    const QString& lookupSql() const { return selectFrom_; }
    // A condition the row must also satisfy when a code is typed; empty: none.
    void setFilter(const QString& condition, const data::ParamList& params = {});
    const QString& filter() const { return filter_; }
    const data::ParamList& filterParams() const { return filterParams_; }
    void setLookupList(data::DataSet* list, RowTest accept = {});
    void setResolvers(CodeResolver byCode, IdResolver byId);

    // ---- rules
    void setAllowNull(bool on) { allowNull_ = on; }
    bool allowNull() const { return allowNull_; }
    // Shown through the modal seam when a code is refused ("%1": the code);
    // empty (the default): the frame decides, on codeRefused.
    void setRefusedMessage(const QString& text) { refusedMessage_ = text; }

    // ---- description
    // The label that shows the description; without one given, the edit
    // makes its own for the frame to place.
    void setDescriptionLabel(QLabel* label);
    QLabel* descriptionLabel();
    // Shown while no row is resolved; "-" by default.
    void setEmptyDescription(const QString& text);
    const QString& description() const { return description_; }

    // ---- use by the frames
    // The id in the bound field (null when none).
    QVariant lookupId() const { return link().value(); }
    // Puts a code into the edit as if typed (the code chosen in a search);
    // it is looked up when the user leaves the edit, or by resolve().
    void enterCode(const QString& code);
    // Looks up the code now when the user changed it; true when the edit
    // holds a code that is stored (or the empty code that null allows).
    bool resolve();
    // Looks a code up with the filter, without storing anything.
    std::optional<LookupRow> findCode(const QString& code);
    // The same by id, without the filter.
    std::optional<LookupRow> findId(const QVariant& id);

    // Refusal keeps the field and the edit consistent: nothing stays pending.
    bool commit() override;

public slots:
    // The search button of a frame: the same as F5.
    void requestSearch();

signals:
    void codeAccepted(const QVariant& id); // null: the code was emptied and null is allowed
    void codeRefused(const QString& code); // empty: the code was emptied and null is not allowed
    void searchRequested();
    void entered();
    void exited(); // after the code was looked up

protected:
    void showValue() override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void showRow(const std::optional<LookupRow>& row);
    QString selectText() const;
    std::optional<LookupRow> queryOne(const QString& condition, const QString& name, const QVariant& value,
                                      bool withFilter);
    void forgetKnown() { known_.reset(); }

    QPointer<data::Database> db_;
    QString table_;
    QString idField_ = QStringLiteral("Id");
    QString codeField_ = QStringLiteral("Code");
    QString descriptionField_ = QStringLiteral("Description");
    QString selectFrom_;
    QString filter_;
    data::ParamList filterParams_;
    QPointer<data::DataSet> list_;
    RowTest accept_;
    CodeResolver byCode_;
    IdResolver byId_;

    bool allowNull_ = false;
    QString refusedMessage_;
    QPointer<QLabel> label_;
    bool ownsLabel_ = false;
    QString emptyDescription_ = QStringLiteral("-");
    QString description_;
    std::optional<LookupRow> known_; // the row last shown, to spare a query
};

} // namespace zelt::ui
