#pragma once

#include <QObject>
#include <QString>

namespace zelt::data {
class Query;
} // namespace zelt::data

namespace zelt::masters {

// Service codes of the purchase and receipt lines: products of type "S".
class TDmService : public QObject {
    Q_OBJECT
public:
    explicit TDmService(QObject* parent = nullptr);
    ~TDmService() override;

    data::Query* QChkService; // on DMDATA

    // An unblocked service with that code; QChkService stays open on it. A
    // service whose Blocked is not set at all is not found.
    bool ExistsService(const QString& code);
};

// The one instance of the program: set by the first TDmService created,
// cleared when it is destroyed.
extern TDmService* DmService;

} // namespace zelt::masters
