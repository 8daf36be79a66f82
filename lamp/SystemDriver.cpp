#include "SystemDriver.h"

namespace farb {

std::unique_ptr<FtDriver> CreateSystemDriver() {
#ifdef _WIN32
    constexpr const char* kD2xxCandidates[] = {"ftd2xx.dll"};
#else
    // The plain name first, so that the loader's own search (LD_LIBRARY_PATH included) decides.
    constexpr const char* kD2xxCandidates[] = {"libftd2xx.so", "/usr/local/lib/libftd2xx.so"};
#endif
    for (const char* candidate : kD2xxCandidates) {
        if (auto driver = LoadD2xxLibrary(candidate)) {
            return driver;
        }
    }
    return CreateLibFtdiDriver();
}

}  // namespace farb
