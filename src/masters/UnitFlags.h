#pragma once

#include <QFlags>
#include <QtGlobal>

namespace zelt::masters {

// The roles a unit of a product may play, as the unit checks receive them:
// one byte, each bit one flag column of ProductUnits.
enum class UnitFlag : quint8 {
    Sale = 1,  // SaleFlag
    Purc = 2,  // PurcFlag
    Stock = 4, // StockUnitFlag
    Small = 8, // SmallUnitFlag
};
Q_DECLARE_FLAGS(UnitFlags, UnitFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(UnitFlags)

} // namespace zelt::masters
