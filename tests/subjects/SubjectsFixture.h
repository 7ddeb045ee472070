#pragma once

#include <string>
#include <vector>

#include "catalogue/CatalogueFixture.h"

namespace ghdb::test {

// A database test for the subject families: the catalogue helpers plus the subject rows and
// assignments the tests lay out with their own statements.
class SubjectsTest : public CatalogueTest {
protected:
    void InsertSubject(long id, long parentId, long order, const std::string& name = "",
                       long type = 0) {
        Exec(
            "INSERT INTO GHGIS_DefaultSubject (SubjectID, SubjectType, QueryLayer, SubjectName, "
            "Remark, ParentID, OrderIndex) VALUES (" +
            N(id) + ", " + N(type) + ", 0, '" + QuoteText(name.c_str()).str() + "', '', " +
            N(parentId) + ", " + N(order) + ")");
    }
    void Assign(long subjectId, long layerId, long order) {
        Exec("INSERT INTO GHGIS_SubjectLayers (SubjectID, LayerID, LayerOrder) VALUES (" +
             N(subjectId) + ", " + N(layerId) + ", " + N(order) + ")");
    }
    void File(long type, long subjectId, long order) {
        Exec("INSERT INTO GHGIS_SubjectClass (SubjectType, SubjectID, SubjectOrder) VALUES (" +
             N(type) + ", " + N(subjectId) + ", " + N(order) + ")");
    }
    // Makes the next insert of a repeated key into `table` fail, for the all-or-nothing checks.
    void RefuseRepeated(const std::string& table, const std::string& columns) {
        Exec("CREATE UNIQUE INDEX GHT_" + table + "_Once ON " + table + " (" + columns + ")");
    }
};

}  // namespace ghdb::test
