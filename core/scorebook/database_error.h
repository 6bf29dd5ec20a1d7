#pragma once

#include <QString>

#include <stdexcept>

// A refusal by the scorebook (locked, read only, disk full, damaged ...), with a
// sentence a golfer can read. Windows catch it where the user can be told.
class DatabaseError : public std::runtime_error
{
public:
    explicit DatabaseError(const QString &message)
        : std::runtime_error(message.toStdString())
        , m_message(message)
    { }

    QString message() const { return m_message; }

private:
    QString m_message;
};

namespace SQLite {
class Exception;
}

// Turns an engine refusal into a DatabaseError with plain words.
DatabaseError databaseErrorFrom(const SQLite::Exception &refusal);
