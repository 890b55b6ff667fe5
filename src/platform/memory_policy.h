#pragma once
// How this process's heap hands memory back to the system.

namespace morvelin {

// Large blocks (window backing stores, which are reallocated at every resize) are mapped on
// their own and returned to the system when freed, instead of settling in the heap for good.
// Call once, early. Does nothing where the C library has no such setting.
void ReturnLargeBlocksToTheSystem();

}  // namespace morvelin
