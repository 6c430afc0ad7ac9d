// The running program's own resources.
#pragma once

namespace sk {

// The bytes of resource id of the given type in the program's own module, and their count in
// *size; null (and *size 0) when there is no such resource. The bytes belong to the module:
// callers neither change nor free them.
const unsigned char* LoadResourceBytes(int id, const char* type, unsigned long* size);

}  // namespace sk
