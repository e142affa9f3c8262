// The main of the test programs: gtest's, run with a documents folder of the
// program's own and, as in the game, the preferences connected to the folders
// that read them.
#include <gtest/gtest.h>

#include "savedata/Preferences.h"
#include "support/ScratchDocuments.h"

int main(int argc, char** argv) {
    useScratchDocuments(argc, argv);
    Preferences::connectHooks();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
