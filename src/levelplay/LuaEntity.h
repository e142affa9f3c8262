// The native entity behind every script-side entity: no behaviour of its own,
// the script moves it and gives it a model, a frame, a text, a colour and a transform.
#pragma once

#include <memory>
#include <string>

#include "core/Color.h"
#include "core/Entity.h"

class OptimizedStringModel;
class VectorModel;

class LuaEntity : public Entity {
public:
    LuaEntity(Coord position, bool collidesWithWalls);
    ~LuaEntity() override;

    void draw() override;
    // Applies a pending one-time move, once.
    void update() override;

    // The model belongs to the model cache; the entity never frees it.
    void setVectorModel(VectorModel* m) { model = m; }
    VectorModel* getVectorModel() { return model; }
    // Any frame is kept: one outside the model's frames draws nothing.
    void setFrame(int f) { frame = f; }
    void setAngle(float a);
    void setRotation(float a, float x, float y, float z);
    // A zoom of exactly 1.0 also switches off a scale set earlier.
    void setZoom(float z);
    void setScale(float sx, float sy, float sz);
    void setHidden(bool h) { hidden = h; }
    void setCustomColor(const Color& c);
    void setText(const std::string& t);
    const std::string& getText() const { return text; }
    // A move by v at the next update; a later call before it replaces it.
    void setVCoord(Coord v);
    // 0 without a text; times the x scale when a scale is set.
    int getTextWidth();

    VectorModel* model = nullptr;
    bool buttonWasPressed = false;
    bool velocityPending = false;
    Coord velocity;
    int frame = 0;
    bool hasText = false;
    std::string text;
    // Baked on the first non-empty text.
    std::unique_ptr<OptimizedStringModel> textModel;
    bool hidden = false;
    float angle = 0.0f;
    float axis[3] = {0.0f, 0.0f, 1.0f};
    float scale[3] = {1.0f, 1.0f, 1.0f};
    bool scaleIsSet = false;
    bool hasCustomColor = false;
    Color customColor;
};
