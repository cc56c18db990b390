#include "app/AxisCommands.h"

#include "app/Session.h"

namespace zefa {

void jikuHimoBtnClick(Session&) {}

} // namespace zefa
