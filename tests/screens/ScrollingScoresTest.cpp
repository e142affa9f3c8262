// Score list: revealing rows and the clean-up of own replays, dragging against
// taps, replay buttons touched where they are drawn, and the scroll limits.
#include <gtest/gtest.h>

#include <cstdlib>

#include "SavedDataWidgetTest.h"
#include "levelplay/Replay.h"
#include "screens/ScrollingScores.h"
#include "widgets/ScoreEntry.h"

namespace {

class ScrollingScoresTest : public SavedDataWidgetTest {
protected:
    // Seven scores, best first, with replays 1 to 7 except rank 3 (none).
    void fill(ScoresForALevel& list) {
        for (int rank = 1; rank <= 7; rank++) {
            int replay = rank == 3 ? -1 : rank;
            list.addScore("player" + std::to_string(rank), 8000 - rank * 1000, replay, 1000 + rank, 0);
            if (replay != -1)
                dir->writeDocument(Replay::getPath(replay, false), "replay");
        }
    }
    // A finger held on the list for three frames: a drag from (0.25 W, 300).
    void beginDrag(ScrollingScores& scores) {
        touch(0, 0.25f * Device::screenWidth, 300);
        for (int i = 0; i < 3; i++)
            scores.update();
    }
    void revealAll(ScrollingScores& scores) {
        for (int i = 0; i < 2000 && !scores.getAllRowsMade(); i++)
            scores.update();
        ASSERT_TRUE(scores.getAllRowsMade());
    }
};

}  // namespace

TEST_F(ScrollingScoresTest, OwnReplaysBeyondTheFiveBestAreDeletedWebOnesKept) {
    srand(3);
    ScoresForALevel own("/test/level.lua"), web("/test/level.lua");
    fill(own);
    fill(web);
    ScrollingScores ownList(&own, false), webList(&web, true);
    revealAll(ownList);
    revealAll(webList);
    EXPECT_EQ(ownList.getRowCount(), 11);
    for (int rank = 1; rank <= 7; rank++) {
        bool kept = rank <= 5 && rank != 3;
        EXPECT_EQ(ownList.getReplayButton(rank - 1) != nullptr, kept) << rank;
        EXPECT_EQ(webList.getReplayButton(rank - 1) != nullptr, rank != 3) << rank;
        if (rank != 3) {
            EXPECT_EQ(dir->documentExists(Replay::getPath(rank, false)), rank <= 5) << rank;
        }
    }
    EXPECT_EQ(own.scores[5]->replay, -1);
    EXPECT_EQ(own.scores[6]->replay, -1);
    EXPECT_EQ(own.scores[4]->replay, 5);
    EXPECT_EQ(web.scores[6]->replay, 7);
    EXPECT_EQ(ownList.getRow(0)->rankLabel.getString(), "1.");
    EXPECT_EQ(ownList.getRow(0)->scoreLabel.getString(), "7000");
    EXPECT_EQ(ownList.getRow(10)->nameLabel.getString(), " -");
    EXPECT_EQ(ownList.getRow(10)->scoreLabel.getString(), "-");
}

TEST_F(ScrollingScoresTest, OffsetStopsAtSevenRowsAndTheLastRowIsNeverDrawn) {
    ScoresForALevel own("/test/level.lua");
    fill(own);
    ScrollingScores list(&own, false);
    revealAll(list);
    float W = (float)Device::screenWidth;
    beginDrag(list);
    EXPECT_TRUE(list.scoresAreBeeingDragged());
    for (int x = 0; x < 40; x++) {
        touch(0, 0.25f * W + 30 * x, 300);
        list.update();
    }
    EXPECT_EQ(list.getOffset(), 7.0f * list.getRowHeight());
    int first, last;
    list.getRowsDrawn(&first, &last);
    EXPECT_EQ(first, 7);
    EXPECT_EQ(last, 10);  // rows 7 to 9: "11." stays hidden
    EXPECT_GT(litPixelsOf([&] { list.draw(); }), 500);
    lift(0);
    list.update();
    EXPECT_FALSE(list.scoresAreBeeingDragged());
}

TEST_F(ScrollingScoresTest, ThreeTouchedFramesMakeADragAndShortTapsAddUp) {
    ScoresForALevel own("/test/level.lua");
    fill(own);
    ScrollingScores list(&own, false);
    revealAll(list);
    float W = (float)Device::screenWidth;
    Button* b = list.getReplayButton(0);
    auto touchReplay = [&](int slot) {
        Coord p = b->getCollisionPosition(), s = b->getWidthAndHeight();
        touch(slot, p.x + s.x / 2, p.y + s.y / 2);
    };
    // A replay button held two frames and lifted answers 6 + row.
    touchReplay(0);
    EXPECT_EQ(list.update(), 0);
    EXPECT_EQ(list.update(), 0);
    lift(0);
    EXPECT_EQ(list.update(), 6);
    // Two taps of two frames on the list: the second tap's first frame drags.
    for (int tap = 0; tap < 2; tap++) {
        touch(0, 0.25f * W, 300);
        list.update();
        EXPECT_EQ(list.scoresAreBeeingDragged(), tap == 1);
        if (tap == 0)
            list.update();
        EXPECT_EQ(list.scoresAreBeeingDragged(), tap == 1);
        if (tap == 0) {
            lift(0);
            list.update();
        }
    }
    // While dragging, a replay button lifted with the other finger says nothing.
    touchReplay(1);
    list.update();
    lift(1);
    EXPECT_EQ(list.update(), 0);
    lift(0);
    list.update();
    EXPECT_FALSE(list.scoresAreBeeingDragged());
}

TEST_F(ScrollingScoresTest, ReplayButtonsAreTouchedWhereTheyAreDrawn) {
    ScoresForALevel web("/test/level.lua");
    fill(web);
    ScrollingScores list(&web, true);
    revealAll(list);
    float W = (float)Device::screenWidth;
    int h = list.getRowHeight();
    // Dragged by one and a half rows, then held still for a frame.
    beginDrag(list);
    touch(0, 0.25f * W + 1.5f * h, 300);
    list.update();
    list.update();
    int o = (int)list.getOffset(), first, end;
    list.getRowsInView(&first, &end);
    ASSERT_EQ(o, (int)(1.5f * h));
    for (int k = first; k < end; k++) {
        Button* b = list.getReplayButton(k);
        if (!b)
            continue;
        float drawnX = 0.5f * W + o % h - (k - o / h) * h + b->getCoord().x;
        Coord p = b->getCollisionPosition(), s = b->getWidthAndHeight();
        EXPECT_NEAR(p.x + s.x / 2, drawnX, 1e-3) << k;
        EXPECT_NEAR(p.y + s.y / 2, b->getCoord().y, 1e-3) << k;
    }
    lift(0);
    list.update();
    // Row 2 has no replay: the row after it still answers at its own place.
    Button* b = list.getReplayButton(3);
    Coord p = b->getCollisionPosition(), s = b->getWidthAndHeight();
    touch(0, p.x + s.x / 2, p.y + s.y / 2);
    list.update();
    lift(0);
    EXPECT_EQ(list.update(), 9);
}

TEST_F(ScrollingScoresTest, NullScoresAndTinyScreensAreSafe) {
    ScrollingScores empty(nullptr, false);
    for (int i = 0; i < 50; i++)
        EXPECT_EQ(empty.update(), 0);
    EXPECT_EQ(empty.getRowCount(), 0);
    EXPECT_EQ(litPixelsOf([&] { empty.draw(); }), 0);

    Device::setScreenSize(5, 8);
    ScoresForALevel few("/test/level.lua");
    few.addScore("%s%n%s", 10, -1, 1, 0);  // a name is never a format
    ScrollingScores tiny(&few, false);
    EXPECT_EQ(tiny.getRowHeight(), 1);
    for (int i = 0; i < 300; i++) {
        tiny.update();
        tiny.draw();
    }
    EXPECT_EQ(tiny.getRow(0)->nameLabel.getString(), "%s%n%s");
    // With fewer than four rows the offset may go negative; nothing reads outside the rows.
    ScoresForALevel none("/test/none.lua");
    ScrollingScores partial(&none, false);
    srand(1);
    while (partial.getRowCount() < 2)
        partial.update();
    partial.draw();
    EXPECT_LE(partial.getOffset(), 0.0f);
}
