// The demo company in the configuration database: the company with its
// database, three users and the six menu entries of this program.

#include "server/demo/DemoData.h"
#include "server/demo/DemoSupport.h"

#include "platform/data/Database.h"

namespace zelt::server {

using namespace demo;

namespace {

struct MenuEntry {
    const char* module;
    const char* caption;
    const char* captionEng;
};

// In this order: the menu program starts module FRPO as menu entry 1.
const MenuEntry kMenus[] = {
    {"FRPO", "สั่งซื้อจากต่างประเทศ", "Foreign Purchase Order"},
    {"IMPTRAN", "นำเข้าสินค้าจากต่างประเทศ", "Import Goods"},
    {"IMPBEGIN", "บิลค้างจ่ายต่างประเทศยกมาจากปีก่อน", "Foreign Bills Brought Forward"},
    {"IMEXPTRAN", "ค่าใช้จ่ายในการนำเข้าเงินเชื่อ", "Import Expenses on Credit"},
    {"IMEXCTRAN", "ค่าใช้จ่ายในการนำเข้าเงินสด", "Import Expenses in Cash"},
    {"IMPORTCOST", "ต้นทุนการนำเข้า", "Import Cost"},
};

// Rows given identities in an empty database must come out as the ids the
// menu program passes; anything else means the database was not empty.
void expectId(int id, int expected, const QString& what) {
    if (id != expected)
        throw data::DatabaseError(
            u"Demo data: %1 received the id %2 instead of %3; the configuration database is not empty"_s
                .arg(what)
                .arg(id)
                .arg(expected));
}

int addUser(data::Database& db, const QString& code, const QString& fullName, int language, bool approvePo,
            bool seeImport) {
    const QString yes = u"Y"_s;
    const QString no = u"N"_s;
    return insertRow(db, u"username"_s,
                     {{u"code"_s, code},
                      {u"fullname"_s, fullName},
                      {u"languageno"_s, language},
                      {u"EditSalePrice"_s, no},
                      {u"Approve_Quo"_s, no},
                      {u"Approve_SO"_s, no},
                      {u"Approve_IV"_s, no},
                      {u"Approve_PO"_s, approvePo ? yes : no},
                      {u"Approved_PORQ"_s, approvePo ? yes : no},
                      {u"ApproveTranWH"_s, no},
                      {u"ApproveTranBranch"_s, no},
                      {u"ApproveWorkOrder"_s, no},
                      {u"CanSeeCost"_s, seeImport ? yes : no},
                      {u"CanSeeSalePrice"_s, yes},
                      {u"CanModifyCusSale"_s, no},
                      {u"Approve_PreIs"_s, no},
                      {u"ApproveCustomerDropUse"_s, no},
                      {u"ApproveCustomerDropCredit"_s, no},
                      {u"CanModifyCredit"_s, no},
                      {u"CanSetProductBlock"_s, no},
                      {u"CanSetProductMinus"_s, no},
                      {u"CanSaleCreditOnReturnCheque"_s, no},
                      {u"UserSeeImport"_s, seeImport ? yes : no},
                      {u"UserSeeCost"_s, seeImport ? yes : no}});
}

void addRight(data::Database& db, int user, int menu, bool access, bool add, bool modify, bool remove) {
    auto flag = [](bool b) { return b ? u"Y"_s : u"N"_s; };
    insertPlain(db, u"UserRight"_s,
                {{u"UserId"_s, user},
                 {u"MenuId"_s, menu},
                 {u"Access_R"_s, flag(access)},
                 {u"Add_R"_s, flag(add)},
                 {u"Modify_R"_s, flag(modify)},
                 {u"Delete_R"_s, flag(remove)}});
}

} // namespace

void loadDemoConfig(data::Database& config, const QString& companyDatabase, const DemoOptions& options) {
    const int runYear = demoRunYear(options);
    data::Transaction tx(config);

    const int company = insertRow(
        config, u"Company"_s,
        {{u"Code"_s, u"DEMO"_s},
         {u"NameThai"_s, u8("บริษัท เดโม่ อินดัสเทรียล ซัพพลาย จำกัด")},
         {u"NameEng"_s, u"Demo Industrial Supply Co., Ltd."_s},
         {u"ShortName"_s, u8("เดโม่ อินดัสเทรียล")},
         {u"Address1"_s, u8("เลขที่ 1188/25 อาคารเดโม่ทาวเวอร์ ชั้น 9")},
         {u"Address2"_s, u8("ถนนบางนา-ตราด แขวงบางนาใต้")},
         {u"Address3"_s, u8("เขตบางนา")},
         {u"Address4"_s, u"1188/25 Demo Tower, 9th Floor, Bangna-Trad Road, Bangna, Bangkok 10260"_s},
         {u"Province"_s, u8("กรุงเทพมหานคร")},
         {u"Zip"_s, u"10260"_s},
         {u"Telephone"_s, u"0-2398-1188"_s},
         {u"Fax"_s, u"0-2398-1189"_s},
         {u"Email"_s, u"purchasing@demo-industrial.example"_s},
         {u"TaxNo"_s, u"0105558123456"_s},
         {u"RunYear"_s, runYear},
         {u"TaxBranchHead"_s, u"Y"_s},
         {u"TaxBranchCode"_s, u"00000"_s},
         {u"TaxBranchName"_s, u8("สำนักงานใหญ่")},
         {u"InstallDate"_s, QDate(runYear - 1, 1, 1)}});

    insertRow(config, u"DatabaseList"_s,
              {{u"Company"_s, company},
               {u"DatabaseName"_s, companyDatabase},
               {u"Description"_s, u8("ฐานข้อมูลบริษัทตัวอย่าง (DEMO)")},
               {u"YearNo"_s, runYear}});
    insertPlain(config, u"CompanyConfig"_s,
                {{u"Company"_s, company},
                 {u"PicturePath"_s, u"pictures"_s},
                 {u"Public_Price_IE"_s, u"E"_s},
                 {u"POS1_Price_IE"_s, u"I"_s},
                 {u"POS1_SumDetail"_s, u"N"_s}});

    for (int i = 0; i < int(std::size(kMenus)); ++i) {
        const int id = insertRow(config, u"Menu"_s,
                                 {{u"OrderNo"_s, i + 1},
                                  {u"Caption"_s, u8(kMenus[i].caption)},
                                  {u"CaptionEng"_s, u8(kMenus[i].captionEng)},
                                  {u"Command"_s, u"zelt-import"_s},
                                  {u"MenuOption"_s, u8(kMenus[i].module)},
                                  {u"Version"_s, 3}});
        expectId(id, i + 1, u"menu entry %1"_s.arg(u8(kMenus[i].module)));
    }

    // 1: the import department's purchasing officer, Thai screens, every right.
    // 2: an English-speaking colleague who works on orders but neither
    //    approves them nor sees the import vendors.
    // 3: a warehouse clerk with a login but no right to these modules.
    expectId(addUser(config, u"SUPAPORN"_s, u8("สุภาภรณ์ วงศ์สวัสดิ์ (จัดซื้อต่างประเทศ)"), 1, true, true), 1,
             u"user SUPAPORN"_s);
    expectId(addUser(config, u"JAMES"_s, u"James Whitfield (Purchasing)"_s, 2, false, false), 2,
             u"user JAMES"_s);
    expectId(addUser(config, u"SOMCHAI"_s, u8("สมชาย ใจดี (คลังสินค้า)"), 1, false, false), 3, u"user SOMCHAI"_s);

    for (int menu = 1; menu <= int(std::size(kMenus)); ++menu) {
        addRight(config, 1, menu, true, true, true, true);
        addRight(config, 2, menu, true, true, true, true);
    }
    // User 3 has a row for the order module that denies access, and none for
    // the others: both ways of having no right occur in practice.
    addRight(config, 3, 1, false, false, false, false);

    insertRow(config, u"softwareconfig"_s, {{u"DefaultDisc1"_s, 0.0}});
    tx.commit();
}

} // namespace zelt::server
