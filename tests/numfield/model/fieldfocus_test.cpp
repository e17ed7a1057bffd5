#include "fakewindow.h"

#include "numfield/model/invaliddatatype.h"

#include <gtest/gtest.h>

namespace paysmith {
namespace {

using namespace testing_support;
using Log = std::vector<std::string>;

class Leaving : public testing::Test {
  protected:
    const TIntlSupport intl;
    FakeWindow window{intl};
    FakeField& count = window.addCount("count");
    FakeField& amount = window.addAmount("amount");
};

// The program's recalculation runs on OnExit: between the leave handling and
// the focus coming back, and it must find the rejected field reading 0.
TEST_F(Leaving, RejectedValueComesBackBeforeItsMessage) {
    std::int32_t readOnExit = -1;
    int codeOnExit = -1;
    count.model.OnExit = [&] {
        window.log.push_back("exit count");
        readOnExit = count.model.IntegerValue();
        codeOnExit = count.model.LastValidationCode();
    };
    window.tabInto(count);
    window.type(u"40000");
    window.log.clear();
    window.tabInto(amount);
    window.runPosted();
    EXPECT_EQ(window.log, (Log{"exit count", "focus amount", "exit amount", "focus count",
                               "message Value is not within required range"}));
    EXPECT_EQ(readOnExit, 0);
    EXPECT_EQ(codeOnExit, ErrRange);
    EXPECT_EQ(window.focused(), &count);
    EXPECT_EQ(utf8(count.model.displayString()), "40000");
    EXPECT_FALSE(count.model.allSelected());
    EXPECT_FALSE(window.controller.errorPending());
}

TEST_F(Leaving, TheReturnedFocusKeepsEditingWhereItWas) {
    window.tabInto(count);
    window.type(u"-40000");
    window.tabInto(amount);
    window.runPosted();
    window.press(Key::Backspace);
    EXPECT_EQ(utf8(count.model.displayString()), "-4000");
    window.tabInto(amount);
    window.runPosted();
    EXPECT_EQ(window.focused(), &amount);
    EXPECT_EQ(utf8(count.model.displayString()), "-4000");
    EXPECT_EQ(count.model.IntegerValue(), -4000);
}

TEST_F(Leaving, OnlyOneReportWaitsAcrossFields) {
    window.tabInto(count);
    window.type(u"99999");
    window.controller.markErrorPending();
    window.log.clear();
    window.tabInto(amount);
    window.runPosted();
    EXPECT_EQ(window.log, (Log{"exit count", "focus amount", "exit amount", "focus count"}));
}

TEST_F(Leaving, AnotherWindowTakesTheFocusWithoutValidation) {
    window.tabInto(count);
    window.type(u"40000");
    window.log.clear();
    window.deactivate();
    window.runPosted();
    EXPECT_EQ(window.log, Log{});
    window.reactivate();
    window.type(u"5");
    EXPECT_EQ(utf8(count.model.displayString()), "400005");
}

TEST_F(Leaving, SoftValidationMarksTheFieldAndLetsTheFocusGo) {
    count.model.setOptions({TEntryFieldOption::efoSoftValidation});
    window.tabInto(count);
    window.type(u"40000");
    window.tabInto(amount);
    window.runPosted();
    EXPECT_EQ(window.focused(), &amount);
    EXPECT_EQ(count.model.look(), FieldLook::Error);
    count.model.setIntegerValue(12);
    EXPECT_EQ(count.model.look(), FieldLook::Normal);
}

TEST_F(Leaving, ADisabledFieldIsValidAsItStands) {
    window.tabInto(count);
    window.type(u"40000");
    count.model.setEnablement(Enablement::Disabled);
    window.tabInto(amount);
    window.runPosted();
    EXPECT_EQ(window.focused(), &amount);
    EXPECT_EQ(count.model.look(), FieldLook::Disabled);
    EXPECT_EQ(count.model.IntegerValue(), 0);
    EXPECT_EQ(count.model.LastValidationCode(), ErrRange);
}

TEST_F(Leaving, HooksReplaceTheMessageBoxAndMayChangeTheCode) {
    std::vector<int> codes;
    count.model.OnUserValidation = [](TNumericFieldModel&, int& code) {
        code = code == 0 ? 300 : code;
    };
    window.controller.OnError = [&](TNumericFieldModel&, int code, const std::u16string& message) {
        codes.push_back(code);
        window.log.push_back("hook " + utf8(message));
    };
    window.tabInto(count);
    window.type(u"12");
    window.tabInto(amount);
    window.runPosted();
    EXPECT_EQ(window.log.back(), "hook Entry Error");
    count.model.OnError = [&](TNumericFieldModel&, int code, const std::u16string&) {
        codes.push_back(-code);
    };
    window.tabInto(amount);
    window.runPosted();
    EXPECT_EQ(codes, (std::vector<int>{300, -300}));
}

TEST_F(Leaving, AfterEnterAndAfterExitArePostedNotRaisedAtOnce) {
    count.model.AfterEnter = [&] { window.log.push_back("after enter"); };
    count.model.AfterExit = [&] { window.log.push_back("after exit"); };
    window.tabInto(count);
    window.tabInto(amount);
    window.log.push_back("posted");
    window.runPosted();
    EXPECT_EQ(window.log, (Log{"focus count", "exit count", "focus amount", "posted", "after enter",
                               "after exit"}));
}

TEST(FieldLifetime, AFieldDestroyedWithAPendingReportFreesTheController) {
    const TIntlSupport intl;
    FakeWindow window(intl);
    FakeField& amount = window.addAmount("amount");
    {
        FakeField count(window, "count");
        count.model.setDataType(TNumericDataType::nftInteger);
        window.tabInto(count);
        window.type(u"40000");
        window.tabInto(amount);
        EXPECT_TRUE(window.controller.errorPending());
    }
    EXPECT_FALSE(window.controller.errorPending());
}

TEST(FieldValue, WritingLaysOutReadingGivesTheShownValue) {
    const TIntlSupport intl;
    FakeWindow window(intl);
    FakeField& amount = window.addAmount("amount");
    int changes = 0;
    amount.model.OnChange = [&] { ++changes; };
    amount.model.setFloatValue(972.9047);
    EXPECT_EQ(utf8(amount.model.displayString()), "972.90");
    EXPECT_DOUBLE_EQ(amount.model.FloatValue(), 972.9);
    EXPECT_EQ(amount.model.LastValidationCode(), 0);
    EXPECT_EQ(changes, 0);
}

TEST(FieldValue, ARangeOfItsOwnRejectsWhatTheTypeWouldTake) {
    const TIntlSupport intl;
    FakeWindow window(intl);
    FakeField& rate = window.addRate("rate");
    FakeField& amount = window.addAmount("amount");
    rate.model.setRangeLo(rangeRecordOf(TNumericDataType::nftDouble, 0));
    rate.model.setRangeHi(rangeRecordOf(TNumericDataType::nftDouble, 100));
    window.tabInto(rate);
    window.type(u"150");
    window.tabInto(amount);
    EXPECT_EQ(rate.model.LastValidationCode(), ErrRange);
    // Equal limits count as none set: the type's own range applies.
    rate.model.setRangeHi(rangeRecordOf(TNumericDataType::nftDouble, 0));
    EXPECT_DOUBLE_EQ(rate.model.FloatValue(), 150);
}

TEST(FieldValue, WritingToTheFocusedFieldSelectsItAndTypingGoesOnFromIt) {
    const TIntlSupport intl;
    FakeWindow window(intl);
    FakeField& amount = window.addAmount("amount");
    window.clickInto(amount);
    window.type(u"12");
    amount.model.setFloatValue(500);
    EXPECT_TRUE(amount.model.allSelected());
    window.press(Key::Right);
    window.type(u"3");
    EXPECT_EQ(utf8(amount.model.displayString()), "500.003");
}

struct WrongUse {
    const char* name;
    bool integerField;
    void (*use)(TNumericFieldModel&);
};

class ValueInterface : public testing::TestWithParam<WrongUse> {};

TEST_P(ValueInterface, RefusesTheWrongType) {
    const TIntlSupport intl;
    FakeWindow window(intl);
    FakeField& field = GetParam().integerField ? window.addCount("f") : window.addAmount("f");
    EXPECT_THROW(GetParam().use(field.model), EInvalidDataType);
}

INSTANTIATE_TEST_SUITE_P(
    WrongType, ValueInterface,
    testing::Values(
        WrongUse{"float_into_count", true, [](TNumericFieldModel& m) { m.setFloatValue(1); }},
        WrongUse{"integer_into_amount", false, [](TNumericFieldModel& m) { m.setIntegerValue(1); }},
        WrongUse{"integer_read_of_amount", false,
                 [](TNumericFieldModel& m) { static_cast<void>(m.IntegerValue()); }}),
    [](const testing::TestParamInfo<WrongUse>& info) { return info.param.name; });

} // namespace
} // namespace paysmith
