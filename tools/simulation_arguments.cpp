#include "tools/simulation_arguments.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <optional>
#include <vector>

namespace pairon {

namespace {

constexpr long long kMostGames = 1'000'000'000;

// Plain decimal digits only: no sign, no spaces, nothing after the number.
template <typename Number>
std::optional<Number> ParseNumber(std::string_view text) {
    if (text.empty() || text.front() < '0' || text.front() > '9') return std::nullopt;
    Number value{};
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::optional<std::vector<std::string>> ParseSeats(std::string_view text) {
    std::vector<std::string> seats;
    while (true) {
        const std::size_t comma = text.find(',');
        const std::string_view level = text.substr(0, comma);
        if (std::find(kComputerLevels.begin(), kComputerLevels.end(), level) == kComputerLevels.end()) {
            return std::nullopt;
        }
        seats.emplace_back(level);
        if (comma == std::string_view::npos) break;
        text.remove_prefix(comma + 1);
    }
    if (seats.size() > 4) return std::nullopt;
    return seats;
}

}  // namespace

std::string_view SimulationUsage() {
    return "usage: pairon-sim [--width 4|6|8|10] [--height 2..5] [--seats LEVEL[,LEVEL...]] [--games N] "
           "[--seed N] [--multiple] [--speed 2..8] [--no-checks]; 1 to 4 seats, each LEVEL one of "
           "Excellent, Good, Average, Poor, Shocking";
}

SimulationArguments ParseSimulationArguments(int argc, const char* const* argv) {
    SimulationArguments result;
    SimulationOptions& options = result.options;
    auto fail = [&](std::string message) {
        result.error = std::move(message);
        return result;
    };

    for (int k = 1; k < argc; ++k) {
        const std::string_view option = argv[k];
        if (option == "--help" || option == "-h") {
            result.helpRequested = true;
            continue;
        }
        if (option == "--multiple") {
            options.multiplePairs = true;
            continue;
        }
        if (option == "--no-checks") {
            options.checks = false;
            continue;
        }
        if (option != "--width" && option != "--height" && option != "--seats" && option != "--games" &&
            option != "--seed" && option != "--speed") {
            return fail("unknown option " + std::string(option));
        }
        if (k + 1 >= argc) return fail(std::string(option) + " needs a value");
        const std::string_view value = argv[++k];
        const std::string bad = "bad value for " + std::string(option) + ": \"" + std::string(value) + "\"";

        if (option == "--width") {
            auto width = ParseNumber<int>(value);
            if (!width || *width < 4 || *width > 10 || *width % 2 != 0) return fail(bad);
            options.width = *width;
        } else if (option == "--height") {
            auto height = ParseNumber<int>(value);
            if (!height || *height < 2 || *height > 5) return fail(bad);
            options.height = *height;
        } else if (option == "--seats") {
            auto seats = ParseSeats(value);
            if (!seats) return fail(bad);
            options.seats = std::move(*seats);
        } else if (option == "--games") {
            auto games = ParseNumber<long long>(value);
            if (!games || *games < 1 || *games > kMostGames) return fail(bad);
            options.games = *games;
        } else if (option == "--seed") {
            auto seed = ParseNumber<std::uint64_t>(value);
            if (!seed) return fail(bad);
            options.seed = *seed;
        } else {
            auto speed = ParseNumber<int>(value);
            if (!speed || *speed < 2 || *speed > 8) return fail(bad);
            options.speed = *speed;
        }
    }
    return result;
}

}  // namespace pairon
