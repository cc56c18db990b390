#include "app/CommandBoundary.h"

#include "app/UserPort.h"
#include "jvdata/Error.h"

namespace zefa {

bool runCommand(UserPort& port, const std::function<void()>& command) {
    try {
        command();
        return true;
    } catch (const Error& e) {
        port.beep();
        port.information(e.what());
        return false;
    }
}

} // namespace zefa
