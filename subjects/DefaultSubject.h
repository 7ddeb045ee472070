#pragma once

#include "frame/TableRecord.h"
#include "platform/mfc/CArray.h"
#include "platform/mfc/CString.h"

namespace ghdb {

// A thematic subject (GHGIS_DefaultSubject): a named theme of the map under which the host
// groups layers. Subjects form a tree through ParentID, siblings ordered by OrderIndex. Default
// subjects have ids of 0 or more, given by whoever adds them; custom subjects, made by users,
// get ids from -101 downwards and hang below the custom root -100.
class CGISDefaultSubject : public CTableRecord<CGISDefaultSubject> {
public:
    CGISDefaultSubject() = default;
    CGISDefaultSubject(const CGISDefaultSubject& other) = default;
    CGISDefaultSubject& operator=(const CGISDefaultSubject& other) = default;
    CGISDefaultSubject(CGISDefaultSubject&& other) noexcept = default;
    CGISDefaultSubject& operator=(CGISDefaultSubject&& other) noexcept = default;
    ~CGISDefaultSubject() override = default;

    long SubjectType = 0;
    // Negative for custom subjects.
    long SubjectID = 0;
    // A layer id kept for the host.
    long QueryLayer = 0;
    CString SubjectName;
    CString Remark;
    // Negative for a top-level subject.
    long ParentID = 0;
    // Position among the siblings, ascending.
    long OrderIndex = 0;

    // 1 for a custom subject (a negative id), else 0.
    int IsCustom() const noexcept { return SubjectID < 0 ? 1 : 0; }

    // Appends the children of this subject found in `all`, then sorts the whole of `out` by
    // OrderIndex (equal orders keep their order). Returns 0.
    long GetKidSubjects(const CArray<CGISDefaultSubject, CGISDefaultSubject&>& all,
                        CArray<CGISDefaultSubject, CGISDefaultSubject&>& out) const;
    // Appends every descendant of this subject found in `all`: its children in sibling order,
    // then the descendants of the first child, of the second, and so on. A subject met again
    // below itself (a loop of parent links) is appended but not entered again. Returns 0.
    long GetKidSubjectRec(const CArray<CGISDefaultSubject, CGISDefaultSubject&>& all,
                          CArray<CGISDefaultSubject, CGISDefaultSubject&>& out) const;

    // Reads back the id the row was stored with.
    void AfterUpdateNew(FieldsPtr& fields, _variant_t& scratch) override;

    static const ColumnTable<CGISDefaultSubject>& Columns();
};

}  // namespace ghdb
