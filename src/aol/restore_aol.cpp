#include "aol/restore_aol.h"

namespace drelm {

void RestoreAol(int /*useSetPassword*/) {}

}  // namespace drelm
