#pragma once

#include "frame/TableRecord.h"
#include "platform/mfc/CString.h"

namespace ghdb {

// A rule that ties fields of a layer together (GH_FieldsRelConfig). The database assigns the
// key FID when the relation is stored.
class CKGFieldRelation : public CTableRecord<CKGFieldRelation> {
public:
    CKGFieldRelation() = default;
    CKGFieldRelation(const CKGFieldRelation& other) = default;
    CKGFieldRelation& operator=(const CKGFieldRelation& other) = default;
    ~CKGFieldRelation() override = default;

    long LayerID = 0;
    long FID = -1;
    // 2 marks the relations that the layer-level operations handle.
    long EnuRelationType = 0;
    long RelationPri = 0;
    CString RelationFields;
    CString RelationDescribe;
    long ShowType = 0;

    // FID is assigned by the database and read back when the relation is added.
    static const ColumnTable<CKGFieldRelation>& Columns();
};

}  // namespace ghdb
