#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <type_traits>
#include <variant>
#include <vector>

#include "platform/ado/Field.h"
#include "platform/mfc/CString.h"
#include "platform/mfc/Types.h"

namespace ghdb {

// What a column does in a record's life.
enum class ColumnRole {
    ReadWrite,  // read and written
    Identity,   // assigned by the database: read, never written, read back after an insert
    WriteOnly,  // written but never read into the member
    ReadBack,   // read and written, and read back after an insert: a key that the host gives
                // and that a database whose schema assigns it replaces
};

// How a member is stored when that differs from the member's own type.
enum class Stored {
    AsMember,  // long as VT_I4, short VT_I2, float VT_R4, double VT_R8, BOOL/bool VT_BOOL, text
    Int16,     // a long in a 2-byte integer column; a value that does not fit fails its column
    Single,    // a double in a single-precision column
    Integer,   // a BOOL (as its own value) or a bool (1 or 0) in a 4-byte integer column
};

namespace detail {

// Whether an integer fits a column of the integer type `Width`.
template <class Width, class V>
constexpr bool Fits(V value) {
    return value >= std::numeric_limits<Width>::min() && value <= std::numeric_limits<Width>::max();
}

template <class T>
bool Convert(const _variant_t& value, T& out) {
    if constexpr (std::is_same_v<T, long>) {
        if (auto v = VariantToI4(value)) return out = *v, true;
    } else if constexpr (std::is_same_v<T, short>) {
        if (auto v = VariantToI2(value)) return out = *v, true;
    } else if constexpr (std::is_same_v<T, float>) {
        if (auto v = VariantToR4(value)) return out = *v, true;
    } else if constexpr (std::is_same_v<T, double>) {
        if (auto v = VariantToR8(value)) return out = *v, true;
    } else if constexpr (std::is_same_v<T, BOOL>) {
        if (auto v = VariantToBool(value)) return out = *v ? 1 : 0, true;
    } else if constexpr (std::is_same_v<T, bool>) {
        if (auto v = VariantToBool(value)) return out = *v, true;
    } else if constexpr (std::is_same_v<T, CString>) {
        if (value.vt == VT_BSTR) return out = CString(value.str), true;
        if (auto v = VariantToText(value)) return out = CString(std::move(*v)), true;
    } else if constexpr (std::is_same_v<T, _variant_t>) {
        return out = value, true;
    }
    return false;
}

// As Convert, from the cell that `field` gives: numbers and texts go straight into the member;
// what they do not cover goes through the value the cell reads as.
template <class T>
bool ConvertCell(const driver::Cell& cell, const Field& field, T& out) {
    using Kind = driver::Cell::Kind;
    if constexpr (std::is_same_v<T, BOOL> || std::is_same_v<T, bool>) {
        // Any number is a flag: set when it is not zero.
        if (cell.kind == Kind::Integer || cell.kind == Kind::Real) {
            out = cell.kind == Kind::Integer ? cell.integer != 0 : cell.real != 0.0;
            return true;
        }
    }
    switch (cell.kind) {
        case Kind::Null:
            return false;
        case Kind::Integer:
            if constexpr (std::is_same_v<T, long> || std::is_same_v<T, short>) {
                // As the value reads: a 32-bit one when it fits, and a member takes it only
                // when it fits the member's column width.
                using Width =
                    std::conditional_t<std::is_same_v<T, long>, std::int32_t, std::int16_t>;
                if (!Fits<Width>(cell.integer)) return false;
                out = static_cast<T>(cell.integer);
                return true;
            } else if constexpr (std::is_same_v<T, double>) {
                out = static_cast<double>(cell.integer);
                return true;
            } else if constexpr (std::is_same_v<T, float>) {
                out = static_cast<float>(static_cast<double>(cell.integer));
                return true;
            }
            break;
        case Kind::Real:
            if constexpr (std::is_same_v<T, double>) {
                out = cell.real;
                return true;
            } else if constexpr (std::is_same_v<T, float>) {
                if (std::isfinite(cell.real) &&
                    std::fabs(cell.real) > std::numeric_limits<float>::max())
                    return false;
                out = static_cast<float>(cell.real);
                return true;
            }
            break;
        case Kind::Text:
            if constexpr (std::is_same_v<T, CString>) {
                out = CString(cell.text);
                return true;
            }
            break;
        case Kind::Value:
            return Convert(*cell.value, out);
    }
    return Convert(field.GetValue(), out);
}

// Whether a scalar member can be stored as `stored`: an integer must fit its column.
template <class T>
bool Storable(const T& value, Stored stored) {
    if constexpr (std::is_same_v<T, long>)
        return stored == Stored::Int16 ? Fits<std::int16_t>(value) : Fits<std::int32_t>(value);
    return true;
}

// Sets `out` to a storable scalar member as stored: its type and bits, and no text (whose
// buffer keeps its capacity).
template <class T>
void SetStored(const T& value, Stored stored, _variant_t& out) {
    out.str.clear();
    out.llVal = 0;
    if constexpr (std::is_same_v<T, long>) {
        if (stored == Stored::Int16) {
            out.vt = VT_I2;
            out.iVal = static_cast<std::int16_t>(value);
        } else {
            out.vt = VT_I4;
            out.lVal = static_cast<std::int32_t>(value);
        }
    } else if constexpr (std::is_same_v<T, short>) {
        out.vt = VT_I2;
        out.iVal = value;
    } else if constexpr (std::is_same_v<T, float>) {
        out.vt = VT_R4;
        out.fltVal = value;
    } else if constexpr (std::is_same_v<T, double>) {
        if (stored == Stored::Single) {
            out.vt = VT_R4;
            out.fltVal = static_cast<float>(value);
        } else {
            out.vt = VT_R8;
            out.dblVal = value;
        }
    } else {
        static_assert(std::is_same_v<T, BOOL> || std::is_same_v<T, bool>);
        if (stored == Stored::Integer) {
            out.vt = VT_I4;
            out.lVal = static_cast<std::int32_t>(value);
        } else {
            out.vt = VT_BOOL;
            out.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
        }
    }
}

}  // namespace detail

// Runs work on one column of a record being read or written: a column that refuses it is left
// alone and never fails the record.
template <class Work>
void GuardColumn(Work work) noexcept {
    try {
        work();
    } catch (...) {
    }
}

// Reads a field into a member. A NULL and a value that does not convert leave the member as it
// was.
template <class T>
void ReadField(Field& field, T& member, Stored stored = Stored::AsMember) {
    const driver::Cell cell = field.GetCell();
    if (cell.kind == driver::Cell::Kind::Null) return;
    if constexpr (std::is_same_v<T, long>) {
        // A 2-byte column is read as such, so that what could not be stored reads alike.
        if (stored == Stored::Int16) {
            short small = 0;
            if (detail::ConvertCell(cell, field, small)) member = small;
            return;
        }
    } else if constexpr (std::is_same_v<T, double>) {
        // A single-precision column reads as the single it holds, also on an engine that
        // keeps every real as a double.
        if (stored == Stored::Single) {
            float single = 0.0f;
            if (detail::ConvertCell(cell, field, single)) member = single;
            return;
        }
    }
    detail::ConvertCell(cell, field, member);
}

// Writes a member into a field; a value that cannot be stored as asked is not written, and
// nothing is ever written as NULL.
template <class T>
void WriteField(Field& field, const T& member, Stored stored = Stored::AsMember) {
    if constexpr (std::is_same_v<T, CString>) {
        // The text goes straight into the row's buffer, which keeps its capacity from row to row.
        _variant_t& target = field.ValueToPut();
        target.vt = VT_BSTR;
        target.llVal = 0;
        target.str.assign(member.str());
    } else if constexpr (std::is_same_v<T, _variant_t>) {
        if (!member.IsEmptyOrNull()) field.ValueToPut() = member;
    } else if (detail::Storable(member, stored)) {
        detail::SetStored(member, stored, field.ValueToPut());
    }
}

// Reads one column into a member. A missing column, a NULL and a value that does not convert
// all leave the member as it was, and never fail the record.
template <class T>
void ReadColumn(FieldsPtr& fields, const char* name, T& member,
                Stored stored = Stored::AsMember) noexcept {
    GuardColumn([&] {
        if (Field* field = fields->Find(name)) ReadField(*field, member, stored);
    });
}

// Writes one member into a column. A missing or refusing column is skipped; nothing is ever
// written as NULL.
template <class T>
void WriteColumn(FieldsPtr& fields, const char* name, const T& member,
                 Stored stored = Stored::AsMember) noexcept {
    GuardColumn([&] {
        if (Field* field = fields->Find(name)) WriteField(*field, member, stored);
    });
}

// One column of a record class: its name, the member it lands in, its role and how it is
// stored. A `_variant_t` member takes the column's value as it comes and writes it as it is.
template <class Record>
struct ColumnOf {
    using Member =
        std::variant<long Record::*, short Record::*, float Record::*, double Record::*,
                     BOOL Record::*, bool Record::*, CString Record::*, _variant_t Record::*>;
    template <class M>
    ColumnOf(const char* columnName, M Record::*m, ColumnRole r = ColumnRole::ReadWrite)
        : name(columnName), member(m), role(r), readInto(&Read<M>), writeFrom(&Write<M>) {}
    template <class M>
    ColumnOf(const char* columnName, M Record::*m, Stored s, ColumnRole r = ColumnRole::ReadWrite)
        : name(columnName),
          member(m),
          role(r),
          stored(s),
          readInto(&Read<M>),
          writeFrom(&Write<M>) {}

    const char* name;
    Member member;
    ColumnRole role = ColumnRole::ReadWrite;
    Stored stored = Stored::AsMember;
    // Reading a field into the member and writing the member into a field, fixed with the
    // member's type when the column is described, so that no row decides it again.
    void (*readInto)(Field& field, const ColumnOf& column, Stored stored, Record& record);
    void (*writeFrom)(Field& field, const ColumnOf& column, const Record& record);

private:
    template <class M>
    static void Read(Field& field, const ColumnOf& column, Stored as, Record& record) {
        GuardColumn([&] { ReadField(field, record.*std::get<M Record::*>(column.member), as); });
    }
    template <class M>
    static void Write(Field& field, const ColumnOf& column, const Record& record) {
        GuardColumn([&] {
            WriteField(field, record.*std::get<M Record::*>(column.member), column.stored);
        });
    }
};

template <class Record>
using ColumnTable = std::vector<ColumnOf<Record>>;

// The fields of a column table's names in the recordset of `fields`, looked up once per
// recordset.
template <class Record>
const std::vector<Field*>& FieldsOf(FieldsPtr& fields, const ColumnTable<Record>& columns) {
    return fields->Resolve(&columns, columns.size(),
                           [&](std::size_t i) { return columns[i].name; });
}

template <class Record>
void ReadColumns(FieldsPtr& fields, const ColumnTable<Record>& columns, Record& record) {
    const std::vector<Field*>& at = FieldsOf(fields, columns);
    for (std::size_t i = 0; i < columns.size(); ++i)
        if (at[i] && columns[i].role != ColumnRole::WriteOnly)
            columns[i].readInto(*at[i], columns[i], columns[i].stored, record);
}

template <class Record>
void WriteColumns(FieldsPtr& fields, const ColumnTable<Record>& columns, const Record& record) {
    const std::vector<Field*>& at = FieldsOf(fields, columns);
    for (std::size_t i = 0; i < columns.size(); ++i)
        if (at[i] && columns[i].role != ColumnRole::Identity)
            columns[i].writeFrom(*at[i], columns[i], record);
}

// Copies the members of every column from one record to another, and nothing else (the access
// object and the members without a column stay).
template <class Record>
void CopyColumns(const ColumnTable<Record>& columns, const Record& from, Record& to) {
    for (const auto& column : columns)
        std::visit([&](auto member) { to.*member = from.*member; }, column.member);
}

// Whether the database assigns, or may assign, a column's value when a row is added.
constexpr bool AssignedOnInsert(ColumnRole role) {
    return role == ColumnRole::Identity || role == ColumnRole::ReadBack;
}

template <class Record>
bool AnyAssignedOnInsert(const ColumnTable<Record>& columns) {
    return std::any_of(columns.begin(), columns.end(), [](const ColumnOf<Record>& column) {
        return AssignedOnInsert(column.role);
    });
}

// Reads back the columns that the database assigned, or may have assigned, to a row just added.
template <class Record>
void ReadIdentityColumns(FieldsPtr& fields, const ColumnTable<Record>& columns, Record& record) {
    const std::vector<Field*>& at = FieldsOf(fields, columns);
    for (std::size_t i = 0; i < columns.size(); ++i)
        if (at[i] && AssignedOnInsert(columns[i].role))
            columns[i].readInto(*at[i], columns[i], Stored::AsMember, record);
}

}  // namespace ghdb
