#include "catalogue/LayerGroup.h"

#include "frame/BaseClassAccess.h"
#include "frame/ColumnValue.h"
#include "frame/ObjectArrays.h"
#include "frame/Statement.h"

namespace ghdb {

const ColumnTable<CGISLayerGroup>& CGISLayerGroup::Columns() {
    static const ColumnTable<CGISLayerGroup> columns = {
        {"LayerGroupID", &CGISLayerGroup::LayerGroupID, ColumnRole::Identity},
        {"ParentGroupID", &CGISLayerGroup::ParentGroupID},
        {"DispOrder", &CGISLayerGroup::DispOrder},
        {"LayerGroupName", &CGISLayerGroup::LayerGroupName},
        {"Remark", &CGISLayerGroup::Remark},
    };
    return columns;
}

namespace {

constexpr const char* kDeleteGroupRows =
    "Delete FROM GHGIS_LayerGroup WHERE (LayerGroupID = %d) OR (ParentGroupID = %d)";

// Layers of the group that also hang under another group lose only their link to this one.
constexpr const char* kUnlinkSharedLayers =
    "Delete FROM GHGIS_LayerGroupLayerRelation  WHERE "
    "(GHGIS_LayerGroupLayerRelation.LayerGroupID = %d) AND EXISTS (SELECT OtherLink.LayerID FROM "
    "GHGIS_LayerGroupLayerRelation OtherLink WHERE OtherLink.LayerID = "
    "GHGIS_LayerGroupLayerRelation.LayerID AND OtherLink.LayerGroupID <> %d) ";

// Removes every layer still linked to the group with all that hangs on it, dependants first,
// and the group's own application-class entry; the group's links go last, since the other
// statements find their rows through them.
constexpr const char* kGroupCascade[] = {
    "Delete FROM GH_FieldsRelConfig  WHERE GH_FieldsRelConfig.LayerID IN (SELECT LayerID FROM "
    "GHGIS_LayerGroupLayerRelation WHERE LayerGroupID = %d) ",
    "Delete FROM GH_FieldInfo where  GH_FieldInfo.LayerID IN  (SELECT  LayerID FROM "
    "GHGIS_LayerGroupLayerRelation WHERE LayerGroupID = %d) ",
    "Delete FROM GHGIS_PageInfo WHERE  GHGIS_PageInfo.layerid IN (SELECT layerid FROM "
    "GHGIS_LayerGroupLayerRelation WHERE LayerGroupID = %d) ",
    "Delete FROM GH_FigureLayer WHERE  GH_FigureLayer.ParseID IN (SELECT LayerParseID FROM "
    "GH_LayerEx WHERE LayerID IN (SELECT LayerID FROM GHGIS_LayerGroupLayerRelation WHERE "
    "LayerGroupID = %d) ) ",
    "Delete FROM GH_FigureLayerIndex WHERE  GH_FigureLayerIndex.ParseID IN (SELECT LayerParseID "
    "FROM GH_LayerEx WHERE LayerID IN (SELECT LayerID FROM GHGIS_LayerGroupLayerRelation WHERE "
    "LayerGroupID = %d) ) ",
    "Delete FROM GHGIS_ApplyClass WHERE  (GHGIS_ApplyClass.DataObjectType = 0)  AND "
    "GHGIS_ApplyClass.DataObjectID IN (SELECT GHGIS_LayerGroupLayerRelation.LayerID FROM "
    "GHGIS_LayerGroupLayerRelation WHERE LayerGroupID = %d) ",
    "Delete FROM GHGIS_ApplyClass WHERE  GHGIS_ApplyClass.DataObjectType = 1  AND "
    "GHGIS_ApplyClass.DataObjectID = %d ",
    "Delete FROM GHGIS_SubjectLayers WHERE GHGIS_SubjectLayers.LayerID IN (SELECT LayerID FROM "
    "GHGIS_LayerGroupLayerRelation WHERE LayerGroupID = %d) ",
    "Delete FROM GH_VerifyUpdate WHERE  GH_VerifyUpdate.LayerID IN (SELECT LayerID FROM "
    "GHGIS_LayerGroupLayerRelation WHERE LayerGroupID = %d) ",
    "Delete FROM GH_LayerEx WHERE  GH_LayerEx.LayerID IN (SELECT LayerID FROM "
    "GHGIS_LayerGroupLayerRelation WHERE LayerGroupID = %d) ",
    "Delete FROM GHGIS_FunLayerConfig WHERE GHGIS_FunLayerConfig.LayerID IN (SELECT LayerID FROM "
    "GHGIS_LayerGroupLayerRelation WHERE LayerGroupID = %d) ",
    "Delete FROM GHSJ_RoadLayerConfig WHERE GHSJ_RoadLayerConfig.MLayerID IN (SELECT LayerID FROM "
    "GHGIS_LayerGroupLayerRelation WHERE LayerGroupID = %d) ",
    "Delete FROM GHSJ_RoadLayerConfig WHERE GHSJ_RoadLayerConfig.RLayerID IN (SELECT LayerID FROM "
    "GHGIS_LayerGroupLayerRelation WHERE LayerGroupID = %d) ",
    "Delete FROM GHSJ_RoadLayerConfig WHERE GHSJ_RoadLayerConfig.ELayerID IN (SELECT LayerID FROM "
    "GHGIS_LayerGroupLayerRelation WHERE LayerGroupID = %d) ",
    "Delete FROM GHSJ_RoadLayerConfig WHERE GHSJ_RoadLayerConfig.GLayerID IN  (SELECT "
    "GHGIS_LayerGroupLayerRelation.LayerID FROM GHGIS_LayerGroupLayerRelation WHERE "
    "LayerGroupID = %d) ",
    "Delete FROM GHGIS_Layer WHERE GHGIS_Layer.LayerID IN  (SELECT "
    "GHGIS_LayerGroupLayerRelation.LayerID FROM GHGIS_LayerGroupLayerRelation WHERE "
    "LayerGroupID = %d) ",
    "Delete FROM GHGIS_LayerGroupLayerRelation  WHERE "
    "(GHGIS_LayerGroupLayerRelation.LayerGroupID = %d) ",
};

}  // namespace

void CGISLayerGroup::ClearData() {
    kidGroups_.Clear();
    kidLayers_.Clear();
}

CGISLayerGroupSet* CGISLayerGroup::RefKidLayerGroups() {
    CBaseClassAccess* access = RefDBClassAccess();
    if (!kidGroups_.Get() && LayerGroupID >= 0 && !access) return nullptr;
    return &kidGroups_.Load([&](CGISLayerGroupSet& kids) {
        if (LayerGroupID >= 0) access->GetKidLayerGroups(LayerGroupID, kids);
    });
}

CArray<CGISLayerGroup*, CGISLayerGroup*>* CGISLayerGroup::KidLayerGroups() {
    return RefKidLayerGroups();
}

CGISLayerSet* CGISLayerGroup::RefKidLayers() {
    CBaseClassAccess* access = RefDBClassAccess();
    if (!kidLayers_.Get() && LayerGroupID >= 0 && !access) return nullptr;
    return &kidLayers_.Load([&](CGISLayerSet& kids) {
        if (LayerGroupID >= 0) access->GetKidLayers(LayerGroupID, kids, "");
    });
}

CArray<CGISLayer*, CGISLayer*>* CGISLayerGroup::KidLayers() {
    return RefKidLayers();
}

CGISLayerGroup* CGISLayerGroup::AddNewLayerGroup(CGISLayerGroup& kid) {
    CGISLayerGroupSet* kids = RefKidLayerGroups();
    CBaseClassAccess* access = RefDBClassAccess();
    if (!kids || !access) return nullptr;
    kid.DispOrder = kids->GetSize();
    CGISLayerGroup* copy = kids->AddNew(kid);
    // A child that could not be stored is not shown as one.
    if (access->AddLayerGroup(*copy) != 2) {
        kids->Delete(copy);
        return nullptr;
    }
    return copy;
}

CGISLayer* CGISLayerGroup::AddNewLayer(CGISLayer& layer) {
    CGISLayerSet* kids = RefKidLayers();
    CBaseClassAccess* access = RefDBClassAccess();
    if (!kids || !access) return nullptr;
    CGISLayer* copy = kids->AddNew(layer);
    // The copy carries the caller's field definitions, which are stored with it.
    copy->CopyFieldInfoFrom(layer);
    if (access->AddLayer(LayerGroupID, *copy) != 2) {
        kids->Delete(copy);
        return nullptr;
    }
    copy->UpdateFieldInfoToDB();
    return copy;
}

void CGISLayerGroup::EditLayerGroup(CGISLayerGroup* kid) {
    CBaseClassAccess* access = RefDBClassAccess();
    if (kid && access && RefKidLayerGroups()) access->EditLayerGroup(*kid);
}

void CGISLayerGroup::EditLayerGroup(int index) {
    CGISLayerGroupSet* kids = RefKidLayerGroups();
    if (kids && index >= 0 && index < kids->GetSize()) EditLayerGroup(kids->GetAt(index));
}

void CGISLayerGroup::DeleteLayerGroup(CGISLayerGroup* kid) {
    CGISLayerGroupSet* kids = RefKidLayerGroups();
    CBaseClassAccess* access = RefDBClassAccess();
    if (!kid || !kids || !access) return;
    access->DeleteLayerGroup(kid->LayerGroupID);
    kids->Delete(kid);
}

void CGISLayerGroup::DeleteLayerGroup(int index) {
    CGISLayerGroupSet* kids = RefKidLayerGroups();
    if (kids && index >= 0 && index < kids->GetSize()) DeleteLayerGroup(kids->GetAt(index));
}

void CGISLayerGroup::EditLayer(CGISLayer* layer) {
    CBaseClassAccess* access = RefDBClassAccess();
    if (layer && access) access->EditLayer(*layer);
}

void CGISLayerGroup::EditLayer(int index) {
    CGISLayerSet* kids = RefKidLayers();
    if (kids && index >= 0 && index < kids->GetSize()) EditLayer(kids->GetAt(index));
}

long CBaseClassAccess::GetLayerGroupInfo(CGISLayerGroup& grp) {
    return db_.ReadOneRecordInfo(
        FormatSql("SELECT * FROM GHGIS_LayerGroup WHERE (LayerGroupID = %d)", grp.LayerGroupID),
        &grp);
}

long CBaseClassAccess::GetLayerGroupInfo(long id, CGISLayerGroup& grp) {
    grp.LayerGroupID = id;
    return GetLayerGroupInfo(grp);
}

long CBaseClassAccess::GetLayerGroupInfo(CString name, CGISLayerGroup& grp) {
    return db_.ReadOneRecordInfo(
        FormatSql("SELECT * FROM GHGIS_LayerGroup WHERE (LayerGroupName = '%s')", Quoted(name)),
        &grp);
}

long CBaseClassAccess::GetKidLayerGroups(long parentId,
                                         CArray<CGISLayerGroup*, CGISLayerGroup*>& out) {
    return db_.ReadAllAsNew(
        FormatSql("SELECT * FROM GHGIS_LayerGroup WHERE (ParentGroupID = %d) ORDER BY DispOrder",
                  parentId),
        out, 1);
}

long CBaseClassAccess::GetMaxDisporderOfLayerGroup(long parentId) {
    long greatest = 0;
    const long status = db_.GetMaxFieldValueFromTable(
        FormatSql(
            "SELECT MAX(DispOrder) AS MaxValue FROM GHGIS_LayerGroup WHERE (ParentGroupID = %d)",
            parentId),
        greatest);
    return status == 2 ? greatest + 1 : 0;
}

long CBaseClassAccess::AddLayerGroup(CGISLayerGroup& grp) {
    return db_.RunSerialised("GHGIS_LayerGroup", [&] {
        grp.DispOrder = GetMaxDisporderOfLayerGroup(grp.ParentGroupID);
        return db_.AddNewOneRecordInfo("SELECT * FROM GHGIS_LayerGroup WHERE (1 = -1)", &grp);
    });
}

long CBaseClassAccess::EditLayerGroup(CGISLayerGroup& grp) {
    return db_.EditOneRecordInfo(
        FormatSql("SELECT * FROM GHGIS_LayerGroup WHERE (LayerGroupID = %d)", grp.LayerGroupID),
        &grp);
}

long CBaseClassAccess::MoveLayerGroup(long newParentId, long groupId) {
    CLongColumnValue parent("ParentGroupID", newParentId);
    return db_.EditOneRecordInfo(
        FormatSql("SELECT * FROM GHGIS_LayerGroup WHERE (LayerGroupID = %d)", groupId), &parent);
}

bool CBaseClassAccess::IsHasInLayerGroupRel(long layerId, long groupId) {
    // Any failure answers yes, so that a caller avoiding a duplicate link adds nothing.
    if (!db_.Connection()) return true;
    int hasRows = 0;
    const long status = db_.CheckRecordInfoEmpty(
        FormatSql(
            "SELECT * FROM GHGIS_LayerGroupLayerRelation WHERE LayerGroupID=%d AND LayerID=%d ",
            groupId, layerId),
        hasRows);
    return status != 1 || hasRows != 0;
}

long CBaseClassAccess::DeleteLayerGroup(long groupId) {
    if (groupId < 0) return 1;
    return db_.RunCascade(CRecordAccess::CascadeStatus::LastStep, [&](auto& cascade) {
        std::unordered_set<long> visited;
        DeleteLayerGroupKids(cascade, groupId, visited);
        cascade.Step(FormatSql(kDeleteGroupRows, groupId, groupId));
    });
}

long CBaseClassAccess::DeleteLayerGroupKids(CRecordAccess::Cascade& cascade, long groupId,
                                            std::unordered_set<long>& visited) {
    visited.insert(groupId);
    // Without the unlinking, the statements below would take a shared layer for the group's own
    // and remove it from the other groups too.
    cascade.Guard(FormatSql(kUnlinkSharedLayers, groupId, groupId));
    for (const char* statement : kGroupCascade) cascade.Step(FormatSql(statement, groupId));

    CAutoReleaseArray<CGISLayerGroup*, CGISLayerGroup*> kids;
    const long opened = db_.ReadAllAsNew(
        FormatSql("SELECT * FROM GHGIS_LayerGroup WHERE (ParentGroupID = %d) ", groupId), kids, 1);
    if (opened != 2) return opened;
    for (int i = kids.GetSize() - 1; i >= 0; --i) {
        const long kidId = kids[i]->LayerGroupID;
        // A group met before lies on a cycle of parent links: it is being removed already.
        if (visited.count(kidId)) continue;
        DeleteLayerGroupKids(cascade, kidId, visited);
        // Every level of the tree goes, not only the direct children of the group removed.
        cascade.Step(FormatSql(kDeleteGroupRows, kidId, kidId));
    }
    return 2;
}

}  // namespace ghdb
