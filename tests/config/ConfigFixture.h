#pragma once

#include <initializer_list>
#include <string>

#include "catalogue/CatalogueFixture.h"

namespace ghdb::test {

// A database test of the system configuration: rows laid out with the tests' own statements.
class ConfigTest : public CatalogueTest {
protected:
    // One row per value list, e.g. Insert("GH_ConfigInfo (ConfigItemName)", {"'A'", "'B'"}).
    void Insert(const std::string& tableAndColumns, std::initializer_list<const char*> rows) {
        for (const char* row : rows)
            Exec("INSERT INTO " + tableAndColumns + " VALUES (" + row + ")");
    }
};

inline constexpr const char* kSettings =
    "GH_ConfigInfo (ConfigItemName, ConfigItemValue, ConfigRemark)";

}  // namespace ghdb::test
