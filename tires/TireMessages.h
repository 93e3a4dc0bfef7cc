#pragma once

#include <string>
#include <string_view>

#include "outcome/Outcome.h"
#include "tires/TireReader.h"

// What every size family gives, and the reader's words for what it refuses:
// internal to tires/.
namespace tachoria::tires {

using Refusal = TireRefusal;
using Reading = Outcome<Tire, TireRefusal>;

// Why a part of a size could not be read.
using Problem = std::string;

inline constexpr std::string_view kNotATire = "not a diameter, a size code or revolutions per mile";
inline constexpr std::string_view kNothing = "nothing is typed";
inline constexpr std::string_view kNegative = "a tire's numbers are never negative";
inline constexpr std::string_view kTooLarge = "the number is too large";
inline constexpr std::string_view kWidthMissing = "the width is missing";
inline constexpr std::string_view kAspectMissing = "the aspect ratio is missing";
inline constexpr std::string_view kRimMissing = "the rim diameter is missing";
inline constexpr std::string_view kNoWidth = "the width is 0";
inline constexpr std::string_view kNoAspect = "the aspect ratio is 0";
inline constexpr std::string_view kNoRim = "the rim diameter is 0";
inline constexpr std::string_view kNoDiameter = "the diameter is 0";
inline constexpr std::string_view kNoWidthAndRim = "there is no width and rim";
inline constexpr std::string_view kNoRevolutions = "the revolutions per mile are 0";
inline constexpr std::string_view kRevolutionUnit =
    "write revolutions per mile as a plain number and rev/mi, such as 818 rev/mi";
inline constexpr std::string_view kEngineSpeed =
    "RPM is an engine speed: write the tire's revolutions per mile as rev/mi, such as 818 rev/mi";
inline constexpr std::string_view kAspectRange = "the aspect ratio is not between 20 and 120";
inline constexpr std::string_view kMetricWithSlash =
    "a metric size is written with a slash: width/aspect, then the rim";
inline constexpr std::string_view kFlotationWithX =
    "a flotation size is written with an x: diameter x width, then the rim";
inline constexpr std::string_view kConstruction = "the construction letter is not R, D or B";
inline constexpr std::string_view kBrackets = "after the rim, the brackets do not pair up";
inline constexpr std::string_view kRimTooLarge =
    "the rim diameter is not below the tire's diameter";
inline constexpr std::string_view kInchWidth =
    "an inch-width size: type the tire's diameter, or its revolutions per mile from the "
    "tire's data";
inline constexpr std::string_view kLetterSize =
    "a letter size: type the tire's diameter, or its revolutions per mile from the tire's data";

// "decimals are written with ','".
std::string DecimalsMessage(char point);

// A diameter outside kSmallestTire to kLargestTire, said without digits
// that would seem to fit: "the size gives just under 5 in; type a size from
// 5 to 100 in".
std::string RangeMessage(double diameter, char point);

bool InRange(double diameter);

}  // namespace tachoria::tires
