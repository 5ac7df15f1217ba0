#include "formats/parsers.h"

namespace velmora::formats {

Parser parser_for(int code) {
    switch (code) {
        // Formats 100 to 105.
        case 100:
            return P100;
        case 101:
            return P101;
        case 102:
            return P102;
        case 103:
            return P103;
        case 104:
            return P104;
        case 105:
            return P105;
        // (end of 100 to 105)

        // Formats 106 to 115.
        // (end of 106 to 115)

        // Formats 116 to 125.
        // (end of 116 to 125)
        default:
            return nullptr;
    }
}

}  // namespace velmora::formats
