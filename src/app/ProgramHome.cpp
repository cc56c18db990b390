#include "app/ProgramHome.h"

#include <cstdlib>

namespace zefa {
namespace {

std::optional<std::filesystem::path> fromEnvironment(const char* name) {
    const char* value = std::getenv(name);
    if (!value || !*value) return std::nullopt;
    return std::filesystem::path(value);
}

} // namespace

std::filesystem::path resolveProgramFolder(const std::optional<std::filesystem::path>& named) {
    if (named) return *named;
    if (auto home = fromEnvironment("ZEFA_HOME")) return *home;
    std::error_code error;
    const auto program = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::current_path() : program.parent_path();
}

std::filesystem::path resolveFeedFolder(const std::optional<std::filesystem::path>& named,
                                        const std::filesystem::path& programFolder) {
    if (named) return *named;
    if (auto feed = fromEnvironment("ZEFA_FEED")) return *feed;
    return programFolder / "feed";
}

} // namespace zefa
