#include "app/Session.h"

namespace zefa {

Session::Session(ProgramFolder folder_, JvLink& jvLink_, UserPort& port_, const Clock& clock_, const Registry& registry_)
    : folder(std::move(folder_)),
      settings(folder.settingsFile(), folder.root(), clock_),
      jvLink(jvLink_),
      port(port_),
      clock(clock_),
      registry(registry_) {}

} // namespace zefa
