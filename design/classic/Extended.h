#pragma once

#include <compare>
#include <cstdint>
#include <limits>
#include <stdexcept>

namespace transcalc {

// The classic's digits come from the x87 extended type: a long double of any
// other width would change the last digits of the results.
static_assert(std::numeric_limits<long double>::digits == 64,
              "long double must be the 80-bit extended type");

// The three arithmetic faults of a calculation. Each ends the running command.
enum class Fault { DivisionByZero, InvalidOperation, Overflow };

class ArithmeticFault : public std::runtime_error {
public:
    explicit ArithmeticFault(Fault fault);
    Fault fault() const noexcept { return fault_; }

private:
    Fault fault_;
};

// A value in the 80-bit extended format, the precision in which every formula
// of the designs is evaluated. Its operators check each step instead of
// trapping in the FPU: a division by zero, 0/0, a square root of a negative
// number and a step beyond the extended range raise ArithmeticFault. Since
// every operand is finite, no NaN or infinity ever gets out of an expression.
class Extended {
public:
    constexpr Extended(long double value) noexcept : value_(value) {}
    constexpr Extended(double value) noexcept : value_(value) {}
    constexpr Extended(int value) noexcept : value_(value) {}
    constexpr Extended(std::int64_t value) noexcept : value_(static_cast<long double>(value)) {}

    constexpr long double value() const noexcept { return value_; }

    friend Extended operator+(Extended a, Extended b);
    friend Extended operator-(Extended a, Extended b);
    friend Extended operator*(Extended a, Extended b);
    friend Extended operator/(Extended a, Extended b);
    friend constexpr Extended operator-(Extended a) noexcept { return Extended(-a.value_); }

    friend constexpr auto operator<=>(Extended a, Extended b) noexcept {
        return a.value_ <=> b.value_;
    }
    friend constexpr bool operator==(Extended a, Extended b) noexcept {
        return a.value_ == b.value_;
    }

private:
    long double value_;
};

// Stores an extended value to a double, rounding to nearest. A value beyond the
// double range raises Fault::Overflow; one too small becomes 0 or a denormal.
double Store(Extended x);

// The nearest integer, ties to even. Raises Fault::InvalidOperation when the
// result does not fit a signed 64-bit integer.
std::int64_t Round(Extended x);

// Raises Fault::InvalidOperation for a negative argument.
Extended Sqrt(Extended x);

Extended Abs(Extended x) noexcept;

// π as the nearest extended value.
inline constexpr long double kPi = 3.14159265358979323846264338327950288L;

}  // namespace transcalc
