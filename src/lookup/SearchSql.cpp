#include "lookup/SearchSql.h"

#include <QRegularExpression>

namespace zelt::lookup {

QString likeText(const QString& text) {
    QString out = text;
    out.replace(QLatin1Char('!'), QStringLiteral("!!"));
    return out;
}

QString likeContains(const QString& text) {
    return QLatin1Char('%') + likeText(text) + QLatin1Char('%');
}

QString likePrefix(const QString& text) {
    return likeText(text) + QLatin1Char('%');
}

bool isSortableColumn(const QString& name, data::ValueKind kind) {
    if (kind == data::ValueKind::Blob)
        return false;
    const QString upper = name.trimmed().toUpper();
    return upper != QStringLiteral("REMARK") && upper != QStringLiteral("MEMO");
}

bool sortByPosition(QStringList& lines, int position, bool descending) {
    static const QString kOrderBy = QStringLiteral("ORDER BY ");
    QString order = QStringLiteral("Order By ") + QString::number(position);
    if (descending)
        order += QStringLiteral(" Desc");
    bool changed = false;
    for (QString& line : lines) {
        const qsizetype at = line.indexOf(kOrderBy, 0, Qt::CaseInsensitive);
        if (at < 0)
            continue;
        line = line.left(at) + order;
        changed = true;
    }
    return changed;
}

bool isPlainName(const QString& name) {
    static const QRegularExpression plain(
        QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*(\\.[A-Za-z_][A-Za-z0-9_]*)?$"));
    return plain.match(name).hasMatch();
}

} // namespace zelt::lookup
