// Cascades and replace-alls with a statement made to fail at each position, in both ways a
// statement can fail: alone, or taking the whole transaction with it.

#include <functional>

#include "catalogue/CatalogueFixture.h"

namespace ghdb::test {
namespace {

struct Cascade;

class CascadeFaultTest : public CatalogueTest, public ::testing::WithParamInterface<Cascade> {
public:
    Counts Snapshot() {
        Counts counts;
        for (const std::string& table : CatalogueTables()) counts[table] = Count(table);
        return counts;
    }
    // A group with a child group, each with a layer of its own, and a layer shared with another
    // group; every layer with a row in every table that names it.
    long LayOutGroups() {
        const long removed = AddGroup("removed");
        const long child = AddGroup("child", removed);
        const long other = AddGroup("other");
        for (long layer : {10, 11, 12}) {
            InsertLayer(layer, "layer");
            AddDependants(layer, layer * 10);
        }
        Link(removed, 10, 1);
        Link(child, 11, 1);
        Link(removed, 12, 2);
        Link(other, 12, 1);
        Exec(
            "INSERT INTO GHGIS_ApplyClass (ApplyClassID, ApplyClassName, DataObjectID, "
            "DataObjectType) VALUES (2, 'groups', " +
            N(removed) + ", 1)");
        return removed;
    }
    // A spatial database with two layers and another database with one.
    long LayOutDatabases() {
        const long removed = AddSpacialDB("removed", "ArcSDE");
        const long other = AddSpacialDB("other", "ArcSDE");
        for (long layer : {10, 11, 12}) {
            InsertLayer(layer, "layer", layer == 12 ? other : removed);
            AddDependants(layer, layer * 10);
            Link(1, layer, layer);
        }
        return removed;
    }
    long LayOutLayers() {
        for (long layer : {10, 11}) {
            InsertLayer(layer, "layer");
            AddDependants(layer, layer * 10);
            Link(1, layer, layer);
        }
        return 10;
    }
    long LayOutFigures() { return LayOutLayers() * 10; }
};

struct Cascade {
    const char* name;
    // Lays out the rows; returns the key of what the cascade removes.
    long (CascadeFaultTest::*layOut)();
    long (CBaseClassAccess::*run)(long);
    // The table whose failing statement is a guard: the cascade stops and undoes itself.
    std::string guard;
    // The table whose statement alone decides the answer (none: the cascade answers 2).
    std::string last;
    // A table whose failing statement shows exactly one message.
    std::string shown;
};

void PrintTo(const Cascade& cascade, std::ostream* out) {
    *out << cascade.name;
}

TEST_P(CascadeFaultTest, AFailedStatementIsSkippedAloneAndAnEndedTransactionUndoesEverything) {
    const Cascade& cascade = GetParam();
    const long removed = std::invoke(cascade.layOut, this);
    const Counts before = Snapshot();
    ASSERT_EQ(std::invoke(cascade.run, access, removed), 2);
    const Counts after = Snapshot();

    for (const std::string& table : CatalogueTables()) {
        // Only the tables the cascade changes can make it fail.
        if (before.at(table) == after.at(table)) continue;
        for (Failure failure : {Failure::Alone, Failure::EndsTransaction}) {
            SCOPED_TRACE(table +
                         (failure == Failure::Alone ? " fails alone" : " ends the transaction"));
            ClearFaults();
            ClearCatalogue();
            const long again = std::invoke(cascade.layOut, this);
            InjectFault(table, "DELETE", failure);
            messages.clear();
            const long status = std::invoke(cascade.run, access, again);
            ClearFaults();
            // Some steps fail silently by contract; a lost transaction is always shown.
            if (failure == Failure::EndsTransaction) {
                EXPECT_FALSE(messages.messages().empty());
            }
            if (failure == Failure::EndsTransaction || table == cascade.guard) {
                EXPECT_EQ(status, -1);
                EXPECT_EQ(Snapshot(), before);
                continue;
            }
            EXPECT_EQ(status, table == cascade.last ? -1 : 2);
            if (table == cascade.shown) {
                EXPECT_EQ(messages.messages().size(), 1u);
            }
            Counts expected = after;
            expected[table] = before.at(table);
            EXPECT_EQ(Snapshot(), expected);
        }
    }
    // The access object goes on working after the failures (on a server, over a new link).
    EXPECT_EQ(access->DeleteLayer(999), 2);
}

const Cascade kCascades[] = {
    {"DeleteLayerGroup", &CascadeFaultTest::LayOutGroups, &CBaseClassAccess::DeleteLayerGroup,
     "GHGIS_LayerGroupLayerRelation", "GHGIS_LayerGroup", ""},
    {"DeleteSpacialDBInfo", &CascadeFaultTest::LayOutDatabases,
     &CBaseClassAccess::DeleteSpacialDBInfo, "", "GHGIS_SpacialDBInfo", "GH_VerifyUpdate"},
    {"DeleteLayer", &CascadeFaultTest::LayOutLayers, &CBaseClassAccess::DeleteLayer, "", "",
     "GHGIS_SubjectLayers"},
    {"DeleteFigureLayerEx", &CascadeFaultTest::LayOutFigures,
     &CBaseClassAccess::DeleteFigureLayerEx, "", "GH_LayerEx", "GH_FigureLayerIndex"},
};

INSTANTIATE_TEST_SUITE_P(Catalogue, CascadeFaultTest, ::testing::ValuesIn(kCascades),
                         [](const auto& instance) { return std::string(instance.param.name); });

// Replacements and two-row writes: whichever row fails, in whichever way, the old rows are all
// there afterwards and the answer is -1.
using ReplaceFaultTest = CatalogueTest;

TEST_F(ReplaceFaultTest, AReplacementThatFailsAnywhereLeavesTheOldRows) {
    Insert("GH_FieldInfo (LayerID, Sequence, FieldName)", {"10, 0, 'old0'", "10, 1, 'old1'"});
    const std::string fields = "SELECT FieldName FROM GH_FieldInfo ORDER BY Sequence";
    const Table before = Rows(fields);

    const std::pair<const char*, const char*> positions[] = {
        {"DELETE", ""},
        {"INSERT", "NEW.Sequence = 0"},
        {"INSERT", "NEW.Sequence = 1"},
        {"INSERT", "NEW.Sequence = 2"},
    };
    for (const auto& [event, when] : positions) {
        for (Failure failure : {Failure::Alone, Failure::EndsTransaction}) {
            SCOPED_TRACE(std::string(event) + " " + when);
            InjectFault("GH_FieldInfo", event, failure, when);
            CAutoReleaseArray<CGISFieldInfo*, CGISFieldInfo*> fresh;
            for (const char* name : {"new0", "new1", "new2"})
                fresh.Add(new CGISFieldInfo(Field(name)));
            messages.clear();
            EXPECT_EQ(access->UpdateLayerFieldInfo(10, fresh), -1);
            EXPECT_FALSE(messages.messages().empty());
            ClearFaults();
            EXPECT_EQ(Rows(fields), before);
        }
    }
}

TEST_F(ReplaceFaultTest, ALayerAndItsLinkAreStoredTogetherWhicheverFails) {
    const long group = AddGroup("group");
    for (const char* table : {"GHGIS_Layer", "GHGIS_LayerGroupLayerRelation"}) {
        for (Failure failure : {Failure::Alone, Failure::EndsTransaction}) {
            SCOPED_TRACE(table);
            InjectFault(table, "INSERT", failure);
            CGISLayer layer;
            layer.LayerID = 10;
            EXPECT_EQ(access->AddLayer(group, layer), -1);
            ClearFaults();
            EXPECT_EQ(Count("GHGIS_Layer") + Count("GHGIS_LayerGroupLayerRelation"), 0);
        }
    }
}

}  // namespace
}  // namespace ghdb::test
