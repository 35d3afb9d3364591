#include "platform/dialog_registration.h"

namespace rolvanta {

// No dialog is registered yet: the input commands open nothing and change
// nothing.
void registerDialogs(DialogRegistry&, Session&, Shell&) {}

}  // namespace rolvanta
