#include "app/Entry.h"

int main(int argc, char** argv) {
    return kravexMain(argc, argv);
}
