#include "app/OddsCommands.h"

#include "app/Session.h"

namespace zefa {

void ozReadBtnClick(Session&) {}

} // namespace zefa
