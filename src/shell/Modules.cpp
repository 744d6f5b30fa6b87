#include "shell/Modules.h"

#include <QHash>

namespace zelt::shell {

namespace {
QHash<QString, ModuleFactory>& factories() {
    static QHash<QString, ModuleFactory> f;
    return f;
}
} // namespace

const QStringList& moduleCodes() {
    static const QStringList codes{QStringLiteral("IMPTRAN"),    QStringLiteral("IMPBEGIN"),
                                   QStringLiteral("IMEXPTRAN"),  QStringLiteral("IMEXCTRAN"),
                                   QStringLiteral("IMPORTCOST"), QStringLiteral("FRPO")};
    return codes;
}

void registerModule(const QString& code, ModuleFactory factory) {
    factories().insert(code.toUpper(), std::move(factory));
}

QString matchModule(const QString& argument) {
    const QString wanted = argument.trimmed().toUpper();
    for (const QString& code : moduleCodes())
        if (code == wanted)
            return code;
    return {};
}

QWidget* createModule(const QString& code) {
    const auto it = factories().constFind(code.toUpper());
    return it == factories().constEnd() || !it.value() ? nullptr : it.value()();
}

} // namespace zelt::shell
