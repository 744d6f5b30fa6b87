// Tables of the configuration database, shared by every company of the suite:
// the companies and the databases they work in, the users with their rights
// per menu entry, the menu entries themselves, the error log and the suite's
// software settings.

#include "server/schema/SchemaParts.h"

namespace zelt::server::schema {

using enum ColType;

std::vector<TableDef> configDatabaseTables() {
    return {
        {
            .name = "Company",
            .columns =
                {
                    {"Id", Id},
                    {"Code", Text, 20, true},
                    {"Password", Text, 30},
                    {"NameThai", Text, 250},
                    {"NameEng", Text, 250},
                    {"ShortName", Text, 60},
                    {"Address1", Text, 250},
                    {"Address2", Text, 250},
                    {"Address3", Text, 250},
                    {"Address4", Text, 250},
                    {"Province", Text, 100},
                    {"Zip", Text, 10},
                    {"Telephone", Text, 100},
                    {"Fax", Text, 100},
                    {"Email", Text, 100},
                    {"Logo", Blob},
                    {"TaxNo", Text, 20},
                    {"RunYear", Int},
                    {"FundName", Text, 250},
                    // Head office ("Y") or a branch, with the branch's number
                    // and name as printed on tax invoices.
                    {"TaxBranchHead", Flag},
                    {"TaxBranchCode", Text, 10},
                    {"TaxBranchName", Text, 100},
                    {"InstallDate", Date},
                    {"LocalServer", Text, 100},
                },
            .indexes = {{"UX_Company_Code", {"Code"}, true}},
        },
        {
            // One row of defaults per company, read together with the company.
            .name = "CompanyConfig",
            .columns =
                {
                    {"Company", Int, 0, true},
                    {"PicturePath", Text, 250},
                    {"Public_Price_IE", Flag},
                    {"DefaultWh", Int},
                    {"POS1_Wh", Int},
                    {"POS1_TaxCode", Int},
                    {"POS1_Price_IE", Flag},
                    {"POS1_PriceType", Int},
                    {"POS1_SumDetail", Flag},
                    {"DefaultPosComPort", Text, 20},
                    {"DefaultTax", Int},
                    {"DefaultPosMenuId", Int},
                },
            .indexes = {},
            .primaryKey = {"Company"},
        },
        {
            // The databases a company works in; the program is started with
            // the database name and finds its company here.
            .name = "DatabaseList",
            .columns =
                {
                    {"Id", Id},
                    {"Company", Int, 0, true},
                    {"DatabaseName", Text, 100, true},
                    {"Description", Text, 250},
                    {"YearNo", Int},
                },
            .indexes =
                {
                    {"UX_DatabaseList_DatabaseName", {"DatabaseName"}, true},
                    {"IX_DatabaseList_Company", {"Company"}},
                },
        },
        {
            // Entries of the suite's menu program. Version 3 marks the entries
            // of the current generation of modules.
            .name = "Menu",
            .columns =
                {
                    {"Id", Id},
                    {"ParentId", Int},
                    {"OrderNo", Int},
                    {"Caption", Text, 100},
                    {"CaptionEng", Text, 100},
                    {"Command", Text, 250},
                    {"MenuOption", Text, 100},
                    {"Version", Int},
                },
            .indexes = {},
        },
        {
            // Users of the suite. The right columns are the user's general
            // permissions; rights per menu entry are in UserRight.
            .name = "username",
            .columns =
                {
                    {"id", Id},
                    {"code", Text, 30, true},
                    {"password", Text, 60},
                    {"fullname", Text, 100},
                    {"languageno", Int}, // 1 Thai, anything else English
                    {"SalesId", Int},    // the salesman the user sells as
                    {"EditSalePrice", Flag},
                    {"Approve_Quo", Flag},
                    {"Approve_SO", Flag},
                    {"Approve_IV", Flag},
                    {"Approve_PO", Flag},
                    {"Approved_PORQ", Flag},
                    {"ApproveTranWH", Flag},
                    {"ApproveTranBranch", Flag},
                    {"ApproveWorkOrder", Flag},
                    {"CanSeeCost", Flag},
                    {"CanSeeSalePrice", Flag},
                    {"CanModifyCusSale", Flag},
                    {"Approve_PreIs", Flag},
                    {"ApproveCustomerDropUse", Flag},
                    {"ApproveCustomerDropCredit", Flag},
                    {"CanModifyCredit", Flag},
                    {"CanSetProductBlock", Flag},
                    {"CanSetProductMinus", Flag},
                    {"CanSaleCreditOnReturnCheque", Flag},
                    {"UserSeeImport", Flag}, // may see import vendors and their documents
                    {"UserSeeCost", Flag},
                },
            .indexes = {{"UX_username_code", {"code"}, true}},
        },
        {
            // What a user may do in one menu entry: open it, add, modify and
            // delete documents ("Y" grants).
            .name = "UserRight",
            .columns =
                {
                    {"UserId", Int, 0, true},
                    {"MenuId", Int, 0, true},
                    {"Access_R", Flag},
                    {"Add_R", Flag},
                    {"Modify_R", Flag},
                    {"Delete_R", Flag},
                },
            .indexes = {{"IX_UserRight_MenuId", {"MenuId"}}},
            .primaryKey = {"UserId", "MenuId"},
        },
        {
            // Every error a workstation reported, with where it happened.
            .name = "errorlog",
            .columns =
                {
                    {"Id", Id},
                    {"LogDate", DateTime},
                    {"CompName", Text, 100},
                    {"LogName", Text, 100},
                    {"UserId", Int},
                    {"MenuId", Int},
                    {"ErrorMsg", Memo},
                },
            .indexes = {{"IX_errorlog_LogDate", {"LogDate"}}},
        },
        {
            // One row of settings of the suite's software.
            .name = "softwareconfig",
            .columns =
                {
                    {"Id", Id}, {"DefaultDisc1", Num}, // first discount percent of a copied receipt
                },
            .indexes = {},
        },
    };
}

} // namespace zelt::server::schema
