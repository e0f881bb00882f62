#include "VersionGate.h"

#include "platform/PlatformServices.h"

const RequiredProduct RequiredProducts[RequiredProductCount] = {
    {"{4A7C2E19-B3D5-4F68-9E01-7D25C6A8B943}", "12.0.4.405"},
    {"{C8E31F56-0A94-4D2B-B7E6-5F1A93D0C274}", "12.0.4.405"},
};

VersionProbeResult CompareVersionText(const char* installed, size_t length, const char* required) {
    for (size_t i = 0;; ++i) {
        const unsigned char left = i < length ? static_cast<unsigned char>(installed[i]) : 0;
        const unsigned char right = static_cast<unsigned char>(required[i]);
        if (left != right) return left < right ? Older : Newer;
        if (left == 0) return Match;
    }
}

VersionProbeResult QueryInstallerVersion(const char* productCode, const char* requiredVersion) {
    if (productCode == nullptr) return Unavailable;
    char value[VersionValueLength] = {};
    uint32_t length = VersionValueLength;
    if (PlatformServices::MsiGetProductInfoA(productCode, InstallerVersionProperty, value, &length) != 0) {
        return Unavailable;
    }
    if (requiredVersion == nullptr) return Unavailable;
    // Only what lies in the buffer counts, whatever length came back.
    return CompareVersionText(value, length < VersionValueLength ? length : VersionValueLength,
                              requiredVersion);
}

VersionProbeResult QueryUninstallVersion(const char* requiredVersion, const char* keyPath,
                                         const char* valueName, uint32_t accessMask) {
    PlatformServices::RegistryKey key = nullptr;
    if (!PlatformServices::RegOpenKeyExA(keyPath, accessMask, &key)) return Unavailable;
    unsigned char value[VersionValueLength] = {};
    uint32_t length = VersionValueLength;
    VersionProbeResult result = Unavailable;
    if (PlatformServices::RegQueryValueExA(key, valueName, value, &length) && requiredVersion != nullptr) {
        // A value need not be terminated, nor be text at all: compare only the bytes read.
        result = CompareVersionText(reinterpret_cast<const char*>(value),
                                    length < VersionValueLength ? length : VersionValueLength,
                                    requiredVersion);
    }
    PlatformServices::RegCloseKey(key);
    return result;
}

bool IsRequiredVersionInstalled() {
    bool installed = false;
    for (const RequiredProduct& product : RequiredProducts) {
        if (QueryInstallerVersion(product.ProductCode, product.Version) == Match ||
            QueryUninstallVersion(product.Version, UninstallKeyPath, UninstallValueName,
                                  UninstallAccessMask) == Match) {
            installed = true;
        }
    }
    return installed;
}
