#pragma once

#include "masters/Dm_Misc.h"
#include "masters/Dm_Product.h"
#include "masters/Dm_Service.h"
#include "masters/Dm_Vendor.h"
#include "platform/data/Database.h"
#include "platform/ui/Modal.h"
#include "shell/Dm_Config.h"
#include "shell/U_DM.h"
#include "support/TestServer.h"

#include <QTemporaryDir>
#include <QVariant>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

// Readable failure output for the texts the checks compare.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

namespace zelt::test {

inline QString u(const char* text) {
    return QString::fromUtf8(text);
}

// A small company on a fresh database, the company module connected to it
// the way start-up connects it, and the four master-data modules. The user
// of the run is kUser; the seed:
//   warehouses MAIN and คลังสาขา granted to the user, SHOP granted to
//   another user only;
//   P-001 with PCS (1: sale, smallest), BOX (12: purchase, stock, price 250
//   of price type 19) and CASE (48: sale and purchase), stored in MAIN;
//   P-002 with Blocked and MasterCode NULL; P-003 blocked; P-100 a grouping
//   code; P-004 stored in SHOP, whose unit EA has PurcFlag NULL; P-005
//   without a default warehouse; ก-001 and P'9 with codes that need
//   binding; P-006 counted in EA (1); P-007 without units; services S-001,
//   S-002 (Blocked NULL), S-003 (blocked); charge M-001;
//   lots that never expire, expire on 15/03/2026, have no date, or have no
//   flag; project items; vendors V-001 and V-002 with their own part code
//   AB-12 for two units of P-001.
class Company : public ::testing::Test {
protected:
    static constexpr int kUser = 7;

    void SetUp() override;
    void TearDown() override;

    int insertId(const QString& sql, const data::ParamList& params = {});
    void exec(const QString& sql, const data::ParamList& params = {});
    // A column of the settings row, then the company module reads it again
    // as it does at each connect.
    void setConfig(const QString& column, const QVariant& value);

    int addWarehouse(const char* code, const char* name);
    int addProduct(const QString& code, const char* type, const QVariant& blocked, const QVariant& masterCode,
                   const QVariant& warehouse, const char* thaiName = "");
    int addUnit(int product, const char* name, int fraction, const QVariant& sale, const QVariant& purc,
                const QVariant& small, const QVariant& stock, const QVariant& barCode = {});
    int addVendor(const char* code, double creditLimit);

    QTemporaryDir workDir;
    ui::ScriptedModal modal;
    std::unique_ptr<ScratchDatabase> scratch;
    std::unique_ptr<data::Database> seed;
    std::unique_ptr<shell::TDMConfig> config;
    std::unique_ptr<shell::TDM> dm;
    std::unique_ptr<masters::TDmProduct> product;
    std::unique_ptr<masters::TDmService> service;
    std::unique_ptr<masters::TDmMisc> misc;
    std::unique_ptr<masters::TDmVendor> vendor;

    int vat = 0;
    int whMain = 0, whShop = 0, whBranch = 0;
    int p1 = 0, pNullBlocked = 0, pBlocked = 0, pShop = 0, pEach = 0, pNoUnits = 0;
    int pcs = 0, box = 0, caseUnit = 0, each = 0;
    int projectA = 0, projectB = 0;
    int v1 = 0, v2 = 0;

private:
    void seedCompany();
};

} // namespace zelt::test
