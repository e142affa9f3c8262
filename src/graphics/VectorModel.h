// A vector graphic loaded from a graphic script, cached by path.
//
// A graphic script leaves a global table "graphic" behind; each entry is one
// frame: "points" (x, y, ...) or "points3D" (x, y, z, ...), "lines" (pairs of
// 0-based point indices), "colors" (one {r, g, b, a} table per line, 0..255)
// and "mode" (GL primitive, 1 lines by default, 0 points).
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "graphics/MultiColorVectorFrame.h"

struct lua_State;

class VectorModel {
public:
    // The cached model of a script path, built on first use; never null, never
    // deleted by the caller. A script that fails gives a model with no frames.
    static VectorModel* loadFromLuaScript(std::string path);
    // Sets *variable to loadFromLuaScript(path) unless it already holds a model.
    // The variable is remembered, so that dropping its model nulls it too.
    static void loadFromLuaScriptInStaticVar(std::string path, VectorModel** variable);
    // Drops and deletes every cached model whose script drew random numbers,
    // so that it is rebuilt from the freshly seeded generator on its next use;
    // the static variables that held one of them are set back to null.
    static void deleteVMThatUsesRandomNumbers();
    // Whether the cache still holds this very model for the path: a holder
    // of a random-number model asks before drawing it, as a new game may
    // have deleted it.
    static bool isCached(const std::string& path, const VectorModel* model);
    // Runs every cached script again, forgetting the GL buffer names first
    // when the context was lost.
    static void reloadAllModels(bool forgetBuffers);
    static int getTotalBytesUsed();

    explicit VectorModel(std::string path);

    // Runs the script in a fresh script state and builds the frames.
    void load();
    void reloadModel() { load(); }
    // Replaces the frames with those of the global "graphic" of a state in
    // which a graphic script has run.
    void buildFrames(lua_State* L);

    // A frame number outside the model's frames draws nothing.
    void draw(int frame);
    void drawWithoutColor(int frame);
    void drawWithAlpha(float alpha, int frame);

    MultiColorVectorFrame* getMultiColorVectorFrame(int i);
    int getNumberOfFrames() const { return (int)frames.size(); }
    int getWidth(int i);
    int getHeight(int i);
    std::string getFileName() const { return fileName; }
    bool getUsesRandomNumbers() const { return usesRandomNumbers; }
    void setUsesRandomNumbers(bool uses) { usesRandomNumbers = uses; }
    void resetBufferName();
    int getBytesUsed() const;
    void printInfo() {}

private:
    std::vector<std::unique_ptr<MultiColorVectorFrame>> frames;
    std::string fileName;
    bool usesRandomNumbers = false;

    // The cache lives until the process ends, after every static object, so
    // that a model stays valid for any code that still draws at exit.
    static std::map<std::string, VectorModel*>& models();
    // The static variables loadFromLuaScriptInStaticVar has filled.
    static std::vector<VectorModel**>& staticVariables();
};
