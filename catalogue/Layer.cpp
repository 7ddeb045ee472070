#include "catalogue/Layer.h"

#include <algorithm>

#include "frame/ColumnValue.h"
#include "catalogue/SpacialDBInfo.h"
#include "frame/BaseClassAccess.h"
#include "frame/Columns.h"
#include "frame/ObjectArrays.h"

namespace ghdb {

namespace {

struct ShapeKind {
    long code;
    const char* desc;
};
constexpr ShapeKind kShapeKinds[] = {
    {0, "点 层"}, {1, "线 层"}, {2, "面 层"}, {3, "文字 层"}, {4, "影像 层"},
};
constexpr const char* kUnknownShape = "未知图层";

// Every column but the two symbols, which are handled by hand.
const ColumnTable<CGISLayer>& Columns() {
    static const ColumnTable<CGISLayer> columns = {
        {"IsDynamicLayer", &CGISLayer::IsDynamicLayer},
        {"IsLabeled", &CGISLayer::IsLabeled},
        {"LayerID", &CGISLayer::LayerID},
        {"ShapeType", &CGISLayer::ShapeType},
        {"DBID", &CGISLayer::DBID},
        {"WebLayerID", &CGISLayer::WebLayerID},
        {"SymbolType", &CGISLayer::SymbolType},
        {"MinScale", &CGISLayer::MinScale},
        {"MaxScale", &CGISLayer::MaxScale},
        {"SpatialMinX", &CGISLayer::SpatialMinX},
        {"SpatialMinY", &CGISLayer::SpatialMinY},
        {"SpatialMaxX", &CGISLayer::SpatialMaxX},
        {"SpatialMaxY", &CGISLayer::SpatialMaxY},
        {"MeaningID", &CGISLayer::MeaningID},
        {"LayerName", &CGISLayer::LayerName},
        {"LayerAlias", &CGISLayer::LayerAlias},
        {"SU_UserID", &CGISLayer::SU_UserID},
        {"RealLayerID", &CGISLayer::RealLayerID},
        {"Remark", &CGISLayer::Remark},
        {"QueryField", &CGISLayer::QueryField},
        {"PrimaryField", &CGISLayer::PrimaryField},
        {"URL", &CGISLayer::URL},
        {"LabelField", &CGISLayer::LabelField},
    };
    return columns;
}

// A row of GHGIS_LayerGroupLayerRelation: one layer in one group.
class CGroupLayerLink : public CDBBaseClass {
public:
    CGroupLayerLink() = default;
    CGroupLayerLink(long groupId, long layerId, long dispOrder)
        : LayerGroupID(groupId), LayerID(layerId), DispOrder(dispOrder) {}

    long LayerGroupID = -1;
    long LayerID = -1;
    long DispOrder = 0;

    void ReadFromFields(FieldsPtr& fields, _variant_t&) override {
        ReadColumns(fields, LinkColumns(), *this);
    }
    void WriteToFields(FieldsPtr& fields) override { WriteColumns(fields, LinkColumns(), *this); }
    void AfterUpdateNew(FieldsPtr&, _variant_t&) override {}

private:
    static const ColumnTable<CGroupLayerLink>& LinkColumns() {
        static const ColumnTable<CGroupLayerLink> columns = {
            {"LayerGroupID", &CGroupLayerLink::LayerGroupID},
            {"LayerID", &CGroupLayerLink::LayerID},
            {"DispOrder", &CGroupLayerLink::DispOrder},
        };
        return columns;
    }
};

constexpr const char* kNewLinkRow = "SELECT * FROM GHGIS_LayerGroupLayerRelation WHERE (1 = -1)";

// The text of a symbol stored by a "Vexor" database, whichever way the engine hands it over.
_variant_t SymbolText(const _variant_t& value) {
    if (value.vt == VT_BSTR || value.vt == VT_BLOB_BYTES) return _variant_t(value.str);
    return _variant_t(VariantToText(value).value_or(std::string()));
}

bool IsVexor(const CSpacialDBInfo& db) {
    CString server, dbName, uid, pwd, dbType, port;
    db.GetConnectParam(server, dbName, uid, pwd, dbType, port);
    return dbType == kDBTypeVexor;
}

}  // namespace

CGISLayer::CGISLayer(const CGISLayer& other) : CDBBaseClass(other) {
    CopyColumnsFrom(other);
}

CGISLayer& CGISLayer::operator=(const CGISLayer& other) {
    if (this == &other) return *this;
    ClearData();
    CopyColumnsFrom(other);
    CDBBaseClass::operator=(other);
    return *this;
}

CGISLayer::~CGISLayer() = default;

void CGISLayer::CopyColumnsFrom(const CGISLayer& other) {
    IsDynamicLayer = other.IsDynamicLayer;
    IsLabeled = other.IsLabeled;
    LayerID = other.LayerID;
    ShapeType = other.ShapeType;
    DBID = other.DBID;
    WebLayerID = other.WebLayerID;
    SymbolType = other.SymbolType;
    MinScale = other.MinScale;
    MaxScale = other.MaxScale;
    SpatialMinX = other.SpatialMinX;
    SpatialMinY = other.SpatialMinY;
    SpatialMaxX = other.SpatialMaxX;
    SpatialMaxY = other.SpatialMaxY;
    MeaningID = other.MeaningID;
    LayerName = other.LayerName;
    LayerAlias = other.LayerAlias;
    SU_UserID = other.SU_UserID;
    RealLayerID = other.RealLayerID;
    Remark = other.Remark;
    QueryField = other.QueryField;
    PrimaryField = other.PrimaryField;
    URL = other.URL;
    LabelField = other.LabelField;
    Symbol = other.Symbol;
    LabelSymbol = other.LabelSymbol;
    spacialDB_ = other.spacialDB_;
    spacialDBOwner_ = other.spacialDBOwner_;
    modify_ = other.modify_;
}

void CGISLayer::CopyFieldInfoFrom(const CGISLayer& other) {
    ClearData();
    if (!other.fieldSet_) return;
    fieldSet_ = std::make_unique<CGISFieldInfoSet>();
    fieldSet_->SetDBClassAccess(RefDBClassAccess());
    fieldSet_->AppendFrom(*other.fieldSet_);
}

void CGISLayer::DetachFromAccess() {
    SetDBClassAccess(nullptr);
    spacialDB_ = nullptr;
    spacialDBOwner_.SetDBClassAccess(nullptr);
}

void CGISLayer::ClearData() {
    fieldSet_.reset();
}

CSpacialDBInfo* CGISLayer::SpacialDBInfo() {
    // A database borrowed for another DBID (the member was changed or another row was read
    // into this record) is not this layer's.
    if (spacialDB_ && spacialDB_->DBID != DBID) {
        spacialDB_ = nullptr;
        spacialDBOwner_.SetDBClassAccess(nullptr);
    }
    CBaseClassAccess* access = RefDBClassAccess();
    if (!spacialDB_ && DBID >= 0 && access) {
        spacialDB_ = access->GetSpacialDBInfo(DBID);
        spacialDBOwner_.SetDBClassAccess(spacialDB_ ? access : nullptr);
    }
    return spacialDB_;
}

void CGISLayer::SetSpacialDBInfo(CBaseClassAccess* access, long dbId) {
    if (!access) return;
    if (spacialDB_ && spacialDB_->DBID == dbId && access == RefDBClassAccess()) return;
    spacialDB_ = nullptr;
    spacialDBOwner_.SetDBClassAccess(nullptr);
    if (dbId < 0) return;
    DBID = dbId;
    spacialDB_ = access->GetSpacialDBInfo(dbId);
    spacialDBOwner_.SetDBClassAccess(spacialDB_ ? access : nullptr);
}

CString CGISLayer::ShapeTypeDesc() const {
    for (const ShapeKind& kind : kShapeKinds)
        if (kind.code == ShapeType) return kind.desc;
    return kUnknownShape;
}

CGISFieldInfoSet* CGISLayer::RefFieldInfo() {
    if (!fieldSet_) {
        fieldSet_ = std::make_unique<CGISFieldInfoSet>();
        if (CBaseClassAccess* access = RefDBClassAccess()) {
            fieldSet_->SetDBClassAccess(access);
            access->GetLayerFieldInfo(LayerID, *fieldSet_);
        }
    }
    return fieldSet_.get();
}

CArray<CGISFieldInfo*, CGISFieldInfo*>* CGISLayer::GetFieldInfo() {
    return RefFieldInfo();
}

void CGISLayer::UpdateFieldInfoToDB() {
    CGISFieldInfoSet* fields = RefFieldInfo();
    if (CBaseClassAccess* access = RefDBClassAccess())
        access->UpdateLayerFieldInfo(LayerID, *fields);
}

void CGISLayer::AddNewFieldInfo(CGISFieldInfo& fld, int updateDB) {
    CGISFieldInfoSet* fields = RefFieldInfo();
    // After a field was removed the count may equal a sequence still in use; the new field
    // takes one past both, so that no two stored fields share a key.
    long sequence = fields->GetSize();
    for (const CGISFieldInfo* field : *fields) sequence = std::max(sequence, field->Sequence + 1);
    fld.LayerID = LayerID;
    fld.Sequence = sequence;
    fields->AddNew(fld);
    CBaseClassAccess* access = RefDBClassAccess();
    if (updateDB && access) access->AddLayerFieldInfo(LayerID, fld);
}

void CGISLayer::EditFieldInfo(int index, CGISFieldInfo& fld, int updateDB) {
    CGISFieldInfoSet* fields = RefFieldInfo();
    if (index < 0 || index >= fields->GetSize()) return;
    CGISFieldInfo& field = *fields->GetAt(index);
    // The field at the index keeps its key, so that its own row is the one rewritten.
    const long layerId = field.LayerID;
    const long sequence = field.Sequence;
    field = fld;
    field.LayerID = layerId;
    field.Sequence = sequence;
    CBaseClassAccess* access = RefDBClassAccess();
    if (updateDB && access) access->EditLayerFieldInfo(LayerID, field);
}

void CGISLayer::DeleteFieldInfo(int index, int updateDB) {
    CGISFieldInfoSet* fields = RefFieldInfo();
    if (index < 0 || index >= fields->GetSize()) return;
    // Sequences are not renumbered after a removal: the field's own sequence names its row.
    const long sequence = fields->GetAt(index)->Sequence;
    fields->DeleteAt(index);
    CBaseClassAccess* access = RefDBClassAccess();
    if (updateDB && access) access->DeleteLayerFieldInfo(LayerID, sequence);
}

void CGISLayer::DeleteAllFieldInfo(int updateDB) {
    RefFieldInfo()->ClearAll();
    CBaseClassAccess* access = RefDBClassAccess();
    if (updateDB && access) access->DeleteAllLayerFieldInfo(LayerID);
}

void CGISLayer::MoveFieldInfo(int from, int to, int) {
    RefFieldInfo()->MoveTo(from, to);
}

void CGISLayer::ReadFromFields(FieldsPtr& fields, _variant_t&) {
    ReadColumns(fields, Columns(), *this);
    try {
        if (Field* field = fields->Find("Symbol")) {
            const _variant_t& value = field->GetValue();
            if (!value.IsEmptyOrNull()) {
                const CSpacialDBInfo* db = SpacialDBInfo();
                Symbol = db && IsVexor(*db) ? SymbolText(value) : value;
            }
        }
    } catch (...) {
    }
    try {
        if (Field* field = fields->Find("LabelSymbol")) {
            const _variant_t& value = field->GetValue();
            if (!value.IsEmptyOrNull()) LabelSymbol = value;
        }
    } catch (...) {
    }
}

void CGISLayer::WriteToFields(FieldsPtr& fields) {
    WriteColumns(fields, Columns(), *this);
    try {
        if (Field* field = fields->Find("Symbol")) {
            if (Symbol.vt == VT_BSTR)
                field->AppendChunk(Symbol);
            else
                field->PutValue(Symbol);
        }
    } catch (...) {
    }
    try {
        if (Field* field = fields->Find("LabelSymbol")) field->PutValue(LabelSymbol);
    } catch (...) {
    }
}

void CGISLayer::AfterUpdateNew(FieldsPtr& fields, _variant_t&) {
    ReadColumn(fields, "LayerID", LayerID);
}

long CBaseClassAccess::AddLayer(long groupId, CGISLayer& layer) {
    // The layer row and its link are stored together or not at all; the link's display order
    // is read and used without another writer in between.
    return db_.RunSerialised("GHGIS_LayerGroupLayerRelation", [&]() -> long {
        const long dispOrder = GetMaxDisporderOfLayer(groupId);
        const long added =
            db_.AddNewOneRecordInfo("SELECT * FROM GHGIS_Layer WHERE (1 = -1)", &layer);
        if (added != 2) return added;
        CGroupLayerLink link(groupId, layer.LayerID, dispOrder);
        return db_.AddNewOneRecordInfo(kNewLinkRow, &link);
    });
}

long CBaseClassAccess::AddLayerOfCustom(CGISLayer& layer, int custom) {
    if (!custom) return db_.AddNewOneRecordInfo("SELECT * FROM GHGIS_Layer WHERE (1 = -1)", &layer);
    return db_.RunSerialised("GHGIS_Layer", [&] {
        layer.LayerID = GetMinIDOfAllGISLayeres();
        return db_.AddNewOneRecordInfo("SELECT * FROM GHGIS_Layer WHERE (1 = -1)", &layer);
    });
}

long CBaseClassAccess::GetMinIDOfAllGISLayeres() {
    long smallest = 0;
    db_.GetMaxFieldValueFromTable("SELECT MIN(LayerID) AS MaxValue FROM GHGIS_Layer WHERE (1 = 1) ",
                                  smallest);
    // Custom layers count down from -101, below every id in use.
    return std::min(smallest, -100L) - 1;
}

long CBaseClassAccess::EditLayer(CGISLayer& layer) {
    return EditLayer(layer.LayerID, layer);
}

long CBaseClassAccess::EditLayer(long layerId, CGISLayer& layer) {
    return db_.EditOneRecordInfo(
        FormatString("SELECT * FROM GHGIS_Layer WHERE (LayerID = %d)", layerId), &layer);
}

long CBaseClassAccess::MoveLayer(long newGroupId, long layerId) {
    CLongColumnValue group("LayerGroupID", newGroupId);
    return db_.EditOneRecordInfo(
        FormatString("SELECT * FROM GHGIS_LayerGroupLayerRelation WHERE (LayerID = %d)", layerId),
        &group);
}

long CBaseClassAccess::AddGISLayerToOneGroup(long layerId, long groupId) {
    return db_.RunSerialised("GHGIS_LayerGroupLayerRelation", [&] {
        CGroupLayerLink link(groupId, layerId, GetMaxDisporderOfLayer(groupId));
        return db_.AddNewOneRecordInfo(kNewLinkRow, &link);
    });
}

long CBaseClassAccess::DelGroupLayerByLayer(long layerId) {
    return db_.ExecuteSilently(
        FormatString("Delete FROM GHGIS_LayerGroupLayerRelation where LayerId=%d", layerId));
}

long CBaseClassAccess::DelGroupLayerByLayerAndGroup(long layerId, long groupId) {
    return db_.ExecuteSilently(FormatString(
        "Delete FROM GHGIS_LayerGroupLayerRelation where LayerId=%d and LayerGroupID=%d", layerId,
        groupId));
}

long CBaseClassAccess::GetLayerIDsByGroupId(long groupId, CUIntArray& ids) {
    ids.RemoveAll();
    CAutoReleaseArray<CGroupLayerLink*, CGroupLayerLink*> links;
    const long status = db_.ReadAllAsNew(
        FormatString("SELECT * FROM GHGIS_LayerGroupLayerRelation WHERE LayerGroupID=%d ", groupId),
        links, 1);
    for (const CGroupLayerLink* link : links) ids.Add(static_cast<UINT>(link->LayerID));
    return status;
}

long CBaseClassAccess::GetThisLayerBelongToGroups(long layerId, CUIntArray& ids) {
    ids.RemoveAll();
    CAutoReleaseArray<CGroupLayerLink*, CGroupLayerLink*> links;
    const long status = db_.ReadAllAsNew(
        FormatString("SELECT * FROM GHGIS_LayerGroupLayerRelation WHERE LayerID=%d ", layerId),
        links, 1);
    for (const CGroupLayerLink* link : links) ids.Add(static_cast<UINT>(link->LayerGroupID));
    return status;
}

long CBaseClassAccess::GetMaxDisporderOfLayer(long groupId) {
    long greatest = 0;
    const long status = db_.GetMaxFieldValueFromTable(
        FormatString("SELECT MAX(DispOrder) AS MaxValue FROM GHGIS_LayerGroupLayerRelation WHERE "
                     "(LayerGroupID = %d)",
                     groupId),
        greatest);
    return status == 2 ? greatest + 1 : 0;
}

long CBaseClassAccess::GetKidLayers(long groupId, CArray<CGISLayer*, CGISLayer*>& out,
                                    CString filter) {
    // In the join statements each gap after ON, before WHERE and before ORDER BY is one blank
    // and 24 tabs.
    CString sql;
    if (groupId == -1 && filter.IsEmpty())
        sql = "SELECT * FROM GHGIS_Layer";
    else if (groupId == -1)
        sql = FormatString("SELECT * FROM GHGIS_Layer WHERE (%s)", filter);
    else if (filter.IsEmpty())
        sql = FormatString(
            "SELECT * FROM GHGIS_Layer INNER JOIN GHGIS_LayerGroupLayerRelation ON "
            "\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t"
            "GHGIS_Layer.LayerID = GHGIS_LayerGroupLayerRelation.LayerID "
            "\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t"
            "WHERE (GHGIS_LayerGroupLayerRelation.LayerGroupID = %d) "
            "\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t"
            "ORDER BY GHGIS_LayerGroupLayerRelation.DispOrder",
            groupId);
    else
        sql = FormatString(
            "SELECT * FROM GHGIS_Layer INNER JOIN GHGIS_LayerGroupLayerRelation ON "
            "\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t"
            "GHGIS_Layer.LayerID = GHGIS_LayerGroupLayerRelation.LayerID "
            "\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t"
            "WHERE (GHGIS_LayerGroupLayerRelation.LayerGroupID = %d) AND (%s) "
            "\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t"
            "ORDER BY GHGIS_LayerGroupLayerRelation.DispOrder",
            groupId, filter);
    return ReadLayers(sql, out);
}

long CBaseClassAccess::ReadLayers(const CString& sql, CArray<CGISLayer*, CGISLayer*>& out) {
    // Every row looks its spatial database up; within one read, a database found missing is
    // not asked for again for each further row.
    struct MissesScope {
        std::unordered_set<long>*& slot;
        std::unordered_set<long>* outer;
        ~MissesScope() { slot = outer; }
    };
    std::unordered_set<long> misses;
    MissesScope scope{spacialDBMisses_, spacialDBMisses_};
    if (!scope.outer) spacialDBMisses_ = &misses;
    return db_.ReadAllAsNew(sql, out, 1);
}

long CBaseClassAccess::GetAllGISLayer(int reload) {
    if (layerCache_.GetSize() > 0) {
        if (!reload) return 1;
        ClearLayerCache();
    }
    const long status = ReadLayers("SELECT * FROM GHGIS_Layer", layerCache_);
    for (int i = 0; i < layerCache_.GetSize(); ++i) {
        CGISLayer* layer = layerCache_[i];
        layer->DetachFromAccess();
        // The first layer of an id or a name is the one found.
        layerCacheById_.emplace(layer->LayerID, i);
        layerCacheByName_.emplace(layer->LayerName, i);
    }
    return status;
}

long CBaseClassAccess::CopyCachedLayer(const CGISLayer* cached, CGISLayer& layer) {
    if (!cached) return 1;
    // The cached record holds no access object; while the copy drops the one it held, this
    // object must stay alive even if that was its last holder.
    const CBCAccessPtr keepAlive(this);
    layer = *cached;
    layer.SetDBClassAccess(this);
    return 2;
}

long CBaseClassAccess::GetGISLayerInfo(CGISLayer& layer, int reload) {
    return GetGISLayerInfo(layer.LayerID, layer, reload);
}

long CBaseClassAccess::GetGISLayerInfo(long layerId, CGISLayer& layer, int reload) {
    GetAllGISLayer(reload);
    const auto found = layerCacheById_.find(layerId);
    return CopyCachedLayer(found == layerCacheById_.end() ? nullptr : layerCache_[found->second],
                           layer);
}

long CBaseClassAccess::GetGISLayerInfo(CString name, CGISLayer& layer, int reload) {
    GetAllGISLayer(reload);
    const auto found = layerCacheByName_.find(name);
    return CopyCachedLayer(found == layerCacheByName_.end() ? nullptr : layerCache_[found->second],
                           layer);
}

long CBaseClassAccess::GetKidLayerFromArray(long layerId, const CArray<CGISLayer*, CGISLayer*>& arr,
                                            CGISLayer& layer) {
    for (const CGISLayer* element : arr) {
        if (element && element->LayerID == layerId) {
            if (element != &layer) layer = *element;
            return 2;
        }
    }
    return 1;
}

long CBaseClassAccess::GetKidLayerFromArray(CString name, const CArray<CGISLayer*, CGISLayer*>& arr,
                                            CGISLayer& layer) {
    for (const CGISLayer* element : arr) {
        if (element && element->LayerName == name) {
            if (element != &layer) layer = *element;
            return 2;
        }
    }
    return 1;
}

long CBaseClassAccess::GetGISLayerRealIDs(CStringArray& names) {
    CAutoReleaseArray<CGISLayer*, CGISLayer*> rows;
    const long status = db_.ReadAllAsNew("SELECT LayerName FROM GHGIS_Layer WHERE 1=1 ", rows, 1);
    for (const CGISLayer* row : rows) names.Add(row->LayerName);
    return status;
}

long CBaseClassAccess::ExistingLayer(long layerId, int& exists) {
    return db_.CheckRecordInfoEmpty(
        FormatString("SELECT * FROM GHGIS_Layer WHERE (LayerID = %d)", layerId), exists);
}

void CBaseClassAccess::ClearLayerCache() {
    ReleaseArrayData(layerCache_, 0);
    layerCacheById_.clear();
    layerCacheByName_.clear();
}

void CBaseClassAccess::ReleaseCatalogueCaches() {
    ClearLayerCache();
    ReleaseArrayData(spacialDBCache_, 0);
}

}  // namespace ghdb
