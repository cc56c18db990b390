#include "sample/SampleFeed.h"

#include "store/WholeFile.h"

namespace zefa {
namespace {

constexpr std::string_view kAccumulatedSpec = "RACE";
constexpr std::string_view kStampPattern = "yyyymmddhhnnss";

} // namespace

void writeFeedFile(const std::filesystem::path& feed, const DateTime& stamp, std::string_view what,
                   const std::vector<std::string>& records) {
    const std::filesystem::path folder = feed / kAccumulatedSpec;
    std::filesystem::create_directories(folder);
    std::string bytes;
    for (const std::string& record : records) bytes += record;
    saveFileWhole(folder / (formatDateTime(stamp, kStampPattern) + "-" + std::string(what) + ".jvd"), bytes);
}

} // namespace zefa
