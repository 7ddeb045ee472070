#pragma once

#include <memory>

#include "catalogue/LayerGroup.h"
#include "catalogue/SpacialDBInfo.h"
#include "config/ConfigItemCache.h"
#include "config/MISInfoURL.h"
#include "platform/mfc/CString.h"

namespace ghdb {

class CBaseClassAccess;
class CGISApplyClassSet;

// What a host reads first at start-up: the named settings, the spatial databases, the root
// layer groups and the information URLs of the configuration database, each read on first use
// and then kept (changes made around this object do not show until ReleaseData). Changes made
// through it go to the database at once, the settings on request.
//
// An object whose access object could not be made answers every operation with empty text, 0
// or null.
class CLeadingConfig {
public:
    // The access object is made from the string; the object has none when that failed (the
    // failure was shown).
    static CLeadingConfig* CreateInstance(const char* connectionString);
    // Holds a reference to `access` (null allowed).
    static CLeadingConfig* CreateInstanceEx(CBaseClassAccess* access);
    // Destroys the object.
    void ReleaseInstance();
    virtual ~CLeadingConfig();

    // The caches own their records; copies would share them.
    CLeadingConfig(const CLeadingConfig&) = delete;
    CLeadingConfig& operator=(const CLeadingConfig&) = delete;

    // Reconnects the access object; nonzero when connected. The caches stay as loaded.
    int InitConnectionString(const char* connectionString);
    // Drops every cache; the next use reads it again.
    void ReleaseData();

    // The value of a setting; a name not in the table is added to the cache, empty.
    CString GetConfigItem(CString name);
    // Sets a setting in the cache, its remark staying; a nonzero `saveNow` also stores it. 1,
    // or 0 when it should have been stored and was not.
    int SetConfigItem(CString name, CString value, int saveNow);
    // Replaces the stored settings by the cached ones: 1, or 0 when that failed (the stored
    // ones then stay).
    int UpdateConfigItem();

    // The scale factor: 1 divided by the denominator the setting holds.
    double GetDefaultLayerScale();
    CString GetArcSymbolPath();
    CString GetSharedPath();
    CString GetMISConnectionString();
    CString GetReliefMapConnectionString();
    CString GetNotFreshGroupString();

    // The cached sets, owned by this object.
    CSpacialDBInfoSet* RefSpacialDBInfos();
    // The root layer groups.
    CGISLayerGroupSet* RefLayerGroups();
    CMISInfoURLSet* RefMISInfoURLs();
    // Reads the application classes of `set.ApplyClassID` into the set (not cached); nonzero
    // when there were some.
    int GetGISApplyClass(CGISApplyClassSet& set);

    // Stores a copy of the record and keeps it in the cached set; returns the copy, which the
    // set owns, or null when it could not be stored.
    CSpacialDBInfo* AddNewSpacialDBInfo(CSpacialDBInfo& info);
    // Stores a copy of the group as the last root group (the group's DispOrder is set too).
    CGISLayerGroup* AddNewLayerGroup(CGISLayerGroup& group);
    void EditSpacialDBInfo(CSpacialDBInfo* info);
    void EditSpacialDBInfo(int index);
    void EditLayerGroup(CGISLayerGroup* group);
    void EditLayerGroup(int index);
    // Removes the record with what hangs on it from the database, then from the cached set;
    // a record the database kept stays in the set.
    void DeleteSpacialDBInfo(CSpacialDBInfo* info);
    void DeleteSpacialDBInfo(int index);
    void DeleteLayerGroup(CGISLayerGroup* group);
    void DeleteLayerGroup(int index);

protected:
    explicit CLeadingConfig(CBaseClassAccess* access);
    // Reads the settings when they are not cached yet.
    int AccessConfigItems();

private:
    CString Setting(const char* name);

    CBaseClassAccess* access_ = nullptr;
    std::unique_ptr<CSpacialDBInfoSet> spacialDBInfos_;
    std::unique_ptr<CGISLayerGroupSet> layerGroups_;
    std::unique_ptr<CMISInfoURLSet> misInfoURLs_;
    std::unique_ptr<CConfigItemCache> configItems_;
};

}  // namespace ghdb
