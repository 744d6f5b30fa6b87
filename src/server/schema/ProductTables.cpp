// Products, services and miscellaneous charges with their units, prices,
// vendor part codes and stock; warehouses, lots and the product attributes
// the product search filters on.

#include "server/schema/SchemaParts.h"

namespace zelt::server::schema {

using enum ColType;

std::vector<TableDef> productTables() {
    return {
        {
            // ProductType "S" is a service, "M" a miscellaneous charge, other
            // values are goods ("P" trade goods, "R" raw material, ...).
            // MasterCode "Y" marks a grouping code never used on documents.
            .name = "Product",
            .columns =
                {
                    {"Id", Id},
                    {"Code", Text, 30, true},
                    {"ThaiName", Text, 250},
                    {"EngName", Text, 250},
                    {"PosName", Text, 100},
                    {"ProductType", Flag},
                    {"PType", Int},        // Misc row of group PTYPE
                    {"PGroup", Int},       // Misc row of group PGROUP
                    {"ProductGroup", Int}, // accounting group (productgroup)
                    {"PriceIE", Flag},
                    {"PrintFrac", Flag},
                    {"UseSerial", Flag},
                    {"LotControl", Flag},
                    {"TaxCode", Int},
                    {"DefaultWh", Int},
                    {"PriceByVolumn", Flag}, // priced by area: sizes in centimetres
                    {"Discount", Text, 30},
                    {"VolumnUnit", Text, 20},
                    {"Blocked", Flag, 0, false, "'N'"},
                    {"Negative", Flag},
                    {"ProductFree", Flag},
                    {"MasterCode", Flag, 0, false, "'N'"},
                    {"Size_W", Num},
                    {"Size_L", Num},
                    {"Size_H", Num},
                    {"CartonsUnits", Num},
                    {"Cartons", Num},
                    {"NetWeight", Num},
                    {"GrossWeight", Num},
                    {"ProductDesc", Memo},
                    {"CheckSerialPurc", Flag},
                    {"CheckSerialSale", Flag},
                    {"CheckSerialStock", Flag},
                    {"CheckSerialOnhand", Flag},
                    {"PerDiscountOver", Num},
                    {"TechNicName1", Text, 100},
                    {"TechNicName2", Text, 100},
                    {"Remark", Text, 255},
                    {"Picture1", Text, 250}, // file under the company's picture path
                },
            .indexes =
                {
                    {"UX_Product_Code", {"Code"}, true},
                    {"IX_Product_ThaiName", {"ThaiName"}},
                },
        },
        {
            // The units a product is counted in. Fraction is the number of
            // smallest units in one of this unit; the flags say where the unit
            // may be used.
            .name = "ProductUnits",
            .columns =
                {
                    {"Id", Id},
                    {"Product", Int, 0, true},
                    {"UnitName", Text, 30, true},
                    {"UnitDesc", Text, 100},
                    {"Fraction", Int, 0, true, "1"},
                    {"VolumnFraction", Num},
                    {"BarCode", Text, 30},
                    {"PurcPrice", Num},
                    {"LabourCost", Num},
                    {"SaleFlag", Flag},
                    {"PurcFlag", Flag},
                    {"SmallUnitFlag", Flag},
                    {"StockUnitFlag", Flag},
                },
            .indexes =
                {
                    {"IX_ProductUnits_Product", {"Product", "UnitName"}},
                    {"IX_ProductUnits_BarCode", {"BarCode"}},
                },
        },
        {
            // A vendor's own code, name, agreed price and discount for a unit
            // of a product, and the last purchase. Vendor holds the id of a
            // local or of a foreign vendor.
            .name = "PartSource",
            .columns =
                {
                    {"Id", Id},
                    {"Product", Int, 0, true},
                    {"ProductUnits", Int, 0, true},
                    {"Vendor", Int, 0, true},
                    {"PurchaseCode", Text, 30},
                    {"PurchaseName", Text, 250},
                    {"Price", Num},
                    {"DiscountStr", Text, 30},
                    {"lastprice", Num},
                    {"lastdoccode", Text, 20},
                    {"lastdocno", Text, 20},
                    {"lastdate", Date},
                },
            .indexes =
                {
                    {"IX_PartSource_Unit_Vendor", {"ProductUnits", "Vendor"}},
                    {"IX_PartSource_Vendor_Code", {"Vendor", "PurchaseCode"}},
                    {"IX_PartSource_Product", {"Product"}},
                },
        },
        {
            // Price lists: one price per unit and price type (Misc row).
            .name = "ProductPrice",
            .columns =
                {
                    {"Product", Int, 0, true},
                    {"ProductUnits", Int, 0, true},
                    {"PriceType", Int, 0, true},
                    {"Price", Num},
                },
            .indexes = {{"IX_ProductPrice_Product", {"Product"}}},
            .primaryKey = {"ProductUnits", "PriceType"},
        },
        {
            // Stock balance per product, warehouse and year, in the product's
            // smallest unit.
            .name = "ProductOnHand",
            .columns =
                {
                    {"Id", Id},
                    {"Product", Int, 0, true},
                    {"ProductUnits", Int},
                    {"Warehouse", Int, 0, true},
                    {"BalanceYear", Int, 0, true},
                    {"Quantity", Num, 0, false, "0"},
                },
            .indexes =
                {
                    {"IX_ProductOnHand_Product_Year", {"Product", "BalanceYear"}},
                    {"IX_ProductOnHand_Warehouse", {"Warehouse"}},
                },
        },
        {
            // Warehouses and storage locations (islocation "Y"); flagin "Y"
            // receives goods.
            .name = "Warehouse",
            .columns =
                {
                    {"Id", Id},
                    {"Code", Text, 20, true},
                    {"Name", Text, 250},
                    {"islocation", Flag},
                    {"flagin", Flag},
                    {"flagout", Flag},
                    {"Blocked", Flag},
                    {"WorkOrderNo", Text, 20},
                },
            .indexes = {{"UX_Warehouse_Code", {"Code"}, true}},
        },
        {
            // The warehouses granted to a user (the user's numeric id).
            .name = "UserWarehouse",
            .columns =
                {
                    {"UserName", Int, 0, true},
                    {"Warehouse", Int, 0, true},
                },
            .indexes = {},
            .primaryKey = {"UserName", "Warehouse"},
        },
        {
            // Lots; HasExpired "N": the lot never expires.
            .name = "LotNo",
            .columns =
                {
                    {"Id", Id},
                    {"Code", Text, 30, true},
                    {"Description", Text, 250},
                    {"HasExpired", Flag},
                    {"ExpiredDate", Date},
                },
            .indexes = {{"UX_LotNo_Code", {"Code"}, true}},
        },
        {
            // Serial numbers of products; Onhand "N" once the item has left.
            .name = "SerialNo",
            .columns =
                {
                    {"Id", Id},
                    {"Product", Int, 0, true},
                    {"Serial", Text, 60, true},
                    {"Onhand", Flag, 0, false, "'Y'"},
                },
            .indexes = {{"IX_SerialNo_Product_Serial", {"Product", "Serial"}}},
        },
        {
            // Accounting groups of products.
            .name = "productgroup",
            .columns =
                {
                    {"Id", Id},
                    {"Code", Text, 20, true},
                    {"Description", Text, 100},
                    {"ProductType", Flag},
                },
            .indexes = {{"IX_productgroup_Code", {"Code"}}},
        },
        {
            // Ready-made description texts for document lines.
            .name = "ProductMemo",
            .columns =
                {
                    {"Id", Id},
                    {"Code", Text, 30, true},
                    {"MemoLine", Memo},
                },
            .indexes = {{"IX_ProductMemo_Code", {"Code"}}},
        },
        {
            // Free descriptions of a product per kind of information (Misc).
            .name = "ProductInFo",
            .columns =
                {
                    {"Id", Id},
                    {"Product", Int, 0, true},
                    {"Misc", Int, 0, true},
                    {"MemoDesc", Text, 250},
                },
            .indexes = {{"IX_ProductInFo_Product", {"Product", "Misc"}}},
        },
        {
            // One row naming the kinds of ProductInFo that hold a product's
            // material and model.
            .name = "WorkId",
            .columns =
                {
                    {"Id", Id},
                    {"Material", Int},
                    {"Model", Int},
                },
            .indexes = {},
        },
        {
            // Attribute groups and codes of products, per product type. A
            // product's attribute is kept in two ways: by group and code ids
            // (productattr) and as the group code followed by the attribute
            // code (ProductAttribute), which range filters compare.
            .name = "ProdAttrGroup",
            .columns =
                {
                    {"Id", Id},
                    {"Code", Text, 20, true},
                    {"Description", Text, 100},
                    {"ProductType", Flag, 0, false, "'P'"},
                },
            .indexes = {{"UX_ProdAttrGroup_Code", {"Code"}, true}},
        },
        {
            .name = "ProdAttrCode",
            .columns =
                {
                    {"Id", Id},
                    {"ProdAttrGroup", Int, 0, true},
                    {"Code", Text, 20, true},
                    {"Description", Text, 100},
                },
            .indexes = {{"UX_ProdAttrCode_Group_Code", {"ProdAttrGroup", "Code"}, true}},
        },
        {
            .name = "productattr",
            .columns =
                {
                    {"Id", Id},
                    {"product", Int, 0, true},
                    {"prodattrgroup", Int, 0, true},
                    {"prodattrcode", Int},
                },
            .indexes = {{"IX_productattr_product", {"product", "prodattrgroup"}}},
        },
        {
            .name = "ProductAttribute",
            .columns =
                {
                    {"Id", Id},
                    {"Product", Int, 0, true},
                    {"GroupCode", Text, 40, true},
                },
            .indexes =
                {
                    {"IX_ProductAttribute_Product", {"Product"}},
                    {"IX_ProductAttribute_GroupCode", {"GroupCode"}},
                },
        },
    };
}

} // namespace zelt::server::schema
