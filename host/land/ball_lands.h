// The land under a BGA ball, from the ball's nominal diameter and whether it collapses when
// reflowed: one table per ball type, the largest land of each range.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/base/result.h"

namespace land {

enum class BallType { Collapsible, NonCollapsible };

struct BallLand {
    double ball, land;   // nominal ball and its land, mm
};
struct BallTypeRow {
    BallType type;
    const char* name;
    std::vector<BallLand> lands;   // largest ball first
};

const std::vector<BallTypeRow>& BallTypes();
std::optional<BallType> BallTypeNamed(std::string_view name);
std::string BallTypeChoices();

// The land of a ball the table lists; a ball between two rows is refused naming both
// neighbours, since a land from between them would be a guess.
Result<double> LandForBall(BallType type, double ball);

}  // namespace land
