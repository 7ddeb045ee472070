#pragma once

#include "catalogue/FieldInfo.h"
#include "frame/KidHolder.h"
#include "frame/OwningSet.h"
#include "frame/TableRecord.h"
#include "platform/mfc/CArray.h"
#include "platform/mfc/CString.h"

namespace ghdb {

class CSpacialDBInfo;

// A GIS layer of a spatial database (GHGIS_Layer). Layers hang under layer groups through
// GHGIS_LayerGroupLayerRelation, one row per layer in a group; a layer carries its field
// definitions, loaded on first use. Copies take the columns, the database, the change mark and
// the access object, but no field set: they load theirs again on demand.
class CGISLayer : public CTableRecord<CGISLayer> {
public:
    bool IsDynamicLayer = false;
    bool IsLabeled = false;
    long LayerID = -1;
    // 0 point, 1 line, 2 polygon, 3 text, 4 image.
    long ShapeType = -1;
    long DBID = -1;
    long WebLayerID = -1;
    long SymbolType = 1;
    float MinScale = -1.0f;
    float MaxScale = -1.0f;
    double SpatialMinX = 0.0;
    double SpatialMinY = 0.0;
    double SpatialMaxX = 0.0;
    double SpatialMaxY = 0.0;
    long MeaningID = -1;
    CString LayerName;
    CString LayerAlias;
    CString SU_UserID;
    CString RealLayerID;
    CString Remark;
    CString QueryField;
    CString PrimaryField;
    CString URL;
    CString LabelField;
    // Read as text when the layer's database is a "Vexor" one, else as it is stored.
    _variant_t Symbol;
    _variant_t LabelSymbol;

    // Deletes the field set; it is loaded again on demand.
    void ClearData();
    long GetModify() const noexcept { return modify_; }
    void SetModify(long modify) noexcept { modify_ = modify; }

    // The layer's spatial database, borrowed from the access object's cache; asked for on
    // first use when DBID is 0 or more. Null when there is none.
    CSpacialDBInfo* SpacialDBInfo();
    // Takes database `dbId` (when 0 or more) from the cache of `access`. The layer keeps a
    // counted reference to `access` as the owner of the borrowed record, so that the record
    // outlives the layer's use of it; the layer's own access object does not change.
    void SetSpacialDBInfo(CBaseClassAccess* access, long dbId);
    CString ShapeTypeDesc() const;

    // The field set, loaded on first use through the layer's access object.
    CGISFieldInfoSet* RefFieldInfo();
    virtual CArray<CGISFieldInfo*, CGISFieldInfo*>* GetFieldInfo();
    // Replaces the stored fields of the layer by the field set.
    void UpdateFieldInfoToDB();
    // Appends a copy of `fld` as the last field (`fld` gets this layer's id and the next
    // sequence) and, when `updateDB` is nonzero, stores it.
    void AddNewFieldInfo(CGISFieldInfo& fld, int updateDB);
    void EditFieldInfo(int index, CGISFieldInfo& fld, int updateDB);
    void DeleteFieldInfo(int index, int updateDB);
    void DeleteAllFieldInfo(int updateDB);
    // Moves a field within the set only; nothing is stored.
    void MoveFieldInfo(int from, int to, int);

    // Every column but Symbol, which depends on the layer's database.
    static const ColumnTable<CGISLayer>& Columns();
    void ReadFromFields(FieldsPtr& fields, _variant_t& scratch) override;
    void WriteToFields(FieldsPtr& fields) override;

private:
    friend class CBaseClassAccess;
    friend class CGISLayerGroup;

    // Gives this layer a copy of `other`'s loaded field set (none when `other` has none).
    void CopyFieldInfoFrom(const CGISLayer& other);
    // Drops the access object and the borrowed database, for records the access object keeps
    // itself (they must not keep it alive).
    void DetachFromAccess();

    CKidHolder<CGISFieldInfoSet, KidCopy::Reload> fieldSet_;
    // Borrowed from the cache of `spacialDBOwner_`, which is kept alive while it is borrowed.
    CSpacialDBInfo* spacialDB_ = nullptr;
    CBCAccessPtr spacialDBOwner_;
    long modify_ = 0;
};

class CGISLayerSet : public COwningSet<CGISLayer> {
public:
    // Appends a copy of every layer of `other`, duplicates included.
    void Merge(CGISLayerSet& other) { AppendFrom(other); }
};

}  // namespace ghdb
