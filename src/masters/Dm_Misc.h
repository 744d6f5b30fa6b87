#pragma once

#include <QObject>
#include <QString>

namespace zelt::data {
class Query;
} // namespace zelt::data

namespace zelt::masters {

// Miscellaneous-charge codes of the purchase and receipt lines: products of
// type "M".
class TDmMisc : public QObject {
    Q_OBJECT
public:
    explicit TDmMisc(QObject* parent = nullptr);
    ~TDmMisc() override;

    data::Query* QChkMisc; // on DMDATA

    // An unblocked miscellaneous charge with that code; QChkMisc stays open
    // on it. A charge whose Blocked is not set at all is not found.
    bool ExistsMisc(const QString& code);
};

// The one instance of the program: set by the first TDmMisc created,
// cleared when it is destroyed.
extern TDmMisc* DmMisc;

} // namespace zelt::masters
