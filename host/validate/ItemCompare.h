// Comparing descriptor items as the validator sees them: same keys, types
// and codes in the same order, numbers equal up to rounding.
#pragma once

#include "model/ActionValue.h"

#include <optional>
#include <string>
#include <vector>

namespace kestrow::validate {

// Equal up to rounding: within a billionth of their size; NaN equals NaN
// and an infinity equals itself.
bool NumbersAgree(double expected, double actual);

// Nothing when the items agree, else what differs first.
std::optional<std::string> CompareItems(const std::vector<host::Item>& expected, const std::vector<host::Item>& actual);

// "{Wdth=800 Hrzn=ADSt:AdCH}": the items as a short text.
std::string DescribeItems(const std::vector<host::Item>& items);
std::string DescribeItem(const host::Item& item);
std::string DescribeNumber(double value);

}  // namespace kestrow::validate
