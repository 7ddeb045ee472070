#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "catalogue/CatalogueFixture.h"

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

class CADStyleTest : public CatalogueTest {
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
    ASSERT_EQ(blocks.GetSize(), 3);
    EXPECT_EQ(blocks[2].Name, "NORTH");
    EXPECT_EQ(access->GetCADLineStylesOfFile("sym.dwg", lines), 1);

    EXPECT_EQ(access->DeleteCADLineStylesOfFile("O'Neil.lin"), 2);
    EXPECT_EQ(access->DeleteCADBlockNamesOfFile("sym.dwg"), 2);
    EXPECT_EQ(Stored(), (std::vector<std::string>{"1 ODD@b.lin", "2 NORTH@O'Neil.lin"}));
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(CADStyleTest, FontStylesReplaceTheWholeTable) {
    CArray<CCADFontStyle, CCADFontStyle&> styles;
    CCADFontStyle style;
    style.StyleName = "HZ";
    style.FileName = "txt.shx";
    style.BigFontFileName = "hztxt.shx";
    styles.Add(style);
    EXPECT_EQ(access->EditCADFontStyles(styles), 2);
    EXPECT_EQ(access->EditCADFontStyles(styles), 2);
    EXPECT_EQ(Rows("SELECT * FROM GH_FontConfig"), (Table{{"HZ", "txt.shx", "hztxt.shx"}}));

    CArray<CCADFontStyle, CCADFontStyle&> empty;
    EXPECT_EQ(access->EditCADFontStyles(empty), 2);
    EXPECT_EQ(access->GetCADFontStyles(empty), 1);
    EXPECT_EQ(Count("GH_FontConfig"), 0);
}

// A replacement whose insert fails leaves the rows as they were and reports the error.
TEST_F(CADStyleTest, AReplacementThatFailsKeepsTheOldRows) {
    auto lines = Lines({{"DASH", "a.lin"}});
    ASSERT_EQ(access->EditCADLineStylesOfFile("a.lin", lines), 2);
    auto blocks = Blocks({{"N", "a.lin"}});
    ASSERT_EQ(access->EditCADBlockNamesOfFile("a.lin", blocks), 2);
    CArray<CCADFontStyle, CCADFontStyle&> fonts;
    CCADFontStyle font;
    fonts.Add(font);
    ASSERT_EQ(access->EditCADFontStyles(fonts), 2);
    Exec("CREATE UNIQUE INDEX GHT_LineBlockName ON GH_LineBlockConfig (Name)");
    Exec("CREATE UNIQUE INDEX GHT_FontStyleName ON GH_FontConfig (StyleName)");
    const auto before = Stored();

    lines = Lines({{"NEW", "a.lin"}, {"N", "a.lin"}});
    EXPECT_EQ(access->EditCADLineStylesOfFile("a.lin", lines), -1);
    blocks = Blocks({{"NEW", "a.lin"}, {"DASH", "a.lin"}});
    EXPECT_EQ(access->EditCADBlockNamesOfFile("a.lin", blocks), -1);
    fonts.Add(font);
    EXPECT_EQ(access->EditCADFontStyles(fonts), -1);

    EXPECT_EQ(Stored(), before);
    EXPECT_EQ(Count("GH_FontConfig"), 1);
    ASSERT_EQ(messages.messages().size(), 3u);
    EXPECT_EQ(messages.messages()[0].caption, "数据库错误");
}

}  // namespace
}  // namespace ghdb::test
