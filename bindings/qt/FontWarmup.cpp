#include "bindings/qt/FontWarmup.h"

#if TREVALO_HAS_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace trevalo::qt {


FontWarmup::FontWarmup()
{
#if TREVALO_HAS_FONTCONFIG
    // fontconfig sets its current configuration once, atomically; Qt's own
    // FcInit() later finds it there.
    m_thread = std::thread([] { FcInit(); });
#endif
}

FontWarmup::~FontWarmup()
{
    wait();
}

void FontWarmup::wait()
{
    if (m_thread.joinable())
        m_thread.join();
}

}
