// Integer script numbers: literals, conversions, wrapping arithmetic, division
// and remainder rules (division by zero never traps), printing.
#include <gtest/gtest.h>

#include "ScriptTestState.h"

namespace {
struct Case {
    const char* expression;
    const char* expected;
};

void expectAll(const Case* cases, size_t count) {
    ScriptTestState s;
    for (size_t i = 0; i < count; i++)
        EXPECT_EQ(s.eval(cases[i].expression), cases[i].expected) << cases[i].expression;
}
}  // namespace

TEST(NumberModel, LiteralsAndStringConversions) {
    const Case cases[] = {
        {"1.9", "1"},
        {"-1.9", "-1"},
        {"1e3", "1000"},
        {"0.5", "0"},
        {".7", "0"},
        {"5.", "5"},
        {"12e-1", "1"},
        {"0x10", "16"},
        {"0XfF", "255"},
        {"0xFFFFFFFF", "-1"},
        {"0x80000000", "-2147483648"},
        {"0x1FFFFFFFF", "-1"},
        {"2147483647", "2147483647"},
        {"2147483648", "2147483647"},
        {"1e999", "2147483647"},
        {"tonumber(' 12 ')", "12"},
        {"tonumber('\\t-3\\n')", "-3"},
        {"tonumber('12a')", "nil"},
        {"tonumber('-2147483649')", "-2147483648"},
        {"tonumber('-1e999')", "-2147483648"},
        {"tonumber('-0x10')", "-16"},
        {"tonumber('0x')", "nil"},
        {"tonumber('1e')", "nil"},
        {"tonumber('inf')", "nil"},
        {"tonumber('nan')", "nil"},
        {"tonumber('infinity')", "nil"},
        {"tonumber('0x1p4')", "nil"},
        {"tonumber('0x1.8')", "nil"},
        {"tonumber('')", "nil"},
        {"tonumber('.')", "nil"},
        {"tonumber('- 1')", "nil"},
        {"tonumber('1 2')", "nil"},
        {"tonumber('ff', 16)", "255"},
        {"tonumber('7.9')", "7"},
        {"'10' + 5", "15"},
        {"'0x10' * 2", "32"},
        {"' 3 ' - 1", "2"},
    };
    expectAll(cases, sizeof cases / sizeof cases[0]);
}

TEST(NumberModel, Arithmetic) {
    const Case cases[] = {
        {"7 / 2", "3"},
        {"-7 / 2", "-3"},
        {"7 / -2", "-3"},
        {"1 / 3", "0"},
        {"7 % 3", "1"},
        {"-7 % 3", "-1"},
        {"7 % -3", "1"},
        {"7 % -2", "1"},
        {"-7 % 2", "-1"},
        {"5 % -1", "0"},
        {"2 ^ 10", "1024"},
        {"2 ^ 0", "1"},
        {"2 ^ -1", "0"},
        {"2 ^ 31", "2147483647"},
        {"(-2) ^ 31", "-2147483648"},
        {"(-2) ^ 33", "-2147483648"},
        {"3 ^ 3 ^ 2", "19683"},
        {"0 ^ -1", "2147483647"},
        {"10 ^ 2 * 3", "300"},
        {"2147483647 + 1", "-2147483648"},
        {"-2147483647 - 2", "2147483647"},
        {"65536 * 65536", "0"},
        {"65537 * 65537", "131073"},
        {"-(-2147483647 - 1)", "-2147483648"},
        {"(-2147483647 - 1) / -1", "-2147483648"},
        {"(-2147483647 - 1) % -1", "0"},
        {"(-2147483647 - 1) * -1", "-2147483648"},
        {"math.abs(-2147483647 - 1)", "-2147483648"},
        {"1 < 2", "true"},
        {"-1 <= -1", "true"},
        {"3 == 3.9", "true"},
        {"#'abc' * 2", "6"},
    };
    expectAll(cases, sizeof cases / sizeof cases[0]);
}

// Folded constants follow the same rules as run-time values, and a zero
// divisor is left to run time, where it gives 0 (division) or the dividend
// (remainder) instead of trapping.
TEST(NumberModel, DivisionByZeroDoesNotTrap) {
    const Case cases[] = {
        {"7 / 0", "0"},
        {"7 % 0", "7"},
        {"-5 % 0", "-5"},
        {"0 / 0", "0"},
        {"(function() local z = 0 return 7 / z end)()", "0"},
        {"(function() local z = 0 return -7 % z end)()", "-7"},
        {"(function() local z = '0' return 9 / z end)()", "0"},
        {"(function() local a, b = -2147483647 - 1, -1 return a / b end)()", "-2147483648"},
        {"(function() local a, b = -2147483647 - 1, -1 return a % b end)()", "0"},
    };
    expectAll(cases, sizeof cases / sizeof cases[0]);
}

TEST(NumberModel, PrintingAndConcatenation) {
    const Case cases[] = {
        {"-5", "-5"},
        {"'a' .. 3", "a3"},
        {"3 .. ''", "3"},
        {"-12 .. 'x'", "-12x"},
        {"string.format('%d|%5.1f|%x', 42, 3, 255)", "42|  3.0|ff"},
        {"tostring(2147483647 + 1)", "-2147483648"},
        {"#tostring(-2147483647 - 1)", "11"},
    };
    expectAll(cases, sizeof cases / sizeof cases[0]);
}

TEST(NumberModel, LoopsAndTableIndexing) {
    ScriptTestState s;
    EXPECT_EQ(s.eval("(function() local n = 0 for i = 10, 1, -3 do n = n + i end return n end)()"), "22");
    EXPECT_EQ(s.eval("(function() local t = {} t[1.9] = 'x' return t[1] end)()"), "x");
    EXPECT_EQ(s.eval("#{1, 2, 3, nil, 5} >= 3"), "true");
}

TEST(NumberModel, NonNumericOperandRaisesTheStockError) {
    ScriptTestState s;
    std::string message = s.run("local x = 'abc' + 1");
    EXPECT_NE(message.find("attempt to perform arithmetic on a string value"), std::string::npos) << message;
    EXPECT_EQ(s.eval("setmetatable({}, {__add = function() return 7 end}) + 1"), "7");
}
