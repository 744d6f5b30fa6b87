#include "masters/Dm_Vendor.h"

#include "masters/MasterQuery.h"
#include "platform/data/Query.h"
#include "platform/format/FloatFormat.h"
#include "platform/ui/Modal.h"

#include <cmath>

namespace zelt::masters {

TDmVendor* DmVendor = nullptr;

namespace {

// The balance is the vendor's debt of the server's current year: open
// balance, cheques due and cheques returned.
const char* const kChkCreditSql =
    "Select V.CreditLimit,\n"
    "  Coalesce((Select Sum(Coalesce(Balance,0)+Coalesce(ChqDue,0)+Coalesce(ChqRtd,0))\n"
    "            From VendorBalance\n"
    "            Where Vendor=V.Id And BalanceYear = Year(GetDate())),0) Balance\n"
    "From Vendor V\n"
    "Where (V.Id=:ChkId)";

} // namespace

TDmVendor::TDmVendor(QObject* parent)
    : QObject(parent) {
    setObjectName(QStringLiteral("DmVendor"));
    if (!DmVendor)
        DmVendor = this;
    QChkCredit = makeMasterQuery("QChkCredit", kChkCreditSql, this);
}

TDmVendor::~TDmVendor() {
    if (DmVendor == this)
        DmVendor = nullptr;
}

bool TDmVendor::CheckVendorCredit(int vendorId, double amount) {
    QChkCredit->close();
    QChkCredit->setParam(QStringLiteral("ChkId"), vendorId);
    QChkCredit->open();
    const double limit = QChkCredit->field(QStringLiteral("CreditLimit")).asFloat();
    if (limit <= 0)
        return true;
    const double balance = QChkCredit->field(QStringLiteral("Balance")).asFloat();
    // Amounts are compared and shown in cents: the sum of two amounts of two
    // decimals may land a hair above a limit it exactly reaches (1000.10 +
    // 0.20 against 1000.30), and their difference would show as
    // 0.199999999999932.
    const qint64 limitCents = std::llround(limit * 100);
    const qint64 balanceCents = std::llround(balance * 100);
    if (std::llround((balance + amount) * 100) <= limitCents)
        return true;

    ui::showMessage(QString::fromUtf8("ยอดเกินวงเงินเครดิต\n\nบริษัทมีเครดิตคงเหลือ ") +
                    format::floatToStr(double(limitCents - balanceCents) / 100));
    return configValue(QStringLiteral("purcunlockcredit")).toString().trimmed().isEmpty();
}

} // namespace zelt::masters
