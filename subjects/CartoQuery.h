#pragma once

#include "frame/TableRecord.h"
#include "platform/mfc/CString.h"

namespace ghdb {

// A named query of a subject on one of its layers: the field searched and further field names.
// The record maps its columns by name; no operation of the library stores or reads it.
class CGISCartoQuery : public CTableRecord<CGISCartoQuery> {
public:
    CGISCartoQuery() = default;
    CGISCartoQuery(const CGISCartoQuery& other) = default;
    CGISCartoQuery& operator=(const CGISCartoQuery& other) = default;
    CGISCartoQuery(CGISCartoQuery&& other) noexcept = default;
    CGISCartoQuery& operator=(CGISCartoQuery&& other) noexcept = default;
    ~CGISCartoQuery() override = default;

    long SubjectID = 0;
    CString Class;
    CString Name;
    long LayerID = 0;
    CString QueryField;
    // Further field names, carried as one text.
    CString JDFields;

    static const ColumnTable<CGISCartoQuery>& Columns();
};

}  // namespace ghdb
