#include "formats/parsers.h"

namespace velmora::formats {

Parser parser_for(int code) {
    switch (code) {
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
        case 106:
            return P106;
        case 107:
            return P107;
        case 108:
            return P108;
        case 109:
            return P109;
        case 110:
            return P110;
        case 111:
            return P111;
        case 112:
            return P112;
        case 113:
            return P113;
        case 114:
            return P114;
        case 115:
            return P115;
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
        default:
            return nullptr;
    }
}

}  // namespace velmora::formats
