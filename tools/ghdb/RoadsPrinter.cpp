#include "tools/ghdb/RoadsPrinter.h"

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace ghdb::tool {

namespace {

template <class T>
using Records = CAutoReleaseArray<T*, T*&>;

class RoadsWriter {
public:
    RoadsWriter(CBaseClassAccess& access, std::ostream& out) : access_(access), out_(out) {}

    bool Write() {
        Records<CGHRoadStandard> standards;
        Check(access_.GetAllGHRoadStandard(standards));
        ReadTables();
        for (const CGHRoadStandard* standard : standards) WriteStandard(*standard);
        return complete_;
    }

private:
    void Check(long status) {
        if (status < 0) complete_ = false;
    }

    void ReadTables() {
        Check(access_.GetAllGHRoadBoard(boards_));
        Check(access_.GetAllGHRoadWay(ways_));
        Check(access_.GetAllGHRoadBoardWay(boardWays_));
        Check(access_.GetAllGHRoadBoardWayWidth(widths_));
        Check(access_.GetAllGHRoadStandardBoard(standardBoards_));
        Check(access_.GetAllGHRoadStandardRadius(standardRadii_));
        Check(access_.GetAllGHRoadRadius(radii_));
        for (const CGHRoadBoard* board : boards_) boardOfId_.emplace(board->BoardID, board);
        for (const CGHRoadWay* way : ways_) wayNameOfId_.emplace(way->RoadWayID, way->RoadWayName);
        for (const CGHRoadRadius* radius : radii_) radiusOfId_.emplace(radius->RadiusID, radius);
        for (const CGHRoadBoardWay* way : boardWays_) waysOfBoard_[way->RoadBoardID].push_back(way);
        for (auto& [id, ways] : waysOfBoard_)
            std::ranges::stable_sort(ways, {}, &CGHRoadBoardWay::Sequence);
    }

    std::string LayerName(long layerId) {
        CGISLayer layer;
        if (access_.GetGISLayerInfo(layerId, layer, 0) != 2)
            return "layer " + std::to_string(layerId);
        return (layer.LayerAlias.IsEmpty() ? layer.LayerName : layer.LayerAlias).str();
    }

    void WriteStandard(const CGHRoadStandard& standard) {
        out_ << LayerName(standard.MLayerID) << " [layer " << standard.MLayerID << ", "
             << (standard.IsCityRoad ? "city road" : "not a city road") << ", "
             << standard.GetHasRoadTypesName().str() << "]\n";
        std::string lines;
        const std::pair<const char*, long> roles[] = {{"R", standard.RLayerID},
                                                      {"E", standard.ELayerID},
                                                      {"G", standard.GLayerID},
                                                      {"T", standard.TLayerID}};
        for (const auto& [role, layerId] : roles)
            if (layerId > 0)
                lines += std::string(lines.empty() ? "" : ", ") + role + " " + LayerName(layerId);
        if (!lines.empty()) out_ << "  " << lines << "\n";
        for (const CGHRoadStandardBoard* link : standardBoards_)
            if (link->RoadStandardID == standard.MLayerID) WriteBoard(link->RoadBoardID);
        for (const CGHRoadStandardRadius* link : standardRadii_)
            if (link->RoadStandardID == standard.MLayerID) WriteRadius(*link);
    }

    void WriteBoard(long boardId) {
        const auto board = boardOfId_.find(boardId);
        if (board == boardOfId_.end()) {
            out_ << "  board " << boardId << " (missing)\n";
            return;
        }
        out_ << "  board " << board->second->BoardName.str() << " ["
             << board->second->GetRoadType().str() << "]\n";
        for (const CGHRoadBoardWay* way : waysOfBoard_[boardId]) {
            const auto name = wayNameOfId_.find(way->RoadWayID);
            out_ << "    " << way->GetPosName().str() << " "
                 << (name == wayNameOfId_.end() ? "way " + std::to_string(way->RoadWayID)
                                                : name->second.str())
                 << " " << way->GetWidth().str() << "\n";
        }
        for (const CGHRoadBoardWayWidth* width : widths_)
            if (width->BoardID == boardId) out_ << "    widths " << width->Width_List.str() << "\n";
    }

    void WriteRadius(const CGHRoadStandardRadius& link) {
        out_ << "  radius of road type " << link.RoadTypeID << ": ";
        const auto radius = radiusOfId_.find(link.RadiusID);
        if (radius == radiusOfId_.end()) {
            out_ << "radius " << link.RadiusID << " (missing)\n";
            return;
        }
        const CGHRoadRadius& r = *radius->second;
        out_ << r.Radius << " (" << r.GetRoadGrade1().str() << "/" << r.GetRoadGrade2().str()
             << ", " << r.GetRoadLineType().str() << ", " << r.GetLineType().str() << ", "
             << r.GetCornerType().str() << ")\n";
    }

    CBaseClassAccess& access_;
    std::ostream& out_;
    bool complete_ = true;
    Records<CGHRoadBoard> boards_;
    Records<CGHRoadWay> ways_;
    Records<CGHRoadBoardWay> boardWays_;
    Records<CGHRoadBoardWayWidth> widths_;
    Records<CGHRoadStandardBoard> standardBoards_;
    Records<CGHRoadStandardRadius> standardRadii_;
    Records<CGHRoadRadius> radii_;
    std::map<long, const CGHRoadBoard*> boardOfId_;
    std::map<long, CString> wayNameOfId_;
    std::map<long, const CGHRoadRadius*> radiusOfId_;
    std::map<long, std::vector<const CGHRoadBoardWay*>> waysOfBoard_;
};

}  // namespace

bool WriteRoadStandards(CBaseClassAccess& access, std::ostream& out) {
    return RoadsWriter(access, out).Write();
}

}  // namespace ghdb::tool
