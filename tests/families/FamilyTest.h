#pragma once

#include <fmt/format.h>

#include <string>
#include <vector>

#include "catalogue/CatalogueFixture.h"

namespace ghdb::test {

// Values as the tests compare them: as text, the way Rows shows a stored value.
inline std::string Text(long value) {
    return std::to_string(value);
}
inline std::string Text(int value) {
    return std::to_string(value);
}
inline std::string Text(double value) {
    return fmt::format("{}", value);
}
inline std::string Text(const CString& value) {
    return value.str();
}
inline std::string Text(const char* value) {
    return value;
}
inline std::string Text(const std::string& value) {
    return value;
}

// One row of texts, e.g. Row(record.Name, record.Order).
template <class... V>
std::vector<std::string> Row(const V&... values) {
    return {Text(values)...};
}

// What `show` gives for each element of an array (or any range), in order.
template <class Range, class Show>
auto Each(const Range& range, Show show) {
    std::vector<std::decay_t<decltype(show(*std::begin(range)))>> shown;
    for (const auto& element : range) shown.push_back(show(element));
    return shown;
}

inline constexpr const char* kSettings =
    "GH_ConfigInfo (ConfigItemName, ConfigItemValue, ConfigRemark)";

// The family tests' fixture: the catalogue helpers plus the subject rows the tests lay out with
// their own statements.
class FamilyTest : public CatalogueTest {
protected:
    void InsertSubject(long id, long parentId, long order, const std::string& name = "") {
        Exec(
            "INSERT INTO GHGIS_DefaultSubject (SubjectID, SubjectType, QueryLayer, SubjectName, "
            "Remark, ParentID, OrderIndex) VALUES (" +
            N(id) + ", 0, 0, '" + QuoteText(name.c_str()).str() + "', '', " + N(parentId) + ", " +
            N(order) + ")");
    }
    void Assign(long subjectId, long layerId, long order) {
        Insert("GHGIS_SubjectLayers (SubjectID, LayerID, LayerOrder)",
               {(N(subjectId) + ", " + N(layerId) + ", " + N(order)).c_str()});
    }
    void File(long type, long subjectId, long order) {
        Insert("GHGIS_SubjectClass (SubjectType, SubjectID, SubjectOrder)",
               {(N(type) + ", " + N(subjectId) + ", " + N(order)).c_str()});
    }
    // Makes the next insert of a repeated key into `table` fail, for the all-or-nothing checks.
    void RefuseRepeated(const std::string& table, const std::string& columns) {
        Exec("CREATE UNIQUE INDEX GHT_" + table + "_Once ON " + table + " (" + columns + ")");
    }
};

}  // namespace ghdb::test
