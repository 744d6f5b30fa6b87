#pragma once

#include <QDialog>
#include <QString>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zelt::data {
class DataSetModel;
class Query;
class SqlScript;
} // namespace zelt::data

namespace zelt::ui {
class ResultGrid;
} // namespace zelt::ui

namespace zelt::lookup {

// The base of the search dialogs: a header with the search text and three
// buttons over a read-only result grid. A derived dialog gives QSearch its
// statement and the grid its columns, and sets its parameters in its own
// BtSearchClick before calling this one. The base keeps the keyboard, the
// colours of cancelled and settled rows, sorting by a title click, the
// choice of a row, and the hidden purge of a cancelled document.
class TFrSearch : public QDialog {
    Q_OBJECT
public:
    explicit TFrSearch(QWidget* parent = nullptr);
    ~TFrSearch() override;

    // ---- components
    QFrame* PanelHeader;
    QLabel* Label3;
    QLineEdit* Code; // the search text, upper case
    QPushButton* BtSearch;
    QPushButton* BtOk;
    QPushButton* BtCancel;
    ui::ResultGrid* DgSearch;
    data::Query* QSearch; // on DMDATA unless the derived dialog says otherwise
    data::DataSetModel* DSearch;
    data::SqlScript* DelSQL; // the purge, on DMDATA

    // ---- members
    QString ReturnField; // the result column handed back
    QString ReturnValue; // empty when nothing was chosen
    QString PurgeTable;  // header table whose cancelled rows may be purged
    // Off while a control of a derived dialog wants Enter for itself.
    bool KeyPreview = true;

    // The sort of the title clicks, shared by every search dialog of the
    // run: the column sorted last and whether it is sorted descending.
    static inline QString SortColumn;
    static inline bool SortDescending = false;

    // ---- handlers
    // Runs when the dialog is shown; derived dialogs prepare their statement
    // and then call this one.
    virtual void FormShow();
    // Runs the search: derived dialogs set their parameters first.
    virtual void BtSearchClick();
    void DgSearchTitleClick(int column);
    void DgSearchRightClick(Qt::KeyboardModifiers modifiers);
    // Chooses the current row (modal result OK).
    void Choose();

    // The closing rules: without OK or without rows nothing is handed
    // back; a cancelled document is refused and the dialog stays open.
    void done(int result) override;

protected:
    bool EnglishCaptions() const;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QVariant RowStyle(int row, int role) const;
    void PurgeCurrent();
};

} // namespace zelt::lookup
