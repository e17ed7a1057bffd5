#pragma once

#include "numfield/text/intlsupport.h"

#include <array>

namespace paysmith::testing_conventions {

// Mark conventions of real locales: point and comma decimals with comma,
// point, no-break space, narrow no-break space and apostrophe grouping.
inline const TIntlSupport kEnglish{IntlSettings{u".", u",", u"$", 2, 0}};
inline const TIntlSupport kGerman{IntlSettings{u",", u".", u"€", 2, 3}};
inline const TIntlSupport kNorwegian{IntlSettings{u",", u"\u00A0", u"kr", 2, 2}};
inline const TIntlSupport kFrench{IntlSettings{u",", u"\u202F", u"€", 2, 3}};
inline const TIntlSupport kSwiss{IntlSettings{u".", u"\u2019", u"CHF", 2, 2}};

inline const std::array<const TIntlSupport*, 5> kAll{&kEnglish, &kGerman, &kNorwegian, &kFrench,
                                                     &kSwiss};

} // namespace paysmith::testing_conventions
