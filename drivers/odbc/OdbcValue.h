#pragma once

#include <sql.h>
#include <sqlext.h>

#include <string>
#include <vector>

#include "platform/com/Variant.h"

namespace ghdb::driver::odbc {

// A result column's type as the driver describes it; parameters bound to that column's values
// are declared with the same type, so the engine compares and stores them as its own.
struct ColumnType {
    SQLSMALLINT sqlType = SQL_VARCHAR;
    SQLULEN size = 0;
    SQLSMALLINT digits = 0;
};

struct ResultColumn {
    std::string name;
    ColumnType type;
};

// The columns of the current result of `stmt`; none for a statement that returns no rows.
std::vector<ResultColumn> DescribeResult(SQLHSTMT stmt, const std::string& source);

// The value of `column` (1-based) in the current row: integers VT_I4 when they fit, else VT_I8;
// floating point VT_R8; binary data bytes; dates and times ISO text; everything else UTF-8 text;
// NULL as VT_NULL.
_variant_t ReadValue(SQLHSTMT stmt, SQLUSMALLINT column, const ColumnType& type,
                     const std::string& source);

// 'YYYY-MM-DD HH:MM:SS', with the fraction of a second when there is one (at least 3 digits).
std::string TimestampText(const SQL_TIMESTAMP_STRUCT& ts);

// Parameter values kept alive, at fixed addresses, for one execution.
class Parameters {
public:
    // A value; `target` is the type of the column it is written to or compared with, when known.
    void add(const _variant_t& value, const ColumnType* target = nullptr);
    // Binds every value added, in order, to the markers of `stmt`.
    void bind(SQLHSTMT stmt, const std::string& source);
    std::size_t size() const noexcept { return values_.size(); }

private:
    struct Value {
        SQLSMALLINT cType = SQL_C_CHAR;
        SQLSMALLINT sqlType = SQL_VARCHAR;
        SQLULEN size = 1;
        SQLSMALLINT digits = 0;
        std::string bytes;
        SQLBIGINT integer = 0;
        SQLDOUBLE real = 0;
        SQL_TIMESTAMP_STRUCT timestamp{};
        SQLLEN indicator = 0;
    };
    std::vector<Value> values_;
};

}  // namespace ghdb::driver::odbc
