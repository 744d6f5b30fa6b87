// Tables of other modules of the suite that purchasing reads or writes:
// production (bills of materials, work orders and their finished goods),
// petty-cash accounts, the general ledger vouchers that posting creates, the
// user action log, the report forms registered per print code, and the
// one-row table that scratch data sets select from.

#include "server/schema/SchemaParts.h"

namespace zelt::server::schema {

using enum ColType;

std::vector<TableDef> suiteTables() {
    return {
        {
            .name = "BomHd",
            .columns =
                {
                    {"Id", Id},
                    {"Code", Text, 30, true},
                    {"Description", Text, 250},
                    {"Product", Int},
                },
            .indexes = {{"UX_BomHd_Code", {"Code"}, true}},
        },
        {
            // Work orders of production: a quantity of a finished good for a
            // customer; purchase orders may be raised for approved ones.
            .name = "WorkOrderHd",
            .columns =
                {
                    {"Id", Id},
                    {"DelFlag", Flag, 0, false, "'N'"},
                    {"WorkOrderNo", Text, 20, true},
                    {"WorkDate", Date},
                    {"FinishDate", Date},
                    {"BomHd", Int},
                    {"Model", Int}, // Misc row
                    {"Customer", Int},
                    {"SoHd", Int},
                    {"FinishedGoods", Int}, // Product
                    {"ProductUnits", Int},
                    {"Quantity", Num},
                    {"Warehouse", Int},
                    {"Remark", Text, 255},
                    {"Approved", Flag, 0, false, "'N'"},
                    {"Clear", Flag, 0, false, "'N'"},
                },
            .indexes =
                {
                    {"IX_WorkOrderHd_WorkOrderNo", {"WorkOrderNo"}},
                    {"IX_WorkOrderHd_FinishedGoods", {"FinishedGoods"}},
                },
        },
        {
            // Steps of a work order: the process (Misc row of group PROCESS)
            // and the material it uses.
            .name = "WorkOrderDt",
            .columns =
                {
                    {"Id", Id},
                    {"WorkOrderHd", Int, 0, true},
                    {"RecNo", Int},
                    {"Process", Int},
                    {"Product", Int},
                    {"ProductUnits", Int},
                    {"Quantity", Num},
                    {"Fraction", Int},
                },
            .indexes = {{"IX_WorkOrderDt_WorkOrderHd", {"WorkOrderHd"}}},
        },
        {
            // Finished goods reported against a work order.
            .name = "MFGFinishDt",
            .columns =
                {
                    {"Id", Id},
                    {"WorkOrderHd", Int, 0, true},
                    {"FinishDate", Date},
                    {"Product", Int},
                    {"ProductUnits", Int},
                    {"Quantity", Num},
                    {"Fraction", Int},
                },
            .indexes = {{"IX_MFGFinishDt_WorkOrderHd", {"WorkOrderHd", "Product"}}},
        },
        {
            // Petty-cash and advance accounts that cash purchases are paid
            // from.
            .name = "PrettyCash",
            .columns =
                {
                    {"Id", Id},
                    {"Code", Text, 20, true},
                    {"Description", Text, 250},
                },
            .indexes = {{"UX_PrettyCash_Code", {"Code"}, true}},
        },
        {
            // Ledger vouchers. A voucher posted from a document names it in
            // glfromdocid and glfromdocno, so that it can be removed again
            // when the document is deleted.
            .name = "glhd",
            .columns =
                {
                    {"id", Id},
                    {"glno", Text, 20},
                    {"gldate", Date},
                    {"glfromdoccode", Text, 20},
                    {"glfromdocid", Int},
                    {"glfromdocno", Text, 20},
                    {"description", Text, 250},
                    {"total", Num},
                    {"userid", Int},
                    {"createdate", DateTime},
                },
            .indexes =
                {
                    {"IX_glhd_glfromdoc", {"glfromdocid", "glfromdocno"}},
                    {"IX_glhd_gldate", {"gldate"}},
                },
        },
        {
            .name = "gldt",
            .columns =
                {
                    {"id", Id},
                    {"glhd", Int, 0, true},
                    {"recno", Int},
                    {"accountcode", Text, 30},
                    {"description", Text, 250},
                    {"debit", Num, 0, false, "0"},
                    {"credit", Num, 0, false, "0"},
                },
            .indexes = {{"IX_gldt_glhd", {"glhd"}}},
        },
        {
            // The document a report is being printed for, recorded by the
            // print-data procedure so that the report's statements can join it.
            .name = "PrintData",
            .columns =
                {
                    {"Id", Id},
                    {"DocCode", Text, 20},
                    {"DocNo", Text, 30},
                    {"DocYear", Int},
                    {"PrintDate", DateTime},
                },
            .indexes = {{"IX_PrintData_Doc", {"DocCode", "DocNo", "DocYear"}}},
        },
        {
            // What each user did to which document: add 1, edit 2, delete 3,
            // print 5, preview 10.
            .name = "UserLog",
            .columns =
                {
                    {"Id", Id},
                    {"LogDate", DateTime},
                    {"UserId", Int},
                    {"MenuId", Int},
                    {"FunctionListId", Int},
                    {"DocumentId", Int},
                    {"Remark", Text, 255},
                },
            .indexes =
                {
                    {"IX_UserLog_LogDate", {"LogDate"}},
                    {"IX_UserLog_DocumentId", {"DocumentId"}},
                },
        },
        {
            // Report forms per print code, listed in FormOrderNo order. A file
            // name containing "fr3" is a form of the print-form library;
            // SpName prepares the report's data before it runs.
            .name = "SystemForm",
            .columns =
                {
                    {"Id", Id},
                    {"FormOrderNo", Int},
                    {"FormCode", Text, 20, true},
                    {"FormDesc", Text, 100},
                    {"FrfName", Text, 250},
                    {"SpName", Text, 60},
                    {"DocCode", Text, 20},
                    {"DocParaName", Text, 60},
                    {"ShowPrintPreview", Flag, 0, false, "'N'"},
                },
            .indexes = {{"IX_SystemForm_FormCode", {"FormCode", "FormOrderNo"}}},
        },
        {
            // Holds exactly one row with Id 0, for scratch data sets.
            .name = "NullTable",
            .columns =
                {
                    {"Id", Int, 0, true},
                },
            .indexes = {},
            .primaryKey = {"Id"},
        },
    };
}

} // namespace zelt::server::schema
