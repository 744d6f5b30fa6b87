#include "platform/data/Params.h"

#include "platform/data/DataError.h"

namespace zelt::data {

ParamList::ParamList(std::initializer_list<std::pair<QString, QVariant>> values) {
    for (const auto& [name, value] : values)
        set(name, value);
}

int ParamList::indexOf(const QString& name) const {
    for (int i = 0; i < items_.size(); ++i)
        if (items_[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

Param& ParamList::byName(const QString& name) {
    const int i = indexOf(name);
    if (i < 0)
        throw DatabaseError(QStringLiteral("Parameter '%1' not found").arg(name));
    return items_[i];
}

const Param& ParamList::byName(const QString& name) const {
    return const_cast<ParamList*>(this)->byName(name);
}

void ParamList::set(const QString& name, const QVariant& value) {
    const int i = indexOf(name);
    if (i >= 0)
        items_[i].value = value;
    else
        items_.push_back({name, value});
}

void ParamList::resetNames(const QStringList& names) {
    QVector<Param> next;
    next.reserve(names.size());
    for (const QString& n : names) {
        const int i = indexOf(n);
        next.push_back({n, i >= 0 ? items_[i].value : QVariant()});
    }
    items_ = std::move(next);
}

} // namespace zelt::data
