#include <gtest/gtest.h>

#include <climits>

#include "platform/com/Variant.h"

namespace ghdb {
namespace {

TEST(VariantTest, NumbersComeFromNumbersAndNumericText) {
    EXPECT_EQ(VariantToI4(_variant_t("12")), 12);
    EXPECT_EQ(VariantToI4(_variant_t(" -7 ")), -7);
    EXPECT_EQ(VariantToI4(_variant_t("abc")), std::nullopt);
    EXPECT_EQ(VariantToI4(_variant_t("")), std::nullopt);
    EXPECT_EQ(VariantToI4(_variant_t("0x10")), std::nullopt);
    EXPECT_EQ(VariantToI4(_variant_t(2.5)), 2);  // half to even
    EXPECT_EQ(VariantToI4(_variant_t(3.5)), 4);
    EXPECT_EQ(VariantToI4(_variant_t(true)), -1);
    EXPECT_EQ(VariantToI4(_variant_t::Null()), std::nullopt);
    EXPECT_EQ(VariantToR8(_variant_t("1.5e3")), 1500.0);
    EXPECT_EQ(VariantToR4(_variant_t(1e300)), std::nullopt);
}

TEST(VariantTest, ValuesThatDoNotFitFail) {
    EXPECT_EQ(VariantToI4(_variant_t(static_cast<long long>(INT_MAX) + 1)), std::nullopt);
    EXPECT_EQ(VariantToI2(_variant_t(40000)), std::nullopt);
    EXPECT_EQ(VariantToI4(_variant_t("99999999999")), std::nullopt);
    EXPECT_THROW(_variant_t(static_cast<long>(INT_MAX) + 1), _com_error);
    _variant_t v(40000);
    try {
        v.ChangeType(VT_I2);
        FAIL();
    } catch (const _com_error& e) {
        EXPECT_EQ(e.Error(), DISP_E_OVERFLOW);
    }
    EXPECT_EQ(v.vt, VT_I4);  // unchanged after a failure
    _variant_t text("abc");
    try {
        text.ChangeType(VT_I4);
        FAIL();
    } catch (const _com_error& e) {
        EXPECT_EQ(e.Error(), DISP_E_TYPEMISMATCH);
    }
}

TEST(VariantTest, FlagsReadAnyNonzeroAsTrueAndAreWrittenAsVariantTrue) {
    EXPECT_EQ(VariantToBool(_variant_t(2)), true);
    EXPECT_EQ(VariantToBool(_variant_t(0.0)), false);
    EXPECT_EQ(VariantToBool(_variant_t("True")), true);
    EXPECT_EQ(VariantToBool(_variant_t("0")), false);
    EXPECT_EQ(VariantToBool(_variant_t("maybe")), std::nullopt);
    const _variant_t flag(true);
    EXPECT_EQ(flag.vt, VT_BOOL);
    EXPECT_EQ(flag.boolVal, VARIANT_TRUE);
}

TEST(VariantTest, TextOfValuesAndChangeTypeInPlace) {
    EXPECT_EQ(VariantToText(_variant_t(42)), "42");
    EXPECT_EQ(VariantToText(_variant_t(1.5)), "1.5");
    EXPECT_EQ(VariantToText(_variant_t()), "");
    EXPECT_EQ(VariantToText(_variant_t::Null()), std::nullopt);
    EXPECT_EQ(VariantToText(_variant_t::Bytes("\x01\x02")), std::nullopt);
    _variant_t v("12");
    v.ChangeType(VT_I4);
    EXPECT_EQ(v.vt, VT_I4);
    EXPECT_EQ(v.lVal, 12);
    v.ChangeType(VT_BSTR);
    EXPECT_EQ(v, _variant_t("12"));
}

}  // namespace
}  // namespace ghdb
