#pragma once

#include "frame/TableRecord.h"
#include "platform/mfc/CString.h"

namespace ghdb {

// One CAD layer of a figure layer (a row of GH_FigureLayer): the CAD layer that features of a
// kind are drawn on, with its colour, line type, text style, block, hatch and fill pattern.
class CCADLayerInfo : public CTableRecord<CCADLayerInfo> {
public:
    // The kind of a CAD layer, held in Type; kinds other than these are the host's own.
    enum CADINFOTYPE : long {
        DefaultLayer = 2,
        TextLayer = 3,
    };

    CCADLayerInfo() = default;
    CCADLayerInfo(const CCADLayerInfo& other) = default;
    CCADLayerInfo& operator=(const CCADLayerInfo& other) = default;
    ~CCADLayerInfo() override = default;

    CString StandardValue;
    CString LayerName;
    CString LayerAlias;
    CString LineName;
    CString FontName;
    CString BlockName;
    // The figure layer; the caller sets it.
    long ParseID = 0;
    long Type = -1;
    long GISInnerID = -100;   // stored as a 2-byte integer
    long ParentInnerID = -1;  // stored as a 2-byte integer
    long LayerColor = 7;
    double LineWidth = 0.0;
    double LineScale = 1.0;
    double FontHeight = 3.0;
    double BlockDirection = 0.0;
    double BlockScaleX = 1.0;
    double BlockScaleY = 1.0;
    double BlockScaleZ = 1.0;
    long Sequence = 0;  // stored as a 2-byte integer: the order within its kind
    CString TCHatchName;
    CString ClassInfo;
    CString PatternName;
    double PatternScale = 0.0;
    double PatternAngle = 0.0;
    long LayerRGBColor = -1;

    static const ColumnTable<CCADLayerInfo>& Columns();
};

}  // namespace ghdb
