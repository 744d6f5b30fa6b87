#include "platform/data/DataSet.h"

#include <cmath>

// The values of a data set's fields: conversions shared by fields, models and
// controls, and the typed access of a field of the current record.

namespace zelt::data {

// ------------------------------------------------------------ conversions

QString variantToString(const QVariant& v) {
    if (v.isNull())
        return {};
    switch (v.typeId()) {
    case QMetaType::Double:
        return QString::number(v.toDouble(), 'g', 15);
    case QMetaType::QDate:
        return v.toDate().toString(QStringLiteral("dd/MM/yyyy"));
    case QMetaType::QDateTime: {
        const QDateTime dt = v.toDateTime();
        if (dt.time() == QTime(0, 0))
            return dt.date().toString(QStringLiteral("dd/MM/yyyy"));
        return dt.toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"));
    }
    default:
        return v.toString();
    }
}

double variantToFloat(const QVariant& v) {
    if (v.isNull())
        return 0.0;
    if (v.typeId() == QMetaType::QString) {
        const QString s = v.toString().trimmed();
        if (s.isEmpty())
            return 0.0;
        bool ok = false;
        const double d = s.toDouble(&ok);
        if (!ok)
            throw DatabaseError(QStringLiteral("'%1' is not a valid floating point value").arg(s));
        return d;
    }
    return v.toDouble();
}

QVariant coerceValue(const QVariant& v, ValueKind kind) {
    if (v.isNull() || kind == ValueKind::Raw)
        return v.isNull() ? QVariant() : v;
    const bool text = v.typeId() == QMetaType::QString;
    switch (kind) {
    case ValueKind::Int:
        if (text) {
            const QString s = v.toString().trimmed();
            if (s.isEmpty())
                return {};
            bool ok = false;
            const qlonglong n = s.toLongLong(&ok);
            if (!ok)
                throw DatabaseError(QStringLiteral("'%1' is not a valid integer value").arg(s));
            return Dialect::fromDb(n, ValueKind::Int);
        }
        if (v.typeId() == QMetaType::Double)
            return Dialect::fromDb(qlonglong(std::llround(v.toDouble())), ValueKind::Int);
        return Dialect::fromDb(v, ValueKind::Int);
    case ValueKind::Float:
        if (text && v.toString().trimmed().isEmpty())
            return {};
        return variantToFloat(v);
    case ValueKind::Date:
    case ValueKind::DateTime:
        if (text) {
            const QString s = v.toString().trimmed();
            if (s.isEmpty())
                return {};
            QVariant d = Dialect::fromDb(s, kind);
            if (!d.isValid() ||
                (kind == ValueKind::Date ? !d.toDate().isValid() : !d.toDateTime().isValid())) {
                const QDate local = QDate::fromString(s, QStringLiteral("dd/MM/yyyy"));
                if (!local.isValid())
                    throw DatabaseError(QStringLiteral("'%1' is not a valid date").arg(s));
                d = kind == ValueKind::Date ? QVariant(local) : QVariant(QDateTime(local, QTime(0, 0)));
            }
            return d;
        }
        return Dialect::fromDb(v, kind);
    default:
        return Dialect::fromDb(v, kind);
    }
}

bool sameValue(const QVariant& a, const QVariant& b) {
    if (a.isNull() || b.isNull())
        return a.isNull() == b.isNull();
    if (a.typeId() == QMetaType::QString && b.typeId() == QMetaType::QString)
        return a.toString() == b.toString();
    if (a.typeId() == b.typeId())
        return a == b;
    const bool numA = a.canConvert<double>() && a.typeId() != QMetaType::QString;
    const bool numB = b.canConvert<double>() && b.typeId() != QMetaType::QString;
    if (numA && numB)
        return a.toDouble() == b.toDouble();
    return a.toString() == b.toString();
}

// ------------------------------------------------------------------ Field

const QString& Field::name() const {
    return ds_->fields_[index_].name;
}
ValueKind Field::kind() const {
    return ds_->fields_[index_].kind;
}

QVariant Field::value() const {
    ds_->requireActive();
    if (ds_->current_ < 0)
        return {};
    return ds_->rows_[ds_->current_].values[index_];
}

QVariant Field::oldValue() const {
    if (ds_->current_ < 0)
        return {};
    return ds_->oldCell(ds_->current_, index_);
}

bool Field::isNull() const {
    return value().isNull();
}
QString Field::asString() const {
    return variantToString(value());
}

int Field::asInteger() const {
    const qint64 n = asLargeInt();
    if (n < INT_MIN || n > INT_MAX)
        throw DatabaseError(QStringLiteral("'%1' is not a valid integer value").arg(n));
    return int(n);
}

qint64 Field::asLargeInt() const {
    const QVariant v = value();
    if (v.isNull())
        return 0;
    if (v.typeId() == QMetaType::Double)
        return qint64(std::llround(v.toDouble()));
    bool ok = false;
    const qint64 n = v.toString().trimmed().toLongLong(&ok);
    if (!ok) {
        if (v.typeId() == QMetaType::QString && v.toString().trimmed().isEmpty())
            return 0;
        throw DatabaseError(QStringLiteral("'%1' is not a valid integer value").arg(v.toString()));
    }
    return n;
}

double Field::asFloat() const {
    return variantToFloat(value());
}

QDate Field::asDate() const {
    const QVariant v = value();
    if (v.isNull())
        return {};
    if (v.typeId() == QMetaType::QDate)
        return v.toDate();
    if (v.typeId() == QMetaType::QDateTime)
        return v.toDateTime().date();
    const QString s = v.toString().trimmed();
    QDate d = QDate::fromString(s.left(10), QStringLiteral("yyyy-MM-dd"));
    if (!d.isValid())
        d = QDate::fromString(s, QStringLiteral("dd/MM/yyyy"));
    if (!d.isValid())
        throw DatabaseError(QStringLiteral("'%1' is not a valid date").arg(s));
    return d;
}

QDateTime Field::asDateTime() const {
    const QVariant v = value();
    if (v.isNull())
        return {};
    if (v.typeId() == QMetaType::QDateTime)
        return v.toDateTime();
    if (v.typeId() == QMetaType::QDate)
        return QDateTime(v.toDate(), QTime(0, 0));
    const QVariant dt = Dialect::fromDb(v, ValueKind::DateTime);
    if (!dt.toDateTime().isValid())
        throw DatabaseError(QStringLiteral("'%1' is not a valid date and time").arg(v.toString()));
    return dt.toDateTime();
}

void Field::setValue(const QVariant& value) const {
    ds_->requireActive();
    if (ds_->state_ != DataSetState::Edit && ds_->state_ != DataSetState::Insert)
        throw DatabaseError(QStringLiteral("Dataset not in edit or insert mode"));
    QVariant& cell = ds_->rows_[ds_->current_].values[index_];
    const QVariant v = coerceValue(value, ds_->fields_[index_].kind);
    if (sameValue(cell, v) && cell.isNull() == v.isNull())
        return;
    cell = v;
    ds_->fieldChanged(index_);
}

} // namespace zelt::data
