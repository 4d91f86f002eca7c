#pragma once

#include <functional>
#include <string>

namespace talvora::keys {

// A number in [0, 1) from 53 bits of the operating system's cryptographic random source.
double randomUnit();

// The digit a draw gives: r * 9 rounded to nearest, half to even. 0 means draw again.
int keyDigit(double r);

// generateKey() with the draws taken from draw instead.
std::string generateKey(const std::function<double()>& draw);

} // namespace talvora::keys
