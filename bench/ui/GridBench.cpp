// The lines grid of a large document: 1,000 lines, 15 columns. The forms
// lay the grid out again on every line change, so a layout must cost far
// less than a key press; so must moving the current line with a repaint.

#include "platform/data/MemoryTable.h"
#include "platform/ui/DocGrid.h"

#include <QApplication>
#include <QHeaderView>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

using namespace zelt;

namespace {

QString u(const char* text) {
    return QString::fromUtf8(text);
}

const char* const kFields[] = {"RecNo",       "ProductType", "ProductCode", "BarCode",     "PurchaseCode",
                               "ProductName", "ShipDate",    "WhCode",      "LotCode",     "UnitName",
                               "Quantity",    "Price",       "Discount",    "DiscountAmt", "Total"};
const char* const kCaptions[] = {"ลำดับ",   "ชนิด",   "รหัสสินค้า", "BAR CODE", "รหัสผู้จำหน่าย",
                                 "ชื่อสินค้า", "วันที่ส่ง", "คลัง",     "Lot No.",  "หน่วย",
                                 "จำนวน",  "ราคา",  "ส่วนลด",   "ลด(บาท)",  "รวม"};
const int kWidths[] = {3, 6, 15, 14, 14, 35, 10, 8, 8, 9, 8, 9, 9, 9, 12};

struct Fixture {
    data::MemoryTable lines;
    std::unique_ptr<ui::DocGrid> grid;

    explicit Fixture(int count) {
        for (int i = 0; i < 15; ++i) {
            const QString name = u(kFields[i]);
            data::ValueKind kind = data::ValueKind::Text;
            if (i == 0)
                kind = data::ValueKind::Int;
            else if (i == 6)
                kind = data::ValueKind::Date;
            else if (i >= 10 && i != 12)
                kind = data::ValueKind::Float;
            lines.addField(name, kind, kind == data::ValueKind::Text ? 60 : 0);
        }
        lines.open();
        for (int r = 0; r < count; ++r) {
            lines.append();
            lines.setValue(u("RecNo"), r + 1);
            lines.setValue(u("ProductType"), u("P"));
            lines.setValue(u("ProductCode"), QStringLiteral("P%1").arg(r, 5, 10, QLatin1Char('0')));
            lines.setValue(u("ProductName"), u("สินค้าทดสอบ ") + QString::number(r));
            lines.setValue(u("Quantity"), 1.0 + r % 7);
            lines.setValue(u("Price"), 125.5);
            lines.setValue(u("Total"), (1.0 + r % 7) * 125.5);
            lines.post();
        }
        lines.first();
        grid = std::make_unique<ui::DocGrid>();
        grid->defineEditor(ui::GridEditor::list(u("ProductType"), {u("สินค้า"), u("บริการ")}, {u("P"), u("S")}));
        grid->defineEditor(ui::GridEditor::code(u("ProductCode")));
        grid->defineEditor(ui::GridEditor::number(u("QQnty")));
        grid->setFieldFormat(u("Quantity"), u("#,##0.0000"), u("###0.0000"));
        grid->setFieldFormat(u("Price"), u("#,##0.000"), u("###0.000"));
        grid->setFieldFormat(u("Total"), u("#,##0.00"), u("###0.00"));
        grid->setDataSet(&lines);
        grid->setColumns(layout(false, 0));
        grid->resize(1200, 600);
        grid->show();
        QApplication::processEvents();
    }

    // A layout as a form builds it for the current line; variant moves the
    // code column to another field, as the entry-type box does.
    static QVector<ui::GridColumn> layout(bool locked, int variant) {
        QVector<ui::GridColumn> cols;
        for (int i = 0; i < 15; ++i) {
            QString field = u(kFields[i]);
            if (i == 2 && variant == 1)
                field = u("BarCode");
            if (i == 3 && variant == 1)
                field = u("ProductCode");
            const bool ro = i == 0 || i == 5 || i == 13 || (locked && (i == 10 || i == 11));
            cols.push_back({field, kWidths[i], ro,
                            i == 2 ? u("ProductCode") : (i == 10 ? u("QQnty") : QString()), u(kCaptions[i])});
        }
        return cols;
    }
};

Fixture& fixture() {
    static Fixture f(1000);
    return f;
}

// The common relayout: the same fields with the line's read-only flags.
void BM_RelayoutSameFields(benchmark::State& state) {
    Fixture& f = fixture();
    f.grid->setCurrentCell(500, u("Quantity"));
    bool locked = false;
    for (auto _ : state) {
        locked = !locked;
        f.grid->setColumns(Fixture::layout(locked, 0));
        f.grid->viewport()->repaint();
    }
}
BENCHMARK(BM_RelayoutSameFields)->Unit(benchmark::kMicrosecond);

// The same without painting: what the layout itself costs.
void BM_RelayoutOnly(benchmark::State& state) {
    Fixture& f = fixture();
    f.grid->setCurrentCell(500, u("Quantity"));
    int variant = 0;
    for (auto _ : state) {
        variant = 1 - variant;
        f.grid->setColumns(Fixture::layout(false, variant));
    }
}
BENCHMARK(BM_RelayoutOnly)->Unit(benchmark::kMicrosecond);

// One paint of the grid, the floor every step above includes.
void BM_PaintOnly(benchmark::State& state) {
    Fixture& f = fixture();
    for (auto _ : state)
        f.grid->viewport()->repaint();
}
BENCHMARK(BM_PaintOnly)->Unit(benchmark::kMicrosecond);

// A full relayout: other fields, so the model is rebuilt and the current cell
// found again.
void BM_RelayoutOtherFields(benchmark::State& state) {
    Fixture& f = fixture();
    f.grid->setCurrentCell(500, u("Quantity"));
    int variant = 0;
    for (auto _ : state) {
        variant = 1 - variant;
        f.grid->setColumns(Fixture::layout(false, variant));
        f.grid->viewport()->repaint();
    }
}
BENCHMARK(BM_RelayoutOtherFields)->Unit(benchmark::kMicrosecond);

// Down through the lines, one line per step, each step painted; the form
// lays the grid out on every line change, as the forms do.
void BM_MoveLineWithRelayout(benchmark::State& state) {
    Fixture& f = fixture();
    f.grid->setColumns(Fixture::layout(false, 0));
    int row = 0;
    bool locked = false;
    for (auto _ : state) {
        row = (row + 1) % 1000;
        f.lines.setRecNo(row);
        locked = !locked;
        f.grid->setColumns(Fixture::layout(locked, 0));
        f.grid->viewport()->repaint();
    }
}
BENCHMARK(BM_MoveLineWithRelayout)->Unit(benchmark::kMicrosecond);

// A page down and back up, painted.
void BM_ScrollPage(benchmark::State& state) {
    Fixture& f = fixture();
    int row = 0;
    for (auto _ : state) {
        row = (row + 25) % 1000;
        f.grid->setCurrentCell(row, u("ProductName"));
        f.grid->viewport()->repaint();
    }
}
BENCHMARK(BM_ScrollPage)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
