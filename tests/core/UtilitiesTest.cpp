// Key bits, the fixed-order quicksort, the date test and the growing int.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "core/GrowVal.h"
#include "core/KeyPress.h"
#include "core/isValentineDay.h"
#include "core/qsort2.h"

TEST(KeyPress, PressesAreReportedOnce) {
    KeyPress::getKeyJustGotPressedBitArray();
    KeyPress::setKeyStatus(KeyPress::BIT_KEY_PRESS, 1);
    KeyPress::setKeyStatus(KeyPress::BIT_KEY_PRESS, 1);
    KeyPress::setKeyStatus(KeyPress::BIT_KEY_UP, 1);
    EXPECT_EQ(KeyPress::getKeyIsPressedBitArray(), 0x22);
    EXPECT_EQ(KeyPress::getKeyJustGotPressedBitArray(), 0x22);
    EXPECT_EQ(KeyPress::getKeyJustGotPressedBitArray(), 0);
    KeyPress::setKeyStatus(KeyPress::BIT_KEY_UP, 1);  // still held: not new
    EXPECT_EQ(KeyPress::getKeyJustGotPressedBitArray(), 0);

    KeyPress::setKeyStatus(KeyPress::BIT_KEY_BACK, 1);
    KeyPress::setKeyStatus(KeyPress::BIT_KEY_BACK, 0);  // release keeps the just-pressed bit
    EXPECT_EQ(KeyPress::getKeyIsPressedBitArray(), 0x22);
    EXPECT_EQ(KeyPress::getKeyJustGotPressedBitArray(), 0x1);
    KeyPress::setKeyStatus(KeyPress::BIT_KEY_PRESS, 2);  // any status but 1 is up
    KeyPress::setKeyStatus(KeyPress::BIT_KEY_UP, 0);
    EXPECT_EQ(KeyPress::getKeyIsPressedBitArray(), 0);
}

struct Tagged {
    int key;
    char name;
};

static int calls = 0;
static int byKey(const void* a, const void* b) {
    calls++;
    return ((const Tagged*)a)->key - ((const Tagged*)b)->key;
}
static int byInt(const void* a, const void* b) {
    int x = *(const int*)a, y = *(const int*)b;
    return x < y ? -1 : x > y ? 1 : 0;
}

TEST(Qsort2, EqualElementsTakeTheFixedOrder) {
    Tagged three[] = {{1, 'A'}, {1, 'B'}, {1, 'C'}};
    qsort2(three, 3, sizeof(Tagged), byKey);
    EXPECT_EQ(std::string() + three[0].name + three[1].name + three[2].name, "BCA");

    calls = 0;
    Tagged one[] = {{5, 'X'}};
    qsort2(one, 1, sizeof(Tagged), byKey);
    qsort2(one, 0, sizeof(Tagged), byKey);
    EXPECT_EQ(calls, 0);
}

TEST(Qsort2, SortsRandomArraysWithDuplicates) {
    srand(1234);
    for (int round = 0; round < 200; round++) {
        std::vector<int> values(rand() % 40);
        for (int& v : values)
            v = rand() % 8 - 4;
        std::vector<int> expected = values;
        std::sort(expected.begin(), expected.end());
        qsort2(values.data(), (unsigned)values.size(), sizeof(int), byInt);
        EXPECT_EQ(values, expected);
    }
}

TEST(Utilities, ValentineDayAndGrowVal) {
    struct Case {
        int month, day;
        bool valentine;
    } cases[] = {{1, 14, true}, {1, 13, false}, {1, 15, false}, {0, 14, false}, {2, 14, false}};
    for (int year : {2011, 2024, 2031})
        for (const Case& c : cases) {
            struct tm local = {};
            local.tm_year = year - 1900;
            local.tm_mon = c.month;
            local.tm_mday = c.day;
            local.tm_hour = 12;
            local.tm_isdst = -1;
            EXPECT_EQ(isValentineDay(mktime(&local)), c.valentine) << year << "-" << c.month + 1 << "-" << c.day;
        }

    GrowVal g;
    g = 5;
    g = 3;
    EXPECT_EQ((int)g, 5);
    g = 9;
    EXPECT_EQ((int)g, 9);
}
