#include "pipes/PipeDataset.h"

#include "catalogue/Layer.h"
#include "frame/BaseClassAccess.h"
#include "frame/Columns.h"

namespace ghdb {

namespace {

const ColumnTable<CPipeSysDataset>& Columns() {
    static const ColumnTable<CPipeSysDataset> columns = {
        {"DatasetID", &CPipeSysDataset::DatasetID},
        {"DatasetName", &CPipeSysDataset::DatasetName},
        {"ApplyType", &CPipeSysDataset::ApplyType},
        {"PipeDataClass", &CPipeSysDataset::PipeDataClass},
        {"DataType", &CPipeSysDataset::DataType},
        {"DataSrc", &CPipeSysDataset::DataSrc},
        {"IsMapSheet", &CPipeSysDataset::IsMapSheet},
        {"MapSheetScale", &CPipeSysDataset::MapSheetScale},
        {"FileName", &CPipeSysDataset::FileName},
        {"Sequence", &CPipeSysDataset::Sequence},
        {"Remark", &CPipeSysDataset::Remark},
    };
    return columns;
}

}  // namespace

CGISLayer* CPipeSysDataset::GetLayer(long layerId) {
    for (int i = 0; i < Layers.GetSize(); ++i)
        if (Layers[i]->LayerID == layerId) return Layers[i];
    return nullptr;
}

void CPipeSysDataset::AddLayer(CGISLayer* layer) {
    if (!GetLayer(layer->LayerID)) Layers.Add(layer);
}

void CPipeSysDataset::RemoveLayer(CGISLayer* layer) {
    for (int i = 0; i < Layers.GetSize(); ++i) {
        if (Layers[i]->LayerID == layer->LayerID) {
            Layers.RemoveAt(i);
            return;
        }
    }
}

void CPipeSysDataset::ReadFromFields(FieldsPtr& fields, _variant_t&) {
    ReadColumns(fields, Columns(), *this);
}

void CPipeSysDataset::WriteToFields(FieldsPtr& fields) {
    WriteColumns(fields, Columns(), *this);
}

void CPipeSysDataset::AfterUpdateNew(FieldsPtr& fields, _variant_t&) {
    ReadColumn(fields, "DatasetID", DatasetID);
}

long CBaseClassAccess::GetAllPipeDatasets(CArray<CPipeSysDataset*, CPipeSysDataset*&>& out) {
    return db_.ReadAllAfresh("SELECT * FROM GH_PipeDatasetDef order by Sequence", out, true);
}

}  // namespace ghdb
