// The argument and result values that cross a dispatch interface.
//
// Scalars are held by value. By-reference arguments (out-parameters and the
// arrays a caller passes) point at storage the caller owns and carry its
// element count, so a control never reads or writes past what it was given.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace hosting {

template <class T>
struct ArrayRef {
    T* data = nullptr;
    size_t count = 0;
};

// An image held as the bytes of its file; the control only stores and returns it.
struct Picture {
    std::vector<uint8_t> bytes;
    friend bool operator==(const Picture&, const Picture&) = default;
};

// The stock font property: enough to pick the same face again.
struct FontDesc {
    std::string family = "Sans Serif";
    double pointSize = 8.25;
    int32_t weight = 400; // 100..900, 400 normal, 700 bold
    bool italic = false;
    bool underline = false;
    bool strikeout = false;
    friend bool operator==(const FontDesc&, const FontDesc&) = default;
};

class Variant;

class Variant {
public:
    // The order matches the std::variant alternatives below.
    enum class Kind : uint8_t {
        Empty, I2, I4, R4, R8, Bool, String, Picture, Font,
        I2Ref, I4Ref, R4Ref, R8Ref, BoolRef, StringRef, VariantRef,
    };

    Variant() = default;
    Variant(int16_t v) : value_(v) {}
    Variant(int32_t v) : value_(v) {}
    Variant(float v) : value_(v) {}
    Variant(double v) : value_(v) {}
    Variant(bool v) : value_(v) {}
    Variant(std::string v) : value_(std::move(v)) {}
    Variant(const char* v) : value_(std::string(v)) {}
    Variant(hosting::Picture v) : value_(std::move(v)) {}
    Variant(FontDesc v) : value_(std::move(v)) {}
    Variant(ArrayRef<int16_t> v) : value_(v) {}
    Variant(ArrayRef<int32_t> v) : value_(v) {}
    Variant(ArrayRef<float> v) : value_(v) {}
    Variant(ArrayRef<double> v) : value_(v) {}
    Variant(ArrayRef<bool> v) : value_(v) {}
    Variant(std::string* v) : value_(v) {}
    Variant(Variant* v) : value_(v) {}

    template <class T>
    static Variant byRef(T* data, size_t count)
    {
        return Variant(ArrayRef<T>{data, data ? count : 0});
    }
    template <class T, size_t N>
    static Variant byRef(T (&array)[N])
    {
        return Variant(ArrayRef<T>{array, N});
    }

    Kind kind() const { return static_cast<Kind>(value_.index()); }
    bool isEmpty() const { return kind() == Kind::Empty; }

    template <class T>
    const T* get() const { return std::get_if<T>(&value_); }
    template <class T>
    T* get() { return std::get_if<T>(&value_); }

    friend bool operator==(const Variant& a, const Variant& b)
    {
        if (a.value_.index() != b.value_.index()) return false;
        return std::visit(
            [&](const auto& x) {
                using T = std::decay_t<decltype(x)>;
                const T& y = *std::get_if<T>(&b.value_);
                if constexpr (requires { x.data; x.count; })
                    return x.data == y.data && x.count == y.count;
                else
                    return x == y;
            },
            a.value_);
    }

private:
    std::variant<std::monostate, int16_t, int32_t, float, double, bool, std::string,
                 hosting::Picture, FontDesc, ArrayRef<int16_t>, ArrayRef<int32_t>,
                 ArrayRef<float>, ArrayRef<double>, ArrayRef<bool>, std::string*, Variant*>
        value_;
};

} // namespace hosting
