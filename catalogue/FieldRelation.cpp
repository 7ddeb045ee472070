#include "catalogue/FieldRelation.h"

#include "frame/BaseClassAccess.h"
#include "frame/Statement.h"

namespace ghdb {

const ColumnTable<CKGFieldRelation>& CKGFieldRelation::Columns() {
    static const ColumnTable<CKGFieldRelation> columns = {
        {"LayerID", &CKGFieldRelation::LayerID},
        {"FID", &CKGFieldRelation::FID, ColumnRole::Identity},
        {"EnuRelationType", &CKGFieldRelation::EnuRelationType},
        {"RelationPri", &CKGFieldRelation::RelationPri},
        {"RelationFields", &CKGFieldRelation::RelationFields},
        {"RelationDescribe", &CKGFieldRelation::RelationDescribe},
        {"ShowType", &CKGFieldRelation::ShowType},
    };
    return columns;
}

namespace {

constexpr const char* kSelectOfKey =
    "SELECT * FROM GH_FieldsRelConfig WHERE ((FID=%d)  AND (LayerID=%d))";
constexpr const char* kSelectOfLayerRelations =
    "SELECT * FROM GH_FieldsRelConfig WHERE  LayerID = %d AND EnuRelationType = 2 ";

}  // namespace

long CBaseClassAccess::GetFieldRelation(CKGFieldRelation& rel) {
    return db_.ReadOneRecordInfo(FormatSql(kSelectOfKey, rel.FID, rel.LayerID), &rel);
}

long CBaseClassAccess::AddFieldRelation(CKGFieldRelation& rel) {
    return db_.AddNewOneRecordInfo("SELECT * FROM GH_FieldsRelConfig WHERE (1 = -1)", &rel);
}

long CBaseClassAccess::EditFieldRelation(CKGFieldRelation& rel) {
    return EditFieldRelation(rel.LayerID, rel);
}

long CBaseClassAccess::EditFieldRelation(long layerId, CKGFieldRelation& rel) {
    return db_.EditOneRecordInfo(FormatSql(kSelectOfKey, rel.FID, layerId), &rel);
}

long CBaseClassAccess::DeleteFieldRelation(CKGFieldRelation& rel) {
    return db_.DeleteRecordInfo(FormatSql("Delete FROM GH_FieldsRelConfig WHERE FID=%d", rel.FID));
}

long CBaseClassAccess::DelFieldRelationByLayer(long layerId) {
    return db_.ExecuteSilently(FormatSql(
        "Delete  FROM GH_FieldsRelConfig WHERE (LAYERID = %d AND EnuRelationType = 2)", layerId));
}

long CBaseClassAccess::GetFieldRelationOfGISLayer(
    long layerId, CArray<CKGFieldRelation*, CKGFieldRelation*>& out) {
    return db_.ReadAllAsNew(FormatSql(kSelectOfLayerRelations, layerId), out, 1);
}

long CBaseClassAccess::SetFieldRelationOfGISLayer(
    long layerId, CArray<CKGFieldRelation, CKGFieldRelation&>& rels) {
    return db_.AddAllFromValues(FormatSql(kSelectOfLayerRelations, layerId), rels);
}

long CBaseClassAccess::GetKidFieldRelation(CArray<CKGFieldRelation*, CKGFieldRelation*>& out,
                                           long layerId) {
    return db_.ReadAllAsNew(
        FormatSql("SELECT * FROM GH_FieldsRelConfig WHERE (LAYERID=%d)", layerId), out, 1);
}

}  // namespace ghdb
