#include "subjects/SubjectClass.h"

#include "catalogue/Layer.h"
#include "frame/BaseClassAccess.h"
#include "frame/Statement.h"

namespace ghdb {

const ColumnTable<CGISSubjectClass>& CGISSubjectClass::Columns() {
    static const ColumnTable<CGISSubjectClass> columns = {
        {"SubjectType", &CGISSubjectClass::SubjectType},
        {"SubjectID", &CGISSubjectClass::SubjectID},
    };
    return columns;
}

namespace {

// A filing row as EditSubjectsOfClass writes it, with its position.
class FiledSubject : public CTableRecord<FiledSubject> {
public:
    long SubjectType = 0;
    long SubjectID = 0;
    long SubjectOrder = 0;

    static const ColumnTable<FiledSubject>& Columns() {
        static const ColumnTable<FiledSubject> columns = {
            {"SubjectType", &FiledSubject::SubjectType},
            {"SubjectID", &FiledSubject::SubjectID},
            {"SubjectOrder", &FiledSubject::SubjectOrder},
        };
        return columns;
    }
};

}  // namespace

long CBaseClassAccess::GetSubjectsOfClass(long subjectType, CArray<long, long>& subjectIds) {
    CGISSubjectClass working;
    CArray<CGISSubjectClass, CGISSubjectClass&> filed;
    const long status = db_.ReadAllAsValues(
        FormatSql("SELECT * FROM GHGIS_SubjectClass WHERE (SubjectType = %d) order by SubjectOrder",
                  subjectType),
        working, filed);
    for (const CGISSubjectClass& filing : filed) subjectIds.Add(filing.SubjectID);
    return status;
}

long CBaseClassAccess::EditSubjectsOfClass(long subjectType, CArray<long, long>& subjectIds) {
    FiledSubject row;
    row.SubjectType = subjectType;
    return db_.ReplaceAllWith(
        FormatSql("DELETE FROM GHGIS_SubjectClass WHERE (SubjectType = %d)", subjectType),
        FormatSql("SELECT * FROM GHGIS_SubjectClass WHERE (SubjectType = %d)", subjectType),
        subjectIds.GetSize(),
        [&](int i) -> CDBBaseClass& {
            row.SubjectID = subjectIds[i];
            row.SubjectOrder = i;
            return row;
        },
        subjectIds.GetSize() > 0 ? 2 : 1);
}

long CBaseClassAccess::ClearSubjectsFromClass(long subjectType) {
    return db_.DeleteRecordInfo(
        FormatSql("Delete FROM GHGIS_SubjectClass WHERE (SubjectType = %d)", subjectType));
}

long CBaseClassAccess::GetSubjectLayersOfClass(long subjectType, CGISLayerSet& layers) {
    return ReadLayers(
        FormatSql("SELECT * FROM GHGIS_Layer INNER JOIN GHGIS_SubjectLayers ON GHGIS_Layer.LayerID "
                  "= GHGIS_SubjectLayers.LayerID INNER JOIN GHGIS_SubjectClass ON "
                  "GHGIS_SubjectLayers.SubjectID = GHGIS_SubjectClass.SubjectID WHERE "
                  "(GHGIS_SubjectClass.SubjectType = %d) ORDER BY GHGIS_SubjectLayers.LayerOrder",
                  subjectType),
        layers);
}

}  // namespace ghdb
