#pragma once

#include "catalogue/Layer.h"
#include "frame/KidHolder.h"
#include "frame/OwningSet.h"
#include "frame/TableRecord.h"
#include "platform/mfc/CArray.h"
#include "platform/mfc/CString.h"

namespace ghdb {

class CGISLayerGroup;

class CGISLayerGroupSet : public COwningSet<CGISLayerGroup> {};

// A group of the layer tree (GHGIS_LayerGroup). Its child groups and child layers are loaded
// through the group's access object on first use and belong to the group; copies take the
// columns and the access object and load their own kids on demand.
class CGISLayerGroup : public CTableRecord<CGISLayerGroup> {
public:
    long LayerGroupID = -1;
    // -1 for a root group.
    long ParentGroupID = -1;
    // Position among the siblings; AddLayerGroup always sets it.
    long DispOrder = 0;
    CString LayerGroupName;
    CString Remark;

    // Deletes the kid sets; they are loaded again on demand.
    void ClearData();
    // The child groups and child layers; null when they cannot be loaded (no access object).
    CGISLayerGroupSet* RefKidLayerGroups();
    CArray<CGISLayerGroup*, CGISLayerGroup*>* KidLayerGroups();
    CGISLayerSet* RefKidLayers();
    CArray<CGISLayer*, CGISLayer*>* KidLayers();

    // Stores a copy of `kid` as the last child group and returns it; null when it cannot be
    // stored. The kid's ParentGroupID is taken as the caller set it.
    CGISLayerGroup* AddNewLayerGroup(CGISLayerGroup& kid);
    // Stores a copy of `layer`, with its fields, as the last child layer and returns it; null
    // when it cannot be stored.
    CGISLayer* AddNewLayer(CGISLayer& layer);
    void EditLayerGroup(CGISLayerGroup* kid);
    void EditLayerGroup(int index);
    // Removes the child group with everything under it, in the database and in the kid set.
    void DeleteLayerGroup(CGISLayerGroup* kid);
    void DeleteLayerGroup(int index);
    void EditLayer(CGISLayer* layer);
    void EditLayer(int index);
    // Removes the child layer from the whole catalogue and from the kid set.
    void DeleteLayer(CGISLayer* layer);
    void DeleteLayer(int index);

    // LayerGroupID is assigned by the database and read back when the group is added.
    static const ColumnTable<CGISLayerGroup>& Columns();

private:
    CKidHolder<CGISLayerGroupSet, KidCopy::Reload> kidGroups_;
    CKidHolder<CGISLayerSet, KidCopy::Reload> kidLayers_;
};

}  // namespace ghdb
