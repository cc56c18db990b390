#include "store/ProgramFolder.h"

namespace zefa {

ProgramFolder::ProgramFolder(std::filesystem::path root)
    : root_(std::filesystem::absolute(std::move(root)).lexically_normal()) {
    // Keep the root without a trailing separator, so that it reads the same in the error log.
    if (!root_.has_filename() && root_.has_relative_path()) root_ = root_.parent_path();
}

} // namespace zefa
