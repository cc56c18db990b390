#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace zefa {

// The machine-wide registry where companion programs record their install folders.
class Registry {
public:
    virtual ~Registry() = default;
    // A value of a key under HKEY_LOCAL_MACHINE; nullopt when the key or the value is missing.
    virtual std::optional<std::string> localMachineValue(std::string_view key, std::string_view name) const = 0;
};

// The registry of this machine: a UTF-8 ini file whose sections are key paths
// ("SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\…") and whose entries are values.
// A missing file is an empty registry.
class FileRegistry : public Registry {
public:
    explicit FileRegistry(std::filesystem::path file) : file_(std::move(file)) {}
    std::optional<std::string> localMachineValue(std::string_view key, std::string_view name) const override;

    // $ZEFA_REGISTRY, or /etc/zefa/registry.ini.
    static std::filesystem::path defaultFile();

private:
    std::filesystem::path file_;
};

} // namespace zefa
