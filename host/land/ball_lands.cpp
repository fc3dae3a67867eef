// The ball-to-land tables; see ball_lands.h.
#include "host/land/ball_lands.h"

#include <cmath>

#include "host/land/number_text.h"

namespace land {
namespace {

// Ball sizes are typed to the hundredth; closer than this is the same ball.
constexpr double kSameBall = 1e-6;

const BallTypeRow& RowOf(BallType type) {
    for (const BallTypeRow& row : BallTypes())
        if (row.type == type) return row;
    return BallTypes().front();
}

}  // namespace

const std::vector<BallTypeRow>& BallTypes() {
    static const std::vector<BallTypeRow> rows = {
        {BallType::Collapsible, "collapsible",
         {{0.75, 0.55}, {0.65, 0.50}, {0.60, 0.45}, {0.55, 0.40}, {0.50, 0.40}, {0.45, 0.35}, {0.40, 0.30},
          {0.35, 0.28}, {0.30, 0.25}, {0.25, 0.20}, {0.20, 0.17}, {0.17, 0.15}, {0.15, 0.13}}},
        {BallType::NonCollapsible, "non-collapsible",
         {{0.75, 0.85}, {0.60, 0.70}, {0.55, 0.65}, {0.50, 0.55}, {0.45, 0.50}, {0.40, 0.45}, {0.30, 0.33},
          {0.25, 0.28}, {0.20, 0.21}, {0.17, 0.18}, {0.15, 0.16}}},
    };
    return rows;
}

std::optional<BallType> BallTypeNamed(std::string_view name) {
    for (const BallTypeRow& row : BallTypes())
        if (name == row.name) return row.type;
    return std::nullopt;
}

std::string BallTypeChoices() {
    std::string text;
    for (const BallTypeRow& row : BallTypes()) text += (text.empty() ? "" : " or ") + std::string(row.name);
    return text;
}

Result<double> LandForBall(BallType type, double ball) {
    const BallTypeRow& row = RowOf(type);
    const std::string table = std::string(" of the ") + row.name + " table";
    const BallLand* larger = nullptr;
    for (const BallLand& entry : row.lands) {
        if (std::abs(entry.ball - ball) < kSameBall) return entry.land;
        if (entry.ball < ball) {
            if (larger == nullptr)
                return Failure{"ball_diameter " + Mm(ball) + " is larger than the largest ball " + Mm(entry.ball) +
                               table + "; give pad_diameter"};
            return Failure{"ball_diameter " + Mm(ball) + " lies between the balls " + Mm(entry.ball) + " and " +
                           Mm(larger->ball) + table + "; give pad_diameter"};
        }
        larger = &entry;
    }
    return Failure{"ball_diameter " + Mm(ball) + " is smaller than the smallest ball " + Mm(row.lands.back().ball) +
                   table + "; give pad_diameter"};
}

}  // namespace land
