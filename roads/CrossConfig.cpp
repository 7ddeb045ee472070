#include "roads/CrossConfig.h"

#include "frame/BaseClassAccess.h"
#include "roads/RoadCodes.h"

namespace ghdb {

namespace {

constexpr const char* kSelectAll = "SELECT * FROM GHSJ_RoadCornerOfCrossConfig";

}  // namespace

const ColumnTable<CCrossConfigInfo>& CCrossConfigInfo::Columns() {
    static const ColumnTable<CCrossConfigInfo> columns = {
        {"ID", &CCrossConfigInfo::ID, ColumnRole::Identity},
        {"RoadGrade1", &CCrossConfigInfo::RoadGrade1},
        {"RoadGrade2", &CCrossConfigInfo::RoadGrade2},
        {"Angle_Start", &CCrossConfigInfo::Angle_Start},
        {"Angle_End", &CCrossConfigInfo::Angle_End},
        {"RoadlineType", &CCrossConfigInfo::RoadlineType},
        {"RoadWidth1_Start", &CCrossConfigInfo::RoadWidth1_Start},
        {"RoadWidth1_End", &CCrossConfigInfo::RoadWidth1_End},
        // The stored column name is spelled so.
        {"RoadWidht2_Start", &CCrossConfigInfo::RoadWidth2_Start},
        {"RoadWidth2_End", &CCrossConfigInfo::RoadWidth2_End},
        {"CornerType", &CCrossConfigInfo::CornerType},
        {"RoadTuoParamFirst", &CCrossConfigInfo::RoadTuoParamFirst},
        {"RoadTuoParamSecond", &CCrossConfigInfo::RoadTuoParamSecond},
        {"Radius", &CCrossConfigInfo::Radius},
        {"GreenLength", &CCrossConfigInfo::GreenLength},
        {"TuoCircle", &CCrossConfigInfo::TuoCircle},
    };
    return columns;
}

CCrossConfigInfo& CCrossConfigInfo::operator=(const CCrossConfigInfo& other) {
    CopyColumns(Columns(), other, *this);
    return *this;
}

CString CCrossConfigInfo::GetRoadGradeDes(long code) {
    return NameOfCode(roads::kRoadGrades, code);
}

CString CCrossConfigInfo::GetRoadLineTypeDes(long code) {
    return NameOfCode(roads::kRoadLines, code);
}

CString CCrossConfigInfo::GetRoadCornerTypeDes(long code) {
    return NameOfCode(roads::kCornerTypes, code);
}

CString CCrossConfigInfo::GetTuoCirleDes(long code) {
    return NameOfCode(roads::kRoundings, code);
}

long CCrossConfigInfo::GetTuoCirleFromDes(CString name) {
    return CodeOfName(roads::kRoundings, name);
}

long CBaseClassAccess::GetAllCrossRadiusConfig(CArray<CCrossConfigInfo, CCrossConfigInfo&>& out) {
    CCrossConfigInfo working;
    return db_.ReadAllAsValues(kSelectAll, working, out);
}

long CBaseClassAccess::EditAllCrossRadiusConfig(CArray<CCrossConfigInfo, CCrossConfigInfo&>& all) {
    return db_.SynchroniseById(kSelectAll, all, "ID");
}

}  // namespace ghdb
