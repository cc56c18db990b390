#pragma once

namespace zefa {

struct Session;

// The elimination criteria that come from the past runs, for every race of the loaded day.
void markEliminationCriteria(Session& session);

// "消し馬": eliminated horses and skipped races of all race slots, from the criteria and the settings.
void keshiBtnClick(Session& session);

} // namespace zefa
