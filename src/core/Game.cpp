// Game: construction, screen switching, touches, projection and drawing.
#include "core/Game.h"

Game* Game::instance = nullptr;
int Game::frame = 0;
DrawString* Game::ds = nullptr;
MersenneTwister Game::mtRand;
Sha256 Game::sha256;
bool Game::enableBackgroundGrid = true;
bool Game::randWasUsedByScript = false;

std::string Game::encode(const std::string& text) {
    return sha256.calcSha256(text);
}
