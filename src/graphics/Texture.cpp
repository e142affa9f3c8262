// The glow texture: a radial falloff with a slight angular ripple, so the flash
// reads as light rather than a perfect disc.
#include "graphics/Texture.h"

#include <GLES/gl.h>

#include <cmath>
#include <vector>

namespace {

const int kSize = 128;

std::vector<unsigned char> makeGlow() {
    std::vector<unsigned char> image(kSize * kSize);
    const double centre = (kSize - 1) * 0.5;
    for (int y = 0; y < kSize; y++) {
        for (int x = 0; x < kSize; x++) {
            double dx = x - centre, dy = y - centre;
            double r = std::sqrt(dx * dx + dy * dy);
            double theta = std::atan2(dy, dx);
            r *= 1.0 + 0.035 * std::sin(5.0 * theta) + 0.02 * std::sin(9.0 * theta + 1.0);
            double v;
            if (r <= 8.0)
                v = 255.0;
            else if (r >= 60.0)
                v = 0.0;
            else
                // 255 at 8 texels, about 110 at 32, 0 at 60.
                v = 255.0 * std::pow((60.0 - r) / 52.0, 1.36);
            image[y * kSize + x] = (unsigned char)(v + 0.5);
        }
    }
    return image;
}

}  // namespace

std::map<std::string, Texture*>& TextureHandler::mapToTexture() {
    static auto* cache = new std::map<std::string, Texture*>();
    return *cache;
}

const unsigned char* Texture::explosionTexture() {
    static const std::vector<unsigned char> image = makeGlow();
    return image.data();
}

Texture::Texture(std::string name_) { load(std::move(name_)); }

void Texture::load(std::string newName) {
    name = std::move(newName);
    width = height = kSize;
    const unsigned char* grey = explosionTexture();
    std::vector<unsigned char> pixels((size_t)kSize * kSize * 4);
    for (int i = 0; i < kSize * kSize; i++) {
        pixels[i * 4 + 0] = grey[i];
        pixels[i * 4 + 1] = grey[i];
        pixels[i * 4 + 2] = grey[i];
        pixels[i * 4 + 3] = 255;
    }
    glGenTextures(1, &textureName);
    glBindTexture(GL_TEXTURE_2D, textureName);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, kSize, kSize, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
}

void Texture::activate() {
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glEnable(GL_TEXTURE_2D);
}

void Texture::deactivate() {
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glDisable(GL_TEXTURE_2D);
}

std::string Texture::checkForOpenGLError() {
    switch (glGetError()) {
    case GL_INVALID_ENUM: return "GL_INVALID_ENUM";
    case GL_INVALID_VALUE: return "GL_INVALID_VALUE";
    case GL_INVALID_OPERATION: return "GL_INVALID_OPERATION";
    case GL_STACK_OVERFLOW: return "GL_STACK_OVERFLOW";
    case GL_STACK_UNDERFLOW: return "GL_STACK_UNDERFLOW";
    case GL_OUT_OF_MEMORY: return "GL_OUT_OF_MEMORY";
    default: return "";
    }
}

Texture* TextureHandler::loadTexture(std::string name) {
    Texture*& slot = mapToTexture()[name];
    if (!slot)
        slot = new Texture(name);
    return slot;
}

void TextureHandler::reloadAllTextures(bool) {
    for (auto& entry : mapToTexture())
        entry.second->reload();
}
