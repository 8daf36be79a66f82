#include "SystemDriver.h"

#ifdef _WIN32
#include "NoDriver.h"
#else
#include "LibFtdiDriver.h"
#endif

namespace farb {

#ifdef _WIN32

std::unique_ptr<FtDriver> CreateSystemDriver() {
    if (auto driver = LoadD2xxLibrary(L"ftd2xx.dll")) {
        return driver;
    }
    return std::make_unique<NoDriver>();
}

#else

std::unique_ptr<FtDriver> CreateSystemDriver() {
    // The plain name first, so that the loader's own search (LD_LIBRARY_PATH included) decides.
    for (const char* candidate : {"libftd2xx.so", "/usr/local/lib/libftd2xx.so"}) {
        if (auto driver = LoadD2xxLibrary(candidate)) {
            return driver;
        }
    }
    return CreateLibFtdiDriver();
}

#endif

}  // namespace farb
