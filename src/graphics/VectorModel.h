// A vector graphic loaded from a graphic script, cached by path.
#pragma once

#include <string>

class VectorModel {
public:
    static VectorModel* loadFromLuaScript(std::string path);
    static void deleteVMThatUsesRandomNumbers();

    void draw(int frame);
    void drawWithoutColor(int frame);
    void drawWithAlpha(float alpha, int frame);
    int getNumberOfFrames();
};
