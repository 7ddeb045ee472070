#pragma once

#include <cstdint>

#include "frame/Columns.h"
#include "frame/TableRecord.h"
#include "platform/mfc/CArray.h"
#include "platform/mfc/CString.h"

namespace ghdb {

// A planning meaning (GHSJ_GHMeaningConfig). Meanings form a tree through ParentID; every
// layer names one meaning. The host supplies the ids; -1 stands for no meaning.
//
// The tree helpers take the whole list of meanings. Where two meanings share an id, the first
// in the list is the one a parent link names. A list whose parent links form a loop is walked
// until a meaning would be met a second time.
class CGHMeaning : public CTableRecord<CGHMeaning> {
public:
    CGHMeaning() = default;
    CGHMeaning(const CGHMeaning& other) = default;
    CGHMeaning& operator=(const CGHMeaning& other) = default;
    ~CGHMeaning() override = default;

    long MeaningID = -1;
    // MeaningID of the parent; a root names an id that no meaning has.
    long ParentID = 0;
    CString MeaningName;
    // Display order among siblings.
    long Sequence = -1;
    // The host's own value; copied with the meaning, never stored.
    std::uint32_t UserData = 0;

    // The first meaning of `all` whose id is this ParentID; null when there is none or this
    // meaning has no id.
    CGHMeaning* GetParent(CArray<CGHMeaning*, CGHMeaning*&>& all);
    // The meaning reached by following the parents up to one that has none: this meaning when
    // it has no parent. On a loop, the last meaning reached before the loop closes.
    CGHMeaning* FindTopParent(CArray<CGHMeaning*, CGHMeaning*&>& all);
    // 1 when `candidate` (by address) is met walking up from this meaning's parent, else 0. A
    // meaning is not its own ancestor.
    int IsMyAncestor(CArray<CGHMeaning*, CGHMeaning*&>& all, const CGHMeaning* candidate);
    // Empties `children` and fills it with the meanings of `all` whose parent is this one, in
    // the order of `all`; returns how many. 0 for a meaning without id.
    int GetChildMeaningArr(const CArray<CGHMeaning*, CGHMeaning*&>& all,
                           CArray<CGHMeaning*, CGHMeaning*>& children);

    static const ColumnTable<CGHMeaning>& Columns();
};

}  // namespace ghdb
