#pragma once

namespace zelt::data {
class Database;
} // namespace zelt::data

namespace zelt::server {

enum class VoucherSource { Import, CreditReceipt, CashPurchase };

// Makes the ledger voucher of a saved document anew: the voucher that names
// the document (glfromdocid, glfromdocno) is removed, and a balanced one
// written from the header's amounts with the accounts of the company
// settings. A deleted document keeps no voucher. Runs in the caller's
// transaction.
void generateVoucher(data::Database& db, VoucherSource source, int docId, int userId);

} // namespace zelt::server
