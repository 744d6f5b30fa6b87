// Tables of the sales side of the suite, as far as purchasing reads them:
// customers with their groups and attributes, salesmen, employees, projects
// and their work items, sales orders and service jobs (SoHd, SoType "S"),
// invoices and point-of-sale headers. They are written by the other modules;
// purchasing copies a head-office customer into Customer and otherwise reads.

#include "server/schema/SchemaParts.h"

namespace zelt::server::schema {

using enum ColType;

std::vector<TableDef> salesTables() {
    return {
        {
            .name = "CustomerGroup",
            .columns =
                {
                    {"Id", Id},
                    {"Code", Text, 20, true},
                    {"Description", Text, 100},
                },
            .indexes = {{"UX_CustomerGroup_Code", {"Code"}, true}},
        },
        {
            .name = "Salesman",
            .columns =
                {
                    {"Id", Id},
                    {"Code", Text, 20, true},
                    {"Name", Text, 100},
                    {"Surname", Text, 100},
                    {"Department", Int},               // Misc row of group DEPARTMENT
                    {"Status", Flag, 0, false, "'Y'"}, // "N": no longer selling
                },
            .indexes = {{"UX_Salesman_Code", {"Code"}, true}},
        },
        {
            // Customers; a company linked to its head office copies them from
            // there with every column below.
            .name = "Customer",
            .columns =
                {
                    {"Id", Id},
                    {"Code", Text, 30, true},
                    {"CustomerGroup", Int},
                    {"HeadCode", Text, 30},
                    {"Vendor", Int}, // the same party as a vendor
                    {"Name", Text, 250},
                    {"NameShort", Text, 100},
                    {"NameEng", Text, 250},
                    {"TaxNumber", Text, 20},
                    {"TaxCode", Int},
                    {"Address1", Text, 250},
                    {"Address2", Text, 250},
                    {"Address3", Text, 250},
                    {"Province", Int}, // Misc row of group CITY
                    {"ZIPCode", Text, 10},
                    {"PhoneNo", Text, 100},
                    {"FaxNo", Text, 100},
                    {"Email", Text, 100},
                    {"Website", Text, 100},
                    {"OpenAccount", Date},
                    {"DueDays", Int},
                    {"CreditLimit", Num},
                    {"Salesman", Int, 0, true},
                    {"Transport", Int}, // Misc row of group TRANSPORT
                    {"PriceLevel", Int},
                    {"DirectCus", Flag},
                    {"Remark", Text, 255},
                    {"Picture", Text, 250},
                    {"PictureMap", Text, 250},
                    {"LocalCustomer", Flag},
                    {"DropCredit", Flag},
                    {"Blocked", Flag, 0, false, "'N'"},
                    {"Barcode", Text, 30},
                    {"BarCodeId", Int},
                    {"AddDate", Date},
                    {"Currency", Int},
                    {"fob", Text, 30},
                    {"statementperiod", Int},
                    {"billperiod", Int},
                    {"chqperiod", Int},
                    {"DiscountStr", Text, 30},
                    {"DistanceKm", Num},
                    {"DistanceCost", Num},
                    {"DiscName1", Text, 50},
                    {"DiscRate1", Num},
                    {"DiscName2", Text, 50},
                    {"DiscRate2", Num},
                    {"DiscName3", Text, 50},
                    {"DiscRate3", Num},
                    {"CustomerOther", Text, 250},
                    {"BranchHead", Flag},
                    {"BranchCode", Text, 10},
                    {"Zone", Text, 30},
                },
            .indexes =
                {
                    {"UX_Customer_Code", {"Code"}, true},
                    {"IX_Customer_Name", {"Name"}},
                },
        },
        {
            .name = "CusAttrGroup",
            .columns =
                {
                    {"Id", Id},
                    {"Code", Text, 20, true},
                    {"Description", Text, 100},
                },
            .indexes = {{"UX_CusAttrGroup_Code", {"Code"}, true}},
        },
        {
            .name = "CusAttrCode",
            .columns =
                {
                    {"Id", Id},
                    {"CusAttrGroup", Int, 0, true},
                    {"Code", Text, 20, true},
                    {"Description", Text, 100},
                },
            .indexes = {{"UX_CusAttrCode_Group_Code", {"CusAttrGroup", "Code"}, true}},
        },
        {
            // A customer's attribute: the group code followed by the code.
            .name = "CustomerAttribute",
            .columns =
                {
                    {"Id", Id},
                    {"Customer", Int, 0, true},
                    {"GroupCode", Text, 40, true},
                },
            .indexes =
                {
                    {"IX_CustomerAttribute_Customer", {"Customer"}},
                    {"IX_CustomerAttribute_GroupCode", {"GroupCode"}},
                },
        },
        {
            .name = "Employee",
            .columns =
                {
                    {"Id", Id},
                    {"Code", Text, 20, true},
                    {"Name", Text, 100},
                    {"Surname", Text, 100},
                    {"Department", Int},
                    {"Status", Flag, 0, false, "'Y'"}, // "Y": still employed
                },
            .indexes = {{"UX_Employee_Code", {"Code"}, true}},
        },
        {
            // Projects (jobs) of the company, optionally for a customer;
            // Closed "Y" takes no new documents.
            .name = "Project",
            .columns =
                {
                    {"Id", Id},
                    {"Code", Text, 30, true},
                    {"Description", Text, 250},
                    {"Customer", Int},
                    {"InputDate", Date},
                    {"Closed", Flag, 0, false, "'N'"},
                    {"Blocked", Flag, 0, false, "'N'"},
                },
            .indexes = {{"UX_Project_Code", {"Code"}, true}},
        },
        {
            // Work items (work ids) of a project.
            .name = "ProjectItemHd",
            .columns =
                {
                    {"Id", Id},
                    {"Project", Int, 0, true},
                    {"Code", Text, 30, true},
                    {"Description", Text, 250},
                },
            .indexes = {{"IX_ProjectItemHd_Project_Code", {"Project", "Code"}}},
        },
        {
            // Sales orders, and with SoType "S" service jobs that purchases
            // may refer to once approved.
            .name = "SoHd",
            .columns =
                {
                    {"Id", Id},
                    {"DelFlag", Flag, 0, false, "'N'"},
                    {"SoType", Flag},
                    {"SoNo", Text, 20, true},
                    {"SoDate", Date},
                    {"Customer", Int, 0, true},
                    {"Salesman", Int, 0, true},
                    {"Status", Text, 60}, // state of the job
                    {"Remark", Text, 255},
                    {"Total", Num},
                    {"Clear", Flag, 0, false, "'N'"},
                    {"Approved", Flag, 0, false, "'N'"},
                    {"ApproveUser", Text, 30},
                    {"ApproveDate", DateTime},
                },
            .indexes =
                {
                    {"IX_SoHd_SoNo", {"SoNo", "SoType"}},
                    {"IX_SoHd_Customer", {"Customer"}},
                },
        },
        {
            .name = "SoDt",
            .columns =
                {
                    {"Id", Id},
                    {"SoHd", Int, 0, true},
                    {"SoRecNo", Int},
                    {"Product", Int},
                    {"ProductUnits", Int},
                    {"Warehouse", Int},
                    {"Quantity", Num},
                    {"Fraction", Int, 0, true},
                    {"Price", Num},
                    {"Total", Num},
                    {"Clear", Flag, 0, false, "'N'"},
                },
            .indexes =
                {
                    {"IX_SoDt_SoHd", {"SoHd"}},
                    {"IX_SoDt_Product", {"Product"}},
                },
        },
        {
            .name = "SoShip",
            .columns =
                {
                    {"SoHd", Int, 0, true},
                    {"ShipAddr1", Text, 250},
                    {"ShipAddr2", Text, 250},
                    {"ShipAddr3", Text, 250},
                    {"Province", Int},
                    {"ZipCode", Text, 10},
                    {"PhoneNo", Text, 100},
                    {"FaxNo", Text, 100},
                },
            .indexes = {},
            .primaryKey = {"SoHd"},
        },
        {
            // Invoices. IvType "B" bills a sales order before delivery;
            // NotCutStock "Y" invoices leave the stock to a later invoice.
            .name = "IvHd",
            .columns =
                {
                    {"Id", Id},
                    {"DelFlag", Flag, 0, false, "'N'"},
                    {"IvType", Flag},
                    {"IvNo", Text, 20, true},
                    {"IvDate", Date},
                    {"Customer", Int, 0, true},
                    {"Salesman", Int, 0, true},
                    {"NotCutStock", Flag, 0, false, "'N'"},
                    {"Total", Num},
                },
            .indexes =
                {
                    {"IX_IvHd_IvNo", {"IvNo", "IvType"}},
                    {"IX_IvHd_Customer", {"Customer"}},
                },
        },
        {
            .name = "IvDt",
            .columns =
                {
                    {"Id", Id},
                    {"IvHd", Int, 0, true},
                    {"IvRecNo", Int},
                    {"Product", Int},
                    {"ProductUnits", Int},
                    {"Warehouse", Int},
                    {"Quantity", Num},
                    {"Fraction", Int, 0, true},
                    {"Price", Num},
                    {"Total", Num},
                    {"SoDt", Int},  // the sales-order line it delivers
                    {"IvDtB", Int}, // the "B" invoice line it delivers
                },
            .indexes =
                {
                    {"IX_IvDt_IvHd", {"IvHd"}},
                    {"IX_IvDt_Product", {"Product"}},
                    {"IX_IvDt_SoDt", {"SoDt"}},
                },
        },
        {
            .name = "IvShip",
            .columns =
                {
                    {"IvHd", Int, 0, true},
                    {"ShipAddr1", Text, 250},
                    {"ShipAddr2", Text, 250},
                    {"ShipAddr3", Text, 250},
                    {"Province", Int},
                    {"ZipCode", Text, 10},
                    {"PhoneNo", Text, 100},
                    {"FaxNo", Text, 100},
                },
            .indexes = {},
            .primaryKey = {"IvHd"},
        },
        {
            // Point-of-sale bills; a sales order taken at the counter is
            // never back-ordered.
            .name = "PosHeader",
            .columns =
                {
                    {"Id", Id},
                    {"PosNo", Text, 20},
                    {"PosDate", Date},
                    {"SoHd", Int},
                    {"Total", Num},
                },
            .indexes = {{"IX_PosHeader_SoHd", {"SoHd"}}},
        },
    };
}

} // namespace zelt::server::schema
