// A sheet of the graphic scripts that no actor draws itself (backgrounds,
// buildings, spare ships and enemies, bonus, menu backgrounds, lightning and
// two button icons), rendered headless into build/graphics-look/ for a person
// to look at.
#include <gtest/gtest.h>

#include <string>

#include "LookSheet.h"
#include "core/Game.h"
#include "graphics/VectorModel.h"
#include "support/GraphicsTestSupport.h"
#include "support/StateGuards.h"

namespace {

struct Cell {
    const char* script;
    int frame;
    float scale;
    float tiltX;  // degrees about x, for the 3-D models
    bool corner = false;
};

// Each script in a cell of 128 x 150 pixels (the model's origin in the
// middle, or with `corner` its (0, 0) at the cell's lower left), scaled, named below.
void sheet(const Cell* cells, int count) {
    const float w = 128.0f, h = 150.0f;
    for (int i = 0; i < count; i++) {
        float x = (i % 8) * w, y = 600.0f - (i / 8 + 1) * h;
        VectorModel* model = VectorModel::loadFromLuaScript(cells[i].script);
        ASSERT_GT(model->getNumberOfFrames(), cells[i].frame) << cells[i].script;
        glPushMatrix();
        if (cells[i].corner)
            glTranslatef(x + 4, y + 18, 0.0f);
        else
            glTranslatef(x + w / 2, y + 16 + (h - 16) / 2, 0.0f);
        glScalef(cells[i].scale, cells[i].scale, cells[i].scale);
        glRotatef(cells[i].tiltX, 1.0f, 0.0f, 0.0f);
        model->draw(cells[i].frame);
        glPopMatrix();
        std::string name = cells[i].script;
        name = name.substr(name.rfind('/') + 1);
        looksheet::label(x + 3, y + 4, name.substr(0, name.size() - 4) + " " + std::to_string(cells[i].frame), 0.3f);
    }
}

}  // namespace

TEST(SpareGraphicsLook, SheetOfTheGraphicsNoActorDraws) {
    REQUIRE_GL();
    SavedValue<MersenneTwister> generator(Game::mtRand);
    Game::mtRand.seed(7);
    static const Cell cells[] = {
        {"/data/graphics/background3.lua", 0, 0.05f, 0},
        {"/data/graphics/background3b.lua", 0, 0.05f, 0},
        {"/data/graphics/backgroundDiamond2.lua", 0, 0.06f, 0},
        {"/data/graphics/menuBackground1.lua", 0, 0.06f, 0},
        {"/data/graphics/menuBackground1.lua", 1, 0.06f, 0},
        {"/data/graphics/menuBackground2.lua", 0, 0.06f, 0},
        {"/data/graphics/thunder.lua", 0, 0.28f, 0},
        {"/data/graphics/thunder.lua", 3, 0.28f, 0},
        {"/data/graphics/shipGraphic1.lua", 0, 3.5f, 0},
        {"/data/graphics/shipGraphic2.lua", 0, 3.5f, 0},
        {"/data/graphics/shipGraphic3.lua", 0, 3.5f, 0},
        {"/data/graphics/simpleEnemyGraphic.lua", 0, 2.5f, 0},
        {"/data/graphics/crowderGraphic.lua", 0, 2.0f, 0},
        {"/data/graphics/brownianOldGraphic.lua", 0, 2.0f, 0},
        {"/data/graphics/shootBonusGraphic.lua", 0, 2.5f, 0},
        {"/data/graphics/pointCircle.lua", 0, 0.5f, 0},
        {"/data/graphics/bombGraphic2.lua", 0, 1.6f, 0},
        {"/data/graphics/bombGraphic2.lua", 0, 1.6f, -60},
        {"/data/graphics/pyramideGraphic.lua", 0, 1.2f, -60},
        {"/data/graphics/building.lua", 0, 0.35f, -70},
        {"/data/graphics/building2.lua", 0, 0.3f, -70},
        {"/data/graphics/buttons/buttonInGameMenu.lua", 0, 1.0f, 0},
        {"/data/graphics/buttons/buttonLeftLight.lua", 0, 0.45f, 0},
        {"/data/graphics/buttons/buttonRightLight.lua", 0, 0.45f, 0},
    };
    sheet(cells, sizeof(cells) / sizeof(cells[0]));
    graphicstest::Pixels p = graphicstest::readPixels();
    EXPECT_TRUE(graphicstest::writePng(p, looksheet::lookFile("spare-graphics.png")));
    EXPECT_GT(p.litCount(), 4000);
}

TEST(SpareGraphicsLook, SheetOfTheInfinityTutorialAndUnusedLevelBackgrounds) {
    REQUIRE_GL();
    SavedValue<MersenneTwister> generator(Game::mtRand);
    Game::mtRand.seed(7);
    static const Cell cells[] = {
        {"/data/levels/infinity/megagore/background4.lua", 0, 0.05f, 0, true},
        {"/data/levels/infinity/megagore/background4b.lua", 0, 0.05f, 0, true},
        {"/data/levels/infinity/dodge this/background0.lua", 0, 0.05f, 0, true},
        {"/data/levels/infinity/dodge this/background0b.lua", 0, 0.05f, 0, true},
        {"/data/levels/infinity/assault/background2.lua", 0, 0.06f, 0, true},
        {"/data/levels/infinity/assault/background2b.lua", 0, 0.04f, 0, true},
        {"/data/levels/infinity/asteroids/graphics asteroids.lua", 0, 0.05f, 0, true},
        {"/data/levels/infinity/asteroids/graphics asteroids.lua", 1, 0.05f, 0, true},
        {"/data/levels/infinity/chromatic conflict/background1.lua", 0, 0.06f, 0, true},
        {"/data/levels/infinity/chromatic conflict/triforce.lua", 0, 0.4f, 0},
        {"/data/levels/infinity/chromatic conflict/verticalTriforce.lua", 0, 0.4f, 0},
        {"/data/levels/infinity/highway/backgroundHighway.lua", 0, 0.037f, 0, true},
        {"/data/levels/infinity/highway/backgroundHighway2.lua", 0, 0.037f, 0, true},
        {"/data/levels/infinity/amalgam/backgroundAmalgam.lua", 0, 0.05f, 0, true},
        {"/data/levels/infinity/amalgam/backgroundAmalgam2.lua", 0, 0.04f, 0, true},
        {"/data/levels/infinity/symbiosis/backgroundSymbiosis.lua", 0, 0.06f, 0, true},
        {"/data/levels/campaign0/tutorial/backgroundTutorial.lua", 0, 0.075f, 0, true},
        {"/data/levels/campaign0/tutorial/backgroundTutorialb.lua", 0, 0.06f, 0, true},
        {"/data/levels/campaign2/UNUSED/1and1/graphics 1and1.lua", 0, 0.075f, 0, true},
        {"/data/levels/campaign2/UNUSED/bomb/graphics bomb.lua", 0, 0.075f, 0, true},
        {"/data/levels/campaign2/UNUSED/bomb/graphics bomb.lua", 1, 0.075f, 0, true},
        {"/data/levels/campaign2/UNUSED/boss1 re/graphics boss1 re.lua", 0, 0.075f, 0, true},
        {"/data/levels/campaign2/UNUSED/space oddity/graphics space oddity.lua", 0, 0.06f, 0, true},
        {"/data/levels/campaign2/UNUSED/space oddity/graphics space oddity.lua", 1, 0.075f, 0, true},
        {"/data/levels/campaign2/UNUSED/symmetry/graphics symmetry.lua", 0, 0.075f, 0, true},
        {"/data/levels/campaign2/UNUSED/training/graphics training.lua", 0, 0.075f, 0, true},
    };
    sheet(cells, sizeof(cells) / sizeof(cells[0]));
    graphicstest::Pixels p = graphicstest::readPixels();
    EXPECT_TRUE(graphicstest::writePng(p, looksheet::lookFile("level-backgrounds.png")));
    EXPECT_GT(p.litCount(), 4000);
}
