// An access object whose server connection drops goes on working once the server is back.

#include "support/TestDatabase.h"

namespace ghdb::test {
namespace {

class ReconnectTest : public DatabaseTest {};

TEST_F(ReconnectTest, TheCallThatMeetsALostLinkFailsAndTheNextOpensItAgain) {
    if (OnSqlite()) GTEST_SKIP() << "an embedded database has no link to lose";
    CGISLayerGroup group;
    group.LayerGroupName = "kept";
    ASSERT_EQ(access->AddLayerGroup(group), 2);

    // Every other session of the database ends, as when the server restarts.
    Exec(
        "SELECT pg_terminate_backend(pid) FROM pg_stat_activity WHERE datname = "
        "current_database() AND pid <> pg_backend_pid()");
    CGISLayerGroup read;
    EXPECT_EQ(access->GetLayerGroupInfo(group.LayerGroupID, read), -1);
    EXPECT_EQ(messages.messages().size(), 1u);

    EXPECT_EQ(access->GetLayerGroupInfo(group.LayerGroupID, read), 2);
    EXPECT_EQ(read.LayerGroupName, "kept");
    CGISLayerGroup second;
    second.LayerGroupName = "added";
    EXPECT_EQ(access->AddLayerGroup(second), 2);
    EXPECT_EQ(Count("GHGIS_LayerGroup"), 2);
}

}  // namespace
}  // namespace ghdb::test
