#pragma once

#include "catalogue/CADLayerInfo.h"
#include "frame/KidHolder.h"
#include "frame/OwningSet.h"
#include "frame/TableRecord.h"
#include "platform/mfc/CArray.h"
#include "platform/mfc/CString.h"

namespace ghdb {

class CBaseClassAccess;

// A figure layer: the set of CAD layers that the features of one or more GIS layers are drawn
// on, named by the parse id of their extensions. The master row is its index row
// (GH_FigureLayerIndex); the kids are its CAD layers (GH_FigureLayer), which it owns: a copy
// holds copies of them.
class CFigureLayer : public CTableRecord<CFigureLayer, CMultiDBBaseClass> {
public:
    // Removes every CAD layer whose name (case-sensitive) is the name of a CAD layer of `other`.
    CFigureLayer& operator-=(const CFigureLayer& other);

    long ParseID = 0;
    CString Name;

    void AddCADLayerInfo(const CCADLayerInfo& info);
    void ClearCADInfoArray();
    int GetCADInfoSize() const { return cadLayers_.Get() ? cadLayers_.Get()->GetSize() : 0; }
    CCADLayerInfo& GetCADLayerInfo(int index) { return *CADLayers()[index]; }
    // The first CAD layer of the kind, or null.
    CCADLayerInfo* GetTypedLayerInfo(CCADLayerInfo::CADINFOTYPE type);
    CCADLayerInfo* GetDefaultLayerInfo() { return GetTypedLayerInfo(CCADLayerInfo::DefaultLayer); }
    CCADLayerInfo* GetTextLayerInfo() { return GetTypedLayerInfo(CCADLayerInfo::TextLayer); }

    // The index row's columns.
    static const ColumnTable<CFigureLayer>& Columns();
    void ReadKidFromFields(FieldsPtr& fields, _variant_t& scratch) override;
    void WriteKidToFields(FieldsPtr& fields, int index) override;
    void AfterKidUpdateNew(FieldsPtr&, int) override {}
    int NextKid(int index) override { return index < GetCADInfoSize() ? 1 : 0; }

    // Empties `out`, then puts in it the CAD layers of the kind, in order; they stay owned by
    // the figure layer. 1 when there was one, else 0.
    virtual int GetCADInfoArray(CCADLayerInfo::CADINFOTYPE type,
                                CArray<CCADLayerInfo*, CCADLayerInfo*>& out);
    // `index` -1 deletes every CAD layer of the kind and gives 0; otherwise deletes the
    // index-th of the kind and gives 1, or 0 when there is none.
    int DeleteCADInfoArray(long type, int index);

private:
    // Reading a figure layer fills the CAD layers straight from their rows.
    friend class CBaseClassAccess;

    COwningSet<CCADLayerInfo>& CADLayers() { return cadLayers_.Ref(); }

    CKidHolder<COwningSet<CCADLayerInfo>, KidCopy::Deep> cadLayers_;
};

}  // namespace ghdb
