// Floating messages: placement, rise, fade and drawing in the vector font.
#include "graphics/FloatingMessage.h"

#include <GLES/gl.h>

#include "core/Game.h"
#include "graphics/DrawString.h"

static DrawString* font() { return Game::ds ? Game::ds : DrawString::getInstance(); }

FloatingMessage::FloatingMessage(Coord p, std::string t, Color c) : Entity(p, false), text(t), colour(c) {
    alpha = 2.0f;
    position.z = 5.0f;
    expiry = time + 20;
    // Drawn turned by -90 degrees, the text runs along -y: it ends at the point.
    position.y += font()->getStringWidth(text);
}

void FloatingMessage::update() {
    alpha = (float)(alpha - 0.02);
    colour.a = alpha;
    position.z += 7.0f;
    if (alpha <= 0.01f)
        toBeDeleted = true;
}

void FloatingMessage::draw() {
    glColor4f(colour.r, colour.g, colour.b, colour.a);
    glPushMatrix();
    glTranslatef(position.x, position.y, position.z);
    glRotatef(-90.0f, 0.0f, 0.0f, 1.0f);
    font()->drawWithAlpha(text, alpha, 2.0f);
    glPopMatrix();
}
