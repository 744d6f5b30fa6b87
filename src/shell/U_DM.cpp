#include "shell/U_DM.h"

#include "platform/data/DataSetModel.h"
#include "platform/data/Database.h"
#include "platform/data/Query.h"
#include "platform/data/SqlScript.h"
#include "platform/data/StoredProc.h"
#include "platform/format/FloatFormat.h"
#include "platform/ui/Modal.h"
#include "server/Procedures.h"
#include "shell/Dm_Config.h"

#include <QDir>

#include <cmath>
#include <numeric>
#include <stdexcept>

namespace zelt::shell {

TDM* DM = nullptr;

namespace {

QString s(const char* text) {
    return QString::fromUtf8(text);
}

data::Query* makeQuery(data::Database* db, const char* name, const char* sql, QObject* parent) {
    auto* q = new data::Query(db, s(name), parent);
    q->setObjectName(s(name));
    if (sql)
        q->setSql(s(sql));
    return q;
}

data::StoredProc* makeProc(data::Database* db, const char* name, const char* procName, QObject* parent) {
    auto* p = new data::StoredProc(db, s(procName), s(name), parent);
    p->setObjectName(s(name));
    return p;
}

bool isY(const QVariant& v) {
    return v.toString().trimmed() == QStringLiteral("Y");
}

// The original server compared texts without their trailing blanks.
QString withoutTrailingBlanks(const QString& text) {
    qsizetype n = text.size();
    while (n > 0 && text.at(n - 1).isSpace())
        --n;
    return text.left(n);
}

// A quantity in smallest units as whole units of a size and the smallest
// units left over. A unit without a proper size counts as the smallest unit,
// so that no quantity is shown twice.
struct UnitSplit {
    double whole;
    double rest;
};
UnitSplit splitUnits(double qty, int fraction) {
    const int f = std::max(fraction, 1);
    const double whole = std::trunc(qty / f);
    return {whole, qty - whole * f};
}

QString fmt(const QString& mask, double value) {
    return format::formatFloat(mask, value);
}

// A quantity in smallest units from a product of floating values: a
// quantity typed as 0.29 of a unit of 100 must count 29, not 28.
qint64 truncatedCount(double value) {
    return qint64(std::trunc(value + (value >= 0 ? 1e-9 : -1e-9)));
}

const char* const kMiscCurrencySql =
    "SELECT M.*, E.PurcScrap, E.PurcPart, E.PurcRate, E.SaleScrap, E.SalePart, E.SaleRate\n"
    "FROM Misc M\n"
    "LEFT JOIN CurrencyEx E ON (E.Currency = M.Id)\n"
    "  AND (E.ExchangeDate = (SELECT MAX(X.ExchangeDate) FROM CurrencyEx X))\n"
    "WHERE (M.GroupCode = 'CURRENCY')\n"
    "ORDER BY M.OrderNo";

const char* const kDelGlSql =
    "DELETE FROM gldt WHERE glhd IN\n"
    "  (SELECT id FROM glhd WHERE (glfromdocid = :id) AND (TRIM(glfromdocno) = :no))\n"
    "/\n"
    "DELETE FROM glhd WHERE (glfromdocid = :id) AND (TRIM(glfromdocno) = :no)";

} // namespace

TDM::TDM(QObject* parent)
    : QObject(parent) {
    setObjectName(QStringLiteral("DM"));
    if (!DM)
        DM = this;
    server::registerServerProcedures();
    DMdata = new data::Database(QStringLiteral("DMDATA"), this);
    DMdata->setObjectName(QStringLiteral("DMdata"));
    DMdata->beforeConnect = [this](data::Database& db) { DMdataBeforeConnect(db); };
    DMdata->afterConnect = [this](data::Database& db) { DMdataAfterConnect(db); };

    QConfig = makeQuery(DMdata, "QConfig",
                        "SELECT C.*, M.Code AS MainCurrencyCode, M.Description AS MainCurrencyName\n"
                        "FROM Config C\n"
                        "LEFT JOIN Misc M ON (M.Id = C.MainCurrencyId)",
                        this);
    QchkPeriod =
        makeQuery(DMdata, "QchkPeriod", "select * from accountperiod order by accountyear desc", this);
    QTax = makeQuery(DMdata, "QTax", "SELECT Id, Code, Rate FROM Tax Order By Code", this);
    DTax = new data::DataSetModel(QTax, this);
    DTax->setObjectName(QStringLiteral("DTax"));
    QMiscCurrency = makeQuery(DMdata, "QMiscCurrency", kMiscCurrencySql, this);
    DMiscCurrency = new data::DataSetModel(QMiscCurrency, this);
    DMiscCurrency->setObjectName(QStringLiteral("DMiscCurrency"));
    DelGL = new data::SqlScript(DMdata, QStringLiteral("DelGL"), this);
    DelGL->setObjectName(QStringLiteral("DelGL"));
    DelGL->setSql(s(kDelGlSql));

    SpNextDocNo = makeProc(DMdata, "SpNextDocNo", "NewDocumentNo", this);
    SpServerTime = makeProc(DMdata, "SpServerTime", "ServerTime", this);
    SpAddLog = makeProc(DMdata, "SpAddLog", "UserAddLog", this);

    QDocConvert =
        makeQuery(DMdata, "QDocConvert",
                  "SELECT D.Id, D.Code, D.Description, D.Prefix, D.LastNo, D.DocumentLength, D.AutoRun, "
                  "D.DocType\n"
                  "FROM DocNoConvert V Inner Join DocumentNo D On (V.DocumentNo = D.Id)\n"
                  "WHERE (V.Code = :GetCode) And (V.DocYear=:GetYear)",
                  this);
    QDocumentNo = makeQuery(DMdata, "QDocumentNo",
                            "SELECT D.Code, D.Description, D.Prefix, D.LastNo, D.DocumentLength, D.AutoRun\n"
                            "FROM DocumentNo D\n"
                            "WHERE (D.Code = :GetCode) And (DocYear=:GetYear)",
                            this);
    QTaxRate = makeQuery(DMdata, "QTaxRate", "Select Rate From Tax Where (Id = :GetCode)", this);
    QNewId = makeQuery(DMdata, "QNewId", nullptr, this); // the statement is the engine's
    QUnitFraction =
        makeQuery(DMdata, "QUnitFraction",
                  "SELECT U.UnitName LUnit, U.Fraction, M.UnitName SUnit, U.Product IdProd\n"
                  "FROM ProductUnits U\n"
                  "Inner Join ProductUnits M On ((U.Product = M.Product) And (M.SmallUnitFlag = 'Y'))\n"
                  "Where (U.Id = :GetUnit)",
                  this);
    QStockUnitQnty =
        makeQuery(DMdata, "QStockUnitQnty",
                  "SELECT U.Id, U.UnitName, U.Fraction,\n"
                  "  (Select S.UnitName From ProductUnits S\n"
                  "   Where (S.SmallUnitFlag = 'Y') And (S.Product = :GetProduct)) As SmallUnit\n"
                  "FROM ProductUnits U\n"
                  "Where (U.StockUnitFlag = 'Y') And (U.Product = :GetProduct)",
                  this);
    QPostId = makeQuery(DMdata, "QPostId", nullptr, this);

    // DataModuleCreate
    FuncAdd = 1;
    FuncEdit = 2;
    FuncDelete = 3;
    FuncPrint = 5;
    FuncPreview = 10;
    DialogColor = QColor(0, 0, 255);
}

TDM::~TDM() {
    if (DM == this)
        DM = nullptr;
}

// ---------------------------------------------------------------- connecting

void TDM::DMdataBeforeConnect(data::Database& db) {
    DatabaseName = commandLineDatabase_.trimmed();
    // The same "Server.Dat" as the configuration database's.
    const QString workDir =
        DMConfig && !DMConfig->WorkDir.isEmpty() ? DMConfig->WorkDir : QDir::currentPath();
    db.setServer(data::ServerSpec::fromWorkDir(workDir));
    db.setDatabaseName(DatabaseName);
}

void TDM::DMdataAfterConnect(data::Database& db) {
    Q_UNUSED(db);
    ReopenConfig();
    MrRefPO = isY(QConfig->value(QStringLiteral("MrRefPO")));
    EditPricePO = isY(QConfig->value(QStringLiteral("EditPricePO")));
    MainCurrencyId = QConfig->field(QStringLiteral("MainCurrencyId")).asInteger();
    MainCurrencyName = QConfig->field(QStringLiteral("MainCurrencyName")).asString();
    if (freeSplash) {
        // Later connects find the splash window gone.
        const std::function<void()> release = std::move(freeSplash);
        freeSplash = nullptr;
        release();
    }
    QMiscCurrency->close();
    QMiscCurrency->open();
}

void TDM::openConfig() {
    if (!QConfig->isActive())
        QConfig->open();
}

void TDM::ReopenConfig() {
    QConfig->close();
    QConfig->open();
    QchkPeriod->close();
    QchkPeriod->open();
}

// ---------------------------------------------------------- numbers and time

QString TDM::GetNextDocNo(const QString& docCode, const QDate& docDate) {
    SpNextDocNo->setParam(QStringLiteral("@DocCode"), docCode);
    SpNextDocNo->setParam(QStringLiteral("@DocYear"), docDate.year());
    SpNextDocNo->execProc();
    return SpNextDocNo->param(QStringLiteral("@NewNo")).toString();
}

int TDM::GetDocumentLength(const QString& docCode) {
    openConfig();
    const int runYear = QConfig->field(QStringLiteral("RunYear")).asInteger();
    const QString code = withoutTrailingBlanks(docCode);

    // A code that shares another code's numbering row: that row decides the
    // length and whether the number is generated, as it is the row that
    // NewDocumentNo numbers from.
    QDocConvert->setParam(QStringLiteral("GetCode"), code);
    QDocConvert->setParam(QStringLiteral("GetYear"), runYear);
    QDocConvert->open();
    if (!QDocConvert->isEmpty()) {
        AutoRunDocNo = isY(QDocConvert->value(QStringLiteral("AutoRun")));
        return QDocConvert->field(QStringLiteral("DocumentLength")).asInteger();
    }

    QDocumentNo->setParam(QStringLiteral("GetCode"), code);
    QDocumentNo->setParam(QStringLiteral("GetYear"), runYear);
    QDocumentNo->open();
    if (QDocumentNo->isEmpty()) {
        ui::showMessage(s("ไม่พบรหัสเอกสาร ") + docCode + QLatin1Char('\r') + s("ปี ") +
                        QString::number(runYear));
        AutoRunDocNo = false;
        return 0;
    }
    AutoRunDocNo = isY(QDocumentNo->value(QStringLiteral("AutoRun")));
    return QDocumentNo->field(QStringLiteral("DocumentLength")).asInteger();
}

QDateTime TDM::GetServerTime() {
    SpServerTime->execProc();
    return SpServerTime->param(QStringLiteral("@ServerTime")).toDateTime();
}

double TDM::GetTaxRate(int taxId) {
    QTaxRate->setParam(QStringLiteral("GetCode"), taxId);
    QTaxRate->open();
    if (QTaxRate->isEmpty())
        return 0;
    return QTaxRate->field(QStringLiteral("Rate")).asFloat();
}

void TDM::AddUserLog(int functionId, int documentId, const QString& remark) {
    SpAddLog->setParam(QStringLiteral("@UserId"), DMConfig ? DMConfig->UserId : 0);
    SpAddLog->setParam(QStringLiteral("@MenuId"), DMConfig ? DMConfig->MenuId : 0);
    SpAddLog->setParam(QStringLiteral("@FunctionListId"), functionId);
    SpAddLog->setParam(QStringLiteral("@DocumentId"), documentId);
    SpAddLog->setParam(QStringLiteral("@Remark"), remark);
    SpAddLog->execProc();
}

int TDM::GetNewId() {
    if (!DMdata->isOpen())
        DMdata->open();
    QNewId->setSql(s("SELECT (") + DMdata->dialect().lastIdentitySql() + s(") AS New_Id"));
    QNewId->open();
    return QNewId->field(QStringLiteral("New_Id")).asInteger();
}

// ------------------------------------------------------------ period checks

bool TDM::IsPeriodOpen(const QDate& docDate) {
    if (!QchkPeriod->isActive())
        QchkPeriod->open();
    for (QchkPeriod->first(); !QchkPeriod->eof(); QchkPeriod->next()) {
        for (int i = 1; i <= 12; ++i) {
            const QDate start = QchkPeriod->field(s("Start%1").arg(i)).asDate();
            const QDate stop = QchkPeriod->field(s("Stop%1").arg(i)).asDate();
            if (!start.isValid() || !stop.isValid() || start > docDate || stop < docDate)
                continue;
            if (isY(QchkPeriod->value(s("Lock%1").arg(i)))) {
                ui::showMessage(s("รอบบัญชีนี้ถูกผ่านรายการบัญชีไปแล้ว ไม่สามารถเพิ่มเติม หรือ แก้ไขได้"));
                return false;
            }
            return true;
        }
    }
    return true;
}

bool TDM::IsDateInRunYear(const QDate& docDate) {
    openConfig();
    return docDate.year() <= QConfig->field(QStringLiteral("RunYear")).asInteger() + 1;
}

bool TDM::ConfirmMessage(const QString& text) {
    return ui::askYesNo(text, DialogColor, QColor(Qt::white));
}

// ------------------------------------------------------------ simple search

namespace {
TDM::SimpleSearchHook& simpleSearchHook() {
    static TDM::SimpleSearchHook hook;
    return hook;
}
} // namespace

void TDM::setSimpleSearchHook(SimpleSearchHook hook) {
    simpleSearchHook() = std::move(hook);
}

bool TDM::ShowSimpleSearch(const QString& caption, const QString& codeField, const QString& tableName,
                           const QString& condition, const QString& descriptionField, QString* chosen) {
    const SimpleSearchHook& hook = simpleSearchHook();
    if (!hook)
        throw std::logic_error("ShowSimpleSearch: the search dialogs are not installed");
    QString code;
    const bool ok = hook(caption, codeField, tableName, condition, descriptionField, code);
    if (chosen)
        *chosen = ok ? code : QString();
    return ok;
}

// ------------------------------------------------------------ saving headers

int TDM::PostWithNewDocNo(data::Query& query, const QDate& docDate, const QString& docCode,
                          const QString& noField, const QString& noParam) {
    QString number;
    if (query.updateStatus() == data::UpdateStatus::Inserted) {
        number = GetNextDocNo(docCode, docDate);
        query.edit();
        query.field(noField).setValue(number);
        AddUserLog(FuncAdd, 0, number);
    } else {
        number = query.field(noField).asString();
        AddUserLog(FuncEdit, query.field(QStringLiteral("Id")).asInteger(), number);
    }
    return postHeader(query, number, noParam);
}

int TDM::PostWithDocNo(data::Query& query, const QString& docNo, const QString& noField,
                       const QString& noParam) {
    QString number;
    if (query.updateStatus() == data::UpdateStatus::Inserted) {
        number = docNo;
        query.edit();
        query.field(noField).setValue(number);
        AddUserLog(FuncAdd, 0, number);
    } else {
        number = query.field(noField).asString();
        AddUserLog(FuncEdit, query.field(QStringLiteral("Id")).asInteger(), number);
    }
    return postHeader(query, number, noParam);
}

int TDM::postHeader(data::Query& query, const QString& number, const QString& noParam) {
    query.applyUpdates();

    QPostId->sql() = query.sql();
    data::ParamList& to = QPostId->params();
    const data::ParamList& from = query.params();
    for (int i = 0; i < to.count(); ++i) {
        if (to.at(i).name.compare(noParam, Qt::CaseInsensitive) == 0)
            to.at(i).value = number;
        else if (i < from.count())
            to.at(i).value = from.at(i).value;
    }
    QPostId->open();
    if (QPostId->isEmpty()) {
        ui::showMessage(QStringLiteral("Impossible Error IvNo !!!!"));
        return -1;
    }
    return QPostId->field(QStringLiteral("Id")).asInteger();
}

// ------------------------------------------------------------ quantity texts

QString TDM::FormatQtyInUnits(int unitId, double qty) {
    QString sign;
    if (qty < 0) {
        qty = -qty;
        sign = QStringLiteral("- ");
    }
    openConfig();
    const QVariant decimals = QConfig->value(QStringLiteral("OnhandDecimal"));
    const int places = decimals.isNull() ? 0 : decimals.toInt();
    const QString maskF = places > 0 ? s(" #,###,##0.") + QString(places, QLatin1Char('0')) + QLatin1Char(' ')
                                     : s(" #,###,###.###### ");

    QUnitFraction->setParam(QStringLiteral("GetUnit"), unitId);
    QUnitFraction->open();
    if (QUnitFraction->isEmpty())
        return (fmt(maskF, qty) + QStringLiteral("ERROR")).trimmed();

    const QString left = QConfig->field(QStringLiteral("UnitLeft")).asString();
    const QString right = QConfig->field(QStringLiteral("UnitRight")).asString();
    const QString large = left + QUnitFraction->field(QStringLiteral("LUnit")).asString() + right;
    const QString small = left + QUnitFraction->field(QStringLiteral("SUnit")).asString() + right;
    const int fraction = QUnitFraction->field(QStringLiteral("Fraction")).asInteger();

    QString result;
    if (fraction == 1) {
        result = fmt(maskF, qty) + large;
    } else {
        const auto [whole, rest] = splitUnits(qty, fraction);
        if (whole != 0)
            result = fmt(QStringLiteral("###,###,##0 "), whole) + large;
        if (rest != 0)
            result += fmt(maskF, std::abs(rest)) + small;
    }
    if (result.isEmpty())
        result = QStringLiteral("0 ") + large;
    return sign + result.trimmed();
}

QString TDM::FormatQtyPart(int unitId, int part, double qty) {
    QString sign;
    if (qty < 0) {
        qty = -qty;
        sign = QStringLiteral("- ");
    }
    const QString plainMask = QStringLiteral("###,###,##0.###### ");
    QUnitFraction->setParam(QStringLiteral("GetUnit"), unitId);
    QUnitFraction->open();
    if (QUnitFraction->isEmpty())
        return fmt(plainMask, qty) + QStringLiteral("ERROR");

    const QString lUnit = QUnitFraction->field(QStringLiteral("LUnit")).asString();
    const QString sUnit = QUnitFraction->field(QStringLiteral("SUnit")).asString();
    const int fraction = QUnitFraction->field(QStringLiteral("Fraction")).asInteger();

    QString large;
    QString small;
    if (fraction == 1) {
        small = fmt(plainMask, qty) + lUnit;
    } else {
        const auto [whole, rest] = splitUnits(qty, fraction);
        if (whole != 0)
            large = fmt(QStringLiteral("###,###,##0 "), whole) + lUnit;
        if (rest != 0)
            small = fmt(QStringLiteral(" ######.###### "), std::abs(rest)) + sUnit;
    }
    switch (part) {
    case 1:
        return sign + large;
    case 2:
        return sign + small;
    default:
        return fmt(plainMask, qty) + QStringLiteral("IDERROR");
    }
}

QString TDM::FormatQtyStockUnit(int unitId, double qty) {
    const bool negative = qty < 0;
    if (negative)
        qty = -qty;
    const QString mask = QStringLiteral("#,###.##;-#,###.##");

    QUnitFraction->setParam(QStringLiteral("GetUnit"), unitId);
    QUnitFraction->open();
    const bool unitFound = !QUnitFraction->isEmpty();
    const int fraction = unitFound ? QUnitFraction->field(QStringLiteral("Fraction")).asInteger() : 0;
    qint64 n = truncatedCount(qty * fraction);

    qint64 e = 0;
    QString stockUnit;
    if (unitFound) {
        QStockUnitQnty->setParam(QStringLiteral("GetProduct"),
                                 QUnitFraction->value(QStringLiteral("IdProd")));
        QStockUnitQnty->open();
        if (!QStockUnitQnty->isEmpty()) {
            e = QStockUnitQnty->field(QStringLiteral("Fraction")).asInteger();
            stockUnit = QStockUnitQnty->field(QStringLiteral("UnitName")).asString();
        } else {
            // A product without a stock unit is shown in the unit given.
            e = fraction;
            stockUnit = QUnitFraction->field(QStringLiteral("LUnit")).asString();
        }
    }
    e = std::max<qint64>(e, 1);

    const bool shown = n != 0;
    QString whole;
    QString part;
    if (n == 0) {
        part = QStringLiteral("0");
    } else {
        if (n / e != 0) {
            whole = fmt(mask, double(n / e));
            n -= (n / e) * e;
        }
        if (n % e != 0) {
            if (e == 2 * n) {
                part = QStringLiteral("1/2");
            } else {
                const qint64 d = std::gcd(n, e);
                part = fmt(mask, double(n / d)) + QLatin1Char('/') + fmt(mask, double(e / d));
            }
        }
    }
    const QString result =
        (whole.trimmed() + QLatin1Char(';') + (part + QStringLiteral("  ") + stockUnit).trimmed()).trimmed();
    return negative && shown ? QStringLiteral("- ") + result : result;
}

} // namespace zelt::shell
