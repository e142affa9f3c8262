// The player's ally and the link that ties it to the ship.
#include "actors/PlayerAlly.h"

#include <GLES/gl.h>

#include <cmath>

#include "actors/Player.h"
#include "actors/PlayerWeapon.h"
#include "actors/TargetWalk.h"
#include "core/Game.h"
#include "core/Joysticks.h"
#include "core/PlayContext.h"
#include "graphics/VectorModel.h"

static const char* const LINK_GRAPHIC = "/data/entities/wallGraphic.lua";

PlayerAlly::PlayerAlly(Coord p, Player* owner)
    : Entity(Coord(p.x + 10.0f, p.y, p.z), true), wallGraphic(nullptr), player(owner),
      linkColor(0.0f, 0.8f, 1.0f, 1.0f), allyColor(1.0f, 0.0f, 0.0f, 1.0f), linkColorChoice(0), linkFrame(0),
      midpoint(), heading(0.0f), linkAngle(0.0f), linkScale(0.0f), hidden(false), canMove(true), linkMeasured(false) {
    // The link graphic draws random numbers: loading it here, at the ally's
    // birth, keeps its draws at the same place of a replayed game.
    wallGraphic = VectorModel::loadFromLuaScript(LINK_GRAPHIC);
}

PlayerAlly::~PlayerAlly() {
    // The player may be gone already in this deletion pass (its link to us
    // was then cleared), and it may hold a newer ally.
    if (player && Entity::isLive(player) && player->ally == this) {
        player->ally = nullptr;
        player->hasAlly = false;
    }
}

void PlayerAlly::update() {
    // Two draws every step, whatever the state: replays count on them.
    linkColorChoice = Game::rand() % 2;
    linkFrame = Game::rand() % 30;
    if (!canMove || !player || !Entity::isLive(player))
        return;

    Joysticks* sticks = PlayContext::getJoysticks();
    float n = sticks->getShootJoystickNorm() / 10.0f;
    heading = sticks->getShootJoystickAngle() - 90.0f;
    float r = (float)(heading * M_PI) / 180.0f;
    if (player->shipModel > 5)
        n = n * Player::getSpeedFactorOfModel(player->shipModel);
    position.x += n * std::cos(r);
    position.y += n * std::sin(r);

    Coord& p = player->position;
    midpoint = Coord((position.x + p.x) / 2.0f, (position.y + p.y) / 2.0f, 0.0f);
    float dx = p.x - position.x, dy = p.y - position.y;
    float length = std::sqrt(dx * dx + dy * dy);
    if (!(length >= 1.0e-5f))
        length = 1.0e-5f;

    // The link strikes at points about 4 units apart, skipping the two
    // nearest each body.
    PlayerWeapon link(PlayerWeapon::KIND_LINK);
    link.colorType = Color::COLOR_TYPE_GREEN;
    double kk = length * 0.25 + 2.0;
    int k = kk < 1.0e6 ? (int)kk : 0;
    for (int i = 2; i <= k - 3; i++) {
        float f = (float)i / (float)k;
        Coord point(position.x + f * dx, position.y + f * dy, 0.0f);
        forEachTargetAt(point, 0, [&link](ReactsToWeaponOrPlayer* t) {
            t->reactToWeapon(&link);
            return false;
        });
    }

    float ux = dx / length, uy = dy / length;
    linkAngle = (float)(std::atan2(uy, ux) * 180.0 / M_PI);
    float pull = (length - LINK_REST_LENGTH) * 0.013f;
    position.x += ux * pull;
    position.y += uy * pull;
    p.x -= ux * pull;
    p.y -= uy * pull;
    linkScale = length / 765.0f;
    linkMeasured = true;

    forEachTargetAt(position, 0, [this](ReactsToWeaponOrPlayer* t) {
        t->reactToCollisionWithPlayerCallback(this);
        return false;
    });
}

bool PlayerAlly::drawsLink() const {
    return linkMeasured && player && Entity::isLive(player) && VectorModel::isCached(LINK_GRAPHIC, wallGraphic);
}

void PlayerAlly::draw() {
    if (hidden)
        return;
    bool withPlayer = player && Entity::isLive(player);
    VectorModel* ship =
        withPlayer ? player->shipGraphic : VectorModel::loadFromLuaScript("/data/graphics/shipGraphic.lua");
    int frame = withPlayer ? player->shipModel : 0;
    if (frame < 0 || frame > 8)
        frame = 0;
    glColor4f(allyColor.r, allyColor.g, allyColor.b, allyColor.a);
    glPushMatrix();
    glTranslatef(position.x, position.y, 0.0f);
    glRotatef(heading, 0.0f, 0.0f, 1.0f);
    ship->drawWithoutColor(frame);
    glPopMatrix();

    if (!drawsLink())
        return;
    glPushMatrix();
    glTranslatef(midpoint.x, midpoint.y, 0.0f);
    glScalef(linkScale, linkScale, 1.0f);
    glRotatef(linkAngle, 0.0f, 0.0f, 1.0f);
    glScalef(1.4f, 0.4f / linkScale, 0.0f);
    const Color& c = linkColorChoice == 0 ? allyColor : linkColor;
    glColor4f(c.r, c.g, c.b, 0.6f);
    wallGraphic->drawWithoutColor(linkFrame);
    glPopMatrix();
}
