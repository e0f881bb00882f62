#pragma once
// Whether the product is installed in exactly the version the patch was made for, asked of
// Windows Installer and, failing that, of the product's uninstall entry.
#include <cstddef>
#include <cstdint>

enum VersionProbeResult { Unavailable = 0, Match = 1, Older = -1, Newer = 2 };

struct RequiredProduct {
    const char* ProductCode;
    const char* Version;
};

constexpr size_t RequiredProductCount = 2;
extern const RequiredProduct RequiredProducts[RequiredProductCount];

constexpr const char* UninstallKeyPath =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\"
    "{C8E31F56-0A94-4D2B-B7E6-5F1A93D0C274}";
constexpr const char* UninstallValueName = "DisplayVersion";
constexpr uint32_t UninstallAccessMask = 0x20119;  // KEY_READ | KEY_WOW64_64KEY
constexpr const char* InstallerVersionProperty = "VersionString";
constexpr uint32_t VersionValueLength = 260;  // bytes

// Compares the installed text, which ends at its first zero byte or after length bytes, with the
// required one byte by byte as unsigned bytes; nothing past length is read.
VersionProbeResult CompareVersionText(const char* installed, size_t length, const char* required);

VersionProbeResult QueryInstallerVersion(const char* productCode, const char* requiredVersion);
VersionProbeResult QueryUninstallVersion(const char* requiredVersion, const char* keyPath,
                                         const char* valueName, uint32_t accessMask);

// True when a row of RequiredProducts matches; every row is probed.
bool IsRequiredVersionInstalled();
