#include "app/LiveAcquisition.h"

#include "app/Session.h"

namespace zefa {

// Live acquisition arrives with the real-time fetches; until then arming does nothing more than
// the check itself.
void autoOzCheckClick(Session&) {}

void kaisaiReadBtnClick(Session&) {}

} // namespace zefa
