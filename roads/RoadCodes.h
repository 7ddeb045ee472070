#pragma once

// The fixed display names of the coded values of road design, shared by the record classes
// that show or parse them.

#include "frame/CodedNames.h"

namespace ghdb::roads {

inline constexpr CodedName kRoadGrades[] = {
    {1, "快速路"}, {2, "主干路"}, {3, "次干路"}, {4, "支路"}, {5, "对外道路"},
};

inline constexpr CodedName kRoadLines[] = {
    {0, "道路中线"}, {1, "植树线"}, {2, "绿化带"}, {3, "路缘石线"}, {4, "道路红线"}, {5, "抹角线"},
};
// The road lines that names are parsed back into, in the order they are tried.
inline constexpr CodedName kParsedRoadLines[] = {
    {0, "道路中线"},
    {4, "道路红线"},
    {3, "路缘石线"},
};

// Lines drawn for a default radius.
inline constexpr CodedName kDrawnLines[] = {
    {0, "交叉口线"},
    {1, "内侧转角线"},
    {2, "外侧转角线"},
    {3, "中线抹角线"},
};

inline constexpr CodedName kCornerTypes[] = {
    {1, "尖角"},
    {2, "切角"},
    {4, "圆角"},
    {7, "拓宽"},
};

// Whether a crossing corner is filleted.
inline constexpr CodedName kRoundings[] = {
    {1, "倒圆角"},
    {2, "不倒圆角"},
};

// Cross-section variants: the road type of a board, and as bit flags the variants that a road
// standard offers.
inline constexpr CodedName kRoadTypes[] = {
    {0, "一线路"},
    {1, "三线路"},
    {2, "五线路"},
};
inline constexpr CodedName kRoadTypeFlags[] = {
    {1, "一线路"},
    {2, "三线路"},
    {4, "五线路"},
};

// Where a way lies across the section, by name and by the digit that block names carry.
inline constexpr CodedName kWayPositions[] = {
    {0, "左"},
    {1, "中"},
    {2, "右"},
};
inline constexpr CodedName kWayPositionDigits[] = {
    {0, "0"},
    {1, "1"},
    {2, "2"},
};

}  // namespace ghdb::roads
