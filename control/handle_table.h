// The 32-bit handles hosts hold for objects behind 64-bit pointers: quadrics,
// NURBS renderers, tessellators, rendering contexts and drawing surfaces.
// A handle names one object of one kind; a stale, unknown or mistyped
// handle finds nothing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <unordered_map>

namespace vistrel {

enum class HandleKind : uint8_t { Quadric, Nurbs, Tessellator, Context, Surface };

class HandleTable {
public:
    // A fresh handle (never 0, not reused while the table has room) for ptr.
    int32_t add(HandleKind kind, void* ptr);
    void* find(HandleKind kind, int32_t handle) const;
    // The handle already given to ptr, or 0.
    int32_t handleOf(HandleKind kind, const void* ptr) const;
    // Forgets the handle and returns what it named (null when it named nothing of that kind).
    void* remove(HandleKind kind, int32_t handle);
    size_t size() const { return entries_.size(); }

private:
    struct Entry {
        HandleKind kind;
        void* ptr;
    };
    std::unordered_map<int32_t, Entry> entries_;
    int32_t next_ = 1;
};

// The library's one table: GLU objects are not tied to one control.
HandleTable& handles();

} // namespace vistrel
