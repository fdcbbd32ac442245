// The weed's lack-of-memory path is driven with the same replacement of operator new (with its
// non-throwing forms) as the view tests use.
#include "core/view/AllocationLimitForView.cpp"
