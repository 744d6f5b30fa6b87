#pragma once

#include "platform/ui/DbLink.h"

#include <QCheckBox>
#include <QComboBox>

namespace zelt::data {
class DataSetModel;
}

namespace zelt::ui {

// A flag field as a check box: ticked when the field holds the checked value
// ("Y"; compared without regard to case and blanks), unticked for anything
// else, null included. A click or the space bar writes the checked or the
// unchecked value ("N") at once.
class DbCheckBox : public QCheckBox, public DbControl {
    Q_OBJECT
public:
    explicit DbCheckBox(QWidget* parent = nullptr);
    DbCheckBox(const QString& caption, data::DataSet* ds, const QString& fieldName,
               QWidget* parent = nullptr);

    void setValues(const QString& checked, const QString& unchecked);
    const QString& valueChecked() const { return checked_; }
    const QString& valueUnchecked() const { return unchecked_; }

    bool commit() override { return true; } // nothing is ever pending

protected:
    void nextCheckState() override;
    void showValue() override;
    void updateAccess() override;

private:
    QString checked_ = QStringLiteral("Y");
    QString unchecked_ = QStringLiteral("N");
};

// A list of fixed choices: each item is shown by its text and stored as its
// value ("ราคารวมภาษี" stored as "I"). An item without a value stores its text.
// A field value that is no item's value shows no item. The user's choice is
// written at once.
class DbComboBox : public QComboBox, public DbControl {
    Q_OBJECT
public:
    explicit DbComboBox(QWidget* parent = nullptr);
    DbComboBox(data::DataSet* ds, const QString& fieldName, QWidget* parent = nullptr);

    // Replaces the items; values in the same order (none: the texts are stored).
    void setItems(const QStringList& texts, const QStringList& values = {});
    // One more item and the value it stores.
    void addChoice(const QString& text, const QString& value);
    // The value an item stores.
    QString storedValue(int index) const;
    // The item storing a value (texts compared exactly first, then without
    // regard to case and blanks); -1 when none does.
    int indexOfValue(const QVariant& value) const;

    bool commit() override { return true; } // nothing is ever pending
    // Opens only while the user may choose.
    void showPopup() override;

signals:
    void choiceWritten(int index);

protected:
    void showValue() override;
    void updateAccess() override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void onActivated(int index);
};

// A drop-down list of the rows of another data set (the tax codes): it stores
// the key field of the chosen row into the bound field and shows the display
// fields of the rows as columns of the list, the first of them in the closed
// box. It follows the list data set as it is reopened or changed, and never
// moves that data set's current record.
class DbLookupCombo : public QComboBox, public DbControl {
    Q_OBJECT
public:
    explicit DbLookupCombo(QWidget* parent = nullptr);
    DbLookupCombo(data::DataSet* ds, const QString& fieldName, QWidget* parent = nullptr);

    // Display fields separated by ";" ("Code;Rate").
    void setListSource(data::DataSet* list, const QString& keyField, const QString& displayFields);
    data::DataSet* listSource() const { return list_; }
    const QString& keyField() const { return keyField_; }
    const QStringList& displayFields() const { return displayFields_; }
    // Rows shown in the open list before it scrolls.
    void setDropDownCount(int rows) { setMaxVisibleItems(rows); }
    // Delete or Backspace store null.
    void setAllowNull(bool on) { allowNull_ = on; }
    bool allowNull() const { return allowNull_; }

    // The list row whose key is the bound field's value; -1 when none.
    int listRow() const;
    // A field of that row (the rate of the chosen tax); null when none.
    QVariant listValue(const QString& listField) const;

    bool commit() override { return true; } // nothing is ever pending
    // Opens only while the user may choose; the columns fit their texts.
    void showPopup() override;

signals:
    // The user chose a row; the key is in the bound field already.
    void keyChosen(const QVariant& key);

protected:
    void showValue() override;
    void updateAccess() override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void onActivated(int index);
    int rowOfKey(const QVariant& key) const;

    QPointer<data::DataSet> list_;
    QString keyField_;
    QStringList displayFields_;
    data::DataSetModel* model_ = nullptr;
    bool allowNull_ = false;
    bool showing_ = false;
};

} // namespace zelt::ui
