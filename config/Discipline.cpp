#include "config/Discipline.h"

#include "frame/BaseClassAccess.h"

namespace ghdb {

const ColumnTable<CGHSpecialty>& CGHSpecialty::Columns() {
    static const ColumnTable<CGHSpecialty> columns = {
        {"SpecialtyID", &CGHSpecialty::SpecialtyID},
        {"SpecialtyName", &CGHSpecialty::SpecialtyName},
        {"SpecialtyMenu", &CGHSpecialty::SpecialtyMenu},
        {"Remark", &CGHSpecialty::Remark},
        {"Reserve", &CGHSpecialty::Reserve},
    };
    return columns;
}

const ColumnTable<CGHLayerSpecialty>& CGHLayerSpecialty::Columns() {
    static const ColumnTable<CGHLayerSpecialty> columns = {
        {"LayerID", &CGHLayerSpecialty::LayerID},
        {"SpecialtyID", &CGHLayerSpecialty::SpecialtyID},
    };
    return columns;
}

long CBaseClassAccess::GetAllSpecialty(CArray<CGHSpecialty*, CGHSpecialty*>& specialties) {
    return db_.ReadAllAsNew("SELECT * FROM GHSJ_Specialty ORDER by SpecialtyID", specialties, 0);
}

long CBaseClassAccess::SetAllSpecialty(CArray<CGHSpecialty, CGHSpecialty&>& specialties) {
    return db_.ReplaceAll("DELETE FROM GHSJ_Specialty WHERE 1=1 ",
                          "SELECT * FROM GHSJ_Specialty WHERE 1=1 ", specialties);
}

long CBaseClassAccess::GetAllLayerSpecialty(
    CArray<CGHLayerSpecialty*, CGHLayerSpecialty*>& assignments) {
    return db_.ReadAllAsNew("SELECT * FROM GHSJ_GISLayerSpecialty WHERE 1=1 ", assignments, 0);
}

long CBaseClassAccess::SetAllLayerSpecialty(
    CArray<CGHLayerSpecialty, CGHLayerSpecialty&>& assignments) {
    return db_.ReplaceAll("DELETE FROM GHSJ_GISLayerSpecialty WHERE 1=1 ",
                          "SELECT * FROM GHSJ_GISLayerSpecialty WHERE 1=1 ", assignments);
}

}  // namespace ghdb
