#include "game/numbers.h"

#include <cmath>
#include <cstddef>

namespace pairon {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

double NumericValue(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    double value = 0.0;
    bool anyDigit = false;
    while (i < text.size() && IsDigit(text[i])) {
        value = value * 10.0 + (text[i] - '0');
        anyDigit = true;
        ++i;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        double scale = 0.1;
        while (i < text.size() && IsDigit(text[i])) {
            value += (text[i] - '0') * scale;
            scale /= 10.0;
            anyDigit = true;
            ++i;
        }
    }
    if (!anyDigit) return 0.0;
    return negative ? -value : value;
}

int WholeValue(std::string_view text) {
    // Fast path for the plain digit texts the game writes itself.
    if (!text.empty() && text.size() <= 9) {
        int value = 0;
        bool plain = true;
        for (char c : text) {
            if (!IsDigit(c)) {
                plain = false;
                break;
            }
            value = value * 10 + (c - '0');
        }
        if (plain) return value;
    }
    double value = NumericValue(text);
    if (value > 1e9) value = 1e9;
    if (value < -1e9) value = -1e9;
    return static_cast<int>(std::lround(value));
}

std::string DecimalText(long long value) { return std::to_string(value); }

}  // namespace pairon
