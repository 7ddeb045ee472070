#pragma once

#include <libpq-fe.h>

#include <string>
#include <vector>

#include "drivers/Cell.h"
#include "platform/com/Variant.h"

namespace ghdb::driver::pg {

// Type ids of PostgreSQL's built-in types (fixed in every server's catalogue).
inline constexpr Oid kBoolOid = 16;
inline constexpr Oid kByteaOid = 17;

// How a result column's text becomes a value. The values are those that the ODBC route
// (psqlODBC with its default settings) gives for the same column, so that records read alike
// on both routes.
enum class ValueKind : unsigned char {
    Integer,    // int2, int4, int8, oid: VT_I4 when the value fits, else VT_I8
    Real,       // float4, float8: VT_R8
    Decimal,    // numeric: an integer when the value is whole, else VT_R8
    Flag,       // bool: the text "1" or "0"
    Bytes,      // bytea: the bytes
    Timestamp,  // timestamp: 'YYYY-MM-DD HH:MM:SS', a fraction with at least 3 digits
    Zoned,      // timestamptz: the same, in the session's time zone, without the offset
    Uuid,       // uuid: the text in capitals
    Text,       // everything else: the text as the server writes it
};

ValueKind KindOf(Oid type);

// Puts a column's text (`length` bytes, as libpq gives it in text format) into `out` as a
// value of `kind`, reusing the text capacity `out` already has.
void ReadValue(const char* text, int length, ValueKind kind, _variant_t& out);

// Puts a column's text into `out` as the cell it reads as, without copying it; false for a kind
// whose value needs more than that (the caller then reads it with ReadValue).
bool ReadCell(const char* text, int length, ValueKind kind, Cell& out);

// What a column of a given type gives back for a written value, when that follows from the
// value alone (no rounding, no reformatting by the server): the stored row of an insert then
// need not travel back.
enum class StoredForm : unsigned char {
    Unknown,  // read back from the server
    Integer,  // int2, int4, int8: written integers and flags
    Double,   // float8: written numbers
    Single,   // float4: written floats
    Text,     // text and citext: written text
    Bytes,    // bytea: written bytes or text
};

// `citext` is the type id of the citext extension's type in this database (0 when absent);
// `shortestFloats` tells that the server shows a float4 in its shortest exact text (version 12
// on), not rounded to 9 digits.
StoredForm StoredFormOf(Oid type, Oid citext, bool shortestFloats);

// Puts into `out` the value that reading back a column of `form` gives after `written` was
// stored in it; false when that cannot be told from `written`.
bool ReadBackValue(const _variant_t& written, StoredForm form, _variant_t& out);

// The values of one statement's parameters in libpq's form: text, except values for a bytea
// column, which go in binary form so that they keep their bytes as they are.
class Parameters {
public:
    // `bytea` tells that the value is written to (or compared with) a bytea column.
    void add(const _variant_t& value, bool bytea = false);

    int count() const noexcept { return static_cast<int>(texts_.size()); }
    // Valid until the next add.
    const char* const* values();
    const int* lengths() const noexcept { return lengths_.data(); }
    const int* formats() const noexcept { return formats_.data(); }

private:
    std::vector<std::string> texts_;
    std::vector<bool> nulls_;
    std::vector<int> lengths_;
    std::vector<int> formats_;
    std::vector<const char*> pointers_;
};

}  // namespace ghdb::driver::pg
