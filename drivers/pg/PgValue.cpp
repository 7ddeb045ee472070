#include "drivers/pg/PgValue.h"

#include <cctype>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "drivers/OleDate.h"

namespace ghdb::driver::pg {

namespace {

void SetInteger(std::int64_t v, _variant_t& out) {
    out.str.clear();
    if (v >= std::numeric_limits<std::int32_t>::min() &&
        v <= std::numeric_limits<std::int32_t>::max()) {
        out.vt = VT_I4;
        out.lVal = static_cast<std::int32_t>(v);
    } else {
        out.vt = VT_I8;
        out.llVal = v;
    }
}

void SetReal(double v, _variant_t& out) {
    out.str.clear();
    out.vt = VT_R8;
    out.dblVal = v;
}

void SetText(const char* text, std::size_t length, _variant_t& out) {
    out.vt = VT_BSTR;
    out.str.assign(text, length);
}

bool ParseInteger(const char* text, const char* end, std::int64_t& v) {
    const auto [stop, error] = std::from_chars(text, end, v);
    return error == std::errc() && stop == end;
}

double ParseReal(const char* text, const char* end) {
    double v = 0;
    const auto [stop, error] = std::from_chars(text, end, v);
    if (error == std::errc() && stop == end) return v;
    // "Infinity" and the like, in the spellings strtod knows; the text ends in a zero byte.
    return std::strtod(text, nullptr);
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

void SetBytes(const char* text, std::size_t length, _variant_t& out) {
    out.vt = VT_BLOB_BYTES;
    out.str.clear();
    if (length >= 2 && text[0] == '\\' && text[1] == 'x') {
        out.str.reserve((length - 2) / 2);
        for (std::size_t i = 2; i + 1 < length; i += 2)
            out.str += static_cast<char>(HexDigit(text[i]) * 16 + HexDigit(text[i + 1]));
        return;
    }
    // The older escape format, from a server told to use it.
    std::size_t size = 0;
    unsigned char* bytes = PQunescapeBytea(reinterpret_cast<const unsigned char*>(text), &size);
    if (bytes) out.str.assign(reinterpret_cast<const char*>(bytes), size);
    PQfreemem(bytes);
}

// A timestamp's fraction of a second shown with at least three digits, as ODBC's timestamp
// text shows it.
void PadFraction(std::string& text) {
    const std::size_t time = text.find(' ');
    const std::size_t dot = text.find('.', time == std::string::npos ? 0 : time);
    if (dot == std::string::npos) return;
    std::size_t end = dot + 1;
    while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end]))) ++end;
    if (end - dot - 1 < 3) text.insert(end, 3 - (end - dot - 1), '0');
}

// The time zone offset that ends a timestamptz's text (+08, -03:30, +05:53:28).
void DropOffset(std::string& text) {
    const std::size_t time = text.find(' ');
    if (time == std::string::npos) return;
    const std::size_t sign = text.find_first_of("+-", time);
    if (sign != std::string::npos) text.erase(sign);
}

}  // namespace

ValueKind KindOf(Oid type) {
    switch (type) {
        case 20:  // int8
        case 21:  // int2
        case 23:  // int4
        case 26:  // oid
            return ValueKind::Integer;
        case 700:  // float4
        case 701:  // float8
            return ValueKind::Real;
        case 1700:  // numeric
            return ValueKind::Decimal;
        case kBoolOid:
            return ValueKind::Flag;
        case kByteaOid:
            return ValueKind::Bytes;
        case 1114:  // timestamp
            return ValueKind::Timestamp;
        case 1184:  // timestamptz
            return ValueKind::Zoned;
        case 2950:  // uuid
            return ValueKind::Uuid;
        default:
            return ValueKind::Text;
    }
}

void ReadValue(const char* text, int length, ValueKind kind, _variant_t& out) {
    const auto size = static_cast<std::size_t>(length);
    const char* end = text + size;
    switch (kind) {
        case ValueKind::Integer: {
            std::int64_t v = 0;
            if (ParseInteger(text, end, v)) return SetInteger(v, out);
            break;
        }
        case ValueKind::Real:
            return SetReal(ParseReal(text, end), out);
        case ValueKind::Decimal: {
            std::int64_t v = 0;
            if (ParseInteger(text, end, v)) return SetInteger(v, out);
            return SetReal(ParseReal(text, end), out);
        }
        case ValueKind::Flag:
            out.vt = VT_BSTR;
            out.str.assign(1, size > 0 && text[0] == 't' ? '1' : '0');
            return;
        case ValueKind::Bytes:
            return SetBytes(text, size, out);
        case ValueKind::Timestamp:
        case ValueKind::Zoned:
            SetText(text, size, out);
            if (kind == ValueKind::Zoned) DropOffset(out.str);
            PadFraction(out.str);
            return;
        case ValueKind::Uuid:
            SetText(text, size, out);
            for (char& c : out.str)
                c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            return;
        case ValueKind::Text:
            break;
    }
    SetText(text, size, out);
}

bool ReadCell(const char* text, int length, ValueKind kind, Cell& out) {
    const char* end = text + length;
    switch (kind) {
        case ValueKind::Integer:
            if (!ParseInteger(text, end, out.integer)) return false;
            out.kind = Cell::Kind::Integer;
            return true;
        case ValueKind::Real:
            out.kind = Cell::Kind::Real;
            out.real = ParseReal(text, end);
            return true;
        case ValueKind::Text:
            out.kind = Cell::Kind::Text;
            out.text = std::string_view(text, static_cast<std::size_t>(length));
            return true;
        default:
            return false;
    }
}

StoredForm StoredFormOf(Oid type, Oid citext, bool shortestFloats) {
    switch (type) {
        case 20:  // int8
        case 21:  // int2
        case 23:  // int4
            return StoredForm::Integer;
        case 701:  // float8
            return StoredForm::Double;
        case 700:  // float4
            return shortestFloats ? StoredForm::Single : StoredForm::Unknown;
        case 25:  // text
            return StoredForm::Text;
        case kByteaOid:
            return StoredForm::Bytes;
        default:
            return type != 0 && type == citext ? StoredForm::Text : StoredForm::Unknown;
    }
}

bool ReadBackValue(const _variant_t& written, StoredForm form, _variant_t& out) {
    // Integers up to 2^53 are doubles exactly.
    constexpr std::int64_t kExactInDouble = std::int64_t{1} << 53;
    if (written.vt == VT_NULL || written.vt == VT_EMPTY) {
        out = _variant_t::Null();
        return true;
    }
    switch (form) {
        case StoredForm::Integer:
            switch (written.vt) {
                case VT_I2:
                    SetInteger(written.iVal, out);
                    return true;
                case VT_I4:
                    SetInteger(written.lVal, out);
                    return true;
                case VT_I8:
                    SetInteger(written.llVal, out);
                    return true;
                case VT_BOOL:
                    SetInteger(written.boolVal ? 1 : 0, out);
                    return true;
                default:
                    return false;
            }
        case StoredForm::Double:
            switch (written.vt) {
                case VT_R8:
                    SetReal(written.dblVal, out);
                    return true;
                case VT_R4:
                    SetReal(written.fltVal, out);
                    return true;
                case VT_I2:
                    SetReal(written.iVal, out);
                    return true;
                case VT_I4:
                    SetReal(written.lVal, out);
                    return true;
                case VT_I8:
                    if (written.llVal > kExactInDouble || written.llVal < -kExactInDouble)
                        return false;
                    SetReal(static_cast<double>(written.llVal), out);
                    return true;
                default:
                    return false;
            }
        case StoredForm::Single: {
            // The server keeps a written float and shows it in its shortest text, which reads
            // as a double; a written double would be rounded first.
            if (written.vt != VT_R4) return false;
            char text[32];
            char* end = std::to_chars(text, text + sizeof text - 1, written.fltVal).ptr;
            *end = '\0';
            SetReal(ParseReal(text, end), out);
            return true;
        }
        case StoredForm::Text:
            if (written.vt != VT_BSTR) return false;
            SetText(written.str.data(), written.str.size(), out);
            return true;
        case StoredForm::Bytes:
            if (written.vt != VT_BSTR && written.vt != VT_BLOB_BYTES) return false;
            out.vt = VT_BLOB_BYTES;
            out.str = written.str;
            return true;
        case StoredForm::Unknown:
            return false;
    }
    return false;
}

void Parameters::add(const _variant_t& value, bool bytea) {
    std::string& text = texts_.emplace_back();
    bool null = false;
    char number[64];
    auto put = [&](auto v) {
        const auto result = std::to_chars(number, number + sizeof number, v);
        text.assign(number, result.ptr);
    };
    switch (value.vt) {
        case VT_EMPTY:
        case VT_NULL:
            null = true;
            break;
        case VT_I2:
            put(value.iVal);
            break;
        case VT_I4:
            put(value.lVal);
            break;
        case VT_I8:
            put(value.llVal);
            break;
        // Flags are stored as 1 and 0, as a bit column holds them.
        case VT_BOOL:
            text.assign(1, value.boolVal ? '1' : '0');
            break;
        // The shortest text that reads back as the same number; a float is written as the
        // double it widens to, as the other engines store it.
        case VT_R4:
            put(static_cast<double>(value.fltVal));
            break;
        case VT_R8:
            put(value.dblVal);
            break;
        case VT_DATE: {
            const CivilTime t = FromOleDate(value.date);
            std::snprintf(number, sizeof number, "%04lld-%02u-%02u %02u:%02u:%02u",
                          static_cast<long long>(t.year), t.month, t.day, t.hour, t.minute,
                          t.second);
            text = number;
            break;
        }
        case VT_BSTR:
        case VT_BLOB_BYTES:
            text = value.str;
            break;
        default:
            text = VariantToText(value).value_or("");
            break;
    }
    nulls_.push_back(null);
    lengths_.push_back(static_cast<int>(text.size()));
    // Text parameters end at their first zero byte; a value holding one goes as bytes, which the
    // server then refuses for a text column rather than storing it cut short.
    formats_.push_back(bytea || text.find('\0') != std::string::npos ? 1 : 0);
}

const char* const* Parameters::values() {
    pointers_.clear();
    for (std::size_t i = 0; i < texts_.size(); ++i)
        pointers_.push_back(nulls_[i] ? nullptr : texts_[i].c_str());
    return pointers_.data();
}

}  // namespace ghdb::driver::pg
