#include "roads/WorkType.h"

namespace ghdb {

namespace {

// The first element of `records` whose `id` member is `id`; null when `id` is -1 or no
// element has it.
template <class T>
T* FindById(CArray<T*, T*&>& records, long T::*idMember, long id) {
    if (id == -1) return nullptr;
    for (int i = 0; i < records.GetSize(); ++i)
        if (records[i] && records[i]->*idMember == id) return records[i];
    return nullptr;
}

}  // namespace

const ColumnTable<CGHWorkType>& CGHWorkType::Columns() {
    static const ColumnTable<CGHWorkType> columns = {
        {"WorkTypeId", &CGHWorkType::WorkTypeId},
        {"LevelID", &CGHWorkType::LevelID},
        {"StatusID", &CGHWorkType::StatusID},
        {"MeaningID", &CGHWorkType::MeaningID},
    };
    return columns;
}

CGHWorkType::CGHWorkType(const CGHWorkType& other) : CTableRecord() {
    *this = other;
}

CGHWorkType& CGHWorkType::operator=(const CGHWorkType& other) {
    if (this == &other) return *this;
    WorkTypeId = other.WorkTypeId;
    SetWorkTypeNoSet(other);
    LayerIDs = other.LayerIDs;
    return *this;
}

bool CGHWorkType::operator==(const CGHWorkType& other) const {
    return LevelID == other.LevelID && StatusID == other.StatusID && MeaningID == other.MeaningID;
}

void CGHWorkType::SetWorkTypeNoSet(const CGHWorkType& other) {
    LevelID = other.LevelID;
    StatusID = other.StatusID;
    MeaningID = other.MeaningID;
    Level = other.Level;
    Status = other.Status;
    Meaning = other.Meaning;
}

int CGHWorkType::IsSameLevel(CGHWorkType* other) const {
    return other && other->LevelID == LevelID ? 1 : 0;
}

int CGHWorkType::IsSameStatus(CGHWorkType* other) const {
    return other && other->StatusID == StatusID ? 1 : 0;
}

int CGHWorkType::IsSameMeaning(CGHWorkType* other) const {
    return other && other->MeaningID == MeaningID ? 1 : 0;
}

int CGHWorkType::IsBelongToGHMeaning(long meaningId, CArray<CGHMeaning*, CGHMeaning*&>& meanings) {
    if (meaningId == -1) return 1;
    CGHMeaning* own = GetGHMeaning(meanings);
    if (!own) return 0;
    CGHMeaning* wanted = FindById(meanings, &CGHMeaning::MeaningID, meaningId);
    if (!wanted) return 0;
    return own->IsMyAncestor(meanings, wanted) || own->MeaningID == meaningId ? 1 : 0;
}

int CGHWorkType::IsBelongTo(long levelId, long statusId, long meaningId,
                            CArray<CGHMeaning*, CGHMeaning*&>& meanings) {
    return IsBelongToGHLevel(levelId) && IsBelongToGHStatus(statusId) &&
                   IsBelongToGHMeaning(meaningId, meanings)
               ? 1
               : 0;
}

void CGHWorkType::SetGHLevel(CGHLevel* level) {
    Level = level;
    LevelID = level ? level->LevelID : -1;
}

void CGHWorkType::SetGHStatus(CGHStatus* status) {
    Status = status;
    StatusID = status ? status->StatusID : -1;
}

void CGHWorkType::SetGHMeaning(CGHMeaning* meaning) {
    Meaning = meaning;
    MeaningID = meaning ? meaning->MeaningID : -1;
}

CGHLevel* CGHWorkType::GetGHLevel(CArray<CGHLevel*, CGHLevel*&>& levels) {
    return Level = FindById(levels, &CGHLevel::LevelID, LevelID);
}

CGHStatus* CGHWorkType::GetGHStatus(CArray<CGHStatus*, CGHStatus*&>& statuses) {
    return Status = FindById(statuses, &CGHStatus::StatusID, StatusID);
}

CGHMeaning* CGHWorkType::GetGHMeaning(CArray<CGHMeaning*, CGHMeaning*&>& meanings) {
    return Meaning = FindById(meanings, &CGHMeaning::MeaningID, MeaningID);
}

CString CGHWorkType::GetGHLevelName(CArray<CGHLevel*, CGHLevel*&>& levels) {
    const CGHLevel* level = GetGHLevel(levels);
    return level ? level->LevelName : CString();
}

CString CGHWorkType::GetGHStatusName(CArray<CGHStatus*, CGHStatus*&>& statuses) {
    const CGHStatus* status = GetGHStatus(statuses);
    return status ? status->StatusName : CString();
}

CString CGHWorkType::GetGHMeaningName(CArray<CGHMeaning*, CGHMeaning*&>& meanings) {
    const CGHMeaning* meaning = GetGHMeaning(meanings);
    return meaning ? meaning->MeaningName : CString();
}

}  // namespace ghdb
