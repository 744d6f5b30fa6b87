#pragma once

#include <QColor>
#include <QDate>
#include <QDateTime>
#include <QObject>
#include <QString>

#include <functional>

namespace zelt::data {
class Database;
class DataSetModel;
class Query;
class SqlScript;
class StoredProc;
} // namespace zelt::data

namespace zelt::shell {

// The company data module: the connection to the company database named on
// the command line, the company settings row, and the small services every
// document form leans on (numbers, server time, tax rates, the period lock,
// the user log, the confirmation question, quantity texts).
class TDM : public QObject {
    Q_OBJECT
public:
    explicit TDM(QObject* parent = nullptr);
    ~TDM() override;

    // ---- components
    data::Database* DMdata;     // alias DMDATA; forms open, close and run transactions on it
    data::Query* QConfig;       // the Config row plus MainCurrencyCode, MainCurrencyName
    data::Query* QchkPeriod;    // accounting years, latest first
    data::Query* QTax;          // Id, Code, Rate by code
    data::DataSetModel* DTax;   // QTax for the grids
    data::Query* QMiscCurrency; // currencies with the latest exchange rates
    data::DataSetModel* DMiscCurrency;
    data::SqlScript* DelGL;         // :id, :no: removes the ledger voucher of a document
    data::StoredProc* SpNextDocNo;  // NewDocumentNo
    data::StoredProc* SpServerTime; // ServerTime
    data::StoredProc* SpAddLog;     // UserAddLog
    data::Query* QDocConvert;
    data::Query* QDocumentNo;
    data::Query* QTaxRate;
    data::Query* QNewId;
    data::Query* QUnitFraction;
    data::Query* QStockUnitQnty;
    data::Query* QPostId;

    // ---- members read by the forms
    QString DatabaseName; // argument 3, trimmed; set at every connect
    bool AutoRunDocNo = false;
    QColor DialogColor;
    bool MrRefPO = false;
    bool EditPricePO = false;
    int MainCurrencyId = 0;
    QString MainCurrencyName;
    QString LastProductName;
    QString LastProductCode;
    QString LastCustomerName;
    QString LastVendorName;

    // Function codes of the user log.
    int FuncAdd = 0;
    int FuncEdit = 0;
    int FuncDelete = 0;
    int FuncPrint = 0;
    int FuncPreview = 0;

    // ---- set by start-up
    // The company database as the command line names it (argument 3).
    void setCommandLineDatabase(const QString& name) { commandLineDatabase_ = name; }
    const QString& commandLineDatabase() const { return commandLineDatabase_; }
    // Frees the splash window; called once, after the first successful
    // connect.
    std::function<void()> freeSplash;

    // ---- services
    QString GetNextDocNo(const QString& docCode, const QDate& docDate);
    int GetDocumentLength(const QString& docCode);
    QDateTime GetServerTime();
    double GetTaxRate(int taxId);
    void AddUserLog(int functionId, int documentId, const QString& remark);
    int GetNewId();
    void ReopenConfig();
    bool IsPeriodOpen(const QDate& docDate);
    bool IsDateInRunYear(const QDate& docDate);
    bool ConfirmMessage(const QString& text);

    // Saves a header kept with cached updates whose statement selects it by
    // its document number; answers the saved header's Id, or -1 when it
    // cannot be read back.
    int PostWithNewDocNo(data::Query& query, const QDate& docDate, const QString& docCode,
                         const QString& noField, const QString& noParam);
    int PostWithDocNo(data::Query& query, const QString& docNo, const QString& noField,
                      const QString& noParam);

    QString FormatQtyStockUnit(int unitId, double qty);
    QString FormatQtyInUnits(int unitId, double qty);
    QString FormatQtyPart(int unitId, int part, double qty);

    // The search of a code table by its description: the dialog is made at
    // the first call and kept for the run. Blank names mean "Code" and
    // "Description", a blank caption "Search"; the condition may be empty.
    // True when a row was chosen; its code is then in *chosen when given.
    bool ShowSimpleSearch(const QString& caption, const QString& codeField, const QString& tableName,
                          const QString& condition, const QString& descriptionField,
                          QString* chosen = nullptr);
    // The search dialogs live above the shell; the lookup library installs
    // the function that opens the simple search.
    using SimpleSearchHook =
        std::function<bool(const QString& caption, const QString& codeField, const QString& tableName,
                           const QString& condition, const QString& descriptionField, QString& chosen)>;
    static void setSimpleSearchHook(SimpleSearchHook hook);

private:
    void DMdataBeforeConnect(data::Database& db);
    void DMdataAfterConnect(data::Database& db);
    void openConfig();
    int postHeader(data::Query& query, const QString& number, const QString& noParam);

    QString commandLineDatabase_;
};

// The one instance of the program: set by the first TDM created, cleared
// when it is destroyed.
extern TDM* DM;

} // namespace zelt::shell
