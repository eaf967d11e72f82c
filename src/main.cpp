// recgen: writes a file of synthetic person-like test records.
#include "run.h"

int main() { return recgen::run(); }
