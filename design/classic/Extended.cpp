#include "Extended.h"

#include <cmath>
#include <limits>

namespace transcalc {
namespace {

const char* FaultText(Fault fault) {
    switch (fault) {
        case Fault::DivisionByZero:
            return "Floating point division by zero";
        case Fault::InvalidOperation:
            return "Invalid floating point operation";
        case Fault::Overflow:
            return "Floating point overflow";
    }
    return "Invalid floating point operation";
}

// Every operand is finite, so an infinite result means the step left the
// extended range.
Extended Checked(long double result) {
    if (std::isinf(result)) {
        throw ArithmeticFault(Fault::Overflow);
    }
    return result;
}

}  // namespace

ArithmeticFault::ArithmeticFault(Fault fault)
    : std::runtime_error(FaultText(fault)), fault_(fault) {}

Extended operator+(Extended a, Extended b) {
    return Checked(a.value_ + b.value_);
}
Extended operator-(Extended a, Extended b) {
    return Checked(a.value_ - b.value_);
}
Extended operator*(Extended a, Extended b) {
    return Checked(a.value_ * b.value_);
}

Extended operator/(Extended a, Extended b) {
    if (b.value_ == 0) {
        throw ArithmeticFault(a.value_ == 0 ? Fault::InvalidOperation : Fault::DivisionByZero);
    }
    return Checked(a.value_ / b.value_);
}

double Store(Extended x) {
    const double stored = static_cast<double>(x.value());
    if (std::isinf(stored)) {
        throw ArithmeticFault(Fault::Overflow);
    }
    return stored;
}

std::int64_t Round(Extended x) {
    // nearbyint rounds in the current mode, which the program never leaves:
    // to nearest, ties to even.
    const long double whole = std::nearbyint(x.value());
    constexpr long double kLimit = 9223372036854775808.0L;  // 2^63
    if (!(whole >= -kLimit && whole < kLimit)) {
        throw ArithmeticFault(Fault::InvalidOperation);
    }
    return static_cast<std::int64_t>(whole);
}

Extended Sqrt(Extended x) {
    if (x.value() < 0) {
        throw ArithmeticFault(Fault::InvalidOperation);
    }
    return std::sqrt(x.value());
}

Extended Abs(Extended x) noexcept {
    return std::fabs(x.value());
}

}  // namespace transcalc
