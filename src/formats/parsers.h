#pragma once
// One parser per newsletter format, codes 100 to 125. Each reads the clipboard newsletter
// through the extraction primitives and adds one contest entry per contest to the lists.

#include "extract/primitives.h"

namespace velmora::formats {

using Parser = void (*)(extract::Primitives&);

// The parser of a format code; null for a code that has none.
Parser parser_for(int code);

void P100(extract::Primitives& x);
void P101(extract::Primitives& x);
void P102(extract::Primitives& x);
void P103(extract::Primitives& x);
void P104(extract::Primitives& x);
void P105(extract::Primitives& x);

void P106(extract::Primitives& x);
void P107(extract::Primitives& x);
void P108(extract::Primitives& x);
void P109(extract::Primitives& x);
void P110(extract::Primitives& x);
void P111(extract::Primitives& x);
void P112(extract::Primitives& x);
void P113(extract::Primitives& x);
void P114(extract::Primitives& x);
void P115(extract::Primitives& x);

void P116(extract::Primitives& x);
void P117(extract::Primitives& x);
void P118(extract::Primitives& x);
void P119(extract::Primitives& x);
void P120(extract::Primitives& x);
void P121(extract::Primitives& x);
void P122(extract::Primitives& x);
void P123(extract::Primitives& x);
void P124(extract::Primitives& x);
void P125(extract::Primitives& x);

}  // namespace velmora::formats
