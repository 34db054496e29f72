#ifndef STORE_FAILURE_H
#define STORE_FAILURE_H

// How the project database reports a failure: an error number and a
// description, which the windows join into their messages ("Error: " +
// description + ". Error Number: " + number). Descriptions never end with a
// full stop, because every message adds one.
//
// Error numbers
// -------------
// Failures of the database engine itself carry the engine's own error:
// SQLite's result code and message (for example 1 "no such table: Lot 4", 8
// "attempt to write a readonly database", 26 "file is not a database"), or the
// office database server's SQLSTATE and message (42P07 "relation "Lot 4"
// already exists", 42501 "permission denied for schema public"). SQLite's
// codes, the extended ones included, stay below 9000. A SQLSTATE is not a
// number: such a failure has the number kServerError and the SQLSTATE as its
// code, and messages show the code (numberText()). The store's own failures:
//
//   9000  kDriverFailure        a failure of Qt SQL that carries no SQLite code
//   524   kDateConversion       the Date text is empty or not a date typed as
//                               MM/DD/YYYY; the windows show their date message
//   9001  kFileNotFound         basin.mdb does not exist (it is never created)
//   9002  kFileNotReadable      basin.mdb exists but is not a readable file
//   9003  kDriverMissing        Qt SQL has no SQLite driver (or no PostgreSQL
//                               driver, for the office database)
//   9004  kNumberConversion     the text for a Single or Double column is not a
//                               number, or too large for the column's type
//   9005  kNoTableOpen          a record operation or the report without an
//                               open table
//   9006  kNoSuchRecord         no record at the given position
//   9007  kInvalidTableName     the empty table name, one holding the NUL
//                               character, or (office database) one longer
//                               than the server's 63 bytes
//   9008  kNotProjectTable      the table lacks the basin columns in their order
//                               (on the office database also its key and
//                               version after them)
//   9009  kStoredValueInvalid   a stored Single or Double holds text that is not
//                               a number (written by another program)
//   9010  kEmptyTable           the report of a table without records
//   9011  kRecordWithoutDate    the report reached a record without a Date
//   9012  kFileNotWritable      report.txt could not be written
//   9013  kChangedByAnother     the record was changed by another designer
//                               since it was loaded; nothing was written
//   9014  kDeletedByAnother     the record was deleted by another designer
//                               since it was loaded; nothing was written
//   9015  kBackupFailed         the daily backup's folder could not be made
//   9016  kConnectionFailed     the office database server could not be
//                               reached, refused the login or the database, or
//                               dropped the connection; the description names
//                               the server and gives the reason
//   9017  kConnectionFileInvalid  basin.pgconnect cannot be read, holds no
//                               connection string, or holds a password
//   9018  kServerError          an error reported by the office database
//                               server; its SQLSTATE is the failure's code

#include <QString>

#include <optional>
#include <utility>

namespace store {

namespace err {
inline constexpr int kDriverFailure = 9000;
inline constexpr int kDateConversion = 524;
inline constexpr int kFileNotFound = 9001;
inline constexpr int kFileNotReadable = 9002;
inline constexpr int kDriverMissing = 9003;
inline constexpr int kNumberConversion = 9004;
inline constexpr int kNoTableOpen = 9005;
inline constexpr int kNoSuchRecord = 9006;
inline constexpr int kInvalidTableName = 9007;
inline constexpr int kNotProjectTable = 9008;
inline constexpr int kStoredValueInvalid = 9009;
inline constexpr int kEmptyTable = 9010;
inline constexpr int kRecordWithoutDate = 9011;
inline constexpr int kFileNotWritable = 9012;
inline constexpr int kChangedByAnother = 9013;
inline constexpr int kDeletedByAnother = 9014;
inline constexpr int kBackupFailed = 9015;
inline constexpr int kConnectionFailed = 9016;
inline constexpr int kConnectionFileInvalid = 9017;
inline constexpr int kServerError = 9018;
}  // namespace err

struct Failure {
    Failure() = default;
    Failure(int number, QString description, QString code = {})
        : number(number), description(std::move(description)), code(std::move(code))
    {
    }

    // The number the messages show: the code when there is one (a SQLSTATE),
    // otherwise the number in decimal.
    QString numberText() const { return code.isEmpty() ? QString::number(number) : code; }

    int number = 0;
    QString description;
    QString code;
};

// The outcome of an operation without a result: success or a failure.
class [[nodiscard]] Status {
public:
    Status() = default;  // success
    Status(Failure failure) : m_failure(std::move(failure)) {}

    bool ok() const { return !m_failure; }
    explicit operator bool() const { return ok(); }
    const Failure& failure() const { return *m_failure; }

private:
    std::optional<Failure> m_failure;
};

// The outcome of an operation with a result: the value or a failure.
template <typename T>
class [[nodiscard]] Result {
public:
    Result(T value) : m_value(std::move(value)) {}
    Result(Failure failure) : m_failure(std::move(failure)) {}

    bool ok() const { return m_value.has_value(); }
    explicit operator bool() const { return ok(); }
    const T& value() const& { return *m_value; }
    T&& value() && { return std::move(*m_value); }
    const T& operator*() const { return *m_value; }
    const T* operator->() const { return &*m_value; }
    const Failure& failure() const { return m_failure; }
    Status status() const { return ok() ? Status() : Status(m_failure); }

private:
    std::optional<T> m_value;
    Failure m_failure;
};

}  // namespace store

#endif  // STORE_FAILURE_H
