// The stock text of a product: its balance of one year over every warehouse,
// in whole stock units and the smallest units left over.

#include "masters/Dm_Product.h"

#include "platform/data/Query.h"
#include "platform/format/FloatFormat.h"

#include <cmath>

namespace zelt::masters {

QString StockQuantityText(double quantity, int stockFraction, const QString& stockUnitName,
                          const QString& smallUnitName) {
    const double fraction = stockFraction < 1 ? 1.0 : double(stockFraction);
    QString sign;
    if (quantity < 0) {
        sign = QStringLiteral("- ");
        quantity = -quantity;
    }
    QString text;
    if (fraction == 1.0) {
        text = format::formatFloat(u"###,###,##0.###### ", quantity) + stockUnitName;
    } else {
        const double whole = std::trunc(quantity / fraction);
        if (whole != 0)
            text = format::formatFloat(u"###,###,##0 ", whole) + stockUnitName;
        const double rest = quantity - whole * fraction;
        if (rest != 0)
            text += format::formatFloat(u" ######.###### ", std::fabs(rest)) + smallUnitName;
    }
    if (text.isEmpty())
        text = QStringLiteral("0 ") + stockUnitName;
    return sign + text;
}

QString TDmProduct::ProductQuantity(int productId, int balanceYear) {
    QOnHand->close();
    QOnHand->setParam(QStringLiteral("pid"), productId);
    QOnHand->setParam(QStringLiteral("yid"), balanceYear);
    QOnHand->open();
    if (QOnHand->isEmpty())
        return QStringLiteral("Error");
    return StockQuantityText(QOnHand->field(QStringLiteral("Qnty")).asFloat(),
                             QOnHand->field(QStringLiteral("StockUnitFrac")).asInteger(),
                             QOnHand->field(QStringLiteral("StockUnitName")).asString(),
                             QOnHand->field(QStringLiteral("SmallUnitName")).asString());
}

QString TDmProduct::ProductQuantity(int productId, int balanceYear, QString& text) {
    text = ProductQuantity(productId, balanceYear);
    return text;
}

} // namespace zelt::masters
