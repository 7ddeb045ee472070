// Cascades and replace-alls with a statement made to fail at each position, in both ways a
// statement can fail: alone, or taking the whole transaction with it.

#include <algorithm>
#include <functional>

#include "catalogue/CatalogueFixture.h"

namespace ghdb::test {
namespace {

using Counts = std::map<std::string, long>;

struct Cascade {
    const char* name;
    // Lays out the rows and runs the cascade on them.
    std::function<void(class CascadeFaultTest&)> layOut;
    std::function<long(class CascadeFaultTest&)> run;
    // The tables whose failing statement is a guard: the cascade stops and undoes itself.
    std::vector<std::string> guards;
    // What the cascade answers when a statement on `table` fails alone.
    std::function<long(const std::string& table)> statusAfterFailure;
};

void PrintTo(const Cascade& cascade, std::ostream* out) {
    *out << cascade.name;
}

class CascadeFaultTest : public CatalogueTest, public ::testing::WithParamInterface<Cascade> {
public:
    Counts Snapshot() {
        Counts counts;
        for (const std::string& table : CatalogueTables()) counts[table] = Count(table);
        return counts;
    }
    void Reset() {
        ClearFaults();
        ClearCatalogue();
    }
    // A group with a child group, each with a layer of its own, and a layer shared with another
    // group; every layer with a row in every table that names it.
    void LayOutGroups() {
        removed = AddGroup("removed");
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
    }
    // A spatial database with two layers and another database with one.
    void LayOutDatabases() {
        removed = AddSpacialDB("removed", "ArcSDE");
        const long other = AddSpacialDB("other", "ArcSDE");
        for (long layer : {10, 11, 12}) {
            InsertLayer(layer, "layer", layer == 12 ? other : removed);
            AddDependants(layer, layer * 10);
            Link(1, layer, layer);
        }
    }
    void LayOutLayers() {
        for (long layer : {10, 11}) {
            InsertLayer(layer, "layer");
            AddDependants(layer, layer * 10);
            Link(1, layer, layer);
        }
        removed = 10;
    }

    CBaseClassAccess& Access() { return *access; }

    long removed = 0;
};

TEST_P(CascadeFaultTest, AFailedStatementIsSkippedAloneAndAnEndedTransactionUndoesEverything) {
    const Cascade& cascade = GetParam();
    cascade.layOut(*this);
    const Counts before = Snapshot();
    ASSERT_EQ(cascade.run(*this), 2);
    const Counts after = Snapshot();

    for (const std::string& table : CatalogueTables()) {
        // Only the tables the cascade changes can make it fail.
        if (before.at(table) == after.at(table)) continue;
        for (Failure failure : {Failure::Alone, Failure::EndsTransaction}) {
            SCOPED_TRACE(table +
                         (failure == Failure::Alone ? " fails alone" : " ends the transaction"));
            Reset();
            cascade.layOut(*this);
            InjectFault(table, "DELETE", failure);
            messages.clear();
            const long status = cascade.run(*this);
            ClearFaults();
            // Some steps fail silently by contract; a lost transaction is always shown.
            if (failure == Failure::EndsTransaction) {
                EXPECT_FALSE(messages.messages().empty());
            }
            const bool guard = std::find(cascade.guards.begin(), cascade.guards.end(), table) !=
                               cascade.guards.end();
            if (failure == Failure::EndsTransaction || guard) {
                EXPECT_EQ(status, -1);
                EXPECT_EQ(Snapshot(), before);
                continue;
            }
            EXPECT_EQ(status, cascade.statusAfterFailure(table));
            Counts expected = after;
            expected[table] = before.at(table);
            EXPECT_EQ(Snapshot(), expected);
        }
    }
    // The access object goes on working after the failures (on a server, over a new link).
    EXPECT_EQ(access->DeleteLayer(999), 2);
}

INSTANTIATE_TEST_SUITE_P(
    Catalogue, CascadeFaultTest,
    ::testing::Values(
        Cascade{"DeleteLayerGroup",
                [](CascadeFaultTest& fixture) { fixture.LayOutGroups(); },
                [](CascadeFaultTest& fixture) {
                    return fixture.Access().DeleteLayerGroup(fixture.removed);
                },
                {"GHGIS_LayerGroupLayerRelation"},
                [](const std::string& table) { return table == "GHGIS_LayerGroup" ? -1L : 2L; }},
        Cascade{"DeleteSpacialDBInfo",
                [](CascadeFaultTest& fixture) { fixture.LayOutDatabases(); },
                [](CascadeFaultTest& fixture) {
                    return fixture.Access().DeleteSpacialDBInfo(fixture.removed);
                },
                {},
                [](const std::string& table) { return table == "GHGIS_SpacialDBInfo" ? -1L : 2L; }},
        Cascade{
            "DeleteLayer",
            [](CascadeFaultTest& fixture) { fixture.LayOutLayers(); },
            [](CascadeFaultTest& fixture) { return fixture.Access().DeleteLayer(fixture.removed); },
            {},
            [](const std::string&) { return 2L; }}),
    [](const auto& instance) { return std::string(instance.param.name); });

// Replacements and two-row writes: whichever row fails, in whichever way, the old rows are all
// there afterwards and the answer is -1.
class ReplaceFaultTest : public CatalogueTest {
protected:
    Table Fields() {
        return Rows("SELECT FieldName FROM GH_FieldInfo WHERE LayerID = 10 ORDER BY Sequence");
    }
};

TEST_F(ReplaceFaultTest, AReplacementThatFailsAnywhereLeavesTheOldRows) {
    InsertLayer(10, "layer");
    CArray<CGISFieldInfo, CGISFieldInfo&> old;
    for (const char* name : {"old0", "old1"}) {
        CGISFieldInfo field;
        field.FieldName = name;
        old.Add(field);
    }
    ASSERT_EQ(access->UpdateLayerFieldInfo(10, old), 2);
    const Table before = Fields();

    struct Position {
        const char* event;
        std::string when;
    };
    const Position positions[] = {
        {"DELETE", ""},
        {"INSERT", "NEW.Sequence = 0"},
        {"INSERT", "NEW.Sequence = 1"},
        {"INSERT", "NEW.Sequence = 2"},
    };
    for (const Position& position : positions) {
        for (Failure failure : {Failure::Alone, Failure::EndsTransaction}) {
            SCOPED_TRACE(std::string(position.event) + " " + position.when);
            InjectFault("GH_FieldInfo", position.event, failure, position.when);
            CArray<CGISFieldInfo*, CGISFieldInfo*> fresh;
            for (const char* name : {"new0", "new1", "new2"}) {
                auto* field = new CGISFieldInfo;
                field->FieldName = name;
                fresh.Add(field);
            }
            messages.clear();
            EXPECT_EQ(access->UpdateLayerFieldInfo(10, fresh), -1);
            EXPECT_FALSE(messages.messages().empty());
            ReleaseArrayData(fresh, 0);
            ClearFaults();
            EXPECT_EQ(Fields(), before);
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
            EXPECT_EQ(Count("GHGIS_Layer"), 0);
            EXPECT_EQ(Count("GHGIS_LayerGroupLayerRelation"), 0);
        }
    }
}

}  // namespace
}  // namespace ghdb::test
