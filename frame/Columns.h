#pragma once

#include <initializer_list>
#include <variant>
#include <vector>

#include "platform/ado/Field.h"
#include "platform/mfc/CString.h"
#include "platform/mfc/Types.h"

namespace ghdb {

// One column of a record class: its name and the member it lands in. The member's type picks
// the conversion: long (VT_I4), short (VT_I2), float (VT_R4), double (VT_R8), BOOL and bool
// (VT_BOOL), CString (text).
template <class Record>
struct ColumnOf {
    using Member = std::variant<long Record::*, short Record::*, float Record::*, double Record::*,
                                BOOL Record::*, bool Record::*, CString Record::*>;
    const char* name;
    Member member;
};

template <class Record>
using ColumnTable = std::vector<ColumnOf<Record>>;

namespace detail {

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
    }
    return false;
}

template <class T>
_variant_t ToVariant(const T& value) {
    if constexpr (std::is_same_v<T, BOOL>)
        return _variant_t(value != 0);
    else if constexpr (std::is_same_v<T, CString>)
        return _variant_t(value.str());
    else
        return _variant_t(value);
}

}  // namespace detail

// Reads one column into a member. A missing column, a NULL and a value that does not convert
// all leave the member as it was, and never fail the record.
template <class T>
void ReadColumn(FieldsPtr& fields, const char* name, T& member) noexcept {
    try {
        Field* field = fields->Find(name);
        if (!field) return;
        const _variant_t& value = field->GetValue();
        if (value.IsEmptyOrNull()) return;
        detail::Convert(value, member);
    } catch (...) {
    }
}

// Writes one member into a column. A missing or refusing column is skipped; nothing is ever
// written as NULL.
template <class T>
void WriteColumn(FieldsPtr& fields, const char* name, const T& member) noexcept {
    try {
        if (Field* field = fields->Find(name)) field->PutValue(detail::ToVariant(member));
    } catch (...) {
    }
}

template <class Record>
void ReadColumns(FieldsPtr& fields, const ColumnTable<Record>& columns, Record& record) {
    for (const auto& column : columns)
        std::visit([&](auto member) { ReadColumn(fields, column.name, record.*member); },
                   column.member);
}

template <class Record>
void WriteColumns(FieldsPtr& fields, const ColumnTable<Record>& columns, const Record& record) {
    for (const auto& column : columns)
        std::visit([&](auto member) { WriteColumn(fields, column.name, record.*member); },
                   column.member);
}

}  // namespace ghdb
