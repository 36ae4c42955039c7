// kandata @RESPONSE: builds a custom-data image (Intel HEX) and its data
// header from the design tools' outputs named in the response file.
#include "Kandata.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2 || argv[1][0] != '@' || argv[1][1] == '\0') {
        std::fprintf(stderr, "usage: kandata @RESPONSE\n");
        return 2;
    }
    return kandata::RunKandata(argv[1] + 1, stdout, stderr);
}
