// The view tests drive lack-of-memory paths with the library tests' replacement of operator new.
#include "core/library/AllocationLimit.cpp"
