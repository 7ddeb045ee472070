#pragma once

#include <fmt/format.h>
#include <fmt/printf.h>

#include <compare>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

#include "platform/mfc/Types.h"

namespace ghdb {

// 8-bit text with the member functions of MFC's CString, stored in a std::string. Text is UTF-8:
// every byte of a multi-byte character is 0x80 or above, so the byte-wise searches, ASCII case
// folding and ASCII white-space trimming below never split or alter a character.
//
// Positions and lengths are byte counts of type int, as in MFC. Out-of-range positions are
// clamped the way MFC clamps them; element access outside the text throws std::out_of_range.
class CString {
public:
    CString() noexcept = default;
    // Implicit, as in MFC, so that literals and standard strings pass where a CString is taken.
    CString(const char* text) : s_(text ? text : "") {}
    CString(const char* text, int length);
    CString(const std::string& text) : s_(text) {}
    CString(std::string&& text) noexcept : s_(std::move(text)) {}
    explicit CString(std::string_view text) : s_(text) {}
    CString(char ch, int repeat);

    CString(const CString&) = default;
    CString(CString&&) noexcept = default;
    CString& operator=(const CString&) = default;
    CString& operator=(CString&&) noexcept = default;
    CString& operator=(const char* text);
    ~CString() = default;

    // Never null: an empty text gives "".
    operator const char*() const noexcept { return s_.c_str(); }
    const char* GetString() const noexcept { return s_.c_str(); }
    const std::string& str() const noexcept { return s_; }

    int GetLength() const noexcept { return static_cast<int>(s_.size()); }
    BOOL IsEmpty() const noexcept { return s_.empty() ? TRUE : FALSE; }
    void Empty() noexcept { s_.clear(); }

    // Index GetLength() reads the terminating zero, as in MFC.
    char GetAt(int index) const;
    char operator[](int index) const { return GetAt(index); }
    void SetAt(int index, char ch);

    CString& operator+=(const CString& text) {
        s_ += text.s_;
        return *this;
    }
    CString& operator+=(const char* text) {
        if (text) s_ += text;
        return *this;
    }
    CString& operator+=(char ch) {
        s_ += ch;
        return *this;
    }

    // Byte-wise: negative, zero or positive like strcmp. A null pointer compares as "".
    int Compare(const char* text) const noexcept;
    // ASCII letters compare without case; bytes of multi-byte characters compare as they are.
    int CompareNoCase(const char* text) const noexcept;

    CString Left(int count) const;
    CString Mid(int first) const;
    CString Mid(int first, int count) const;
    CString Right(int count) const;

    // Byte positions, -1 when absent or when start lies outside the text.
    int Find(char ch, int start = 0) const noexcept;
    int Find(const char* sub, int start = 0) const noexcept;
    int ReverseFind(char ch) const noexcept;
    int FindOneOf(const char* chars) const noexcept;

    // White space is blank, tab, line feed, vertical tab, form feed and carriage return.
    CString& Trim();
    CString& TrimLeft();
    CString& TrimRight();
    CString& Trim(char ch);
    CString& TrimLeft(char ch);
    CString& TrimRight(char ch);
    // The set holds single-byte characters.
    CString& Trim(const char* set);
    CString& TrimLeft(const char* set);
    CString& TrimRight(const char* set);

    CString& MakeUpper() noexcept;
    CString& MakeLower() noexcept;

    // Each returns the number of replacements or removals.
    int Replace(const char* oldText, const char* newText);
    int Replace(char oldCh, char newCh) noexcept;
    int Remove(char ch);

    // Each returns the new length; the index is clamped into the text.
    int Insert(int index, const char* text);
    int Insert(int index, char ch);
    int Delete(int index, int count = 1);

    // A writable buffer of at least minLength bytes plus the terminating zero, holding the
    // current text. ReleaseBuffer ends the writing: with -1 the text ends at the first zero.
    char* GetBuffer(int minLength = 0);
    void ReleaseBuffer(int newLength = -1);

    // printf syntax, type-checked by fmt: an argument that does not suit its placeholder
    // (a text for %d, a number for %s, a missing argument) throws fmt::format_error.
    template <class... Args>
    void Format(const char* format, const Args&... args);
    template <class... Args>
    void AppendFormat(const char* format, const Args&... args);

    friend bool operator==(const CString& a, const CString& b) noexcept { return a.s_ == b.s_; }
    friend bool operator==(const CString& a, const char* b) noexcept { return a.Compare(b) == 0; }
    friend std::strong_ordering operator<=>(const CString& a, const CString& b) noexcept {
        return a.s_.compare(b.s_) <=> 0;
    }
    friend std::strong_ordering operator<=>(const CString& a, const char* b) noexcept {
        return a.Compare(b) <=> 0;
    }

    friend CString operator+(const CString& a, const CString& b);
    friend CString operator+(CString&& a, const CString& b);
    friend CString operator+(const CString& a, const char* b);
    friend CString operator+(CString&& a, const char* b);
    friend CString operator+(const char* a, const CString& b);
    friend CString operator+(const CString& a, char b);
    friend CString operator+(CString&& a, char b);
    friend CString operator+(char a, const CString& b);

private:
    CString& TrimLeftOf(std::string_view set);
    CString& TrimRightOf(std::string_view set);

    std::string s_;
};

namespace detail {

// The printf engine is instantiated once, in CString.cpp, rather than in every caller.
std::string VFormat(const char* format, fmt::printf_args args);

// CString goes to fmt as a string_view so that printf widths and precisions apply to it.
template <class T>
decltype(auto) PrintfArg(const T& arg) noexcept {
    if constexpr (std::is_same_v<T, CString>) {
        return std::string_view(arg.str());
    } else {
        return (arg);
    }
}

template <class... Adapted>
std::string FormatAdapted(const char* format, const Adapted&... adapted) {
    return VFormat(format, fmt::make_printf_args(adapted...));
}

}  // namespace detail

template <class... Args>
CString FormatString(const char* format, const Args&... args) {
    return CString(detail::FormatAdapted(format, detail::PrintfArg(args)...));
}

template <class... Args>
void CString::Format(const char* format, const Args&... args) {
    s_ = detail::FormatAdapted(format, detail::PrintfArg(args)...);
}

template <class... Args>
void CString::AppendFormat(const char* format, const Args&... args) {
    s_ += detail::FormatAdapted(format, detail::PrintfArg(args)...);
}

}  // namespace ghdb

template <>
struct fmt::formatter<ghdb::CString> : fmt::formatter<std::string_view> {
    template <class FormatContext>
    auto format(const ghdb::CString& text, FormatContext& ctx) const -> decltype(ctx.out()) {
        return fmt::formatter<std::string_view>::format(text.str(), ctx);
    }
};

template <>
struct std::hash<ghdb::CString> {
    std::size_t operator()(const ghdb::CString& text) const noexcept {
        return std::hash<std::string_view>{}(text.str());
    }
};
