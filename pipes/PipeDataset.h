#pragma once

#include "platform/ado/AdoTypes.h"
#include "platform/com/Variant.h"
#include "platform/mfc/CArray.h"
#include "platform/mfc/CString.h"

namespace ghdb {

class CGISLayer;
class CRecordAccess;

// A pipeline dataset (GH_PipeDatasetDef). The library lists datasets; hosts that maintain the
// table write them through the record's own columns and give it its layers.
class CPipeSysDataset {
public:
    CPipeSysDataset() = default;
    // Copies share the layers: only the pointers are copied.
    CPipeSysDataset(const CPipeSysDataset& other) = default;
    CPipeSysDataset& operator=(const CPipeSysDataset& other) = default;
    // The layers are not freed: the record does not own them.
    virtual ~CPipeSysDataset() = default;

    long DatasetID = 0;
    CString DatasetName;
    long ApplyType = 0;
    long PipeDataClass = 0;
    long DataType = 0;
    CString DataSrc;
    bool IsMapSheet = false;
    CString MapSheetScale;
    CString FileName;
    long Sequence = 0;
    CString Remark;
    // The layers of the dataset, filled by the host; not owned and not stored.
    CArray<CGISLayer*, CGISLayer*> Layers;

    // The first layer of the list with that id, or null.
    CGISLayer* GetLayer(long layerId);
    // Appends the layer unless one with its LayerID is listed already.
    void AddLayer(CGISLayer* layer);
    // Takes the first layer with the given layer's LayerID off the list (it is not freed).
    void RemoveLayer(CGISLayer* layer);

protected:
    friend class CRecordAccess;
    virtual void ReadFromFields(FieldsPtr& fields, _variant_t& scratch);
    virtual void WriteToFields(FieldsPtr& fields);
    // Reads back the DatasetID of the row just stored.
    virtual void AfterUpdateNew(FieldsPtr& fields, _variant_t& scratch);
};

}  // namespace ghdb
