// Volume for the benchmarks: a company that has traded for years, with
// 100,000 products (three units each, bar codes and a vendor part code),
// 10,000 foreign and 10,000 local vendors, and 50,000 foreign orders of one
// to ten lines in the run year. Loaded after the demo company, in one
// transaction, through statements prepared once and executed per row.

#include "server/demo/DemoData.h"
#include "server/demo/DemoSupport.h"

#include "platform/data/Database.h"
#include "platform/data/Statement.h"
#include "server/Procedures.h"

#include <QRandomGenerator>
#include <QStringList>

#include <cmath>
#include <memory>
#include <vector>

namespace zelt::server {

using namespace demo;

namespace {

constexpr int kProducts = 100000;
constexpr int kVendors = 10000;
constexpr int kOrders = 50000;

// An INSERT of a fixed column list, prepared once; values are given in the
// order of the columns.
class Inserter {
public:
    Inserter(data::Database& db, const QString& table, const QStringList& columns)
        : db_(db) {
        QStringList params;
        for (const QString& c : columns)
            params << u":"_s + c;
        insert_ = std::make_unique<data::Statement>(
            db, u"INSERT INTO %1 (%2) VALUES (%3)"_s.arg(table, columns.join(u", "_s), params.join(u", "_s)));
    }

    void add(std::initializer_list<QVariant> values) {
        const QVariant* next = values.begin();
        insert_->bind([&next](const QString&) { return *next++; });
        insert_->exec();
    }

    // The identity of the row added last.
    int lastId() {
        if (!identity_)
            identity_ = std::make_unique<data::Statement>(db_, db_.dialect().lastIdentitySql());
        identity_->exec();
        identity_->next();
        return identity_->value(0).toInt();
    }

private:
    data::Database& db_;
    std::unique_ptr<data::Statement> insert_;
    std::unique_ptr<data::Statement> identity_;
};

struct Family {
    const char* code;
    const char* thai;
    const char* eng;
    const char* ptype;
    const char* pgroup;
};

const Family kFamilies[] = {
    {"BRG", "ตลับลูกปืน", "Bearing", "SPARE", "BRG"},
    {"HYD", "อุปกรณ์ไฮดรอลิก", "Hydraulic component", "SPARE", "HYD"},
    {"PNU", "อุปกรณ์นิวแมติก", "Pneumatic component", "SPARE", "PNU"},
    {"SEN", "เซนเซอร์", "Sensor", "ELEC", "SEN"},
    {"DRV", "ชิ้นส่วนระบบส่งกำลัง", "Power transmission part", "SPARE", "DRV"},
    {"CUT", "เครื่องมือตัด", "Cutting tool", "TOOL", "CUT"},
    {"FST", "สกรูและน็อต", "Fastener", "SPARE", "FST"},
    {"LUB", "น้ำมันหล่อลื่น", "Lubricant", "CHEM", "LUB"},
    {"ELE", "อุปกรณ์ไฟฟ้า", "Electrical part", "ELEC", "ELE"},
    {"SPN", "อะไหล่เครื่องจักร", "Machine spare part", "SPARE", "MAC"},
};

const char* const kCountries[] = {"US", "DE", "IT", "JP", "CN", "SG", "TW"};
const char* const kCurrencyOf[] = {"USD", "EUR", "EUR", "JPY", "CNY", "USD", "USD"};
const double kBahtPer[] = {34.0, 39.5, 39.5, 0.224, 4.75, 34.0, 34.0};
const char* const kNameA[] = {"Global", "Pacific", "Atlas", "Northern", "Golden", "Precision",
                              "United", "Eastern", "Apex",  "Summit",   "Delta",  "Crown"};
const char* const kNameB[] = {"Machinery", "Industrial", "Bearing",     "Hydraulics", "Components",
                              "Tooling",   "Automation", "Engineering", "Trading",    "Supply"};
const char* const kNameC[] = {"Co., Ltd.", "Inc.", "GmbH", "S.p.A.", "Pte. Ltd.", "Corporation", "LLC"};
const char* const kThaiA[] = {"สยาม",   "ไทย",  "รุ่งเรือง", "เจริญ",    "มั่นคง",
                              "ก้าวหน้า", "ศรีสุข", "บางนา",  "แหลมทอง", "ทองดี"};
const char* const kThaiB[] = {"การช่าง",    "อินดัสทรี",  "เทรดดิ้ง",  "ซัพพลาย",
                              "เอ็นจิเนียริ่ง", "โลจิสติกส์", "เครื่องกล", "พาณิชย์"};

} // namespace

void loadLargeVolume(data::Database& db, int runYear) {
    if (runYear <= 0) // the company's own year
        runYear = db.scalar(u"SELECT RunYear FROM Config"_s).toInt();
    if (runYear <= 0)
        runYear = QDate::currentDate().year();
    QRandomGenerator rng(20260101u); // the same volume on every run
    data::Transaction tx(db);
    const QString y = u"Y"_s;
    const QString n = u"N"_s;
    const int vat = idOf(db, u"Tax"_s, u"V7"_s);
    const int zeroVat = idOf(db, u"Tax"_s, u"V0"_s);
    const int mainWh = idOf(db, u"Warehouse"_s, u"WH01"_s);
    const int importDept = miscId(db, u"DEPARTMENT"_s, u"IMP"_s);
    const int foreignGroup = idOf(db, u"VendorGroup"_s, u"FR-PART"_s);
    const int localGroup = idOf(db, u"VendorGroup"_s, u"LC-SUP"_s);
    const int bangkok = miscId(db, u"CITY"_s, u"BKK"_s);
    const QDate opened(runYear - 5, 1, 1);

    // Foreign vendors, then local ones.
    std::vector<int> vendorIds(kVendors);
    std::vector<int> vendorCountry(kVendors);
    {
        int countryIds[7];
        int currencyIds[7];
        for (int c = 0; c < 7; ++c) {
            countryIds[c] = miscId(db, u"COUNTRY"_s, u8(kCountries[c]));
            currencyIds[c] = miscId(db, u"CURRENCY"_s, u8(kCurrencyOf[c]));
        }
        Inserter foreign(db, u"FrVendor"_s,
                         {u"Code"_s, u"Name"_s, u"VendorGroup"_s, u"Country"_s, u"Currency"_s, u"Address1"_s,
                          u"Address3"_s, u"OpenAccount"_s, u"DueDays"_s, u"CreditLimit"_s, u"Blocked"_s});
        for (int i = 0; i < kVendors; ++i) {
            const int c = i % 7;
            vendorCountry[i] = c;
            const QString name = u"%1 %2 %3 %4"_s.arg(u8(kNameA[i % 12]), u8(kNameB[(i / 12) % 10]))
                                     .arg(i / 120 + 1)
                                     .arg(u8(kNameC[c]));
            foreign.add({u"FV"_s + QString::number(i + 1).rightJustified(5, u'0'), name, foreignGroup,
                         countryIds[c], currencyIds[c], u"%1 Industrial Road"_s.arg(100 + i % 900),
                         u8(kCountries[c]), opened.addDays(i % 1500), 30 + 15 * (i % 3), 0.0,
                         i % 250 == 0 ? y : n});
            vendorIds[i] = foreign.lastId();
        }
        Inserter local(db, u"Vendor"_s,
                       {u"Code"_s, u"Name"_s, u"VendorGroup"_s, u"TaxNumber"_s, u"TaxCode"_s, u"Address1"_s,
                        u"Province"_s, u"ZipCode"_s, u"OpenAccount"_s, u"DueDays"_s, u"CreditLimit"_s,
                        u"DirectVendor"_s, u"Blocked"_s, u"VendorImport"_s});
        for (int i = 0; i < kVendors; ++i)
            local.add(
                {u"LV"_s + QString::number(i + 1).rightJustified(5, u'0'),
                 u8("บริษัท %1%2 %3 จำกัด").arg(u8(kThaiA[i % 10]), u8(kThaiB[(i / 10) % 8])).arg(i / 80 + 1),
                 localGroup, u"01055"_s + QString::number(40000000 + i), vat,
                 u8("%1 ถนนสุขุมวิท").arg(i % 999 + 1), bangkok, u"10110"_s, opened.addDays(i % 1500), 30, 0.0,
                 n, n, i % 10 == 0 ? y : n});
    }

    // Products with their units and the vendor's part code of the box.
    std::vector<int> productIds(kProducts);
    std::vector<int> boxUnit(kProducts);
    std::vector<double> boxCost(kProducts);
    {
        int ptype[10];
        int pgroup[10];
        for (int f = 0; f < 10; ++f) {
            ptype[f] = miscId(db, u"PTYPE"_s, u8(kFamilies[f].ptype));
            pgroup[f] = miscId(db, u"PGROUP"_s, u8(kFamilies[f].pgroup));
        }
        Inserter product(db, u"Product"_s,
                         {u"Code"_s, u"ThaiName"_s, u"EngName"_s, u"ProductType"_s, u"PType"_s, u"PGroup"_s,
                          u"PriceIE"_s, u"PrintFrac"_s, u"UseSerial"_s, u"LotControl"_s, u"TaxCode"_s,
                          u"DefaultWh"_s, u"PriceByVolumn"_s, u"Blocked"_s, u"Negative"_s, u"ProductFree"_s,
                          u"MasterCode"_s});
        Inserter unit(db, u"ProductUnits"_s,
                      {u"Product"_s, u"UnitName"_s, u"Fraction"_s, u"BarCode"_s, u"PurcPrice"_s,
                       u"SaleFlag"_s, u"PurcFlag"_s, u"SmallUnitFlag"_s, u"StockUnitFlag"_s});
        Inserter part(
            db, u"PartSource"_s,
            {u"Product"_s, u"ProductUnits"_s, u"Vendor"_s, u"PurchaseCode"_s, u"PurchaseName"_s, u"Price"_s});
        const QString piece = u8("ชิ้น");
        const QString box = u8("กล่อง");
        const QString carton = u8("ลัง");
        for (int i = 0; i < kProducts; ++i) {
            const Family& f = kFamilies[i % 10];
            const QString model = u"%1-%2"_s.arg(u8(f.code)).arg(100001 + i);
            const int size = 5 + i % 95;
            product.add({model, u8("%1 รุ่น %2 ขนาด %3 มม.").arg(u8(f.thai), model).arg(size),
                         u"%1 %2 size %3 mm"_s.arg(u8(f.eng), model).arg(size), u"P"_s, ptype[i % 10],
                         pgroup[i % 10], u"E"_s, n, n, n, vat, mainWh, n, i % 500 == 0 ? y : n, n, n, n});
            const int id = product.lastId();
            productIds[i] = id;
            const double cost = round2(20.0 + rng.bounded(2000) * 1.25);
            const QString ean = u"885"_s + QString::number(i + 1).rightJustified(9, u'0');
            unit.add({id, piece, 1, ean + gtinCheckDigit(ean), cost, y, n, y, n});
            const QString boxCode = u"1"_s + ean;
            unit.add({id, box, 12, boxCode + gtinCheckDigit(boxCode), cost * 12, y, y, n, y});
            boxUnit[i] = unit.lastId();
            boxCost[i] = cost * 12;
            const QString cartonCode = u"2"_s + ean;
            unit.add({id, carton, 48, cartonCode + gtinCheckDigit(cartonCode), cost * 48, n, y, n, n});
            const int vendor = i % kVendors;
            part.add({id, boxUnit[i], vendorIds[vendor], u"VP-%1"_s.arg(200001 + i),
                      u"%1 %2"_s.arg(u8(f.eng), model).toUpper(),
                      round2(boxCost[i] / kBahtPer[vendorCountry[vendor]])});
        }
    }

    // Foreign orders of the run year, numbered on from the demo's orders.
    {
        const data::ParamList key{{u"Code"_s, u"FRPO-P"_s}, {u"DocYear"_s, runYear}};
        const QString prefix =
            db.scalar(u"SELECT Prefix FROM DocumentNo WHERE Code = :Code AND DocYear = :DocYear"_s, key)
                .toString();
        const int length =
            db.scalar(u"SELECT DocumentLength FROM DocumentNo WHERE Code = :Code AND DocYear = :DocYear"_s,
                      key)
                .toInt();
        qint64 counter =
            db.scalar(u"SELECT LastNo FROM DocumentNo WHERE Code = :Code AND DocYear = :DocYear"_s, key)
                .toLongLong();
        int currencyIds[7];
        for (int c = 0; c < 7; ++c)
            currencyIds[c] = miscId(db, u"CURRENCY"_s, u8(kCurrencyOf[c]));

        Inserter header(db, u"FrPoHd"_s,
                        {u"DelFlag"_s,  u"PoType"_s,     u"PoNo"_s,      u"PoDate"_s,   u"CanUseTax"_s,
                         u"FrVendor"_s, u"Department"_s, u"TaxCode"_s,   u"TaxRate"_s,  u"Price_IE"_s,
                         u"ShipDate"_s, u"CreditDays"_s, u"Reference"_s, u"NoTaxAmt"_s, u"TaxAmt"_s,
                         u"TaxTotal"_s, u"TaxCal"_s,     u"Total"_s,     u"Clear"_s,    u"Posted"_s,
                         u"Imported"_s, u"PaidType"_s,   u"Currency"_s,  u"Approved"_s, u"ProformaNo"_s});
        Inserter line(db, u"FrPoDt"_s,
                      {u"FrPoHd"_s, u"PoRecNo"_s, u"PoDate"_s, u"Product"_s, u"TaxCode"_s, u"TaxRate"_s,
                       u"ProductUnits"_s, u"ShipDate"_s, u"Warehouse"_s, u"Quantity"_s, u"Received"_s,
                       u"BackOrder"_s, u"Fraction"_s, u"Price"_s, u"Discount"_s, u"DiscountAmt"_s,
                       u"ProductAmount"_s, u"Total"_s, u"Clear"_s});
        struct Pick {
            int product;
            double quantity;
            double price;
        };
        std::vector<Pick> picks;
        const QDate first(runYear, 1, 1);
        const int days = first.daysTo(QDate(runYear, 12, 31)) + 1;
        for (int i = 0; i < kOrders; ++i) {
            const QDate date = first.addDays(qint64(i) * days / kOrders);
            const QDate ship = date.addDays(30);
            const int vendor = int(rng.bounded(kVendors));
            const int c = vendorCountry[vendor];
            picks.clear();
            double sum = 0;
            const int lines = 1 + int(rng.bounded(10));
            for (int l = 0; l < lines; ++l) {
                const int p = int(rng.bounded(kProducts));
                const double price = round2(boxCost[p] / kBahtPer[c]);
                const double quantity = 1 + rng.bounded(50);
                picks.push_back({p, quantity, price});
                sum += round2(quantity * price);
            }
            sum = round2(sum);
            header.add({i % 97 == 0 ? y : n,
                        u"P"_s,
                        formatDocumentNo(prefix, ++counter, length, u"FRPO-P"_s),
                        date,
                        y,
                        vendorIds[vendor],
                        importDept,
                        zeroVat,
                        0.0,
                        u"E"_s,
                        ship,
                        30,
                        QVariant(),
                        sum,
                        0.0,
                        0.0,
                        0.0,
                        sum,
                        n,
                        n,
                        n,
                        u"T"_s,
                        currencyIds[c],
                        i % 20 == 0 ? n : y,
                        u"PI-%1"_s.arg(700000 + i)});
            const int id = header.lastId();
            int recNo = 0;
            for (const Pick& p : picks) {
                const double total = round2(p.quantity * p.price);
                line.add({id, ++recNo, date, productIds[p.product], zeroVat, 0.0, boxUnit[p.product], ship,
                          mainWh, p.quantity, 0.0, p.quantity * 12, 12, p.price, QString(), 0.0, total, total,
                          n});
            }
        }
        db.execute(u"UPDATE DocumentNo SET LastNo = :LastNo WHERE Code = :Code AND DocYear = :DocYear"_s,
                   {{u"LastNo"_s, counter}, {u"Code"_s, u"FRPO-P"_s}, {u"DocYear"_s, runYear}});
    }
    tx.commit();
    db.execute(u"ANALYZE"_s);
}

} // namespace zelt::server
