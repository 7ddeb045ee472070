#include <gtest/gtest.h>

#include "support/TestDatabase.h"

namespace ghdb::test {
namespace {

class FieldEnumDefTest : public DatabaseTest {};

TEST_F(FieldEnumDefTest, EntriesComeInEnumerationThenDisplayOrderWithTheirKeys) {
    for (const char* row : {"'4-second', 20, 4, 2", "'7-first', 70, 7, 1", "'4-first', 10, 4, 1",
                            "'2-only', 5, 2, 9"})
        Exec(std::string("INSERT INTO GHSJ_FieldEnumDef (EnumText, EnumValue, EnumType, Sequence) "
                         "VALUES (") +
             row + ")");
    const auto texts = [](CArray<CFieldEnumDef, CFieldEnumDef&>& entries) {
        std::vector<std::string> out;
        for (int i = 0; i < entries.GetSize(); ++i) out.push_back(entries[i].EnumText.str());
        return out;
    };
    CArray<CFieldEnumDef, CFieldEnumDef&> all;
    EXPECT_EQ(access->GetFieldEnumDefArray(-1, all), 2);
    EXPECT_EQ(texts(all), (std::vector<std::string>{"2-only", "4-first", "4-second", "7-first"}));

    CArray<CFieldEnumDef, CFieldEnumDef&> four;
    EXPECT_EQ(access->GetFieldEnumDefArray(4, four), 2);
    EXPECT_EQ(texts(four), (std::vector<std::string>{"4-first", "4-second"}));
    EXPECT_EQ(four[0].EnumValue, 10);
    EXPECT_EQ(Rows("SELECT ID FROM GHSJ_FieldEnumDef WHERE EnumText = '4-first'")[0][0],
              std::to_string(four[0].ID));
    EXPECT_EQ(access->GetFieldEnumDefArray(9, four), 1);
    EXPECT_EQ(four.GetSize(), 2);
}

}  // namespace
}  // namespace ghdb::test
