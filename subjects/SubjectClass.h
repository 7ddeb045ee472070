#pragma once

#include "frame/TableRecord.h"

namespace ghdb {

// The filing of a subject under a numbered subject type (GHGIS_SubjectClass). The position
// within the type (SubjectOrder) is written by EditSubjectsOfClass and not kept here.
class CGISSubjectClass : public CTableRecord<CGISSubjectClass> {
public:
    CGISSubjectClass() = default;
    CGISSubjectClass(const CGISSubjectClass& other) = default;
    CGISSubjectClass& operator=(const CGISSubjectClass& other) = default;
    CGISSubjectClass(CGISSubjectClass&& other) noexcept = default;
    CGISSubjectClass& operator=(CGISSubjectClass&& other) noexcept = default;
    ~CGISSubjectClass() override = default;

    long SubjectType = 0;
    long SubjectID = 0;

    static const ColumnTable<CGISSubjectClass>& Columns();
};

}  // namespace ghdb
