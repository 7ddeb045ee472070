#include <fmt/format.h>
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <map>
#include <type_traits>
#include <unordered_set>

#include "platform/mfc/CString.h"

using namespace ghdb;

namespace {

static_assert(std::is_nothrow_move_constructible_v<CString>);
static_assert(std::is_nothrow_move_assignable_v<CString>);
static_assert(sizeof(CString) == sizeof(std::string),
              "a CString must cost what a std::string does");

TEST(CStringFormat, StatementTemplatesComeOutByteForByte) {
    const short kind = -3;
    const bool flag = true;
    const BOOL set = FALSE;
    const UINT id = 4000000000U;
    const char* none = nullptr;
    EXPECT_EQ(FormatString("(ID = %d) AND (Name='%s')", 5L, CString("a")),
              "(ID = 5) AND (Name='a')");
    EXPECT_EQ(FormatString("%d|%d|%d|%u|%s", kind, flag, set, id, "text"),
              "-3|1|0|4000000000|text");
    // Tabs, doubled blanks and a trailing blank survive.
    EXPECT_EQ(
        FormatString("ON \t\tA.ID = B.ID \t\tWHERE  (B.G = %d)  AND (%s) ", 12L, CString("X")),
        "ON \t\tA.ID = B.ID \t\tWHERE  (B.G = 12)  AND (X) ");
    EXPECT_EQ(FormatString("(SubjectID = %d%s)", 9L, CString(" AND O <> -1")),
              "(SubjectID = 9 AND O <> -1)");
    EXPECT_EQ(FormatString("(SubjectID = %d%s)", 9L, CString()), "(SubjectID = 9)");
    EXPECT_EQ(FormatString("%.2f|%.2f|100%%", 3.14159, 2.0), "3.14|2.00|100%");
    EXPECT_EQ(FormatString("[%-5s][%5s][%.2s]", CString("ab"), CString("cd"), CString("efgh")),
              "[ab   ][   cd][ef]");
    EXPECT_NE(FormatString("[%s]", none).Find('['), -1);  // without reading through the pointer
    EXPECT_EQ(fmt::format("<{}>|{:>4}", CString("中文"), CString("ab")), "<中文>|  ab");

    CString s("x");
    s.Format("%s-%s", s, s);
    s.AppendFormat(" %d", 42);
    EXPECT_EQ(s, "x-x 42");
    // Arguments that do not fit throw and leave the text alone.
    EXPECT_THROW(s.Format("%d", CString("12")), fmt::format_error);
    EXPECT_THROW(s.Format("%s", 1.5), fmt::format_error);
    EXPECT_THROW(s.Format("%d %d", 1), fmt::format_error);
    EXPECT_EQ(s, "x-x 42");
}

TEST(CStringConstruction, NullPointersGiveEmptyTextAndPointersAreNeverNull) {
    const CString fromNull(static_cast<const char*>(nullptr));
    EXPECT_TRUE(fromNull.IsEmpty());
    const CString empty;
    const char* p = empty;
    ASSERT_NE(p, nullptr);
    EXPECT_STREQ(p, "");

    CString s("abc");
    s = static_cast<const char*>(nullptr);
    EXPECT_EQ(s.GetLength(), 0);
    s += static_cast<const char*>(nullptr);
    EXPECT_EQ(s, "");

    EXPECT_EQ(CString('-', 3), "---");
    EXPECT_EQ(CString('-', -1), "");
    EXPECT_EQ(CString("abcdef", 3), "abc");
    EXPECT_EQ(CString(std::string_view("sv")), "sv");
}

TEST(CStringExtract, LeftMidRightClampLikeMfcAndElementsAreBoundsChecked) {
    const CString s("abcdef");
    EXPECT_EQ(s.Left(2), "ab");
    EXPECT_EQ(s.Left(-1), "");
    EXPECT_EQ(s.Left(100), "abcdef");

    EXPECT_EQ(s.Mid(2), "cdef");
    EXPECT_EQ(s.Mid(-3), "abcdef");
    EXPECT_EQ(s.Mid(6), "");
    EXPECT_EQ(s.Mid(60), "");
    EXPECT_EQ(s.Mid(1, 2), "bc");
    EXPECT_EQ(s.Mid(-1, 2), "ab");
    EXPECT_EQ(s.Mid(4, 100), "ef");
    EXPECT_EQ(s.Mid(1, -1), "");
    EXPECT_EQ(s.Mid(1, INT_MAX), "bcdef");
    EXPECT_EQ(s.Mid(INT_MAX, INT_MAX), "");

    EXPECT_EQ(s.Right(2), "ef");
    EXPECT_EQ(s.Right(-2), "");
    EXPECT_EQ(s.Right(100), "abcdef");

    // Element access is bounds-checked.
    CString e("ab");
    EXPECT_EQ(e.GetAt(1), 'b');
    EXPECT_EQ(e[2], '\0');
    EXPECT_THROW(e.GetAt(3), std::out_of_range);
    EXPECT_THROW(e.GetAt(-1), std::out_of_range);
    e.SetAt(0, 'x');
    EXPECT_EQ(e, "xb");
    EXPECT_THROW(e.SetAt(2, 'y'), std::out_of_range);
    EXPECT_EQ(e, "xb");
}

TEST(CStringSearch, FindReverseFindAndFindOneOf) {
    const CString s("Data Source=srv;User ID=sa;");
    EXPECT_EQ(s.Find(';'), 15);
    EXPECT_EQ(s.Find(';', 16), 26);
    EXPECT_EQ(s.Find(';', 27), -1);
    EXPECT_EQ(s.Find('D', -1), -1);
    EXPECT_EQ(s.Find('D', s.GetLength()), -1);
    EXPECT_EQ(s.Find("User ID"), 16);
    EXPECT_EQ(s.Find("Source", 6), -1);
    EXPECT_EQ(s.Find("Password"), -1);
    EXPECT_EQ(s.Find("", 3), 3);
    EXPECT_EQ(s.Find("a", s.GetLength() + 1), -1);
    EXPECT_EQ(s.Find(static_cast<const char*>(nullptr)), -1);
    EXPECT_EQ(s.ReverseFind(';'), 26);
    EXPECT_EQ(s.ReverseFind('#'), -1);
    EXPECT_EQ(s.FindOneOf("=;"), 11);
    EXPECT_EQ(s.FindOneOf("#!"), -1);
    EXPECT_EQ(s.FindOneOf(""), -1);

    const CString chinese("图层=道路;");
    EXPECT_EQ(chinese.Find('='), 6);  // two characters of three bytes each come first
    EXPECT_EQ(chinese.Find("道路"), 7);
}

TEST(CStringTrim, WhiteSpaceSingleCharactersAndSets) {
    CString s(" \t\r\n value \v\f");
    EXPECT_EQ(s.Trim(), "value");

    s = "  left  ";
    EXPECT_EQ(s.TrimLeft(), "left  ");
    EXPECT_EQ(s.TrimRight(), "left");

    s = "xxaxx";
    EXPECT_EQ(s.Trim('x'), "a");
    s = "xxaxx";
    EXPECT_EQ(s.TrimLeft('x'), "axx");
    EXPECT_EQ(s.TrimRight('x'), "a");

    s = "([name])";
    EXPECT_EQ(s.TrimLeft("[("), "name])");
    EXPECT_EQ(s.TrimRight(")]"), "name");
    s = "--==";
    EXPECT_EQ(s.Trim("=-"), "");
    s = " keep ";
    EXPECT_EQ(s.Trim(""), " keep ");

    s = "  数据库  ";
    EXPECT_EQ(s.Trim(), "数据库");
}

TEST(CStringCompare, ByteWiseOrderAndAsciiFoldingWithoutCase) {
    const CString a("abc");
    EXPECT_TRUE(a == "abc");
    EXPECT_TRUE("abc" == a);
    EXPECT_TRUE(a != "abd");
    EXPECT_TRUE("abd" != a);
    EXPECT_TRUE(a < "abd");
    EXPECT_TRUE("ab" < a);
    EXPECT_TRUE(CString("Z") < CString("a"));
    EXPECT_TRUE(CString("z") < CString("中"));  // bytes compare unsigned
    EXPECT_EQ(a.Compare("abc"), 0);
    EXPECT_LT(a.Compare("abd"), 0);
    EXPECT_GT(a.Compare("ab"), 0);
    EXPECT_GT(a.Compare(nullptr), 0);

    std::map<CString, int> byName{{"b", 2}, {"a", 1}};
    EXPECT_EQ(byName.begin()->second, 1);
    std::unordered_set<CString> names{"x", "y"};
    EXPECT_EQ(names.count(CString("x")), 1U);

    // CompareNoCase folds ASCII only.
    EXPECT_EQ(CString("LayerName").CompareNoCase("LAYERNAME"), 0);
    EXPECT_EQ(CString("数据库Error").CompareNoCase("数据库ERROR"), 0);
    EXPECT_NE(CString("数据库").CompareNoCase("数据"), 0);
    EXPECT_NE(CString("图层").CompareNoCase("道路"), 0);
    EXPECT_EQ(CString("图层").CompareNoCase("道路"), CString("图层").Compare("道路"));
    EXPECT_LT(CString("abc").CompareNoCase("ABD"), 0);
    EXPECT_GT(CString("b").CompareNoCase("A"), 0);
    // Folding goes to lower case, so '_' (between the two cases) sorts before letters.
    EXPECT_LT(CString("_").CompareNoCase("A"), 0);
    EXPECT_LT(CString("").CompareNoCase("a"), 0);
    EXPECT_EQ(CString("").CompareNoCase(nullptr), 0);

    CString mixed("Abc中文Def");
    EXPECT_EQ(mixed.MakeUpper(), "ABC中文DEF");
    EXPECT_EQ(mixed.MakeLower(), "abc中文def");
}

TEST(CStringEdit, ReplaceInsertDeleteAndConcatenate) {
    CString s("O'Brien's");
    EXPECT_EQ(s.Replace("'", "''"), 2);
    EXPECT_EQ(s, "O''Brien''s");

    s = "aaaa";
    EXPECT_EQ(s.Replace("aa", "b"), 2);
    EXPECT_EQ(s, "bb");
    s = "aaa";
    EXPECT_EQ(s.Replace("aa", "a"), 1);
    EXPECT_EQ(s, "aa");
    EXPECT_EQ(s.Replace("", "x"), 0);
    EXPECT_EQ(s.Replace("zz", "x"), 0);
    EXPECT_EQ(s.Replace("a", nullptr), 2);
    EXPECT_EQ(s, "");

    s = "ab";
    EXPECT_EQ(s.Replace("b", s), 1);  // the replacement may be the text itself
    EXPECT_EQ(s, "aab");

    s = "a.b.c";
    EXPECT_EQ(s.Replace('.', '/'), 2);
    EXPECT_EQ(s, "a/b/c");
    EXPECT_EQ(s.Remove('/'), 2);
    EXPECT_EQ(s, "abc");

    // Insert and Delete clamp their index.
    s = "ac";
    EXPECT_EQ(s.Insert(1, "b"), 3);
    EXPECT_EQ(s.Insert(-5, "<"), 4);
    EXPECT_EQ(s.Insert(99, '>'), 5);
    EXPECT_EQ(s, "<abc>");

    EXPECT_EQ(s.Delete(0), 4);
    EXPECT_EQ(s.Delete(2, 100), 2);
    EXPECT_EQ(s, "ab");
    EXPECT_EQ(s.Delete(5, 1), 2);
    EXPECT_EQ(s.Delete(0, -1), 2);
    EXPECT_EQ(s.Delete(-1, 1), 1);
    EXPECT_EQ(s, "b");

    const CString a("a");
    s = a + "b" + 'c' + CString("d");
    EXPECT_EQ(s, "abcd");
    EXPECT_EQ("x" + a, "xa");
    EXPECT_EQ('y' + a, "ya");
    EXPECT_EQ(a + a, "aa");
    s += a;
    s += "!";
    s += '?';
    EXPECT_EQ(s, "abcda!?");
    EXPECT_EQ(a, "a");
}

TEST(CStringBuffer, ReleaseBufferTakesTheLengthFromTheTerminatingZero) {
    CString s;
    char* buffer = s.GetBuffer(16);
    std::strcpy(buffer, "host");
    s.ReleaseBuffer();
    EXPECT_EQ(s, "host");
    EXPECT_EQ(s.GetLength(), 4);

    buffer = s.GetBuffer(0);
    EXPECT_STREQ(buffer, "host");
    buffer[2] = '\0';
    s.ReleaseBuffer();
    EXPECT_EQ(s, "ho");

    buffer = s.GetBuffer(8);
    std::memcpy(buffer, "abcdefgh", 8);
    s.ReleaseBuffer(3);
    EXPECT_EQ(s, "abc");

    s.GetBuffer(2);
    s.ReleaseBuffer(50);  // beyond the buffer: clamped to it
    EXPECT_EQ(s, "abc");
}

}  // namespace
