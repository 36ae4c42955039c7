#include "sim/CommandFraming.h"

namespace parlix::sim {

namespace {

// Commands whose first argument -1 selects another function with `extended` arguments.
std::size_t WithExtended(const std::vector<int>& received, std::size_t normal,
                         std::size_t extended) {
    if (received.empty()) return 1;
    return received[0] == -1 ? extended : normal;
}

}  // namespace

std::optional<std::size_t> ArgumentCount(std::uint8_t command, const std::vector<int>& received) {
    switch (command) {
        case 'b':  // break / stop
        case 'x':  // version id
        case 'm':  // active group mask
        case 'h':  // sound table
            return 0;
        case 'y':  // reply delay
        case 'o':  // time-out
        case 'c':  // command count
        case 'z':  // grammar count (-1) or grammar words
        case 'i':  // word recognition
            return 1;
        case 'g':  // create
        case 'u':  // remove
        case 'e':  // erase training; -1, slot: erase message
        case 't':  // train; -1, value: trailing silence
        case 'q':  // pin
            return 2;
        case 'w':  // sound n/32, n%32, volume; -1, tone, length
            return 3;
        case 'j':  // send token: bits, token (2), delay (2)
            return 5;
        case 'p':
            return WithExtended(received, 2, 3);  // read command; -1: play message
        case 'd':
            return WithExtended(received, 1, 2);  // recognize; -1: read message
        case 'v':
            return WithExtended(received, 1, 2);  // level; -1: message memory check
        case 'r':
            return WithExtended(received, 1, 4);  // reset; -1: record message
        case 'f':
            return WithExtended(received, 4, 2);  // receive token; -1: fast recognition
        case 'l':
            return WithExtended(received, 1, 5);  // language; -1: lip-sync
        case 'k':
            return WithExtended(received, 1, 2);  // knob; -1: microphone distance
        case 'n': {                               // rename: group, index, length, characters
            if (received.size() < 3) return 3;
            return 3 + static_cast<std::size_t>(received[2] > 0 ? received[2] : 0);
        }
        case '~': {  // extended: 8 import, 21 verify, 23 export
            if (received.empty()) return 1;
            switch (received[0]) {
                case 8:
                    return 3 + kCommandDataNibbles;
                case 21:
                case 23:
                    return 3;
                default:
                    return 1;
            }
        }
        default:
            return std::nullopt;
    }
}

}  // namespace parlix::sim
