// The demo company's vendors: foreign manufacturers and traders in six
// countries, local suppliers, and the freight forwarders, customs broker,
// insurer and customs office an import department pays.

#include "server/demo/DemoSupport.h"

#include "platform/data/Database.h"

namespace zelt::server::demo {

namespace {

struct Group {
    const char* code;
    const char* description;
    const char* tax;
};

const Group kGroups[] = {
    {"FR-MACH", "ผู้ขายต่างประเทศ - เครื่องจักร", "V0"},
    {"FR-PART", "ผู้ขายต่างประเทศ - อะไหล่และวัสดุ", "V0"},
    {"LC-SUP", "ผู้ขายในประเทศ - สินค้า", "V7"},
    {"LC-LOG", "ผู้ให้บริการขนส่งและพิธีการนำเข้า", "V7"},
    {"LC-INS", "บริษัทประกันภัย", "V7"},
    {"LC-GOV", "หน่วยงานราชการ", "NV"},
};

struct ForeignVendor {
    const char* code;
    const char* name;
    const char* group;
    const char* country;
    const char* currency;
    const char* address1;
    const char* address2;
    const char* address3;
    const char* phone;
    const char* email;
    int dueDays;
    double creditLimit;
    bool blocked;
};

const ForeignVendor kForeign[] = {
    {"US-MWH", "Midwest Hydraulics Inc.", "FR-PART", "US", "USD", "2450 West Fulton Street",
     "Chicago, IL 60612", "United States of America", "+1 312 555 0147", "export@midwesthydraulics.example",
     30, 150000, false},
    {"US-PPT", "Pacific Precision Tools LLC", "FR-PART", "US", "USD", "8800 SW Nimbus Avenue",
     "Beaverton, OR 97008", "United States of America", "+1 503 555 0182", "sales@pacificprecision.example",
     45, 80000, false},
    {"DE-RAT", "Rheinland Antriebstechnik GmbH", "FR-MACH", "DE", "EUR", "Heerdter Landstraße 193",
     "40549 Düsseldorf", "Germany", "+49 211 555 3410", "export@rheinland-antrieb.example", 60, 200000,
     false},
    {"DE-SWS", "Schwarzwald Sensorik GmbH & Co. KG", "FR-PART", "DE", "EUR", "Hanferstraße 28",
     "79108 Freiburg", "Germany", "+49 761 555 2200", "international@sw-sensorik.example", 30, 60000, false},
    {"IT-OML", "Officine Meccaniche Lombarde S.p.A.", "FR-MACH", "IT", "EUR", "Via Gallarate 205",
     "20151 Milano MI", "Italy", "+39 02 555 8831", "export@oml-spa.example", 60, 250000, false},
    {"JP-NKS", "Nakamura Seiko Co., Ltd.", "FR-MACH", "JP", "JPY", "3-12-8 Kitahama, Chuo-ku",
     "Osaka 541-0041", "Japan", "+81 6 5550 7712", "overseas@nakamura-seiko.example", 60, 30000000, false},
    {"JP-TKB", "Tokai Bearing Industries Ltd.", "FR-PART", "JP", "JPY", "1-25-3 Meieki-Minami, Nakamura-ku",
     "Nagoya 450-0003", "Japan", "+81 52 555 4480", "trade@tokai-bearing.example", 45, 15000000, false},
    {"CN-NDP", "Ningbo Donghai Pneumatic Components Co., Ltd.", "FR-PART", "CN", "CNY",
     "No. 88 Xingci 1st Road, Hangzhou Bay New Zone", "Ningbo, Zhejiang 315336", "China", "+86 574 5558 1206",
     "sales@donghai-pneumatic.example", 30, 500000, false},
    {"CN-SZL", "Shenzhen Lianfa Electrical Co., Ltd.", "FR-PART", "CN", "CNY",
     "Building 5, Huafeng Industrial Park", "Bao'an District, Shenzhen 518101", "China", "+86 755 5552 9013",
     "export@lianfa-electric.example", 15, 300000, false},
    {"SG-SIS", "Straits Industrial Supply Pte. Ltd.", "FR-PART", "SG", "USD", "21 Tuas South Avenue 7",
     "Singapore 637597", "Singapore", "+65 6555 3390", "orders@straits-industrial.example", 30, 100000,
     false},
    // A former supplier, kept for its old orders.
    {"TW-HCM", "Hsinchu Machinery Trading Co.", "FR-MACH", "TW", "USD", "No. 12 Gongye East 4th Road",
     "Hsinchu Science Park 300", "Taiwan", "+886 3 555 6610", "trading@hcm-tw.example", 30, 0, true},
};

struct LocalVendor {
    const char* code;
    const char* name;
    const char* group;
    const char* taxNumber;
    const char* address1;
    const char* address2;
    const char* address3;
    const char* city;
    const char* zip;
    const char* phone;
    const char* contact;
    int dueDays;
    double creditLimit;
    bool import; // a service of the import: hidden from users who may not see imports
    bool blocked;
};

const LocalVendor kLocal[] = {
    {"V-SMS", "บริษัท สยามแมชชีนเนอรี่ ซัพพลาย จำกัด", "LC-SUP", "0105547012345", "88/12 หมู่ 5 ถนนเทพารักษ์",
     "ตำบลบางเสาธง อำเภอบางเสาธง", "", "SPK", "10570", "0-2315-4411", "คุณประเสริฐ มั่นคง", 30, 500000, false,
     false},
    {"V-CCK", "ห้างหุ้นส่วนจำกัด ช.เจริญการช่าง", "LC-SUP", "0103542009876", "215 ถนนสุขุมวิท",
     "ตำบลบ้านสวน อำเภอเมืองชลบุรี", "", "CBI", "20000", "038-271-556", "คุณชาญ เจริญผล", 15, 100000, false, false},
    {"V-TLB", "บริษัท ไทยลูบริแคนท์ แอนด์ เคมีคอล จำกัด", "LC-SUP", "0105551034567", "99/9 ถนนพระราม 2", "แขวงแสมดำ",
     "เขตบางขุนเทียน", "BKK", "10150", "0-2416-8800", "คุณนภา แก้วมณี", 30, 0, false, false},
    {"F-LCS", "บริษัท แหลมฉบัง ชิปปิ้ง แอนด์ โลจิสติกส์ จำกัด", "LC-LOG", "0205553045678", "189/7 หมู่ 3 ตำบลทุ่งสุขลา",
     "อำเภอศรีราชา", "", "CBI", "20230", "038-401-225", "คุณวีระพงษ์ ทองดี", 30, 300000, true, false},
    {"F-SAC", "บริษัท สุวรรณภูมิ แอร์ คาร์โก้ เอ็กซ์เพรส จำกัด", "LC-LOG", "0115556023456",
     "555 อาคารคลังสินค้า ท่าอากาศยานสุวรรณภูมิ", "ตำบลหนองปรือ อำเภอบางพลี", "", "SPK", "10540", "0-2134-5678",
     "คุณอรอุมา สายสุวรรณ", 30, 200000, true, false},
    {"C-TCB", "บริษัท ไทยคัสตอมส์ โบรกเกอร์ จำกัด", "LC-LOG", "0105549067890", "1 ถนนสุนทรโกษา", "แขวงคลองเตย",
     "เขตคลองเตย", "BKK", "10110", "0-2249-3300", "คุณสมศักดิ์ ชิปปิ้ง", 15, 100000, true, false},
    {"I-SKI", "บริษัท ศรีกรุง ประกันภัย จำกัด (มหาชน)", "LC-INS", "0107537001234", "2000 ถนนเพชรบุรีตัดใหม่",
     "แขวงบางกะปิ", "เขตห้วยขวาง", "BKK", "10310", "0-2666-1234", "ฝ่ายประกันภัยขนส่งสินค้า", 30, 0, true, false},
    {"G-CUS", "กรมศุลกากร", "LC-GOV", "0994000165617", "1 ถนนสุนทรโกษา", "แขวงคลองเตย", "เขตคลองเตย", "BKK",
     "10110", "1164", "", 0, 0, true, false},
    {"V-BNT", "บริษัท บางนา ทรานสปอร์ต จำกัด", "LC-LOG", "0105550078901", "45/3 หมู่ 12 ถนนบางนา-ตราด กม. 19",
     "ตำบลบางโฉลง อำเภอบางพลี", "", "SPK", "10540", "0-2312-7700", "คุณบุญมี ขนส่ง", 30, 50000, true, false},
    // Closed its business; kept for its old documents.
    {"V-OLD", "บริษัท เก่าแก่ เทรดดิ้ง จำกัด", "LC-SUP", "0105538099999", "12 ถนนเจริญกรุง", "แขวงตลาดน้อย",
     "เขตสัมพันธวงศ์", "BKK", "10100", "0-2234-0000", "", 30, 0, false, true},
};

} // namespace

void loadDemoParties(data::Database& db, int runYear) {
    for (const Group& g : kGroups)
        insertRow(db, u"VendorGroup"_s,
                  {{u"Code"_s, u8(g.code)},
                   {u"Description"_s, u8(g.description)},
                   {u"TaxCode"_s, idOf(db, u"Tax"_s, u8(g.tax))}});

    const QDate opened(runYear - 3, 4, 1);
    int n = 0;
    for (const ForeignVendor& v : kForeign) {
        insertRow(db, u"FrVendor"_s,
                  {{u"Code"_s, u8(v.code)},
                   {u"Name"_s, u8(v.name)},
                   {u"VendorGroup"_s, idOf(db, u"VendorGroup"_s, u8(v.group))},
                   {u"Country"_s, miscId(db, u"COUNTRY"_s, u8(v.country))},
                   {u"Currency"_s, miscId(db, u"CURRENCY"_s, u8(v.currency))},
                   {u"Address1"_s, u8(v.address1)},
                   {u"Address2"_s, u8(v.address2)},
                   {u"Address3"_s, u8(v.address3)},
                   {u"PhoneNo"_s, u8(v.phone)},
                   {u"Email"_s, u8(v.email)},
                   {u"OpenAccount"_s, opened.addMonths(n++ * 3)},
                   {u"DueDays"_s, v.dueDays},
                   {u"CreditLimit"_s, v.creditLimit},
                   {u"Blocked"_s, v.blocked ? u"Y"_s : u"N"_s}});
    }

    n = 0;
    for (const LocalVendor& v : kLocal) {
        const int groupId = idOf(db, u"VendorGroup"_s, u8(v.group));
        const QVariant tax =
            db.scalar(u"SELECT TaxCode FROM VendorGroup WHERE Id = :Id"_s, {{u"Id"_s, groupId}});
        const QString address3 = u8(v.address3);
        const int id = insertRow(db, u"Vendor"_s,
                                 {{u"Code"_s, u8(v.code)},
                                  {u"Name"_s, u8(v.name)},
                                  {u"VendorGroup"_s, groupId},
                                  {u"TaxNumber"_s, u8(v.taxNumber)},
                                  {u"TaxCode"_s, tax},
                                  {u"Address1"_s, u8(v.address1)},
                                  {u"Address2"_s, u8(v.address2)},
                                  {u"Address3"_s, address3.isEmpty() ? QVariant() : QVariant(address3)},
                                  {u"Province"_s, miscId(db, u"CITY"_s, u8(v.city))},
                                  {u"ZipCode"_s, u8(v.zip)},
                                  {u"PhoneNo"_s, u8(v.phone)},
                                  {u"OpenAccount"_s, opened.addMonths(n++ * 2)},
                                  {u"DueDays"_s, v.dueDays},
                                  {u"CreditLimit"_s, v.creditLimit},
                                  {u"DirectVendor"_s, u"N"_s},
                                  {u"Blocked"_s, v.blocked ? u"Y"_s : u"N"_s},
                                  {u"VendorImport"_s, v.import ? u"Y"_s : u"N"_s}});
        if (*v.contact)
            insertRow(db, u"vendorcontact"_s,
                      {{u"Vendor"_s, id}, {u"Name"_s, u8(v.contact)}, {u"PhoneNo"_s, u8(v.phone)}});
        // An opening balance for the credit check of the payables.
        if (v.creditLimit > 0)
            insertPlain(db, u"VendorBalance"_s,
                        {{u"Vendor"_s, id},
                         {u"BalanceYear"_s, runYear},
                         {u"Balance"_s, v.creditLimit * 0.35},
                         {u"ChqDue"_s, 0.0},
                         {u"ChqRtd"_s, 0.0}});
    }
}

} // namespace zelt::server::demo
