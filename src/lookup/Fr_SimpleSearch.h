#pragma once

#include "lookup/Fr_Search.h"

namespace zelt::lookup {

// The search of any code table by its description, on DMDATA: two columns,
// the description and the code, and the code handed back.
class TFrSimpleSearch : public TFrSearch {
    Q_OBJECT
public:
    explicit TFrSimpleSearch(QWidget* parent = nullptr);

    QString CodeField;        // blank: "Code"
    QString DescriptionField; // blank: "Description"
    QString TableName;
    QString ExtraCondition; // a condition written by the program, may be empty
    QString DialogCaption;  // blank: "Search"

    void FormShow() override;
    void BtSearchClick() override;
};

// The statement of the simple search for a code table.
QStringList simpleSearchSql(const QString& codeField, const QString& tableName, const QString& condition,
                            const QString& descriptionField);

// Opens the simple search kept for the run (created at the first call) with
// the given members; true when a row was chosen, its code then in chosen.
// Table and field names must be plain names; blank ones take the defaults.
bool showSimpleSearch(const QString& caption, const QString& codeField, const QString& tableName,
                      const QString& condition, const QString& descriptionField, QString& chosen);
// The dialog kept for the run, null before the first search.
TFrSimpleSearch* keptSimpleSearch();

// Makes TDM::ShowSimpleSearch open the simple search; called once at
// start-up.
void installSimpleSearch();

} // namespace zelt::lookup
