#pragma once

#include <gtest/gtest.h>

#include <string>

#include "schema/Tables.h"

namespace ghdb::schema {

// Names the instances of tests run once per database: "Config" and "Mis".
inline std::string DatabaseName(const testing::TestParamInfo<Database>& info) {
    return info.param == Database::Config ? "Config" : "Mis";
}

}  // namespace ghdb::schema
