// Import shipments: the import lots that gather the shipments and expenses
// of one consignment, the import documents with their lines and duty
// classes, and the expense payments booked against a lot. The landed cost of
// a lot is computed from these on screen; nothing of it is stored.

#include "server/schema/SchemaParts.h"

namespace zelt::server::schema {

using enum ColType;

std::vector<TableDef> importTables() {
    return {
        {
            // Active "Y": the lot may still be chosen. The lot "BEGIN" holds
            // the foreign bills brought forward from the previous year.
            .name = "ImportLotNo",
            .columns =
                {
                    {"Id", Id},
                    {"Code", Text, 30, true},
                    {"Description", Text, 250},
                    {"EffectiveDate", DateTime},
                    {"Active", Flag, 0, false, "'Y'"},
                },
            .indexes = {{"UX_ImportLotNo_Code", {"Code"}, true}},
        },
        {
            // One import document, or with BeginBalance "Y" one foreign bill
            // brought forward (a header without lines). Both are numbered
            // under the code "IMPORT"; a bill typed by hand may repeat the
            // number of an ordinary document, so the number is not unique.
            .name = "ImHd",
            .columns =
                {
                    {"ID", Id},
                    {"DelFlag", Flag, 0, false, "'N'"},
                    {"ImNo", Text, 20, true},
                    {"ImDate", Date},
                    {"ImportLotNo", Int},
                    {"Department", Int},
                    {"Project", Int},
                    {"FrPoHd", Int},
                    {"FrVendor", Int},
                    {"TransportNo", Text, 30}, // bill of lading
                    {"Currency", Int},         // Misc row of group CURRENCY
                    {"ExchangeRate", Float},   // kept to seven decimals and more
                    {"DueDate", Date},
                    {"Warehouse", Int},
                    {"Reference", Text, 100},
                    {"Remark", Text, 255},
                    {"Total", Num},
                    {"Clear", Flag, 0, false, "'N'"},
                    {"PaidAmount", Num, 0, false, "0"},
                    {"LotNo", Int},
                    {"Posted", Flag},
                    {"Imported", Flag},
                    {"BeginBalance", Flag, 0, false, "'N'"},
                },
            .indexes =
                {
                    {"IX_ImHd_ImNo", {"ImNo"}},
                    {"IX_ImHd_ImDate", {"ImDate"}},
                    {"IX_ImHd_ImportLotNo", {"ImportLotNo"}},
                    {"IX_ImHd_FrVendor", {"FrVendor"}},
                },
        },
        {
            // Goods of an import document, each in one duty class of the
            // document. Total is the amount in the document's currency; Cost
            // is left to the landed-cost computation.
            .name = "ImDt",
            .columns =
                {
                    {"ID", Id},
                    {"ImHd", Int, 0, true},
                    {"ImRecNo", Int},
                    {"ImDate", Date},
                    {"PoDt", Int}, // the foreign order line it came from (FrPoDt)
                    {"Product", Int},
                    {"ProductUnits", Int},
                    {"Warehouse", Int, 0, true},
                    {"LotNo", Int},
                    {"SerialNo", Int},
                    {"ImDuty", Int},
                    {"Quantity", Num},
                    {"Fraction", Int, 0, true},
                    {"Cost", Num, 0, false, "0"},
                    {"Total", Num},
                },
            .indexes =
                {
                    {"IX_ImDt_ImHd", {"ImHd"}},
                    {"IX_ImDt_Product", {"Product"}},
                    {"IX_ImDt_ImDuty", {"ImDuty"}},
                },
        },
        {
            // The duty classes of one import document, numbered 1..n, with
            // the duty paid for each.
            .name = "ImDuty",
            .columns =
                {
                    {"ID", Id},
                    {"ImHd", Int, 0, true},
                    {"DutyNo", Int},
                    {"Total", Num},
                },
            .indexes = {{"IX_ImDuty_ImHd", {"ImHd", "DutyNo"}}},
        },
        {
            // Payments of import expenses made by the foreign-payables module,
            // booked against an import lot.
            .name = "frmiscpdhd",
            .columns =
                {
                    {"id", Id},
                    {"pdno", Text, 20},
                    {"pddate", Date},
                    {"vendor", Int},
                    {"importlotno", Int},
                    {"delflag", Flag, 0, false, "'N'"},
                },
            .indexes = {{"IX_frmiscpdhd_importlotno", {"importlotno"}}},
        },
        {
            .name = "frmiscpddt",
            .columns =
                {
                    {"id", Id},
                    {"frmiscpdhd", Int, 0, true},
                    {"description", Text, 250},
                    {"paidamount", Num},
                    {"taxamount", Num},
                },
            .indexes = {{"IX_frmiscpddt_frmiscpdhd", {"frmiscpdhd"}}},
        },
    };
}

} // namespace zelt::server::schema
