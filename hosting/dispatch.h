// Calling a control by dispatch id, and receiving its events.
#pragma once

#include "type_info.h"
#include "variant.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace hosting {

using HResult = int32_t;

namespace hr {
inline constexpr HResult ok = 0;
inline constexpr HResult falseResult = 1;
inline constexpr HResult notImplemented = static_cast<HResult>(0x80004001);
inline constexpr HResult pointer = static_cast<HResult>(0x80004003);
inline constexpr HResult fail = static_cast<HResult>(0x80004005);
inline constexpr HResult invalidArg = static_cast<HResult>(0x80070057);
inline constexpr HResult memberNotFound = static_cast<HResult>(0x80020003);
inline constexpr HResult unknownName = static_cast<HResult>(0x80020006);
inline constexpr HResult typeMismatch = static_cast<HResult>(0x80020005);
inline constexpr HResult exception = static_cast<HResult>(0x80020009);
inline constexpr HResult overflow = static_cast<HResult>(0x8002000A);
inline constexpr HResult badParamCount = static_cast<HResult>(0x8002000E);
inline constexpr HResult classNotAvailable = static_cast<HResult>(0x80040111);
inline constexpr HResult selfRegTypeLib = static_cast<HResult>(0x80040200);
inline constexpr HResult selfRegClass = static_cast<HResult>(0x80040201);
} // namespace hr

constexpr bool succeeded(HResult h) { return h >= 0; }

enum class InvokeKind : uint8_t { Method = 1, PropertyGet = 2, PropertyPut = 4 };

// Filled when a member fails with hr::exception.
struct ExceptionInfo {
    std::string source;
    std::string description;
    int32_t scode = 0;
};

class Dispatch {
public:
    virtual ~Dispatch() = default;

    // Arguments in declaration order (first argument first). A method or a
    // property get writes its result into *result when result is non-null.
    // An unknown id answers hr::memberNotFound, a wrong count
    // hr::badParamCount, an argument that cannot become its declared kind
    // hr::typeMismatch or hr::overflow; nothing is called in those cases.
    virtual HResult invoke(DispId id, InvokeKind kind, std::span<Variant> args,
                           Variant* result = nullptr, ExceptionInfo* error = nullptr) = 0;

    virtual DispId idOfName(std::string_view name) const = 0;
    virtual const TypeLibrary& typeInfo() const = 0;
};

// The host's side of the event interface; events are raised synchronously.
class EventSink {
public:
    virtual ~EventSink() = default;
    virtual void onEvent(DispId id, std::span<Variant> args) = 0;
};

} // namespace hosting
