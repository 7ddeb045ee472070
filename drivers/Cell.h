#pragma once

#include <cstdint>
#include <string_view>

#include "platform/com/Variant.h"

namespace ghdb::driver {

// One column of the current row as the engine holds it, so that a reader can take a number or a
// text straight into its own member instead of through a value. A text stays valid until the
// row moves or the column is read again; anything else comes as the value it reads as.
struct Cell {
    enum class Kind : unsigned char {
        Null,
        Integer,  // reads as VT_I4 when it fits, else VT_I8
        Real,     // reads as VT_R8
        Text,     // reads as VT_BSTR
        Value,    // any other value, in `value`
    };
    Kind kind = Kind::Null;
    std::int64_t integer = 0;
    double real = 0;
    std::string_view text;
    const _variant_t* value = nullptr;

    static Cell Of(const _variant_t& v) noexcept {
        Cell c;
        if (v.IsEmptyOrNull()) return c;
        c.kind = Kind::Value;
        c.value = &v;
        return c;
    }
};

}  // namespace ghdb::driver
