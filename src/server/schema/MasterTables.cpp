// Company settings, document numbering, accounting periods, tax codes, the
// general code table and exchange rates; then the vendors the company buys
// from, at home and abroad.

#include "server/schema/SchemaParts.h"

namespace zelt::server::schema {

using enum ColType;

std::vector<TableDef> settingTables() {
    return {
        {
            // The one row of company-wide settings. Flags hold "Y" or "N"; a
            // missing value counts as not "Y".
            .name = "Config",
            .columns =
                {
                    {"Id", Id},
                    {"RunYear", Int},        // the current accounting year
                    {"MainCurrencyId", Int}, // Misc row of group CURRENCY
                    {"MrRefPO", Flag},       // receipt lines only from purchase orders
                    {"EditPricePO", Flag},
                    {"OnhandDecimal", Int}, // decimals of quantity texts
                    {"UnitLeft", Text, 10},
                    {"UnitRight", Text, 10},
                    {"CheckUserWarehouseFlag", Flag}, // users see only their warehouses
                    {"AutoGenGL", Flag},              // saving posts the ledger voucher
                                                      // "Y" (or the name of the master database): credit
                                         // receipts are copied on to the company's master database.
                    {"MasterDatabase", Text, 100},
                    {"PO_Approved", Flag}, // "N": orders need approval
                    {"PORQ_Approved", Flag},
                    {"PORQ_ApprovedDT", Flag},
                    {"PurchaseLastPriceOnly", Flag},
                    {"PurchasePriceDecimal", Int},
                    {"Purc_IE", Flag},    // price basis of a new purchase document
                    {"Default_IE", Flag}, // price basis of a copied receipt
                    {"LockInputProject", Flag},
                    {"Islocation", Flag},
                    {"CalculateCostDate", Date}, // cost calculated up to this date
                    {"SearchProductNo", Int},    // layout of the product search
                    {"SearchProductMethod", Int},
                    {"SearchWHShowStock", Flag},
                    {"ShowLastSearch", Flag},
                    {"DisplayFraction", Flag},
                    {"UseCustomerLinkHead", Flag}, // customers kept at the head office
                    {"MainServerIP", Text, 100},
                    {"MainDbName", Text, 100},
                    {"purcunlockcredit", Text, 10}, // any value: the credit limit stops a purchase
                    {"AUTORunDocMonth", Flag},
                    {"PicturePath", Text, 250},
                    // Ledger accounts of the vouchers that saving a receipt,
                    // a cash purchase or an import document generates.
                    {"GLAccPurchase", Text, 30},       // goods and expenses bought
                    {"GLAccInputVat", Text, 30},       // VAT paid on purchases
                    {"GLAccPayable", Text, 30},        // local vendors
                    {"GLAccCash", Text, 30},           // cash paid
                    {"GLAccImport", Text, 30},         // imported goods
                    {"GLAccForeignPayable", Text, 30}, // foreign vendors
                },
            .indexes = {},
        },
        {
            // One numbering row per document code and year: the number is
            // the prefix and the next counter, right-aligned to the length.
            .name = "DocumentNo",
            .columns =
                {
                    {"Id", Id},
                    {"Code", Text, 20, true},
                    {"Description", Text, 100},
                    {"Prefix", Text, 20},
                    {"LastNo", Int, 0, false, "0"},
                    {"DocumentLength", Int},
                    {"AutoRun", Flag}, // "Y": numbers are generated
                    {"DocYear", Int, 0, true},
                    {"DocType", Text, 20},
                },
            .indexes = {{"UX_DocumentNo_Code_DocYear", {"Code", "DocYear"}, true}},
        },
        {
            // A code that shares the numbering row of another code.
            .name = "DocNoConvert",
            .columns =
                {
                    {"Id", Id},
                    {"Code", Text, 20, true},
                    {"DocYear", Int, 0, true},
                    {"DocumentNo", Int, 0, true},
                },
            .indexes = {{"UX_DocNoConvert_Code_DocYear", {"Code", "DocYear"}, true}},
        },
        {
            // Twelve periods per accounting year; a locked period takes no
            // more postings.
            .name = "accountperiod",
            .columns =
                {
                    {"accountyear", Int, 0, true},
                    {"Start1", Date},
                    {"Stop1", Date},
                    {"Lock1", Flag},
                    {"Start2", Date},
                    {"Stop2", Date},
                    {"Lock2", Flag},
                    {"Start3", Date},
                    {"Stop3", Date},
                    {"Lock3", Flag},
                    {"Start4", Date},
                    {"Stop4", Date},
                    {"Lock4", Flag},
                    {"Start5", Date},
                    {"Stop5", Date},
                    {"Lock5", Flag},
                    {"Start6", Date},
                    {"Stop6", Date},
                    {"Lock6", Flag},
                    {"Start7", Date},
                    {"Stop7", Date},
                    {"Lock7", Flag},
                    {"Start8", Date},
                    {"Stop8", Date},
                    {"Lock8", Flag},
                    {"Start9", Date},
                    {"Stop9", Date},
                    {"Lock9", Flag},
                    {"Start10", Date},
                    {"Stop10", Date},
                    {"Lock10", Flag},
                    {"Start11", Date},
                    {"Stop11", Date},
                    {"Lock11", Flag},
                    {"Start12", Date},
                    {"Stop12", Date},
                    {"Lock12", Flag},
                },
            .indexes = {},
            .primaryKey = {"accountyear"},
        },
        {
            .name = "Tax",
            .columns =
                {
                    {"Id", Id},
                    {"Code", Text, 20, true},
                    {"Description", Text, 100},
                    {"Rate", Num, 0, true, "0"}, // percent
                },
            .indexes = {{"UX_Tax_Code", {"Code"}, true}},
        },
        {
            // The general code table: cities, currencies, departments, sub
            // types, processes, transports, price types, product types and
            // groups, approvers, remark texts. Group-specific columns follow.
            .name = "Misc",
            .columns =
                {
                    {"Id", Id},
                    {"GroupCode", Text, 20, true},
                    {"Code", Text, 30, true},
                    {"Description", Text, 250},
                    {"OrderNo", Int},
                    {"Blocked", Flag},
                    {"AutoRunDocMonth", Flag}, // SUBTYPE: numbers run per month
                },
            .indexes = {{"UX_Misc_GroupCode_Code", {"GroupCode", "Code"}, true}},
        },
        {
            // Exchange rates of a currency from a date on, for buying and
            // selling; a rate may be quoted as Scrap per Part.
            .name = "CurrencyEx",
            .columns =
                {
                    {"Id", Id},
                    {"Currency", Int, 0, true}, // Misc row of group CURRENCY
                    {"ExchangeDate", Date, 0, true},
                    {"PurcScrap", Num},
                    {"PurcPart", Num},
                    {"PurcRate", Num},
                    {"SaleScrap", Num},
                    {"SalePart", Num},
                    {"SaleRate", Num},
                },
            .indexes =
                {
                    {"IX_CurrencyEx_ExchangeDate", {"ExchangeDate"}},
                    {"IX_CurrencyEx_Currency", {"Currency"}},
                },
        },
    };
}

std::vector<TableDef> partyTables() {
    return {
        {
            // Groups of vendors; a foreign vendor's orders take the group's
            // tax code.
            .name = "VendorGroup",
            .columns =
                {
                    {"Id", Id},
                    {"Code", Text, 20, true},
                    {"Description", Text, 100},
                    {"TaxCode", Int},
                },
            .indexes = {{"UX_VendorGroup_Code", {"Code"}, true}},
        },
        {
            // Local vendors. VendorImport "Y" marks the import vendors that
            // only users with the right to see imports may see.
            .name = "Vendor",
            .columns =
                {
                    {"Id", Id},
                    {"Code", Text, 30, true},
                    {"Name", Text, 250},
                    {"VendorGroup", Int},
                    {"HeadCode", Text, 30},
                    {"Customer", Int}, // the same party as a customer
                    {"TaxNumber", Text, 20},
                    {"TaxCode", Int},
                    {"Address1", Text, 250},
                    {"Address2", Text, 250},
                    {"Address3", Text, 250},
                    {"Province", Int}, // Misc row of group CITY
                    {"ZipCode", Text, 10},
                    {"PhoneNo", Text, 100},
                    {"FaxNo", Text, 100},
                    {"OpenAccount", Date},
                    {"DueDays", Int},
                    {"CreditLimit", Num, 0, false, "0"}, // 0 or less: no limit
                    {"DirectVendor", Flag},
                    {"Remark", Text, 255},
                    {"Blocked", Flag, 0, false, "'N'"},
                    {"VendorImport", Flag},
                },
            .indexes =
                {
                    {"UX_Vendor_Code", {"Code"}, true},
                    {"IX_Vendor_Name", {"Name"}},
                },
        },
        {
            // People to address orders to, per vendor.
            .name = "vendorcontact",
            .columns =
                {
                    {"Id", Id},
                    {"Vendor", Int, 0, true},
                    {"Name", Text, 100},
                    {"Position", Text, 100},
                    {"PhoneNo", Text, 100},
                    {"Email", Text, 100},
                },
            .indexes = {{"IX_vendorcontact_Vendor", {"Vendor"}}},
        },
        {
            // Foreign vendors, in their own country and currency.
            .name = "FrVendor",
            .columns =
                {
                    {"Id", Id},
                    {"Code", Text, 30, true},
                    {"Name", Text, 250},
                    {"VendorGroup", Int},
                    {"Country", Int},  // Misc row
                    {"Currency", Int}, // Misc row of group CURRENCY
                    {"Address1", Text, 250},
                    {"Address2", Text, 250},
                    {"Address3", Text, 250},
                    {"PhoneNo", Text, 100},
                    {"FaxNo", Text, 100},
                    {"Email", Text, 100},
                    {"OpenAccount", Date},
                    {"DueDays", Int},
                    {"CreditLimit", Num, 0, false, "0"},
                    {"Remark", Text, 255},
                    {"Blocked", Flag, 0, false, "'N'"},
                },
            .indexes =
                {
                    {"UX_FrVendor_Code", {"Code"}, true},
                    {"IX_FrVendor_Name", {"Name"}},
                },
        },
        {
            // Attribute groups and codes of vendors; a vendor's attribute is
            // stored as the group code followed by the attribute code.
            .name = "VenAttrGroup",
            .columns =
                {
                    {"Id", Id},
                    {"Code", Text, 20, true},
                    {"Description", Text, 100},
                },
            .indexes = {{"UX_VenAttrGroup_Code", {"Code"}, true}},
        },
        {
            .name = "VenAttrCode",
            .columns =
                {
                    {"Id", Id},
                    {"VenAttrGroup", Int, 0, true},
                    {"Code", Text, 20, true},
                    {"Description", Text, 100},
                },
            .indexes = {{"UX_VenAttrCode_Group_Code", {"VenAttrGroup", "Code"}, true}},
        },
        {
            .name = "VendorAttribute",
            .columns =
                {
                    {"Id", Id},
                    {"Vendor", Int, 0, true},
                    {"GroupCode", Text, 40, true},
                },
            .indexes =
                {
                    {"IX_VendorAttribute_Vendor", {"Vendor"}},
                    {"IX_VendorAttribute_GroupCode", {"GroupCode"}},
                },
        },
        {
            // Open balance, cheques due and cheques returned of a vendor per
            // year, kept by the payables modules.
            .name = "VendorBalance",
            .columns =
                {
                    {"Vendor", Int, 0, true},
                    {"BalanceYear", Int, 0, true},
                    {"Balance", Num, 0, false, "0"},
                    {"ChqDue", Num, 0, false, "0"},
                    {"ChqRtd", Num, 0, false, "0"},
                },
            .indexes = {},
            .primaryKey = {"Vendor", "BalanceYear"},
        },
    };
}

} // namespace zelt::server::schema
