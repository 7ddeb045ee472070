#pragma once

#include "frame/Columns.h"
#include "frame/TableRecord.h"
#include "platform/mfc/CString.h"

namespace ghdb {

// The default radius with which the kerb of one road turns into another
// (GHSJ_RoadDefaultRadiusConfig): one radius per pair of road grades, road line, drawn line and
// corner type. Road standards name radii by RadiusID.
class CGHRoadRadius : public CTableRecord<CGHRoadRadius> {
public:
    CGHRoadRadius() = default;
    CGHRoadRadius(const CGHRoadRadius& other) = default;
    CGHRoadRadius& operator=(const CGHRoadRadius& other) = default;
    ~CGHRoadRadius() override = default;

    long RadiusID = -1;
    long enuRoadGrade1 = 0;
    long enuRoadGrade2 = 0;
    long enuRoadLineType = 0;
    // The drawn line: 0 crossing line, 1 inner corner, 2 outer corner, 3 centre-line chamfer.
    long LineType = 0;
    long enuCornerType = 0;
    double Radius = 0.0;

    // Copies the seven members; the access object stays this record's own.
    void Init(CGHRoadRadius other);
    long GetIDField() const { return RadiusID; }

    // Display names of the codes; an empty string for a code without a name.
    CString GetRoadGrade1() const;
    CString GetRoadGrade2() const;
    CString GetRoadLineType() const;
    CString GetCornerType() const;
    CString GetLineType() const;

    // Codes of display names, after trimming white space at both ends; -1 for an unknown name.
    // Of the road lines only the centre line, the red line and the kerb line are parsed.
    static long GetRoadGradeFromName(CString name);
    static long GetRoadLineTypeFromName(CString name);
    static long GetLineTypeFromName(CString name);
    static long GetCornerTypeFromName(CString name);
    // The number that the text starts with (after white space); 0.0 when it starts with none.
    static double GetRadiusFromName(CString text);

    static const ColumnTable<CGHRoadRadius>& Columns();
};

}  // namespace ghdb
