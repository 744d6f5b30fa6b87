#include "shell/ErrorTranslation.h"

namespace zelt::shell {

namespace {

ErrorTranslation row(const char* fragment, const char* text) {
    return {QString::fromUtf8(fragment), QString::fromUtf8(text)};
}

} // namespace

const QList<ErrorTranslation>& errorTranslations() {
    static const QList<ErrorTranslation> rows = {
        row("is not a valid date", "ป้อนวันที่ไม่ถูกต้อง"),
        row("Cannot insert the value NULL into column 'Transportation'", "ไม่ได้ป้อนข้อมูลการขนส่ง"),
        row("Cannot insert the value NULL into column 'Price'", "กำหนดราคาไม่ครบถ้วน"),
        row("Cannot insert the value NULL into column 'Warehouse'", "ไม่ได้ป้อนข้อมูลคลัง"),
        row("Cannot insert the value NULL into column 'Customer'", "ไม่ได้ป้อนข้อมูลลูกค้า"),
        row("Cannot insert the value NULL into column 'Vendor'", "ไม่ได้ป้อนข้อมูลเจ้าหนี้"),
        row("Cannot insert the value NULL into column 'Fraction'", "ไม่ได้ป้อนข้อมูลหน่วย หรือ ข้อมูลหน่วยผิดพลาด"),
        row("Cannot insert the value NULL into column 'Salesman'", "ไม่ได้ป้อนข้อมูลพนักงานขาย"),
        row("Possible network error", "ระบบเครือข่าย หรือ คอมพิวเตอร์แม่ข่ายมีปัญหา ติดต่อเครื่องแม่ข่ายไม่ได้"),
        row("DELETE statement conflicted with COLUMN REFERENCE", "ข้อมูลที่ลบถูกอ้างโดยข้อมูลอื่น ไม่สามารถลบข้อมูลนี้ได้"),
        row("Printer selected is not valid", "ยังไม่ได้กำหนดเครื่องพิมพ์ หรือ เครื่องพิมพ์มีปัญหา"),
        row("Insufficient memory", "Memory หน่วยความจำของเครื่องไม่เพียงพอ"),
        row("SQL Server connection timed out", "เครื่องแม่ข่ายตัดการติดต่อ เพราะเครื่องนี้อาจเรียกข้อมูลปริมาณมากเกินไป"),
        row("Cannot insert duplicate", "ข้อมูลที่เพิ่มซ้ำกับข้อมูลที่มีอยู่แล้ว"),
    };
    return rows;
}

namespace {

// Both sides are compared upper-cased, as the dialog shows the message.
QString translateUpper(const QString& upper) {
    for (const ErrorTranslation& r : errorTranslations()) {
        if (upper.contains(r.fragment.toUpper()))
            return r.text;
    }
    return {};
}

} // namespace

QString translateError(const QString& message) {
    return translateUpper(message.toUpper());
}

QString errorDialogText(const QString& message) {
    const QString upper = message.toUpper();
    return translateUpper(upper) + QLatin1Char('\r') + upper + QLatin1Char('\r');
}

} // namespace zelt::shell
