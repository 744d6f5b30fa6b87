// A few documents of the demo company, so that the searches, the import and
// the landed cost have something to show: foreign orders in four currencies
// (one waiting for approval, one cancelled), an import shipment taken from
// the first order, and the freight and clearing bills of its import lot.

#include "server/demo/DemoSupport.h"

#include "platform/data/Database.h"
#include "server/Procedures.h"

#include <QVector>

#include <cmath>

namespace zelt::server::demo {

namespace {

// Reserves the next number of a numbering code, as saving a document does.
QString takeNumber(data::Database& db, const QString& code, const QDate& date) {
    return nextDocumentNo(db, code, date.year());
}

QDate documentDate(int runYear, int daysBack) {
    const QDate date = demoToday(runYear).addDays(-daysBack);
    const QDate open = firstOpenDay(runYear);
    return date < open ? open : date;
}

struct Line {
    const char* product;
    const char* unit;
    double quantity;
    const char* discount;
};

struct Order {
    const char* vendor;
    int daysBack;
    int shipDays;
    const char* proforma;
    const char* reference;
    const char* remark;
    const char* paidType; // "T" transfer, "X" other (letter of credit)
    bool approved;
    bool cancelled;
    QVector<Line> lines;
};

struct SavedLine {
    int id;
    int product;
    int unit;
    int fraction;
    int warehouse;
    double quantity;
    double total;
};

// Writes one foreign order; returns its lines.
QVector<SavedLine> addOrder(data::Database& db, int runYear, const Order& order, int& headerId) {
    const QDate date = documentDate(runYear, order.daysBack);
    const QDate ship = date.addDays(order.shipDays);
    const int vendor = idOf(db, u"FrVendor"_s, u8(order.vendor));
    const QVariant currency =
        db.scalar(u"SELECT Currency FROM FrVendor WHERE Id = :Id"_s, {{u"Id"_s, vendor}});
    const int dueDays =
        db.scalar(u"SELECT DueDays FROM FrVendor WHERE Id = :Id"_s, {{u"Id"_s, vendor}}).toInt();
    const int tax = idOf(db, u"Tax"_s, u"V0"_s);
    const QString number = takeNumber(db, u"FRPO-P"_s, date);

    struct Priced {
        Line line;
        int product, unit, fraction, warehouse;
        double price, gross, total;
    };
    QVector<Priced> priced;
    double sum = 0;
    for (const Line& l : order.lines) {
        Priced p{l, 0, 0, 0, 0, 0, 0, 0};
        p.product = idOf(db, u"Product"_s, u8(l.product));
        const data::ParamList unitKey{{u"Product"_s, p.product}, {u"UnitName"_s, u8(l.unit)}};
        p.unit = db.scalar(u"SELECT Id FROM ProductUnits WHERE Product = :Product AND UnitName = :UnitName"_s,
                           unitKey)
                     .toInt();
        p.fraction =
            db.scalar(u"SELECT Fraction FROM ProductUnits WHERE Id = :Id"_s, {{u"Id"_s, p.unit}}).toInt();
        p.warehouse =
            db.scalar(u"SELECT DefaultWh FROM Product WHERE Id = :Id"_s, {{u"Id"_s, p.product}}).toInt();
        p.price = db.scalar(u"SELECT Price FROM PartSource WHERE ProductUnits = :Unit AND Vendor = :Vendor"_s,
                            {{u"Unit"_s, p.unit}, {u"Vendor"_s, vendor}})
                      .toDouble();
        p.gross = l.quantity * p.price;
        const QString discount = u8(l.discount);
        const double percent = discount.endsWith(u'%') ? discount.chopped(1).toDouble() : 0.0;
        p.total = round2(p.gross * (100.0 - percent) / 100.0);
        sum += p.total;
        priced << p;
    }
    sum = round2(sum);

    headerId = insertRow(db, u"FrPoHd"_s,
                         {{u"DelFlag"_s, order.cancelled ? u"Y"_s : u"N"_s},
                          {u"PoType"_s, u"P"_s},
                          {u"PoNo"_s, number},
                          {u"PoDate"_s, date},
                          {u"CanUseTax"_s, u"Y"_s},
                          {u"FrVendor"_s, vendor},
                          {u"Department"_s, miscId(db, u"DEPARTMENT"_s, u"IMP"_s)},
                          {u"TaxCode"_s, tax},
                          {u"TaxRate"_s, 0.0},
                          {u"Price_IE"_s, u"E"_s},
                          {u"ShipDate"_s, ship},
                          {u"CreditDays"_s, dueDays},
                          {u"Reference"_s, u8(order.reference)},
                          {u"Remark"_s, u8(order.remark)},
                          {u"NoTaxAmt"_s, sum},
                          {u"TaxAmt"_s, 0.0},
                          {u"TaxTotal"_s, 0.0},
                          {u"TaxCal"_s, 0.0},
                          {u"Total"_s, sum},
                          {u"DiscRate1"_s, 0.0},
                          {u"DiscRate2"_s, 0.0},
                          {u"DiscRate3"_s, 0.0},
                          {u"DiscAmt1"_s, 0.0},
                          {u"DiscAmt2"_s, 0.0},
                          {u"DiscAmt3"_s, 0.0},
                          {u"Clear"_s, u"N"_s},
                          {u"Posted"_s, u"N"_s},
                          {u"Imported"_s, u"N"_s},
                          {u"PaidType"_s, u8(order.paidType)},
                          {u"Currency"_s, currency},
                          {u"Approved"_s, order.approved ? u"Y"_s : u"N"_s},
                          {u"ProformaNo"_s, u8(order.proforma)}});

    QVector<SavedLine> saved;
    int recNo = 0;
    for (const Priced& p : priced) {
        const int id = insertRow(db, u"FrPoDt"_s,
                                 {{u"FrPoHd"_s, headerId},
                                  {u"PoRecNo"_s, ++recNo},
                                  {u"PoDate"_s, date},
                                  {u"Product"_s, p.product},
                                  {u"TaxCode"_s, tax},
                                  {u"TaxRate"_s, 0.0},
                                  {u"ProductUnits"_s, p.unit},
                                  {u"ShipDate"_s, ship},
                                  {u"Warehouse"_s, p.warehouse},
                                  {u"Quantity"_s, p.line.quantity},
                                  {u"Received"_s, 0.0},
                                  {u"BackOrder"_s, p.line.quantity * p.fraction},
                                  {u"Fraction"_s, p.fraction},
                                  {u"Price"_s, p.price},
                                  {u"Discount"_s, u8(p.line.discount)},
                                  {u"DiscountAmt"_s, round2(p.gross) - p.total},
                                  {u"ProductAmount"_s, p.total},
                                  {u"Total"_s, p.total},
                                  {u"Clear"_s, u"N"_s}});
        saved << SavedLine{id, p.product, p.unit, p.fraction, p.warehouse, p.line.quantity, p.total};
    }
    return saved;
}

// The first shipment of an order: its first lines, in one duty class.
void addImport(data::Database& db, int runYear, int orderId, const QVector<SavedLine>& lines, int lineCount) {
    const QDate date = documentDate(runYear, 12);
    const QString number = takeNumber(db, u"IMPORT"_s, date);
    const data::ParamList order{{u"Id"_s, orderId}};
    const QVariant vendor = db.scalar(u"SELECT FrVendor FROM FrPoHd WHERE ID = :Id"_s, order);
    const QVariant currency = db.scalar(u"SELECT Currency FROM FrPoHd WHERE ID = :Id"_s, order);
    const double rate =
        db.scalar(u"SELECT PurcRate FROM CurrencyEx WHERE Currency = :Currency ORDER BY ExchangeDate DESC"_s,
                  {{u"Currency"_s, currency}})
            .toDouble();
    double total = 0;
    for (int i = 0; i < lineCount; ++i)
        total += lines[i].total;
    const int header =
        insertRow(db, u"ImHd"_s,
                  {{u"DelFlag"_s, u"N"_s},
                   {u"ImNo"_s, number},
                   {u"ImDate"_s, date},
                   {u"ImportLotNo"_s, idOf(db, u"ImportLotNo"_s, u"IL"_s + buddhistYY(runYear) + u"-001"_s)},
                   {u"FrVendor"_s, vendor},
                   {u"TransportNo"_s, u"ONEYNGOB%1700421"_s.arg(buddhistYY(runYear))},
                   {u"Currency"_s, currency},
                   {u"ExchangeRate"_s, rate},
                   {u"DueDate"_s, date},
                   {u"Warehouse"_s, idOf(db, u"Warehouse"_s, u"WH03"_s)},
                   {u"Remark"_s, u8("ตลับลูกปืนชุดแรก เรือ ONE Harmony ถึงท่าเรือแหลมฉบัง")},
                   {u"Total"_s, round2(total)},
                   {u"Clear"_s, u"N"_s},
                   {u"PaidAmount"_s, 0.0},
                   {u"Posted"_s, u"N"_s},
                   {u"Imported"_s, u"N"_s},
                   {u"BeginBalance"_s, u"N"_s}});
    // Duty class 1, ball bearings (HS 8482.10): 5 % of the value in baht.
    const int duty = insertRow(
        db, u"ImDuty"_s, {{u"ImHd"_s, header}, {u"DutyNo"_s, 1}, {u"Total"_s, round2(total * rate * 0.05)}});
    for (int i = 0; i < lineCount; ++i) {
        const SavedLine& l = lines[i];
        insertRow(db, u"ImDt"_s,
                  {{u"ImHd"_s, header},
                   {u"ImRecNo"_s, i + 1},
                   {u"ImDate"_s, date},
                   {u"PoDt"_s, l.id},
                   {u"Product"_s, l.product},
                   {u"ProductUnits"_s, l.unit},
                   {u"Warehouse"_s, idOf(db, u"Warehouse"_s, u"WH03"_s)},
                   {u"ImDuty"_s, duty},
                   {u"Quantity"_s, l.quantity},
                   {u"Fraction"_s, l.fraction},
                   {u"Cost"_s, 0.0},
                   {u"Total"_s, l.total}});
    }
}

struct Charge {
    const char* product;
    double amount;
};

// An import-expense bill with VAT 7 % on every line: a credit receipt
// ("Mr") or a cash purchase ("Pc") of kind "S", booked on an import lot.
void addExpenseBill(data::Database& db, int runYear, bool credit, const char* vendorCode,
                    const QString& taxInvoice, std::initializer_list<Charge> charges) {
    const QString t = credit ? u"Mr"_s : u"Pc"_s;
    const QDate date = documentDate(runYear, credit ? 9 : 8);
    const QString number = takeNumber(db, credit ? u"MR-S"_s : u"PC-S"_s, date);
    const int vendor = idOf(db, u"Vendor"_s, u8(vendorCode));
    const int vat = idOf(db, u"Tax"_s, u"V7"_s);
    const int warehouse = idOf(db, u"Warehouse"_s, u"WH01"_s);
    double goods = 0;
    for (const Charge& c : charges)
        goods += c.amount;
    const double tax = round2(goods * 7.0 / 100.0);
    data::ParamList header{
        {t + u"Type"_s, u"S"_s},
        {u"DelFlag"_s, u"N"_s},
        {t + u"No"_s, number},
        {t + u"Date"_s, date},
        {u"ImportLotNo"_s, idOf(db, u"ImportLotNo"_s, u"IL"_s + buddhistYY(runYear) + u"-001"_s)},
        {t + u"TaxNo"_s, taxInvoice},
        {t + u"TaxDate"_s, date},
        {t + u"PrintTaxDate"_s, date},
        {u"Department"_s, miscId(db, u"DEPARTMENT"_s, u"IMP"_s)},
        {u"PoHd"_s, 0},
        {u"Vendor"_s, vendor},
        {u"TaxCode"_s, vat},
        {u"TaxRate"_s, 7.0},
        {u"Price_IE"_s, u"E"_s},
        {u"Warehouse"_s, warehouse},
        {u"Reference"_s, u"ONEYNGOB%1700421"_s.arg(buddhistYY(runYear))},
        {u"Remark"_s, u8("ค่าใช้จ่ายนำเข้าตลับลูกปืน Tokai Bearing")},
        {u"NoTaxAmt"_s, 0.0},
        {u"TaxAmt"_s, goods},
        {u"TaxCal"_s, tax},
        {u"TaxTotal"_s, tax},
        {u"Total"_s, round2(goods + tax)},
        {u"CanUseTax"_s, u"Y"_s},
        {u"Posted"_s, u"N"_s},
        {u"Imported"_s, u"N"_s},
        {u"BeginBalance"_s, u"N"_s},
        {u"Transfer"_s, u"N"_s},
        {u"PrepaidAmount"_s, 0.0},
        {u"SubType"_s, u"S"_s},
        {u"NotCutStock"_s, u"N"_s},
        {u"Printed"_s, u"N"_s},
        {u"CurrencyId"_s, miscId(db, u"CURRENCY"_s, u"THB"_s)},
        {u"Rate"_s, 1.0}};
    if (credit) {
        const int dueDays =
            db.scalar(u"SELECT DueDays FROM Vendor WHERE Id = :Id"_s, {{u"Id"_s, vendor}}).toInt();
        header.set(u"DueDays"_s, dueDays);
        header.set(u"DueDate"_s, date.addDays(dueDays));
        header.set(u"Clear"_s, u"N"_s);
        header.set(u"PaidAmount"_s, 0.0);
    }
    const int id = insertRow(db, t + u"Hd"_s, header);
    int recNo = 0;
    for (const Charge& c : charges) {
        const int product = idOf(db, u"Product"_s, u8(c.product));
        const QVariant unit =
            db.scalar(u"SELECT Id FROM ProductUnits WHERE Product = :Id"_s, {{u"Id"_s, product}});
        insertRow(db, t + u"Dt"_s,
                  {{t + u"Hd"_s, id},
                   {t + u"RecNo"_s, ++recNo},
                   {t + u"Date"_s, date},
                   {u"PoDt"_s, 0},
                   {u"Product"_s, product},
                   {u"ProductUnits"_s, unit},
                   {u"Fraction"_s, 1},
                   {u"TaxCode"_s, vat},
                   {u"TaxRate"_s, 7.0},
                   {u"Warehouse"_s, warehouse},
                   {u"Quantity"_s, 1.0},
                   {u"Price"_s, c.amount},
                   {u"DiscountAmt"_s, 0.0},
                   {u"ProductAmount"_s, c.amount},
                   {u"Total"_s, c.amount},
                   {u"Cost"_s, c.amount}});
    }
}

} // namespace

void loadDemoDocuments(data::Database& db, int runYear) {
    const QString yy = buddhistYY(runYear);
    const char* fob = "ส่งสินค้าทางเรือ FOB ท่าเรือต้นทาง";
    // In the order they were entered, which is the order of their numbers.
    const Order orders[] = {
        {"JP-TKB",
         40,
         30,
         "TB-PI-2611-0274",
         "REQ-ENG-118",
         fob,
         "T",
         true,
         false,
         {{"BRG-6204ZZ", "ลัง", 10, ""},
          {"BRG-6205-2RS", "ลัง", 8, ""},
          {"BRG-22210E", "ตัว", 12, "5%"},
          {"BRG-UCP205", "กล่อง", 3, ""}}},
        {"US-MWH",
         33,
         45,
         "MWH-Q-58812",
         "REQ-ENG-121",
         "ชำระเงินโดยการโอน (T/T) ภายใน 30 วันนับจากวันที่ใน B/L",
         "T",
         true,
         false,
         {{"HYD-PMP-A10", "เครื่อง", 2, ""},
          {"HYD-VLV-4WE6", "กล่อง", 2, ""},
          {"HYD-HOSE-R2-12", "ม้วน", 4, "2%"},
          {"HYD-FIT-JIC12", "ลัง", 2, ""},
          {"HYD-FLT-RE10", "กล่อง", 5, ""}}},
        {"SG-SIS",
         15,
         14,
         "SIS-SO-88214",
         "REQ-WH-045",
         "ชำระเงินโดยเปิด L/C at sight",
         "X",
         true,
         false,
         {{"LUB-HYD-46", "ดรัม", 4, ""}, {"LUB-GRS-EP2", "ถัง", 10, ""}, {"FST-HB-M10X40", "ลัง", 5, "5%"}}},
        {"DE-SWS",
         6,
         21,
         "SWS-AB-2025-3318",
         "",
         "ส่งสินค้าทางอากาศ ผ่านท่าอากาศยานสุวรรณภูมิ",
         "T",
         false,
         false,
         {{"SEN-IND-M12", "กล่อง", 10, ""},
          {"SEN-PHO-DIF", "กล่อง", 4, ""},
          {"SEN-PRS-10B", "ตัว", 6, ""},
          {"SEN-CAB-M12-5", "ลัง", 2, "3%"}}},
        // Entered twice by mistake; the copy was cancelled.
        {"CN-NDP",
         20,
         25,
         "DH20251118-07",
         "",
         fob,
         "T",
         true,
         true,
         {{"PNU-CYL-3250", "กล่อง", 5, ""}, {"PNU-VLV-52", "กล่อง", 5, ""}, {"PNU-TUBE-8", "ม้วน", 10, ""}}},
    };
    QVector<SavedLine> firstLines;
    int firstOrder = 0;
    for (const Order& order : orders) {
        int id = 0;
        const QVector<SavedLine> lines = addOrder(db, runYear, order, id);
        if (firstOrder == 0) {
            firstOrder = id;
            firstLines = lines;
        }
    }
    // The ball bearings of the first order have arrived; the rest follow.
    addImport(db, runYear, firstOrder, firstLines, 2);
    addExpenseBill(db, runYear, true, "F-LCS", u"LCS-IV%1-01587"_s.arg(yy),
                   {{"SV-FRT-SEA", 18500.00}, {"SV-THC", 4200.00}, {"SV-TRK-LCB", 6500.00}});
    addExpenseBill(db, runYear, false, "C-TCB", u"TCB-%1-7741"_s.arg(yy),
                   {{"SV-CUS-CLR", 3500.00}, {"SV-TRK-LCB", 1200.00}});
}

} // namespace zelt::server::demo
