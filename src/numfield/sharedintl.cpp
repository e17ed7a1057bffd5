#include "numfield/sharedintl.h"

#include "numfield/localeintl.h"

namespace paysmith {

const TIntlSupport& applicationIntlSupport() {
    static const TIntlSupport intl(systemIntlSettings());
    return intl;
}

} // namespace paysmith
