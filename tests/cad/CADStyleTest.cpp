#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "families/FamilyTest.h"

namespace ghdb::test {
namespace {

// Entries left at the kind a new record starts as.
template <class Entry>
CArray<Entry, Entry&> Entries(std::initializer_list<std::pair<const char*, const char*>> named) {
    CArray<Entry, Entry&> array;
    for (const auto& [name, file] : named) {
        Entry entry;
        entry.Name = name;
        entry.FileName = file;
        array.Add(entry);
    }
    return array;
}
const auto Lines = Entries<CCADLineStyle>;
const auto Blocks = Entries<CCADBlockName>;

class CADStyleTest : public FamilyTest {
protected:
    // "type name@file" of every stored row, sorted.
    std::vector<std::string> Stored() {
        std::vector<std::string> rows;
        for (const auto& row : Rows("SELECT Type, Name, FileName FROM GH_LineBlockConfig"))
            rows.push_back(row[0] + " " + row[1] + "@" + row[2]);
        std::ranges::sort(rows);
        return rows;
    }
};

TEST_F(CADStyleTest, LineTypesAndBlocksAreKeptPerFileAndKind) {
    CStringArray files;
    EXPECT_EQ(access->GetCADBlockFiles(files), 1);
    CArray<CCADFontStyle, CCADFontStyle&> fonts;
    EXPECT_EQ(access->GetCADFontStyles(fonts), 1);

    // Each element is stored under its own file: the odd one joins b.lin.
    auto lines = Lines({{"DASH", "O'Neil.lin"}, {"DOT", "O'Neil.lin"}, {"ODD", "b.lin"}});
    EXPECT_EQ(access->EditCADLineStylesOfFile("O'Neil.lin", lines), 2);
    auto blocks = Blocks({{"NORTH", "O'Neil.lin"}, {"TREE", "sym.dwg"}});
    EXPECT_EQ(access->EditCADBlockNamesOfFile("O'Neil.lin", blocks), 2);
    lines = Lines({{"CENTER", "O'Neil.lin"}});
    EXPECT_EQ(access->EditCADLineStylesOfFile("O'Neil.lin", lines), 2);
    EXPECT_EQ(Stored(), (std::vector<std::string>{"1 CENTER@O'Neil.lin", "1 ODD@b.lin",
                                                  "2 NORTH@O'Neil.lin", "2 TREE@sym.dwg"}));

    EXPECT_EQ(access->GetCADLineStyleFiles(files), 2);
    EXPECT_EQ(files.GetSize(), 2);
    // Reads append to what the array holds.
    EXPECT_EQ(access->GetCADBlockNamesOfFile("O'Neil.lin", blocks), 2);
    EXPECT_EQ(Each(blocks, [](auto& b) { return Text(b.Name); }),
              (std::vector<std::string>{"NORTH", "TREE", "NORTH"}));
    EXPECT_EQ(access->GetCADLineStylesOfFile("sym.dwg", lines), 1);

    EXPECT_EQ(access->DeleteCADLineStylesOfFile("O'Neil.lin"), 2);
    EXPECT_EQ(access->DeleteCADBlockNamesOfFile("sym.dwg"), 2);
    EXPECT_EQ(Stored(), (std::vector<std::string>{"1 ODD@b.lin", "2 NORTH@O'Neil.lin"}));
    EXPECT_TRUE(messages.messages().empty());
}

}  // namespace
}  // namespace ghdb::test
