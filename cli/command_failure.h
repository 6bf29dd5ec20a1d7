#pragma once

#include <QString>
#include <QTextStream>

namespace cli {

// What every command returns when it cannot do its work.
constexpr int failed = 2;

// Says why on the error stream, in the program's name, and returns `failed`.
inline int fail(QTextStream &errors, const QString &message)
{
    errors << "teebook-cli: " << message << '\n';
    errors.flush();
    return failed;
}

} // namespace cli
