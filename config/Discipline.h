#pragma once

#include "frame/TableRecord.h"
#include "platform/mfc/CString.h"

namespace ghdb {

// A planning specialty (GHSJ_Specialty).
class CGHSpecialty : public CTableRecord<CGHSpecialty> {
public:
    static const ColumnTable<CGHSpecialty>& Columns();

    long SpecialtyID = -1;
    CString SpecialtyName;
    CString SpecialtyMenu;
    CString Remark;
    CString Reserve;
};

// A GIS layer assigned to a specialty (GHSJ_GISLayerSpecialty).
class CGHLayerSpecialty : public CTableRecord<CGHLayerSpecialty> {
public:
    static const ColumnTable<CGHLayerSpecialty>& Columns();

    long LayerID = -1;
    long SpecialtyID = -1;
};

}  // namespace ghdb
