// The library tests' replacement of operator new, built into this test program too, so that the
// weed's lack-of-memory path can be driven the same way.
#include "core/library/AllocationLimit.cpp"
