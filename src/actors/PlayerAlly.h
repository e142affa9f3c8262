// The player's second body, steered by the shoot stick and tied to the ship
// by an elastic link that strikes every target it crosses.
#pragma once

#include "core/Color.h"
#include "core/Entity.h"

class VectorModel;
class Player;

class PlayerAlly : public Entity {
public:
    // Placed 10 units to the right of p.
    PlayerAlly(Coord p, Player* player);
    ~PlayerAlly() override;

    void draw() override;
    void update() override;
    // Whether draw() draws the link: once a step has measured it, while its
    // ship lives, and only while its graphic is still the cached one (a new
    // game deletes the random models, and the old world may still be drawn
    // while the screens change).
    bool drawsLink() const;

    void setHide(bool b) { hidden = b; }
    void setCanMove(bool b) { canMove = b; }
    bool getHide() const { return hidden; }

    // Rest length of the link and the strength of its pull.
    static constexpr float LINK_REST_LENGTH = 180.0f;

    VectorModel* wallGraphic;
    // The ship it belongs to; null once that ship is gone.
    Player* player;
    Color linkColor;
    Color allyColor;
    int linkColorChoice;
    int linkFrame;
    Coord midpoint;
    float heading;
    float linkAngle;
    float linkScale;
    bool hidden;
    bool canMove;
    // The link is drawn only once a step has measured it.
    bool linkMeasured;
};
