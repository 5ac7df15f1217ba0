#include "extract/generic/generic_extractor.h"

namespace velmora::extract {

// The entry point only: it reads the newsletter and finds no contest yet.
void PGeneric(Primitives& x) {
    x.SKK();
    x.GetLi();
}

}  // namespace velmora::extract
