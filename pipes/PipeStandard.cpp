#include "pipes/PipeStandard.h"

#include "frame/BaseClassAccess.h"
#include "frame/Columns.h"

namespace ghdb {

namespace {

// Distances and depths are single-precision columns.

const ColumnTable<CHStandardDistDef>& HColumns() {
    using R = CHStandardDistDef;
    static const ColumnTable<R> columns = {
        {"PType1", &R::PType1},   {"MType1", &R::MType1},   {"DSType1", &R::DSType1},
        {"PrType1", &R::PrType1}, {"PType2", &R::PType2},   {"MType2", &R::MType2},
        {"DSType2", &R::DSType2}, {"PrType2", &R::PrType2}, {"HDist", &R::HDist, Stored::Single},
    };
    return columns;
}

const ColumnTable<CVStandardDistDef>& VColumns() {
    using R = CVStandardDistDef;
    static const ColumnTable<R> columns = {
        {"PType1", &R::PType1},
        {"PType2", &R::PType2},
        {"MType1", &R::MType1},
        {"MType2", &R::MType2},
        {"VDist", &R::VDist, Stored::Single},
    };
    return columns;
}

const ColumnTable<CCStandardDistDef>& CColumns() {
    using R = CCStandardDistDef;
    static const ColumnTable<R> columns = {
        {"PType", &R::PType},
        {"MType", &R::MType},
        {"WDeep", &R::WDeep, Stored::Single},
        {"DDeep", &R::DDeep, Stored::Single},
    };
    return columns;
}

}  // namespace

void CHStandardDistDef::ReadFromFields(FieldsPtr& fields, _variant_t&) {
    ReadColumns(fields, HColumns(), *this);
}

void CHStandardDistDef::WriteToFields(FieldsPtr& fields) {
    WriteColumns(fields, HColumns(), *this);
}

void CVStandardDistDef::ReadFromFields(FieldsPtr& fields, _variant_t&) {
    ReadColumns(fields, VColumns(), *this);
}

void CVStandardDistDef::WriteToFields(FieldsPtr& fields) {
    WriteColumns(fields, VColumns(), *this);
}

void CCStandardDistDef::ReadFromFields(FieldsPtr& fields, _variant_t&) {
    ReadColumns(fields, CColumns(), *this);
}

void CCStandardDistDef::WriteToFields(FieldsPtr& fields) {
    WriteColumns(fields, CColumns(), *this);
}

long CBaseClassAccess::GetAllHStandardDatasets(CArray<CHStandardDistDef, CHStandardDistDef>& out) {
    return db_.ReadAllAfresh("SELECT * FROM GH_PipeHStandardDef", out, false);
}

long CBaseClassAccess::GetAllVStandardDatasets(
    CArray<CVStandardDistDef*, CVStandardDistDef*&>& out) {
    return db_.ReadAllAfresh("SELECT * FROM GH_PipeVStandardDef", out, false);
}

long CBaseClassAccess::GetAllCStandardDatasets(CArray<CCStandardDistDef, CCStandardDistDef&>& out) {
    return db_.ReadAllAfresh("SELECT * FROM GH_PipeCStandardDef", out, true);
}

}  // namespace ghdb
