#pragma once

#include "frame/TableRecord.h"
#include "platform/mfc/CArray.h"
#include "platform/mfc/CString.h"

namespace ghdb {

// A function assigned to a GIS layer (GHGIS_FunLayerConfig). Copies carry the two ids only,
// not the access object.
class CGHGisFun : public CTableRecord<CGHGisFun> {
public:
    static const ColumnTable<CGHGisFun>& Columns();

    CGHGisFun() = default;
    CGHGisFun(const CGHGisFun& other)
        : CTableRecord(), FunID(other.FunID), LayerID(other.LayerID) {}
    CGHGisFun& operator=(const CGHGisFun& other);
    ~CGHGisFun() override = default;

    bool operator==(const CGHGisFun& other) const {
        return FunID == other.FunID && LayerID == other.LayerID;
    }

    long FunID = -1;
    long LayerID = -1;
};

// A drawing function of the hosts (GHSJ_GHFunTypeDef), with the function-layer assignments a
// caller collects for it (not stored with the row).
class CGHFunTypeDef : public CTableRecord<CGHFunTypeDef> {
public:
    static const ColumnTable<CGHFunTypeDef>& Columns();

    CGHFunTypeDef() = default;
    CGHFunTypeDef(long funId, CString name, CString funcKey, CString commandName, CString arxName,
                  CString sysName, long type, long sequence);
    // Copies take the columns; the collected lists and the access object stay behind.
    CGHFunTypeDef(const CGHFunTypeDef& other);
    CGHFunTypeDef& operator=(const CGHFunTypeDef& other);
    ~CGHFunTypeDef() override = default;

    void Init(long funId, CString name, CString funcKey, CString commandName, CString arxName,
              CString sysName, long type, long sequence);
    // Collects an assignment unless an equal one is there already.
    void Add(const CGHGisFun& fun);
    // Functions are a specialty of their own.
    int GetSpecialty() const { return 4; }
    // The display name of a specialty code; any code outside 0 to 3 is "other".
    static CString GetNameOfSpecialty(int specialty);

    // A row without the column, or with NULL in it, reads as -1.
    void ReadFromFields(FieldsPtr& fields, _variant_t& scratch) override;

    long FUNID = -1;
    CString Name;
    CString FuncKey;
    CString CommandName;
    CString ArxName;
    CString SysName;
    long Type = 1;
    long Sequence = 0;
    long GISLayerType = -1;
    CArray<CGHGisFun, CGHGisFun> GisFunArr;
    bool IsMultiLayer = false;

private:
    void CopyColumns(const CGHFunTypeDef& other);
};

}  // namespace ghdb
