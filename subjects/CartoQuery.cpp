#include "subjects/CartoQuery.h"

#include "frame/BaseClassAccess.h"

namespace ghdb {

const ColumnTable<CGISCartoQuery>& CGISCartoQuery::Columns() {
    static const ColumnTable<CGISCartoQuery> columns = {
        {"SubjectID", &CGISCartoQuery::SubjectID},
        {"Class", &CGISCartoQuery::Class},
        {"Name", &CGISCartoQuery::Name},
        {"LayerID", &CGISCartoQuery::LayerID},
        {"QueryField", &CGISCartoQuery::QueryField},
        {"JDFields", &CGISCartoQuery::JDFields},
    };
    return columns;
}

// Subject queries are not kept in the database: these leave the array alone and answer 0.
long CBaseClassAccess::GetSubjecQuerys(long, CArray<CGISCartoQuery, CGISCartoQuery&>&) {
    return 0;
}

long CBaseClassAccess::EditSubjecQuerys(long, CArray<CGISCartoQuery, CGISCartoQuery&>&) {
    return 0;
}

}  // namespace ghdb
