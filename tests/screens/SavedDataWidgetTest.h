// Panel tests over saved data: a fresh game directory per test, with the
// preferences, scores and achievements read from it, and read again from the
// game's own directory afterwards.
#pragma once

#include <memory>

#include "savedata/Achievements.h"
#include "savedata/Preferences.h"
#include "savedata/Scores.h"
#include "support/TempGameDir.h"
#include "support/WidgetTestSupport.h"

class SavedDataWidgetTest : public WidgetTest {
protected:
    void SetUp() override {
        WidgetTest::SetUp();
        dir = std::make_unique<TempGameDir>();
        reloadSavedData();
    }
    void TearDown() override {
        dir.reset();
        reloadSavedData();
        WidgetTest::TearDown();
    }
    static void reloadSavedData() {
        Preferences::reloadForTests();
        Scores::reloadForTests();
        Achievements::reloadForTests();
    }
    std::unique_ptr<TempGameDir> dir;
};
