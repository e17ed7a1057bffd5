#include "numfield/widget/sharedintl.h"

#include "numfield/locale/localeintl.h"

namespace paysmith {

const TIntlSupport& applicationIntlSupport() {
    static const TIntlSupport intl(systemIntlSettings());
    return intl;
}

} // namespace paysmith
