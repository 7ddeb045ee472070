#include "drivers/odbc/OdbcValue.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "drivers/OleDate.h"
#include "drivers/odbc/OdbcHandle.h"

namespace ghdb::driver::odbc {

namespace {

_variant_t Integer(std::int64_t v) {
    if (v >= std::numeric_limits<std::int32_t>::min() &&
        v <= std::numeric_limits<std::int32_t>::max())
        return _variant_t(static_cast<int>(v));
    return _variant_t(static_cast<long long>(v));
}

// Reads a character or binary column piece by piece, whatever its length.
bool ReadPieces(SQLHSTMT stmt, SQLUSMALLINT column, SQLSMALLINT cType, std::string& out,
                const std::string& source) {
    char buffer[8192];
    // Character data leaves room for the terminating zero in every piece.
    const std::size_t piece = cType == SQL_C_CHAR ? sizeof buffer - 1 : sizeof buffer;
    for (;;) {
        SQLLEN indicator = 0;
        const SQLRETURN rc = SQLGetData(stmt, column, cType, buffer, sizeof buffer, &indicator);
        if (rc == SQL_NO_DATA) return true;
        if (!SQL_SUCCEEDED(rc)) Fail(SQL_HANDLE_STMT, stmt, source, "a column could not be read");
        if (indicator == SQL_NULL_DATA) return false;
        if (indicator == SQL_NO_TOTAL || static_cast<std::size_t>(indicator) > piece) {
            out.append(buffer, piece);
            continue;
        }
        out.append(buffer, static_cast<std::size_t>(indicator));
        if (rc == SQL_SUCCESS) return true;
    }
}

// A decimal as an integer when it is one, else as a double.
_variant_t Number(const std::string& text) {
    char* end = nullptr;
    errno = 0;
    const long long whole = std::strtoll(text.c_str(), &end, 10);
    if (end && *end == '\0' && errno == 0 && !text.empty()) return Integer(whole);
    return _variant_t(std::strtod(text.c_str(), nullptr));
}

// An OLE Automation date as ODBC's timestamp structure.
SQL_TIMESTAMP_STRUCT TimestampOf(double date) {
    const CivilTime t = FromOleDate(date);
    SQL_TIMESTAMP_STRUCT ts{};
    ts.year = static_cast<SQLSMALLINT>(t.year);
    ts.month = static_cast<SQLUSMALLINT>(t.month);
    ts.day = static_cast<SQLUSMALLINT>(t.day);
    ts.hour = static_cast<SQLUSMALLINT>(t.hour);
    ts.minute = static_cast<SQLUSMALLINT>(t.minute);
    ts.second = static_cast<SQLUSMALLINT>(t.second);
    return ts;
}

bool IsCharacter(SQLSMALLINT type) {
    switch (type) {
        case SQL_CHAR:
        case SQL_VARCHAR:
        case SQL_LONGVARCHAR:
        case SQL_WCHAR:
        case SQL_WVARCHAR:
        case SQL_WLONGVARCHAR:
            return true;
        default:
            return false;
    }
}

bool IsBinary(SQLSMALLINT type) {
    return type == SQL_BINARY || type == SQL_VARBINARY || type == SQL_LONGVARBINARY;
}

// Past this many bytes SQL Server only takes the long forms (varchar(max), varbinary(max)).
constexpr std::size_t kLongData = 8000;

SQLSMALLINT LongForm(SQLSMALLINT type) {
    switch (type) {
        case SQL_VARCHAR:
            return SQL_LONGVARCHAR;
        case SQL_WVARCHAR:
            return SQL_WLONGVARCHAR;
        case SQL_VARBINARY:
            return SQL_LONGVARBINARY;
        default:
            return type;
    }
}

}  // namespace

std::vector<ResultColumn> DescribeResult(SQLHSTMT stmt, const std::string& source) {
    SQLSMALLINT count = 0;
    if (!SQL_SUCCEEDED(SQLNumResultCols(stmt, &count)))
        Fail(SQL_HANDLE_STMT, stmt, source, "the result could not be described");
    std::vector<ResultColumn> columns(static_cast<std::size_t>(count));
    for (SQLSMALLINT i = 1; i <= count; ++i) {
        ResultColumn& c = columns[static_cast<std::size_t>(i - 1)];
        std::string name(256, '\0');
        SQLSMALLINT length = 0;
        SQLSMALLINT nullable = 0;
        SQLRETURN rc = SQLDescribeCol(stmt, static_cast<SQLUSMALLINT>(i),
                                      reinterpret_cast<SQLCHAR*>(name.data()),
                                      static_cast<SQLSMALLINT>(name.size()), &length,
                                      &c.type.sqlType, &c.type.size, &c.type.digits, &nullable);
        if (SQL_SUCCEEDED(rc) && length >= static_cast<SQLSMALLINT>(name.size())) {
            name.assign(static_cast<std::size_t>(length) + 1, '\0');
            rc = SQLDescribeCol(stmt, static_cast<SQLUSMALLINT>(i),
                                reinterpret_cast<SQLCHAR*>(name.data()),
                                static_cast<SQLSMALLINT>(name.size()), &length, &c.type.sqlType,
                                &c.type.size, &c.type.digits, &nullable);
        }
        if (!SQL_SUCCEEDED(rc))
            Fail(SQL_HANDLE_STMT, stmt, source, "the result could not be described");
        name.resize(static_cast<std::size_t>(length));
        c.name = std::move(name);
    }
    return columns;
}

std::string TimestampText(const SQL_TIMESTAMP_STRUCT& ts) {
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u %02u:%02u:%02u", ts.year, ts.month, ts.day,
                  ts.hour, ts.minute, ts.second);
    std::string out = text;
    if (ts.fraction != 0) {
        std::snprintf(text, sizeof text, "%09lu", static_cast<unsigned long>(ts.fraction));
        std::string digits = text;
        while (digits.size() > 3 && digits.back() == '0') digits.pop_back();
        out += '.' + digits;
    }
    return out;
}

_variant_t ReadValue(SQLHSTMT stmt, SQLUSMALLINT column, const ColumnType& type,
                     const std::string& source) {
    SQLLEN indicator = 0;
    auto check = [&](SQLRETURN rc) {
        if (!SQL_SUCCEEDED(rc)) Fail(SQL_HANDLE_STMT, stmt, source, "a column could not be read");
    };
    switch (type.sqlType) {
        case SQL_BIT:
        case SQL_TINYINT:
        case SQL_SMALLINT:
        case SQL_INTEGER:
        case SQL_BIGINT: {
            SQLBIGINT v = 0;
            check(SQLGetData(stmt, column, SQL_C_SBIGINT, &v, sizeof v, &indicator));
            return indicator == SQL_NULL_DATA ? _variant_t::Null() : Integer(v);
        }
        case SQL_REAL:
        case SQL_FLOAT:
        case SQL_DOUBLE: {
            SQLDOUBLE v = 0;
            check(SQLGetData(stmt, column, SQL_C_DOUBLE, &v, sizeof v, &indicator));
            return indicator == SQL_NULL_DATA ? _variant_t::Null() : _variant_t(v);
        }
        case SQL_TYPE_TIMESTAMP: {
            SQL_TIMESTAMP_STRUCT v{};
            check(SQLGetData(stmt, column, SQL_C_TYPE_TIMESTAMP, &v, sizeof v, &indicator));
            return indicator == SQL_NULL_DATA ? _variant_t::Null() : _variant_t(TimestampText(v));
        }
        case SQL_TYPE_DATE: {
            SQL_DATE_STRUCT v{};
            check(SQLGetData(stmt, column, SQL_C_TYPE_DATE, &v, sizeof v, &indicator));
            if (indicator == SQL_NULL_DATA) return _variant_t::Null();
            char text[32];
            std::snprintf(text, sizeof text, "%04d-%02u-%02u", v.year, v.month, v.day);
            return _variant_t(text);
        }
        default:
            break;
    }
    std::string data;
    const bool binary = IsBinary(type.sqlType);
    if (!ReadPieces(stmt, column, binary ? SQL_C_BINARY : SQL_C_CHAR, data, source))
        return _variant_t::Null();
    if (binary) return _variant_t::Bytes(std::move(data));
    if (type.sqlType == SQL_DECIMAL || type.sqlType == SQL_NUMERIC) return Number(data);
    return _variant_t(std::move(data));
}

void Parameters::add(const _variant_t& value, const ColumnType* target) {
    Value& p = values_.emplace_back();
    switch (value.vt) {
        case VT_EMPTY:
        case VT_NULL:
            p.indicator = SQL_NULL_DATA;
            p.sqlType = SQL_VARCHAR;
            break;
        case VT_I2:
        case VT_I4:
        case VT_I8:
        case VT_BOOL:
            p.cType = SQL_C_SBIGINT;
            p.sqlType = value.vt == VT_I8 ? SQL_BIGINT : SQL_INTEGER;
            // Flags are stored as 1 and 0, as a bit column holds them.
            p.integer = value.vt == VT_I2   ? value.iVal
                        : value.vt == VT_I4 ? value.lVal
                        : value.vt == VT_I8 ? value.llVal
                                            : (value.boolVal ? 1 : 0);
            p.size = value.vt == VT_I8 ? 19 : 10;
            break;
        case VT_R4:
        case VT_R8:
            p.cType = SQL_C_DOUBLE;
            p.sqlType = SQL_DOUBLE;
            p.real = value.vt == VT_R4 ? value.fltVal : value.dblVal;
            p.size = 15;
            break;
        case VT_DATE:
            p.cType = SQL_C_TYPE_TIMESTAMP;
            p.sqlType = SQL_TYPE_TIMESTAMP;
            p.timestamp = TimestampOf(value.date);
            p.size = 19;
            break;
        case VT_BLOB_BYTES:
            p.cType = SQL_C_BINARY;
            p.sqlType = SQL_VARBINARY;
            p.bytes = value.str;
            break;
        default: {
            // Text, and any other value in its text form.
            p.bytes = value.vt == VT_BSTR ? value.str : VariantToText(value).value_or("");
            break;
        }
    }
    if (p.cType == SQL_C_CHAR || p.cType == SQL_C_BINARY) {
        if (p.indicator != SQL_NULL_DATA) p.indicator = static_cast<SQLLEN>(p.bytes.size());
        p.size = std::max<SQLULEN>(p.bytes.size(), 1);
    }
    if (target) {
        // ODBC reads characters bound to a binary column as hexadecimal digits (and bytes bound
        // to a character column are written as such digits); a value keeps its bytes instead.
        if (p.cType == SQL_C_CHAR && IsBinary(target->sqlType)) p.cType = SQL_C_BINARY;
        if (p.cType == SQL_C_BINARY && IsCharacter(target->sqlType)) p.cType = SQL_C_CHAR;
        p.sqlType = target->sqlType;
        p.digits = target->digits;
        if (IsCharacter(target->sqlType) || IsBinary(target->sqlType))
            p.size = std::max<SQLULEN>(p.size, target->size);
        else if (target->size > 0)
            p.size = target->size;
    }
    if (p.size > kLongData) p.sqlType = LongForm(p.sqlType);
}

void Parameters::bind(SQLHSTMT stmt, const std::string& source) {
    SQLUSMALLINT number = 1;
    for (Value& p : values_) {
        SQLPOINTER data = nullptr;
        SQLLEN length = 0;
        switch (p.cType) {
            case SQL_C_SBIGINT:
                data = &p.integer;
                break;
            case SQL_C_DOUBLE:
                data = &p.real;
                break;
            case SQL_C_TYPE_TIMESTAMP:
                data = &p.timestamp;
                break;
            default:
                data = p.bytes.data();
                length = static_cast<SQLLEN>(p.bytes.size());
                break;
        }
        if (!SQL_SUCCEEDED(SQLBindParameter(stmt, number++, SQL_PARAM_INPUT, p.cType, p.sqlType,
                                            p.size, p.digits, data, length, &p.indicator)))
            Fail(SQL_HANDLE_STMT, stmt, source, "a parameter could not be bound");
    }
}

}  // namespace ghdb::driver::odbc
