// The converter on Windows. It ignores its command line, as it always has.
#include "driver.h"

int main() {
    return PAGEWRIGHT::RUNCONVERTER(*PAGEWRIGHT::MAKEPRESENTER());
}
