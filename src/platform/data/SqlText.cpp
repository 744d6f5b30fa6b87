#include "platform/data/SqlText.h"

namespace zelt::data {

namespace {
bool isNameStart(QChar c) {
    return c.isLetter() || c == QLatin1Char('_');
}
// Thai vowel and tone marks are combining marks: part of the name they follow.
bool isNameChar(QChar c) {
    return c.isLetterOrNumber() || c.isMark() || c == QLatin1Char('_');
}
} // namespace

ParsedSql parseNamedParams(const QString& sql) {
    ParsedSql out;
    out.positional.reserve(sql.size());
    const qsizetype n = sql.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = sql.at(i);
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            // Copy a quoted text or name whole; a doubled quote stays inside.
            qsizetype j = i + 1;
            while (j < n) {
                if (sql.at(j) == c) {
                    if (j + 1 < n && sql.at(j + 1) == c) {
                        j += 2;
                        continue;
                    }
                    break;
                }
                ++j;
            }
            j = qMin(j + 1, n);
            out.positional += QStringView(sql).mid(i, j - i);
            i = j;
            continue;
        }
        if (c == QLatin1Char('-') && i + 1 < n && sql.at(i + 1) == QLatin1Char('-')) {
            qsizetype j = sql.indexOf(QLatin1Char('\n'), i);
            if (j < 0)
                j = n;
            out.positional += QStringView(sql).mid(i, j - i);
            i = j;
            continue;
        }
        if (c == QLatin1Char('/') && i + 1 < n && sql.at(i + 1) == QLatin1Char('*')) {
            qsizetype j = sql.indexOf(QStringLiteral("*/"), i + 2);
            j = j < 0 ? n : j + 2;
            out.positional += QStringView(sql).mid(i, j - i);
            i = j;
            continue;
        }
        if (c == QLatin1Char(':')) {
            if (i + 1 < n && sql.at(i + 1) == QLatin1Char(':')) {
                out.positional += QStringLiteral("::");
                i += 2;
                continue;
            }
            if (i + 1 < n && isNameStart(sql.at(i + 1))) {
                qsizetype j = i + 1;
                while (j < n && isNameChar(sql.at(j)))
                    ++j;
                out.names << sql.mid(i + 1, j - i - 1);
                out.positional += QLatin1Char('?');
                i = j;
                continue;
            }
        }
        out.positional += c;
        ++i;
    }
    return out;
}

QStringList distinctParamNames(const QString& sql) {
    QStringList result;
    for (const QString& name : parseNamedParams(sql).names) {
        bool seen = false;
        for (const QString& r : result)
            seen = seen || r.compare(name, Qt::CaseInsensitive) == 0;
        if (!seen)
            result << name;
    }
    return result;
}

QStringList splitScript(const QStringList& lines) {
    QStringList statements;
    QString current;
    auto flush = [&] {
        if (!current.trimmed().isEmpty())
            statements << current.trimmed();
        current.clear();
    };
    for (const QString& line : lines) {
        if (line.trimmed() == QLatin1String("/")) {
            flush();
            continue;
        }
        current += line;
        current += QLatin1Char('\n');
    }
    flush();
    return statements;
}

} // namespace zelt::data
