#include "platform/mfc/CString.h"

#include <algorithm>
#include <stdexcept>

namespace ghdb {

namespace {

constexpr std::string_view kWhiteSpace = " \t\n\v\f\r";

// Positions are ints, lengths size_t; a negative int clamps to 0.
std::size_t NonNegative(int value) noexcept {
    return value < 0 ? 0 : static_cast<std::size_t>(value);
}

int PositionOrMinusOne(std::size_t pos) noexcept {
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

unsigned char AsciiLower(unsigned char ch) noexcept {
    return ch >= 'A' && ch <= 'Z' ? static_cast<unsigned char>(ch - 'A' + 'a') : ch;
}

}  // namespace

CString::CString(const char* text, int length) {
    if (text) s_.assign(text, NonNegative(length));
}

CString::CString(char ch, int repeat) : s_(NonNegative(repeat), ch) {}

CString& CString::operator=(const char* text) {
    s_ = text ? text : "";
    return *this;
}

char CString::GetAt(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) > s_.size()) {
        throw std::out_of_range("CString::GetAt: index outside the text");
    }
    return s_[static_cast<std::size_t>(index)];
}

void CString::SetAt(int index, char ch) {
    if (index < 0 || static_cast<std::size_t>(index) >= s_.size()) {
        throw std::out_of_range("CString::SetAt: index outside the text");
    }
    s_[static_cast<std::size_t>(index)] = ch;
}

int CString::Compare(const char* text) const noexcept {
    const int result = s_.compare(text ? text : "");
    return (result > 0) - (result < 0);
}

int CString::CompareNoCase(const char* text) const noexcept {
    const auto* a = reinterpret_cast<const unsigned char*>(s_.c_str());
    const auto* b = reinterpret_cast<const unsigned char*>(text ? text : "");
    for (;; ++a, ++b) {
        const unsigned char ca = AsciiLower(*a);
        const unsigned char cb = AsciiLower(*b);
        if (ca != cb) return ca < cb ? -1 : 1;
        if (ca == 0) return 0;
    }
}

CString CString::Left(int count) const {
    return CString(s_.substr(0, NonNegative(count)));
}

CString CString::Mid(int first) const {
    const std::size_t from = NonNegative(first);
    return from >= s_.size() ? CString() : CString(s_.substr(from));
}

CString CString::Mid(int first, int count) const {
    const std::size_t from = NonNegative(first);
    return from >= s_.size() ? CString() : CString(s_.substr(from, NonNegative(count)));
}

CString CString::Right(int count) const {
    const std::size_t n = std::min(NonNegative(count), s_.size());
    return CString(s_.substr(s_.size() - n));
}

int CString::Find(char ch, int start) const noexcept {
    if (start < 0 || static_cast<std::size_t>(start) >= s_.size()) return -1;
    return PositionOrMinusOne(s_.find(ch, static_cast<std::size_t>(start)));
}

int CString::Find(const char* sub, int start) const noexcept {
    if (!sub || start < 0 || static_cast<std::size_t>(start) > s_.size()) return -1;
    return PositionOrMinusOne(s_.find(sub, static_cast<std::size_t>(start)));
}

int CString::ReverseFind(char ch) const noexcept {
    return PositionOrMinusOne(s_.rfind(ch));
}

int CString::FindOneOf(const char* chars) const noexcept {
    if (!chars || !*chars) return -1;
    return PositionOrMinusOne(s_.find_first_of(chars));
}

CString& CString::TrimLeftOf(std::string_view set) {
    s_.erase(0, std::min(s_.find_first_not_of(set), s_.size()));
    return *this;
}

CString& CString::TrimRightOf(std::string_view set) {
    const std::size_t last = s_.find_last_not_of(set);
    s_.erase(last == std::string::npos ? 0 : last + 1);
    return *this;
}

CString& CString::Trim() {
    return TrimRightOf(kWhiteSpace).TrimLeftOf(kWhiteSpace);
}
CString& CString::TrimLeft() {
    return TrimLeftOf(kWhiteSpace);
}
CString& CString::TrimRight() {
    return TrimRightOf(kWhiteSpace);
}
CString& CString::Trim(char ch) {
    return TrimRightOf({&ch, 1}).TrimLeftOf({&ch, 1});
}
CString& CString::TrimLeft(char ch) {
    return TrimLeftOf({&ch, 1});
}
CString& CString::TrimRight(char ch) {
    return TrimRightOf({&ch, 1});
}

// An empty or null set trims nothing.
CString& CString::Trim(const char* set) {
    const std::string_view chars(set ? set : "");
    return TrimRightOf(chars).TrimLeftOf(chars);
}
CString& CString::TrimLeft(const char* set) {
    return TrimLeftOf(set ? set : "");
}
CString& CString::TrimRight(const char* set) {
    return TrimRightOf(set ? set : "");
}

CString& CString::MakeUpper() noexcept {
    for (char& ch : s_) {
        if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
    }
    return *this;
}

CString& CString::MakeLower() noexcept {
    for (char& ch : s_) {
        if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
    }
    return *this;
}

int CString::Replace(const char* oldText, const char* newText) {
    const std::string_view from(oldText ? oldText : "");
    if (from.empty()) return 0;
    std::size_t pos = s_.find(from);
    if (pos == std::string::npos) return 0;

    // Built aside, so that either argument may point into this text.
    const std::string_view to(newText ? newText : "");
    std::string out;
    out.reserve(s_.size());
    std::size_t done = 0;
    int count = 0;
    for (; pos != std::string::npos; pos = s_.find(from, done)) {
        out.append(s_, done, pos - done).append(to);
        done = pos + from.size();
        ++count;
    }
    out.append(s_, done);
    s_ = std::move(out);
    return count;
}

int CString::Replace(char oldCh, char newCh) noexcept {
    if (oldCh == newCh) return 0;
    int count = 0;
    for (char& ch : s_) {
        if (ch == oldCh) {
            ch = newCh;
            ++count;
        }
    }
    return count;
}

int CString::Remove(char ch) {
    const std::size_t before = s_.size();
    s_.erase(std::remove(s_.begin(), s_.end(), ch), s_.end());
    return static_cast<int>(before - s_.size());
}

int CString::Insert(int index, const char* text) {
    if (text) s_.insert(std::min(NonNegative(index), s_.size()), text);
    return GetLength();
}

int CString::Insert(int index, char ch) {
    s_.insert(std::min(NonNegative(index), s_.size()), 1, ch);
    return GetLength();
}

int CString::Delete(int index, int count) {
    const std::size_t from = NonNegative(index);
    if (from < s_.size()) s_.erase(from, NonNegative(count));
    return GetLength();
}

char* CString::GetBuffer(int minLength) {
    if (NonNegative(minLength) > s_.size()) s_.resize(NonNegative(minLength));
    return s_.data();
}

void CString::ReleaseBuffer(int newLength) {
    const std::size_t length = newLength < 0 ? s_.find('\0') : NonNegative(newLength);
    s_.resize(std::min(length, s_.size()));
}

CString operator+(const CString& a, const CString& b) {
    CString result;
    result.s_.reserve(a.s_.size() + b.s_.size());
    result.s_.append(a.s_).append(b.s_);
    return result;
}

CString operator+(CString&& a, const CString& b) {
    a.s_ += b.s_;
    return std::move(a);
}

CString operator+(const CString& a, const char* b) {
    const std::string_view tail(b ? b : "");
    CString result;
    result.s_.reserve(a.s_.size() + tail.size());
    result.s_.append(a.s_).append(tail);
    return result;
}

CString operator+(CString&& a, const char* b) {
    a += b;
    return std::move(a);
}

CString operator+(const char* a, const CString& b) {
    const std::string_view head(a ? a : "");
    CString result;
    result.s_.reserve(head.size() + b.s_.size());
    result.s_.append(head).append(b.s_);
    return result;
}

CString operator+(const CString& a, char b) {
    CString result;
    result.s_.reserve(a.s_.size() + 1);
    result.s_.append(a.s_).push_back(b);
    return result;
}

CString operator+(CString&& a, char b) {
    a.s_.push_back(b);
    return std::move(a);
}

CString operator+(char a, const CString& b) {
    CString result;
    result.s_.reserve(b.s_.size() + 1);
    result.s_.append(1, a).append(b.s_);
    return result;
}

namespace detail {

std::string VFormat(const char* format, fmt::printf_args args) {
    return fmt::vsprintf(fmt::string_view(format ? format : ""), args);
}

}  // namespace detail

}  // namespace ghdb
