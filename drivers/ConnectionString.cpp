#include "drivers/ConnectionString.h"

#include <strings.h>

namespace ghdb::driver {

namespace {

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

}  // namespace

ConnectionString::ConnectionString(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t eq = text.find('=', pos);
        if (eq == std::string_view::npos) break;
        const std::string_view key = Trim(text.substr(pos, eq - pos));
        std::size_t valueStart = eq + 1;
        while (valueStart < text.size() && (text[valueStart] == ' ' || text[valueStart] == '\t'))
            ++valueStart;
        std::string value;
        std::size_t next;
        const char open = valueStart < text.size() ? text[valueStart] : '\0';
        const char close = open == '{' ? '}' : open == '"' ? '"' : '\0';
        const std::size_t closing =
            close ? text.find(close, valueStart + 1) : std::string_view::npos;
        if (closing != std::string_view::npos) {
            value = std::string(text.substr(valueStart + 1, closing - valueStart - 1));
            next = text.find(';', closing);
        } else {
            next = text.find(';', valueStart);
            value = std::string(
                Trim(text.substr(valueStart, next == std::string_view::npos ? std::string_view::npos
                                                                            : next - valueStart)));
        }
        if (!key.empty()) items_.emplace_back(std::string(key), std::move(value));
        if (next == std::string_view::npos) break;
        pos = next + 1;
    }
}

std::optional<std::string> ConnectionString::get(std::string_view key) const {
    for (const auto& [k, v] : items_)
        if (k.size() == key.size() && strncasecmp(k.data(), key.data(), k.size()) == 0) return v;
    return std::nullopt;
}

}  // namespace ghdb::driver
