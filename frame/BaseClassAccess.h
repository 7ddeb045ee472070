#pragma once

#include <unordered_set>

#include "frame/FamilyState.h"
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
class CGISCartoQuery;
class CGISDefaultSubject;
class CGISLayerSet;
class CGISSiteLocation;

// Records of CAD styles and base maps.
class CCADBlockName;
class CCADFontStyle;
class CCADLineStyle;
class CKGBaseMap;
class CKGMapWidthIndex;

// Records of red-line workflow settings.
class CGHRLEditRight;
class CGHRLFieldMap;
class CGHRLFlowMap;
class CGHRLPhaseSubject;
// Records of pipeline settings.
class CCStandardDistDef;
class CHStandardDistDef;
class CPipeFontHei;
class CPipePredefineFieldDef;
class CPipeSpecFieldDef;
class CPipeSymbolBlock;
class CPipeSysDataset;
class CPipeTypeDef;
class CVStandardDistDef;
// What the catalogue keeps between calls (catalogue/CatalogueCache.h).
class CCatalogueCache;
void DeleteFamilyState(CCatalogueCache* state) noexcept;
// Records of planning codes and road design standards.
class CCrossConfigInfo;
class CGHLevel;
class CGHMeaning;
class CGHRoadBoard;
class CGHRoadBoardWay;
class CGHRoadBoardWayWidth;
class CGHRoadRadius;
class CGHRoadStandard;
class CGHRoadStandardBoard;
class CGHRoadStandardRadius;
class CGHRoadWay;
class CGHRoadWayScene;

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

    // The subject tree (GHGIS_DefaultSubject). Reads append to the array they are given.
    long GetDefaultSubject(CGISDefaultSubject& s);
    long EditDefaultSubject(CGISDefaultSubject& s);
    // Rewrites the row of `id` with all of `s`, its SubjectID included.
    long EditDefaultSubject(long id, CGISDefaultSubject& s);
    // Only the subject's row: its children, layers and filings stay.
    long DeleteDefaultSubject(long id);
    // Removes the subject and everything below it, children before their parent and each
    // subject's layer assignments before its row, in one transaction; goes on past a failed
    // step and answers with the status of removing the subject's own row.
    long DeleteDefaultSubjectRecursive(long id);
    // Stores the subject as the last child of its parent (OrderIndex is set).
    long AddDefaultSubject(CGISDefaultSubject& s);
    // Stores a custom subject; a nonzero `newId` gives it the next custom id (-101, -102, ...).
    long AddDefaultSubjectOfCustom(CGISDefaultSubject& s, int newId);
    // The next sibling position under `parentId`: 1 for the first child, 0 when the query fails.
    long GetMaxOrderIndexOfSubject(long parentId);
    // The children of `parentId` in sibling order.
    long GetKidSubjects(long parentId, CArray<CGISDefaultSubject, CGISDefaultSubject&>& out);
    // The subjects the layer is assigned to, once per assignment.
    long GetLayerSubjects(long layerId, CArray<CGISDefaultSubject, CGISDefaultSubject&>& out);
    // Those of the subjects of the type (with their descendants) that hold the layer, in the
    // type's order, once per assignment.
    long GetLayerSubjects(long layerId, long subjectType,
                          CArray<CGISDefaultSubject, CGISDefaultSubject&>& out);
    // Type -1: every subject. Otherwise the top-level subjects filed under the type in its
    // order, each followed (nonzero `withKids`) by its descendants; every subject once, at its
    // first place. 1 when there is no subject at all or none of the type.
    long GetAllDefaultSubject(long subjectType,
                              CArray<CGISDefaultSubject, CGISDefaultSubject&>& out, int withKids);
    // The custom root -100, followed (nonzero `withKids`) by its descendants; 1 without a root.
    long GetAllCustomSubject(CArray<CGISDefaultSubject, CGISDefaultSubject&>& out, int withKids);
    bool IsHasInDefaultSubjectArray(long id, CArray<long, long>& ids);
    // Keeps the first subject of each id, in order.
    void DeleteSameInDefaultSubjectArray(CArray<CGISDefaultSubject, CGISDefaultSubject&>& subjects);

    // Layers of subjects (GHGIS_SubjectLayers), each with a position; -1 hides an assignment
    // from the filtered list.
    // Appends the subject's layer ids in order, hidden ones too: 2, or 1 when it has none.
    long GetSubjectLayers(long subjectId, CArray<long, long>& layerIds);
    // Appends the subject's layers in order; nonzero `orderedOnly` leaves the hidden ones out.
    long GetSubjectLayers(long subjectId, CGISLayerSet& layers, int orderedOnly);
    // Replaces the subject's layers by the list, at positions 0, 1, 2 ...: all or nothing; 2, or
    // 1 for an empty list.
    long SetSubjectLayers(long subjectId, CArray<long, long>& layerIds);
    // A negative `layerOrder` puts the layer after the subject's last one (0 for the first).
    long AddSubjectLayer(long subjectId, long layerId, int layerOrder);
    long DeleteSubjectLayers(long subjectId);
    // Only the assignments of custom layers (negative ids).
    long DeleteSubjectLayersOfCustom(long subjectId);
    // The layer leaves every subject.
    long DeleteSubjectLayerOfLayer(long layerId);
    // Every assignment, by position over all subjects: element i of both arrays is one row.
    long GetSubject_Layer_pairs(CArray<long, long>& layerIds, CArray<long, long>& subjectIds);
    // These three do nothing and answer 0.
    long AddSubjectLayers(long subjectId, CArray<long, long>& layerIds);
    long DeleteSubjectLayer(long subjectId, long layerId);
    long GetSubjectLayer(long subjectId, long layerId, int& layerOrder);

    // Subjects filed under numbered types (GHGIS_SubjectClass), in an order per type.
    long GetSubjectsOfClass(long subjectType, CArray<long, long>& subjectIds);
    // Refiles the type as exactly the list, at positions 0, 1, 2 ...: all or nothing; 2, or 1
    // for an empty list.
    long EditSubjectsOfClass(long subjectType, CArray<long, long>& subjectIds);
    long ClearSubjectsFromClass(long subjectType);
    // The layers of every subject of the type, once per assignment and filing, by position.
    long GetSubjectLayersOfClass(long subjectType, CGISLayerSet& layers);

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

    // Site locations (GHGIS_SiteLocation), listed and replaced as a whole.
    long GetSiteLocations(CArray<CGISSiteLocation, CGISSiteLocation&>& locations);
    // Replaces the table by the array, all or nothing: 2.
    long EditSiteLocations(CArray<CGISSiteLocation, CGISSiteLocation&>& locations);
    // Subject queries are not stored: these leave the array alone and answer 0.
    long GetSubjecQuerys(long subjectId, CArray<CGISCartoQuery, CGISCartoQuery&>& queries);
    long EditSubjecQuerys(long subjectId, CArray<CGISCartoQuery, CGISCartoQuery&>& queries);

    // ---- CAD styles and base maps (cad/) ----

    // Text styles (GH_FontConfig); the reads append, 2 when rows exist, else 1.
    long GetCADFontStyles(CArray<CCADFontStyle, CCADFontStyle&>& styles);
    // The replacements below store every element as it is (its own Type and FileName), all of
    // them or, when one fails, none, the old rows staying (-1); else 2.
    long EditCADFontStyles(CArray<CCADFontStyle, CCADFontStyle&>& styles);
    // Line types (GH_LineBlockConfig, Type 1) grouped by the file that defines them.
    long GetCADLineStyleFiles(CStringArray& files);
    long GetCADLineStylesOfFile(CString file, CArray<CCADLineStyle, CCADLineStyle&>& styles);
    long EditCADLineStylesOfFile(CString file, CArray<CCADLineStyle, CCADLineStyle&>& styles);
    long DeleteCADLineStylesOfFile(CString file);
    // Blocks (GH_LineBlockConfig, Type 2) grouped by the drawing file that holds them.
    long GetCADBlockFiles(CStringArray& files);
    long GetCADBlockNamesOfFile(CString file, CArray<CCADBlockName, CCADBlockName&>& blocks);
    long EditCADBlockNamesOfFile(CString file, CArray<CCADBlockName, CCADBlockName&>& blocks);
    long DeleteCADBlockNamesOfFile(CString file);

    // Base-map groups (GHCAD_FileGroup).
    // The first group of `m`'s name, scale and type.
    long GetBaseMap(CKGBaseMap& m);
    long GetBaseMap(long groupId, CKGBaseMap& m);
    // 1 when the test ran, with `exists` 1 or 0; -1 on a database error.
    long ExistingBaseMap(CKGBaseMap& m, int& exists);
    // Stores the group under its own GroupID.
    long AddBaseMap(CKGBaseMap& m);
    long EditBaseMap(CKGBaseMap& m);
    // Removes the group row only; its sheets and file tables stay.
    long DeleteBaseMap(long groupId);
    // Frees the records `groups` holds, then fills it with every group by name.
    long GetAllBaseMapGroup(CArray<CKGBaseMap*, CKGBaseMap*&>& groups);
    // Replaces every group by the array, all or nothing: 2, or 1 for an empty array.
    long UpdateAllBaseMapGroup(CArray<CKGBaseMap*, CKGBaseMap*&>& groups);
    // Frees the records `sheets` holds, then fills it with the group's sheets by file name.
    long GetKidsMapWidthIndex(long spatialIndexId,
                              CArray<CKGMapWidthIndex*, CKGMapWidthIndex*&>& sheets);
    // As above for the sheets `condition` selects: a whole clause with its keyword (WHERE ...)
    // inserted as it stands, or empty for every sheet.
    long GetKidsMapWidthIndex(CString condition,
                              CArray<CKGMapWidthIndex*, CKGMapWidthIndex*&>& sheets);
    // Replace the sheets of the group (or of `condition`) by the array, all or nothing; each
    // sheet is stored under its own SpatialIndexId.
    long UpdateKidsMapWidthIndex(long spatialIndexId,
                                 CArray<CKGMapWidthIndex*, CKGMapWidthIndex*&>& sheets);
    long UpdateKidsMapWidthIndex(CString condition,
                                 CArray<CKGMapWidthIndex*, CKGMapWidthIndex*&>& sheets);
    // Creates a group's file table and its history twin `tableName`_HIS, or drops both: both or
    // neither.
    long CreateBaseMapTable(CString tableName);
    long DeleteBaseMapTable(CString tableName);

    // ---- Red-line workflow settings (redline/) ----

    // The reads take the settings of the record's workflow id (and phase). With `candidates`,
    // the inside of an SQL IN list of quoted workflow ids, inserted as it stands, they take
    // those of the greatest listed id not above it that has settings; the record then carries
    // that id. 2 when read, 1 when there is none.
    long GetPhaseSubject(CGHRLPhaseSubject& rec, CString candidates);
    long GetFlowSubject(CGHRLFlowMap& rec, CString candidates);
    long GetRedLineRight(CGHRLEditRight& rec, CString candidates);
    // Appends the field maps of the workflow (or of the chosen candidate).
    long GetRedLineFieldMap(CString workFlowId, CArray<CGHRLFieldMap, CGHRLFieldMap&>& out,
                            CString candidates);
    // The edits replace the settings of the record's key (the workflow's field maps) by the
    // record (the array, each element under its own WorkFlowID): all or nothing.
    long EditPhaseSubject(CGHRLPhaseSubject& rec);
    long EditFlowSubject(CGHRLFlowMap& rec);
    long EditRedLineRight(CGHRLEditRight& rec);
    long EditRedLineFieldMap(CString workFlowId, CArray<CGHRLFieldMap, CGHRLFieldMap&>& all);
    // ---- Pipeline settings (pipes/) ----
    //
    // Each reads its whole table: the array is emptied once the query is open (the records of
    // a pointer array are not freed: release them first), then filled. 2 when rows were read,
    // 1 for an empty table. The silent ones show no error met after the query opened.

    // In Sequence order.
    long GetAllPipeDatasets(CArray<CPipeSysDataset*, CPipeSysDataset*&>& out);
    // In Sequence order; silent.
    long GetAllPipeTypeDef(CArray<CPipeTypeDef, CPipeTypeDef>& out);
    long GetAllPipeSpecFieldDef(CArray<CPipeSpecFieldDef, CPipeSpecFieldDef>& out);
    // Silent.
    long GetAllPipePredefineFieldDef(CArray<CPipePredefineFieldDef, CPipePredefineFieldDef>& out);
    long GetAllPipeSymbolBlockdDatasets(CArray<CPipeSymbolBlock*, CPipeSymbolBlock*&>& out);
    long GetAllPipeFuncFontHeidDatasets(CArray<CPipeFontHei*, CPipeFontHei*&>& out);
    // Clearance standards: horizontal (silent), vertical (silent) and depths.
    long GetAllHStandardDatasets(CArray<CHStandardDistDef, CHStandardDistDef>& out);
    long GetAllVStandardDatasets(CArray<CVStandardDistDef*, CVStandardDistDef*&>& out);
    long GetAllCStandardDatasets(CArray<CCStandardDistDef, CCStandardDistDef&>& out);
    // ---- Planning codes and road design standards (roads/) ----
    //
    // The EditAll... operations replace the whole table by the array, all of it or, when a row
    // cannot be stored, nothing (the old rows stay, -1). Those that store the elements column
    // by column keep the ids the elements carry and answer 2, or 1 for an empty array; those
    // that store them as records answer 2.

    // Planning levels (GHSJ_GHLevelConfig) and meanings (GHSJ_GHMeaningConfig).
    long GetGHLevel(CGHLevel& rec);
    long GetGHMeaning(CGHMeaning& rec);
    long GetAllGHMeaning(CArray<CGHMeaning*, CGHMeaning*&>& out);
    long EditAllGHMeaning(CArray<CGHMeaning*, CGHMeaning*&>& all);
    // Appends the layers that carry the meaning.
    long GetGISLayersbyGHMeaning(CGHMeaning meaning, CArray<CGISLayer*, CGISLayer*>& out);
    // Gives every layer of one meaning another: 2, also when no layer had it.
    long SetGISLayersByGHMeaning(long fromMeaningId, long toMeaningId);

    // Default corner radii (GHSJ_RoadDefaultRadiusConfig) and crossing corners
    // (GHSJ_RoadCornerOfCrossConfig).
    long GetAllGHRoadRadius(CArray<CGHRoadRadius*, CGHRoadRadius*&>& out);
    long EditAllGHRoadRadius(CArray<CGHRoadRadius*, CGHRoadRadius*&>& all);
    // 2 when at least one row was read, else 1.
    long GetAllCrossRadiusConfig(CArray<CCrossConfigInfo, CCrossConfigInfo&>& out);
    // Makes the table hold exactly the array, matched by ID: rows of other ids are removed,
    // rows of the elements' ids rewritten, and elements without a row (ID -1 among them) added
    // and given the ID the database assigned. All or nothing; 1 when the table cannot be
    // opened.
    long EditAllCrossRadiusConfig(CArray<CCrossConfigInfo, CCrossConfigInfo&>& all);

    // Road standards (GHSJ_RoadLayerConfig) and the boards and radii linked to them by main
    // layer id. Replacing the standards leaves the links alone.
    long GetAllGHRoadStandard(CArray<CGHRoadStandard*, CGHRoadStandard*&>& out);
    long EditAllGHRoadStandard(CArray<CGHRoadStandard*, CGHRoadStandard*&>& all);
    long GetAllGHRoadStandardBoard(CArray<CGHRoadStandardBoard*, CGHRoadStandardBoard*&>& out);
    long EditAllGHRoadStandardBoard(CArray<CGHRoadStandardBoard*, CGHRoadStandardBoard*&>& all);
    long GetAllGHRoadStandardRadius(CArray<CGHRoadStandardRadius*, CGHRoadStandardRadius*&>& out);
    long EditAllGHRoadStandardRadius(CArray<CGHRoadStandardRadius*, CGHRoadStandardRadius*&>& all);

    // Boards (GHSJ_RoadBoardInfoConfig), kinds of way (GHSJ_RoadWayConfig) and their scenes
    // (GHSJ_RoadWaySceneConfig), the ways of each board (GHSJ_RoadBoardFieldConfig) and the
    // widths offered for it (GHSJ_RoadBoardParaConfig).
    long GetAllGHRoadBoard(CArray<CGHRoadBoard*, CGHRoadBoard*&>& out);
    long EditAllGHRoadBoard(CArray<CGHRoadBoard*, CGHRoadBoard*&>& all);
    long GetAllGHRoadWay(CArray<CGHRoadWay*, CGHRoadWay*&>& out);
    long EditAllGHRoadWay(CArray<CGHRoadWay*, CGHRoadWay*&>& all);
    long GetGHRoadWayScene(int roadWayId, CArray<CGHRoadWayScene*, CGHRoadWayScene*&>& out);
    long GetAllGHRoadBoardWay(CArray<CGHRoadBoardWay*, CGHRoadBoardWay*&>& out);
    long EditAllGHRoadBoardWay(CArray<CGHRoadBoardWay*, CGHRoadBoardWay*&>& all);
    long GetAllGHRoadBoardWayWidth(CArray<CGHRoadBoardWayWidth*, CGHRoadBoardWayWidth*&>& out);
    long EditAllGHRoadBoardWayWidth(CArray<CGHRoadBoardWayWidth*, CGHRoadBoardWayWidth*&>& all);
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
    // The catalogue's caches, made on first use.
    CCatalogueCache& Catalogue();
    // Fills the layer cache when it is empty or `reload` is nonzero: 1 when it was kept.
    long GetAllGISLayer(int reload);
    long CopyCachedLayer(const CGISLayer* cached, CGISLayer& layer);
    // Reads layers as new records, asking for each missing spatial database once.
    long ReadLayers(const CString& sql, CArray<CGISLayer*, CGISLayer*>& out);
    // The next custom layer id.
    long GetMinIDOfAllGISLayeres();
    // Removes what hangs under the group and the groups below it (not `visited` again).
    long DeleteLayerGroupKids(CRecordAccess::Cascade& cascade, long groupId,
                              std::unordered_set<long>& visited);

    FamilyState<CCatalogueCache> catalogue_;

    // ---- Thematic subjects (subjects/) ----
    // The next custom subject id: one below the least id in use, -101 at most.
    long GetMinIDOfAllSubjects();
};

}  // namespace ghdb
