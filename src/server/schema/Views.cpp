// Views of the company database. Quantities are in the products' smallest
// units; the current stock is the balance of the company's running year.
// Amounts are multiplied by 1.0 before a division so that the embedded
// engine divides decimals, not whole numbers.

#include "server/Views.h"

namespace zelt::server {

const std::vector<ViewDef>& companyViews() {
    static const std::vector<ViewDef> views = {
        {
            // The product columns document lines and searches show.
            "ProductView",
            "SELECT P.Id, P.Code, P.ThaiName, P.EngName, P.PosName, P.Remark, P.ProductType, "
            "P.Picture1, P.Blocked, P.LotControl, P.UseSerial, P.MasterCode, P.PType, P.PGroup, "
            "P.ProductGroup, P.Size_W, P.Size_L, P.Size_H "
            "FROM Product P",
        },
        {
            // The duty of an import lot per product: each duty row of a
            // document is spread over the lines that name it in proportion
            // to their amounts.
            "ImDtDuty",
            "SELECT H.ImportLotNo, D.Product, "
            "SUM(Y.Total * 1.0 * D.Total / NULLIF((SELECT SUM(X.Total) FROM ImDt X WHERE X.ImDuty = Y.ID), "
            "0)) "
            "AS Duty "
            "FROM ImDt D "
            "INNER JOIN ImHd H ON H.ID = D.ImHd "
            "INNER JOIN ImDuty Y ON Y.ID = D.ImDuty "
            "GROUP BY H.ImportLotNo, D.Product",
        },
        {
            // Stock of a product per warehouse with what open purchase orders
            // will bring and open sales orders will take.
            "view_currentstock",
            "SELECT O.Product, O.Warehouse, SUM(O.Quantity) AS Onhand, SUM(O.Quantity) AS OnhandQnty, "
            "(SELECT COALESCE(SUM(D.BackOrder), 0) FROM PoDt D "
            "WHERE D.Product = O.Product AND D.Warehouse = O.Warehouse AND D.Clear <> 'Y') AS WaitPO, "
            "(SELECT COALESCE(SUM(S.Quantity * S.Fraction), 0) FROM SoDt S "
            "WHERE S.Product = O.Product AND S.Warehouse = O.Warehouse AND S.Clear <> 'Y') AS WaitSO "
            "FROM ProductOnHand O "
            "WHERE O.BalanceYear = (SELECT MAX(C.RunYear) FROM Config C) "
            "GROUP BY O.Product, O.Warehouse",
        },
        {
            // Production figures of a product as texts for the product search
            // of manufacturing companies: stock, quantity still in production,
            // material reserved by open work orders and the stock left after
            // the reservation. Reservations for issue (PreIsQty) are kept by
            // no table here and show 0.
            "ProductonhandMFG",
            "SELECT S.Product, CAST(S.Onhand AS VARCHAR(30)) AS Onhand, "
            "CAST(S.WorkOrderOH AS VARCHAR(30)) AS WorkOrderOH, CAST(0 AS VARCHAR(30)) AS PreIsQty, "
            "CAST(S.WKIsQty AS VARCHAR(30)) AS WKIsQty, CAST(S.Onhand - S.WKIsQty AS VARCHAR(30)) AS "
            "OH_WKIsQty "
            "FROM (SELECT P.Id AS Product, "
            "COALESCE((SELECT SUM(O.Quantity) FROM ProductOnHand O WHERE O.Product = P.Id "
            "AND O.BalanceYear = (SELECT MAX(C.RunYear) FROM Config C)), 0) AS Onhand, "
            "COALESCE((SELECT SUM(W.Quantity * U.Fraction) FROM WorkOrderHd W "
            "INNER JOIN ProductUnits U ON U.Id = W.ProductUnits "
            "WHERE W.FinishedGoods = P.Id AND W.Clear <> 'Y' AND W.DelFlag = 'N'), 0) "
            "- COALESCE((SELECT SUM(F.Quantity * F.Fraction) FROM MFGFinishDt F "
            "INNER JOIN WorkOrderHd W ON W.Id = F.WorkOrderHd "
            "WHERE F.Product = P.Id AND W.Clear <> 'Y' AND W.DelFlag = 'N'), 0) AS WorkOrderOH, "
            "COALESCE((SELECT SUM(T.Quantity * T.Fraction) FROM WorkOrderDt T "
            "INNER JOIN WorkOrderHd W ON W.Id = T.WorkOrderHd "
            "WHERE T.Product = P.Id AND W.Clear <> 'Y' AND W.DelFlag = 'N'), 0) AS WKIsQty "
            "FROM Product P) S",
        },
    };
    return views;
}

} // namespace zelt::server
