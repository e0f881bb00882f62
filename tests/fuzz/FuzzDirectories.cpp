// ResolveDirectories from any argument 0, current directory, short forms and WOW64 answers: the
// folders are whole and terminated within their buffers, or both empty; never a cut-down folder.
#include "Directories.h"
#include "FixedText.h"
#include "FuzzInput.h"
#include "StandInPlatform.h"

namespace {

bool EndsWith(const std::u16string& text, const std::u16string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

size_t BoundedLength(const char16_t* text, size_t capacity) {
    size_t length = 0;
    while (length < capacity && text[length] != 0) ++length;
    return length;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input{data, size};
    ResetStandIn();
    StandIn.CommandLineW = Wide(input.Text());
    StandIn.CurrentDirectory = Wide(input.Text());
    const std::u16string shortFormOf = Wide(input.Text());
    const std::u16string shortForm = Wide(input.Text());
    if (!shortFormOf.empty()) StandIn.ShortForms[shortFormOf] = shortForm;
    const uint8_t flags = input.Byte();
    StandIn.Wow64 = flags & 1;
    StandIn.Wow64QueryFails = flags & 2;
    StandIn.ShortPathFails = flags & 4;
    StandIn.ArgvFails = flags & 8;
    StandIn.CurrentDirectoryFails = flags & 16;

    const bool resolved = ResolveDirectories();
    const size_t packageLength = BoundedLength(PackageDirectory, PackageDirectoryLength);
    const size_t workingLength = BoundedLength(WorkingDirectory, WorkingDirectoryLength);
    FUZZ_ASSERT(packageLength < PackageDirectoryLength);
    FUZZ_ASSERT(workingLength < WorkingDirectoryLength);
    if (!resolved) {
        FUZZ_ASSERT(packageLength == 0 && workingLength == 0);
        return 0;
    }
    const std::u16string working(WorkingDirectory, workingLength);
    const bool wow64 = StandIn.Wow64 && !StandIn.Wow64QueryFails;
    FUZZ_ASSERT(EndsWith(working, wow64 ? u"64-bit\\" : u"32-bit\\"));
    // Whatever came from Windows is in the folder whole: the package folder ends the working
    // folder's text before the architecture folder, or the current directory begins it.
    const std::u16string package(PackageDirectory, packageLength);
    FUZZ_ASSERT(working.find(package) != std::u16string::npos);
    return 0;
}
