#include <fmt/format.h>
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <unordered_set>

#include "platform/mfc/CString.h"

using namespace ghdb;

namespace {

static_assert(std::is_nothrow_move_constructible_v<CString>);
static_assert(std::is_nothrow_move_assignable_v<CString>);
static_assert(sizeof(CString) == sizeof(std::string),
              "a CString must cost what a std::string does");

// What an operation gives, as text: a text, a character or a number.
struct Out {
    Out(const char* t) : text(t) {}
    Out(const CString& t) : text(t.str()) {}
    Out(char ch) : text(1, ch) {}
    Out(int number) : text(std::to_string(number)) {}
    std::string text;
};

constexpr const char* kOutOfRange = "<out of range>";
constexpr const char* kFormatError = "<format error>";
constexpr const char* kNull = nullptr;
constexpr const char* kSource = "Data Source=srv;User ID=sa;";

int Sign(int order) {
    return (order > 0) - (order < 0);
}

// An operation on a text made from `input`, what it gives, and the text afterwards.
struct Case {
    const char* input;
    std::function<Out(CString&)> op;
    Out expected;
    const char* after = nullptr;  // nullptr: the input, unchanged
};

const Case kCases[] = {
    // Construction: a null pointer is an empty text.
    {nullptr, [](CString& s) { return s.GetLength(); }, 0, ""},
    {"abc", [](CString& s) { return (s = kNull, s += kNull).GetLength(); }, 0, ""},
    {"", [](CString&) { return CString('-', 3); }, "---"},
    {"", [](CString&) { return CString('-', -1); }, ""},
    {"", [](CString&) { return CString("abcdef", 3); }, "abc"},
    {"", [](CString&) { return CString(std::string_view("sv")); }, "sv"},
    // Left, Mid and Right clamp as MFC does; element access is bounds-checked.
    {"abcdef", [](CString& s) { return s.Left(2); }, "ab"},
    {"abcdef", [](CString& s) { return s.Left(-1); }, ""},
    {"abcdef", [](CString& s) { return s.Left(100); }, "abcdef"},
    {"abcdef", [](CString& s) { return s.Mid(2); }, "cdef"},
    {"abcdef", [](CString& s) { return s.Mid(-3); }, "abcdef"},
    {"abcdef", [](CString& s) { return s.Mid(6); }, ""},
    {"abcdef", [](CString& s) { return s.Mid(60); }, ""},
    {"abcdef", [](CString& s) { return s.Mid(1, 2); }, "bc"},
    {"abcdef", [](CString& s) { return s.Mid(-1, 2); }, "ab"},
    {"abcdef", [](CString& s) { return s.Mid(4, 100); }, "ef"},
    {"abcdef", [](CString& s) { return s.Mid(1, -1); }, ""},
    {"abcdef", [](CString& s) { return s.Mid(1, INT_MAX); }, "bcdef"},
    {"abcdef", [](CString& s) { return s.Mid(INT_MAX, INT_MAX); }, ""},
    {"abcdef", [](CString& s) { return s.Right(2); }, "ef"},
    {"abcdef", [](CString& s) { return s.Right(-2); }, ""},
    {"abcdef", [](CString& s) { return s.Right(100); }, "abcdef"},
    {"ab", [](CString& s) { return s.GetAt(1); }, 'b'},
    {"ab", [](CString& s) { return s[2]; }, '\0'},
    {"ab", [](CString& s) { return s.GetAt(3); }, kOutOfRange},
    {"ab", [](CString& s) { return s.GetAt(-1); }, kOutOfRange},
    {"ab", [](CString& s) { return s.SetAt(0, 'x'), s; }, "xb", "xb"},
    {"ab", [](CString& s) { return s.SetAt(2, 'y'), s; }, kOutOfRange},
    // Searching.
    {kSource, [](CString& s) { return s.Find(';'); }, 15},
    {kSource, [](CString& s) { return s.Find(';', 16); }, 26},
    {kSource, [](CString& s) { return s.Find(';', 27); }, -1},
    {kSource, [](CString& s) { return s.Find('D', -1); }, -1},
    {kSource, [](CString& s) { return s.Find('D', s.GetLength()); }, -1},
    {kSource, [](CString& s) { return s.Find("User ID"); }, 16},
    {kSource, [](CString& s) { return s.Find("Source", 6); }, -1},
    {kSource, [](CString& s) { return s.Find("Password"); }, -1},
    {kSource, [](CString& s) { return s.Find("", 3); }, 3},
    {kSource, [](CString& s) { return s.Find("a", s.GetLength() + 1); }, -1},
    {kSource, [](CString& s) { return s.Find(kNull); }, -1},
    {kSource, [](CString& s) { return s.ReverseFind(';'); }, 26},
    {kSource, [](CString& s) { return s.ReverseFind('#'); }, -1},
    {kSource, [](CString& s) { return s.FindOneOf("=;"); }, 11},
    {kSource, [](CString& s) { return s.FindOneOf("#!"); }, -1},
    {kSource, [](CString& s) { return s.FindOneOf(""); }, -1},
    // Positions count bytes: two characters of three bytes each come first.
    {"图层=道路;", [](CString& s) { return s.Find('='); }, 6},
    {"图层=道路;", [](CString& s) { return s.Find("道路"); }, 7},
    // Trimming white space, one character or a set.
    {" \t\r\n value \v\f", [](CString& s) { return s.Trim(); }, "value", "value"},
    {"  left  ", [](CString& s) { return s.TrimLeft(); }, "left  ", "left  "},
    {"  left  ", [](CString& s) { return s.TrimRight(); }, "  left", "  left"},
    {"xxaxx", [](CString& s) { return s.Trim('x'); }, "a", "a"},
    {"xxaxx", [](CString& s) { return s.TrimLeft('x'); }, "axx", "axx"},
    {"xxaxx", [](CString& s) { return s.TrimRight('x'); }, "xxa", "xxa"},
    {"([name])", [](CString& s) { return s.TrimLeft("[("); }, "name])", "name])"},
    {"([name])", [](CString& s) { return s.TrimRight(")]"); }, "([name", "([name"},
    {"--==", [](CString& s) { return s.Trim("=-"); }, "", ""},
    {" keep ", [](CString& s) { return s.Trim(""); }, " keep "},
    {"  数据库  ", [](CString& s) { return s.Trim(); }, "数据库", "数据库"},
    // Byte-wise order (bytes compare unsigned); CompareNoCase folds ASCII only, to lower case,
    // so '_' (between the two cases) sorts before letters.
    {"abc", [](CString& s) { return s == "abc" && "abc" == s && s != "abd" && "abd" != s; }, 1},
    {"abc", [](CString& s) { return s < "abd" && "ab" < s; }, 1},
    {"Z", [](CString& s) { return s < CString("a"); }, 1},
    {"z", [](CString& s) { return s < CString("中"); }, 1},
    {"abc", [](CString& s) { return Sign(s.Compare("abc")); }, 0},
    {"abc", [](CString& s) { return Sign(s.Compare("abd")); }, -1},
    {"abc", [](CString& s) { return Sign(s.Compare("ab")); }, 1},
    {"abc", [](CString& s) { return Sign(s.Compare(nullptr)); }, 1},
    {"a",
     [](CString& s) {
         return std::map<CString, int>{{"b", 2}, {s, 1}}.begin()->second;
     },
     1},
    {"x",
     [](CString& s) {
         return int(std::unordered_set<CString>{"x", "y"}.count(s));
     },
     1},
    {"LayerName", [](CString& s) { return s.CompareNoCase("LAYERNAME"); }, 0},
    {"数据库Error", [](CString& s) { return s.CompareNoCase("数据库ERROR"); }, 0},
    {"数据库", [](CString& s) { return Sign(s.CompareNoCase("数据")); }, 1},
    {"图层", [](CString& s) { return Sign(s.CompareNoCase("道路")); }, -1},
    {"图层", [](CString& s) { return s.CompareNoCase("道路") == s.Compare("道路"); }, 1},
    {"abc", [](CString& s) { return Sign(s.CompareNoCase("ABD")); }, -1},
    {"b", [](CString& s) { return Sign(s.CompareNoCase("A")); }, 1},
    {"_", [](CString& s) { return Sign(s.CompareNoCase("A")); }, -1},
    {"", [](CString& s) { return Sign(s.CompareNoCase("a")); }, -1},
    {"", [](CString& s) { return s.CompareNoCase(nullptr); }, 0},
    {"Abc中文Def", [](CString& s) { return s.MakeUpper(); }, "ABC中文DEF", "ABC中文DEF"},
    {"Abc中文Def", [](CString& s) { return s.MakeLower(); }, "abc中文def", "abc中文def"},
    // Replacing, inserting, deleting (indices clamped) and concatenating.
    {"O'Brien's", [](CString& s) { return s.Replace("'", "''"); }, 2, "O''Brien''s"},
    {"aaaa", [](CString& s) { return s.Replace("aa", "b"); }, 2, "bb"},
    {"aaa", [](CString& s) { return s.Replace("aa", "a"); }, 1, "aa"},
    {"aa", [](CString& s) { return s.Replace("", "x"); }, 0},
    {"aa", [](CString& s) { return s.Replace("zz", "x"); }, 0},
    {"aa", [](CString& s) { return s.Replace("a", nullptr); }, 2, ""},
    {"ab", [](CString& s) { return s.Replace("b", s); }, 1, "aab"},  // the text itself
    {"a.b.c", [](CString& s) { return s.Replace('.', '/'); }, 2, "a/b/c"},
    {"a/b/c", [](CString& s) { return s.Remove('/'); }, 2, "abc"},
    {"ac", [](CString& s) { return s.Insert(1, "b"); }, 3, "abc"},
    {"abc", [](CString& s) { return s.Insert(-5, "<"); }, 4, "<abc"},
    {"<abc", [](CString& s) { return s.Insert(99, '>'); }, 5, "<abc>"},
    {"<abc>", [](CString& s) { return s.Delete(0); }, 4, "abc>"},
    {"abc>", [](CString& s) { return s.Delete(2, 100); }, 2, "ab"},
    {"ab", [](CString& s) { return s.Delete(5, 1); }, 2},
    {"ab", [](CString& s) { return s.Delete(0, -1); }, 2},
    {"ab", [](CString& s) { return s.Delete(-1, 1); }, 1, "b"},
    {"a", [](CString& s) { return s + "b" + 'c' + CString("d"); }, "abcd"},
    {"a", [](CString& s) { return "x" + s; }, "xa"},
    {"a", [](CString& s) { return 'y' + s; }, "ya"},
    {"a", [](CString& s) { return s + s; }, "aa"},
    {"ab", [](CString& s) { return s += CString("c"), s += "!", s += '?'; }, "abc!?", "abc!?"},
    // ReleaseBuffer takes the length from the terminating zero, or clamps the one given.
    {"", [](CString& s) { return std::strcpy(s.GetBuffer(16), "host"), s.ReleaseBuffer(), s; },
     "host", "host"},
    {"host", [](CString& s) { return s.GetBuffer(0)[2] = '\0', s.ReleaseBuffer(), s; }, "ho", "ho"},
    {"",
     [](CString& s) { return std::memcpy(s.GetBuffer(8), "abcdefgh", 8), s.ReleaseBuffer(3), s; },
     "abc", "abc"},
    {"abc", [](CString& s) { return s.GetBuffer(2), s.ReleaseBuffer(50), s; }, "abc"},
    // Formatting into the text itself; arguments that do not fit throw and leave it alone.
    {"x", [](CString& s) { return s.Format("%s-%s", s, s), s.AppendFormat(" %d", 42), s; },
     "x-x 42", "x-x 42"},
    {"x", [](CString& s) { return s.Format("%d", CString("12")), s; }, kFormatError},
    {"x", [](CString& s) { return s.Format("%s", 1.5), s; }, kFormatError},
    {"x", [](CString& s) { return s.Format("%d %d", 1), s; }, kFormatError},
};

TEST(CStringTest, EveryOperationGivesAndLeavesWhatMfcDoes) {
    for (std::size_t i = 0; i < std::size(kCases); ++i) {
        const Case& c = kCases[i];
        CString s(c.input);
        std::string got;
        try {
            got = c.op(s).text;
        } catch (const std::out_of_range&) {
            got = kOutOfRange;
        } catch (const fmt::format_error&) {
            got = kFormatError;
        }
        EXPECT_EQ(got, c.expected.text) << "case " << i << ": " << (c.input ? c.input : "null");
        EXPECT_EQ(s.str(), c.after ? c.after : c.input ? c.input : "") << "case " << i;
    }
    // Whatever it holds, the text's pointer is never null.
    const CString blank;
    const char* empty = blank;
    ASSERT_NE(empty, nullptr);
    EXPECT_STREQ(empty, "");
}

TEST(CStringTest, StatementTemplatesComeOutByteForByte) {
    const short kind = -3;
    const char* none = nullptr;
    const std::pair<CString, const char*> formatted[] = {
        {FormatString("(ID = %d) AND (Name='%s')", 5L, CString("a")), "(ID = 5) AND (Name='a')"},
        {FormatString("%d|%d|%d|%u|%s", kind, true, BOOL(FALSE), UINT(4000000000U), "text"),
         "-3|1|0|4000000000|text"},
        // Tabs, doubled blanks and a trailing blank survive.
        {FormatString("ON \t\tA.ID = B.ID \t\tWHERE  (B.G = %d)  AND (%s) ", 12L, CString("X")),
         "ON \t\tA.ID = B.ID \t\tWHERE  (B.G = 12)  AND (X) "},
        {FormatString("(SubjectID = %d%s)", 9L, CString(" AND O <> -1")),
         "(SubjectID = 9 AND O <> -1)"},
        {FormatString("(SubjectID = %d%s)", 9L, CString()), "(SubjectID = 9)"},
        {FormatString("%.2f|%.2f|100%%", 3.14159, 2.0), "3.14|2.00|100%"},
        {FormatString("[%-5s][%5s][%.2s]", CString("ab"), CString("cd"), CString("efgh")),
         "[ab   ][   cd][ef]"},
        {FormatString("[%s]", none).Left(1), "["},  // without reading through the pointer
        {fmt::format("<{}>|{:>4}", CString("中文"), CString("ab")), "<中文>|  ab"},
    };
    for (const auto& [text, expected] : formatted) EXPECT_EQ(text, expected);
}

}  // namespace
