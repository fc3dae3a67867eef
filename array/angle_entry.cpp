// Angle entry: a one-pass scan with flags, then the range rules of degrees and minutes.
#include "array/angle_entry.h"

#include <cstdio>

#include "platform/win/message_box.h"
#include "res/page_texts.h"

namespace {

constexpr size_t kMaxAngleText = 255;
constexpr int32_t kFullTurn = 21600;
constexpr int64_t kSaturated = 1000000000;   // far beyond every limit below

struct AngleScan {
    bool negative = false, point = false, separator = false, minutesMark = false;
    std::string_view first, second;   // digit strings: degrees, then minutes or fraction
};

int Refuse(const char* text) {
    // No owner and no caption: the box takes the system's own.
    MessageBoxA(0, text, nullptr, MB_OK);
    return 0;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Digits are contiguous in each string: the only characters between them set a flag.
void AppendDigit(std::string_view text, size_t at, std::string_view& digits) {
    digits = digits.empty() ? text.substr(at, 1) : std::string_view(digits.data(), digits.size() + 1);
}

bool Scan(std::string_view text, AngleScan& scan) {
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const bool open = !scan.point && !scan.separator;
        if (c == '-' && i == 0 && text.size() >= 2) {
            scan.negative = true;
        } else if (c == '.' && open) {
            scan.point = true;
        } else if (c == '\'') {
            scan.minutesMark = true;
            return true;
        } else if (c == ' ' && open) {
            scan.separator = true;
        } else if (IsDigit(c)) {
            AppendDigit(text, i, open ? scan.first : scan.second);
        } else {
            return false;
        }
    }
    return true;
}

int64_t NumberOf(std::string_view digits) {
    int64_t value = 0;
    for (char c : digits) {
        value = value * 10 + (c - '0');
        if (value > kSaturated) return kSaturated;
    }
    return value;
}

// floor(60 * 0.ddd...), exact for fractions of any length: the carry out of multiplying the
// digit string by 60 from the right is the whole part.
int64_t FractionMinutes(std::string_view digits) {
    int64_t carry = 0;
    for (size_t i = digits.size(); i-- > 0;) carry = ((digits[i] - '0') * 60 + carry) / 10;
    return carry;
}

int DegreesResult(const AngleScan& scan, int16_t& minutes) {
    const int64_t degrees = NumberOf(scan.first);
    if (degrees > 360) return Refuse(page_texts::kDegreesRange);
    int64_t result = degrees * 60;
    if (scan.point || scan.separator || scan.minutesMark) {
        const int64_t m = scan.point ? FractionMinutes(scan.second) : NumberOf(scan.second);
        if (m > 60) return Refuse(page_texts::kMinutesOfDegree);
        result += m;
    }
    if (scan.negative) result = -result;
    if (result < -kFullTurn || result > kFullTurn) return Refuse(page_texts::kDegreesRange);
    minutes = int16_t(result);
    return 1;
}

}  // namespace

int ParseAngle(std::string_view text, int16_t& minutes) {
    const size_t start = text.find_first_not_of(' ');
    text = start == std::string_view::npos ? std::string_view() : text.substr(start, kMaxAngleText);

    AngleScan scan;
    if (!Scan(text, scan)) return Refuse(page_texts::kUnexpectedAngle);
    if (scan.first.empty() && scan.second.empty()) {
        minutes = 0;
        return 1;
    }
    const bool onlyMark = scan.minutesMark && !scan.negative && !scan.point && !scan.separator;
    if (onlyMark) {
        const int64_t value = NumberOf(scan.first);
        if (value > kFullTurn) return Refuse(page_texts::kMinutesOfTurn);
        minutes = int16_t(value);
        return 1;
    }
    return DegreesResult(scan, minutes);
}

int FormatAngle(int32_t minutes, std::string& text) {
    const int32_t d = minutes / 60;
    const int32_t m = minutes % 60;
    char buffer[32];
    if (m != 0) {
        std::snprintf(buffer, sizeof buffer, "%d %d'", d, m);
    } else {
        std::snprintf(buffer, sizeof buffer, "%d", d);
    }
    text = buffer;
    return 1;
}
