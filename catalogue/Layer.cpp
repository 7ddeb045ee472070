#include "catalogue/Layer.h"

#include <algorithm>

#include "catalogue/CatalogueCache.h"
#include "catalogue/SpacialDBInfo.h"
#include "frame/BaseClassAccess.h"
#include "frame/ColumnValue.h"
#include "frame/ObjectArrays.h"
#include "frame/Statement.h"

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

// A row of GHGIS_LayerGroupLayerRelation: one layer in one group.
class CGroupLayerLink : public CTableRecord<CGroupLayerLink> {
public:
    CGroupLayerLink() = default;
    CGroupLayerLink(long groupId, long layerId, long dispOrder)
        : LayerGroupID(groupId), LayerID(layerId), DispOrder(dispOrder) {}

    long LayerGroupID = -1;
    long LayerID = -1;
    long DispOrder = 0;

    static const ColumnTable<CGroupLayerLink>& Columns() {
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

const ColumnTable<CGISLayer>& CGISLayer::Columns() {
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
        {"LabelSymbol", &CGISLayer::LabelSymbol},
    };
    return columns;
}

void CGISLayer::CopyFieldInfoFrom(const CGISLayer& other) {
    ClearData();
    if (!other.fieldSet_.Get()) return;
    CGISFieldInfoSet& fields = fieldSet_.Renew();
    fields.SetDBClassAccess(RefDBClassAccess());
    fields.AppendFrom(*other.fieldSet_.Get());
}

void CGISLayer::DetachFromAccess() {
    SetDBClassAccess(nullptr);
    spacialDB_ = nullptr;
    spacialDBOwner_.SetDBClassAccess(nullptr);
}

void CGISLayer::ClearData() {
    fieldSet_.Clear();
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
    return &fieldSet_.Load([&](CGISFieldInfoSet& fields) {
        if (CBaseClassAccess* access = RefDBClassAccess()) {
            fields.SetDBClassAccess(access);
            access->GetLayerFieldInfo(LayerID, fields);
        }
    });
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

void CGISLayer::ReadFromFields(FieldsPtr& fields, _variant_t& scratch) {
    CTableRecord::ReadFromFields(fields, scratch);
    // Read after DBID, which names the database that decides how the symbol is kept.
    _variant_t symbol;
    ReadColumn(fields, "Symbol", symbol);
    if (!symbol.IsEmptyOrNull()) {
        const CSpacialDBInfo* db = SpacialDBInfo();
        Symbol = db && IsVexor(*db) ? SymbolText(symbol) : symbol;
    }
}

void CGISLayer::WriteToFields(FieldsPtr& fields) {
    CTableRecord::WriteToFields(fields);
    // A symbol held as text is stored as a chunk of the binary column.
    GuardColumn([&] {
        if (Field* field = fields->Find("Symbol")) {
            if (Symbol.vt == VT_BSTR)
                field->AppendChunk(Symbol);
            else
                field->PutValue(Symbol);
        }
    });
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
        FormatSql("SELECT * FROM GHGIS_Layer WHERE (LayerID = %d)", layerId), &layer);
}

long CBaseClassAccess::MoveLayer(long newGroupId, long layerId) {
    CLongColumnValue group("LayerGroupID", newGroupId);
    return db_.EditOneRecordInfo(
        FormatSql("SELECT * FROM GHGIS_LayerGroupLayerRelation WHERE (LayerID = %d)", layerId),
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
        FormatSql("Delete FROM GHGIS_LayerGroupLayerRelation where LayerId=%d", layerId));
}

long CBaseClassAccess::DelGroupLayerByLayerAndGroup(long layerId, long groupId) {
    return db_.ExecuteSilently(
        FormatSql("Delete FROM GHGIS_LayerGroupLayerRelation where LayerId=%d and LayerGroupID=%d",
                  layerId, groupId));
}

long CBaseClassAccess::GetLayerIDsByGroupId(long groupId, CUIntArray& ids) {
    ids.RemoveAll();
    CAutoReleaseArray<CGroupLayerLink*, CGroupLayerLink*> links;
    const long status = db_.ReadAllAsNew(
        FormatSql("SELECT * FROM GHGIS_LayerGroupLayerRelation WHERE LayerGroupID=%d ", groupId),
        links, 1);
    for (const CGroupLayerLink* link : links) ids.Add(static_cast<UINT>(link->LayerID));
    return status;
}

long CBaseClassAccess::GetThisLayerBelongToGroups(long layerId, CUIntArray& ids) {
    ids.RemoveAll();
    CAutoReleaseArray<CGroupLayerLink*, CGroupLayerLink*> links;
    const long status = db_.ReadAllAsNew(
        FormatSql("SELECT * FROM GHGIS_LayerGroupLayerRelation WHERE LayerID=%d ", layerId), links,
        1);
    for (const CGroupLayerLink* link : links) ids.Add(static_cast<UINT>(link->LayerGroupID));
    return status;
}

long CBaseClassAccess::GetMaxDisporderOfLayer(long groupId) {
    long greatest = 0;
    const long status = db_.GetMaxFieldValueFromTable(
        FormatSql("SELECT MAX(DispOrder) AS MaxValue FROM GHGIS_LayerGroupLayerRelation WHERE "
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
        sql = FormatSql("SELECT * FROM GHGIS_Layer WHERE (%s)", Verbatim(filter));
    else if (filter.IsEmpty())
        sql = FormatSql(
            "SELECT * FROM GHGIS_Layer INNER JOIN GHGIS_LayerGroupLayerRelation ON "
            "\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t"
            "GHGIS_Layer.LayerID = GHGIS_LayerGroupLayerRelation.LayerID "
            "\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t"
            "WHERE (GHGIS_LayerGroupLayerRelation.LayerGroupID = %d) "
            "\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t"
            "ORDER BY GHGIS_LayerGroupLayerRelation.DispOrder",
            groupId);
    else
        sql = FormatSql(
            "SELECT * FROM GHGIS_Layer INNER JOIN GHGIS_LayerGroupLayerRelation ON "
            "\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t"
            "GHGIS_Layer.LayerID = GHGIS_LayerGroupLayerRelation.LayerID "
            "\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t"
            "WHERE (GHGIS_LayerGroupLayerRelation.LayerGroupID = %d) AND (%s) "
            "\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t"
            "ORDER BY GHGIS_LayerGroupLayerRelation.DispOrder",
            groupId, Verbatim(filter));
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
    std::unordered_set<long>*& slot = Catalogue().spacialDBMisses;
    MissesScope scope{slot, slot};
    if (!scope.outer) slot = &misses;
    return db_.ReadAllAsNew(sql, out, 1);
}

long CBaseClassAccess::GetAllGISLayer(int reload) {
    CCatalogueCache& cache = Catalogue();
    if (cache.layers.GetSize() > 0) {
        if (!reload) return 1;
        cache.ClearLayers();
    }
    const long status = ReadLayers("SELECT * FROM GHGIS_Layer", cache.layers);
    for (int i = 0; i < cache.layers.GetSize(); ++i) {
        CGISLayer* layer = cache.layers[i];
        layer->DetachFromAccess();
        // The first layer of an id or a name is the one found.
        cache.layerById.emplace(layer->LayerID, i);
        cache.layerByName.emplace(layer->LayerName, i);
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
    const CCatalogueCache& cache = Catalogue();
    const auto found = cache.layerById.find(layerId);
    return CopyCachedLayer(found == cache.layerById.end() ? nullptr : cache.layers[found->second],
                           layer);
}

long CBaseClassAccess::GetGISLayerInfo(CString name, CGISLayer& layer, int reload) {
    GetAllGISLayer(reload);
    const CCatalogueCache& cache = Catalogue();
    const auto found = cache.layerByName.find(name);
    return CopyCachedLayer(found == cache.layerByName.end() ? nullptr : cache.layers[found->second],
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
    return db_.ReadColumnOfRows<CString>("SELECT LayerName FROM GHGIS_Layer WHERE 1=1 ",
                                         "LayerName",
                                         [&](const CString& name) { names.Add(name); });
}

long CBaseClassAccess::ExistingLayer(long layerId, int& exists) {
    return db_.CheckRecordInfoEmpty(
        FormatSql("SELECT * FROM GHGIS_Layer WHERE (LayerID = %d)", layerId), exists);
}

}  // namespace ghdb
