#include "tools/ghdb/MisTreePrinter.h"

#include <algorithm>
#include <string>

namespace ghdb::tool {

namespace {

class MisTreeWriter {
public:
    MisTreeWriter(CMisDBAccess& access, std::ostream& out) : access_(access), out_(out) {}

    bool Write() {
        CArray<CMISSubSystem, CMISSubSystem&> systems;
        Check(access_.GetAllMISSubSytem(systems));
        for (const CMISSubSystem& system : systems) {
            Line(0) << system.SystemName.str() << " (" << system.SystemCode.str() << ")\n";
            CArray<CMISBusiness, CMISBusiness&> businesses;
            Check(access_.GetBusinessInSubSystem(system.SystemCode, businesses));
            for (const CMISBusiness& business : businesses) WriteBusiness(business);
        }
        return complete_;
    }

private:
    void Check(long status) {
        if (status < 0) complete_ = false;
    }
    std::ostream& Line(int depth) {
        return out_ << std::string(static_cast<std::size_t>(depth) * 2, ' ');
    }

    void WriteBusiness(const CMISBusiness& business) {
        Line(1) << business.BusinessName.str() << " (" << business.BusinessCode.str() << ")\n";
        CArray<CMISWorkFlowCode, CMISWorkFlowCode&> codes;
        Check(access_.GetWorkFlowCodeInBusiness(business.BusinessCode, codes));
        for (const CMISWorkFlowCode& code : codes) {
            Line(2) << code.FlowName.str() << " (" << code.FlowCode.str() << ")\n";
            CArray<CMISWorkFlow, CMISWorkFlow&> versions;
            Check(access_.GetWorkFlowInFlowCode(code.FlowCode, versions));
            for (const CMISWorkFlow& version : versions) WriteVersion(version);
        }
    }

    void WriteVersion(const CMISWorkFlow& version) {
        Line(3) << "version " << version.Version << " [" << version.FlowID.str() << "]\n";
        CArray<CMISWorkPhase, CMISWorkPhase&> phases;
        Check(access_.GetMISWorkPhase(version.FlowID, phases));
        // The database lists phases in no particular order.
        std::stable_sort(
            phases.begin(), phases.end(),
            [](const CMISWorkPhase& a, const CMISWorkPhase& b) { return a.PhaseNo < b.PhaseNo; });
        for (const CMISWorkPhase& phase : phases)
            Line(4) << phase.PhaseNo << ". " << phase.PhaseName.str() << "\n";
    }

    CMisDBAccess& access_;
    std::ostream& out_;
    bool complete_ = true;
};

}  // namespace

bool WriteMisTree(CMisDBAccess& access, std::ostream& out) {
    return MisTreeWriter(access, out).Write();
}

}  // namespace ghdb::tool
