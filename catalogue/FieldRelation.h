#pragma once

#include "frame/DBBaseClass.h"
#include "platform/mfc/CString.h"

namespace ghdb {

// A rule that ties fields of a layer together (GH_FieldsRelConfig). The database assigns the
// key FID when the relation is stored.
class CKGFieldRelation : public CDBBaseClass {
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

    void ReadFromFields(FieldsPtr& fields, _variant_t& scratch) override;
    void WriteToFields(FieldsPtr& fields) override;
    // Reads back the key the database assigned.
    void AfterUpdateNew(FieldsPtr& fields, _variant_t& scratch) override;
};

}  // namespace ghdb
