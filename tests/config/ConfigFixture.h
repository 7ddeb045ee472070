#pragma once

#include "catalogue/CatalogueFixture.h"

namespace ghdb::test {

using ConfigTest = CatalogueTest;

inline constexpr const char* kSettings =
    "GH_ConfigInfo (ConfigItemName, ConfigItemValue, ConfigRemark)";

}  // namespace ghdb::test
