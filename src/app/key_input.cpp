#include "app/key_input.h"

namespace rolvanta {

// The pass view's cursor moves here; until it does, keys change nothing.
void keyDown(Session&, Shell&, int, bool) {}

void keyUp(Session&, Shell&, int, bool) {}

}  // namespace rolvanta
