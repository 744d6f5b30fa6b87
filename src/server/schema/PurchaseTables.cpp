// Purchase requisitions, local purchase orders with their delivery address,
// and purchase orders to foreign vendors.
//
// Headers carry three end-of-bill discounts (name, percent, amount), VAT
// amounts split into goods with and without tax, and the document total.
// Lines carry quantities in their own unit with the number of smallest units
// per unit (Fraction); BackOrder is what is still to come, in smallest units.
// Documents are cancelled with DelFlag "Y" and keep their numbers.

#include "server/schema/SchemaParts.h"

namespace zelt::server::schema {

using enum ColType;

std::vector<TableDef> purchaseTables() {
    return {
        {
            // Requisitions are written by the requisition module; orders only
            // set their Clear when order lines cover them. A requisition
            // carries every order-header column an order copies from it.
            .name = "PoRQHd",
            .columns =
                {
                    {"Id", Id},
                    {"DelFlag", Flag, 0, false, "'N'"},
                    {"PoRQNo", Text, 20, true},
                    {"PoRQDate", Date},
                    {"Printed", Flag},
                    {"Vendor", Int},
                    {"PrePaid", Int},
                    {"Department", Int},
                    {"Project", Int},
                    {"Employee", Int},
                    {"TaxCode", Int},
                    {"TaxRate", Num},
                    {"Price_IE", Flag},
                    {"ShipDate", Date},
                    {"CreditDays", Int},
                    {"Reference", Text, 100},
                    {"Remark", Text, 255},
                    {"NoTaxAmt", Num},
                    {"TaxAmt", Num},
                    {"TaxTotal", Num},
                    {"TaxCal", Num},
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
                    {"Clear", Flag, 0, false, "'N'"},
                    {"LotNo", Int},
                    {"Posted", Flag},
                    {"Imported", Flag},
                    {"PaidType", Flag},
                    {"Approved", Flag},
                    {"CanUseTax", Flag},
                    {"WorkOrderHd", Int},
                    {"SoHd", Int},
                    {"SubType", Text, 20},
                    {"Memoline", Memo},
                    {"Attachfile", Text, 40},
                    {"RemarkDel", Text, 100},
                    {"RMAppName1", Text, 60},
                    {"RMAppName2", Text, 60},
                    {"CurrencyId", Int},
                    {"Rate", Num},
                    {"Scrap", Num},
                    {"Part", Num},
                },
            .indexes =
                {
                    {"IX_PoRQHd_PoRQNo", {"PoRQNo"}},
                    {"IX_PoRQHd_Vendor", {"Vendor"}},
                },
        },
        {
            // A requisition line is settled (Clear "Y") once order lines cover
            // its quantity in smallest units; Approved "Y" lines may be ordered.
            .name = "PoRQDt",
            .columns =
                {
                    {"Id", Id},
                    {"PoRQHd", Int, 0, true},
                    {"PoRQRecNo", Int},
                    {"PoRQDate", Date},
                    {"Product", Int},
                    {"TaxCode", Int},
                    {"TaxRate", Num},
                    {"ProductUnits", Int},
                    {"ShipDate", Date},
                    {"Warehouse", Int},
                    {"LotNo", Int},
                    {"Quantity", Num},
                    {"QWeightSize", Num},
                    {"Fraction", Int, 0, true},
                    {"Price", Num, 0, true},
                    {"Discount", Text, 30},
                    {"DiscountAmt", Num},
                    {"ProductAmount", Num},
                    {"Total", Num},
                    {"Clear", Flag, 0, false, "'N'"},
                    {"Approved", Flag},
                    {"MemoLine", Memo},
                    {"MemoLine2", Memo},
                    {"ProjectItemHd", Int},
                    {"PrintPackageAs", Text, 40},
                },
            .indexes =
                {
                    {"IX_PoRQDt_PoRQHd", {"PoRQHd"}},
                    {"IX_PoRQDt_Product", {"Product"}},
                },
        },
        {
            // Local purchase orders, one kind per PoType ("P" goods, "S"
            // services, "A" any, "M" miscellaneous); the number is unique per
            // kind.
            .name = "PoHd",
            .columns =
                {
                    {"ID", Id},
                    {"DelFlag", Flag, 0, false, "'N'"},
                    {"PoType", Flag, 0, true},
                    {"PoNo", Text, 20, true},
                    {"PoDate", Date},
                    {"PrNo", Text, 20},
                    {"Printed", Flag, 0, false, "'N'"},
                    {"Vendor", Int, 0, true},
                    {"PrePaid", Int},
                    {"Department", Int},
                    {"Project", Int},
                    {"TaxCode", Int},
                    {"TaxRate", Num},
                    {"Price_IE", Flag},
                    {"ShipDate", Date},
                    {"CreditDays", Int},
                    {"Reference", Text, 100},
                    {"Remark", Text, 255},
                    {"NoTaxAmt", Num},
                    {"TaxAmt", Num},
                    {"TaxTotal", Num},
                    {"TaxCal", Num},
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
                    {"Clear", Flag, 0, false, "'N'"}, // "N" open, "P" partly, "Y" fully received
                    {"LotNo", Int},
                    {"Posted", Flag},
                    {"Imported", Flag},
                    {"PurcRequestNo", Text, 20},
                    {"PurcRequestDate", Date},
                    {"PaidType", Flag}, // "C" cash, "Q" cheque, "T" transfer
                    {"Approved", Flag},
                    {"CanUseTax", Flag},
                    {"AttnName", Text, 100},
                    {"WorkOrderHd", Int},
                    {"porqhd", Int}, // the order's main requisition
                    {"SoHd", Int},   // service job
                    {"SubType", Text, 20},
                    {"Memoline", Memo},
                    {"approve_name", Text, 100},
                    {"Attachfile", Text, 40},
                    {"RemarkDel", Text, 100},
                    {"RMAppName1", Text, 60},
                    {"RMAppName2", Text, 60},
                    {"CurrencyId", Int},
                    {"Rate", Num},
                    {"Scrap", Num},
                    {"Part", Num},
                },
            .indexes =
                {
                    {"UX_PoHd_PoNo_PoType", {"PoNo", "PoType"}, true},
                    {"IX_PoHd_Vendor", {"Vendor"}},
                    {"IX_PoHd_PoDate", {"PoDate"}},
                    {"IX_PoHd_porqhd", {"porqhd"}},
                },
        },
        {
            .name = "PoDt",
            .columns =
                {
                    {"ID", Id},
                    {"PoHd", Int, 0, true},
                    {"PoRecNo", Int},
                    {"PoDate", Date},
                    {"Product", Int},
                    {"TaxCode", Int},
                    {"TaxRate", Num},
                    {"ProductUnits", Int},
                    {"ShipDate", Date},
                    {"Warehouse", Int},
                    {"LotNo", Int},
                    {"Quantity", Num},
                    {"QWeightSize", Num},
                    {"Received", Num, 0, false, "0"},
                    {"BackOrder", Num, 0, false, "0"},
                    {"Fraction", Int, 0, true},
                    {"Price", Num, 0, true},
                    {"Discount", Text, 30},
                    {"DiscountAmt", Num},
                    {"ProductAmount", Num},
                    {"Total", Num},
                    {"Clear", Flag, 0, false, "'N'"},
                    {"MemoLine", Memo},
                    {"MemoLine2", Memo},
                    {"ProjectItemHd", Int},
                    {"PoRQDt", Int}, // the requisition line it was ordered from
                    {"WorkOrderHd", Int},
                    {"ProcessId", Int}, // Misc row of group PROCESS
                    {"Project", Int},
                    {"PrintPackageAs", Text, 40},
                },
            .indexes =
                {
                    {"IX_PoDt_PoHd", {"PoHd"}},
                    {"IX_PoDt_Product", {"Product"}},
                    {"IX_PoDt_ProductUnits", {"ProductUnits"}},
                    {"IX_PoDt_PoRQDt", {"PoRQDt"}},
                },
        },
        {
            // The delivery address of a local order, when it is not the
            // company's own.
            .name = "PoShip",
            .columns =
                {
                    {"PoHd", Int, 0, true},
                    {"ShipAddr1", Text, 250},
                    {"ShipAddr2", Text, 250},
                    {"ShipAddr3", Text, 250},
                    {"Province", Int}, // Misc row of group CITY
                    {"ZipCode", Text, 10},
                    {"PhoneNo", Text, 100},
                    {"FaxNo", Text, 100},
                },
            .indexes = {},
            .primaryKey = {"PoHd"},
        },
        {
            // Purchase orders to foreign vendors, in the vendor's currency;
            // import documents later take their goods by number.
            .name = "FrPoHd",
            .columns =
                {
                    {"ID", Id},
                    {"DelFlag", Flag, 0, false, "'N'"},
                    {"PoType", Flag, 0, true},
                    {"PoNo", Text, 20, true},
                    {"PoDate", Date},
                    {"PrNo", Text, 20},
                    {"CanUseTax", Flag},
                    {"FrVendor", Int},
                    {"PrePaid", Int},
                    {"Department", Int},
                    {"Project", Int},
                    {"TaxCode", Int},
                    {"TaxRate", Num},
                    {"Price_IE", Flag},
                    {"ShipDate", Date},
                    {"CreditDays", Int},
                    {"Reference", Text, 100},
                    {"Remark", Text, 255},
                    {"NoTaxAmt", Num},
                    {"TaxAmt", Num},
                    {"TaxTotal", Num},
                    {"TaxCal", Num},
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
                    {"Clear", Flag, 0, false, "'N'"},
                    {"LotNo", Int},
                    {"Posted", Flag},
                    {"Imported", Flag},
                    {"PurcRequestNo", Text, 20},
                    {"PurcRequestDate", Date},
                    {"PaidType", Flag}, // as local orders, plus "X" other
                    {"Currency", Int},  // Misc row of group CURRENCY
                    {"Approved", Flag},
                    {"ProformaNo", Text, 30}, // the vendor's proforma invoice
                },
            .indexes =
                {
                    {"UX_FrPoHd_PoNo_PoType", {"PoNo", "PoType"}, true},
                    {"IX_FrPoHd_FrVendor", {"FrVendor"}},
                    {"IX_FrPoHd_PoDate", {"PoDate"}},
                },
        },
        {
            .name = "FrPoDt",
            .columns =
                {
                    {"ID", Id},
                    {"FrPoHd", Int, 0, true},
                    {"PoRecNo", Int},
                    {"PoDate", Date},
                    {"Product", Int},
                    {"TaxCode", Int},
                    {"TaxRate", Num},
                    {"ProductUnits", Int},
                    {"ShipDate", Date},
                    {"Warehouse", Int},
                    {"LotNo", Int},
                    {"Quantity", Num},
                    {"QWeightSize", Num},
                    {"Received", Num, 0, false, "0"},
                    {"BackOrder", Num, 0, false, "0"},
                    {"Fraction", Int, 0, true},
                    {"Price", Num, 0, true},
                    {"Discount", Text, 30},
                    {"DiscountAmt", Num},
                    {"ProductAmount", Num},
                    {"Total", Num},
                    {"Clear", Flag, 0, false, "'N'"},
                    {"MemoLine", Memo},
                    {"ProjectItemHd", Int},
                },
            .indexes =
                {
                    {"IX_FrPoDt_FrPoHd", {"FrPoHd"}},
                    {"IX_FrPoDt_Product", {"Product"}},
                },
        },
    };
}

} // namespace zelt::server::schema
