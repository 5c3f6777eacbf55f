// Class, interface and library identifiers as hosts and controls spell them:
// "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}".
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace hosting {

struct Guid {
    uint32_t d1 = 0;
    uint16_t d2 = 0;
    uint16_t d3 = 0;
    std::array<uint8_t, 8> d4{};

    friend constexpr bool operator==(const Guid&, const Guid&) = default;

    // Parses the braced or bare form; nullopt on anything else.
    static constexpr std::optional<Guid> parse(std::string_view s)
    {
        if (s.size() == 38 && s.front() == '{' && s.back() == '}')
            s = s.substr(1, 36);
        if (s.size() != 36 || s[8] != '-' || s[13] != '-' || s[18] != '-' || s[23] != '-')
            return std::nullopt;
        auto hex = [](char c) -> int {
            if (c >= '0' && c <= '9') return c - '0';
            if (c >= 'a' && c <= 'f') return c - 'a' + 10;
            if (c >= 'A' && c <= 'F') return c - 'A' + 10;
            return -1;
        };
        auto field = [&](size_t pos, size_t len, uint64_t& out) {
            out = 0;
            for (size_t i = 0; i < len; ++i) {
                int h = hex(s[pos + i]);
                if (h < 0) return false;
                out = out * 16 + static_cast<uint64_t>(h);
            }
            return true;
        };
        Guid g;
        uint64_t v = 0;
        if (!field(0, 8, v)) return std::nullopt;
        g.d1 = static_cast<uint32_t>(v);
        if (!field(9, 4, v)) return std::nullopt;
        g.d2 = static_cast<uint16_t>(v);
        if (!field(14, 4, v)) return std::nullopt;
        g.d3 = static_cast<uint16_t>(v);
        constexpr size_t starts[8] = {19, 21, 24, 26, 28, 30, 32, 34};
        for (size_t i = 0; i < 8; ++i) {
            if (!field(starts[i], 2, v)) return std::nullopt;
            g.d4[i] = static_cast<uint8_t>(v);
        }
        return g;
    }

    // Upper-case braced form, as the registry stores it.
    std::string toString() const
    {
        static constexpr char digits[] = "0123456789ABCDEF";
        std::string out = "{";
        auto put = [&](uint64_t value, int len) {
            for (int i = len - 1; i >= 0; --i) out += digits[(value >> (4 * i)) & 0xF];
        };
        put(d1, 8);
        out += '-';
        put(d2, 4);
        out += '-';
        put(d3, 4);
        out += '-';
        for (size_t i = 0; i < 8; ++i) {
            if (i == 2) out += '-';
            put(d4[i], 2);
        }
        out += '}';
        return out;
    }
};

// For compile-time identifiers; a malformed literal fails to compile.
consteval Guid guid(std::string_view s)
{
    auto g = Guid::parse(s);
    if (!g) throw "malformed GUID literal";
    return *g;
}

} // namespace hosting
