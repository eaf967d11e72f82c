// The generator's single state, shared by the whole run.
#include "rand.h"

namespace recgen {

namespace {
uint32_t state;
}

void srand(uint32_t seed) { state = seed; }

int rand()
{
    state = rstep(state);
    return rdraw(state);
}

uint32_t rstate() { return state; }

}  // namespace recgen
