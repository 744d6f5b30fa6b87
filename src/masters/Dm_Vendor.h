#pragma once

#include <QObject>

namespace zelt::data {
class Query;
} // namespace zelt::data

namespace zelt::masters {

// The vendor's credit limit, asked before a purchase document is saved.
class TDmVendor : public QObject {
    Q_OBJECT
public:
    explicit TDmVendor(QObject* parent = nullptr);
    ~TDmVendor() override;

    data::Query* QChkCredit; // CreditLimit and Balance of the server's current year

    // Whether a purchase that raises the vendor's debt by `amount` may go
    // ahead. A vendor without a limit (0 or less) always may. Beyond the
    // limit the user is told the credit left; the company setting
    // purcunlockcredit then decides: empty, the limit only warns; any value,
    // it stops the purchase.
    bool CheckVendorCredit(int vendorId, double amount);
};

// The one instance of the program: set by the first TDmVendor created,
// cleared when it is destroyed.
extern TDmVendor* DmVendor;

} // namespace zelt::masters
