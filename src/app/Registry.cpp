#include "app/Registry.h"

#include "store/IniText.h"
#include "store/WholeFile.h"

#include <cstdlib>

namespace zefa {

std::optional<std::string> FileRegistry::localMachineValue(std::string_view key, std::string_view name) const {
    const auto text = readFileIfExists(file_);
    if (!text) return std::nullopt;
    return IniText(*text, IniText::Encoding::Utf8).value(key, name);
}

std::filesystem::path FileRegistry::defaultFile() {
    if (const char* named = std::getenv("ZEFA_REGISTRY"); named && *named) return named;
    return "/etc/zefa/registry.ini";
}

} // namespace zefa
