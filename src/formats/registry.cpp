#include "formats/parsers.h"

namespace velmora::formats {

Parser parser_for(int code) {
    switch (code) {
        // Formats 100 to 105.
        // (end of 100 to 105)

        // Formats 106 to 115.
        // (end of 106 to 115)

        // Formats 116 to 125.
        case 116:
            return P116;
        case 117:
            return P117;
        case 118:
            return P118;
        case 119:
            return P119;
        case 120:
            return P120;
        case 121:
            return P121;
        case 122:
            return P122;
        case 123:
            return P123;
        case 124:
            return P124;
        case 125:
            return P125;
        // (end of 116 to 125)
        default:
            return nullptr;
    }
}

}  // namespace velmora::formats
