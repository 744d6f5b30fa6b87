// Company settings of the demo: the Config row, tax codes, the general code
// table (Misc), exchange rates, document numbering, accounting periods and
// the report forms of every print code.

#include "server/demo/DemoSupport.h"

#include "platform/data/Database.h"

namespace zelt::server::demo {

namespace {

struct Code {
    const char* code;
    const char* description;
};

void addGroup(data::Database& db, const QString& group, std::initializer_list<Code> rows) {
    int order = 0;
    for (const Code& row : rows)
        insertRow(db, u"Misc"_s,
                  {{u"GroupCode"_s, group},
                   {u"Code"_s, u8(row.code)},
                   {u"Description"_s, u8(row.description)},
                   {u"OrderNo"_s, ++order},
                   {u"Blocked"_s, u"N"_s}});
}

void loadCodes(data::Database& db) {
    // The order of the groups matters: the product search and the bar-code
    // check read the price list of price type 19, the standard price, which
    // the suite keeps as the nineteenth code row of a new company.
    addGroup(db, u"CURRENCY"_s,
             {{"THB", "บาท"}, {"USD", "ดอลลาร์สหรัฐ"}, {"EUR", "ยูโร"}, {"JPY", "เยนญี่ปุ่น"}, {"CNY", "หยวนจีน"}});
    addGroup(db, u"DEPARTMENT"_s,
             {{"PUR", "ฝ่ายจัดซื้อ"},
              {"IMP", "ฝ่ายนำเข้าและส่งออก"},
              {"WH", "ฝ่ายคลังสินค้า"},
              {"ENG", "ฝ่ายวิศวกรรมและซ่อมบำรุง"},
              {"SAL", "ฝ่ายขาย"},
              {"ACC", "ฝ่ายบัญชีและการเงิน"}});
    // Sub types: the numbering codes "PO-P", "PO-S", "MR-S", "PC-S" and the
    // monthly "PO01-MP" ... "PO12-MP" are built from them.
    addGroup(db, u"SUBTYPE"_s,
             {{"P", "สั่งซื้อสินค้า"}, {"S", "ค่าบริการและค่าใช้จ่าย"}, {"MP", "สั่งซื้อสินค้า (เลขที่รายเดือน)"}});
    db.execute(u"UPDATE Misc SET AutoRunDocMonth = CASE WHEN Code = 'MP' THEN 'Y' ELSE 'N' END "
               u"WHERE GroupCode = 'SUBTYPE'"_s);
    addGroup(db, u"TRANSPORT"_s,
             {{"SEA", "ขนส่งทางเรือ"},
              {"AIR", "ขนส่งทางอากาศ"},
              {"TRUCK", "ขนส่งทางรถบรรทุก"},
              {"EXP", "บริษัทขนส่งด่วน (Courier)"}});
    addGroup(
        db, u"PRICETYPE"_s,
        {{"STD", "ราคามาตรฐาน"}, {"WHS", "ราคาขายส่ง"}, {"RTL", "ราคาขายปลีก"}, {"DLR", "ราคาตัวแทนจำหน่าย"}});
    addGroup(db, u"CITY"_s,
             {{"BKK", "กรุงเทพมหานคร"},
              {"SPK", "สมุทรปราการ"},
              {"NBI", "นนทบุรี"},
              {"PTE", "ปทุมธานี"},
              {"AYA", "พระนครศรีอยุธยา"},
              {"CBI", "ชลบุรี"},
              {"RYG", "ระยอง"},
              {"CMI", "เชียงใหม่"},
              {"KKN", "ขอนแก่น"},
              {"SKA", "สงขลา"}});
    // Countries of the foreign vendors.
    addGroup(db, u"COUNTRY"_s,
             {{"US", "สหรัฐอเมริกา"},
              {"DE", "เยอรมนี"},
              {"IT", "อิตาลี"},
              {"JP", "ญี่ปุ่น"},
              {"CN", "จีน"},
              {"SG", "สิงคโปร์"},
              {"TW", "ไต้หวัน"}});
    addGroup(
        db, u"PROCESS"_s,
        {{"CUT", "ตัด"}, {"MCH", "กลึงและกัดชิ้นงาน"}, {"WELD", "เชื่อม"}, {"PAINT", "พ่นสี"}, {"ASSY", "ประกอบ"}});
    addGroup(db, u"PTYPE"_s,
             {{"MACH", "เครื่องจักร"},
              {"SPARE", "อะไหล่และชิ้นส่วน"},
              {"TOOL", "เครื่องมือตัด"},
              {"CHEM", "น้ำมันและเคมีภัณฑ์"},
              {"ELEC", "อุปกรณ์ไฟฟ้า"},
              {"SERV", "ค่าบริการและค่าใช้จ่าย"}});
    addGroup(db, u"PGROUP"_s,
             {{"BRG", "ตลับลูกปืน"},
              {"HYD", "ไฮดรอลิก"},
              {"PNU", "นิวแมติก"},
              {"SEN", "เซนเซอร์และเครื่องวัด"},
              {"DRV", "ระบบส่งกำลัง"},
              {"CUT", "เครื่องมือตัด"},
              {"FST", "สกรูและน็อต"},
              {"LUB", "น้ำมันหล่อลื่น"},
              {"ELE", "อุปกรณ์ไฟฟ้า"},
              {"MAC", "เครื่องจักร"},
              {"IMX", "ค่าใช้จ่ายนำเข้า"}});
    addGroup(db, u"APP_PO"_s,
             {{"01", "วิภาวรรณ ศรีสุข (ผู้จัดการฝ่ายจัดซื้อ)"}, {"02", "ธนพล วงศ์ไพศาล (กรรมการผู้จัดการ)"}});
    addGroup(db, u"REM_PURC"_s,
             {{"01", "ส่งสินค้าทางเรือ FOB ท่าเรือต้นทาง"},
              {"02", "ราคา CIF ท่าเรือแหลมฉบัง"},
              {"03", "ชำระเงินโดยการโอน (T/T) ภายใน 30 วันนับจากวันที่ใน B/L"},
              {"04", "ชำระเงินโดยเปิด L/C at sight"},
              {"05", "กรุณาแนบ Invoice, Packing List และ Certificate of Origin (Form E)"},
              {"06", "ส่งสินค้าทางอากาศ ผ่านท่าอากาศยานสุวรรณภูมิ"}});
}

// Rates in baht for one unit of the currency; the yen is quoted per 100 yen
// (Scrap per Part), as Thai banks quote it. Every currency has a row on each
// date: the forms take the rates of the latest date of the whole table.
void loadRates(data::Database& db, int runYear) {
    struct Rate {
        const char* currency;
        double part;
        double buy;  // purchases: the bank's selling rate
        double sell; // sales: the bank's buying rate
    };
    const Rate rates[] = {
        {"THB", 1, 1.0, 1.0},       {"USD", 1, 33.92, 33.48}, {"EUR", 1, 39.65, 38.97},
        {"JPY", 100, 22.41, 21.86}, {"CNY", 1, 4.79, 4.62},
    };
    const QDate today = demoToday(runYear);
    const QDate dates[] = {firstOpenDay(runYear).addDays(-1), firstOpenDay(runYear), today.addDays(-1)};
    int step = 0;
    for (const QDate& date : dates) {
        // Rates move a little from one quotation to the next.
        const double drift = 1.0 + 0.004 * (step++ - 2);
        for (const Rate& r : rates) {
            const bool home = u8(r.currency) == u"THB"_s;
            const double buy = home ? 1.0 : r.buy * drift;
            const double sell = home ? 1.0 : r.sell * drift;
            insertRow(db, u"CurrencyEx"_s,
                      {{u"Currency"_s, miscId(db, u"CURRENCY"_s, u8(r.currency))},
                       {u"ExchangeDate"_s, date},
                       {u"PurcScrap"_s, buy},
                       {u"PurcPart"_s, r.part},
                       {u"PurcRate"_s, buy / r.part},
                       {u"SaleScrap"_s, sell},
                       {u"SalePart"_s, r.part},
                       {u"SaleRate"_s, sell / r.part}});
        }
    }
}

void loadConfigRow(data::Database& db, int runYear) {
    const QString y = u"Y"_s;
    const QString n = u"N"_s;
    insertRow(db, u"Config"_s,
              {{u"RunYear"_s, runYear},
               {u"MainCurrencyId"_s, miscId(db, u"CURRENCY"_s, u"THB"_s)},
               {u"MrRefPO"_s, n},
               {u"EditPricePO"_s, n},
               {u"OnhandDecimal"_s, 0},
               {u"UnitLeft"_s, u""_s},
               {u"UnitRight"_s, u""_s},
               {u"CheckUserWarehouseFlag"_s, n},
               {u"AutoGenGL"_s, n},
               {u"MasterDatabase"_s, n},
               {u"PO_Approved"_s, n}, // orders wait for the approval of a user with Approve_PO
               {u"PORQ_Approved"_s, y},
               {u"PORQ_ApprovedDT"_s, y},
               {u"PurchaseLastPriceOnly"_s, n},
               {u"PurchasePriceDecimal"_s, 4},
               {u"Purc_IE"_s, u"E"_s},
               {u"Default_IE"_s, u"E"_s},
               {u"LockInputProject"_s, n},
               {u"Islocation"_s, n},
               {u"SearchProductNo"_s, 1},
               {u"SearchProductMethod"_s, 1},
               {u"SearchWHShowStock"_s, y},
               {u"ShowLastSearch"_s, y},
               {u"DisplayFraction"_s, y},
               {u"UseCustomerLinkHead"_s, n},
               {u"purcunlockcredit"_s, u""_s}, // the credit limit warns, it does not stop
               {u"AUTORunDocMonth"_s, n}});
    insertRow(db, u"Tax"_s,
              {{u"Code"_s, u"V7"_s}, {u"Description"_s, u8("ภาษีมูลค่าเพิ่ม 7%")}, {u"Rate"_s, 7.0}});
    insertRow(
        db, u"Tax"_s,
        {{u"Code"_s, u"V0"_s}, {u"Description"_s, u8("ภาษีมูลค่าเพิ่ม 0% (ซื้อจากต่างประเทศ)")}, {u"Rate"_s, 0.0}});
    insertRow(db, u"Tax"_s,
              {{u"Code"_s, u"NV"_s}, {u"Description"_s, u8("ไม่อยู่ในระบบภาษีมูลค่าเพิ่ม")}, {u"Rate"_s, 0.0}});
}

// Numbering. Every number is 12 characters: a prefix of two letters, the two
// digits of the Buddhist year and a dash, then the counter filled with zeros
// ("FP69-0000001" is the first foreign order of 2569 = 2026). Codes that run
// per month carry the month in the prefix as well ("PM6903-00001").
struct Numbering {
    const char* code;
    const char* letters;
    const char* description;
    const char* docType;
};

const Numbering kNumbering[] = {
    {"FRPO-P", "FP", "ใบสั่งซื้อสินค้าต่างประเทศ", "FRPO"}, {"PO-P", "PP", "ใบสั่งซื้อสินค้า", "PO"},
    {"PO-S", "PS", "ใบสั่งซื้อบริการและค่าใช้จ่าย", "PO"},   {"MR-S", "MS", "ค่าใช้จ่ายในการนำเข้าเงินเชื่อ", "MR"},
    {"PC-S", "CS", "ค่าใช้จ่ายในการนำเข้าเงินสด", "PC"},  {"IMPORT", "IM", "ใบนำเข้าสินค้าจากต่างประเทศ", "IMPORT"},
};

constexpr int kDocumentLength = 12;

int addNumbering(data::Database& db, const QString& code, const QString& prefix, const QString& description,
                 const QString& docType, int year) {
    return insertRow(db, u"DocumentNo"_s,
                     {{u"Code"_s, code},
                      {u"Description"_s, description},
                      {u"Prefix"_s, prefix},
                      {u"LastNo"_s, 0},
                      {u"DocumentLength"_s, kDocumentLength},
                      {u"AutoRun"_s, u"Y"_s},
                      {u"DocYear"_s, year},
                      {u"DocType"_s, docType}});
}

void loadNumbering(data::Database& db, int runYear) {
    for (int year : {runYear, runYear + 1}) {
        const QString yy = buddhistYY(year);
        for (const Numbering& n : kNumbering) {
            const int id = addNumbering(db, u8(n.code), u8(n.letters) + yy + u"-"_s, u8(n.description),
                                        u8(n.docType), year);
            // The brought-forward bills look up "FRPO-" (no order type); it
            // shares the numbering of the foreign orders.
            if (u8(n.code) == u"FRPO-P"_s)
                insertRow(db, u"DocNoConvert"_s,
                          {{u"Code"_s, u"FRPO-"_s}, {u"DocYear"_s, year}, {u"DocumentNo"_s, id}});
        }
        for (int month = 1; month <= 12; ++month) {
            const QString mm = QString::number(month).rightJustified(2, u'0');
            addNumbering(db, u"PO%1-MP"_s.arg(mm), u"PM"_s + yy + mm + u"-"_s,
                         u8("ใบสั่งซื้อสินค้า (รายเดือน) เดือน ") + mm, u"PO"_s, year);
        }
    }
}

// Last year is closed, and so is this year up to the month before last:
// the previous and the current month stay open.
void loadPeriods(data::Database& db, int runYear) {
    const QDate open = firstOpenDay(runYear);
    for (int year = runYear - 1; year <= runYear + 1; ++year) {
        data::ParamList row{{u"accountyear"_s, year}};
        for (int m = 1; m <= 12; ++m) {
            const QDate start(year, m, 1);
            row.set(u"Start%1"_s.arg(m), start);
            row.set(u"Stop%1"_s.arg(m), start.addMonths(1).addDays(-1));
            row.set(u"Lock%1"_s.arg(m), start < open ? u"Y"_s : u"N"_s);
        }
        insertPlain(db, u"accountperiod"_s, row);
    }
}

void loadPrintForms(data::Database& db) {
    struct Form {
        const char* code;
        const char* description;
        const char* file;
        const char* procedure;
    };
    const Form forms[] = {
        {"FRPO-P", "ใบสั่งซื้อต่างประเทศ (Purchase Order)", "FRPO_P.zrp", "SP_PrintDocData"},
        {"FRPO-P", "ใบสั่งซื้อต่างประเทศ แสดงรหัสสินค้าของผู้ขาย", "FRPO_P_PART.zrp", ""},
        {"PO-P", "ใบสั่งซื้อสินค้า", "PO_P.zrp", ""},
        {"PO-S", "ใบสั่งซื้อบริการ", "PO_S.zrp", ""},
        {"PO-A", "ใบสั่งซื้อ", "PO_A.zrp", ""},
        {"PO-M", "ใบสั่งซื้อค่าใช้จ่ายเบ็ดเตล็ด", "PO_M.zrp", ""},
        {"MR-S", "ใบบันทึกค่าใช้จ่ายนำเข้า (เงินเชื่อ)", "MR_S.zrp", ""},
        {"PC-S", "ใบบันทึกค่าใช้จ่ายนำเข้า (เงินสด)", "PC_S.zrp", ""},
        {"IMPORT", "ใบนำเข้าสินค้าจากต่างประเทศ", "IMPORT.zrp", ""},
        {"IMPORT", "ใบรับสินค้านำเข้าเข้าคลัง", "IMPORT_WH.zrp", ""},
    };
    QString last;
    int order = 0;
    for (const Form& f : forms) {
        const QString code = u8(f.code);
        order = code == last ? order + 1 : 1;
        last = code;
        const QString procedure = u8(f.procedure);
        insertRow(db, u"SystemForm"_s,
                  {{u"FormOrderNo"_s, order},
                   {u"FormCode"_s, code},
                   {u"FormDesc"_s, u8(f.description)},
                   {u"FrfName"_s, u8(f.file)},
                   {u"SpName"_s, procedure.isEmpty() ? QVariant() : QVariant(procedure)},
                   {u"DocCode"_s, procedure.isEmpty() ? QVariant() : QVariant(code)},
                   {u"ShowPrintPreview"_s, u"Y"_s}});
    }
}

} // namespace

void loadDemoSettings(data::Database& db, int runYear) {
    loadCodes(db);
    loadConfigRow(db, runYear);
    loadRates(db, runYear);
    loadNumbering(db, runYear);
    loadPeriods(db, runYear);
    loadPrintForms(db);
    db.execute(u"INSERT INTO NullTable (Id) SELECT 0 WHERE NOT EXISTS (SELECT 1 FROM NullTable)"_s);
}

} // namespace zelt::server::demo
