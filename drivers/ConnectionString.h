#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ghdb::driver {

// The `key=value;key=value` form that OLE DB and ODBC connection strings share. Keys are
// matched without regard to case; a value may be wrapped in braces or double quotes to hold
// `;` (ODBC's rule).
class ConnectionString {
public:
    explicit ConnectionString(std::string_view text);

    std::optional<std::string> get(std::string_view key) const;
    const std::vector<std::pair<std::string, std::string>>& items() const noexcept {
        return items_;
    }

private:
    std::vector<std::pair<std::string, std::string>> items_;
};

}  // namespace ghdb::driver
