#include <gtest/gtest.h>

#include <cstring>

#include "drivers/pg/PgValue.h"

namespace ghdb::driver::pg {
namespace {

struct Case {
    Oid type;
    const char* text;
    VARTYPE vt;
    const char* shown;  // the value as text (bytes as they are)
};

// Each type as the ODBC route (psqlODBC's defaults) gives it.
const Case kCases[] = {
    {23, "-42", VT_I4, "-42"},
    {21, "7", VT_I4, "7"},
    {20, "42", VT_I4, "42"},
    {20, "5000000000", VT_I8, "5000000000"},
    {26, "12", VT_I4, "12"},
    {700, "0.1", VT_R8, "0.1"},
    {701, "-3.75", VT_R8, "-3.75"},
    {701, "Infinity", VT_R8, "inf"},
    {1700, "12", VT_I4, "12"},
    {1700, "12.50", VT_R8, "12.5"},
    {kBoolOid, "t", VT_BSTR, "1"},
    {kBoolOid, "f", VT_BSTR, "0"},
    {25, "道路 text", VT_BSTR, "道路 text"},
    {1043, "", VT_BSTR, ""},
    {1114, "2024-02-03 04:05:06", VT_BSTR, "2024-02-03 04:05:06"},
    {1114, "2024-02-03 04:05:06.5", VT_BSTR, "2024-02-03 04:05:06.500"},
    {1114, "2024-02-03 04:05:06.123456", VT_BSTR, "2024-02-03 04:05:06.123456"},
    {1184, "2024-01-01 19:04:05.5+00", VT_BSTR, "2024-01-01 19:04:05.500"},
    {1184, "2024-01-01 19:04:05-03:30", VT_BSTR, "2024-01-01 19:04:05"},
    {1082, "2024-01-02", VT_BSTR, "2024-01-02"},
    {2950, "a0eebc99-9c0b-4ef8-bb6d-6bb9bd380a11", VT_BSTR, "A0EEBC99-9C0B-4EF8-BB6D-6BB9BD380A11"},
    {kByteaOid, "\\x00ff41", VT_BLOB_BYTES,
     "\0\xff"
     "A"},
};

TEST(PgValue, ColumnTextsBecomeTheValuesOfTheOdbcRoute) {
    _variant_t value("left over text that the next value must not keep");
    for (const Case& c : kCases) {
        ReadValue(c.text, static_cast<int>(std::strlen(c.text)), KindOf(c.type), value);
        EXPECT_EQ(value.vt, c.vt) << c.text;
        if (c.vt == VT_BLOB_BYTES) {
            EXPECT_EQ(value.str, std::string(c.shown, 3)) << c.text;
        } else {
            EXPECT_EQ(VariantToText(value).value_or("?"), c.shown) << c.text;
        }
    }
}

TEST(PgValue, ParametersAreTextsAndBytesKeepTheirBytes) {
    Parameters p;
    p.add(_variant_t(12));
    p.add(_variant_t(static_cast<long long>(5000000000)));
    p.add(_variant_t(true));
    p.add(_variant_t(0.1f));
    p.add(_variant_t(0.1));
    p.add(_variant_t("道路"));
    p.add(_variant_t::Null());
    p.add(_variant_t::Bytes(std::string("\0\x01", 2)), true);
    p.add(_variant_t("plain"), true);
    p.add(_variant_t(std::string("cut\0off", 7)));
    _variant_t date;
    date.vt = VT_DATE;
    date.date = 45325.25;  // 2024-02-03 06:00
    p.add(date);
    ASSERT_EQ(p.count(), 11);
    const char* const* values = p.values();
    // A float goes as the double it widens to, as the other engines store it.
    const std::vector<std::string> texts = {"12",  "5000000000", "1", "0.10000000149011612",
                                            "0.1", "道路"};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        EXPECT_EQ(values[i], texts[i]);
        EXPECT_EQ(p.formats()[i], 0);
    }
    EXPECT_EQ(values[6], nullptr);
    // Bytes for a bytea column, and any value holding a zero byte, go in binary form.
    EXPECT_EQ(std::string(values[7], static_cast<std::size_t>(p.lengths()[7])),
              std::string("\0\x01", 2));
    EXPECT_EQ(p.formats()[7], 1);
    EXPECT_EQ(p.formats()[8], 1);
    EXPECT_EQ(p.lengths()[9], 7);
    EXPECT_EQ(p.formats()[9], 1);
    EXPECT_STREQ(values[10], "2024-02-03 06:00:00");
}

}  // namespace
}  // namespace ghdb::driver::pg
