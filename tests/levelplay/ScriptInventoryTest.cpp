// The script store holds exactly the game's scripts: every level of the
// catalogue, the tutorial, the unused levels, the shared entities, function
// files and graphics, under their exact names (spaces and case included).
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "levelplay/LevelList.h"
#include "script/LuaScriptList.h"

namespace {

struct Folder {
    const char* path;
    std::vector<const char*> files;
};

// Every script of the game, by folder.
const std::vector<Folder> kInventory = {
    {"/data/entities/",
     {"Arrow.lua",         "arrowGraphic.lua",     "Boxes.lua",         "Boxes2Players.lua", "Cannon.lua",
      "cannonGraphic.lua", "CirculatingGoal.lua",  "cubeGraphic.lua",   "LuaEntity.lua",     "Paragraph.lua",
      "Player.lua",        "Pulsar.lua",           "pulsarGraphic.lua", "Ring.lua",          "ringGraphic.lua",
      "SolidDisk.lua",     "solidDiskGraphic.lua", "Spot.lua",          "spotGraphic.lua",   "UpdateHUD.lua",
      "Wall.lua",          "wallGraphic.lua"}},
    {"/data/functions/",
     {"commonGraphicFunctions.lua", "commonScriptFunctions.lua", "createAdvancedQuadGeometry.lua", "createMessage.lua",
      "examples.lua", "getRandomCoord.lua", "infinityFunctions.lua", "pilotFunctions.lua"}},
    {"/data/graphics/",
     {"asteroidGraphic.lua",
      "backAndForthGraphic.lua",
      "background3.lua",
      "background3b.lua",
      "backgroundDiamond2.lua",
      "badBulletGraphic.lua",
      "bafBlueAndWhiteGraphic.lua",
      "bafBlueGraphic.lua",
      "bafRedGraphic.lua",
      "bombGraphic.lua",
      "bombGraphic2.lua",
      "bossMirrorBulletGraphic.lua",
      "bossMirrorGraphic.lua",
      "bossMirrorGraphic2.lua",
      "brownianGraphic.lua",
      "brownianOldGraphic.lua",
      "building.lua",
      "building2.lua",
      "bulletGraphic.lua",
      "bulletGraphic2.lua",
      "bulletGraphic3.lua",
      "circulatingEnemyGraphic.lua",
      "crowderGraphic.lua",
      "dodgerGraphic.lua",
      "fanGraphic.lua",
      "finalBossCannon.lua",
      "fontGraphic.lua",
      "grid.lua",
      "helicopterGraphic.lua",
      "joystickGraphic.lua",
      "joystickGraphic2.lua",
      "luaBulletsGraphic.lua",
      "medalGraphic.lua",
      "menuBackground1.lua",
      "menuBackground2.lua",
      "motherShip2Graphic.lua",
      "motherShip3Graphic.lua",
      "motherShipGraphic.lua",
      "playerBombGraphic.lua",
      "pointCircle.lua",
      "propellerGraphic.lua",
      "pyramideGraphic.lua",
      "ramGraphic.lua",
      "rubberGraphic.lua",
      "shipGraphic.lua",
      "shipGraphic1.lua",
      "shipGraphic2.lua",
      "shipGraphic3.lua",
      "shipSelectionBaseGraphic.lua",
      "shootBonusGraphic.lua",
      "simpleEnemyGraphic.lua",
      "snakeGraphic.lua",
      "sphereGraphic.lua",
      "spinyHeadGraphic.lua",
      "splitterGraphic.lua",
      "suciderGraphic.lua",
      "teleporterGraphic.lua",
      "thunder.lua",
      "ultimateShip.lua"}},
    {"/data/graphics/buttons/",
     {"buttonDownLight.lua", "buttonInGameMenu.lua", "buttonLeft.lua", "buttonLeftLight.lua", "buttonReplay.lua",
      "buttonRight.lua", "buttonRightLight.lua", "buttonUp.lua", "fastForwardButton.lua"}},
    {"/data/levels/campaign0/boss1/", {"backgroundMirror.lua", "boss1.lua"}},
    {"/data/levels/campaign0/boxes/", {"boxes.lua", "boxesBack.lua"}},
    {"/data/levels/campaign0/cannon intro/", {"cannon intro.lua", "cannonIntroBack.lua"}},
    {"/data/levels/campaign0/diamond/", {"backgroundDiamond2-new.lua", "backgroundDiamond2.lua", "diamond.lua"}},
    {"/data/levels/campaign0/digest/", {"digest.lua", "digestBack.lua"}},
    {"/data/levels/campaign0/entry/", {"entry.lua", "entryBack.lua"}},
    {"/data/levels/campaign0/expulsors/", {"backgroundExpulsors.lua", "expulsors.lua"}},
    {"/data/levels/campaign0/spring theory/", {"backgroundSpringTheory.lua", "spring theory.lua"}},
    {"/data/levels/campaign0/tunnel/", {"tunnel.lua", "tunnelBack.lua"}},
    {"/data/levels/campaign0/tutorial/", {"backgroundTutorial.lua", "backgroundTutorialb.lua", "tutorial.lua"}},
    {"/data/levels/campaign0/ying/", {"ying.lua", "yingBack.lua"}},
    {"/data/levels/campaign1/gogo/", {"gogo.lua", "graphics gogo.lua"}},
    {"/data/levels/campaign1/marching cubes/", {"graphics marching cubes.lua", "marching cubes.lua"}},
    {"/data/levels/campaign1/matador/", {"graphics matador.lua", "matador.lua"}},
    {"/data/levels/campaign1/sisyphe/", {"graphics sisyphe.lua", "sisyphe.lua"}},
    {"/data/levels/campaign1/swarm/", {"backgroundSwarm.lua", "swarm.lua"}},
    {"/data/levels/campaign1/uninvited/", {"generated.lua", "graphics uninvited.lua", "uninvited.lua"}},
    {"/data/levels/campaign1/working together/", {"graphics working together.lua", "working together.lua"}},
    {"/data/levels/campaign2/anathema/", {"anathema.lua", "generated.lua", "graphics anathema.lua"}},
    {"/data/levels/campaign2/around the bend/", {"around the bend.lua", "graphics around the bend.lua"}},
    {"/data/levels/campaign2/asteroids/", {"asteroids.lua", "graphics asteroids.lua"}},
    {"/data/levels/campaign2/epilogue/", {"epilogue.lua", "epilogueGraphics.lua"}},
    {"/data/levels/campaign2/fusion part 1/", {"fusion part 1.lua", "generated.lua", "graphics fusion part 1.lua"}},
    {"/data/levels/campaign2/fusion part 2/", {"fusion part 2.lua", "generated.lua", "graphics fusion part 2.lua"}},
    {"/data/levels/campaign2/just going through/", {"just going through.lua"}},
    {"/data/levels/campaign2/matador round 2/", {"graphics matador round 2.lua", "matador round 2.lua"}},
    {"/data/levels/campaign2/ram/", {"generated.lua", "graphics ram.lua", "ram.lua"}},
    {"/data/levels/campaign2/space bound/", {"graphics space bound.lua", "space bound.lua"}},
    {"/data/levels/campaign2/spring matador/", {"backgroundSpringMatador.lua", "generated.lua", "spring matador.lua"}},
    {"/data/levels/campaign2/through it all/", {"generated.lua", "graphics through it all.lua", "through it all.lua"}},
    {"/data/levels/campaign2/two brothers/", {"generated.lua", "graphics two brothers.lua", "two brothers.lua"}},
    {"/data/levels/campaign2/UNUSED/1and1/", {"1and1.lua", "graphics 1and1.lua"}},
    {"/data/levels/campaign2/UNUSED/bomb/", {"bomb.lua", "generated.lua", "graphics bomb.lua"}},
    {"/data/levels/campaign2/UNUSED/boss1 re/", {"boss1 re.lua", "graphics boss1 re.lua"}},
    {"/data/levels/campaign2/UNUSED/space oddity/", {"graphics space oddity.lua", "space oddity.lua"}},
    {"/data/levels/campaign2/UNUSED/symmetry/", {"generated.lua", "graphics symmetry.lua", "symmetry.lua"}},
    {"/data/levels/campaign2/UNUSED/training/", {"generated.lua", "graphics training.lua", "training.lua"}},
    {"/data/levels/infinity/amalgam/", {"amalgam.lua", "backgroundAmalgam.lua", "backgroundAmalgam2.lua"}},
    {"/data/levels/infinity/assault/", {"assault.lua", "background2.lua", "background2b.lua"}},
    {"/data/levels/infinity/asteroids/", {"asteroids.lua", "events.lua", "graphics asteroids.lua"}},
    {"/data/levels/infinity/chromatic conflict/",
     {"background1.lua", "chromatic conflict.lua", "triforce.lua", "verticalTriforce.lua"}},
    {"/data/levels/infinity/dodge this/", {"background0.lua", "background0b.lua", "dodge this.lua"}},
    {"/data/levels/infinity/highway/", {"backgroundHighway.lua", "backgroundHighway2.lua", "highway.lua"}},
    {"/data/levels/infinity/megagore/", {"background4.lua", "background4b.lua", "megagore.lua"}},
    {"/data/levels/infinity/symbiosis/", {"backgroundSymbiosis.lua", "symbiosis.lua"}},
};

const int kScriptCount = 208;

std::set<std::string> expectedPaths() {
    std::set<std::string> paths;
    for (const Folder& folder : kInventory)
        for (const char* file : folder.files)
            paths.insert(std::string(folder.path) + file);
    return paths;
}

std::set<std::string> storedPaths() {
    LuaScriptList* store = LuaScriptList::getInstance();
    std::set<std::string> paths;
    for (int i = 0; i < store->getNumberOfScripts(); i++)
        paths.insert(store->getPath(i));
    return paths;
}

}  // namespace

TEST(ScriptInventory, TheStoreHoldsExactlyTheGamesScripts) {
    std::set<std::string> expected = expectedPaths();
    ASSERT_EQ((int)expected.size(), kScriptCount) << "the table itself lists a path twice";
    std::set<std::string> stored = storedPaths();
    // Named one by one, so that a misspelt file shows as one missing and one extra.
    for (const std::string& path : expected)
        EXPECT_EQ(stored.count(path), 1u) << "missing: \"" << path << "\"";
    for (const std::string& path : stored)
        EXPECT_EQ(expected.count(path), 1u) << "not a script of the game: \"" << path << "\"";
    EXPECT_EQ(LuaScriptList::getInstance()->getNumberOfScripts(), kScriptCount);
}

TEST(ScriptInventory, EveryCatalogueLevelAndTheTutorialAreStored) {
    LevelList* levels = LevelList::getInstance();
    LuaScriptList* store = LuaScriptList::getInstance();
    std::vector<std::string> paths = {"/data/levels/campaign0/tutorial/tutorial.lua"};
    for (int c = 0; c < levels->getNumberOfCampaigns(); c++)
        for (int i = 0; i < levels->getNumberOfCampaignLevels(c); i++)
            paths.push_back(levels->getCampaign(c)->get(i)->path);
    for (int i = 0; i < levels->getNumberOfLevels(); i++)
        paths.push_back(levels->getLevelInformation(i)->path);
    EXPECT_EQ(paths.size(), 39u);
    for (const std::string& path : paths)
        EXPECT_TRUE(store->fileExist(path)) << path;
}
