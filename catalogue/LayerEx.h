#pragma once

#include "frame/TableRecord.h"
#include "platform/mfc/CString.h"

namespace ghdb {

// How a GIS layer is drawn and coded in CAD (GH_LayerEx, one row per layer). Its parse id
// names the figure layer that the layer's features are drawn on.
class CLayerEx : public CTableRecord<CLayerEx> {
public:
    CLayerEx() = default;
    // The defaults, accepting the drawing entity kinds that suit a layer of `shapeType`.
    explicit CLayerEx(long shapeType);
    CLayerEx(const CLayerEx& other) = default;
    CLayerEx& operator=(const CLayerEx& other) = default;
    ~CLayerEx() override = default;

    long LayerID = 0;
    long LayerParseID = 0;
    long DrawOrder = 0;
    long GuideParamID = 0;
    long CodeLayerID = 0;
    long CodeDigit = 0;
    long DefCodeSeed = 0;
    // One "0"/"1" per drawing entity kind.
    CString DWGEntType = "000000000000000";
    CString DefCodePrefix;
    CString CodePrefixField;
    CString CodeSeedField;
    long DefCodeFixType = 0;
    CString StandardField;
    CString LabelField;

    static const ColumnTable<CLayerEx>& Columns();
};

}  // namespace ghdb
