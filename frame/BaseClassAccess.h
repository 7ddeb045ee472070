#pragma once

#include <unordered_map>
#include <unordered_set>

#include "frame/ObjectArrays.h"
#include "frame/RecordAccess.h"
#include "platform/mfc/CArray.h"
#include "platform/mfc/CString.h"

namespace ghdb {

// Records of spatial databases, layer groups, layers and layer fields.
class CGISFieldInfo;
class CGISLayer;
class CGISLayerGroup;
class CSpacialDBInfo;

// Records of layer extensions, figure layers, field relations and pages.
class CCADLayerInfo;
class CFieldEnumDef;
class CFigureLayer;
class CGHPageInfo;
class CKGFieldRelation;
class CLayerEx;
class CLayerVerifyUpdate;

// Records of thematic subjects, application classes and site locations.
class CGISApplyClass;
class CGISApplyClassData;

// Records of the system configuration.
struct _tagCONFIGITEM;
class CGHFunTypeDef;
class CGHGisFun;
class CGHLayerSpecialty;
class CGHMainMenuItem;
class CGHSpecialty;
class CMISInfoURLSet;

// The access object of the configuration database: one connection, and every operation on
// the planning configuration as a member. Made by CreateInstance, counted by hand and
// destroyed when the last holder releases it.
class CBaseClassAccess {
public:
    // A connected object (count 1), or null when the string is null or empty or the database
    // cannot be opened (reported).
    static CBaseClassAccess* CreateInstance(const char* connectionString);

    long AddReference() noexcept { return ++references_; }
    // The new count; 0 when the object was destroyed.
    long ReleaseInstance();
    // Replaces the connection: 0 connected, -2 empty string, -3 the open failed (reported).
    long SetConnectionString(const char* connectionString);
    CString ConnectionString() const { return db_.ConnectionString(); }
    // The connection, for callers that run statements of their own; null when not connected.
    ConnectionPtr RefConnection() const { return db_.Connection(); }

    // Replaces `oldValue` by `newValue` in integer column `field` of every row of `table`.
    long ChangeOneFieldlongValue(CString table, CString field, long oldValue, long newValue);
    // Runs an aggregate query whose one result column is named MaxValue; NULL gives 0.
    long GetMaxFieldValueFromTable(CString sql, long& value);

    // ---- Spatial databases, layer groups, layers and layer fields (catalogue/) ----

    // Spatial databases (GHGIS_SpacialDBInfo).
    long GetSpacialDBInfo(CSpacialDBInfo& rec);
    long GetSpacialDBInfo(long dbId, CSpacialDBInfo& rec);
    // The database from this object's cache, read on first use and then kept as first read;
    // null when there is no such database. The record belongs to this object.
    CSpacialDBInfo* GetSpacialDBInfo(long dbId);
    long GetAllSpacialDBInfo(CArray<CSpacialDBInfo*, CSpacialDBInfo*>& out);
    // `rec.DBID` receives the key the database assigned.
    long AddSpacialDBInfo(CSpacialDBInfo& rec);
    long EditSpacialDBInfo(CSpacialDBInfo& rec);
    // Removes the database with its layers and everything that hangs on them; the status of
    // removing the database row.
    long DeleteSpacialDBInfo(long dbId);

    // Layer groups (GHGIS_LayerGroup).
    long GetLayerGroupInfo(CGISLayerGroup& grp);
    long GetLayerGroupInfo(long id, CGISLayerGroup& grp);
    // The first group of that name.
    long GetLayerGroupInfo(CString name, CGISLayerGroup& grp);
    // Appends the children of `parentId` (-1: the root groups) in display order.
    long GetKidLayerGroups(long parentId, CArray<CGISLayerGroup*, CGISLayerGroup*>& out);
    // The next display order among the children of `parentId`; 0 when the query fails.
    long GetMaxDisporderOfLayerGroup(long parentId);
    // Stores the group as the last child of its parent: its DispOrder and LayerGroupID are set.
    long AddLayerGroup(CGISLayerGroup& grp);
    long EditLayerGroup(CGISLayerGroup& grp);
    // Gives the group another parent; its display order stays. 1 when there is no such group.
    long MoveLayerGroup(long newParentId, long groupId);
    // Whether the layer hangs under the group; also true when the database cannot tell.
    bool IsHasInLayerGroupRel(long layerId, long groupId);
    // Removes the group and every group below it, with every layer that hangs under none but
    // these groups and all that hangs on those layers; layers also under other groups only
    // lose their links. The status of removing the group row; 1 for a negative id.
    long DeleteLayerGroup(long groupId);

    // Layers (GHGIS_Layer) and their links to groups (GHGIS_LayerGroupLayerRelation).
    // Stores the layer and links it as the last layer of the group: both or neither.
    long AddLayer(long groupId, CGISLayer& layer);
    // Stores the layer without a group link; a nonzero `custom` gives it the next custom id
    // (-101, -102, ...).
    long AddLayerOfCustom(CGISLayer& layer, int custom);
    long EditLayer(CGISLayer& layer);
    // Rewrites the row of `layerId` with `layer`, its LayerID included.
    long EditLayer(long layerId, CGISLayer& layer);
    // Moves the first link of the layer to another group; 1 when the layer has no link.
    long MoveLayer(long newGroupId, long layerId);
    // Links the layer as the last layer of the group (a second link when it is there already).
    long AddGISLayerToOneGroup(long layerId, long groupId);
    // Silent: -1 on failure without a message.
    long DelGroupLayerByLayer(long layerId);
    long DelGroupLayerByLayerAndGroup(long layerId, long groupId);
    // Empty `ids`, then fill them with the layers of the group / the groups of the layer.
    long GetLayerIDsByGroupId(long groupId, CUIntArray& ids);
    long GetThisLayerBelongToGroups(long layerId, CUIntArray& ids);
    // The next display order among the layers of the group; 0 when the query fails.
    long GetMaxDisporderOfLayer(long groupId);
    // Appends the layers of the group in display order (-1: all layers), narrowed by `filter`,
    // an SQL condition inserted as it stands.
    long GetKidLayers(long groupId, CArray<CGISLayer*, CGISLayer*>& out, CString filter);
    // Copies a layer from this object's layer cache, which reads every layer on first use and
    // again when `reload` is nonzero: 2, or 1 when there is no such layer.
    long GetGISLayerInfo(CGISLayer& layer, int reload);
    long GetGISLayerInfo(long layerId, CGISLayer& layer, int reload);
    long GetGISLayerInfo(CString name, CGISLayer& layer, int reload);
    // Copies the first layer of the array with that id or name: 2, or 1 when there is none.
    long GetKidLayerFromArray(long layerId, const CArray<CGISLayer*, CGISLayer*>& arr,
                              CGISLayer& layer);
    long GetKidLayerFromArray(CString name, const CArray<CGISLayer*, CGISLayer*>& arr,
                              CGISLayer& layer);
    // Appends the name of every layer.
    long GetGISLayerRealIDs(CStringArray& names);
    // 1 when the test ran, with `exists` 1 or 0; -1 on a database error.
    long ExistingLayer(long layerId, int& exists);

    // Fields of layers (GH_FieldInfo).
    // Appends the fields of the layer in sequence order: 2, or 1 when it has none.
    long GetLayerFieldInfo(long layerId, CArray<CGISFieldInfo*, CGISFieldInfo*>& out);
    // Stores `fld` under its own LayerID and Sequence.
    long AddLayerFieldInfo(long layerId, CGISFieldInfo& fld);
    // Rewrites the row of `fld`'s own LayerID and Sequence; 1 when there is none.
    long EditLayerFieldInfo(long layerId, CGISFieldInfo& fld);
    // Silent: -1 on failure without a message.
    long DeleteLayerFieldInfo(long layerId, long sequence);
    long DeleteAllLayerFieldInfo(long layerId);
    // Replaces the layer's fields by the array, numbered 0, 1, 2 ... in array order (the
    // elements are changed): all of them or, on a failure, none, the old ones staying. 1 (the
    // pointer form) or 2 (the value form) when done.
    long UpdateLayerFieldInfo(long layerId, CArray<CGISFieldInfo*, CGISFieldInfo*>& fields);
    long UpdateLayerFieldInfo(long layerId, CArray<CGISFieldInfo, CGISFieldInfo&>& fields);
    // Fills `fld` as the system field `name` (OBJECTID, SHAPE, RoadRecord, GEOParam,
    // PRJCREATEID, BEGINDATE); an empty name leaves it alone.
    void MakeSomeFieldInfo(long layerId, CString name, long sequence, CGISFieldInfo& fld);
    // Stores the system field `name` unless `existing` has it already (0).
    long AddLayerSpecialFieldInfo(long layerId, CArray<CGISFieldInfo*, CGISFieldInfo*>* existing,
                                  CString name, long sequence);
    // Whether a field of the array has that name, compared without case.
    bool IsExistOneField(CArray<CGISFieldInfo*, CGISFieldInfo*>* fields, CString name);

    // ---- Layer extensions, figure layers, field relations and pages, layer removal
    //      (catalogue/) ----

    // Drawing extension of a layer (GH_LayerEx), one row per layer.
    long GetGISLayerEx(CLayerEx& ex);
    long GetGISLayerEx(long layerId, CLayerEx& ex);
    long AddGISLayerEx(CLayerEx& ex);
    long EditGISLayerEx(CLayerEx& ex);
    // Rewrites the row of `layerId`; `ex.LayerID` is written too, so the row can change layer.
    long EditGISLayerEx(long layerId, CLayerEx& ex);
    long DeleteGISLayerEx(long layerId);
    // 1 when the test ran, with `exists` 1 or 0; -1 on a database error.
    long ExistingLayerEx(long layerId, int& exists);
    // The next free parse id: the greatest in use plus 1, 1 when none is, 0 when the query
    // fails.
    long GetMaxParseIdOfLayerEx();
    bool IsHasThisParseId(long parseId);

    // Verify and update settings of a layer (GH_VerifyUpdate), one row per layer.
    long GetLayerVerifyUpdate(CLayerVerifyUpdate& vu);
    long GetLayerVerifyUpdate(long layerId, CLayerVerifyUpdate& vu);
    long AddLayerVerifyUpdate(CLayerVerifyUpdate& vu);
    long EditLayerVerifyUpdate(CLayerVerifyUpdate& vu);
    long EditLayerVerifyUpdate(long layerId, CLayerVerifyUpdate& vu);
    long DeleteLayerVerifyUpdate(long layerId);
    long ExistingLayerVerifyUpdate(long layerId, int& exists);
    // Appends the positive layer ids that feed the project layer; 2 when it has rows, else 1.
    long GetProjectLayerHasGISLayerIdAry(long projectLayerId, CArray<long, long>& ids);

    // Figure layers: an index row (GH_FigureLayerIndex) and its CAD layers (GH_FigureLayer),
    // both keyed by parse id.
    long GetFigureLayer(long parseId, CArray<CCADLayerInfo*, CCADLayerInfo*>& out);
    long GetAllFigureLayer(CArray<CCADLayerInfo*, CCADLayerInfo*>& out);
    // -1 when the index row is missing; the CAD layers of `fl` are then kept.
    long GetFigureLayer(CFigureLayer& fl);
    // The writes store the index row and every CAD layer, or nothing (-1). A figure layer
    // without CAD layers is refused with -1.
    long AddFigureLayer(CFigureLayer& fl);
    // A nonzero `editIndex` rewrites the index row too.
    long EditFigureLayer(CFigureLayer& fl, int editIndex);
    // Replaces the CAD layer rows of `parseId`; the index row is left alone.
    long EditFigureLayer_Local(long parseId, CFigureLayer& fl);
    // Removes the figure layer, used or not; the extensions that name it stay.
    long DeleteFigureLayer(long parseId);
    // Removes the figure layer when an extension uses it, then every extension using it.
    long DeleteFigureLayerEx(long parseId);
    long ExistingFigureLayer(long parseId, int& exists);

    // Field relations (GH_FieldsRelConfig); the layer-level operations handle type 2 only.
    long GetFieldRelation(CKGFieldRelation& rel);
    // `rel.FID` receives the key the database assigned.
    long AddFieldRelation(CKGFieldRelation& rel);
    long EditFieldRelation(CKGFieldRelation& rel);
    long EditFieldRelation(long layerId, CKGFieldRelation& rel);
    long DeleteFieldRelation(CKGFieldRelation& rel);
    // Silent: -1 on failure without a message.
    long DelFieldRelationByLayer(long layerId);
    long GetFieldRelationOfGISLayer(long layerId,
                                    CArray<CKGFieldRelation*, CKGFieldRelation*>& out);
    // Adds every relation as a new row (nothing is replaced) and reads its key back into the
    // element; the relations keep their own LayerID.
    long SetFieldRelationOfGISLayer(long layerId,
                                    CArray<CKGFieldRelation, CKGFieldRelation&>& rels);
    // Every relation of the layer, of any type.
    long GetKidFieldRelation(CArray<CKGFieldRelation*, CKGFieldRelation*>& out, long layerId);

    // Entries of one enumeration in display order, or of all (`enumType` below 0) by
    // enumeration, then display order.
    int GetFieldEnumDefArray(long enumType, CArray<CFieldEnumDef, CFieldEnumDef&>& out);

    // Property pages of a layer's fields (GHGIS_PageInfo).
    long GetFieldPageInfo(short pageNum, long layerId, CGHPageInfo& page);
    long GetAllPageInfo(long layerId, CAutoReleaseArray<CGHPageInfo*, CGHPageInfo*&>& out);
    // Silent: -1 on failure without a message.
    long DelPageInfoByLayer(long layerId);

    // Rows of other families that name a layer, removed with the layer.
    // Road standards using the layer in any of their five layer columns: 2 when removed, 1 when
    // the statement failed (no message).
    long DeleteRoadStandByLayerID(long layerId);

    // Removes the layer from the whole catalogue, everything that names it first, the layer
    // row last; goes on after a failed step and answers 2.
    long DeleteLayer(long layerId);

    // ---- Thematic subjects, application classes and site locations (subjects/) ----

    // Application classes (GHGIS_ApplyClass): one row per member of a class, a class being
    // known by its identifier and name.
    // Appends the class's stored members to its own: 2, or 1 when it has none.
    long GetGISApplyClass(CGISApplyClass& c);
    // Stores every member of the class, or none: 2, 1 when the class has no member.
    long AddGISApplyClass(CGISApplyClass& c);
    // Replaces the stored members of the class by its members, all or nothing: 2, 1 when the
    // class has no member.
    long EditGISApplyClass(CGISApplyClass& c);
    long DeleteGISApplyClass(long id, CString& name);
    // Every class of the identifier.
    long DeleteGISApplyClass(long id);
    long AddGISApplyClassData(CGISApplyClassData d);
    // The member's rows of that name, kind and object, under any identifier.
    long DeleteGISApplyClassData(CGISApplyClassData d);
    // Appends one class per name of the identifier, then loads the members of every class of
    // `out` (those already there too): 2, or 1 when the identifier has no class.
    long GetAllGISApplyClass(long id, CArray<CGISApplyClass*, CGISApplyClass*>& out);
    // Appends the layer groups / the layers the class names; 2 whenever the query ran.
    long GetLayerGroupsByApplyClass(long id, CString& name,
                                    CArray<CGISLayerGroup*, CGISLayerGroup*>& out);
    long GetLayersByApplyClass(long id, CString& name, CArray<CGISLayer*, CGISLayer*>& out);

    // ---- System configuration: settings, version, menus, specialties, functions and
    //      information URLs (config/) ----

    // Named settings (GH_ConfigInfo). The reads empty `items` first: 2 when a row was read,
    // 1 when the table is empty.
    long GetConfigItems(CArray<_tagCONFIGITEM, _tagCONFIGITEM&>& items);
    // Rewrites the value and remark of the first row of the item's name, or adds the row.
    long EditConfigItem(_tagCONFIGITEM item);
    // Replaces every setting by the items, stored from the last to the first: all of them or,
    // on a failure, none, the old ones staying. 1 for an empty array.
    long EditConfigItems(CArray<_tagCONFIGITEM, _tagCONFIGITEM&>& items);

    // The schema version (GH_VersionInfo): `code` is its minor number, left alone when the
    // table has none (1).
    long GetSysVersionCode(long& code);
    // Sets the minor number of every row, or makes the row (this machine, 1, code).
    long SetSysVersionCode(long code);
    // The non-empty names of the tables workstations copy down, after emptying `names`.
    long GetAllDownLoadTableNames(CStringArray& names);

    // Main menu (GHSJ_MainMenu) by entry id, specialties (GHSJ_Specialty) by id and their
    // layers (GHSJ_GISLayerSpecialty). The reads append and show no message on failure; the
    // replaces store the elements in array order, all or nothing.
    long GetAllMainMenuItem(CArray<CGHMainMenuItem*, CGHMainMenuItem*>& items);
    long SetAllMainMenuItem(CArray<CGHMainMenuItem, CGHMainMenuItem&>& items);
    long GetAllSpecialty(CArray<CGHSpecialty*, CGHSpecialty*>& specialties);
    long SetAllSpecialty(CArray<CGHSpecialty, CGHSpecialty&>& specialties);
    long GetAllLayerSpecialty(CArray<CGHLayerSpecialty*, CGHLayerSpecialty*>& assignments);
    long SetAllLayerSpecialty(CArray<CGHLayerSpecialty, CGHLayerSpecialty&>& assignments);

    // Functions (GHSJ_GHFunTypeDef) by id and their layers (GHGIS_FunLayerConfig).
    long GetAllFunTypeDef(CArray<CGHFunTypeDef*, CGHFunTypeDef*>& funs);
    // The functions assigned to the layer.
    long GetGisLayerFun(long layerId, CArray<CGHFunTypeDef*, CGHFunTypeDef*>& funs);
    // The assignments of the layer: 2, or 1 when it has none.
    long GetGisLayerFun(long layerId, CArray<CGHGisFun, CGHGisFun>& links);
    // Replaces the assignments of the layer, all or nothing; every element is first given the
    // layer's id.
    long SetGisLayerFun(long layerId, CArray<CGHGisFun, CGHGisFun>& links);
    // The assignments of the function: 2, or 1 when it has none.
    long GetFunGisLayer(long funId, CArray<CGHGisFun, CGHGisFun>& links);
    // Removes the assignments of the function and stores the elements with their own function
    // ids, all or nothing.
    long SetFunGisLayer(long funId, CArray<CGHGisFun, CGHGisFun>& links);
    // The layers the function is assigned to.
    long GetGISLayerByFunID(long funId, CArray<CGISLayer*, CGISLayer*>& layers);
    // Function assignments of the layer; silent: -1 on failure without a message.
    long DelFunLayerByLayerID(long layerId);

    // Addresses of workflow pages (GH_MISInfoURL). The read appends to the set; the replace
    // stores the set's elements in order, all or nothing.
    long GetAllMISInfoURL(CMISInfoURLSet& urls);
    long EditAllMISInfoURL(CMISInfoURLSet& urls);

protected:
    CBaseClassAccess();
    virtual ~CBaseClassAccess();

private:
    CBaseClassAccess(const CBaseClassAccess&) = delete;
    CBaseClassAccess& operator=(const CBaseClassAccess&) = delete;

    // The connection and the generic operations that the family operations are built from.
    CRecordAccess db_;
    long references_ = 1;

    // ---- Catalogue: caches and helpers (catalogue/) ----
    // Fills the layer cache when it is empty or `reload` is nonzero: 1 when it was kept.
    long GetAllGISLayer(int reload);
    void ClearLayerCache();
    long CopyCachedLayer(const CGISLayer* cached, CGISLayer& layer);
    // Reads layers as new records, asking for each missing spatial database once.
    long ReadLayers(const CString& sql, CArray<CGISLayer*, CGISLayer*>& out);
    // The next custom layer id.
    long GetMinIDOfAllGISLayeres();
    // Removes what hangs under the group and the groups below it (not `visited` again).
    long DeleteLayerGroupKids(CRecordAccess::Cascade& cascade, long groupId,
                              std::unordered_set<long>& visited);
    // Deletes the cached records; run by the destructor.
    void ReleaseCatalogueCaches();

    CArray<CSpacialDBInfo*, CSpacialDBInfo*> spacialDBCache_;
    // While layers are read in bulk: the spatial databases found missing during that read.
    std::unordered_set<long>* spacialDBMisses_ = nullptr;
    CArray<CGISLayer*, CGISLayer*> layerCache_;
    // The first cached layer of each id and of each name.
    std::unordered_map<long, int> layerCacheById_;
    std::unordered_map<CString, int> layerCacheByName_;
};

}  // namespace ghdb
