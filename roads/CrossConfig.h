#pragma once

#include "frame/Columns.h"
#include "frame/TableRecord.h"
#include "platform/mfc/CString.h"

namespace ghdb {

// The corner treatment of a crossing (GHSJ_RoadCornerOfCrossConfig): for a pair of road grades,
// a range of crossing angles and ranges of the two road widths, the corner type with its
// parameters, a radius, a green length and whether the corner is filleted. The database assigns
// ID.
class CCrossConfigInfo : public CTableRecord<CCrossConfigInfo> {
public:
    CCrossConfigInfo() = default;
    CCrossConfigInfo(const CCrossConfigInfo& other) = default;
    // Copies the members; the access object stays this record's own.
    CCrossConfigInfo& operator=(const CCrossConfigInfo& other);
    ~CCrossConfigInfo() override = default;

    long ID = -1;
    long RoadGrade1 = 0;
    long RoadGrade2 = 0;
    double Angle_Start = 0.0;
    double Angle_End = 0.0;
    long RoadlineType = 0;
    double RoadWidth1_Start = 0.0;
    double RoadWidth1_End = 0.0;
    double RoadWidth2_Start = 0.0;
    double RoadWidth2_End = 0.0;
    long CornerType = 0;
    double Radius = 0.0;
    CString RoadTuoParamFirst;
    CString RoadTuoParamSecond;
    double GreenLength = 0.0;
    // 1 fillet the corner, 2 no fillet.
    long TuoCircle = 0;

    long GetIDField() const { return ID; }

    // Display names of the codes; an empty string for a code without a name.
    CString GetRoadGrade1() const { return GetRoadGradeDes(RoadGrade1); }
    CString GetRoadGrade2() const { return GetRoadGradeDes(RoadGrade2); }
    CString GetRoadLineType() const { return GetRoadLineTypeDes(RoadlineType); }
    CString GetRoadCornerType() const { return GetRoadCornerTypeDes(CornerType); }
    CString GetTuoCirle() const { return GetTuoCirleDes(TuoCircle); }
    static CString GetRoadGradeDes(long code);
    static CString GetRoadLineTypeDes(long code);
    static CString GetRoadCornerTypeDes(long code);
    static CString GetTuoCirleDes(long code);
    // The rounding code of a name, compared exactly (no trimming); -1 for an unknown name.
    static long GetTuoCirleFromDes(CString name);

    static const ColumnTable<CCrossConfigInfo>& Columns();
};

}  // namespace ghdb
