// Vector models: running graphic scripts in a private script state and caching the result.
#include "graphics/VectorModel.h"

#include <algorithm>

#include "core/Game.h"
#include "script/LuaCommon.h"
#include "script/LuaRuntime.h"

std::map<std::string, VectorModel*>& VectorModel::models() {
    static auto* cache = new std::map<std::string, VectorModel*>();
    return *cache;
}

VectorModel* VectorModel::loadFromLuaScript(std::string path) {
    VectorModel*& slot = models()[path];
    if (!slot)
        slot = new VectorModel(path);
    return slot;
}

void VectorModel::loadFromLuaScriptInStaticVar(std::string path, VectorModel** variable) {
    if (*variable != nullptr)
        return;
    *variable = loadFromLuaScript(path);
    std::vector<VectorModel**>& vars = staticVariables();
    if (std::find(vars.begin(), vars.end(), variable) == vars.end())
        vars.push_back(variable);
}

void VectorModel::deleteVMThatUsesRandomNumbers() {
    for (auto& entry : models()) {
        if (entry.second && entry.second->usesRandomNumbers) {
            for (VectorModel** v : staticVariables())
                if (*v == entry.second)
                    *v = nullptr;
            delete entry.second;
            entry.second = nullptr;
        }
    }
}

bool VectorModel::isCached(const std::string& path, const VectorModel* model) {
    auto it = models().find(path);
    return model && it != models().end() && it->second == model;
}

std::vector<VectorModel**>& VectorModel::staticVariables() {
    static std::vector<VectorModel**>* vars = new std::vector<VectorModel**>();
    return *vars;
}

void VectorModel::reloadAllModels(bool forgetBuffers) {
    for (auto& entry : models()) {
        if (!entry.second)
            continue;
        if (forgetBuffers)
            entry.second->resetBufferName();
        entry.second->load();
    }
}

int VectorModel::getTotalBytesUsed() {
    int sum = 0;
    for (auto& entry : models())
        if (entry.second)
            sum += entry.second->getBytesUsed();
    return sum;
}

VectorModel::VectorModel(std::string path) : fileName(std::move(path)) { load(); }

void VectorModel::load() {
    frames.clear();
    usesRandomNumbers = false;

    lua_State* L = luaL_newstate();
    if (!L)
        return;
    luaL_openlibs(L);
    Game::randWasUsedByScript = false;
    if (!loadScript(L, fileName, false)) {
        lua_close(L);
        return;
    }
    usesRandomNumbers = Game::randWasUsedByScript;
    buildFrames(L);
    lua_close(L);
}

void VectorModel::buildFrames(lua_State* L) {
    frames.clear();
    const char* name = "graphic";
    int n = getSizeOfArray(L, name);
    for (int k = 1; k <= n; k++) {
        int mode = 1;
        std::vector<int> lines;
        std::vector<int> points;
        std::vector<Color> colors;
        readArrayThenIndexThenInt(L, name, k, "mode", &mode);
        readArrayThenIndexThenArray(L, name, k, "lines", &lines);
        readArrayThenIndexThenArray(L, name, k, "points", &points);
        readArrayThenIndexThenColors(L, name, k, &colors);
        bool is3D = false;
        if (points.empty()) {
            readArrayThenIndexThenArray(L, name, k, "points3D", &points);
            is3D = !points.empty();
        }
        frames.push_back(std::make_unique<MultiColorVectorFrame>(&lines, &points, &colors, is3D, mode));
    }
}

MultiColorVectorFrame* VectorModel::getMultiColorVectorFrame(int i) {
    if (i < 0 || i >= (int)frames.size())
        return nullptr;
    return frames[i].get();
}

void VectorModel::draw(int frame) {
    if (MultiColorVectorFrame* f = getMultiColorVectorFrame(frame))
        f->draw();
}

void VectorModel::drawWithoutColor(int frame) {
    if (MultiColorVectorFrame* f = getMultiColorVectorFrame(frame))
        f->drawWithoutColor();
}

void VectorModel::drawWithAlpha(float alpha, int frame) {
    if (MultiColorVectorFrame* f = getMultiColorVectorFrame(frame))
        f->drawWithAlpha(alpha);
}

int VectorModel::getWidth(int i) {
    MultiColorVectorFrame* f = getMultiColorVectorFrame(i);
    return f ? f->getWidth() : 0;
}

int VectorModel::getHeight(int i) {
    MultiColorVectorFrame* f = getMultiColorVectorFrame(i);
    return f ? f->getHeight() : 0;
}

void VectorModel::resetBufferName() {
    for (auto& f : frames)
        f->resetBufferName();
}

int VectorModel::getBytesUsed() const {
    int sum = 0;
    for (auto& f : frames)
        sum += f->getBytesUsed();
    return sum;
}
