#pragma once

#include <algorithm>
#include <cctype>
#include <string>
#include <string_view>

namespace ghdb::test {

// ASCII lower case: engines fold unquoted names differently, so tests compare names folded.
inline std::string Lower(std::string_view text) {
    std::string lower(text);
    std::ranges::transform(lower, lower.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

// Whether `text` holds `word`, ignoring case.
inline bool ContainsNoCase(std::string_view text, std::string_view word) {
    return Lower(text).find(Lower(word)) != std::string::npos;
}

}  // namespace ghdb::test
