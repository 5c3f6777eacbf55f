// Turning the variants a host passes into the kinds a member declares.
#pragma once

#include "dispatch.h"

#include <array>
#include <span>

namespace vistrel {

// One argument after coercion. Integers (s, l, b, window handles) sit in i,
// reals in f and d; by-reference arguments keep the caller's storage.
struct Arg {
    int32_t i = 0;
    float f = 0;
    double d = 0;
    const hosting::Variant* value = nullptr; // the original, for strings, variants, pictures, fonts
    void* ref = nullptr;                     // caller-owned storage for by-reference kinds
    size_t count = 0;                        // its element count

    template <class T>
    std::span<T> array() const { return {static_cast<T*>(ref), ref ? count : 0}; }
    const std::string& str() const;
};

using Args = std::array<Arg, hosting::kMaxArgs>;

// Coerces args to the member's argument kinds; hr::ok, hr::badParamCount,
// hr::typeMismatch or hr::overflow.
hosting::HResult coerceArguments(const hosting::MemberInfo& member, std::span<hosting::Variant> args,
                                 Args& out);

// The same for one value, used by property puts.
hosting::HResult coerceArgument(hosting::ArgKind kind, hosting::Variant& value, Arg& out);

} // namespace vistrel
