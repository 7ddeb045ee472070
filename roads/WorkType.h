#pragma once

#include <set>

#include "frame/Columns.h"
#include "frame/TableRecord.h"
#include "platform/mfc/CArray.h"
#include "platform/mfc/CString.h"
#include "roads/Meaning.h"
#include "roads/PlanningLevel.h"

namespace ghdb {

// A work type: one planning level, status and meaning, with the layers it covers. An id of -1
// stands for "not defined". The level, status and meaning pointers are a lookup cache into
// arrays that the caller owns; the work type never deletes them.
class CGHWorkType : public CTableRecord<CGHWorkType> {
public:
    CGHWorkType() = default;
    // Copies the ids, the cached pointers and the layers, not the access object.
    CGHWorkType(const CGHWorkType& other);
    CGHWorkType& operator=(const CGHWorkType& other);
    ~CGHWorkType() override = default;

    long WorkTypeId = 0;
    long LevelID = -1;
    long StatusID = -1;
    long MeaningID = -1;
    // Not stored with the work type's columns.
    std::set<long> LayerIDs;
    CGHLevel* Level = nullptr;
    CGHStatus* Status = nullptr;
    CGHMeaning* Meaning = nullptr;

    // Equal when level, status and meaning agree; the work type id and the layers do not count.
    bool operator==(const CGHWorkType& other) const;
    bool operator!=(const CGHWorkType& other) const { return !(*this == other); }

    // Copies the three ids and the cached pointers only.
    void SetWorkTypeNoSet(const CGHWorkType& other);

    // 1 when the other work type (not null) has the same id, else 0.
    int IsSameLevel(CGHWorkType* other) const;
    int IsSameStatus(CGHWorkType* other) const;
    int IsSameMeaning(CGHWorkType* other) const;
    int IsGHLevelNoDefined() const { return LevelID == -1 ? 1 : 0; }
    int IsGHStatusNoDefined() const { return StatusID == -1 ? 1 : 0; }
    int IsGHMeaningNoDefined() const { return MeaningID == -1 ? 1 : 0; }
    int IsBelongToGHLevel(long levelId) const { return LevelID == levelId ? 1 : 0; }
    int IsBelongToGHStatus(long statusId) const { return StatusID == statusId ? 1 : 0; }
    // 1 when `meaningId` is -1 (any meaning), this work type's meaning, or an ancestor of it.
    // Refreshes the cached meaning.
    int IsBelongToGHMeaning(long meaningId, CArray<CGHMeaning*, CGHMeaning*&>& meanings);
    // Level, status and meaning all match, tested in that order.
    int IsBelongTo(long levelId, long statusId, long meaningId,
                   CArray<CGHMeaning*, CGHMeaning*&>& meanings);

    // Cache the record and take its id (-1 for null).
    void SetGHLevel(CGHLevel* level);
    void SetGHStatus(CGHStatus* status);
    void SetGHMeaning(CGHMeaning* meaning);
    CGHLevel* GetGHLevel() const { return Level; }
    CGHStatus* GetGHStatus() const { return Status; }
    CGHMeaning* GetGHMeaning() const { return Meaning; }
    // Look the id up in the array (the first element with it) and cache what is found; null
    // when the id is -1 or not in the array.
    CGHLevel* GetGHLevel(CArray<CGHLevel*, CGHLevel*&>& levels);
    CGHStatus* GetGHStatus(CArray<CGHStatus*, CGHStatus*&>& statuses);
    CGHMeaning* GetGHMeaning(CArray<CGHMeaning*, CGHMeaning*&>& meanings);
    // The name of what the lookup above finds, or an empty string.
    CString GetGHLevelName(CArray<CGHLevel*, CGHLevel*&>& levels);
    CString GetGHStatusName(CArray<CGHStatus*, CGHStatus*&>& statuses);
    CString GetGHMeaningName(CArray<CGHMeaning*, CGHMeaning*&>& meanings);

    void InsertLayerID(long layerId) { LayerIDs.insert(layerId); }
    void EraseLayerID(long layerId) { LayerIDs.erase(layerId); }
    static void IncreaseIter(std::set<long>::iterator& it) { ++it; }

    static const ColumnTable<CGHWorkType>& Columns();
};

// Work types held by value, as the function types carry them.
class CGHWorkTypeArr : public CArray<CGHWorkType, CGHWorkType&> {};

}  // namespace ghdb
