#include "platform/com/Variant.h"

#include <fmt/format.h>

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace ghdb {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Parses a whole decimal number with optional surrounding blanks; nothing else may remain.
std::optional<double> ParseNumber(const std::string& text) {
    std::size_t begin = 0, end = text.size();
    while (begin < end && IsBlank(text[begin])) ++begin;
    while (end > begin && IsBlank(text[end - 1])) --end;
    if (begin == end) return std::nullopt;
    const std::string trimmed = text.substr(begin, end - begin);
    // strtod also takes hexadecimal, infinities and NaN, which no database text means here.
    for (char c : trimmed) {
        if (!(std::isdigit(static_cast<unsigned char>(c)) || c == '.' || c == '-' || c == '+' ||
              c == 'e' || c == 'E'))
            return std::nullopt;
    }
    errno = 0;
    char* stop = nullptr;
    const double value = std::strtod(trimmed.c_str(), &stop);
    if (stop != trimmed.c_str() + trimmed.size() || errno == ERANGE) return std::nullopt;
    return value;
}

std::optional<bool> ParseBool(const std::string& text) {
    std::string lower;
    for (char c : text)
        if (!IsBlank(c)) lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (lower == "true") return true;
    if (lower == "false") return false;
    if (auto number = ParseNumber(text)) return *number != 0.0;
    return std::nullopt;
}

// Any value as a double, exactly for integers up to 2^53; the common path of the numeric
// conversions.
std::optional<double> AsDouble(const _variant_t& v) {
    switch (v.vt) {
        case VT_EMPTY:
            return 0.0;
        case VT_I2:
            return v.iVal;
        case VT_I4:
            return v.lVal;
        case VT_I8:
            return static_cast<double>(v.llVal);
        case VT_R4:
            return v.fltVal;
        case VT_R8:
            return v.dblVal;
        case VT_DATE:
            return v.date;
        case VT_BOOL:
            return v.boolVal;
        case VT_BSTR:
            return ParseNumber(v.str);
        default:
            return std::nullopt;
    }
}

// Integers go to integers without a detour through double so that 64-bit values stay exact;
// fractions round half to even, as OLE Automation does.
template <class Int>
std::optional<Int> ToInteger(const _variant_t& v) {
    std::int64_t whole = 0;
    switch (v.vt) {
        case VT_I2:
            whole = v.iVal;
            break;
        case VT_I4:
            whole = v.lVal;
            break;
        case VT_I8:
            whole = v.llVal;
            break;
        case VT_BOOL:
            whole = v.boolVal;
            break;
        case VT_EMPTY:
            whole = 0;
            break;
        default: {
            const auto d = AsDouble(v);
            if (!d || !std::isfinite(*d)) return std::nullopt;
            const double rounded = std::nearbyint(*d);
            if (rounded < static_cast<double>(std::numeric_limits<Int>::min()) ||
                rounded > static_cast<double>(std::numeric_limits<Int>::max()))
                return std::nullopt;
            return static_cast<Int>(rounded);
        }
    }
    if (whole < std::numeric_limits<Int>::min() || whole > std::numeric_limits<Int>::max())
        return std::nullopt;
    return static_cast<Int>(whole);
}

}  // namespace

_variant_t::_variant_t(long v) : vt(VT_I4), llVal(0) {
    if (v < std::numeric_limits<std::int32_t>::min() ||
        v > std::numeric_limits<std::int32_t>::max())
        throw _com_error(DISP_E_OVERFLOW, "value does not fit a 32-bit integer");
    lVal = static_cast<std::int32_t>(v);
}

_variant_t _variant_t::Null() noexcept {
    _variant_t v;
    v.vt = VT_NULL;
    return v;
}

_variant_t _variant_t::Bytes(std::string data) noexcept {
    _variant_t v;
    v.vt = VT_BLOB_BYTES;
    v.str = std::move(data);
    return v;
}

void _variant_t::Clear() noexcept {
    vt = VT_EMPTY;
    llVal = 0;
    str.clear();
}

bool operator==(const _variant_t& a, const _variant_t& b) noexcept {
    if (a.vt != b.vt) return false;
    switch (a.vt) {
        case VT_EMPTY:
        case VT_NULL:
            return true;
        case VT_I2:
            return a.iVal == b.iVal;
        case VT_I4:
            return a.lVal == b.lVal;
        case VT_I8:
            return a.llVal == b.llVal;
        case VT_R4:
            return a.fltVal == b.fltVal;
        case VT_R8:
            return a.dblVal == b.dblVal;
        case VT_DATE:
            return a.date == b.date;
        case VT_BOOL:
            return a.boolVal == b.boolVal;
        default:
            return a.str == b.str;
    }
}

std::optional<std::int16_t> VariantToI2(const _variant_t& v) {
    return ToInteger<std::int16_t>(v);
}
std::optional<std::int32_t> VariantToI4(const _variant_t& v) {
    return ToInteger<std::int32_t>(v);
}
std::optional<std::int64_t> VariantToI8(const _variant_t& v) {
    return ToInteger<std::int64_t>(v);
}

std::optional<double> VariantToR8(const _variant_t& v) {
    if (v.vt == VT_I8) return static_cast<double>(v.llVal);
    return AsDouble(v);
}

std::optional<float> VariantToR4(const _variant_t& v) {
    const auto d = VariantToR8(v);
    if (!d) return std::nullopt;
    if (std::isfinite(*d) && std::fabs(*d) > std::numeric_limits<float>::max()) return std::nullopt;
    return static_cast<float>(*d);
}

std::optional<bool> VariantToBool(const _variant_t& v) {
    if (v.vt == VT_BSTR) return ParseBool(v.str);
    const auto d = AsDouble(v);
    if (!d) return std::nullopt;
    return *d != 0.0;
}

std::optional<std::string> VariantToText(const _variant_t& v) {
    switch (v.vt) {
        case VT_EMPTY:
            return std::string();
        case VT_BSTR:
            return v.str;
        case VT_I2:
            return fmt::format("{}", v.iVal);
        case VT_I4:
            return fmt::format("{}", v.lVal);
        case VT_I8:
            return fmt::format("{}", v.llVal);
        case VT_R4:
            return fmt::format("{}", v.fltVal);
        case VT_R8:
            return fmt::format("{}", v.dblVal);
        case VT_BOOL:
            return std::string(v.boolVal ? "True" : "False");
        default:
            return std::nullopt;
    }
}

void _variant_t::ChangeType(VARTYPE type) {
    if (type == vt) return;
    _variant_t result;
    bool converted = false;
    bool overflow = false;
    auto take = [&](auto value, auto assign) {
        if (value) {
            assign(*value);
            converted = true;
        } else if (AsDouble(*this)) {
            overflow = true;  // a number, but not one the target can hold
        }
    };
    switch (type) {
        case VT_EMPTY:
            converted = true;
            break;
        case VT_NULL:
            result = Null();
            converted = true;
            break;
        case VT_I2:
            take(VariantToI2(*this), [&](auto x) { result = _variant_t(x); });
            break;
        case VT_I4:
            take(VariantToI4(*this), [&](auto x) { result = _variant_t(static_cast<int>(x)); });
            break;
        case VT_I8:
            take(VariantToI8(*this),
                 [&](auto x) { result = _variant_t(static_cast<long long>(x)); });
            break;
        case VT_R4:
            take(VariantToR4(*this), [&](auto x) { result = _variant_t(x); });
            break;
        case VT_R8:
            take(VariantToR8(*this), [&](auto x) { result = _variant_t(x); });
            break;
        case VT_BOOL:
            take(VariantToBool(*this), [&](auto x) { result = _variant_t(x); });
            break;
        case VT_BSTR:
            take(VariantToText(*this), [&](auto x) { result = _variant_t(std::move(x)); });
            break;
        default:
            break;
    }
    if (!converted)
        throw _com_error(overflow ? DISP_E_OVERFLOW : DISP_E_TYPEMISMATCH,
                         overflow ? "Overflow." : "Type mismatch.");
    *this = std::move(result);
}

}  // namespace ghdb
