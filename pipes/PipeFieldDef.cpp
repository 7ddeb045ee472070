#include "pipes/PipeFieldDef.h"

#include "frame/BaseClassAccess.h"
#include "frame/Columns.h"

namespace ghdb {

namespace {

const ColumnTable<CPipeSpecFieldDef>& SpecColumns() {
    static const ColumnTable<CPipeSpecFieldDef> columns = {
        {"DefName", &CPipeSpecFieldDef::DefName},
        {"LayerID", &CPipeSpecFieldDef::LayerID},
        {"FieldName", &CPipeSpecFieldDef::FieldName},
        {"TFScale", &CPipeSpecFieldDef::TFScale},
    };
    return columns;
}

const ColumnTable<CPipePredefineFieldDef>& PredefineColumns() {
    static const ColumnTable<CPipePredefineFieldDef> columns = {
        {"PipeCode", &CPipePredefineFieldDef::PipeCode},
        {"PredefineField", &CPipePredefineFieldDef::PredefineField},
        {"Describe", &CPipePredefineFieldDef::Describe},
        {"LayerID", &CPipePredefineFieldDef::LayerID},
        {"FieldName", &CPipePredefineFieldDef::FieldName},
    };
    return columns;
}

}  // namespace

void CPipeSpecFieldDef::ReadFromFields(FieldsPtr& fields, _variant_t&) {
    ReadColumns(fields, SpecColumns(), *this);
}

void CPipeSpecFieldDef::WriteToFields(FieldsPtr& fields) {
    WriteColumns(fields, SpecColumns(), *this);
}

void CPipePredefineFieldDef::ReadFromFields(FieldsPtr& fields, _variant_t&) {
    ReadColumns(fields, PredefineColumns(), *this);
}

void CPipePredefineFieldDef::WriteToFields(FieldsPtr& fields) {
    WriteColumns(fields, PredefineColumns(), *this);
}

long CBaseClassAccess::GetAllPipeSpecFieldDef(CArray<CPipeSpecFieldDef, CPipeSpecFieldDef>& out) {
    return db_.ReadAllAfresh("SELECT * FROM GH_PipeSpecFieldDef", out, true);
}

long CBaseClassAccess::GetAllPipePredefineFieldDef(
    CArray<CPipePredefineFieldDef, CPipePredefineFieldDef>& out) {
    return db_.ReadAllAfresh("SELECT * FROM GH_PipePredefineFieldDef", out, false);
}

}  // namespace ghdb
