#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "families/FamilyTest.h"

namespace ghdb::test {
namespace {

CGHRLPhaseSubject PhaseSubject(const char* flow, long phase, long subject) {
    CGHRLPhaseSubject rec;
    rec.WorkFlowID = flow;
    rec.PhaseNo = phase;
    rec.SubjectID = subject;
    return rec;
}
CGHRLEditRight Right(const char* flow, long phase, const char* right) {
    CGHRLEditRight rec;
    rec.WorkFlowID = flow;
    rec.PhaseNo = phase;
    rec.HXRight = right;
    return rec;
}
CGHRLFlowMap FlowSubject(const char* flow, long subject) {
    CGHRLFlowMap rec;
    rec.FlowID = flow;
    rec.SubjectID = subject;
    return rec;
}
// Field maps, each of a workflow and a business field.
CArray<CGHRLFieldMap, CGHRLFieldMap&> Maps(
    std::initializer_list<std::pair<const char*, const char*>> flowAndField) {
    CArray<CGHRLFieldMap, CGHRLFieldMap&> maps;
    for (const auto& [flow, oaField] : flowAndField) {
        CGHRLFieldMap map;
        map.WorkFlowID = flow;
        map.OAFieldName = oaField;
        maps.Add(map);
    }
    return maps;
}

// Settings of the workflows A1 and A3 (phase 1), and of A2 (phase 2 only); the subject of each
// is its number (11, 22, 13) and its right its own id.
class RedLineTest : public FamilyTest {
protected:
    void SetUp() override {
        FamilyTest::SetUp();
        for (auto [flow, phase, subject] :
             {std::tuple{"A1", 1L, 11L}, std::tuple{"A3", 1L, 13L}, std::tuple{"A2", 2L, 22L}}) {
            CGHRLPhaseSubject subjectOfPhase = PhaseSubject(flow, phase, subject);
            ASSERT_EQ(access->EditPhaseSubject(subjectOfPhase), 2);
            CGHRLEditRight right = Right(flow, phase, flow);
            ASSERT_EQ(access->EditRedLineRight(right), 2);
            CGHRLFlowMap flowSubject = FlowSubject(flow, subject);
            ASSERT_EQ(access->EditFlowSubject(flowSubject), 2);
            auto maps = Maps({{flow, "XMMC"}, {flow, flow}});
            ASSERT_EQ(access->EditRedLineFieldMap(flow, maps), 2);
        }
    }
};

// Which workflow's settings a read takes: the requested one, or with a candidate list the
// greatest listed one not above it that has settings ("" when none has). The phase settings
// look for rows of the phase; the workflow-wide ones know no phase.
struct Fallback {
    const char* requested;
    long phase;
    const char* candidates;
    std::string chosenForPhase;
    std::string chosenForFlow;
};

TEST_F(RedLineTest, ReadsFallBackToTheGreatestEarlierListedWorkflow) {
    const Fallback cases[] = {
        {"A1", 1, "", "A1", "A1"},
        {"A2", 1, "", "", "A2"},
        {"A2", 1, "'A1', 'A2', 'A3'", "A1", "A2"},
        {"A3", 1, "'A1', 'A2'", "A1", "A2"},
        {"A9", 1, "'A1', 'A3'", "A3", "A3"},
        {"A0", 1, "'A1', 'A3'", "", ""},
        {"A3", 2, "'A1', 'A2', 'A3'", "A2", "A3"},
    };
    const std::map<std::string, long> subjectOf = {{"A1", 11}, {"A2", 22}, {"A3", 13}};
    for (const Fallback& c : cases) {
        SCOPED_TRACE(std::string(c.requested) + " phase " + std::to_string(c.phase) + " in " +
                     c.candidates);
        const std::string& phase = c.chosenForPhase;
        CGHRLPhaseSubject subject = PhaseSubject(c.requested, c.phase, -5);
        EXPECT_EQ(access->GetPhaseSubject(subject, c.candidates), phase.empty() ? 1 : 2);
        EXPECT_EQ(subject.WorkFlowID, phase.empty() ? c.requested : phase);
        EXPECT_EQ(subject.SubjectID, phase.empty() ? -5 : subjectOf.at(phase));
        CGHRLEditRight right = Right(c.requested, c.phase, "none");
        EXPECT_EQ(access->GetRedLineRight(right, c.candidates), phase.empty() ? 1 : 2);
        EXPECT_EQ(right.HXRight, phase.empty() ? "none" : phase);

        const std::string& flowId = c.chosenForFlow;
        CGHRLFlowMap flow = FlowSubject(c.requested, -5);
        EXPECT_EQ(access->GetFlowSubject(flow, c.candidates), flowId.empty() ? 1 : 2);
        EXPECT_EQ(flow.FlowID, flowId.empty() ? c.requested : flowId);
        CArray<CGHRLFieldMap, CGHRLFieldMap&> maps;
        EXPECT_EQ(access->GetRedLineFieldMap(c.requested, maps, c.candidates),
                  flowId.empty() ? 1 : 2);
        ASSERT_EQ(maps.GetSize(), flowId.empty() ? 0 : 2);
        for (const CGHRLFieldMap& map : maps) EXPECT_EQ(map.WorkFlowID, flowId);
    }
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(RedLineTest, EditsReplaceTheSettingsOfTheirKeyOrNothing) {
    CGHRLPhaseSubject subject = PhaseSubject("O'Flow", 1, 99);
    EXPECT_EQ(access->EditPhaseSubject(subject), 2);
    EXPECT_EQ(access->EditPhaseSubject(subject), 2);
    CGHRLEditRight right = Right("O'Flow", 1, "edit");
    EXPECT_EQ(access->EditRedLineRight(right), 2);
    EXPECT_EQ(access->EditRedLineRight(right), 2);
    CGHRLFlowMap flow = FlowSubject("O'Flow", 98);
    EXPECT_EQ(access->EditFlowSubject(flow), 2);
    EXPECT_EQ(access->EditFlowSubject(flow), 2);
    for (const char* table : {"GHRL_PhaseSubject", "GHRL_HXEditRight"})
        EXPECT_EQ(Count(table, "WorkFlowID = 'O''Flow'"), 1) << table;
    EXPECT_EQ(Count("GHRL_FlowMap", "FlowID = 'O''Flow'"), 1);
    CGHRLPhaseSubject read = PhaseSubject("O'Flow", 1, 0);
    EXPECT_EQ(access->GetPhaseSubject(read, "'A1', 'O''Flow'"), 2);
    EXPECT_EQ(read.SubjectID, 99);

    // Each field map keeps its own workflow id.
    auto maps = Maps({{"O'Flow", "f"}, {"B7", "f"}});
    EXPECT_EQ(access->EditRedLineFieldMap("O'Flow", maps), 2);
    EXPECT_EQ(access->EditRedLineFieldMap("O'Flow", maps), 2);
    EXPECT_EQ(Count("GHRL_FieldMap", "WorkFlowID = 'O''Flow'"), 1);
    EXPECT_EQ(Count("GHRL_FieldMap", "WorkFlowID = 'B7'"), 2);
    EXPECT_TRUE(messages.messages().empty());

    // An edit that fails keeps the old settings.
    Exec("CREATE UNIQUE INDEX GHT_PhaseSubjectOnce ON GHRL_PhaseSubject (SubjectID)");
    Exec("CREATE UNIQUE INDEX GHT_FlowSubjectOnce ON GHRL_FlowMap (SubjectID)");
    Exec("CREATE UNIQUE INDEX GHT_RightOnce ON GHRL_HXEditRight (HXRight)");
    const auto stored = [this] {
        std::vector<Table> rows;
        for (const char* table : {"GHRL_PhaseSubject", "GHRL_FlowMap", "GHRL_HXEditRight"})
            rows.push_back(Rows(std::string("SELECT * FROM ") + table));
        for (Table& table : rows) std::ranges::sort(table);
        return rows;
    };
    const std::vector<Table> before = stored();

    // Each new row collides with the settings of another workflow, or with its own.
    subject = PhaseSubject("A1", 1, 13);
    EXPECT_EQ(access->EditPhaseSubject(subject), -1);
    flow = FlowSubject("A1", 22);
    EXPECT_EQ(access->EditFlowSubject(flow), -1);
    right = Right("A1", 1, "A3");
    EXPECT_EQ(access->EditRedLineRight(right), -1);

    EXPECT_EQ(stored(), before);
    EXPECT_EQ(messages.messages().size(), 3u);
}

}  // namespace
}  // namespace ghdb::test
