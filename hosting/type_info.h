// Type information a control library exports: every member of its dispatch
// and event interfaces with its id and argument kinds, and its named constants.
#pragma once

#include "guid.h"

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace hosting {

using DispId = int32_t;
inline constexpr DispId kDispIdUnknown = -1;

// Argument kinds as the interface tables spell them: s l f d b str v, the
// stock picture/font/window-handle/SCODE types, and a trailing * for by-reference.
enum class ArgKind : uint8_t {
    Void, I2, I4, R4, R8, Bool, String, Variant, Picture, Font, WindowHandle, SCode,
    I2Ref, I4Ref, R4Ref, R8Ref, BoolRef, StringRef, VariantRef,
};

constexpr bool isByRef(ArgKind k) { return k >= ArgKind::I2Ref; }

enum class MemberKind : uint8_t { Method, Property, ReadOnlyProperty };

inline constexpr size_t kMaxArgs = 11;

struct MemberInfo {
    DispId id = 0;
    std::string_view name;
    MemberKind kind = MemberKind::Method;
    ArgKind result = ArgKind::Void;
    uint8_t argc = 0;
    std::array<ArgKind, kMaxArgs> args{};

    constexpr std::span<const ArgKind> arguments() const { return {args.data(), argc}; }
};

namespace detail {
constexpr ArgKind parseArgKind(std::string_view t)
{
    struct Entry { std::string_view token; ArgKind kind; };
    constexpr Entry table[] = {
        {"s", ArgKind::I2}, {"l", ArgKind::I4}, {"f", ArgKind::R4}, {"d", ArgKind::R8},
        {"b", ArgKind::Bool}, {"str", ArgKind::String}, {"v", ArgKind::Variant},
        {"picture", ArgKind::Picture}, {"font", ArgKind::Font}, {"hwnd", ArgKind::WindowHandle},
        {"SCODE", ArgKind::SCode}, {"s*", ArgKind::I2Ref}, {"l*", ArgKind::I4Ref},
        {"f*", ArgKind::R4Ref}, {"d*", ArgKind::R8Ref}, {"b*", ArgKind::BoolRef},
        {"str*", ArgKind::StringRef}, {"v*", ArgKind::VariantRef},
    };
    for (const auto& e : table)
        if (e.token == t) return e.kind;
    throw "unknown argument kind";
}
} // namespace detail

// member(3, "oglScale", "d,d,d") - the signature in the interface table's letters.
consteval MemberInfo member(DispId id, std::string_view name, std::string_view signature,
                            std::string_view result = "", MemberKind kind = MemberKind::Method)
{
    MemberInfo m;
    m.id = id;
    m.name = name;
    m.kind = kind;
    m.result = result.empty() ? ArgKind::Void : detail::parseArgKind(result);
    while (!signature.empty()) {
        size_t comma = signature.find(',');
        std::string_view token = signature.substr(0, comma);
        if (m.argc == kMaxArgs) throw "too many arguments";
        m.args[m.argc++] = detail::parseArgKind(token);
        signature = comma == std::string_view::npos ? std::string_view{} : signature.substr(comma + 1);
    }
    return m;
}

consteval MemberInfo property(DispId id, std::string_view name, std::string_view type,
                              bool readOnly = false)
{
    return member(id, name, "", type, readOnly ? MemberKind::ReadOnlyProperty : MemberKind::Property);
}

struct ConstantInfo {
    std::string_view name;
    int32_t value = 0;
};

struct TypeLibrary {
    std::string_view name;
    Guid libraryId;
    uint16_t majorVersion = 1;
    uint16_t minorVersion = 0;
    Guid classId;
    std::string_view className;
    Guid dispatchId;
    std::string_view dispatchName;
    Guid eventsId;
    std::string_view eventsName;
    std::span<const MemberInfo> members;
    std::span<const MemberInfo> events;
    std::string_view enumName;
    std::span<const ConstantInfo> constants;

    constexpr const MemberInfo* findMember(DispId id) const
    {
        for (const auto& m : members)
            if (m.id == id) return &m;
        return nullptr;
    }
    constexpr const MemberInfo* findMember(std::string_view memberName) const
    {
        for (const auto& m : members)
            if (m.name == memberName) return &m;
        return nullptr;
    }
    constexpr const MemberInfo* findEvent(DispId id) const
    {
        for (const auto& e : events)
            if (e.id == id) return &e;
        return nullptr;
    }
    constexpr const ConstantInfo* findConstant(std::string_view constantName) const
    {
        for (const auto& c : constants)
            if (c.name == constantName) return &c;
        return nullptr;
    }
};

} // namespace hosting
