// A text baked into one vector frame, one vertex buffer per colour, for texts
// drawn every frame. Baked coordinates have y pointing up: draw it with an
// ordinary positive scale.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "graphics/MultiColorVectorFrame.h"

class VectorModel;

class OptimizedStringModel {
public:
    explicit OptimizedStringModel(std::string text);
    ~OptimizedStringModel();
    OptimizedStringModel(const OptimizedStringModel&) = delete;
    OptimizedStringModel& operator=(const OptimizedStringModel&) = delete;

    // Rebakes only when the text differs from the one shown.
    void setString(const std::string& text);
    const std::string& getString() const { return text; }

    void draw() { frame->draw(); }
    void drawWithAlpha(float alpha) { frame->drawWithAlpha(alpha); }
    void drawWithoutColor() { frame->drawWithoutColor(); }
    int getWidth() const { return frame->getWidth(); }
    MultiColorVectorFrame* getFrame() { return frame.get(); }

    // Live-instance registry for rebaking after a lost GL context; nothing
    // registers today, and the reload calls have nothing to do.
    static void add(OptimizedStringModel* model);
    static void remove(OptimizedStringModel* model);
    static void reloadAll(bool forgetBuffers) {}
    void reload(bool forgetBuffers) {}

    static VectorModel* vm;

private:
    void initVectorFrame(std::string text);

    std::unique_ptr<MultiColorVectorFrame> frame;
    int indexInList = -1;
    std::string text;

    static std::vector<OptimizedStringModel*> optimizedStringModelList;
};
