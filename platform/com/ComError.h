#pragma once

#include <cstdint>
#include <exception>
#include <string>

namespace ghdb {

using HRESULT = std::int32_t;

inline constexpr HRESULT S_OK = 0;
inline constexpr HRESULT E_FAIL = static_cast<HRESULT>(0x80004005u);
inline constexpr HRESULT E_INVALIDARG = static_cast<HRESULT>(0x80070057u);
inline constexpr HRESULT DISP_E_TYPEMISMATCH = static_cast<HRESULT>(0x80020005u);
inline constexpr HRESULT DISP_E_OVERFLOW = static_cast<HRESULT>(0x8002000Au);
// ADO's own failure codes, for the errors raised by the recordset layer itself.
inline constexpr HRESULT adErrItemNotFound = static_cast<HRESULT>(0x800A0CC1u);
inline constexpr HRESULT adErrNoCurrentRecord = static_cast<HRESULT>(0x800A0BCDu);
inline constexpr HRESULT adErrFeatureNotAvailable = static_cast<HRESULT>(0x800A0CB3u);
inline constexpr HRESULT adErrObjectClosed = static_cast<HRESULT>(0x800A0E78u);
inline constexpr HRESULT DB_E_ERRORSOCCURRED = static_cast<HRESULT>(0x80040E21u);

// The failure carrier of the data-access layer: every failed call raises one.
class _com_error : public std::exception {
public:
    explicit _com_error(HRESULT hr, std::string description = {}, std::string source = {})
        : hr_(hr), description_(std::move(description)), source_(std::move(source)) {}

    HRESULT Error() const noexcept { return hr_; }
    const std::string& Description() const noexcept { return description_; }
    const std::string& Source() const noexcept { return source_; }
    const char* ErrorMessage() const noexcept { return description_.c_str(); }
    const char* what() const noexcept override { return description_.c_str(); }

private:
    HRESULT hr_;
    std::string description_;
    std::string source_;
};

}  // namespace ghdb
