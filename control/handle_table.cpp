#include "handle_table.h"

#include <limits>

namespace vistrel {

int32_t HandleTable::add(HandleKind kind, void* ptr)
{
    // Counting up keeps a deleted handle from naming a newer object.
    while (next_ == 0 || entries_.count(next_)) next_ = next_ == std::numeric_limits<int32_t>::max() ? 1 : next_ + 1;
    int32_t h = next_;
    next_ = next_ == std::numeric_limits<int32_t>::max() ? 1 : next_ + 1;
    entries_[h] = Entry{kind, ptr};
    return h;
}

void* HandleTable::find(HandleKind kind, int32_t handle) const
{
    auto it = entries_.find(handle);
    return it != entries_.end() && it->second.kind == kind ? it->second.ptr : nullptr;
}

int32_t HandleTable::handleOf(HandleKind kind, const void* ptr) const
{
    for (const auto& [h, e] : entries_)
        if (e.kind == kind && e.ptr == ptr) return h;
    return 0;
}

void* HandleTable::remove(HandleKind kind, int32_t handle)
{
    auto it = entries_.find(handle);
    if (it == entries_.end() || it->second.kind != kind) return nullptr;
    void* p = it->second.ptr;
    entries_.erase(it);
    return p;
}

HandleTable& handles()
{
    static HandleTable table;
    return table;
}

} // namespace vistrel
