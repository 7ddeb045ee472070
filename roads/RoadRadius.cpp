#include "roads/RoadRadius.h"

#include <cstdlib>

#include "frame/BaseClassAccess.h"
#include "frame/ColumnWriter.h"
#include "roads/CrossConfig.h"
#include "roads/RoadCodes.h"

namespace ghdb {

namespace {

constexpr const char* kSelectAll = "SELECT * FROM GHSJ_RoadDefaultRadiusConfig";

long CodeOfTrimmedName(std::span<const CodedName> table, CString name) {
    return CodeOfName(table, name.Trim());
}

}  // namespace

const ColumnTable<CGHRoadRadius>& CGHRoadRadius::Columns() {
    static const ColumnTable<CGHRoadRadius> columns = {
        {"RadiusID", &CGHRoadRadius::RadiusID, ColumnRole::ReadBack},
        {"enuRoadGrade1", &CGHRoadRadius::enuRoadGrade1},
        {"enuRoadGrade2", &CGHRoadRadius::enuRoadGrade2},
        {"enuRoadLineType", &CGHRoadRadius::enuRoadLineType},
        {"LineType", &CGHRoadRadius::LineType},
        {"enuCornerType", &CGHRoadRadius::enuCornerType},
        {"Radius", &CGHRoadRadius::Radius},
    };
    return columns;
}

void CGHRoadRadius::Init(CGHRoadRadius other) {
    CopyColumns(Columns(), other, *this);
}

CString CGHRoadRadius::GetRoadGrade1() const {
    return CCrossConfigInfo::GetRoadGradeDes(enuRoadGrade1);
}

CString CGHRoadRadius::GetRoadGrade2() const {
    return CCrossConfigInfo::GetRoadGradeDes(enuRoadGrade2);
}

CString CGHRoadRadius::GetRoadLineType() const {
    return CCrossConfigInfo::GetRoadLineTypeDes(enuRoadLineType);
}

CString CGHRoadRadius::GetCornerType() const {
    return CCrossConfigInfo::GetRoadCornerTypeDes(enuCornerType);
}

CString CGHRoadRadius::GetLineType() const {
    return NameOfCode(roads::kDrawnLines, LineType);
}

long CGHRoadRadius::GetRoadGradeFromName(CString name) {
    return CodeOfTrimmedName(roads::kRoadGrades, name);
}

long CGHRoadRadius::GetRoadLineTypeFromName(CString name) {
    return CodeOfTrimmedName(roads::kParsedRoadLines, name);
}

long CGHRoadRadius::GetLineTypeFromName(CString name) {
    return CodeOfTrimmedName(roads::kDrawnLines, name);
}

long CGHRoadRadius::GetCornerTypeFromName(CString name) {
    return CodeOfTrimmedName(roads::kCornerTypes, name);
}

double CGHRoadRadius::GetRadiusFromName(CString text) {
    return std::strtod(text, nullptr);
}

long CBaseClassAccess::GetAllGHRoadRadius(CArray<CGHRoadRadius*, CGHRoadRadius*&>& out) {
    return db_.ReadAllAsNew(kSelectAll, out, 1);
}

long CBaseClassAccess::EditAllGHRoadRadius(CArray<CGHRoadRadius*, CGHRoadRadius*&>& all) {
    // The ids are stored as the radii carry them, so road standards that name them stay valid.
    CColumnWriter<CGHRoadRadius> writer(CGHRoadRadius::Columns());
    return db_.ReplaceAllWith("Delete FROM GHSJ_RoadDefaultRadiusConfig", kSelectAll, all.GetSize(),
                              writer.Each(all), all.IsEmpty() ? 1 : 2);
}

}  // namespace ghdb
