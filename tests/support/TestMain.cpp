// The main of the test programs: gtest's, run with a documents folder of the
// program's own.
#include <gtest/gtest.h>

#include "support/ScratchDocuments.h"

int main(int argc, char** argv) {
    useScratchDocuments(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
