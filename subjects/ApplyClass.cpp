#include "subjects/ApplyClass.h"

#include "catalogue/Layer.h"
#include "catalogue/LayerGroup.h"
#include "frame/BaseClassAccess.h"
#include "frame/Statement.h"

namespace ghdb {

const ColumnTable<CGISApplyClassData>& CGISApplyClassData::Columns() {
    static const ColumnTable<CGISApplyClassData> columns = {
        {"ApplyClassID", &CGISApplyClassData::ApplyClassID},
        {"ApplyClassName", &CGISApplyClassData::ApplyClassName},
        {"DataObjectID", &CGISApplyClassData::DataObjectID},
        {"DataObjectType", &CGISApplyClassData::DataObjectType},
    };
    return columns;
}

namespace {

constexpr const char* kSelectOfClass =
    "SELECT * FROM GHGIS_ApplyClass WHERE (ApplyClassID = %d) AND (ApplyClassName = '%s')";

}  // namespace

CGISApplyClass::CGISApplyClass() = default;

CGISApplyClass::CGISApplyClass(const CGISApplyClass& other)
    : CMultiDBBaseClass(other),
      ApplyClassID(other.ApplyClassID),
      ApplyClassName(other.ApplyClassName),
      ApplyClassData(other.ApplyClassData) {}

CGISApplyClass& CGISApplyClass::operator=(const CGISApplyClass& other) {
    if (this == &other) return *this;
    ClearData();
    ApplyClassID = other.ApplyClassID;
    ApplyClassName = other.ApplyClassName;
    ApplyClassData.Copy(other.ApplyClassData);
    CMultiDBBaseClass::operator=(other);
    return *this;
}

CGISApplyClass::~CGISApplyClass() = default;

void CGISApplyClass::ClearData() {
    ApplyClassData.RemoveAll();
    layerGroups_.reset();
    layers_.reset();
}

long CGISApplyClass::AddNewData(CGISApplyClassData& d) {
    CBaseClassAccess* access = RefDBClassAccess();
    if (!access) return 1;
    const int index = ApplyClassData.Add(d);
    const long status = access->AddGISApplyClassData(ApplyClassData[index]);
    if (status < 0) ApplyClassData.RemoveAt(index);
    return status;
}

long CGISApplyClass::DeleteData(int index) {
    CBaseClassAccess* access = RefDBClassAccess();
    if (!access || index < 0 || index >= ApplyClassData.GetSize()) return 1;
    const long status = access->DeleteGISApplyClassData(ApplyClassData[index]);
    if (status >= 0) ApplyClassData.RemoveAt(index);
    return status;
}

CArray<CGISLayerGroup*, CGISLayerGroup*>* CGISApplyClass::GetLayerGroups() {
    if (!layerGroups_) {
        CBaseClassAccess* access = RefDBClassAccess();
        if (!access) return nullptr;
        layerGroups_ = std::make_unique<CAutoReleaseArray<CGISLayerGroup*, CGISLayerGroup*>>();
        access->GetLayerGroupsByApplyClass(ApplyClassID, ApplyClassName, *layerGroups_);
    }
    return layerGroups_.get();
}

CArray<CGISLayer*, CGISLayer*>* CGISApplyClass::GetLayers() {
    if (!layers_) {
        CBaseClassAccess* access = RefDBClassAccess();
        if (!access) return nullptr;
        layers_ = std::make_unique<CAutoReleaseArray<CGISLayer*, CGISLayer*>>();
        access->GetLayersByApplyClass(ApplyClassID, ApplyClassName, *layers_);
    }
    return layers_.get();
}

void CGISApplyClass::ReadKidFromFields(FieldsPtr& fields, _variant_t& scratch) {
    CGISApplyClassData member;
    member.SetDBClassAccess(RefDBClassAccess());
    member.ReadFromFields(fields, scratch);
    ApplyClassData.Add(member);
}

void CGISApplyClass::WriteKidToFields(FieldsPtr& fields, int index) {
    ApplyClassData[index].WriteToFields(fields);
}

CGISApplyClassSet::CGISApplyClassSet() {
    classes_.SetSize(0, 10);
}

CGISApplyClassSet::CGISApplyClassSet(const CGISApplyClassSet& other) : CGISApplyClassSet() {
    *this = other;
}

CGISApplyClassSet& CGISApplyClassSet::operator=(const CGISApplyClassSet& other) {
    if (this == &other) return *this;
    ClearData();
    ApplyClassID = other.ApplyClassID;
    for (const CGISApplyClass* c : other.classes_) classes_.Add(new CGISApplyClass(*c));
    access_ = other.access_;
    return *this;
}

CGISApplyClassSet::~CGISApplyClassSet() {
    access_.SetDBClassAccess(nullptr);
    ReleaseArrayData(classes_, 0);
}

int CGISApplyClassSet::Find(const CGISApplyClass* p) const {
    for (int i = classes_.GetSize() - 1; i >= 0; --i)
        if (classes_[i] == p) return i;
    return -1;
}

CGISApplyClass* CGISApplyClassSet::AddNewApplyClass(CGISApplyClass& c) {
    CBaseClassAccess* access = RefDBClassAccess();
    if (!access) return nullptr;
    auto* copy = new CGISApplyClass(c);
    // Stored through the set's access object, the class belongs to its database.
    copy->SetDBClassAccess(access);
    classes_.Add(copy);
    if (access->AddGISApplyClass(*copy) < 0) {
        DeleteArrayData(classes_, copy);
        return nullptr;
    }
    return copy;
}

long CGISApplyClassSet::EditApplyClass(CGISApplyClass* p) {
    CBaseClassAccess* access = RefDBClassAccess();
    if (!access || !p) return 1;
    return access->EditGISApplyClass(*p);
}

long CGISApplyClassSet::EditApplyClass(int index) {
    if (index < 0 || index >= classes_.GetSize()) return 1;
    return EditApplyClass(classes_[index]);
}

void CGISApplyClassSet::DeleteApplyClass(CGISApplyClass* p) {
    DeleteApplyClass(Find(p));
}

void CGISApplyClassSet::DeleteApplyClass(int index) {
    CBaseClassAccess* access = RefDBClassAccess();
    if (!access || index < 0 || index >= classes_.GetSize()) return;
    CGISApplyClass* doomed = classes_[index];
    access->DeleteGISApplyClass(doomed->ApplyClassID, doomed->ApplyClassName);
    DeleteArrayData(classes_, index);
}

void CGISApplyClassSet::ClearData() {
    ApplyClassID = -1;
    ReleaseArrayData(classes_, 0);
}

// ---- Operations of the access object ----

long CBaseClassAccess::GetGISApplyClass(CGISApplyClass& c) {
    return db_.ReadMultiRecordInfo(
        FormatSql(kSelectOfClass, c.ApplyClassID, Quoted(c.ApplyClassName)), &c);
}

long CBaseClassAccess::AddGISApplyClass(CGISApplyClass& c) {
    // A class is stored with all its members or not at all.
    return db_.RunAllOrNothing([&] {
        return db_.EditMultiRecordInfo("SELECT * FROM GHGIS_ApplyClass WHERE ( 1=-1 )", &c);
    });
}

long CBaseClassAccess::EditGISApplyClass(CGISApplyClass& c) {
    const Quoted name(c.ApplyClassName);
    return db_.ReplaceAll(FormatSql("DELETE FROM GHGIS_ApplyClass WHERE (ApplyClassID = %d) AND "
                                    "(ApplyClassName = '%s')",
                                    c.ApplyClassID, name),
                          FormatSql(kSelectOfClass, c.ApplyClassID, name), c.ApplyClassData,
                          c.ApplyClassData.GetSize() > 0 ? 2 : 1);
}

long CBaseClassAccess::DeleteGISApplyClass(long id, CString& name) {
    return db_.DeleteRecordInfo(FormatSql(
        "Delete FROM GHGIS_ApplyClass WHERE (ApplyClassID = %d) AND (ApplyClassName = '%s')", id,
        Quoted(name)));
}

long CBaseClassAccess::DeleteGISApplyClass(long id) {
    return db_.DeleteRecordInfo(
        FormatSql("Delete FROM GHGIS_ApplyClass WHERE (ApplyClassID = %d)", id));
}

long CBaseClassAccess::AddGISApplyClassData(CGISApplyClassData d) {
    return db_.AddNewOneRecordInfo("SELECT * FROM GHGIS_ApplyClass WHERE\t( 1=-1 )", &d);
}

long CBaseClassAccess::DeleteGISApplyClassData(CGISApplyClassData d) {
    return db_.DeleteRecordInfo(FormatSql(
        "Delete FROM GHGIS_ApplyClass WHERE (ApplyClassName = '%s') AND (DataObjectType = %d) "
        "AND (DataObjectID = %d)",
        Quoted(d.ApplyClassName), d.DataObjectType, d.DataObjectID));
}

long CBaseClassAccess::GetAllGISApplyClass(long id, CArray<CGISApplyClass*, CGISApplyClass*>& out) {
    int rows = 0;
    const long opened = db_.ReadColumnOfRows<CString>(
        FormatSql("SELECT DISTINCT ApplyClassName FROM GHGIS_ApplyClass WHERE (ApplyClassID = %d)",
                  id),
        "ApplyClassName",
        [&](const CString& name) {
            auto* c = new CGISApplyClass;
            out.Add(c);
            c->SetDBClassAccess(this);
            c->ApplyClassID = id;
            c->ApplyClassName = name;
        },
        &rows);
    if (opened != 2) return opened;
    // Every class of the array is (re)loaded, also those the caller put there.
    for (int i = out.GetSize() - 1; i >= 0; --i) GetGISApplyClass(*out[i]);
    return rows > 0 ? 2 : 1;
}

long CBaseClassAccess::GetLayerGroupsByApplyClass(long id, CString& name,
                                                  CArray<CGISLayerGroup*, CGISLayerGroup*>& out) {
    return db_.ReadAllAsNew(
        FormatSql("SELECT * FROM GHGIS_LayerGroup INNER JOIN GHGIS_ApplyClass ON "
                  "GHGIS_LayerGroup.LayerGroupID = GHGIS_ApplyClass.DataObjectID WHERE "
                  "(GHGIS_ApplyClass.DataObjectType = 1) AND (GHGIS_ApplyClass.ApplyClassID = %d) "
                  "AND (GHGIS_ApplyClass.ApplyClassName = '%s')",
                  id, Quoted(name)),
        out, 1);
}

long CBaseClassAccess::GetLayersByApplyClass(long id, CString& name,
                                             CArray<CGISLayer*, CGISLayer*>& out) {
    return ReadLayers(
        FormatSql("SELECT * FROM GHGIS_Layer INNER JOIN GHGIS_ApplyClass ON GHGIS_Layer.LayerID = "
                  "GHGIS_ApplyClass.DataObjectID WHERE (GHGIS_ApplyClass.DataObjectType = 0) AND "
                  "(GHGIS_ApplyClass.ApplyClassID = %d) AND (GHGIS_ApplyClass.ApplyClassName = "
                  "'%s')",
                  id, Quoted(name)),
        out);
}

}  // namespace ghdb
