#pragma once

#include <QString>
#include <QVariant>
#include <QVector>

#include <initializer_list>
#include <utility>

namespace zelt::data {

struct Param {
    QString name;
    QVariant value;
};

// Named parameters, in the order of their first use in the statement; names
// are compared without regard to case, as the original did.
class ParamList {
public:
    ParamList() = default;
    ParamList(std::initializer_list<std::pair<QString, QVariant>> values);

    int count() const { return int(items_.size()); }
    Param& at(int i) { return items_[i]; }
    const Param& at(int i) const { return items_[i]; }
    int indexOf(const QString& name) const;
    bool contains(const QString& name) const { return indexOf(name) >= 0; }

    // The parameter of that name; a DatabaseError when there is none.
    Param& byName(const QString& name);
    const Param& byName(const QString& name) const;
    QVariant value(const QString& name) const { return byName(name).value; }
    // Sets the value, adding the parameter when it is not there.
    void set(const QString& name, const QVariant& value);
    void clear() { items_.clear(); }
    // Keeps the values of names still present, in the order given.
    void resetNames(const QStringList& names);

private:
    QVector<Param> items_;
};

} // namespace zelt::data
