#pragma once
// Random velmora-chart queries over the whole accepted range: any birth day
// 1901-01-01..2099-12-31, any period and gender, and about half with a shown
// moment on or after the birth and a layer 0..6.

#include <cstdint>
#include <random>
#include <string>

#include "output/Query.h"

namespace velmora::load {

tool::Query RandomQuery(std::mt19937_64& random);

// The query as one batch line: "DATE PERIOD GENDER [AT-DATE AT-PERIOD LAYER]".
std::string QueryLine(const tool::Query& query);

}  // namespace velmora::load
