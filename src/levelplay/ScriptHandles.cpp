// The module's registry of wall shapes and models.
#include "levelplay/ScriptHandles.h"

#include <unordered_set>
#include <vector>

// The shapes in the order they were made (deleted in reverse), and the sets
// used for membership look-ups only, never iterated.
static std::vector<CollisionShape*>& shapes() {
    static std::vector<CollisionShape*> list;
    return list;
}

static std::unordered_set<const void*>& shapeSet() {
    static std::unordered_set<const void*> set;
    return set;
}

static std::unordered_set<const void*>& modelSet() {
    static std::unordered_set<const void*> set;
    return set;
}

void ScriptHandles::addShape(CollisionShape* shape) {
    shapes().push_back(shape);
    shapeSet().insert(shape);
}

bool ScriptHandles::isShape(const void* p) { return p && shapeSet().count(p) != 0; }

void ScriptHandles::addModel(VectorModel* model) { modelSet().insert(model); }

bool ScriptHandles::isModel(const void* p) { return p && modelSet().count(p) != 0; }

int ScriptHandles::shapeCount() { return (int)shapes().size(); }

void ScriptHandles::levelEnded() {
    // Taken out first, so that nothing a destructor does can find them.
    std::vector<CollisionShape*> list;
    list.swap(shapes());
    shapeSet().clear();
    modelSet().clear();
    for (size_t i = list.size(); i > 0; i--)
        delete list[i - 1];
}
