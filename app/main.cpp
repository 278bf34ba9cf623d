#include "driver.h"

int main() {
    return PAGEWRIGHT::RUNCONVERTER(*PAGEWRIGHT::MAKEPRESENTER());
}
