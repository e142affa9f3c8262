// Renders every frame of the enemies' graphics and the enemies themselves,
// each by its own draw in its telling states, into labelled PNG sheets
// (build/graphics-look/actors-enemies1-*.png) for a person to look at.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>

#include "EnemyTestSupport.h"
#include "actors/BadBulletHelicopter.h"
#include "actors/BadBulletMotherShip.h"
#include "actors/Fan.h"
#include "actors/MulticolorBAF.h"
#include "actors/Spring.h"
#include "graphics/DrawString.h"
#include "graphics/VectorModel.h"
#include "support/GraphicsTestSupport.h"

using actortest::Arena;

namespace {

std::string lookFile(const std::string& name) {
    std::string dir = std::string(ZORBIX_BINARY_DIR) + "/graphics-look";
    mkdir(dir.c_str(), 0755);
    return dir + "/actors-enemies1-" + name + ".png";
}

void label(float x, float y, const std::string& text) {
    glPushMatrix();
    glTranslatef(x, y, 0.0f);
    glColor4f(0.7f, 0.7f, 0.7f, 1.0f);
    DrawString::getInstance()->draw(text, 0.45f);
    glPopMatrix();
}

// Every frame of each script in a grid of cells, in its own colours.
void frameSheet(const std::string& name, const std::vector<std::pair<std::string, float>>& scripts, int columns,
                float cell) {
    graphicstest::resetGlState();
    int k = 0;
    for (const auto& s : scripts) {
        VectorModel* m = VectorModel::loadFromLuaScript(s.first);
        for (int f = 0; f < m->getNumberOfFrames(); f++, k++) {
            float x = (k % columns) * cell + cell / 2, y = 600 - (k / columns) * cell - cell / 2 - 8;
            glPushMatrix();
            glTranslatef(x, y, 0.0f);
            glScalef(s.second, s.second, s.second);
            // The 3-D models turned a little, so that their depth shows.
            if (s.first.find("cubeGraphic") != std::string::npos || s.first.find("badBullet") != std::string::npos)
                glRotatef(35.0f, 1.0f, 1.0f, 0.0f);
            m->draw(f);
            glPopMatrix();
            std::string file = s.first.substr(s.first.rfind('/') + 1);
            size_t cut = file.find("Graphic");
            // The script's name on its first frame, numbers on the others.
            std::string number = std::to_string(f);
            label(x - cell / 2 + 2, y + cell / 2 - 2, f == 0 ? file.substr(0, cut) + " " + number : number);
        }
    }
    graphicstest::Pixels p = graphicstest::readPixels();
    EXPECT_GT(p.litCount(), 2000) << name;
    EXPECT_TRUE(graphicstest::writePng(p, lookFile(name)));
}

}  // namespace

TEST(EnemyLook, EveryFrameOfTheGraphics) {
    REQUIRE_GL();
    graphicstest::requireGlModels();
    frameSheet("frames-small",
               {{"/data/graphics/teleporterGraphic.lua", 2.5f},
                {"/data/graphics/suciderGraphic.lua", 0.45f},
                {"/data/graphics/splitterGraphic.lua", 1.5f},
                {"/data/graphics/spinyHeadGraphic.lua", 2.0f},
                {"/data/graphics/rubberGraphic.lua", 0.3f},
                {"/data/entities/cubeGraphic.lua", 1.5f},
                {"/data/graphics/luaBulletsGraphic.lua", 3.0f},
                {"/data/graphics/badBulletGraphic.lua", 3.0f},
                {"/data/graphics/snakeGraphic.lua", 1.3f}},
               8, 128.0f);
    frameSheet("frames-fan", {{"/data/graphics/fanGraphic.lua", 0.6f}}, 10, 100.0f);
    frameSheet("frames-backandforth", {{"/data/graphics/backAndForthGraphic.lua", 1.3f}}, 10, 100.0f);
    for (const char* baf : {"bafBlueAndWhiteGraphic", "bafBlueGraphic", "bafRedGraphic"})
        frameSheet(baf, {{std::string("/data/graphics/") + baf + ".lua", 0.9f}}, 14, 73.0f);
    for (const char* ship : {"motherShipGraphic", "motherShip2Graphic", "motherShip3Graphic"})
        frameSheet(ship, {{std::string("/data/graphics/") + ship + ".lua", 0.6f}}, 12, 85.0f);
}

// The actors as the game draws them: world units are pixels here.
TEST(EnemyLook, ActorsInTheirStates) {
    REQUIRE_GL();
    graphicstest::requireGlModels();
    enemytest::DifficultyPin pin(1);
    Arena arena(1024, 600, 5);
    Player* player = new Player(Coord(980, 40, 0));
    Entity::time = 1000;
    // Row 1: teleporter asleep and teleporting, suciders with lasers.
    Teleporter* asleep = new Teleporter(Coord(70, 530, 0));
    Teleporter* flying = new Teleporter(Coord(200, 530, 0));
    flying->state = 2;
    flying->animationProgress = 0.12f;
    Sucider* aiming = new Sucider(Coord(480, 530, 0), 200, Sucider::MEDIUM, false);
    aiming->state = 1;
    aiming->nextEventTime = Entity::time + 40;
    Sucider* dashing = new Sucider(Coord(640, 540, 0), 160, Sucider::BIG, false);
    dashing->state = 2;
    Sucider* small = new Sucider(Coord(780, 520, 0), 250, Sucider::SMALL, false);
    small->state = 1;
    small->nextEventTime = Entity::time + 200;
    // Row 2: splitter appearing and flashing, parts, spiny, BAF kinds.
    Splitter* appearing = new Splitter(Coord(70, 400, 0));
    appearing->appearCountdown = 40;
    Splitter* hit = new Splitter(Coord(170, 400, 0));
    hit->appearing = false;
    new SplitterPart(Coord(250, 400, 0), 0.7f);
    Spiny* spiny = new Spiny(Coord(330, 400, 0), 0, 0);
    spiny->waitUntil = 0;
    new BackAndForth(Coord(420, 400, 0), 30, 0, 2);
    BackAndForth* baf = new BackAndForth(Coord(500, 400, 0), 30, 0, 2);
    baf->appearing = false;
    BackAndForth* bafHit = new BackAndForth(Coord(580, 400, 0), 30, 0, 2);
    bafHit->appearing = false;
    BackAndForth* orange = new BackAndForth(Coord(660, 400, 0), 120, 3, 2);
    orange->appearing = false;
    BackAndForth* half = new BackAndForth(Coord(720, 400, 0), 0, 2, 2);
    half->appearing = false;
    MulticolorBAF* multi = new MulticolorBAF(Coord(790, 400, 0), 0, true, false, true, 2);
    multi->appearing = false;
    OptimizedBAF* lane = new OptimizedBAF(Coord(870, 400, 0), 8);
    lane->turning = false;
    lane->frameBase = 0;
    OptimizedBAF* turning = new OptimizedBAF(Coord(950, 400, 0), 2);
    turning->turnScale = 0.4f;
    // Row 3: devices, snake, cube mid-roll.
    new Fan(Coord(80, 260, 0));
    Fan* blowing = new Fan(Coord(230, 260, 0));
    blowing->ready = false;
    blowing->blowing = true;
    blowing->power = 27;
    Spring* spring = new Spring(Coord(330, 200, 0), Spring::BAND, 1.0f);
    SnakeElement* snake = new SnakeElement(Coord(470, 330, 0), (float)(-M_PI / 2), 6, nullptr);
    RollingCube* cube = new RollingCube(Coord(900, 260, 0), 25, 6);
    cube->rolling = true;
    cube->setDirection();
    cube->pivot[0] = cube->position.x + 20 * cube->direction[0];
    cube->pivot[1] = cube->position.y + 20 * cube->direction[1];
    cube->rollAngle = 80.0f;
    // Row 4: a planner with its path, the three mother ships, bullets.
    Planner* planner = new Planner(Coord(120, 120, 0));
    planner->startTime = Entity::time + 1;
    MotherShip* ship1 = new MotherShip(Coord(380, 90, 0), 60, 0, true);
    MotherShip* ship2 = new MotherShip(Coord(530, 90, 0), 7, 0, true);
    MotherShip* ship3 = new MotherShip(Coord(680, 90, 0), 2, 0, true);
    MotherShip* growing = new MotherShip(Coord(820, 90, 0), 60, 0, false);
    Color c(0.0f, 0.9f, 0.0f);
    for (int k = 0; k < 6; k++)
        new BadBulletMotherShip(Coord(930 + 12 * k, 150, 0), 0, 0, c);
    new BadBulletHelicopter(Coord(960, 110, 0), 30, 0);
    // Let the snake spread, the planner plan and the ships breathe; the
    // others keep still for the picture.
    for (int i = 0; i < 25; i++) {
        snake->update();
        for (SnakeElement* e = snake->next; e; e = e->next)
            e->update();
        planner->update();
        Entity::time++;
    }
    for (int i = 0; i < 30; i++)
        planner->update();
    // Flashes and phases are set last: the steps above have moved the time.
    if (Entity::time % 4 < 2)
        Entity::time += 2;  // the warning laser on its green phase
    hit->flashUntil = Entity::time + 2;
    bafHit->flashUntil = Entity::time + 2;
    ship1->appearing = ship2->appearing = ship3->appearing = false;
    ship2->flashUntil = Entity::time + 2;
    ship1->frameCounter = 20;
    ship2->frameCounter = 60;
    ship3->frameCounter = 120;
    growing->appearEndTime = Entity::time + 80;
    player->position = Coord(430, 230, 0);
    spring->update();
    player->position = Coord(3000, 3000, 0);
    (void)asleep;
    (void)dashing;

    graphicstest::resetGlState();
    StatePlay::camera = Coord(512, 300, 0);
    for (Entity* e : Entity::entityVector)
        if (e != player)
            e->draw();
    label(20, 595, "teleporter asleep, teleporting");
    label(420, 595, "suciders: blinking laser, dashing, aiming");
    label(20, 455,
          "splitter appearing, hit; part; spiny; BAF appearing, own, hit, orange, half; multicolour; lane, turning");
    label(20, 325, "fan ready, blowing; spring; snake; cube mid-roll");
    label(20, 175, "planner path; mother ships 1, 2 (hit), 3, appearing; bullets");
    graphicstest::Pixels p = graphicstest::readPixels();
    // The warning laser leaves the aiming sucider's nose in green.
    const unsigned char* laser = p.at(553, 557);
    EXPECT_GT(laser[1], 150);
    EXPECT_LT(laser[0], 100);
    EXPECT_GT(p.litCount(), 10000);
    EXPECT_TRUE(graphicstest::writePng(p, lookFile("states")));
}
