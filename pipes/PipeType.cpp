#include "pipes/PipeType.h"

#include "frame/BaseClassAccess.h"
#include "frame/Columns.h"

namespace ghdb {

namespace {

const ColumnTable<CPipeTypeDef>& Columns() {
    static const ColumnTable<CPipeTypeDef> columns = {
        {"PipeName", &CPipeTypeDef::PipeName},
        {"PipeCode", &CPipeTypeDef::PipeCode},
        {"PipePointLayerID", &CPipeTypeDef::PipePointLayerID},
        {"PipeLineLayerID", &CPipeTypeDef::PipeLineLayerID},
    };
    return columns;
}

}  // namespace

void CPipeTypeDef::ReadFromFields(FieldsPtr& fields, _variant_t&) {
    ReadColumns(fields, Columns(), *this);
}

void CPipeTypeDef::WriteToFields(FieldsPtr& fields) {
    WriteColumns(fields, Columns(), *this);
}

long CBaseClassAccess::GetAllPipeTypeDef(CArray<CPipeTypeDef, CPipeTypeDef>& out) {
    return db_.ReadAllAfresh("SELECT * FROM GH_PipeTypeDef order by Sequence", out, false);
}

}  // namespace ghdb
