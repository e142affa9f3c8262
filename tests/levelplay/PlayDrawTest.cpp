// The play screen's drawing: the overlay texts, the camera's whole-unit
// shift, what turns culling off, the 3-D view's spin, and pictures of the
// heads-up display, the playback overlay and the 3-D view (build/play-look/)
// for a person to look at.
#include <GLES/gl.h>
#include <sys/stat.h>

#include "actors/Player.h"
#include "graphics/PlayerExplosion.h"
#include "levelplay/Replay.h"
#include "screens/StateFirstMenu.h"
#include "support/GraphicsTestSupport.h"
#include "support/PlayTestSupport.h"
#include "widgets/Button.h"

using namespace playtest;

namespace {
std::string withoutColourCodes(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); i++) {
        if (text[i] == '^' && i + 1 < text.size())
            i++;
        else
            out += text[i];
    }
    return out;
}

std::string lookFile(const std::string& name) {
    std::string dir = std::string(ZORBIX_BINARY_DIR) + "/play-look";
    mkdir(dir.c_str(), 0755);
    return dir + "/" + name;
}

// A floor of lines in world units around a point, to see how the camera turns the world.
class Floor : public Entity {
public:
    explicit Floor(Coord c) : Entity(c, false) {}
    void update() override {}
    void draw() override {
        std::vector<GLfloat> lines;
        for (int i = -5; i <= 5; i++) {
            GLfloat a[] = {
                position.x + i * 60.0f, position.y - 300,       0, position.x + i * 60.0f, position.y + 300,       0,
                position.x - 300,       position.y + i * 60.0f, 0, position.x + 300,       position.y + i * 60.0f, 0};
            lines.insert(lines.end(), a, a + 12);
        }
        GLfloat mast[] = {position.x, position.y, 0, position.x, position.y, 150};
        lines.insert(lines.end(), mast, mast + 6);
        glBindBuffer(GL_ARRAY_BUFFER, 0);
        glColor4f(0.3f, 1.0f, 0.5f, 1.0f);
        glVertexPointer(3, GL_FLOAT, 0, lines.data());
        glDrawArrays(GL_LINES, 0, (GLsizei)lines.size() / 3);
    }
};

// A plain colour over the whole view, to see what is drawn over it.
class Backdrop : public Entity {
public:
    explicit Backdrop(Coord c) : Entity(c, false) {}
    void update() override {}
    void draw() override {
        const GLfloat quad[8] = {position.x - 3000, position.y - 3000, position.x + 3000, position.y - 3000,
                                 position.x - 3000, position.y + 3000, position.x + 3000, position.y + 3000};
        glBindBuffer(GL_ARRAY_BUFFER, 0);
        glColor4f(0.2f, 0.4f, 0.6f, 1.0f);
        glVertexPointer(2, GL_FLOAT, 0, quad);
        glDrawArrays(GL_TRIANGLE_STRIP, 0, 4);
    }
};

class PlayDraw : public PlayTest {
protected:
    void SetUp() override {
        PlayTest::SetUp();
        savedWidth = Device::screenWidth;
        savedHeight = Device::screenHeight;
        savedZoom = Device::zoom;
    }
    void TearDown() override {
        Game::getInstance()->setCurrentState(new StateFirstMenu());
        Device::screenWidth = savedWidth;
        Device::screenHeight = savedHeight;
        Device::zoom = savedZoom;
        StatePlay::setCameraXAngle(0);
        StatePlay::setCameraYAngle(0);
        StatePlay::setCameraZAngle(0);
        Player::cameraAngle = 0.0f;
        PlayTest::TearDown();
    }
    // The model-view matrix that moveCamera leaves, from the identity.
    static std::vector<float> cameraMatrix(StatePlay* play, float* a, float* b) {
        glMatrixMode(GL_MODELVIEW);
        glPushMatrix();
        glLoadIdentity();
        play->moveCamera(a, b);
        std::vector<float> m(16);
        glGetFloatv(GL_MODELVIEW_MATRIX, m.data());
        glPopMatrix();
        return m;
    }
    // The game draws one frame of its current screen; the picture is kept.
    static graphicstest::Pixels picture(const std::string& name) {
        Game::getInstance()->draw();
        graphicstest::Pixels p = graphicstest::readPixels();
        EXPECT_TRUE(graphicstest::writePng(p, lookFile(name)));
        return p;
    }
    // Something to look at: the ship, a burst and a ring of bursts.
    static void populate() {
        Coord centre(300, 200, 0);
        StatePlay::setCamera(centre);
        new Player(centre);
        new Floor(centre);
        for (int i = 0; i < 6; i++)
            new PlayerExplosion(Coord(centre.x + 150.0f * (i - 3), centre.y + 120.0f, 0));
    }

    int savedWidth = 0, savedHeight = 0;
    float savedZoom = 1.0f;
};
}  // namespace

TEST(PlayOverlay, ProgressAndTimeTexts) {
    struct Case {
        int step, size;
        const char* progress;
        const char* time;
    } cases[] = {
        {600, 3725, "16.11%", "0:10/1:02"},
        {0, 3725, "0.00%", "0:00/1:02"},
        {3725, 3725, "100.00%", "1:02/1:02"},
        {36000, 36000, "100.00%", "10:00/10:00"},
        {659, 4200, "15.69%", "0:10/1:10"},
        {599, 540, "110.93%", "0:09/0:09"},
        // A replay without entries: the percentage is not divided.
        {3, 0, "300.00%", "0:00/0:00"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(withoutColourCodes(StatePlay::progressText(c.step, c.size)), c.progress) << c.step;
        EXPECT_EQ(withoutColourCodes(StatePlay::timeText(c.step, c.size)), c.time) << c.step;
    }
    EXPECT_EQ(StatePlay::timeText(600, 3725), "^u0^3:^u10^r/^u1^3:^u02");
    EXPECT_EQ(StatePlay::progressText(600, 3725), "^u16.11^r%");
}

TEST_F(PlayDraw, FlatCameraMovesInWholeUnitsAndCullsOnlyUnturned) {
    Device::screenWidth = 320;
    Device::screenHeight = 200;
    Device::zoom = 1.0f;
    StatePlay* play = new StatePlay(infinityPath, false, false);
    Game::getInstance()->setCurrentState(play);
    // W / d = 320 / 2 = 160: the camera at 10.7 shifts the world by 149.
    Coord camera(10.7f, 20.2f, 0);
    StatePlay::setCamera(camera);
    float a = -1, b = -1;
    std::vector<float> m = cameraMatrix(play, &a, &b);
    EXPECT_FLOAT_EQ(m[12], 149.0f);
    EXPECT_FLOAT_EQ(m[13], 79.0f);
    EXPECT_EQ(a, 0.0f);
    EXPECT_EQ(b, 0.0f);

    struct Case {
        float x, y, z, player;
        bool culls;
    } cases[] = {
        {0, 0, 0, 0, true}, {0, 0, 30, 0, true}, {5, 0, 0, 0, false}, {0, -5, 0, 0, false}, {0, 0, 0, 12, false},
    };
    for (const Case& c : cases) {
        StatePlay::setCameraXAngle(c.x);
        StatePlay::setCameraYAngle(c.y);
        StatePlay::setCameraZAngle(c.z);
        Player::cameraAngle = c.player;
        cameraMatrix(play, &a, &b);
        bool culls = a == 0.0f && b == 0.0f && Player::cameraAngle == 0.0f;
        EXPECT_EQ(culls, c.culls) << c.x << " " << c.y << " " << c.z << " " << c.player;
    }
    Player::cameraAngle = 0.0f;
    StatePlay::setCameraXAngle(0);
    StatePlay::setCameraYAngle(0);
    StatePlay::setCameraZAngle(0);

    // The zoom chosen by the script times the device's feeds the limits.
    Device::zoom = 2.0f;
    StatePlay::setZoom(0.5f);
    EXPECT_EQ(StatePlay::realZoom, 1.0f);
    StatePlay::calculateCameraLimits();
    EXPECT_EQ(StatePlay::cameraVisibleLimitX, 160.0f);
    EXPECT_EQ(StatePlay::cameraVisibleLimitY, 100.0f);
}

TEST_F(PlayDraw, TheThreeDimensionalViewSpinsPerDrawnFrameAtAnySpeed) {
    int id = recordGame(100);
    Preferences* prefs = Preferences::getInstance();
    prefs->set_replayIs2D(false);
    prefs->set_rotateDuringReplays(true);
    StatePlay* play = new StatePlay(id, false, "spin");
    Game::getInstance()->setCurrentState(play);
    float a = 0, b = 0;
    cameraMatrix(play, &a, &b);
    EXPECT_FLOAT_EQ(a, 60.0f) << "the tilt starts at 60 degrees";
    EXPECT_FLOAT_EQ(b, 0.4f);
    play->getFastForwardButton()->externalyPressed();
    play->updateState();
    EXPECT_EQ(play->getStepIndex(), 5);
    cameraMatrix(play, &a, &b);
    EXPECT_FLOAT_EQ(b, 0.8f);

    // Without the rotation, one finger drags the view: x tilts, y spins.
    prefs->set_rotateDuringReplays(false);
    Game* game = Game::getInstance();
    game->setTouch(300, 200, -1, -1);
    game->updateState();
    Coord first = game->getTouchCoord(0);
    cameraMatrix(play, &a, &b);
    EXPECT_FLOAT_EQ(a, 60.0f) << "the first touch only starts the drag";
    EXPECT_FLOAT_EQ(b, 0.8f);
    game->setTouch(290, 220, -1, -1);
    game->updateState();
    Coord second = game->getTouchCoord(0);
    ASSERT_NE(first.x, second.x);
    ASSERT_NE(first.y, second.y);
    cameraMatrix(play, &a, &b);
    EXPECT_FLOAT_EQ(a, 60.0f + (first.x - second.x) * -0.5f);
    EXPECT_FLOAT_EQ(b, 0.8f + (first.y - second.y) * 0.5f);
    Game::getInstance()->setTouch(-1, -1, -1, -1);
    Game::getInstance()->updateState();
}

// The heads-up lines are white text added over the world: they hide nothing
// beneath them, and a line with no glyph to draw (a colour code and a space)
// draws nothing.
TEST_F(PlayDraw, HeadsUpLinesHideNothingBeneathThem) {
    Game::getInstance()->setCurrentState(new StateFirstMenu());
    StatePlay* live = new StatePlay(infinityPath, false, false);
    Game::getInstance()->setCurrentState(live);
    Coord centre(300, 200, 0);
    StatePlay::setCamera(centre);
    new Backdrop(centre);
    StatePlay::HUDString1 = "";
    StatePlay::HUDString2 = "";
    Game::getInstance()->draw();
    graphicstest::Pixels without = graphicstest::readPixels();
    for (const char* text : {"^2 ", "^7Score ^u12345"}) {
        StatePlay::HUDString1 = text;
        StatePlay::HUDString2 = text;
        Game::getInstance()->draw();
        graphicstest::Pixels with = graphicstest::readPixels();
        int darker = 0, changed = 0;
        for (size_t i = 0; i < with.rgba.size(); i++) {
            darker += with.rgba[i] + 2 < without.rgba[i];
            changed += with.rgba[i] != without.rgba[i];
        }
        EXPECT_EQ(darker, 0) << text;
        if (std::string(text) == "^2 ")
            EXPECT_EQ(changed, 0);
        else
            EXPECT_GT(changed, 100);
    }
    StatePlay::HUDString1 = "";
    StatePlay::HUDString2 = "";
}

TEST_F(PlayDraw, PicturesOfTheHeadsUpDisplayAndTheReplayViews) {
    // A live game: both heads-up lines, the "Ok" button, the sticks and the
    // quick-pause notice.
    Preferences::getInstance()->set_autoPauseEnabled(true);
    Game::getInstance()->setCurrentState(new StateFirstMenu());
    StatePlay* live = new StatePlay(infinityPath, false, false);
    Game::getInstance()->setCurrentState(live);
    populate();
    StatePlay::HUDString1 = "^7Score ^u12345";
    StatePlay::HUDString2 = "^2Lives ^73";
    StatePlay::drawOkButton = true;
    Game::getInstance()->setTouch(500, 300, -1, -1);
    Game::getInstance()->updateState();
    Game::getInstance()->setTouch(-1, -1, -1, -1);
    Game::getInstance()->updateState();
    ASSERT_TRUE(live->isQuickPaused());
    graphicstest::Pixels hud = picture("hud.png");
    EXPECT_GT(hud.litCount(), 2000);

    // Playback: the flat view with the overlay, then the 3-D view.
    Game::getInstance()->setCurrentState(new StateFirstMenu());
    int id = recordGame(700);
    for (bool flat : {true, false}) {
        Preferences::getInstance()->set_replayIs2D(flat);
        Preferences::getInstance()->set_rotateDuringReplays(false);
        // One play screen at a time: the last one goes before the next is made.
        Game::getInstance()->setCurrentState(new StateFirstMenu());
        StatePlay* playback = new StatePlay(id, false, "Player One");
        Game::getInstance()->setCurrentState(playback);
        playback->getFastForwardButton()->externalyPressed();
        for (int i = 0; i < 120; i++)
            Game::getInstance()->updateState();
        EXPECT_EQ(playback->getStepIndex(), 600);
        populate();
        for (int i = 0; i < 3; i++)
            Game::getInstance()->updateState();
        graphicstest::Pixels shot = picture(flat ? "replay-flat.png" : "replay-3d.png");
        EXPECT_GT(shot.litCount(), 2000);
    }
}
