#include "app/EliminationCommands.h"

#include "app/Session.h"

namespace zefa {

void markEliminationCriteria(Session&) {}

void keshiBtnClick(Session&) {}

} // namespace zefa
