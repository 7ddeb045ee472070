#pragma once

#include <string_view>
#include <type_traits>

#include "platform/mfc/CString.h"

namespace ghdb {

// A text value to be placed between single quotes in a statement: each apostrophe is doubled
// so that the value can neither end the literal early nor change the statement.
inline CString QuoteText(const CString& text) {
    CString quoted(text);
    quoted.Replace("'", "''");
    return quoted;
}

// A text value for a `'%s'` placeholder of a statement template; it is quoted when made.
class Quoted {
public:
    explicit Quoted(const CString& text) : text_(QuoteText(text)) {}
    std::string_view view() const noexcept { return text_.str(); }

private:
    CString text_;
};

// An SQL fragment that a caller passes by contract (a filter, a condition, a candidate list,
// a table name): inserted as it stands.
class Verbatim {
public:
    explicit Verbatim(const CString& text) : text_(text) {}
    std::string_view view() const noexcept { return text_.str(); }

private:
    CString text_;
};

namespace detail {

template <class T>
decltype(auto) StatementArg(const T& arg) noexcept {
    if constexpr (std::is_same_v<T, Quoted> || std::is_same_v<T, Verbatim>) {
        return arg.view();
    } else {
        static_assert(std::is_arithmetic_v<T>,
                      "a statement takes numbers, Quoted text or Verbatim fragments");
        return (arg);
    }
}

}  // namespace detail

// Formats a statement from its printf-style template. Text reaches it only as Quoted or
// Verbatim, so a value can never land unquoted in a statement by mistake.
template <class... Args>
CString FormatSql(const char* format, const Args&... args) {
    return CString(detail::FormatAdapted(format, detail::StatementArg(args)...));
}

}  // namespace ghdb
