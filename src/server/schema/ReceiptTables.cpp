// Credit receipts (MrHd/MrDt) and cash purchases (PcHd/PcDt), the deposits
// a credit receipt deducts, and the payment documents of the payables module
// that settle receipts.
//
// MrType/PcType is the kind of the document ("S" import expenses and other
// services). A receipt booked against an import lot names it in ImportLotNo;
// the import cost of that lot adds the receipt's total. Numbers are kept by
// cancelled documents; a number is not unique by itself (a receipt of another
// kind, or one that does not cut stock, may carry it too).

#include "server/schema/SchemaParts.h"

namespace zelt::server::schema {

using enum ColType;

std::vector<TableDef> receiptTables() {
    return {
        {
            .name = "MrHd",
            .columns =
                {
                    {"ID", Id},
                    {"DelFlag", Flag, 0, false, "'N'"},
                    {"MrType", Flag, 0, true},
                    {"MrNo", Text, 20, true},
                    {"MrDate", Date},
                    {"ImportLotNo", Int},
                    {"MrTaxNo", Text, 30}, // the vendor's tax invoice
                    {"MrTaxDate", Date},
                    {"MrPrintTaxDate", Date}, // date of the purchase-tax report
                    {"Department", Int},
                    {"Project", Int},
                    {"PoHd", Int}, // the purchase order the whole receipt takes
                    {"Vendor", Int, 0, true},
                    {"TaxCode", Int},
                    {"TaxRate", Num},
                    {"Price_IE", Flag},
                    {"DueDays", Int},
                    {"DueDate", Date},
                    {"Warehouse", Int},
                    {"Reference", Text, 100},
                    {"Remark", Text, 255},
                    {"NoTaxAmt", Num},
                    {"TaxAmt", Num},
                    {"TaxCal", Num},
                    {"TaxTotal", Num},
                    {"SoHd", Int},
                    {"Total", Num},
                    {"DiscName1", Text, 50},
                    {"DiscName2", Text, 50},
                    {"DiscName3", Text, 50},
                    {"DiscRate1", Num},
                    {"DiscRate2", Num},
                    {"DiscRate3", Num},
                    {"DiscAmt1", Num},
                    {"DiscAmt2", Num},
                    {"DiscAmt3", Num},
                    {"Clear", Flag, 0, false, "'N'"}, // "N" unpaid, "P" partly, "Y" paid
                    {"CanUseTax", Flag},
                    {"PaidAmount", Num, 0, false, "0"},
                    {"LotNo", Int},
                    {"Posted", Flag},
                    {"Imported", Flag},
                    {"BeginBalance", Flag},
                    {"Transfer", Flag},
                    {"Prepaid", Int},
                    {"PrepaidAmount", Num, 0, false, "0"}, // deposits deducted
                    {"SubType", Text, 20},
                    {"NotCutStock", Flag, 0, false, "'N'"},
                    {"Printed", Flag, 0, false, "'N'"},
                    {"CurrencyId", Int},
                    {"Rate", Num},
                    {"Scrap", Num},
                    {"Part", Num},
                },
            .indexes =
                {
                    {"IX_MrHd_MrNo", {"MrNo", "MrType"}},
                    {"IX_MrHd_MrDate", {"MrDate"}},
                    {"IX_MrHd_Vendor", {"Vendor"}},
                    {"IX_MrHd_ImportLotNo", {"ImportLotNo"}},
                    {"IX_MrHd_PoHd", {"PoHd"}},
                    {"IX_MrHd_MrTaxNo", {"MrTaxNo"}},
                    {"MrHdIndexNotCutStock", {"NotCutStock"}},
                },
        },
        {
            // Cost is the line's share of the document's amount without tax.
            .name = "MrDt",
            .columns =
                {
                    {"ID", Id},
                    {"MrHd", Int, 0, true},
                    {"MrRecNo", Int},
                    {"MrDate", Date},
                    {"PoDt", Int, 0, false, "0"}, // the order line it receives
                    {"Product", Int},
                    {"ProductUnits", Int},
                    {"Fraction", Int, 0, true},
                    {"TaxCode", Int},
                    {"TaxRate", Num},
                    {"Warehouse", Int},
                    {"LotNo", Int},
                    {"SerialNo", Int},
                    {"Quantity", Num},
                    {"QWeightSize", Num},
                    {"Price", Num, 0, true},
                    {"Discount", Text, 30},
                    {"DiscountAmt", Num},
                    {"ProductAmount", Num},
                    {"Total", Num},
                    {"Cost", Num},
                    {"MemoLine", Memo},
                    {"MemoLine2", Memo},
                    {"PrintPackageAs", Text, 40},
                    {"project", Int},
                    {"ProjectItemHd", Int},
                    {"workorderhd", Int},
                    {"processid", Int},
                    {"MrDtB", Int}, // the receipt line a stock-cutting line draws from
                },
            .indexes =
                {
                    {"IX_MrDt_MrHd", {"MrHd"}},
                    {"IX_MrDt_Product", {"Product"}},
                    {"IX_MrDt_ProductUnits", {"ProductUnits"}},
                    {"IX_MrDt_PoDt", {"PoDt"}},
                    {"MrDtIndexMrDtB", {"MrDtB"}},
                },
        },
        {
            // Cash purchases: as receipts, paid at once (no due date, no paid
            // state), possibly from a petty-cash account.
            .name = "PcHd",
            .columns =
                {
                    {"ID", Id},
                    {"DelFlag", Flag, 0, false, "'N'"},
                    {"PcType", Flag, 0, true},
                    {"PcNo", Text, 20, true},
                    {"PcDate", Date},
                    {"ImportLotNo", Int},
                    {"PcTaxNo", Text, 30},
                    {"PcTaxDate", Date},
                    {"PcPrintTaxDate", Date},
                    {"Department", Int},
                    {"Project", Int},
                    {"PoHd", Int},
                    {"Vendor", Int, 0, true},
                    {"PrettyCash", Int},
                    {"TaxCode", Int},
                    {"TaxRate", Num},
                    {"Price_IE", Flag},
                    {"Warehouse", Int},
                    {"Reference", Text, 100},
                    {"Remark", Text, 255},
                    {"NoTaxAmt", Num},
                    {"TaxAmt", Num},
                    {"TaxCal", Num},
                    {"TaxTotal", Num},
                    {"SoHd", Int},
                    {"Total", Num},
                    {"DiscName1", Text, 50},
                    {"DiscName2", Text, 50},
                    {"DiscName3", Text, 50},
                    {"DiscRate1", Num},
                    {"DiscRate2", Num},
                    {"DiscRate3", Num},
                    {"DiscAmt1", Num},
                    {"DiscAmt2", Num},
                    {"DiscAmt3", Num},
                    {"CanUseTax", Flag},
                    {"LotNo", Int},
                    {"Posted", Flag},
                    {"Imported", Flag},
                    {"BeginBalance", Flag},
                    {"Transfer", Flag},
                    {"Prepaid", Int},
                    {"PrepaidAmount", Num, 0, false, "0"},
                    {"SubType", Text, 20},
                    {"NotCutStock", Flag, 0, false, "'N'"},
                    {"Printed", Flag, 0, false, "'N'"},
                    {"CurrencyId", Int},
                    {"Rate", Num},
                    {"Scrap", Num},
                    {"Part", Num},
                },
            .indexes =
                {
                    {"IX_PcHd_PcNo", {"PcNo", "PcType"}},
                    {"IX_PcHd_PcDate", {"PcDate"}},
                    {"IX_PcHd_Vendor", {"Vendor"}},
                    {"IX_PcHd_ImportLotNo", {"ImportLotNo"}},
                    {"IX_PcHd_PcTaxNo", {"PcTaxNo"}},
                    {"PcHdIndexNotCutStock", {"NotCutStock"}},
                },
        },
        {
            .name = "PcDt",
            .columns =
                {
                    {"ID", Id},
                    {"PcHd", Int, 0, true},
                    {"PcRecNo", Int},
                    {"PcDate", Date},
                    {"PoDt", Int, 0, false, "0"},
                    {"Product", Int},
                    {"ProductUnits", Int},
                    {"Fraction", Int, 0, true},
                    {"TaxCode", Int},
                    {"TaxRate", Num},
                    {"Warehouse", Int},
                    {"LotNo", Int},
                    {"SerialNo", Int},
                    {"Quantity", Num},
                    {"QWeightSize", Num},
                    {"Price", Num, 0, true},
                    {"Discount", Text, 30},
                    {"DiscountAmt", Num},
                    {"ProductAmount", Num},
                    {"Total", Num},
                    {"Cost", Num},
                    {"MemoLine", Memo},
                    {"MemoLine2", Memo},
                    {"PrintPackageAs", Text, 40},
                    {"project", Int},
                    {"ProjectItemHd", Int},
                    {"workorderhd", Int},
                    {"processid", Int},
                },
            .indexes =
                {
                    {"IX_PcDt_PcHd", {"PcHd"}},
                    {"IX_PcDt_Product", {"Product"}},
                    {"IX_PcDt_ProductUnits", {"ProductUnits"}},
                    {"IX_PcDt_PoDt", {"PoDt"}},
                },
        },
        {
            // Deposits paid to vendors in advance, entered by the payables
            // module; PaidAmount is the part receipts have deducted so far.
            .name = "PrePaid",
            .columns =
                {
                    {"Id", Id},
                    {"PrNo", Text, 20, true},
                    {"PrDate", Date},
                    {"Vendor", Int, 0, true},
                    {"Total", Num},
                    {"TaxTotal", Num},
                    {"TaxRate", Num},
                    {"PaidAmount", Num, 0, false, "0"},
                    {"CurrencyId", Int},
                    {"Rate", Num},
                    {"Reference", Text, 100},
                    {"Remark", Text, 255},
                    {"Clear", Flag, 0, false, "'N'"},
                    {"DelFlag", Flag, 0, false, "'N'"},
                },
            .indexes =
                {
                    {"IX_PrePaid_PrNo", {"PrNo"}},
                    {"IX_PrePaid_Vendor", {"Vendor"}},
                },
        },
        {
            // The deposits one credit receipt deducts, in the deposit's
            // currency.
            .name = "MrPrepaid",
            .columns =
                {
                    {"Id", Id},
                    {"RecNo", Int},
                    {"PrePaid", Int, 0, true},
                    {"MrHd", Int, 0, true},
                    {"PaidAmount", Num, 0, false, "0"},
                },
            .indexes =
                {
                    {"IX_MrPrepaid_MrHd", {"MrHd"}},
                    {"IX_MrPrepaid_PrePaid", {"PrePaid"}},
                },
        },
        {
            // Payment documents of the payables module; their lines name the
            // documents they pay (pddoctype "M": a credit receipt).
            .name = "pdhd",
            .columns =
                {
                    {"Id", Id},
                    {"pdno", Text, 20, true},
                    {"pddate", Date},
                    {"Vendor", Int},
                    {"Total", Num},
                    {"DelFlag", Flag, 0, false, "'N'"},
                },
            .indexes = {{"IX_pdhd_pdno", {"pdno"}}},
        },
        {
            .name = "pddt",
            .columns =
                {
                    {"Id", Id},
                    {"pdhd", Int, 0, true},
                    {"pddoctype", Flag},
                    {"pddocid", Int},
                    {"paidamount", Num},
                },
            .indexes =
                {
                    {"IX_pddt_pdhd", {"pdhd"}},
                    {"IX_pddt_pddoc", {"pddocid", "pddoctype"}},
                },
        },
    };
}

} // namespace zelt::server::schema
