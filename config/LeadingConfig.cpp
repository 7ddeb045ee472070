#include "config/LeadingConfig.h"

#include <cstdlib>

#include "frame/BaseClassAccess.h"
#include "subjects/ApplyClass.h"

namespace ghdb {

namespace {

// The element at `index` of a cached set; null outside it or without a set.
template <class T>
T* ElementAt(COwningSet<T>* set, int index) {
    if (!set || index < 0 || index >= set->GetSize()) return nullptr;
    return set->GetAt(index);
}

}  // namespace

CLeadingConfig::CLeadingConfig(CBaseClassAccess* access) : access_(access) {}

CLeadingConfig* CLeadingConfig::CreateInstance(const char* connectionString) {
    return new CLeadingConfig(CBaseClassAccess::CreateInstance(connectionString));
}

CLeadingConfig* CLeadingConfig::CreateInstanceEx(CBaseClassAccess* access) {
    if (access) access->AddReference();
    return new CLeadingConfig(access);
}

void CLeadingConfig::ReleaseInstance() {
    delete this;
}

CLeadingConfig::~CLeadingConfig() {
    ReleaseData();
    if (access_) access_->ReleaseInstance();
}

int CLeadingConfig::InitConnectionString(const char* connectionString) {
    if (!access_) return 0;
    return access_->SetConnectionString(connectionString) == 0 ? 1 : 0;
}

void CLeadingConfig::ReleaseData() {
    spacialDBInfos_.reset();
    layerGroups_.reset();
    misInfoURLs_.reset();
    configItems_.reset();
}

int CLeadingConfig::AccessConfigItems() {
    if (access_ && !configItems_) configItems_ = std::make_unique<CConfigItemCache>(*access_);
    return 1;
}

CString CLeadingConfig::GetConfigItem(CString name) {
    if (!access_) return {};
    AccessConfigItems();
    return configItems_->Item(name).ConfigItemValue;
}

int CLeadingConfig::SetConfigItem(CString name, CString value, int saveNow) {
    if (!access_) return 0;
    AccessConfigItems();
    _tagCONFIGITEM& item = configItems_->Item(name);
    item.ConfigItemValue = std::move(value);
    if (!saveNow) return 1;
    return access_->EditConfigItem(item) == 2 ? 1 : 0;
}

int CLeadingConfig::UpdateConfigItem() {
    if (!access_) return 0;
    AccessConfigItems();
    return access_->EditConfigItems(configItems_->Items()) > 0 ? 1 : 0;
}

CString CLeadingConfig::Setting(const char* name) {
    return GetConfigItem(name);
}

double CLeadingConfig::GetDefaultLayerScale() {
    if (!access_) return 0.0;
    // The setting holds the denominator of the scale; an empty one gives an infinite factor.
    const CString denominator = Setting("DefaultLayerScale");
    return 1.0 / std::strtod(denominator, nullptr);
}

CString CLeadingConfig::GetArcSymbolPath() {
    return Setting("ArcSymbolPath");
}

CString CLeadingConfig::GetSharedPath() {
    return Setting("DWGSharedPath");
}

CString CLeadingConfig::GetMISConnectionString() {
    return Setting("MISConnectionString");
}

CString CLeadingConfig::GetReliefMapConnectionString() {
    return Setting("ReliefMapConnectionString");
}

CString CLeadingConfig::GetNotFreshGroupString() {
    return Setting("NotFreshGroupString");
}

CSpacialDBInfoSet* CLeadingConfig::RefSpacialDBInfos() {
    if (!access_) return nullptr;
    if (!spacialDBInfos_) {
        spacialDBInfos_ = std::make_unique<CSpacialDBInfoSet>();
        access_->GetAllSpacialDBInfo(*spacialDBInfos_);
    }
    return spacialDBInfos_.get();
}

CGISLayerGroupSet* CLeadingConfig::RefLayerGroups() {
    if (!access_) return nullptr;
    if (!layerGroups_) {
        layerGroups_ = std::make_unique<CGISLayerGroupSet>();
        access_->GetKidLayerGroups(-1, *layerGroups_);
    }
    return layerGroups_.get();
}

CMISInfoURLSet* CLeadingConfig::RefMISInfoURLs() {
    if (!access_) return nullptr;
    if (!misInfoURLs_) {
        misInfoURLs_ = std::make_unique<CMISInfoURLSet>();
        access_->GetAllMISInfoURL(*misInfoURLs_);
    }
    return misInfoURLs_.get();
}

int CLeadingConfig::GetGISApplyClass(CGISApplyClassSet& set) {
    if (!access_) return 0;
    return access_->GetAllGISApplyClass(set.ApplyClassID, set.ApplyClasses()) == 2 ? 1 : 0;
}

CSpacialDBInfo* CLeadingConfig::AddNewSpacialDBInfo(CSpacialDBInfo& info) {
    CSpacialDBInfoSet* set = RefSpacialDBInfos();
    if (!set) return nullptr;
    CSpacialDBInfo* copy = set->AddNew(info);
    if (access_->AddSpacialDBInfo(*copy) == 2) return copy;
    set->Delete(copy);
    return nullptr;
}

CGISLayerGroup* CLeadingConfig::AddNewLayerGroup(CGISLayerGroup& group) {
    CGISLayerGroupSet* set = RefLayerGroups();
    if (!set) return nullptr;
    group.DispOrder = set->GetSize();
    CGISLayerGroup* copy = set->AddNew(group);
    if (access_->AddLayerGroup(*copy) == 2) return copy;
    set->Delete(copy);
    return nullptr;
}

void CLeadingConfig::EditSpacialDBInfo(CSpacialDBInfo* info) {
    if (access_ && info) access_->EditSpacialDBInfo(*info);
}

void CLeadingConfig::EditSpacialDBInfo(int index) {
    EditSpacialDBInfo(ElementAt(RefSpacialDBInfos(), index));
}

void CLeadingConfig::EditLayerGroup(CGISLayerGroup* group) {
    if (access_ && group) access_->EditLayerGroup(*group);
}

void CLeadingConfig::EditLayerGroup(int index) {
    EditLayerGroup(ElementAt(RefLayerGroups(), index));
}

void CLeadingConfig::DeleteSpacialDBInfo(CSpacialDBInfo* info) {
    CSpacialDBInfoSet* set = RefSpacialDBInfos();
    if (!set || !info) return;
    if (access_->DeleteSpacialDBInfo(info->DBID) >= 0) set->Delete(info);
}

void CLeadingConfig::DeleteSpacialDBInfo(int index) {
    DeleteSpacialDBInfo(ElementAt(RefSpacialDBInfos(), index));
}

void CLeadingConfig::DeleteLayerGroup(CGISLayerGroup* group) {
    CGISLayerGroupSet* set = RefLayerGroups();
    if (!set || !group) return;
    if (access_->DeleteLayerGroup(group->LayerGroupID) >= 0) set->Delete(group);
}

void CLeadingConfig::DeleteLayerGroup(int index) {
    DeleteLayerGroup(ElementAt(RefLayerGroups(), index));
}

}  // namespace ghdb
