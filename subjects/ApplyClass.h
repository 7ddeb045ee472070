#pragma once

#include <memory>

#include "frame/AccessPtr.h"
#include "frame/ObjectArrays.h"
#include "frame/TableRecord.h"
#include "platform/mfc/CArray.h"
#include "platform/mfc/CString.h"

namespace ghdb {

class CBaseClassAccess;
class CGISLayer;
class CGISLayerGroup;

// One member of an application class (a row of GHGIS_ApplyClass): a layer (DataObjectType 0)
// or a layer group (DataObjectType 1) filed under the class (ApplyClassID, ApplyClassName).
class CGISApplyClassData : public CTableRecord<CGISApplyClassData> {
public:
    CGISApplyClassData() = default;
    CGISApplyClassData(const CGISApplyClassData& other) = default;
    CGISApplyClassData& operator=(const CGISApplyClassData& other) = default;
    CGISApplyClassData(CGISApplyClassData&& other) noexcept = default;
    CGISApplyClassData& operator=(CGISApplyClassData&& other) noexcept = default;
    ~CGISApplyClassData() override = default;

    long ApplyClassID = 0;
    CString ApplyClassName;
    long DataObjectID = 0;
    // 0: a layer, 1: a layer group.
    short DataObjectType = 0;

    static const ColumnTable<CGISApplyClassData>& Columns();
};

// An application class: a named list of layers and layer groups put together for one use of
// the host, known by (ApplyClassID, ApplyClassName). It has no row of its own; its members are
// its kid rows. The layers and groups it names are read through its access object on first
// use and kept until ClearData.
class CGISApplyClass : public CMultiDBBaseClass {
public:
    CGISApplyClass();
    // Copies take the id, the name, the members and the access object, not the lists read.
    CGISApplyClass(const CGISApplyClass& other);
    CGISApplyClass& operator=(const CGISApplyClass& other);
    ~CGISApplyClass() override;

    long ApplyClassID = 0;
    CString ApplyClassName;
    CArray<CGISApplyClassData, CGISApplyClassData&> ApplyClassData;

    // Empties the members and drops the layers and groups read; the id and the name stay.
    void ClearData();
    // Appends a copy of `d` and stores it at once through the class's access object. The status
    // of storing it; 1, and nothing appended, without an access object. A member that could not
    // be stored is not kept.
    long AddNewData(CGISApplyClassData& d);
    // Removes the member's row and then the member. The status of removing the row; 1 without an
    // access object or for an index outside the members. A member whose row could not be
    // removed is kept.
    long DeleteData(int index);
    // The layer groups and the layers the class names, read on the first call and kept; null
    // without an access object. They belong to the class.
    CArray<CGISLayerGroup*, CGISLayerGroup*>* GetLayerGroups();
    CArray<CGISLayer*, CGISLayer*>* GetLayers();

    void ReadFromFields(FieldsPtr&, _variant_t&) override {}
    void WriteToFields(FieldsPtr&) override {}
    void AfterUpdateNew(FieldsPtr&, _variant_t&) override {}
    void ReadKidFromFields(FieldsPtr& fields, _variant_t& scratch) override;
    void WriteKidToFields(FieldsPtr& fields, int index) override;
    void AfterKidUpdateNew(FieldsPtr&, int) override {}
    int NextKid(int index) override { return index < ApplyClassData.GetSize() ? 1 : 0; }

private:
    std::unique_ptr<CAutoReleaseArray<CGISLayerGroup*, CGISLayerGroup*>> layerGroups_;
    std::unique_ptr<CAutoReleaseArray<CGISLayer*, CGISLayer*>> layers_;
};

// The application classes of one identifier, owned by the set. Edits and removals go to the
// database through the set's access object.
class CGISApplyClassSet {
public:
    CGISApplyClassSet();
    // Deep copies: the elements are copied, the access object is shared.
    CGISApplyClassSet(const CGISApplyClassSet& other);
    CGISApplyClassSet& operator=(const CGISApplyClassSet& other);
    virtual ~CGISApplyClassSet();

    // The identifier whose classes the set holds; -1 when it holds none.
    long ApplyClassID = -1;

    // Holds `access` (counted) instead of the access object held; null allowed.
    void SetDBClassAccess(CBaseClassAccess* access) { access_.SetDBClassAccess(access); }
    CBaseClassAccess* RefDBClassAccess() const noexcept { return access_.RefDBClassAccess(); }

    int GetSize() const noexcept { return classes_.GetSize(); }
    CGISApplyClass* GetAt(int index) const { return classes_.GetAt(index); }
    // The index of the element with that address, searched from the last; -1 when absent.
    int Find(const CGISApplyClass* p) const;
    // The elements, for the operations that fill the set (GetAllGISApplyClass); what is added
    // to it belongs to the set.
    CArray<CGISApplyClass*, CGISApplyClass*>& ApplyClasses() noexcept { return classes_; }

    // Appends a copy of `c`, stores it through the set's access object and returns the copy,
    // which holds that access object; null, and nothing appended, without an access object or
    // when it could not be stored.
    CGISApplyClass* AddNewApplyClass(CGISApplyClass& c);
    // Rewrites the class's members in the database. The status; 1 without an access object or
    // for an index outside the set.
    long EditApplyClass(CGISApplyClass* p);
    long EditApplyClass(int index);
    // Removes the class from the database and deletes the element; an element not in the set
    // (or an index outside it) is left alone.
    void DeleteApplyClass(CGISApplyClass* p);
    void DeleteApplyClass(int index);
    // Deletes every element; ApplyClassID becomes -1.
    void ClearData();

private:
    CBCAccessPtr access_;
    CArray<CGISApplyClass*, CGISApplyClass*> classes_;
};

}  // namespace ghdb
