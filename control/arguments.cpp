#include "arguments.h"

#include <cmath>
#include <limits>
#include <optional>

namespace vistrel {

using hosting::ArgKind;
using hosting::HResult;
using hosting::Variant;
namespace hr = hosting::hr;

const std::string& Arg::str() const
{
    static const std::string empty;
    const std::string* s = value ? value->get<std::string>() : nullptr;
    return s ? *s : empty;
}

namespace {

// The numeric value of a scalar variant; nullopt for strings, references and the like.
std::optional<double> numeric(const Variant& v)
{
    switch (v.kind()) {
    case Variant::Kind::Empty: return 0.0;
    case Variant::Kind::I2: return *v.get<int16_t>();
    case Variant::Kind::I4: return *v.get<int32_t>();
    case Variant::Kind::R4: return *v.get<float>();
    case Variant::Kind::R8: return *v.get<double>();
    case Variant::Kind::Bool: return *v.get<bool>() ? -1.0 : 0.0;
    default: return std::nullopt;
    }
}

HResult toInteger(const Variant& v, double lo, double hi, int32_t& out)
{
    auto n = numeric(v);
    if (!n) return hr::typeMismatch;
    double r = std::nearbyint(*n);
    if (!(r >= lo && r <= hi)) return hr::overflow; // also refuses NaN
    out = static_cast<int32_t>(r);
    return hr::ok;
}

template <class T>
HResult toRef(Variant& v, Arg& out)
{
    auto* r = v.get<hosting::ArrayRef<T>>();
    if (!r) return hr::typeMismatch;
    out.ref = r->data;
    out.count = r->data ? r->count : 0;
    return hr::ok;
}

} // namespace

HResult coerceArgument(ArgKind kind, Variant& v, Arg& out)
{
    out = Arg{};
    out.value = &v;
    switch (kind) {
    case ArgKind::I2: {
        // 16-bit arguments also take the unsigned spelling of a 16-bit value,
        // so constants such as 0x8037 can be passed as they are written.
        if (HResult h = toInteger(v, -32768, 65535, out.i); h != hr::ok) return h;
        out.i = static_cast<int16_t>(static_cast<uint16_t>(out.i));
        return hr::ok;
    }
    case ArgKind::I4:
    case ArgKind::WindowHandle:
    case ArgKind::SCode:
        return toInteger(v, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max(), out.i);
    case ArgKind::R4: {
        auto n = numeric(v);
        if (!n) return hr::typeMismatch;
        if (std::isfinite(*n) && std::fabs(*n) > std::numeric_limits<float>::max()) return hr::overflow;
        out.f = static_cast<float>(*n);
        out.d = *n;
        return hr::ok;
    }
    case ArgKind::R8: {
        auto n = numeric(v);
        if (!n) return hr::typeMismatch;
        out.d = *n;
        out.f = static_cast<float>(*n);
        return hr::ok;
    }
    case ArgKind::Bool: {
        auto n = numeric(v);
        if (!n) return hr::typeMismatch;
        out.i = *n != 0 ? 1 : 0;
        return hr::ok;
    }
    case ArgKind::String:
        return v.kind() == Variant::Kind::String ? hr::ok : hr::typeMismatch;
    case ArgKind::Variant:
        return hr::ok;
    case ArgKind::Picture:
        return v.kind() == Variant::Kind::Picture ? hr::ok : hr::typeMismatch;
    case ArgKind::Font:
        return v.kind() == Variant::Kind::Font ? hr::ok : hr::typeMismatch;
    case ArgKind::I2Ref: return toRef<int16_t>(v, out);
    case ArgKind::I4Ref: return toRef<int32_t>(v, out);
    case ArgKind::R4Ref: return toRef<float>(v, out);
    case ArgKind::R8Ref: return toRef<double>(v, out);
    case ArgKind::BoolRef: return toRef<bool>(v, out);
    case ArgKind::StringRef: {
        auto* p = v.get<std::string*>();
        if (!p) return hr::typeMismatch;
        out.ref = *p;
        out.count = *p ? 1 : 0;
        return hr::ok;
    }
    case ArgKind::VariantRef: {
        auto* p = v.get<Variant*>();
        if (!p) return hr::typeMismatch;
        out.ref = *p;
        out.count = *p ? 1 : 0;
        return hr::ok;
    }
    case ArgKind::Void: break;
    }
    return hr::typeMismatch;
}

HResult coerceArguments(const hosting::MemberInfo& member, std::span<Variant> args, Args& out)
{
    if (args.size() != member.argc) return hr::badParamCount;
    for (size_t k = 0; k < args.size(); ++k)
        if (HResult h = coerceArgument(member.args[k], args[k], out[k]); h != hr::ok) return h;
    return hr::ok;
}

} // namespace vistrel
