// GL textures by name; the one image is the soft explosion glow, made in code.
#pragma once

#include <map>
#include <string>

class Texture {
public:
    explicit Texture(std::string name);

    // Binds array buffer 0 and turns texturing on for textured drawing.
    void activate();
    void deactivate();
    unsigned int getTextureName() const { return textureName; }
    int getWidth() const { return width; }
    int getHeight() const { return height; }
    std::string getName() const { return name; }
    void draw(float, float) {}
    void prepareForDrawing() {}
    // Uploads the image again under a new texture name (after a lost context).
    void reload() { load(name); }
    // The name of the pending GL error, or "" when there is none.
    static std::string checkForOpenGLError();

    // The 128 x 128 grey levels of the glow, row by row.
    static const unsigned char* explosionTexture();

private:
    void load(std::string textureName);

    std::string name;
    unsigned int textureName = 0;
    int width = 128;
    int height = 128;
};

class TextureHandler {
public:
    // The cached texture of this name, made on first request. Every name gets
    // the same glow image.
    static Texture* loadTexture(std::string name);
    static void reloadAllTextures(bool forgetNames);

private:
    // Never destroyed: textures live until the process ends.
    static std::map<std::string, Texture*>& mapToTexture();
};
