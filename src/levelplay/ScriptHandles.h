// The handles the script module gives out and takes back: the one checked
// cast from a script value to a native object, and the registry of the wall
// shapes and models the module made (entities have the world's own registry).
#pragma once

#include <type_traits>

#include "core/CollisionShape.h"
#include "core/Entity.h"
#include "graphics/VectorModel.h"
#include "script/LuaRuntime.h"

class ScriptHandles {
public:
    // The module owns the shapes it makes: they live until levelEnded.
    static void addShape(CollisionShape* shape);
    static bool isShape(const void* p);
    // Models belong to the model cache; the module only remembers their handles.
    static void addModel(VectorModel* model);
    static bool isModel(const void* p);
    // The level is over: deletes the module's shapes and forgets every handle.
    // Safe to call any number of times.
    static void levelEnded();
    static int shapeCount();

    // Handles are the address of the object's base part (Entity,
    // CollisionShape, VectorModel), so that a look-up finds it whatever the class.
    static void pushEntity(lua_State* L, Entity* e) { lua_pushlightuserdata(L, (void*)e); }
    static void pushShape(lua_State* L, CollisionShape* s) { lua_pushlightuserdata(L, (void*)s); }
    static void pushModel(lua_State* L, VectorModel* m) { lua_pushlightuserdata(L, (void*)m); }
    // Not nil: true in a script, equal only to another null handle.
    static void pushNull(lua_State* L) { lua_pushlightuserdata(L, nullptr); }
};

// The object behind argument i when it is a live object of kind T, else null:
// not light userdata, the null handle, a destroyed or unknown address, or an
// object of another kind. Never raises a script error.
template <class T>
T* handleArg(lua_State* L, int i) {
    if constexpr (std::is_base_of<Entity, T>::value) {
        // One call reads the address: lua_touserdata gives null for a value
        // that is not userdata, and the block of a full userdata is never a
        // live entity, so the live set answers for the type check too.
        void* p = lua_touserdata(L, i);
        if (!Entity::isLive(p))
            return nullptr;
        return dynamic_cast<T*>(static_cast<Entity*>(p));
    } else {
        if (lua_type(L, i) != LUA_TLIGHTUSERDATA)
            return nullptr;
        void* p = lua_touserdata(L, i);
        if (!p)
            return nullptr;
        if constexpr (std::is_base_of<CollisionShape, T>::value) {
            if (!ScriptHandles::isShape(p))
                return nullptr;
            return dynamic_cast<T*>(static_cast<CollisionShape*>(p));
        } else {
            static_assert(std::is_same<T, VectorModel>::value, "no handles of this kind");
            return ScriptHandles::isModel(p) ? static_cast<VectorModel*>(p) : nullptr;
        }
    }
}
