#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/com/ComError.h"

namespace ghdb {

using VARTYPE = std::uint16_t;
using VARIANT_BOOL = std::int16_t;
inline constexpr VARIANT_BOOL VARIANT_TRUE = -1;
inline constexpr VARIANT_BOOL VARIANT_FALSE = 0;

enum VARENUM : VARTYPE {
    VT_EMPTY = 0,
    VT_NULL = 1,
    VT_I2 = 2,
    VT_I4 = 3,
    VT_R4 = 4,
    VT_R8 = 5,
    VT_DATE = 7,
    VT_BSTR = 8,
    VT_BOOL = 11,
    VT_UI1 = 17,
    VT_I8 = 20,
    VT_ARRAY = 0x2000,
};

// The byte-array type that binary columns travel in.
inline constexpr VARTYPE VT_BLOB_BYTES = VT_ARRAY | VT_UI1;

// A tagged value in the manner of OLE Automation's VARIANT. Text (VT_BSTR) is UTF-8 and binary
// data (VT_ARRAY | VT_UI1) are raw bytes, both held in `str`.
class _variant_t {
public:
    VARTYPE vt = VT_EMPTY;
    union {
        std::int16_t iVal;
        std::int32_t lVal;
        std::int64_t llVal;
        float fltVal;
        double dblVal;
        double date;
        VARIANT_BOOL boolVal;
    };
    std::string str;

    _variant_t() noexcept : llVal(0) {}
    _variant_t(std::int16_t v) noexcept : vt(VT_I2), llVal(0) { iVal = v; }
    _variant_t(int v) noexcept : vt(VT_I4), llVal(0) { lVal = v; }
    // `long` is the record classes' integer type; it is written as a 32-bit VT_I4 and a value
    // outside that range is refused rather than cut.
    _variant_t(long v);
    _variant_t(long long v) noexcept : vt(VT_I8), llVal(v) {}
    _variant_t(float v) noexcept : vt(VT_R4), llVal(0) { fltVal = v; }
    _variant_t(double v) noexcept : vt(VT_R8), dblVal(v) {}
    _variant_t(bool v) noexcept : vt(VT_BOOL), llVal(0) {
        boolVal = v ? VARIANT_TRUE : VARIANT_FALSE;
    }
    _variant_t(const char* text) : vt(VT_BSTR), llVal(0), str(text ? text : "") {}
    _variant_t(std::string text) noexcept : vt(VT_BSTR), llVal(0), str(std::move(text)) {}
    _variant_t(std::string_view text) : vt(VT_BSTR), llVal(0), str(text) {}

    static _variant_t Null() noexcept;
    static _variant_t Bytes(std::string data) noexcept;

    bool IsEmptyOrNull() const noexcept { return vt == VT_EMPTY || vt == VT_NULL; }
    void Clear() noexcept;

    // Converts in place to `type`; raises _com_error with DISP_E_TYPEMISMATCH or DISP_E_OVERFLOW
    // when the value has no such form, leaving the value unchanged.
    void ChangeType(VARTYPE type);

    friend bool operator==(const _variant_t& a, const _variant_t& b) noexcept;
};

// The conversions behind ChangeType, without exceptions: empty when the value has no such form.
// Text is parsed as a number when a number is asked for ("12" gives 12, "abc" nothing); values
// that do not fit the target give nothing; a nonzero number is true.
std::optional<std::int16_t> VariantToI2(const _variant_t& v);
std::optional<std::int32_t> VariantToI4(const _variant_t& v);
std::optional<std::int64_t> VariantToI8(const _variant_t& v);
std::optional<float> VariantToR4(const _variant_t& v);
std::optional<double> VariantToR8(const _variant_t& v);
std::optional<bool> VariantToBool(const _variant_t& v);
std::optional<std::string> VariantToText(const _variant_t& v);

}  // namespace ghdb
