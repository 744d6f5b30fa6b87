#pragma once

#include <QString>

#include <stdexcept>

namespace zelt::data {

// Every failure of the data-access layer: a statement the engine refused, a
// connection that could not be made, a field or parameter that does not exist,
// a data set used in the wrong state. The message follows the wording of the
// original database server where one exists, so that the error translation
// of the shell recognises it; the engine's own text follows it.
class DatabaseError : public std::runtime_error {
public:
    explicit DatabaseError(const QString& message, const QString& statement = {})
        : std::runtime_error(message.toStdString())
        , message_(message)
        , statement_(statement) {}

    const QString& message() const { return message_; }
    const QString& statement() const { return statement_; }

private:
    QString message_;
    QString statement_;
};

// A silent stop: the user was already told why (a control refused what was
// typed), so the action ends without another message. The application-wide
// handler lets it pass without a dialog.
class AbortError : public std::runtime_error {
public:
    AbortError()
        : std::runtime_error("Operation aborted") {}
};

} // namespace zelt::data
