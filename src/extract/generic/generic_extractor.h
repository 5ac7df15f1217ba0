#pragma once
// The general extractor: finds the contests of a newsletter in any layout and emits them as
// contest entries through the same primitives as the format parsers, so that review, the detail
// view, continuous import and the stock check treat them as they treat a format's.
//
//   extract::PGeneric(x);   // reads the clipboard itself, as P117 does

#include "extract/primitives.h"

namespace velmora::extract {

void PGeneric(Primitives& x);

}  // namespace velmora::extract
